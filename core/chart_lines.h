#pragma once

#include "core/hold_analysis.h"
#include "core/strategy_chart.h"

// Where a hold stands on the chart, and the one best hold the coach names everywhere.

// The 1-based chart line that keeping `hold` of `dealt` follows; 0 where the chart names none.
int chartLineOf(const StrategyChart &chart, const Hand &dealt, unsigned hold);
// Of several equally best holds, the chart's own where it is one of them, else the first in bit
// order: the Last hand page, the Mistakes page, the log and practice all name this one.
unsigned namedBestHold(const Hand &dealt, const HandAnalysis &analysis, const StrategyChart &chart);
