#pragma once

#include "records/category.h"

#include <QtGlobal>
#include <array>
#include <optional>

// The payoff multipliers and the bet. One Pair pays one stake; the others PayoffFactor times it;
// a hand in no category wins nothing.
class Payoff {
public:
    Payoff() { reset(); }

    // What a new game sets: the multipliers 2, 3, 5, 8, 35, 100, 500, 1000 and a bet of one unit.
    void reset();

    // The bet choices, option 1..6 in the order the Game and Payoff tabs show them: the bet units
    // of each. A unit is a stake of 10 credits.
    static constexpr int kBetOptions = 6;
    static constexpr std::array<int, kBetOptions> kOptionUnits{1, 2, 3, 4, 10, 20};
    static constexpr qint64 kUnitStake = 10;

    // The click on bet option 1..6.
    void ChooseBet(int option);
    static int unitsForOption(int option) { return kOptionUnits[option - 1]; }
    static qint64 stakeForOption(int option) { return stakeFor(unitsForOption(option)); }

    int BetUnits() const { return m_betUnits; }
    qint64 stake() const { return stakeFor(m_betUnits); }
    // The credits of a stake of `units` bet units.
    static qint64 stakeFor(int units) { return units * kUnitStake; }
    int PayoffFactor(Category category) const { return m_factor[categoryIndex(category)]; }   // not One Pair

    // The win of a category at a stake of `units` bet units; 0 without a category.
    qint64 winFor(std::optional<Category> category, int units) const;
    qint64 winFor(std::optional<Category> category) const { return winFor(category, m_betUnits); }
    // The same by category index, for tables of counts by index.
    qint64 winFor(int categoryIndex, int units) const { return winFor(categoryAt(categoryIndex), units); }

private:
    std::array<int, kCategories> m_factor{};   // by category index; One Pair's unused
    int m_betUnits = 1;
};
