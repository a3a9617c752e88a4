#include "core/hold_analysis.h"

#include "core/best_play.h"
#include "core/deal_tables.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <mutex>
#include <numeric>

// Counting works by ranks first and suits second. Ignoring suits, a final hand's category
// depends only on how often each rank appears, so the draws of one hold are walked as rank
// patterns (how many cards of each rank are drawn), each standing for the product of
// binomials of the unseen cards of those ranks. Only a flush needs suits: a draw completing
// five cards of one suit has five different ranks, so it was counted as a straight or as
// nothing, and is moved to flush, straight flush or royal flush afterwards.

namespace {

constexpr int kUnseen = 47;

struct Binomials {
    std::array<std::array<qint64, kUnseen + 1>, kUnseen + 1> c{};
    constexpr Binomials()
    {
        for (int n = 0; n <= kUnseen; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= n; ++k)
                c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
        }
    }
};
constexpr Binomials kBinomial;

struct Walk {
    const DrawRules &rules;
    std::array<int, kAce + 1> unseen{};   // unseen cards of each rank
    CategoryCounts *counts = nullptr;

    void draw(int rank, int left, qint64 ways, quint64 packed) const
    {
        if (left == 0) {
            (*counts)[rules.rankCategory(packed)] += ways;
            return;
        }
        for (; rank <= kAce; ++rank) {
            const int available = unseen[rank];
            if (available == 0)
                continue;
            const int most = std::min(available, left);
            for (int taken = 1; taken <= most; ++taken)
                draw(rank + 1, left - taken, ways * kBinomial.c[available][taken],
                     packed + (quint64(taken) << (4 * rank)));
        }
    }
};

} // namespace

int compareWorth(const HoldValue &a, const HoldValue &b)
{
    const __int128 left = __int128(a.totalWin) * b.draws;
    const __int128 right = __int128(b.totalWin) * a.draws;
    return left < right ? -1 : left > right ? 1 : 0;
}

std::array<unsigned, kHolds> holdsBestFirst(const HandAnalysis &analysis)
{
    std::array<unsigned, kHolds> order;
    std::iota(order.begin(), order.end(), 0U);
    std::stable_sort(order.begin(), order.end(), [&](unsigned a, unsigned b) {
        return compareWorth(analysis.holds[a], analysis.holds[b]) > 0;
    });
    return order;
}

bool HandAnalysis::isBest(unsigned hold) const
{
    return compareWorth(holds[hold], best()) == 0;
}

double HandAnalysis::gaveUp(unsigned hold) const
{
    const HoldValue &chosen = holds[hold];
    const HoldValue &top = best();
    const __int128 numerator = __int128(top.totalWin) * chosen.draws - __int128(chosen.totalWin) * top.draws;
    return double(numerator) / (double(top.draws) * double(chosen.draws));
}

namespace {

// The counts of every hold as if no draw made a flush: they depend only on the rank at each
// position.
std::array<HoldValue, kHolds> countRanks(const Hand &dealt, const DrawRules &rules)
{
    Walk walk{rules};
    walk.unseen.fill(4);
    for (const Card &card : dealt)
        --walk.unseen[card.rank];

    std::array<HoldValue, kHolds> result;
    for (unsigned hold = 0; hold < kHolds; ++hold) {
        HoldValue &value = result[hold];
        const quint64 packed = packCards(dealt, hold).nibbles;
        const int exchanged = kPositions - std::popcount(hold);
        value.draws = kBinomial.c[kUnseen][exchanged];
        walk.counts = &value.counts;
        walk.draw(kLowestRank, exchanged, 1, packed);
    }
    return result;
}

// Moves the draws that complete five cards of one suit from straight or nothing to straight
// flush, royal flush or flush. Such a draw has five different ranks; of all the ways to draw
// the missing ranks of a suit, only the ones filling a run of five are straights.
void addFlushes(const Hand &dealt, const DrawRules &rules, std::array<HoldValue, kHolds> &holds)
{
    std::array<unsigned, 4> unseenOfSuit{};   // rank sets, bit r - 2
    unseenOfSuit.fill((1U << kRanks) - 1);
    for (const Card &card : dealt)
        unseenOfSuit[card.suit] &= ~(1U << (card.rank - kLowestRank));

    for (unsigned hold = 0; hold < kHolds; ++hold) {
        const PackedCards held = packCards(dealt, hold);
        const unsigned heldRanks = held.ranks;
        const unsigned heldSuits = held.suits;
        if (std::popcount(heldSuits) > 1)
            continue;
        const int exchanged = kPositions - std::popcount(hold);
        CategoryCounts &counts = holds[hold].counts;
        for (int suit = 0; suit < 4; ++suit) {
            if (heldSuits && heldSuits != 1U << suit)
                continue;
            const unsigned available = unseenOfSuit[suit];
            qint64 straights = 0;
            for (int i = 0; i < rules.straightRunCount(); ++i) {
                const unsigned run = rules.straightRuns()[i];
                if ((heldRanks & ~run) || ((run & ~heldRanks) & ~available))
                    continue;
                ++straights;
                ++counts[rules.oneSuitCategory(run)];
            }
            counts[categoryIndex(Category::Straight)] -= straights;
            const qint64 flushes = kBinomial.c[std::popcount(available)][exchanged] - straights;
            counts[kNoCategory] -= flushes;
            counts[categoryIndex(Category::Flush)] += flushes;
        }
    }
}

} // namespace

