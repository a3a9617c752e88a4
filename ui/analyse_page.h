#pragma once

#include "core/strategy_chart.h"

#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;

// The coach's Analyse page: any five cards, typed ("JH JS 2C 7D 9S", "J♥ J♠ 2♣ 7♦ 9♠") or picked
// by clicking, and all 32 holds of them, best first, each with its exact worth per unit of stake
// (a fraction and its decimal) and the chart line it follows; the hold the chart keeps is named
// above them and set in bold. The table is read row by row with the arrow keys.
class AnalysePage : public QWidget {
    Q_OBJECT
public:
    // `chart` gives the table's chart, waiting for it while it is being written; its rules are
    // the ones the hands are analysed under.
    explicit AnalysePage(std::function<const StrategyChart &()> chart, QWidget *parent = nullptr);

private:
    void analyse();
    void pick(Card card);
    void markPicked(const Hand &hand, int cards);

    std::function<const StrategyChart &()> m_chart;
    QLineEdit *m_cards = nullptr;
    QLabel *m_message = nullptr;
    QTableWidget *m_holds = nullptr;
    std::array<QToolButton *, 52> m_pickers{};   // by rank, then suit
};
