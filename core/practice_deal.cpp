#include "core/practice_deal.h"

#include "core/chart_lines.h"
#include "core/coach_verdict.h"
#include "core/random_source.h"

#include <algorithm>
#include <vector>

namespace {

constexpr unsigned kRoyalRanks = 0x1F00;   // ten to ace, bit r - 2
constexpr unsigned kAllRanks = 0x1FFF;

// `count` ranks drawn at random from the set (bit r - 2), distinct.
std::vector<int> ranksFrom(unsigned set, int count, RandomSource &random)
{
    std::vector<int> pool;
    for (int bit = 0; bit < 13; ++bit) {
        if (set & (1U << bit))
            pool.push_back(bit + kLowestRank);
    }
    for (int i = 0; i < count && i < int(pool.size()); ++i)
        std::swap(pool[i], pool[i + random.below(int(pool.size()) - i)]);
    pool.resize(std::min<size_t>(pool.size(), size_t(count)));
    return pool;
}

std::vector<int> suitsFrom(int count, RandomSource &random)
{
    std::vector<int> suits{0, 1, 2, 3};
    for (int i = 0; i < count; ++i)
        std::swap(suits[i], suits[i + random.below(4 - i)]);
    suits.resize(count);
    return suits;
}

unsigned anyRun(const DrawRules &rules, RandomSource &random)
{
    return rules.straightRuns()[random.below(rules.straightRunCount())];
}

std::vector<Card> suited(const std::vector<int> &ranks, int suit)
{
    std::vector<Card> cards;
    for (int rank : ranks)
        cards.push_back({rank, suit});
    return cards;
}

std::vector<Card> anySuits(const std::vector<int> &ranks, RandomSource &random)
{
    std::vector<Card> cards;
    for (int rank : ranks)
        cards.push_back({rank, random.below(4)});
    return cards;
}

// Cards of one rank, `count` of its suits.
std::vector<Card> sameRank(int rank, int count, RandomSource &random)
{
    std::vector<Card> cards;
    for (int suit : suitsFrom(count, random))
        cards.push_back({rank, suit});
    return cards;
}

int rankBetween(int lowest, int highest, RandomSource &random)
{
    return lowest + random.below(highest - lowest + 1);
}

// Cards that, kept, may make the class; the caller checks that they do.
std::vector<Card> keptCards(const HoldClass &held, const DrawRules &rules, RandomSource &random)
{
    const int suit = random.below(4);
    switch (held.kind) {
    case HoldKind::DrawFive: return {};
    case HoldKind::RoyalFlush: return suited(ranksFrom(kRoyalRanks, 5, random), suit);
    case HoldKind::StraightFlush: return suited(ranksFrom(anyRun(rules, random), 5, random), suit);
    case HoldKind::Flush: return suited(ranksFrom(kAllRanks, 5, random), suit);
    case HoldKind::Straight: return anySuits(ranksFrom(anyRun(rules, random), 5, random), random);
    case HoldKind::FourOfAKind: return sameRank(rankBetween(kLowestRank, kAce, random), 4, random);
    case HoldKind::ThreeOfAKind: return sameRank(rankBetween(kLowestRank, kAce, random), 3, random);
    case HoldKind::FullHouse:
    case HoldKind::TwoPair: {
        const std::vector<int> ranks = ranksFrom(kAllRanks, 2, random);
        std::vector<Card> cards = sameRank(ranks[0], held.kind == HoldKind::FullHouse ? 3 : 2, random);
        const std::vector<Card> pair = sameRank(ranks[1], 2, random);
        cards.insert(cards.end(), pair.begin(), pair.end());
        return cards;
    }
    case HoldKind::HighPair: return sameRank(rankBetween(rules.lowestPayingPair, kAce, random), 2, random);
    case HoldKind::LowPair: return sameRank(rankBetween(kLowestRank, rules.lowestPayingPair - 1, random), 2, random);
    case HoldKind::ToRoyalFlush: return suited(ranksFrom(held.ranks ? held.ranks : kRoyalRanks, held.cards, random), suit);
    case HoldKind::ToStraightFlush: return suited(ranksFrom(anyRun(rules, random), held.cards, random), suit);
    case HoldKind::ToFlush: return suited(ranksFrom(kAllRanks, held.cards, random), suit);
    case HoldKind::ToStraight: return anySuits(ranksFrom(anyRun(rules, random), held.cards, random), random);
    case HoldKind::HighCards: {
        std::vector<Card> cards;
        const std::vector<int> suits = suitsFrom(held.cards, random);
        const std::vector<int> ranks = ranksFrom(held.ranks, held.cards, random);
        for (size_t i = 0; i < ranks.size(); ++i)
            cards.push_back({ranks[i], suits[i]});
        return cards;
    }
    }
    return {};
}

// The kept cards at random positions, the others drawn from the rest of the deck.
Hand fill(const std::vector<Card> &kept, unsigned &hold, RandomSource &random)
{
    std::vector<int> positions{0, 1, 2, 3, 4};
    for (int i = 0; i < kPositions; ++i)
        std::swap(positions[i], positions[i + random.below(kPositions - i)]);
    Hand dealt;
    std::vector<Card> used = kept;
    hold = 0;
    for (size_t i = 0; i < kept.size(); ++i) {
        dealt[positions[i]] = kept[i];
        hold |= 1U << positions[i];
    }
    for (size_t i = kept.size(); i < kPositions; ++i) {
        Card card;
        do
            card = {rankBetween(kLowestRank, kAce, random), random.below(4)};
        while (std::find(used.begin(), used.end(), card) != used.end());
        used.push_back(card);
        dealt[positions[i]] = card;
    }
    return dealt;
}

} // namespace

std::optional<PracticeHand> dealOnLine(const StrategyChart &chart, int line, RandomSource &random, int tries)
{
    if (line < 1 || line > int(chart.lines().size()))
        return std::nullopt;
    const std::vector<HoldClass> &classes = chart.lines()[line - 1].classes;
    for (int attempt = 0; attempt < tries; ++attempt) {
        const HoldClass &wanted = classes[random.below(int(classes.size()))];
        unsigned hold = 0;
        const Hand dealt = fill(keptCards(wanted, chart.rules(), random), hold, random);
        // Cheap checks first: the cards make the class, and the chart's own choice is that line.
        if (classifyHold(dealt, hold, chart.rules()) != wanted || chart.lineFor(dealt).line != line - 1)
            continue;
        PracticeHand practice{dealt, analyseHand(dealt, chart.rules()), 0};
        practice.best = namedBestHold(dealt, practice.analysis, chart);
        if (chartLineOf(chart, dealt, Hold(practice.best)) == line)
            return practice;
    }
    return std::nullopt;
}
