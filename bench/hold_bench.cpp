// Times the analysis of all 32 holds of a hand against dealing out every draw with the
// classifier, then finds the return of the payoff table with best play over every deal.

#include "core/classifier.h"
#include "core/hold_analysis.h"
#include "core/payoff.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kDeckSize = 52;

Card cardAt(int index)
{
    return Card{kLowestRank + index / 4, index % 4};
}

// Every final hand of every hold, each dealt and classified.
qint64 dealEveryDraw(const Hand &dealt)
{
    std::vector<Card> unseen;
    for (int i = 0; i < kDeckSize; ++i) {
        if (std::find(dealt.begin(), dealt.end(), cardAt(i)) == dealt.end())
            unseen.push_back(cardAt(i));
    }
    qint64 paying = 0;
    for (unsigned hold = 0; hold < kHolds; ++hold) {
        std::vector<int> open;
        for (int i = 0; i < kPositions; ++i) {
            if (!(hold & (1U << i)))
                open.push_back(i);
        }
        Hand final = dealt;
        auto fill = [&](auto &self, size_t slot, size_t from) -> void {
            if (slot == open.size()) {
                paying += handCategory(final).has_value();
                return;
            }
            for (size_t i = from; i + (open.size() - slot) <= unseen.size(); ++i) {
                final[open[slot]] = unseen[i];
                self(self, slot + 1, i + 1);
            }
        };
        fill(fill, 0, 0);
    }
    return paying;
}

std::vector<Hand> randomHands(int count)
{
    std::mt19937 engine(2026);
    std::vector<Hand> hands;
    for (int n = 0; n < count; ++n) {
        std::vector<int> deck(kDeckSize);
        std::iota(deck.begin(), deck.end(), 0);
        std::shuffle(deck.begin(), deck.end(), engine);
        Hand hand;
        for (int i = 0; i < kPositions; ++i)
            hand[i] = cardAt(deck[i]);
        hands.push_back(hand);
    }
    return hands;
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The smallest of the 24 relabellings of the suits of five cards, as one number.
quint32 suitClass(const std::array<int, kPositions> &cards)
{
    std::array<int, 4> relabel{0, 1, 2, 3};
    quint32 smallest = ~0U;
    do {
        std::array<int, kPositions> mapped;
        for (int i = 0; i < kPositions; ++i)
            mapped[i] = cards[i] / 4 * 4 + relabel[cards[i] % 4];
        std::sort(mapped.begin(), mapped.end());
        quint32 key = 0;
        for (int index : mapped)
            key = key * 64 + quint32(index);
        smallest = std::min(smallest, key);
    } while (std::next_permutation(relabel.begin(), relabel.end()));
    return smallest;
}

std::string text(unsigned __int128 value)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + int(value % 10)));
        value /= 10;
    } while (value);
    return digits;
}

unsigned __int128 gcd(unsigned __int128 a, unsigned __int128 b)
{
    while (b) {
        const unsigned __int128 rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

void timeOneHand(const Payoff &payoff)
{
    const std::vector<Hand> hands = randomHands(2000);
    double checksum = 0;
    auto start = Clock::now();
    for (const Hand &hand : hands)
        checksum += analyseHand(hand, payoff, 1).best().expectedWin();
    const double fast = secondsSince(start) / double(hands.size());

    constexpr int kDealtHands = 10;
    qint64 paying = 0;
    start = Clock::now();
    for (int i = 0; i < kDealtHands; ++i)
        paying += dealEveryDraw(hands[i]);
    const double dealing = secondsSince(start) / kDealtHands;

    std::printf("all 32 holds of one hand: %.3f ms counted, %.1f ms dealt out (2,598,960 final hands), "
                "%.0f times faster   [checks %.1f %lld]\n",
                fast * 1e3, dealing * 1e3, dealing / fast, checksum, paying);
    std::printf("holds: %.3f %.1f %.0f\n", fast * 1e3, dealing * 1e3, dealing / fast);
}

void tableReturn(const Payoff &payoff)
{
    const auto start = Clock::now();
    std::unordered_map<quint32, int> classes;
    classes.reserve(200000);
    std::array<int, kPositions> cards;
    for (cards[0] = 0; cards[0] < kDeckSize; ++cards[0])
        for (cards[1] = cards[0] + 1; cards[1] < kDeckSize; ++cards[1])
            for (cards[2] = cards[1] + 1; cards[2] < kDeckSize; ++cards[2])
                for (cards[3] = cards[2] + 1; cards[3] < kDeckSize; ++cards[3])
                    for (cards[4] = cards[3] + 1; cards[4] < kDeckSize; ++cards[4])
                        ++classes[suitClass(cards)];

    // One denominator for the draws of every hold size, C(47, k) for k = 0..5.
    qint64 common = 1;
    for (qint64 draws : {1LL, 47LL, 1081LL, 16215LL, 178365LL, 1533939LL})
        common = std::lcm(common, draws);
    unsigned __int128 numerator = 0;
    qint64 deals = 0;
    HoldCounter counter;
    for (const auto &[key, weight] : classes) {
        Hand hand;
        for (int i = kPositions - 1, rest = int(key); i >= 0; --i, rest /= 64)
            hand[i] = cardAt(rest % 64);
        const HandAnalysis analysis = analyseCounts(counter.count(hand), payoff, 1);
        const HoldValue &best = analysis.best();
        numerator += (unsigned __int128)(weight) * quint64(best.totalWin) * quint64(common / best.draws);
        deals += weight;
    }
    unsigned __int128 denominator = (unsigned __int128)(common) * quint64(payoff.winFor(0, 1)) * quint64(deals);
    const unsigned __int128 divisor = gcd(numerator, denominator);
    numerator /= divisor;
    denominator /= divisor;
    std::printf("return with best play over %lld deals (%zu suit classes): %s / %s = %.6f %%, in %.2f s\n",
                deals, classes.size(), text(numerator).c_str(), text(denominator).c_str(),
                100.0 * double(numerator) / double(denominator), secondsSince(start));
    std::printf("return: %s/%s %.4f %.1f\n", text(numerator).c_str(), text(denominator).c_str(),
                100.0 * double(numerator) / double(denominator), secondsSince(start));
}

} // namespace

int main()
{
    const Payoff payoff;
    timeOneHand(payoff);
    tableReturn(payoff);
}
