#include "records/statistics.h"

#include <QLocale>
#include <cmath>

QString shortestDecimalText(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

void Statistics::CountHand(int category)
{
    ++m_current[category];
    ++m_total[category];
    emit changed();
}

void Statistics::RecordTurn(qint64 win)
{
    m_turnWinSum += win;
    ++m_turnCount;
    // Exactly this order of double steps: 290 won in 1000 turns shows 0.28.
    double average = static_cast<double>(m_turnWinSum) / static_cast<double>(m_turnCount);
    average = average * 100;
    average = std::floor(average);
    average = average / 100;
    m_averageText = shortestDecimalText(average);
    emit changed();
}

void Statistics::resetCurrentGame()
{
    m_current.fill(0);
    m_turnCount = 0;
    m_turnWinSum = 0;
    m_averageText = QStringLiteral("0");
    emit changed();
}

void Statistics::setTotal(int category, qint64 count)
{
    m_total[category] = count;
    emit changed();
}
