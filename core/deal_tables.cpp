#include "core/deal_tables.h"

#include "core/deal_classes.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace {

constexpr int kSuits = 4;
constexpr int kCodeBase = kRanks + 1;   // a multiset's code: its ascending ranks as digits 1..13
constexpr int kCodes = kCodeBase * kCodeBase * kCodeBase * kCodeBase;
constexpr quint16 kNoIndex = 0xFFFF;
constexpr int kRankMultisets = 1 + 13 + 91 + 455 + 1820;   // of up to four ranks
constexpr int kRankPatterns = 6175;                         // of five ranks, none five times
constexpr std::array<qint64, kPositions + 1> kDraws{1, 47, 1081, 16215, 178365, 1533939};   // C(47, k)

constexpr qint64 choose(int n, int k)
{
    qint64 result = 1;
    for (int i = 0; i < k; ++i)
        result = result * (n - i) / (i + 1);
    return result;
}

// Per set of positions: the highest one, whether it has an odd number of them, and what one
// draw of that hold is worth in kWorthScale parts.
struct SetFacts {
    std::array<int, kHolds> top{};
    std::array<bool, kHolds> odd{};
    std::array<qint64, kHolds> scale{};
    constexpr SetFacts()
    {
        for (unsigned set = 1; set < kHolds; ++set)
            top[set] = std::bit_width(set) - 1;
        for (unsigned set = 0; set < kHolds; ++set) {
            odd[set] = std::popcount(set) % 2;
            scale[set] = kWorthScale / kDraws[kPositions - std::popcount(set)];
        }
    }
};
constexpr SetFacts kSet;

bool oneSuit(unsigned suitBits)
{
    return (suitBits & (suitBits - 1)) == 0;
}

// The code of five ranks given as their digits, ascending.
int fiveCode(const std::array<int, kPositions> &digit)
{
    int code = 0;
    for (int value : digit)
        code = code * kCodeBase + value;
    return code;
}

// Calls `visit(counts)` for every multiset of five ranks, none more than four times.
void forEachRankPattern(const std::function<void(const std::array<int, kRanks> &)> &visit)
{
    std::array<int, kRanks> counts{};
    auto patterns = [&](auto &self, int rank, int left) -> void {
        if (left == 0) {
            visit(counts);
            return;
        }
        if (rank == kRanks)
            return;
        for (int taken = std::min(left, kSuits); taken >= 0; --taken) {
            counts[rank] = taken;
            self(self, rank + 1, left - taken);
        }
        counts[rank] = 0;
    };
    patterns(patterns, 0, kPositions);
}

// From "the hands containing the set" to "the hands meeting the dealt cards in exactly the set":
// the draws of that hold.
void subtract(qint64 &from, qint64 value)
{
    from -= value;
}

void subtract(CategoryCounts &from, const CategoryCounts &value)
{
    for (int category = 0; category <= kCategories; ++category)
        from[category] -= value[category];
}

template<typename Value>
void keepExactly(std::array<Value, kHolds> &ofSets)
{
    for (unsigned bit = 1; bit < kHolds; bit <<= 1) {
        for (unsigned block = 0; block < kHolds; block += 2 * bit) {
            for (unsigned set = block; set < block + bit; ++set)
                subtract(ofSets[set], ofSets[set | bit]);
        }
    }
}

} // namespace

DealTables::DealTables(const DrawRules &rules)
    : m_rules(rules), m_index(kCodes, kNoIndex), m_flushCounts(1U << kRanks),
      m_arrangementIndex(kCodes * kCodeBase, kNoIndex)
{
    m_rankCounts.reserve(kRankMultisets);
    m_arrangements.reserve(kRankPatterns);
    forEachRankPattern([this](const std::array<int, kRanks> &pattern) { addRankPattern(pattern); });
    for (unsigned ranks = 0; ranks < 1U << kRanks; ++ranks) {
        if (std::popcount(ranks) == kPositions)
            addFlushRanks(ranks);
    }

    auto wins = [&](const Counts &counts) {
        qint64 win = 0;
        for (int category = 0; category < kCategories; ++category)
            win += counts[category] * rules.wins[category];
        return win;
    };
    std::transform(m_rankCounts.begin(), m_rankCounts.end(), std::back_inserter(m_rankWins), wins);
    std::transform(m_flushCounts.begin(), m_flushCounts.end(), std::back_inserter(m_flushWins), wins);
    forEachRankPattern([this](const std::array<int, kRanks> &pattern) { addArrangement(pattern); });
}

