#include "ui/payoff_tab.h"

#include "core/payoff.h"
#include "ui/bus_events.h"
#include "ui/controls.h"
#include "ui/spoken_texts.h"

#include <QLabel>
#include <QRadioButton>

namespace {

constexpr int kRowTop = 960;
constexpr int kRowHeight = 360;

// Where each bet option's button lies, in the options' order.
struct StakeChoice {
    int top;
    int width;
};
constexpr std::array<StakeChoice, Payoff::kBetOptions> kChoices{{
    {840, 735}, {1320, 735}, {1800, 615}, {2280, 735}, {2760, 735}, {3240, 735},
}};

// Row i shows the category of index i + 1: One Pair, which pays the stake back, has no row.
Category paidRow(int row)
{
    return categoryAt(row + 1);
}

} // namespace

PayoffTab::PayoffTab(const Payoff &payoff, QWidget *parent) : QWidget(parent), m_payoff(payoff)
{
    setFont(arial(9.75));

    for (int i = 0; i < 8; ++i) {
        m_amounts[i] = named(new QLabel(this), member("Label8", i));
        placeTwips(m_amounts[i], 2880, kRowTop + kRowHeight * i, 855, 375);
        m_amounts[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        readable(m_amounts[i]);
    }
    for (int i = 0; i < 8; ++i) {
        auto *name = named(new QLabel(categoryHeading(paidRow(i)), this),
                           member("Label8", i + 8));
        placeTwips(name, 720, kRowTop + kRowHeight * i, 1935, 375);
        name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    for (int k = 1; k <= Payoff::kBetOptions; ++k) {
        const StakeChoice &choice = kChoices[k - 1];
        // Each button is named by its units: its stake divided by 10.
        const int units = Payoff::unitsForOption(k);
        auto *option = named(new QRadioButton(QString::number(Payoff::stakeForOption(k)), this),
                             member("SSOption1", units));
        placeTwips(option, 4320, choice.top, choice.width, 495);
        option->setChecked(units == 1);
        // Chosen by a click, an arrow key or a screen reader's toggle. A click on the chosen
        // one would show the same amounts again. The choice, which has the focus, tells the new
        // stake: the amounts it changes are elsewhere.
        connect(option, &QRadioButton::toggled, this, [this, option, units](bool chosen) {
            if (!chosen)
                return;
            showAmounts(units);
            sendDescriptionChanged(option, spoken::payoffStake(Payoff::stakeFor(units)));
        });
    }

    showAmounts(1);
}

void PayoffTab::showAmounts(int units)
{
    for (int i = 0; i < 8; ++i) {
        m_amounts[i]->setText(QString::number(m_payoff.winFor(paidRow(i), units)));
        m_amounts[i]->setAccessibleName(
            spoken::payoffAmount(categoryHeading(paidRow(i)), m_amounts[i]->text(), Payoff::stakeFor(units)));
    }
}
