#include "core/draw_rules.h"

#include <bit>

namespace {

constexpr quint64 kNibbleOnes = 0x1111111111111111ULL;
constexpr quint64 kNibbleLow = 0x7777777777777777ULL;
constexpr unsigned kRoyalRun = 0x1F00;   // ten to ace

// The top bit of every nibble of `counts` that holds exactly `times`.
constexpr quint64 nibblesHolding(quint64 counts, int times)
{
    const quint64 diff = counts ^ (kNibbleOnes * quint64(times));
    return ~(((diff & kNibbleLow) + kNibbleLow) | diff | kNibbleLow);
}

// The top bits of the nibbles of A, 2, 3, 4 and 5.
constexpr quint64 kWheelTops = 1ULL << (4 * kAce + 3) | 1ULL << 11 | 1ULL << 15 | 1ULL << 19 | 1ULL << 23;

// Runs by their lowest rank, two to ten, then the wheel, which counts only under its rule.
constexpr std::array<unsigned, 10> kRuns{0x1F, 0x3E, 0x7C, 0xF8, 0x1F0, 0x3E0, 0x7C0, 0xF80, kRoyalRun, 0x100F};

} // namespace

const std::array<unsigned, 10> &DrawRules::straightRuns() const
{
    return kRuns;
}

int DrawRules::runsContaining(unsigned rankBits) const
{
    int runs = 0;
    for (int i = 0; i < straightRunCount(); ++i)
        runs += (rankBits & ~kRuns[i]) == 0;
    return runs;
}

int DrawRules::rankCategory(quint64 nibbleCounts) const
{
    if (nibblesHolding(nibbleCounts, 4))
        return categoryIndex(Category::FourOfAKind);
    const quint64 threes = nibblesHolding(nibbleCounts, 3);
    const quint64 pairs = nibblesHolding(nibbleCounts, 2);
    if (threes)
        return categoryIndex(pairs ? Category::FullHouse : Category::ThreeOfAKind);
    if (pairs) {
        if (std::popcount(pairs) == 2)
            return categoryIndex(Category::TwoPair);
        return (63 - std::countl_zero(pairs)) / 4 >= lowestPayingPair ? categoryIndex(Category::OnePair) : kNoCategory;
    }
    // Five single ranks in a row: their nibbles' top bits, shifted down, are 0x11111.
    const quint64 singles = nibblesHolding(nibbleCounts, 1);
    const bool run = singles && singles >> std::countr_zero(singles) == 0x11111;
    return run || (wheelIsStraight && singles == kWheelTops) ? categoryIndex(Category::Straight) : kNoCategory;
}

int DrawRules::oneSuitCategory(unsigned rankBits) const
{
    if (rankBits == kRoyalRun)
        return categoryIndex(Category::RoyalFlush);
    return categoryIndex(runsContaining(rankBits) ? Category::StraightFlush : Category::Flush);
}

PackedCards packCards(const Hand &hand, unsigned set)
{
    PackedCards packed;
    for (int i = 0; i < kPositions; ++i) {
        if (set & (1U << i)) {
            packed.nibbles += quint64(1) << (4 * hand[i].rank);
            packed.ranks |= 1U << (hand[i].rank - kLowestRank);
            packed.suits |= 1U << hand[i].suit;
        }
    }
    return packed;
}

int DrawRules::category(const PackedCards &five) const
{
    return std::popcount(five.suits) == 1 ? oneSuitCategory(five.ranks) : rankCategory(five.nibbles);
}

DrawRules gameRules(const Payoff &payoff, int units)
{
    DrawRules rules;
    for (int category = 0; category < kCategories; ++category)
        rules.wins[category] = payoff.winFor(category, units);
    rules.stake = payoff.winFor(0, units);
    return rules;
}
