#pragma once

#include "core/hold_analysis.h"
#include "core/strategy_chart.h"

#include <optional>

class RandomSource;

// A practice hand: dealt so that the best hold the coach names, by the exact analysis, lies on
// a chosen line of the chart.
struct PracticeHand {
    Hand dealt{};
    HandAnalysis analysis;   // under the chart's rules
    unsigned best = 0;       // the named best hold
};

// Builds the cards of one of the line's classes, fills the hand at random and keeps it when the
// exact analysis puts its named best hold on the line (1-based). Nullopt when `tries` hands all
// missed, which only a line no hand's best hold can reach comes to.
std::optional<PracticeHand> dealOnLine(const StrategyChart &chart, int line, RandomSource &random, int tries = 20000);
