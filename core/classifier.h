#pragma once

#include "core/card.h"
#include "records/category.h"

#include <QString>
#include <optional>

// The seven tests of a five-card hand. Each returns a rank (2..14) when the hand has the
// property and 0 when it has not; they depend on the five cards only, never on their order.

// The rank held four times.
int QuadRank(const Hand &hand);
// The highest rank held exactly three times.
int TripsRank(const Hand &hand);
// The highest rank held exactly twice.
int PairRank(const Hand &hand);
// With two different pairs, the higher pair's rank; a full house or four of a kind is no two pair.
int TwoPairRank(const Hand &hand);
// With one rank held exactly three times and another exactly twice, the higher of the two ranks.
int FullHouseRank(const Hand &hand);
// With all five cards of one suit, the highest rank of the hand.
int FlushHighRank(const Hand &hand);
// With five consecutive ranks, the highest of them. The ace is only high: A-2-3-4-5 is no straight.
int StraightHighRank(const Hand &hand);

// The best paying category that the hand forms, or nullopt when it forms none. Agrees with the
// seven tests applied in the order royal, straight flush, four, full house, flush, straight,
// three, two pair, pair above 10.
std::optional<Category> classify(const Hand &hand);
// The same as a category index, for tables of counts by index.
std::optional<int> handCategory(const Hand &hand);
