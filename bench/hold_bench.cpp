// Times the analysis of all 32 holds of a hand against dealing out every draw with the
// classifier and the writing of the strategy chart, then finds the return of a payoff table with
// best play over every deal.

#include "core/best_play.h"
#include "core/chart_writer.h"
#include "core/classifier.h"
#include "core/deal_tables.h"
#include "core/hold_analysis.h"
#include "core/payoff.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <cstdlib>
#include <random>
#include <string>
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

// The tables are made before the clock starts: a program makes them once, at its first hand.
void timeOneHand(const DrawRules &rules)
{
    const std::vector<Hand> hands = randomHands(2000);
    auto start = Clock::now();
    analyseHand(hands.front(), rules);
    const double tables = secondsSince(start);

    // The fastest of five runs over the same hands; the checksum adds every hold's exact worth
    // in kWorthScale parts, so that any wrong count shows.
    double fast = 1e9;
    quint64 checksum = 0;
    for (int run = 0; run < 5; ++run) {
        checksum = 0;
        start = Clock::now();
        for (const Hand &hand : hands) {
            const HandAnalysis analysis = analyseHand(hand, rules);
            for (const HoldValue &value : analysis.holds)
                checksum += quint64(scaledWorth(value)) * (analysis.bestHolds.front() + 1);
        }
        fast = std::min(fast, secondsSince(start) / double(hands.size()));
    }

    constexpr int kDealtHands = 10;
    qint64 paying = 0;
    start = Clock::now();
    for (int i = 0; i < kDealtHands; ++i)
        paying += dealEveryDraw(hands[i]);
    const double dealing = secondsSince(start) / kDealtHands;

    std::printf("all 32 holds of one hand: %.2f us counted (2,000 random hands, checksum %llu; tables made "
                "once in %.1f ms), %.1f ms dealt out (2,598,960 final hands), %.0f times faster   [checks %lld]\n",
                fast * 1e6, (unsigned long long)checksum, tables * 1e3, dealing * 1e3, dealing / fast, paying);
    std::printf("holds: %.2f %.1f %.0f\n", fast * 1e6, dealing * 1e3, dealing / fast);
}

void printBestPlay(const char *label, const BestPlay &play, double seconds)
{
    std::printf("%s: %s %.4f %.3f\n", label, play.tableReturn.text().c_str(), play.tableReturn.percent(), seconds);
}

// The peak resident memory of this process so far, in KiB (VmHWM).
long peakKib()
{
    std::FILE *status = std::fopen("/proc/self/status", "r");
    long kib = 0;
    char line[256];
    while (status && std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmHWM: %ld", &kib) == 1)
            break;
    }
    if (status)
        std::fclose(status);
    return kib;
}

// Best play over every deal, the tables' way (their making included), then hand by hand.
void tableReturn(const DrawRules &rules)
{
    // The fastest of five runs, each making its tables anew.
    BestPlay fast;
    double seconds = 1e9;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        fast = bestPlay(rules);
        seconds = std::min(seconds, secondsSince(start));
    }
    printBestPlay("return", fast, seconds);
    std::printf("counts:");
    for (qint64 count : fast.counts)
        std::printf(" %lld", count);
    std::printf(" / %lld\n", kFinalHands);
    std::printf("peak memory: %ld KiB\n", peakKib());

    const auto start = Clock::now();
    const BestPlay byHand = bestPlayHandByHand(rules);
    const double slow = secondsSince(start);
    printBestPlay("return counting each hand", byHand, slow);
    std::printf("speed-up: %.0f times%s\n", slow / seconds,
                byHand.tableReturn.text() == fast.tableReturn.text() && byHand.counts == fast.counts ? "" : ", RESULTS DIFFER");
}

// The chart written for the table, its exact return and what it gives up against best play.
void printChart(const DrawRules &rules)
{
    const auto start = Clock::now();
    const WrittenChart written = writeChart(rules);
    const double seconds = secondsSince(start);
    int number = 0;
    for (const ChartLine &line : written.chart.lines())
        std::printf("%2d. %s\n", ++number, qPrintable(line.text));
    std::printf("chart return: %s %.4f\n", written.chartReturn.text().c_str(), written.chartReturn.percent());
    std::printf("best return: %s %.4f\n", written.bestReturn.text().c_str(), written.bestReturn.percent());
    std::printf("chart cost: %.4f\n", written.costPercent());
    std::printf("written in %.1f ms\n", seconds * 1e3);
}

// The time to write the chart, its tables included: the fastest of three runs.
void timeChart(const DrawRules &rules)
{
    double seconds = 1e9;
    std::size_t lines = 0;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        lines = writeChart(rules).chart.lines().size();
        seconds = std::min(seconds, secondsSince(start));
    }
    std::printf("strategy chart of %zu lines written in %.1f ms (fastest of 3 runs, tables included)\n", lines,
                seconds * 1e3);
    std::printf("chart: %.1f\n", seconds * 1e3);
}

// Nine whole numbers from 0 to kMostWin, commas between them; false for anything else.
bool parseFactors(const std::string &list, std::array<qint64, kCategories> &wins)
{
    const char *next = list.data();
    const char *end = list.data() + list.size();
    for (int category = 0; category < kCategories; ++category) {
        if (category > 0 && (next == end || *next++ != ','))
            return false;
        const auto [stop, error] = std::from_chars(next, end, wins[category]);
        if (error != std::errc() || wins[category] < 0 || wins[category] > kMostWin)
            return false;
        next = stop;
    }
    return next == end;
}

// `--factors F0,...,F8` (One Pair first, in stakes), `--pair-from RANK`, `--wheel`; without
// them, this game's table and rules. `--strategy` asks for the chart instead of the timings.
DrawRules rulesFrom(int argc, char **argv, bool *strategy)
{
    DrawRules rules = gameRules(Payoff(), 1);
    bool understood = true;
    for (int i = 1; i < argc && understood; ++i) {
        const std::string option = argv[i];
        if (option == "--factors" && i + 1 < argc) {
            understood = parseFactors(argv[++i], rules.wins);
            rules.stake = 1;
        } else if (option == "--pair-from" && i + 1 < argc) {
            const std::string rank = argv[++i];
            const auto [stop, error] = std::from_chars(rank.data(), rank.data() + rank.size(), rules.lowestPayingPair);
            understood = error == std::errc() && stop == rank.data() + rank.size()
                         && rules.lowestPayingPair >= kLowestRank && rules.lowestPayingPair <= kAce;
        } else if (option == "--wheel") {
            rules.wheelIsStraight = true;
        } else if (option == "--strategy") {
            *strategy = true;
        } else {
            understood = false;
        }
    }
    if (!understood) {
        std::fprintf(stderr, "usage: hold_bench [--factors F0,...,F8] [--pair-from 2..14] [--wheel] [--strategy]\n");
        std::exit(2);
    }
    return rules;
}

} // namespace

int main(int argc, char **argv)
{
    bool strategy = false;
    const DrawRules rules = rulesFrom(argc, argv, &strategy);
    if (strategy) {
        printChart(rules);
        return 0;
    }
    timeOneHand(rules);
    timeChart(rules);
    tableReturn(rules);
}
