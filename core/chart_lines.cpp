#include "core/chart_lines.h"

unsigned namedBestHold(const Hand &dealt, const HandAnalysis &analysis, const StrategyChart &chart)
{
    const unsigned charted = chart.lineFor(dealt).hold;
    return analysis.isBest(charted) ? charted : analysis.bestHolds.front();
}
