#include "core/example_hands.h"

#include "core/random_source.h"

namespace {

int anySuit(RandomSource &random) { return random.below(4); }
int anyRank(RandomSource &random) { return kLowestRank + random.below(13); }
int pictureRank(RandomSource &random) { return 11 + random.below(4); }   // jack .. ace

// Both suits are drawn anew until they differ, at least once.
std::array<int, 2> twoSuits(RandomSource &random)
{
    std::array<int, 2> s{};
    do {
        s = {anySuit(random), anySuit(random)};
    } while (s[0] == s[1]);
    return s;
}

// All three suits are drawn anew until they differ pairwise, at least once.
std::array<int, 3> threeSuits(RandomSource &random)
{
    std::array<int, 3> s{};
    do {
        s = {anySuit(random), anySuit(random), anySuit(random)};
    } while (s[0] == s[1] || s[0] == s[2] || s[1] == s[2]);
    return s;
}

int rankOtherThan(int taken, RandomSource &random)
{
    int rank = 0;
    do {
        rank = anyRank(random);
    } while (rank == taken);
    return rank;
}

ExamplePlaces onePair(RandomSource &random)
{
    const auto s = twoSuits(random);
    const int r = pictureRank(random);
    return {Card{r, s[0]}, Card{r, s[1]}};
}

ExamplePlaces twoPair(RandomSource &random)
{
    const auto s = twoSuits(random);
    const int r1 = anyRank(random);
    const auto t = twoSuits(random);
    const int r2 = rankOtherThan(r1, random);
    return {Card{r1, s[0]}, Card{r1, s[1]}, Card{r2, t[0]}, Card{r2, t[1]}};
}

ExamplePlaces threeOfAKind(RandomSource &random)
{
    const auto s = threeSuits(random);
    const int r = anyRank(random);
    return {Card{r, s[0]}, Card{r, s[1]}, Card{r, s[2]}};
}

ExamplePlaces straight(RandomSource &random)
{
    const int low = kLowestRank + random.below(9);   // 2 .. 10: the ace is never low
    ExamplePlaces places;
    for (int p = 0; p < kPositions; ++p)
        places[p] = Card{low + p, anySuit(random)};
    return places;
}

ExamplePlaces flush(RandomSource &random)
{
    const int suit = anySuit(random);
    // Entry r - 1 is set once rank r lies on a place, so the five ranks differ.
    std::array<bool, 15> ExampleRankUsed{};
    ExamplePlaces places;
    for (auto &place : places) {
        int r = 0;
        do {
            r = anyRank(random);
        } while (ExampleRankUsed[r - 1]);
        ExampleRankUsed[r - 1] = true;
        place = Card{r, suit};
    }
    return places;
}

ExamplePlaces fullHouse(RandomSource &random)
{
    const auto s = twoSuits(random);
    const int r1 = pictureRank(random);
    const auto t = threeSuits(random);
    const int r2 = rankOtherThan(r1, random);
    return {Card{r1, s[0]}, Card{r1, s[1]}, Card{r2, t[0]}, Card{r2, t[1]}, Card{r2, t[2]}};
}

ExamplePlaces fourOfAKind(RandomSource &random)
{
    const int r = anyRank(random);
    return {Card{r, Diamonds}, Card{r, Hearts}, Card{r, Clubs}, Card{r, Spades}};
}

ExamplePlaces suitedRun(int low, int suit)
{
    ExamplePlaces places;
    for (int p = 0; p < kPositions; ++p)
        places[p] = Card{low + p, suit};
    return places;
}

ExamplePlaces straightFlush(RandomSource &random)
{
    const int low = kLowestRank + random.below(8);   // 2 .. 9: never up to the ace
    return suitedRun(low, anySuit(random));
}

ExamplePlaces royalFlush(RandomSource &random)
{
    return suitedRun(10, anySuit(random));
}

} // namespace

ExamplePlaces DealExample(Category category, RandomSource &random)
{
    using Rule = ExamplePlaces (*)(RandomSource &);
    static constexpr std::array<Rule, 9> rules{onePair, twoPair, threeOfAKind, straight, flush,
                                               fullHouse, fourOfAKind, straightFlush, royalFlush};
    return rules[categoryIndex(category)](random);
}
