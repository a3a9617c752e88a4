#pragma once

#include "app/system_random.h"
#include "core/chart_writer.h"
#include "core/hold_analysis.h"
#include "core/luck_split.h"
#include "core/practice_session.h"
#include "records/coach_file.h"

#include <QObject>
#include <functional>
#include <future>
#include <memory>
#include <vector>

class CoachWindow;
class Game;
class PracticePage;
class QPlainTextEdit;

// What makes the coach train: the log of every coached game's hands kept in coach.dat beside the
// other records (read at start, saved at Exit and whenever the coach window closes), the Mistakes
// page from that log, the Practice page, and luck told from skill. Made only with the coach.
class CoachTraining : public QObject {
    Q_OBJECT
public:
    using ChartSource = std::function<const StrategyChart &()>;
    CoachTraining(Game &game, CoachWindow &window, ChartSource chart);
    ~CoachTraining() override;

    // A coached hand is over: `final` is the hand after the draw, `analysis` at the stake played.
    void handPlayed(const Hand &dealt, unsigned kept, const Hand &final, const HandAnalysis &analysis,
                    const DrawRules &rules);
    // The table's chart is on the Strategy page: real hands on which it differs from the usual
    // strategy are found in a thread of their own and added to the page.
    void chartWritten(const WrittenChart &written);
    // Saves the log; tells standard error when it cannot.
    void save();
    // Said once after start-up when the log was not as this game writes it.
    QString startNotice() const { return m_file.startNotice(); }
    const CoachLog &log() const { return m_file.log(); }
    // Practice and the shadow draw from this source from now on (tests script it).
    void useRandom(RandomSource &random) { m_random = &random; }

private:
    void showMistakes();
    void showMistake(int index);
    PracticeSession &practice();
    void dealPractice();
    void answerPractice(unsigned hold);

    Game &m_game;
    CoachWindow &m_window;
    ChartSource m_chart;
    CoachLogFile m_file;
    SystemRandom m_ownRandom;   // practice and the shadow's extra cards; never the game's own
    RandomSource *m_random = &m_ownRandom;
    std::unique_ptr<PracticeSession> m_practice;
    PracticePage *m_practicePage = nullptr;
    QPlainTextEdit *m_luck = nullptr;
    RunSplit m_run;
    std::vector<LoggedHand> m_shownMistakes;
    std::future<void> m_comparing;
};
