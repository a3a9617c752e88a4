#include "records/statistics.h"

#include "records/number_text.h"

#include <QLocale>
#include <cmath>

QString shortestDecimalText(double value)
{
    // The system's decimal separator, but always the digits 0-9 and an ASCII minus sign.
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    text.replace(u'.', QLocale().decimalPoint());
    return text;
}

void Statistics::CountHand(int category)
{
    m_current[category] = saturatingAdd(m_current[category], 1);
    m_total[category] = saturatingAdd(m_total[category], 1);
    m_countedInRun[category] = saturatingAdd(m_countedInRun[category], 1);
    emit changed();
}

void Statistics::RecordTurn(qint64 win)
{
    m_turnWinSum = saturatingAdd(m_turnWinSum, win);
    m_turnCount = saturatingAdd(m_turnCount, 1);
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

void Statistics::putChangesOnto(const Statistics &found)
{
    for (int category = 0; category < kCategories; ++category)
        m_total[category] = saturatingAdd(found.total(category), m_countedInRun[category]);
    emit changed();
}
