#include "core/usual_strategy.h"

#include "core/chart_lines.h"
#include "core/practice_deal.h"

namespace {

constexpr int kHandsPerLine = 6;

} // namespace

DrawRules usualRules()
{
    DrawRules rules;
    rules.wins = {1, 2, 3, 4, 6, 9, 25, 50, 800};
    rules.wheelIsStraight = true;
    return rules;
}

std::vector<StrategyDifference> strategyDifferences(const StrategyChart &here, const StrategyChart &usual,
                                                    RandomSource &random, int most)
{
    std::vector<StrategyDifference> found;
    const int lines = int(here.lines().size());
    for (int line = 1; line <= lines && int(found.size()) < most; ++line) {
        for (int hand = 0; hand < kHandsPerLine; ++hand) {
            const std::optional<PracticeHand> practice = dealOnLine(here, line, random, 2000);
            if (!practice)
                break;
            const ChartMatch usualMatch = usual.lineFor(practice->dealt);
            // A hold the usual chart keeps that is as good here is no difference.
            if (practice->analysis.isBest(usualMatch.hold))
                continue;
            found.push_back({practice->dealt, practice->best, line, usualMatch.hold, usualMatch.line + 1,
                             practice->analysis});
            break;
        }
    }
    return found;
}
