#include "core/classifier.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int kStraightLength = 5;

// How many of the five cards have `rank`. Applied to a card's own rank, the card counts too.
int cardsOfRank(const Hand &hand, int rank)
{
    int count = 0;
    for (const Card &card : hand)
        count += card.rank == rank;
    return count;
}

int highestRankHeld(const Hand &hand, int times)
{
    int best = 0;
    for (const Card &card : hand) {
        if (cardsOfRank(hand, card.rank) == times && card.rank > best)
            best = card.rank;
    }
    return best;
}

// Rank r owns the nibble at bits 4r..4r+3 of a packed count; five cards never overflow one.
constexpr quint64 kNibbleOnes = 0x1111111111111111ULL;
constexpr quint64 kNibbleLow = 0x7777777777777777ULL;

// The top bit of every nibble of `counts` that holds exactly `times`.
quint64 nibblesHolding(quint64 counts, int times)
{
    const quint64 diff = counts ^ (kNibbleOnes * quint64(times));
    return ~(((diff & kNibbleLow) + kNibbleLow) | diff | kNibbleLow);
}

int highestNibbleRank(quint64 nibbleTops)
{
    return nibbleTops ? (63 - std::countl_zero(nibbleTops)) / 4 : 0;
}

} // namespace

int QuadRank(const Hand &hand)
{
    return highestRankHeld(hand, 4);
}

int TripsRank(const Hand &hand)
{
    return highestRankHeld(hand, 3);
}

int PairRank(const Hand &hand)
{
    return highestRankHeld(hand, 2);
}

int TwoPairRank(const Hand &hand)
{
    int best = 0;
    int pairCards = 0;
    for (const Card &card : hand) {
        if (cardsOfRank(hand, card.rank) == 2) {
            best = std::max(best, card.rank);
            ++pairCards;
        }
    }
    return pairCards == 4 ? best : 0;
}

int FullHouseRank(const Hand &hand)
{
    int best = 0;
    bool pair = false;
    bool three = false;
    for (const Card &card : hand) {
        const int count = cardsOfRank(hand, card.rank);
        if (count == 2 || count == 3) {
            best = std::max(best, card.rank);
            pair = pair || count == 2;
            three = three || count == 3;
        }
    }
    return pair && three ? best : 0;
}

int FlushHighRank(const Hand &hand)
{
    int best = 0;
    bool oneSuit = false;
    for (const Card &card : hand) {
        best = std::max(best, card.rank);
        int sameSuit = 0;
        for (const Card &other : hand)
            sameSuit += other.suit == card.suit;
        oneSuit = oneSuit || sameSuit == kPositions;
    }
    return oneSuit ? best : 0;
}

int StraightHighRank(const Hand &hand)
{
    unsigned ranksPresent = 0;
    for (const Card &card : hand)
        ranksPresent |= 1U << card.rank;

    int run = 0;
    int top = 0;
    // Once the run is complete it and its top stay fixed.
    for (int rank = kLowestRank; rank <= kAce && run < kStraightLength; ++rank) {
        const bool present = ranksPresent & (1U << rank);
        if (present) {
            top = rank;
            ++run;
        } else {
            run = 0;
        }
    }
    return run == kStraightLength ? top : 0;
}

std::optional<Category> classify(const Hand &hand)
{
    // One pass packs what the seven tests count card by card: rank counts, ranks and suits present.
    quint64 counts = 0;
    unsigned ranks = 0;
    unsigned suits = 0;
    for (const Card &card : hand) {
        counts += quint64(1) << (4 * card.rank);
        ranks |= 1U << card.rank;
        suits |= 1U << card.suit;
    }
    const bool flush = std::popcount(suits) == 1;
    const bool straight = std::popcount(ranks) == kStraightLength
                          && (ranks >> std::countr_zero(ranks)) == (1U << kStraightLength) - 1;
    const int highest = 31 - std::countl_zero(ranks);
    const quint64 pairs = nibblesHolding(counts, 2);
    const quint64 threes = nibblesHolding(counts, 3);

    if (flush && straight)
        return highest == kAce ? Category::RoyalFlush : Category::StraightFlush;
    if (nibblesHolding(counts, 4))
        return Category::FourOfAKind;
    if (pairs && threes)
        return Category::FullHouse;
    if (flush)
        return Category::Flush;
    if (straight)
        return Category::Straight;
    if (threes)
        return Category::ThreeOfAKind;
    if (std::popcount(pairs) == 2)
        return Category::TwoPair;
    if (highestNibbleRank(pairs) > 10)
        return Category::OnePair;
    return std::nullopt;
}

std::optional<int> handCategory(const Hand &hand)
{
    const std::optional<Category> category = classify(hand);
    return category ? std::optional<int>(categoryIndex(*category)) : std::nullopt;
}
