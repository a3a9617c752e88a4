#pragma once

#include "core/best_play.h"
#include "core/draw_rules.h"
#include "core/hold_analysis.h"

#include <array>
#include <optional>
#include <vector>

// For one set of rules, how many of all 2,598,960 hands contain a given set of up to four cards,
// by category. The draws of a hold are the hands that contain the held cards and none of the
// others dealt, so inclusion–exclusion over the dealt cards gives all 32 holds from 32 looked-up
// sets. A set's count depends on its ranks alone (apart from flushes), and on its ranks and
// whether it is of one suit for flushes, so the tables are small (under 0.5 MB) and take a
// millisecond or two to fill.
class DealTables {
public:
    explicit DealTables(const DrawRules &rules);

    // The same as countHolds(dealt, rules); the cards in any order.
    std::array<HoldValue, kHolds> countHolds(const Hand &dealt) const;
    // Every hold's scaledWorth, of a hand whose cards ascend by rank (as forEachDealClass gives).
    std::array<qint64, kHolds> scaledWorths(const Hand &ascending) const;
    // One hold of such a hand, counted by category.
    HoldValue holdValue(const Hand &ascending, unsigned hold) const;
    // Best play over every deal class.
    BestPlay bestPlay() const;

private:
    using Counts = std::array<qint32, kCategories + 1>;
    // For every subset of a hand's cards (bit i: card i), where its hands are in the tables.
    struct Subsets {
        std::array<quint16, kHolds> rankIndex;    // in m_rankCounts; not for the whole hand
        std::array<unsigned, kHolds> rankBits;
        std::array<unsigned, kHolds> suitBits;
        std::array<qint64, kHolds> worths;        // every hold's scaledWorth
        std::optional<int> whole;                 // the category of the five cards
    };
    Subsets subsets(const Hand &ascending) const;
    // The hands containing the cards `set` (bit i: card i of `ascending`) of a hand, by category.
    Counts containing(const Hand &ascending, unsigned set) const;
    // The category of the five cards themselves.
    std::optional<int> wholeHandCategory(const Hand &hand) const;
    void addRankPattern(const std::array<int, 13> &pattern);
    void addFlushRanks(unsigned rankBits);

    DrawRules m_rules;
    std::vector<quint16> m_index;          // rank multiset code -> index of the two below
    std::vector<Counts> m_rankCounts;      // hands containing a multiset of ranks, as if no flush
    std::vector<qint64> m_rankWins;        // their wins together
    std::vector<Counts> m_flushCounts;     // by the rank bit set of cards of one suit: what flushes change
    std::vector<qint64> m_flushWins;
};

// Best play over every deal through DealTables: a few tens of milliseconds.
BestPlay bestPlay(const DrawRules &rules);
