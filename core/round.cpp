#include "core/round.h"

#include "core/classifier.h"
#include "core/money.h"
#include "core/payoff.h"
#include "core/round_view.h"
#include "records/statistics.h"

Round::Round(Payoff &payoff, Money &money, Statistics &statistics, RoundView &view, Clock &clock,
             RandomSource &random, const Settings &settings)
    : m_payoff(payoff), m_money(money), m_statistics(statistics), m_view(view),
      m_table(*this, clock, random, settings)
{
}

bool Round::PlaceBet()
{
    // A late press in the middle of a round does nothing.
    if (m_phase != RoundPhase::Bet)
        return false;
    m_money.TakeStake(m_payoff.stake());
    m_phase = RoundPhase::Draw;
    m_category.reset();
    m_handPays = false;
    if (m_table.DealPhase() == Table::RoundComplete)
        m_table.NewDeck();
    m_view.betPlaced(snapshot());
    m_table.DealCards();
    ClassifyHand();
    m_view.handDealt(snapshot());
    return true;
}

bool Round::DrawAndPay(const std::function<bool()> &approve)
{
    if (m_phase != RoundPhase::Draw || (approve && !approve()))
        return false;
    m_table.DealCards();
    const qint64 win = ClassifyHand();
    m_money.PayWin(win);
    m_phase = RoundPhase::Bet;
    m_statistics.RecordTurn(win);
    m_table.uncoverAll();
    m_view.paid(snapshot());
    return true;
}

qint64 Round::ClassifyHand()
{
    m_category = classify(m_table.cards());
    const qint64 win = m_payoff.winFor(m_category);
    m_handPays = win > 0;
    if (m_category && m_table.DealPhase() == Table::RoundComplete)
        m_statistics.CountHand(categoryIndex(*m_category));
    return win;
}

void Round::NewGame(qint64 startSum)
{
    m_payoff.reset();
    m_statistics.resetCurrentGame();
    m_table.NewDeck();
    m_money.startGame(startSum);
    m_phase = RoundPhase::Bet;
    m_category.reset();
    m_handPays = false;
    m_view.newGame(snapshot());
}

TableSnapshot Round::snapshot() const
{
    TableSnapshot shown;
    for (int position = 1; position <= kPositions; ++position) {
        shown.cards[position - 1] = m_table.shownCard(position);
        shown.faceDown[position - 1] = m_table.faceDown(position);
    }
    shown.phase = m_phase;
    shown.category = m_category;
    shown.handPays = m_handPays;
    shown.stake = m_money.stakeShown();
    shown.win = m_money.winShown();
    shown.balance = m_money.balance();
    return shown;
}

void Round::cardDealt(int position)
{
    m_view.dealt(position, snapshot());
}

void Round::cardRising(int position)
{
    m_view.rising(position, snapshot());
}

void Round::cardMarked(int position)
{
    m_view.marked(position, snapshot());
}
