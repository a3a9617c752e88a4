#include "core/chart_lines.h"

#include <algorithm>

int chartLineOf(const StrategyChart &chart, const Hand &dealt, unsigned hold)
{
    const std::optional<HoldClass> held = classifyHold(dealt, hold, chart.rules());
    if (!held)
        return 0;
    const std::vector<ChartLine> &lines = chart.lines();
    for (size_t line = 0; line < lines.size(); ++line) {
        if (std::find(lines[line].classes.begin(), lines[line].classes.end(), *held) != lines[line].classes.end())
            return int(line) + 1;
    }
    return 0;
}

unsigned namedBestHold(const Hand &dealt, const HandAnalysis &analysis, const StrategyChart &chart)
{
    const unsigned charted = chart.lineFor(dealt).hold;
    return analysis.isBest(charted) ? charted : analysis.bestHolds.front();
}
