#pragma once

#include "core/hold_analysis.h"
#include "core/strategy_chart.h"
#include "records/coach_file.h"

#include <QDate>
#include <vector>

// The coach's log as the rules fill it: every played hand counts on the chart line of its best
// hold, and a hand not played best is kept with what it gave up in units of the stake, so that
// hands played at different stakes compare.

// What keeping `hold` gave up against the best hold, in millionths of the stake.
qint64 stakeMicrosLost(const HandAnalysis &analysis, unsigned hold, qint64 stake);
// Counts a played hand (analysed at the stake it was played for) into the log.
void logHand(CoachLog &log, const Hand &dealt, unsigned kept, const HandAnalysis &analysis, const StrategyChart &chart,
             qint64 stake, QDate day);

Hand handOf(const LoggedHand &logged);
// The logged hands, the most given up first; of equal ones the later first.
std::vector<LoggedHand> mistakesByLoss(const CoachLogData &log);
