#include "core/money.h"

#include "records/number_text.h"

qint64 Money::GameResult() const
{
    return saturatingSub(m_balance, m_gameStartSum);
}

void Money::startGame(qint64 startSum)
{
    m_win = 0;
    m_balance = startSum;
    m_gameStartSum = startSum;
    emit changed();
}

void Money::TakeStake(qint64 stake)
{
    m_win.reset();
    m_balance = saturatingSub(m_balance, stake);
    m_stake = stake;
    emit changed();
}

void Money::PayWin(qint64 win)
{
    m_balance = saturatingAdd(m_balance, win);
    m_win = win;
    emit changed();
}
