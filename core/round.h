#pragma once

#include "core/table.h"
#include "core/table_snapshot.h"

#include <QtGlobal>
#include <functional>

class Clock;
class Money;
class Payoff;
class RandomSource;
class RoundView;
class Settings;
class Statistics;

// One round: "&Bet >>" takes the stake and deals, "&Deal" draws, classifies, pays and records.
// It owns the table and tells its view each step, with a snapshot of the whole table.
class Round : private TableEvents {
public:
    Round(Payoff &payoff, Money &money, Statistics &statistics, RoundView &view, Clock &clock, RandomSource &random,
          const Settings &settings);

    // Takes the stake and deals the bet's cards; only in the phase Bet. Says whether it did.
    bool PlaceBet();
    // Draws, pays and records the round; only in the phase Draw, and once `approve` (when given)
    // agrees, which may ask the player. Says whether it drew.
    bool DrawAndPay(const std::function<bool()> &approve = {});
    // Marks or unmarks a card for exchange; only in the phase Draw.
    void toggleMark(int position, Table::Trigger trigger) { m_table.toggleMark(position, trigger); }
    // A new game: the first bet option, the current game's counts cleared, a new deck with the
    // card backs showing, the start sum as balance, and the view told.
    void NewGame(qint64 startSum);

    RoundPhase phase() const { return m_phase; }
    const Table &table() const { return m_table; }
    TableSnapshot snapshot() const;

private:
    // Names the hand on the table and counts it when the round is complete; returns the win.
    qint64 ClassifyHand();

    void cardDealt(int position) override;
    void cardRising(int position) override;
    void cardMarked(int position) override;

    Payoff &m_payoff;
    Money &m_money;
    Statistics &m_statistics;
    RoundView &m_view;
    Table m_table;
    RoundPhase m_phase = RoundPhase::Bet;
    std::optional<Category> m_category;
    bool m_handPays = false;
};