// The wins of every hold of five cards with these ranks, as if no flush could be made.
void DealTables::addArrangement(const std::array<int, kRanks> &pattern)
{
    std::array<int, kPositions> digit{};   // the ranks, ascending, as code digits
    quint64 nibbles = 0;
    for (int rank = 0, next = 0; rank < kRanks; ++rank) {
        for (int i = 0; i < pattern[rank]; ++i)
            digit[next++] = rank + 1;
        nibbles += quint64(pattern[rank]) << (4 * (rank + kLowestRank));
    }
    RankArrangement arrangement;
    std::array<int, kHolds> codes{};
    arrangement.rankIndex[0] = m_index[0];
    arrangement.wins[0] = m_rankWins[m_index[0]] + kSuits * m_flushWins[0];
    for (unsigned set = 1; set < kKeepAll; ++set) {
        const int top = kSet.top[set];
        codes[set] = codes[set & ~(1U << top)] * kCodeBase + digit[top];
        arrangement.rankIndex[set] = m_index[codes[set]];
        arrangement.wins[set] = m_rankWins[arrangement.rankIndex[set]];
    }
    arrangement.category = m_rules.rankCategory(nibbles);
    arrangement.wins[kKeepAll] = arrangement.category == kNoCategory ? 0 : m_rules.wins[arrangement.category];
    keepExactly(arrangement.wins);

    m_arrangementIndex[fiveCode(digit)] = quint16(m_arrangements.size());
    m_arrangements.push_back(arrangement);
}

// Adds the hands of one multiset of five ranks, all of them of at least two suits, to every
// multiset of up to four ranks within it: C(4 - held, more) ways for each rank.
void DealTables::addRankPattern(const std::array<int, kRanks> &pattern)
{
    quint64 nibbles = 0;
    std::array<int, kPositions> ranks{};   // the distinct ranks, ascending
    int distinct = 0;
    for (int rank = 0; rank < kRanks; ++rank) {
        nibbles += quint64(pattern[rank]) << (4 * (rank + kLowestRank));
        if (pattern[rank])
            ranks[distinct++] = rank;
    }
    const int category = m_rules.rankCategory(nibbles);

    auto within = [&](auto &self, int i, int size, int code, qint64 ways) -> void {
        if (i == distinct) {
            if (size == kPositions)
                return;
            quint16 &index = m_index[code];
            if (index == kNoIndex) {
                index = quint16(m_rankCounts.size());
                m_rankCounts.emplace_back();
            }
            m_rankCounts[index][category] += ways;
            return;
        }
        const int available = pattern[ranks[i]];
        for (int held = 0; held <= available; ++held, code = code * kCodeBase + ranks[i] + 1)
            self(self, i + 1, size + held, code, ways * choose(kSuits - held, available - held));
    };
    within(within, 0, 0, 0, 1);
}

// The hands of five ranks in one suit were counted by their ranks as a straight or as none;
// every subset of those ranks moves one such hand to its category.
void DealTables::addFlushRanks(unsigned rankBits)
{
    quint64 nibbles = 0;
    for (unsigned rest = rankBits; rest; rest &= rest - 1)
        nibbles += quint64(1) << (4 * (std::countr_zero(rest) + kLowestRank));
    const int asRanks = m_rules.rankCategory(nibbles);
    const int asFlush = m_rules.oneSuitCategory(rankBits);
    for (unsigned subset = rankBits;; subset = (subset - 1) & rankBits) {
        --m_flushCounts[subset][asRanks];
        ++m_flushCounts[subset][asFlush];
        if (subset == 0)
            break;
    }
}

