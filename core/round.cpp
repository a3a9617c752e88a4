#include "core/round.h"

#include "core/classifier.h"
#include "core/money.h"
#include "core/payoff.h"
#include "core/round_view.h"
#include "core/table.h"
#include "records/statistics.h"

Round::Round(Table &table, Payoff &payoff, Money &money, Statistics &statistics, RoundView &view)
    : m_table(table), m_payoff(payoff), m_money(money), m_statistics(statistics), m_view(view)
{
}

void Round::PlaceBet()
{
    // Only possible while "Bet" is enabled: a late call in the middle of a round does nothing.
    if (m_table.DealPhase() == Table::DrawPending)
        return;
    m_money.TakeStake(m_payoff.stake());
    m_view.showPhase(RoundView::Phase::Draw);
    if (m_table.DealPhase() == Table::RoundComplete) {
        m_view.setBlinkInterval(0);
        m_view.showHandName(std::nullopt);
        m_table.NewDeck();
    }
    m_table.DealCards();
    ClassifyHand();
    m_view.cardsDealt();
}

void Round::DrawAndPay()
{
    if (m_table.DealPhase() != Table::DrawPending)
        return;
    m_table.DealCards();
    const qint64 win = ClassifyHand();
    m_money.PayWin(win);
    m_view.showPhase(RoundView::Phase::Bet);
    m_statistics.RecordTurn(win);
    m_table.uncoverAll();
}

qint64 Round::ClassifyHand()
{
    const bool roundComplete = m_table.DealPhase() == Table::RoundComplete;
    const std::optional<Category> category = classify(m_table.cards());
    if (!category) {
        // A final hand without a category must not go on showing the dealt hand's name.
        if (roundComplete) {
            m_view.showHandName(std::nullopt);
            m_view.setBlinkInterval(0);
        }
        return 0;
    }
    m_view.showHandName(category);
    const qint64 win = m_payoff.winFor(category);
    if (roundComplete)
        m_statistics.CountHand(categoryIndex(*category));
    if (win > 0)
        m_view.setBlinkInterval(kBlinkInterval);
    return win;
}

void Round::NewGame(qint64 startSum)
{
    m_payoff.reset();
    m_statistics.resetCurrentGame();
    m_table.NewDeck();
    m_money.startGame(startSum);
    m_view.newGameBegan();
}
