#pragma once

#include "core/card.h"
#include "core/draw_rules.h"
#include "core/payoff.h"

#include <QtGlobal>
#include <array>
#include <unordered_map>
#include <vector>

// The exact worth of every way to play one dealt hand: for each of the 32 holds, how many of the
// possible draws from the 47 unseen cards end in each category, counted, never sampled.
// A hold is a bit set: bit p - 1 keeps position p.
constexpr int kHolds = 1 << kPositions;
constexpr unsigned kKeepAll = kHolds - 1;

struct HoldValue {
    CategoryCounts counts{};   // by category; the last one: hands in none
    qint64 draws = 0;          // how many draws this hold allows, C(47, cards exchanged)
    qint64 totalWin = 0;       // the wins of all those draws together, in the rules' unit

    double expectedWin() const { return double(totalWin) / double(draws); }
};

// Compares two expected wins exactly: negative, zero or positive as a is worth less, as much or more.
int compareWorth(const HoldValue &a, const HoldValue &b);

struct HandAnalysis {
    std::array<HoldValue, kHolds> holds;
    std::vector<unsigned> bestHolds;   // every hold worth the most, in ascending bit order

    const HoldValue &best() const { return holds[bestHolds.front()]; }
    bool isBest(unsigned hold) const;
    // What choosing `hold` lost against the best, on average; 0 for a best hold.
    double gaveUp(unsigned hold) const;
};

// Every hold, the one worth most first; holds worth the same in ascending bit order.
std::array<unsigned, kHolds> holdsBestFirst(const HandAnalysis &analysis);

// Counts the categories of every hold and attaches the rules' wins: one hand in about a
// microsecond, from tables made once per program for each lowest paying pair and wheel rule.
HandAnalysis analyseHand(const Hand &dealt, const DrawRules &rules);
// The game's table, wins in credits at `units` bet units.
HandAnalysis analyseHand(const Hand &dealt, const Payoff &payoff, int units);
// The same from counts already made (by countHolds, a HoldCounter or DealTables).
HandAnalysis analyseCounts(const std::array<HoldValue, kHolds> &counts, const DrawRules &rules);
// The counts alone, before any win is attached (index = hold).
std::array<HoldValue, kHolds> countHolds(const Hand &dealt, const DrawRules &rules);

// countHolds the independent way, without tables: walking the draws of each hold as rank
// patterns, then correcting for flushes. For many hands it walks each arrangement of ranks once
// (hands with the same rank at each position differ only in their flushes) and keeps it.
class HoldCounter {
public:
    explicit HoldCounter(const DrawRules &rules) : m_rules(rules) {}
    std::array<HoldValue, kHolds> count(const Hand &dealt);

private:
    DrawRules m_rules;
    std::unordered_map<quint32, std::array<HoldValue, kHolds>> m_rankCounts;   // key: the five ranks
};
