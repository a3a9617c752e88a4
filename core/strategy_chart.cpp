#include "core/strategy_chart.h"

#include "core/deal_classes.h"
#include "core/deal_tables.h"

#include <climits>

StrategyChart::StrategyChart(const DrawRules &rules, const std::vector<std::vector<HoldClass>> &lines)
    : m_rules(rules)
{
    for (const std::vector<HoldClass> &classes : lines) {
        for (const HoldClass &held : classes) {
            m_rankOfClass.emplace(held.key(), int(m_lineOfRank.size()));
            m_lineOfRank.push_back(int(m_lines.size()));
        }
        m_lines.push_back(ChartLine{classes, describe(classes, rules)});
    }
}

ChartMatch StrategyChart::lineFor(const Hand &dealt) const
{
    // By ascending card, of two holds of one class the larger bit set keeps the higher cards.
    const AscendingHand sorted(dealt);

    int bestRank = INT_MAX;
    unsigned bestSet = 0;
    for (unsigned set = 0; set < kHolds; ++set) {
        const std::optional<HoldClass> held = classifyHold(sorted.cards, set, m_rules);
        if (!held)
            continue;
        const auto found = m_rankOfClass.find(held->key());
        if (found != m_rankOfClass.end() && found->second <= bestRank) {
            bestRank = found->second;
            bestSet = set;
        }
    }
    ChartMatch match;
    if (bestRank == INT_MAX)
        return match;
    match.line = m_lineOfRank[bestRank];
    match.hold = sorted.dealtHold(bestSet);
    return match;
}

Fraction followChart(const StrategyChart &chart)
{
    const DealTables tables(chart.rules());
    unsigned __int128 won = 0;
    forEachDealClass([&](const Hand &hand, int weight) {
        // The hand ascends already, so the chart's positions are the tables' positions.
        won += (unsigned __int128)(weight) * quint64(tables.scaledWorths(hand)[chart.lineFor(hand).hold]);
    });
    return Fraction::reduced(won, (unsigned __int128)(kFinalHands) * quint64(chart.rules().stake));
}
