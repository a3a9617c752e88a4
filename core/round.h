#pragma once

#include <QtGlobal>

class Money;
class Payoff;
class RoundView;
class Statistics;
class Table;

// One round: "&Bet >>" takes the stake and deals, "&Deal" draws, classifies, pays and records.
class Round {
public:
    static constexpr int kBlinkInterval = 250;   // milliseconds

    Round(Table &table, Payoff &payoff, Money &money, Statistics &statistics, RoundView &view);

    // Only while "&Bet >>" is enabled: phases 2 and 0.
    void PlaceBet();
    // Only while "&Deal" is enabled: phase 1.
    void DrawAndPay();
    // Shows the name of the hand on the table, counts it when the round is complete, starts the
    // blinking for a paying hand, and returns the win.
    qint64 ClassifyHand();
    // A new game: the first bet option, the current game's counts cleared, a new deck with the
    // card backs showing, the start sum as balance, and the view told.
    void NewGame(qint64 startSum);

private:
    Table &m_table;
    Payoff &m_payoff;
    Money &m_money;
    Statistics &m_statistics;
    RoundView &m_view;
};
