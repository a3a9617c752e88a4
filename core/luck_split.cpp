#include "core/luck_split.h"

#include "core/random_source.h"

#include <algorithm>
#include <vector>

namespace {

qint64 winOf(const Hand &hand, const DrawRules &rules)
{
    const int category = rules.category(packCards(hand, kKeepAll));
    return category == kNoCategory ? 0 : rules.wins[category];
}

} // namespace

HandSplit splitHand(const Hand &dealt, unsigned kept, const Hand &final, unsigned best, const HandAnalysis &analysis,
                    const DrawRules &rules, RandomSource &random)
{
    HandSplit split;
    split.won = double(winOf(final, rules));
    split.keptExpected = analysis.holds[kept].expectedWin();
    split.bestExpected = analysis.best().expectedWin();
    split.best = analysis.isBest(kept);

    std::vector<Card> replacements;
    for (int i = 0; i < kPositions; ++i) {
        if (!(kept & (1U << i)))
            replacements.push_back(final[i]);
    }
    std::vector<Card> rest;   // the deck's cards neither dealt nor drawn
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = kLowestRank; rank <= kAce; ++rank) {
            const Card card{rank, suit};
            if (std::find(dealt.begin(), dealt.end(), card) == dealt.end()
                && std::find(replacements.begin(), replacements.end(), card) == replacements.end())
                rest.push_back(card);
        }
    }
    Hand shadow = dealt;
    size_t next = 0;
    for (int i = 0; i < kPositions; ++i) {
        if (best & (1U << i))
            continue;
        if (next < replacements.size()) {
            shadow[i] = replacements[next++];
        } else {
            const int pick = random.below(int(rest.size()));
            shadow[i] = rest[pick];
            rest.erase(rest.begin() + pick);
        }
    }
    split.shadowWon = double(winOf(shadow, rules));
    return split;
}

void RunSplit::add(const HandSplit &hand, qint64 stake)
{
    ++m_hands;
    m_errors += !hand.best;
    m_givenUpStakes += hand.givenUp() / double(stake);
    m_total.won += hand.won;
    m_total.keptExpected += hand.keptExpected;
    m_total.bestExpected += hand.bestExpected;
    m_total.shadowWon += hand.shadowWon;
    m_total.best = m_total.best && hand.best;
}
