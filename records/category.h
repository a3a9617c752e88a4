#pragma once

#include <QString>

// The paying hand categories, lowest first. A category's index (0..8) is its place among the
// statistics' counters (the first nine lines of cfg.dat, the Stats tab's rows) and the payoff
// factors.
enum class Category {
    OnePair,   // jacks or better
    TwoPair,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
    RoyalFlush,
};

constexpr int kCategories = 9;

constexpr int categoryIndex(Category category) { return static_cast<int>(category); }
constexpr Category categoryAt(int index) { return static_cast<Category>(index); }   // 0 <= index < 9

// "One Pair", "Two Pair", "Three of a kind" .. "Royal flush": as a screen reader says it.
QString categoryName(Category category);
// The hand label's text: the name with two arrows after it, "One Pair  >>".
QString handLabel(Category category);
// As the Stats and Payoff tabs head its row: "One Pair", "Two pair", "Three of a kind" ..
QString categoryHeading(Category category);
// As the Help tab's button that deals an example of it says: "One pair", "Two pair" ..
QString categoryCaption(Category category);
