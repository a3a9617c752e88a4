// Classifies every five-card hand several times on one thread and prints hands per second.

#include "core/classifier.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace {

constexpr int kDeckSize = 52;
constexpr int kPasses = 10;

// Calls visit(hand) once for each of the 2,598,960 hands of one deck.
template <typename Visit>
void forEveryHand(Visit visit)
{
    std::array<Card, kDeckSize> deck;
    for (int i = 0; i < kDeckSize; ++i)
        deck[i] = Card{kLowestRank + i / 4, i % 4};

    Hand h;
    for (int a = 0; a < kDeckSize; ++a) {
        h[0] = deck[a];
        for (int b = a + 1; b < kDeckSize; ++b) {
            h[1] = deck[b];
            for (int c = b + 1; c < kDeckSize; ++c) {
                h[2] = deck[c];
                for (int d = c + 1; d < kDeckSize; ++d) {
                    h[3] = deck[d];
                    for (int e = d + 1; e < kDeckSize; ++e) {
                        h[4] = deck[e];
                        visit(h);
                    }
                }
            }
        }
    }
}

} // namespace

int main()
{
    using Clock = std::chrono::steady_clock;
    std::array<long long, 10> counts{};   // index category + 1; index 0 holds the hands in none
    double best = 0;
    for (int pass = 0; pass < kPasses; ++pass) {
        long long hands = 0;
        const auto start = Clock::now();
        forEveryHand([&](const Hand &h) {
            ++counts[handCategory(h).value_or(-1) + 1];
            ++hands;
        });
        const std::chrono::duration<double> seconds = Clock::now() - start;
        const double rate = double(hands) / seconds.count();
        best = std::max(best, rate);
        std::printf("pass %2d: %lld hands in %.3f s, %.1f million hands/s\n", pass + 1, hands,
                    seconds.count(), rate / 1e6);
    }
    std::printf("best: %.1f million hands/s on one core\n", best / 1e6);
    std::printf("per pass:");
    for (long long count : counts)
        std::printf(" %lld", count / kPasses);
    std::printf("  (none, One Pair .. Royal flush)\n");
    return 0;
}
