#pragma once

#include "core/hold_analysis.h"
#include "core/strategy_chart.h"

#include <vector>

class RandomSource;

// The usual strategy, against which this table's is told: the one written for 9/6 Jacks or
// Better, the table most published strategies are for (A-2-3-4-5 a straight there).
DrawRules usualRules();

// A real hand on which the two strategies keep different cards.
struct StrategyDifference {
    Hand dealt{};
    unsigned here = 0;    // the best hold here, as the coach names it
    int hereLine = 0;     // its line in this table's chart
    unsigned usual = 0;   // what the usual chart keeps
    int usualLine = 0;    // its line in the usual chart
    HandAnalysis analysis;   // under this table's rules
};

// Up to `most` such hands, one for each of the first lines of this table's chart on which they
// were found, by dealing practice hands onto each line.
std::vector<StrategyDifference> strategyDifferences(const StrategyChart &here, const StrategyChart &usual,
                                                    RandomSource &random, int most);
