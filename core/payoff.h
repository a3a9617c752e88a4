#pragma once

#include <QtGlobal>
#include <array>
#include <optional>

// Hand categories: 0 One Pair (jacks or better) .. 8 Royal flush; a hand in none wins nothing.
constexpr int kCategories = 9;

// The payoff multipliers and the bet. Category 0 pays one stake; 1..8 pay PayoffFactor times it.
class Payoff {
public:
    Payoff() { reset(); }

    // What a new game sets: the multipliers 2, 3, 5, 8, 35, 100, 500, 1000 and a bet of one unit.
    void reset();

    // The click on bet option 1..6: units 1, 2, 3, 4, 10, 20.
    void ChooseBet(int index);
    static int unitsForOption(int index);

    int BetUnits() const { return m_betUnits; }
    qint64 stake() const { return qint64(m_betUnits) * 10; }
    int PayoffFactor(int category) const { return m_factor[category]; }   // 1 <= category <= 8

    // The win of a category at a stake of `units` bet units; 0 without a category.
    qint64 winFor(std::optional<int> category, int units) const;
    qint64 winFor(std::optional<int> category) const { return winFor(category, m_betUnits); }

private:
    std::array<int, kCategories> m_factor{};   // index 0 unused: One Pair pays the stake
    int m_betUnits = 1;
};
