#include "core/mistake_log.h"

#include "core/chart_lines.h"
#include "core/coach_verdict.h"

#include <algorithm>
#include <cmath>

qint64 stakeMicrosLost(const HandAnalysis &analysis, unsigned hold, qint64 stake)
{
    const HoldValue &best = analysis.best();
    const HoldValue &kept = analysis.holds[hold];
    // Wins and draws are far below 2^53, so each ratio is exact to the last bit of a long double.
    const long double lost = (static_cast<long double>(best.totalWin) / best.draws
                              - static_cast<long double>(kept.totalWin) / kept.draws)
                           / stake;
    return std::max<qint64>(0, std::llround(lost * 1'000'000));
}

void logHand(CoachLog &log, const Hand &dealt, unsigned kept, const HandAnalysis &analysis, const StrategyChart &chart,
             qint64 stake, QDate day)
{
    const unsigned best = namedBestHold(dealt, analysis, chart);
    const int line = chartLineOf(chart, dealt, Hold(best));
    const bool right = analysis.isBest(kept);
    const qint64 lost = right ? 0 : stakeMicrosLost(analysis, kept, stake);
    log.countHand(line, right, lost);
    if (right)
        return;
    LoggedHand logged;
    logged.day = day;
    for (int i = 0; i < kPositions; ++i)
        logged.dealt[i] = {quint8(dealt[i].rank), quint8(dealt[i].suit)};
    logged.kept = quint8(kept);
    logged.best = quint8(best);
    logged.lostMicros = lost;
    logged.line = line;
    log.addMistake(logged);
}

Hand handOf(const LoggedHand &logged)
{
    Hand dealt;
    for (int i = 0; i < kPositions; ++i)
        dealt[i] = {logged.dealt[i].rank, logged.dealt[i].suit};
    return dealt;
}

std::vector<LoggedHand> mistakesByLoss(const CoachLogData &log)
{
    std::vector<LoggedHand> hands(log.hands.rbegin(), log.hands.rend());
    std::stable_sort(hands.begin(), hands.end(),
                     [](const LoggedHand &a, const LoggedHand &b) { return a.lostMicros > b.lostMicros; });
    return hands;
}
