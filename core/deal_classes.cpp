#include "core/deal_classes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

// A class is a multiset of four rank sets, one a suit. Taking the sets in descending order
// (as 13-bit numbers) names each class once; its deals are the 24 relabellings of the suits
// divided by the relabellings that swap equal sets.

namespace {

constexpr int kSuits = 4;

struct Enumeration {
    std::array<std::vector<unsigned>, kPositions + 1> setsOfSize;   // ascending
    std::array<unsigned, kSuits> sets{};
    const std::function<void(const Hand &, int)> &visit;

    explicit Enumeration(const std::function<void(const Hand &, int)> &visitor) : visit(visitor)
    {
        for (unsigned set = 0; set < 1U << kRanks; ++set) {
            if (std::popcount(set) <= kPositions)
                setsOfSize[std::popcount(set)].push_back(set);
        }
    }

    void choose(int suit, int cardsLeft, unsigned atMost)
    {
        if (suit == kSuits - 1) {
            for (unsigned set : setsOfSize[cardsLeft]) {
                if (set > atMost)
                    break;
                sets[suit] = set;
                visitClass();
            }
            return;
        }
        for (int size = 0; size <= cardsLeft; ++size) {
            for (unsigned set : setsOfSize[size]) {
                if (set > atMost)
                    break;
                sets[suit] = set;
                choose(suit + 1, cardsLeft - size, set);
            }
        }
    }

    void visitClass() const
    {
        Hand hand;
        int next = 0;
        for (unsigned ranks = sets[0] | sets[1] | sets[2] | sets[3]; ranks; ranks &= ranks - 1) {
            const int rank = std::countr_zero(ranks);
            for (int suit = 0; suit < kSuits; ++suit) {
                if (sets[suit] & (1U << rank))
                    hand[next++] = Card{kLowestRank + rank, suit};
            }
        }
        int weight = 24;
        for (int suit = 1, run = 1; suit < kSuits; ++suit) {
            run = sets[suit] == sets[suit - 1] ? run + 1 : 1;
            weight /= run;
        }
        visit(hand, weight);
    }
};

} // namespace

AscendingHand::AscendingHand(const Hand &dealt)
{
    for (int i = 0; i < kPositions; ++i)
        dealtPosition[i] = i;
    std::sort(dealtPosition.begin(), dealtPosition.end(), [&](int a, int b) {
        return dealt[a].rank != dealt[b].rank ? dealt[a].rank < dealt[b].rank : dealt[a].suit < dealt[b].suit;
    });
    for (int i = 0; i < kPositions; ++i)
        cards[i] = dealt[dealtPosition[i]];
}

unsigned AscendingHand::dealtHold(unsigned set) const
{
    unsigned hold = 0;
    for (int i = 0; i < kPositions; ++i) {
        if (set & (1U << i))
            hold |= 1U << dealtPosition[i];
    }
    return hold;
}

void forEachDealClass(const std::function<void(const Hand &, int)> &visit)
{
    Enumeration enumeration(visit);
    enumeration.choose(0, kPositions, (1U << kRanks) - 1);
}
