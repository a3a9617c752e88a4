#include "core/payoff.h"

void Payoff::reset()
{
    m_factor = {0, 2, 3, 5, 8, 35, 100, 500, 1000};
    m_betUnits = 1;
}

void Payoff::ChooseBet(int option)
{
    m_betUnits = unitsForOption(option);
}

qint64 Payoff::winFor(std::optional<Category> category, int units) const
{
    if (!category)
        return 0;
    const qint64 stake = stakeFor(units);
    return *category == Category::OnePair ? stake : stake * PayoffFactor(*category);
}
