#include "core/best_play.h"

#include "core/deal_classes.h"

#include <bit>

namespace {

unsigned __int128 gcd(unsigned __int128 a, unsigned __int128 b)
{
    while (b) {
        const unsigned __int128 rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

} // namespace

Fraction Fraction::reduced(unsigned __int128 numerator, unsigned __int128 denominator)
{
    const unsigned __int128 divisor = gcd(numerator, denominator);
    return Fraction{numerator / divisor, denominator / divisor};
}

std::string Fraction::text() const
{
    auto digits = [](unsigned __int128 value) {
        std::string text;
        do {
            text.insert(text.begin(), char('0' + int(value % 10)));
            value /= 10;
        } while (value);
        return text;
    };
    return digits(numerator) + "/" + digits(denominator);
}

qint64 scaledWorth(const HoldValue &hold)
{
    return hold.totalWin * (kWorthScale / hold.draws);
}

Fraction worthPerStake(const HoldValue &hold, qint64 stake)
{
    return Fraction::reduced(quint64(hold.totalWin), (unsigned __int128)(hold.draws) * quint64(stake));
}

unsigned BestPlayTally::bestHold(const std::array<qint64, kHolds> &scaledWorths)
{
    // Holds by the number of cards they keep, most first, so that the first best one wins.
    static constexpr std::array<unsigned, kHolds> kByCardsKept = [] {
        std::array<unsigned, kHolds> holds{};
        int next = 0;
        for (int kept = kPositions; kept >= 0; --kept) {
            for (unsigned hold = 0; hold < kHolds; ++hold) {
                if (std::popcount(hold) == kept)
                    holds[next++] = hold;
            }
        }
        return holds;
    }();
    unsigned best = kKeepAll;
    for (unsigned hold : kByCardsKept) {
        if (scaledWorths[hold] > scaledWorths[best])
            best = hold;
    }
    return best;
}

void BestPlayTally::add(const HoldValue &best, int weight)
{
    const qint64 perDraw = kWorthScale / best.draws;
    m_won += (unsigned __int128)(weight) * quint64(best.totalWin * perDraw);
    for (int category = 0; category <= kCategories; ++category)
        m_counts[category] += weight * best.counts[category] * perDraw;
}

BestPlay BestPlayTally::result() const
{
    const unsigned __int128 stakes = (unsigned __int128)(kFinalHands) * quint64(m_rules.stake);
    return BestPlay{Fraction::reduced(m_won, stakes), m_counts};
}

BestPlay bestPlayHandByHand(const DrawRules &rules)
{
    HoldCounter counter(rules);
    BestPlayTally tally(rules);
    forEachDealClass([&](const Hand &hand, int weight) {
        const HandAnalysis analysis = analyseCounts(counter.count(hand), rules);
        std::array<qint64, kHolds> worths;
        for (unsigned hold = 0; hold < kHolds; ++hold)
            worths[hold] = scaledWorth(analysis.holds[hold]);
        tally.add(analysis.holds[BestPlayTally::bestHold(worths)], weight);
    });
    return tally.result();
}