namespace {

// Which draws form which category depends on the lowest paying pair and the wheel alone, never
// on the wins: one set of tables for each such rule, made at its first use (a few milliseconds,
// about 4 MB) and kept for the program's life, shared by every thread.
const DealTables &countingTables(const DrawRules &rules)
{
    constexpr int kPairRanks = kAce - kLowestRank + 1;
    static std::array<std::once_flag, 2 * kPairRanks> made;
    static std::array<std::unique_ptr<const DealTables>, 2 * kPairRanks> tables;
    const int slot = 2 * (rules.lowestPayingPair - kLowestRank) + int(rules.wheelIsStraight);
    std::call_once(made[slot], [&] {
        DrawRules counting;
        counting.lowestPayingPair = rules.lowestPayingPair;
        counting.wheelIsStraight = rules.wheelIsStraight;
        tables[slot] = std::make_unique<const DealTables>(counting);
    });
    return *tables[slot];
}

} // namespace

std::array<HoldValue, kHolds> countHolds(const Hand &dealt, const DrawRules &rules)
{
    return countingTables(rules).countHolds(dealt);
}

std::array<HoldValue, kHolds> HoldCounter::count(const Hand &dealt)
{
    quint32 ranks = 0;
    for (const Card &card : dealt)
        ranks = ranks << 4 | quint32(card.rank);
    auto known = m_rankCounts.find(ranks);
    if (known == m_rankCounts.end())
        known = m_rankCounts.emplace(ranks, countRanks(dealt, m_rules)).first;
    std::array<HoldValue, kHolds> holds = known->second;
    addFlushes(dealt, m_rules, holds);
    return holds;
}

HandAnalysis analyseHand(const Hand &dealt, const DrawRules &rules)
{
    return analyseCounts(countHolds(dealt, rules), rules);
}

HandAnalysis analyseHand(const Hand &dealt, const Payoff &payoff, int units)
{
    return analyseHand(dealt, gameRules(payoff, units));
}

HandAnalysis analyseCounts(const std::array<HoldValue, kHolds> &counts, const DrawRules &rules)
{
    HandAnalysis analysis;
    analysis.holds = counts;
    for (HoldValue &value : analysis.holds) {
        for (int category = 0; category < kCategories; ++category)
            value.totalWin += value.counts[category] * rules.wins[category];
    }
    // On one denominator every worth is a whole number, compared exactly.
    std::array<qint64, kHolds> worths;
    for (unsigned hold = 0; hold < kHolds; ++hold)
        worths[hold] = scaledWorth(analysis.holds[hold]);
    const qint64 top = *std::max_element(worths.begin(), worths.end());
    for (unsigned hold = 0; hold < kHolds; ++hold) {
        if (worths[hold] == top)
            analysis.bestHolds.push_back(hold);
    }
    return analysis;
}
