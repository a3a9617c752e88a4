#include "app/coach.h"

#include "app/coach_training.h"
#include "app/game.h"
#include "core/hold_analysis.h"
#include "ui/analyse_page.h"
#include "ui/coach_placement.h"
#include "ui/coach_texts.h"
#include "ui/draw_warning_dialog.h"
#include "ui/game_tab.h"
#include "ui/main_window.h"
#include "ui/records_notice.h"
#include "ui/table_in_sight.h"

#include <QEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace {

QString percentText(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" %");
}

} // namespace

Coach::Coach(Game &game) : QObject(&game), m_game(game)
{
    m_window = new CoachWindow(&m_game.mainWindow());
    MainWindow &main = m_game.mainWindow();
    main.installEventFilter(this);
    auto *toCoach = new QShortcut(QKeySequence(Qt::Key_F6), &main);
    connect(toCoach, &QShortcut::activated, this, &Coach::switchToCoach);
    connect(m_window, &CoachWindow::switchToGame, this, &Coach::switchToGame);
    connect(main.gameTab(), &GameTab::betPressed, m_window, &CoachWindow::showNextHandDealt);
    connect(&game, &Game::gameStarted, this, [this] { m_window->showCoached(false); });
    connect(&game, &Game::handDrawn, this, &Coach::handDrawn);
    game.setDrawCheck([this](const Hand &dealt, unsigned kept) { return mayDraw(dealt, kept); });
    m_training = new CoachTraining(game, *m_window, [this]() -> const StrategyChart & { return chart().chart; });
    m_window->pages()->addTab(new AnalysePage([this]() -> const StrategyChart & { return chart().chart; }),
                              QStringLiteral("&Analyse"));
    if (main.isVisible())
        open();
}

Coach::~Coach()
{
    if (m_writing.valid())
        m_writing.wait();
    delete m_window;
}

const WrittenChart &Coach::chart()
{
    if (!m_chart) {
        if (!m_writing.valid())
            m_writing = std::async(std::launch::async, writeChart, gameRules(m_game.payoff(), 1), 40);
        m_chart = m_writing.get();
        m_window->showChart(chartPageText(*m_chart));
        m_training->chartWritten(*m_chart);
    }
    return *m_chart;
}

bool Coach::eventFilter(QObject *watched, QEvent *event)
{
    // The coach opens with the main window, once the window system has framed it.
    if (watched == &m_game.mainWindow() && event->type() == QEvent::Show && !m_placed)
        QTimer::singleShot(200, this, &Coach::open);
    // On a small screen the compact coach lies over a part of the main window: it stays in sight
    // when the game is active again.
    if (watched == &m_game.mainWindow() && event->type() == QEvent::WindowActivate && m_window && m_window->isVisible()
        && m_window->frameGeometry().intersects(m_game.mainWindow().frameGeometry()))
        m_window->raise();
    return QObject::eventFilter(watched, event);
}

void Coach::open()
{
    if (m_placed)
        return;
    m_placed = true;
    // The chart takes a moment to write: a thread of its own, so the game goes on meanwhile.
    if (!m_chart && !m_writing.valid()) {
        m_writing = std::async(std::launch::async, [this, rules = gameRules(m_game.payoff(), 1)] {
            WrittenChart written = writeChart(rules);
            QMetaObject::invokeMethod(this, [this] { chart(); }, Qt::QueuedConnection);
            return written;
        });
    }
    place();
    m_window->show();
    if (!m_training->startNotice().isEmpty())
        showRecordsNotice(m_window, m_training->startNotice());
    // Placed again once its own frame is known, unless the player has moved it meanwhile.
    QTimer::singleShot(300, this, [this, at = m_window->pos()] {
        if (m_window && m_window->isVisible() && m_window->pos() == at)
            place();
    });
}

