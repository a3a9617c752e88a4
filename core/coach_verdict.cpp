#include "core/coach_verdict.h"

#include "core/chart_lines.h"

#include <algorithm>

int chartLineOf(const StrategyChart &chart, const Hand &dealt, Hold hold)
{
    const std::optional<HoldClass> held = classifyHold(dealt, hold.bits(), chart.rules());
    if (!held)
        return 0;
    const std::vector<ChartLine> &lines = chart.lines();
    for (size_t line = 0; line < lines.size(); ++line) {
        if (std::find(lines[line].classes.begin(), lines[line].classes.end(), *held) != lines[line].classes.end())
            return int(line) + 1;
    }
    return 0;
}

CoachVerdict judgeHand(const Hand &dealt, Hold kept, qint64 stake, HandAnalysis analysis,
                       const StrategyChart &chart)
{
    CoachVerdict verdict;
    verdict.dealt = dealt;
    verdict.stake = stake;
    verdict.analysis = std::move(analysis);
    verdict.charted = Hold(chart.lineFor(dealt).hold);
    verdict.best = Hold(namedBestHold(dealt, verdict.analysis, chart));
    verdict.bestLine = chartLineOf(chart, dealt, verdict.best);
    verdict.chartedLine = chartLineOf(chart, dealt, verdict.charted);
    return withKept(std::move(verdict), kept, chart);
}

CoachVerdict withKept(CoachVerdict verdict, Hold kept, const StrategyChart &chart)
{
    verdict.kept = kept;
    verdict.keptLine = chartLineOf(chart, verdict.dealt, kept);
    return verdict;
}
