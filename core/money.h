#pragma once

#include <QObject>
#include <optional>

// The money of the game in progress: the balance, the stake of the last bet and the win of the
// last draw (none between a bet and its draw), and the start sum the game began with.
// Whole credits in 64 bits; the balance has no lower limit.
class Money : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    qint64 balance() const { return m_balance; }
    qint64 stakeShown() const { return m_stake; }
    std::optional<qint64> winShown() const { return m_win; }
    qint64 GameStartSum() const { return m_gameStartSum; }
    // The result offered to the hi-score list: balance minus the start sum.
    qint64 GameResult() const;

    // A new game: balance and GameStartSum become the start sum, the win shows 0.
    void startGame(qint64 startSum);
    // The bet: the win display empties, the stake leaves the balance whatever the balance.
    void TakeStake(qint64 stake);
    // The draw: the win joins the balance and is shown.
    void PayWin(qint64 win);

signals:
    void changed();

private:
    qint64 m_balance = 0;
    qint64 m_stake = 0;
    std::optional<qint64> m_win = 0;
    qint64 m_gameStartSum = 0;
};
