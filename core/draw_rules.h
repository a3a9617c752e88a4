#pragma once

#include "core/card.h"
#include "core/payoff.h"

#include <QtGlobal>
#include <array>

// The index of a final hand that forms no category, after the nine categories.
constexpr int kNoCategory = kCategories;
// Counts of final hands by category, the last one for hands in none.
using CategoryCounts = std::array<qint64, kCategories + 1>;

// Some of a hand's cards in the form the rules test: how often each rank appears (rank r at
// bits 4r..4r+3), the ranks present (bit r - 2) and the suits present (bit s).
struct PackedCards {
    quint64 nibbles = 0;
    unsigned ranks = 0;
    unsigned suits = 0;
};
// The cards of `hand` at the positions in `set` (bit i: card i).
PackedCards packCards(const Hand &hand, unsigned set);

// The largest win per category for which every sum of the analyses stays exact in 64 bits.
constexpr qint64 kMostWin = 1'000'000'000;

// The rules a draw-poker table is analysed under: what each category wins and which hands form
// one. Wins may be in any unit (stakes, credits); the analysis multiplies counts by them.
struct DrawRules {
    std::array<qint64, kCategories> wins{};   // by category, One Pair first; 0..kMostWin
    qint64 stake = 1;                          // what one hand costs, in the wins' unit
    int lowestPayingPair = 11;                 // a pair of this rank or higher is One Pair
    bool wheelIsStraight = false;              // A-2-3-4-5 counts as a straight (flush)

    qint64 winOf(Category category) const { return wins[categoryIndex(category)]; }

    // The category of five cards of at least two suits, from their rank counts (rank r at bits
    // 4r..4r+3 of `nibbleCounts`); kNoCategory when they form none.
    int rankCategory(quint64 nibbleCounts) const;
    // The category of five cards of one suit with the ranks `rankBits` (bit r - 2).
    int oneSuitCategory(unsigned rankBits) const;
    // The category of five cards; kNoCategory when they form none.
    int category(const PackedCards &five) const;
    // Every run of five ranks that makes a straight, as rank bit sets, the ace-high run last.
    const std::array<unsigned, 10> &straightRuns() const;
    int straightRunCount() const { return wheelIsStraight ? 10 : 9; }
    // Whether `rankBits` (bit r - 2) lie together in at least one straight run, and in how many.
    int runsContaining(unsigned rankBits) const;
};

// This game's table and rules; wins in credits at a stake of `units` bet units.
DrawRules gameRules(const Payoff &payoff, int units);
