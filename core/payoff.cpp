#include "core/payoff.h"

void Payoff::reset()
{
    m_factor = {0, 2, 3, 5, 8, 35, 100, 500, 1000};
    m_betUnits = 1;
}

int Payoff::unitsForOption(int index)
{
    if (index == 5)
        return 10;
    if (index == 6)
        return 20;
    return index;
}

void Payoff::ChooseBet(int index)
{
    m_betUnits = unitsForOption(index);
}

qint64 Payoff::winFor(std::optional<Category> category, int units) const
{
    if (!category)
        return 0;
    const qint64 stake = stakeFor(units);
    return *category == Category::OnePair ? stake : stake * PayoffFactor(*category);
}
