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
// whether it is of one suit for flushes. So the holds' wins without flushes are worked out once
// per arrangement of five ranks (6,175 of them), and a deal adds what flushes change for its sets
// of cards of one suit. The tables take about 4 MB and a few milliseconds to fill.
class DealTables {
public:
    explicit DealTables(const DrawRules &rules);

    // The same as walking every hold's draws (HoldCounter); the cards in any order. A sort, 31
    // look-ups, the flush changes of the sets of one suit, and one inclusion–exclusion pass for
    // all holds together: about a microsecond, nothing allocated.
    std::array<HoldValue, kHolds> countHolds(const Hand &dealt) const;
    // Every hold's scaledWorth, of a hand whose cards ascend by rank (as forEachDealClass gives).
    std::array<qint64, kHolds> scaledWorths(const Hand &ascending) const;
    // Best play over every deal class.
    BestPlay bestPlay() const;

private:
    using Counts = std::array<qint32, kCategories + 1>;
    // Of a hand whose cards ascend: every hold's scaledWorth, and where the sets of its cards
    // (bit i: card i) are in m_rankCounts, for all but the whole hand.
    struct Subsets {
        std::array<qint64, kHolds> worths;
        const std::array<quint16, kHolds> *rankIndex;
        std::array<unsigned, kHolds> rankBits;   // bit r - 2
        std::array<unsigned, kHolds> suitBits;
        std::optional<int> whole;   // the category of the five cards
    };
    // One arrangement of five ranks, ascending, for all hands with those ranks.
    struct RankArrangement {
        std::array<quint16, kHolds> rankIndex{};
        std::array<qint64, kHolds> wins{};   // of every hold, as if no flush could be made
        int category = kNoCategory;          // of the five cards, were they of two suits or more
    };
    Subsets subsets(const Hand &ascending) const;
    const RankArrangement &arrangementOf(const Hand &ascending) const;
    // Adds what flushes change to the wins of every hold, as if no flush could be made, and
    // scales them to worths.
    void addFlushes(const Hand &ascending, std::array<qint64, kHolds> &wins) const;
    void addRankPattern(const std::array<int, 13> &pattern);
    void addFlushRanks(unsigned rankBits);
    void addArrangement(const std::array<int, 13> &pattern);

    DrawRules m_rules;
    std::vector<quint16> m_index;          // rank multiset code -> index of the two below
    std::vector<Counts> m_rankCounts;      // hands containing a multiset of ranks, as if no flush
    std::vector<qint64> m_rankWins;        // their wins together
    std::vector<Counts> m_flushCounts;     // by the rank bit set of cards of one suit: what flushes change
    std::vector<qint64> m_flushWins;
    std::vector<quint16> m_arrangementIndex;       // five-rank code -> m_arrangements
    std::vector<RankArrangement> m_arrangements;
};

// Best play over every deal through DealTables: a few tens of milliseconds.
BestPlay bestPlay(const DrawRules &rules);
