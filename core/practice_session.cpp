#include "core/practice_session.h"

#include "core/mistake_log.h"
#include "core/practice_schedule.h"

const std::optional<PracticeHand> &PracticeSession::deal(QDate today)
{
    const int lines = int(m_chart.lines().size());
    m_line = m_picked ? m_picked : chooseLine(m_log.data(), lines, m_log.currentRun(), today, m_random);
    m_hand = dealOnLine(m_chart, m_line, m_random);
    return m_hand;
}

PracticeAnswer PracticeSession::answer(unsigned hold)
{
    PracticeAnswer answer;
    if (!m_hand)
        return answer;
    const HandAnalysis &analysis = m_hand->analysis;
    answer.right = analysis.isBest(hold);
    answer.kept = hold;
    answer.best = m_hand->best;
    answer.keptWorth = analysis.holds[hold].expectedWin();
    answer.bestWorth = analysis.best().expectedWin();
    answer.lostMicros = stakeMicrosLost(analysis, hold, m_chart.rules().stake);
    answer.line = m_line;
    const auto found = m_log.data().schedule.find(m_line);
    const LineSchedule before = found == m_log.data().schedule.end() ? LineSchedule{} : found->second;
    m_log.setSchedule(m_line, afterAnswer(before, answer.right, m_log.currentRun()));
    ++m_hands;
    m_right += answer.right;
    m_lostMicros += answer.lostMicros;
    m_hand.reset();
    return answer;
}
