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

// The window system frames a window shown a moment after showing it; its frame is known only
// then. These are that moment for the main window and for the coach's own window.
constexpr int kMainFramedMs = 200;
constexpr int kCoachFramedMs = 300;

} // namespace

Coach::Coach(Game &game) : QObject(&game), m_game(game)
{
    m_window = new CoachWindow(&m_game.mainWindow());
    MainWindow &main = m_game.mainWindow();
    main.installEventFilter(this);
    auto *toCoach = new QShortcut(QKeySequence(Qt::Key_F6), &main);
    connect(toCoach, &QShortcut::activated, this, &Coach::switchToCoach);
    connect(m_window, &CoachWindow::switchToGame, this, &Coach::switchToGame);
    connect(&game, &Game::handDealt, m_window, &CoachWindow::showNextHandDealt);
    connect(&game, &Game::gameStarted, this, [this] { m_window->showCoached(false); });
    connect(&game, &Game::handDrawn, this, &Coach::handDrawn);
    game.setDrawCheck([this](const Hand &dealt, Hold kept) { return mayDraw(dealt, kept); });
    m_training = new CoachTraining(game, *m_window, [this]() -> const StrategyChart & { return chart().chart; });
    auto *analyse = new AnalysePage([this]() -> const StrategyChart & { return chart().chart; });
    CoachWindow::markAsPage(analyse, QStringLiteral("Analyse"));
    m_window->pages()->addTab(analyse, QStringLiteral("&Analyse"));
    if (main.isVisible())
        open();
}

Coach::~Coach()
{
    if (m_writing.valid())
        m_writing.wait();
}

void Coach::startChart()
{
    if (m_chart || m_writing.valid())
        return;
    // The chart takes a moment to write: a thread of its own, so the game goes on meanwhile. Once
    // written, it is shown as soon as the event loop runs.
    m_writing = std::async(std::launch::async, [this, rules = gameRules(m_game.payoff(), 1)] {
        WrittenChart written = writeChart(rules);
        QMetaObject::invokeMethod(this, [this] { chart(); }, Qt::QueuedConnection);
        return written;
    });
}

const WrittenChart &Coach::chart()
{
    if (!m_chart) {
        startChart();
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
        QTimer::singleShot(kMainFramedMs, this, &Coach::open);
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
    startChart();
    place();
    m_window->show();
    if (!m_training->startNotice().isEmpty())
        showRecordsNotice(m_window, m_training->startNotice());
    // Placed again once its own frame is known, unless the player has moved it meanwhile.
    QTimer::singleShot(kCoachFramedMs, this, [this, at = m_window->pos()] {
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

const CoachVerdict &Coach::verdict(const Hand &dealt, Hold kept, int units)
{
    const StrategyChart &strategy = chart().chart;
    if (m_verdict && m_verdict->dealt == dealt && m_verdictUnits == units) {
        if (m_verdict->kept != kept)
            m_verdict = withKept(std::move(*m_verdict), kept, strategy);
    } else {
        m_verdict = judgeHand(dealt, kept, m_game.payoff().stakeFor(units), analyseHand(dealt, m_game.payoff(), units),
                              strategy);
        m_verdictUnits = units;
    }
    return *m_verdict;
}

bool Coach::mayDraw(const Hand &dealt, Hold kept)
{
    const bool draws = askedToDraw(dealt, kept);
    // Heard with the payout, while the player stays on the game; the page holds the rest.
    if (draws)
        m_game.mainWindow().gameTab()->addToPayoutNews(verdictNewsText(*m_verdict));
    return draws;
}

bool Coach::askedToDraw(const Hand &dealt, Hold kept)
{
    const CoachVerdict &judged = verdict(dealt, kept, m_game.payoff().BetUnits());
    if (!m_window->warnsBeforeDraw())
        return true;
    m_game.keepFromHiScores();
    m_window->showCoached(true);
    if (judged.playedBest())
        return true;
    return askDrawAnyway(&m_game.mainWindow(), warningText(judged, chart().chart),
                         [this](const QSize &contents) {
                             // Rather not over the coach either, which tells the hand before.
                             return placeBesideGame({contents, contents, contents},
                                                    m_window->isVisible() ? m_window->frameGeometry() : QRect());
                         });
}

void Coach::handDrawn(const Hand &dealt, Hold kept, int units)
{
    const CoachVerdict &judged = verdict(dealt, kept, units);
    m_session.record(judged.analysis, kept.bits());
    m_window->showHand(dealt, kept, judged.best, handTexts(judged, m_session, chart().chart));
    m_training->handPlayed(dealt, kept.bits(), m_game.table().cards(), judged.analysis, gameRules(m_game.payoff(), units));
    // The next hand is judged anew, even where it is dealt alike.
    m_verdict.reset();
}
