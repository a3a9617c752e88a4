#pragma once

#include <QWidget>
#include <array>

class QLabel;
class Statistics;

// The "Stats" tab: the hand counters of the current game and in total, and the average win.
class StatsTab : public QWidget {
    Q_OBJECT
public:
    StatsTab(const Statistics &statistics, QWidget *parent);

private:
    void showStatistics();
    // Each value's accessible name: what it counts and the value shown.
    void nameValues();

    const Statistics &m_statistics;
    std::array<QLabel *, 9> m_current{};
    std::array<QLabel *, 9> m_total{};
    QLabel *m_average = nullptr;
};
