#pragma once

#include "core/hold_analysis.h"
#include "core/strategy_chart.h"

// Of several equally best holds, the chart's own where it is one of them, else the first in bit
// order: the Last hand page, the Mistakes page, the log and practice all name this one.
unsigned namedBestHold(const Hand &dealt, const HandAnalysis &analysis, const StrategyChart &chart);
