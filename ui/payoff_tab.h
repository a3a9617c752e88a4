#pragma once

#include <QWidget>

#include <array>

class Payoff;
class QLabel;

// The "Payoff" tab: what each paying category returns for a stake chosen here, independent of
// the bet on the "Game" tab. Coordinates are the tab control's, the caption row included.
class PayoffTab : public QWidget {
    Q_OBJECT
public:
    PayoffTab(const Payoff &payoff, QWidget *parent);

private:
    // The amounts for a stake of `units` bet units.
    void showAmounts(int units);

    const Payoff &m_payoff;
    std::array<QLabel *, 8> m_amounts{};   // Label8(0..7): category index + 1
};
