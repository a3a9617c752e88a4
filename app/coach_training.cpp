#include "app/coach_training.h"

#include "app/game.h"
#include "core/chart_lines.h"
#include "core/mistake_log.h"
#include "core/usual_strategy.h"
#include "ui/coach_texts.h"
#include "ui/coach_window.h"
#include "ui/practice_page.h"
#include "ui/training_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <cstdio>

namespace {

QString logPath(const Game &game)
{
    return QFileInfo(game.hiScoreFile()).dir().filePath(QStringLiteral("coach.dat"));
}

} // namespace

CoachTraining::CoachTraining(Game &game, CoachWindow &window, ChartSource chart)
    : QObject(&game), m_game(game), m_window(window), m_chart(std::move(chart)), m_file(logPath(game))
{
    m_file.log().countRun();
    m_practicePage = new PracticePage;
    m_window.addPage(m_practicePage, QStringLiteral("&Practice"));
    m_luck = new QPlainTextEdit;
    m_luck->setObjectName(QStringLiteral("CoachLuck"));
    m_luck->setAccessibleName(QStringLiteral("Luck and skill"));
    m_luck->setReadOnly(true);
    m_luck->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_luck->setPlainText(QStringLiteral("After each draw: what you won, told apart into what your hold was expected "
                                        "to win, what the best hold would have been, and luck."));
    m_window.addPage(m_luck, QStringLiteral("Luck and s&kill"));

    connect(m_practicePage, &PracticePage::nextHandWanted, this, &CoachTraining::dealPractice);
    connect(m_practicePage, &PracticePage::holdConfirmed, this, &CoachTraining::answerPractice);
    connect(m_practicePage, &PracticePage::lineChosen, this, [this](int index) {
        practice().pickLine(index);
        dealPractice();
    });
    connect(&m_window, &CoachWindow::mistakeChosen, this, &CoachTraining::showMistake);
    connect(&m_window, &CoachWindow::closed, this, &CoachTraining::save);
    connect(&game, &Game::finished, this, &CoachTraining::save);
    showMistakes();
}

CoachTraining::~CoachTraining()
{
    if (m_comparing.valid())
        m_comparing.wait();
}

void CoachTraining::chartWritten(const WrittenChart &written)
{
    if (m_comparing.valid())
        return;
    m_comparing = std::async(std::launch::async, [this, written] {
        const StrategyChart usual = writeChart(usualRules()).chart;
        SystemRandom random;
        const QString examples = strategyDifferencesText(strategyDifferences(written.chart, usual, random, 6),
                                                         written.chart, usual);
        QMetaObject::invokeMethod(this, [this, written, examples] {
            m_window.showChart(chartPageText(written, examples));
        }, Qt::QueuedConnection);
    });
}

void CoachTraining::handPlayed(const Hand &dealt, unsigned kept, const Hand &final, const HandAnalysis &analysis,
                               const DrawRules &rules)
{
    const StrategyChart &chart = m_chart();
    logHand(m_file.log(), dealt, kept, analysis, chart, rules.stake, QDate::currentDate());
    const HandSplit split = splitHand(dealt, kept, final, namedBestHold(dealt, analysis, chart), analysis, rules, *m_random);
    m_run.add(split, rules.stake);
    m_luck->setPlainText(luckText(split, m_run));
    showMistakes();
}

void CoachTraining::save()
{
    QString error;
    if (!m_file.save(&error))
        std::fprintf(stderr, "quintdraw: the coach's log was not saved: %s\n", qPrintable(error));
}

void CoachTraining::showMistakes()
{
    m_shownMistakes = mistakesByLoss(m_file.log().data());
    QStringList texts;
    for (const LoggedHand &logged : m_shownMistakes)
        texts.append(loggedMistakeText(handOf(logged), logged.kept, logged.best, logged.lostMicros, logged.day));
    m_window.showMistakes(texts);
}

void CoachTraining::showMistake(int index)
{
    if (index < 0 || index >= int(m_shownMistakes.size()))
        return;
    const Hand dealt = handOf(m_shownMistakes[index]);
    const HandAnalysis analysis = analyseHand(dealt, m_game.payoff(), 1);
    m_window.showMistakeAnalysis(QStringLiteral("%1, at a stake of %2 credits:\n\n")
                                     .arg(holdText(dealt, Hold(kKeepAll)))
                                     .arg(m_game.payoff().winFor(0, 1))
                                 + allHoldsText(dealt, analysis));
}

PracticeSession &CoachTraining::practice()
{
    if (!m_practice) {
        const StrategyChart &chart = m_chart();
        m_practice = std::make_unique<PracticeSession>(chart, m_file.log(), *m_random);
        m_practicePage->showLines(practiceChoices(chart));
    }
    return *m_practice;
}

void CoachTraining::dealPractice()
{
    PracticeSession &session = practice();
    const std::optional<PracticeHand> &hand = session.deal(QDate::currentDate());
    if (hand)
        m_practicePage->showHand(hand->dealt, practiceHeading(m_chart(), session.currentLine(), session.pickedLine() != 0));
}

void CoachTraining::answerPractice(unsigned hold)
{
    PracticeSession &session = practice();
    if (!session.current())
        return;
    const PracticeHand hand = *session.current();
    const PracticeAnswer answer = session.answer(hold);
    m_practicePage->showAnswer(answer.best, practiceAnswerText(hand.dealt, answer, hand.analysis, m_chart()));
    m_practicePage->showScore(practiceScoreText(session));
}
