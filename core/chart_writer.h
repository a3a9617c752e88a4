#pragma once

#include "core/strategy_chart.h"

// Writes the strategy chart of a table from the exact worth of every hold of every deal class:
// it ranks the hold classes so that taking the highest one a deal offers loses as little as
// possible against best play, in at most `maxLines` lines.
struct WrittenChart {
    StrategyChart chart;
    Fraction chartReturn;   // following the chart on every deal
    Fraction bestReturn;    // best play on every deal

    double costPercent() const { return bestReturn.percent() - chartReturn.percent(); }
};

WrittenChart writeChart(const DrawRules &rules, int maxLines = 40);
