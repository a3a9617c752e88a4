#pragma once

#include <QString>
#include <array>

// A card is a rank value 2..14 (11 jack, 12 queen, 13 king, 14 ace; the ace is only high)
// and a suit value 0..3 (0 diamonds, 1 hearts, 2 clubs, 3 spades).
struct Card {
    int rank = 2;
    int suit = 0;

    friend bool operator==(const Card &, const Card &) = default;
};

enum Suit : int { Diamonds = 0, Hearts = 1, Clubs = 2, Spades = 3 };
constexpr int kLowestRank = 2;
constexpr int kAce = 14;
constexpr int kRanks = kAce - kLowestRank + 1;   // 13
constexpr int kPositions = 5;

// The five cards on the table; index = table position - 1.
using Hand = std::array<Card, kPositions>;

// "Queen of hearts", "10 of clubs": for screen readers and messages.
QString cardName(Card card);
// "Q", "10", "A": the index printed in a card's corner.
QString rankText(int rank);