const DealTables::RankArrangement &DealTables::arrangementOf(const Hand &ascending) const
{
    std::array<int, kPositions> digit;
    for (int i = 0; i < kPositions; ++i)
        digit[i] = ascending[i].rank - 1;
    return m_arrangements[m_arrangementIndex[fiveCode(digit)]];
}

DealTables::Subsets DealTables::subsets(const Hand &ascending) const
{
    const RankArrangement &arrangement = arrangementOf(ascending);
    Subsets sets;
    sets.rankIndex = &arrangement.rankIndex;
    sets.worths = arrangement.wins;
    // Ranks in bits 0..12 and suits from bit 16 of each set, built from the set without its top card.
    std::array<unsigned, kPositions> cardBits;
    for (int i = 0; i < kPositions; ++i)
        cardBits[i] = 1U << (ascending[i].rank - kLowestRank) | 1U << (16 + ascending[i].suit);
    std::array<unsigned, kHolds> bits;
    bits[0] = 0;
    for (unsigned set = 1; set < kHolds; ++set)
        bits[set] = bits[set & ~(1U << kSet.top[set])] | cardBits[kSet.top[set]];
    for (unsigned set = 0; set < kHolds; ++set) {
        sets.rankBits[set] = bits[set] & 0xFFFF;
        sets.suitBits[set] = bits[set] >> 16;
    }

    addFlushes(ascending, sets.worths);
    const int whole = oneSuit(sets.suitBits[kKeepAll]) ? m_rules.oneSuitCategory(sets.rankBits[kKeepAll])
                                                       : arrangement.category;
    sets.whole = whole == kNoCategory ? std::nullopt : std::optional<int>(whole);
    return sets;
}

// Every set of cards of one suit adds what flushes change to the hands containing it, and so to
// each hold within it, with the sign of inclusion–exclusion; then each hold's wins become its worth.
void DealTables::addFlushes(const Hand &ascending, std::array<qint64, kHolds> &wins) const
{
    std::array<unsigned, kSuits> ofSuit{};
    for (int i = 0; i < kPositions; ++i)
        ofSuit[ascending[i].suit] |= 1U << i;
    std::array<unsigned, kHolds> rankBits;   // bit r - 2, of the sets of one suit
    rankBits[0] = 0;
    for (unsigned cards : ofSuit) {
        // The sets of these cards in ascending order, so each comes after itself without its
        // lowest card.
        for (unsigned set = cards & (0U - cards); set; set = (set - cards) & cards) {
            rankBits[set] = rankBits[set & (set - 1)] | 1U << (ascending[std::countr_zero(set)].rank - kLowestRank);
            const qint64 change = m_flushWins[rankBits[set]];
            for (unsigned hold = set;; hold = (hold - 1) & set) {
                wins[hold] += kSet.odd[set ^ hold] ? -change : change;
                if (hold == 0)
                    break;
            }
        }
    }
    for (unsigned hold = 0; hold < kHolds; ++hold)
        wins[hold] *= kSet.scale[hold];
}

std::array<qint64, kHolds> DealTables::scaledWorths(const Hand &ascending) const
{
    std::array<qint64, kHolds> worths = arrangementOf(ascending).wins;
    addFlushes(ascending, worths);
    return worths;
}