QMargins Coach::windowFrame() const
{
    // Before the window system has framed the coach, its frame is taken to be like the main one's.
    const QWidget &framed = m_window->isVisible() ? static_cast<const QWidget &>(*m_window) : m_game.mainWindow();
    const QRect outer = framed.frameGeometry();
    const QRect inner = framed.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QRect Coach::placeBesideGame(const CoachSizes &contents, const QRect &alsoInSight) const
{
    const MainWindow &main = m_game.mainWindow();
    const QMargins frame = windowFrame();
    // Never over the cards, the round's buttons or the stakes: the coach is compact where it must.
    TableInSight table = tableInSight(*main.gameTab());
    if (alsoInSight.isValid())
        table.ratherClear.append(alsoInSight);
    // The window system may not have told the main window's frame yet: taken to be like the coach's.
    return placeCoach(main.frameGeometry().united(main.geometry().marginsAdded(frame)), contents.grownBy(frame),
                      table, main.screen()->availableGeometry());
}

void Coach::place()
{
    const QRect placed = placeBesideGame(m_window->layoutSizes());
    m_window->resize(placed.size().shrunkBy(windowFrame()));
    m_window->move(placed.topLeft());
}

void Coach::switchToCoach()
{
    if (!m_placed)
        open();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_window->bringPagesIntoView();
}

void Coach::switchToGame()
{
    m_game.mainWindow().raise();
    m_game.mainWindow().activateWindow();
}

bool Coach::mayDraw(const Hand &dealt, unsigned kept)
{
    if (!m_window->warnsBeforeDraw())
        return true;
    m_game.keepFromHiScores();
    m_window->showCoached(true);
    const HandAnalysis analysis = analyseHand(dealt, m_game.payoff(), m_game.payoff().BetUnits());
    if (analysis.isBest(kept))
        return true;
    const unsigned best = namedBestHold(dealt, analysis, chart().chart);
    const QString warning = QStringLiteral("The best hold is %1, worth %2 credits on average.\n"
                                           "Your hold, %3, gives up %4 credits on average.\n\n%5")
                                .arg(holdText(dealt, best), creditsText(analysis.best().expectedWin()),
                                     holdText(dealt, kept), creditsText(analysis.gaveUp(kept)),
                                     reasonText(dealt, kept, analysis, chart().chart));
    return askDrawAnyway(&m_game.mainWindow(), warning,
                         [this](const QSize &contents) {
                             // Rather not over the coach either, which tells the hand before.
                             return placeBesideGame({contents, contents, contents},
                                                    m_window->isVisible() ? m_window->frameGeometry() : QRect());
                         });
}

void Coach::handDrawn(const Hand &dealt, unsigned kept, int units)
{
    const HandAnalysis analysis = analyseHand(dealt, m_game.payoff(), units);
    m_session.record(analysis, kept);
    const StrategyChart &strategy = chart().chart;
    const unsigned best = namedBestHold(dealt, analysis, strategy);
    CoachHandTexts texts;
    texts.yourHold = QStringLiteral("Your hold: %1, %2 credits on average")
                         .arg(holdText(dealt, kept), creditsText(analysis.holds[kept].expectedWin()));
    // The best hold every page names comes first.
    QStringList bests{holdText(dealt, best)};
    for (unsigned top : analysis.bestHolds) {
        if (top != best)
            bests.append(holdText(dealt, top));
    }
    texts.bestHold = QStringLiteral("Best hold: %1, %2 credits on average")
                         .arg(bests.join(QStringLiteral(" or ")), creditsText(analysis.best().expectedWin()));
    texts.verdict = analysis.isBest(kept)
                        ? QStringLiteral("Best play")
                        : QStringLiteral("Gave up %1 credits on average").arg(creditsText(analysis.gaveUp(kept)));
    texts.reason = reasonText(dealt, kept, analysis, strategy);
    texts.handsPlayed = QStringLiteral("Hands played: %1").arg(m_session.handsPlayed());
    texts.playedBest = QStringLiteral("Played best: %1").arg(percentText(m_session.shareBest()));
    texts.worthKept = QStringLiteral("Expected win kept: %1 of the best").arg(percentText(m_session.worthKept()));
    m_window->showHand(dealt, kept, best, texts);
    m_training->handPlayed(dealt, kept, m_game.table().cards(), analysis, gameRules(m_game.payoff(), units));
}

