#pragma once

#include "records/category.h"

#include <QObject>
#include <QString>
#include <array>

// Hand counters by category index for the current game and over all
// runs, and the average win per turn of the current game. The Stats tab shows these values.
class Statistics : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void CountHand(int category);
    void RecordTurn(qint64 win);
    void resetCurrentGame();

    qint64 current(int category) const { return m_current[category]; }
    qint64 total(int category) const { return m_total[category]; }
    void setTotal(int category, qint64 count);
    // Puts the hands this run counted onto the totals another program saved meanwhile (of
    // `found`), as totals that stop at the largest number.
    void putChangesOnto(const Statistics &found);
    qint64 turnCount() const { return m_turnCount; }
    qint64 turnWinSum() const { return m_turnWinSum; }
    // The average as shown: floor(sum / turns * 100) / 100 in doubles, as its shortest text.
    QString averageText() const { return m_averageText; }

signals:
    void changed();

private:
    std::array<qint64, kCategories> m_current{};
    std::array<qint64, kCategories> m_total{};
    std::array<qint64, kCategories> m_countedInRun{};
    qint64 m_turnCount = 0;
    qint64 m_turnWinSum = 0;
    QString m_averageText = QStringLiteral("0");
};

// Shortest decimal text of a double, without exponent or group separators, with the locale's
// decimal separator: 7 -> "7", 12.5 -> "12.5", 0.28 -> "0.28".
QString shortestDecimalText(double value);