std::array<HoldValue, kHolds> DealTables::countHolds(const Hand &dealt) const
{
    const AscendingHand sorted(dealt);
    const Hand &cards = sorted.cards;
    const RankArrangement &arrangement = arrangementOf(cards);

    // The hands containing each set of the cards (bit i: card i), by category; the whole hand
    // is contained in itself alone.
    std::array<CategoryCounts, kHolds> sets;
    for (unsigned set = 0; set < kKeepAll; ++set) {
        const Counts &counts = m_rankCounts[arrangement.rankIndex[set]];
        std::copy(counts.begin(), counts.end(), sets[set].begin());
    }
    std::array<unsigned, kHolds> rankBits;   // bit r - 2
    rankBits[0] = 0;
    for (unsigned set = 1; set < kHolds; ++set)
        rankBits[set] = rankBits[set & ~(1U << kSet.top[set])] | 1U << (cards[kSet.top[set]].rank - kLowestRank);
    for (int category = 0; category <= kCategories; ++category)
        sets[0][category] += kSuits * m_flushCounts[0][category];
    bool oneSuitHand = false;
    for (int suit = 0; suit < kSuits; ++suit) {
        unsigned ofSuit = 0;
        for (int i = 0; i < kPositions; ++i)
            ofSuit |= unsigned(cards[i].suit == suit) << i;
        oneSuitHand |= ofSuit == kKeepAll;
        for (unsigned set = ofSuit; set; set = (set - 1) & ofSuit) {
            if (set == kKeepAll)
                continue;
            const Counts &change = m_flushCounts[rankBits[set]];
            for (int category = 0; category <= kCategories; ++category)
                sets[set][category] += change[category];
        }
    }
    sets[kKeepAll].fill(0);
    ++sets[kKeepAll][oneSuitHand ? m_rules.oneSuitCategory(rankBits[kKeepAll]) : arrangement.category];
    keepExactly(sets);

    std::array<unsigned, kPositions> position;
    for (int i = 0; i < kPositions; ++i)
        position[i] = 1U << sorted.dealtPosition[i];
    std::array<unsigned, kHolds> dealtHold;
    dealtHold[0] = 0;
    std::array<HoldValue, kHolds> holds;
    for (unsigned set = 0; set < kHolds; ++set) {
        if (set)
            dealtHold[set] = dealtHold[set & ~(1U << kSet.top[set])] | position[kSet.top[set]];
        HoldValue &value = holds[dealtHold[set]];
        value.counts = sets[set];
        value.draws = kDraws[kPositions - std::popcount(set)];
    }
    return holds;
}

// The counts of each deal's best hold are sums and differences of table entries: the entries'
// multipliers are gathered over all deals first, and the counts made from them once.
BestPlay DealTables::bestPlay() const
{
    std::vector<qint64> rankTimes(m_rankCounts.size());
    std::vector<qint64> flushTimes(m_flushCounts.size());
    CategoryCounts counts{};
    unsigned __int128 won = 0;
    forEachDealClass([&](const Hand &hand, int weight) {
        const Subsets sets = subsets(hand);
        const unsigned best = BestPlayTally::bestHold(sets.worths);
        won += (unsigned __int128)(weight) * quint64(sets.worths[best]);
        const qint64 times = weight * kSet.scale[best];
        const unsigned others = ~best & kKeepAll;
        for (unsigned extra = others;; extra = (extra - 1) & others) {
            const unsigned set = best | extra;
            const qint64 signedTimes = std::popcount(extra) % 2 ? -times : times;
            if (set == kKeepAll) {
                counts[sets.whole.value_or(kNoCategory)] += signedTimes;
            } else {
                rankTimes[(*sets.rankIndex)[set]] += signedTimes;
                if (oneSuit(sets.suitBits[set]))
                    flushTimes[sets.rankBits[set]] += set ? signedTimes : kSuits * signedTimes;
            }
            if (extra == 0)
                break;
        }
    });
    for (size_t i = 0; i < m_rankCounts.size(); ++i) {
        for (int category = 0; category <= kCategories; ++category)
            counts[category] += rankTimes[i] * m_rankCounts[i][category];
    }
    for (size_t i = 0; i < m_flushCounts.size(); ++i) {
        for (int category = 0; category <= kCategories; ++category)
            counts[category] += flushTimes[i] * m_flushCounts[i][category];
    }
    return BestPlay{Fraction::reduced(won, (unsigned __int128)(kFinalHands) * quint64(m_rules.stake)), counts};
}

BestPlay bestPlay(const DrawRules &rules)
{
    return DealTables(rules).bestPlay();
}
