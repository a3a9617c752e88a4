#pragma once

#include "core/best_play.h"
#include "core/hold_class.h"

#include <QString>
#include <unordered_map>
#include <vector>

// A strategy for one table as a player reads it: ranked lines of hold classes. The player keeps
// the cards of the highest line that the dealt hand matches; where one class fits two ways, the
// higher cards.
struct ChartLine {
    std::vector<HoldClass> classes;   // alternatives of one kind and size, the first preferred
    QString text;
};

struct ChartMatch {
    int line = -1;       // index in lines()
    unsigned hold = 0;   // bit p - 1 keeps position p of the hand given
};

class StrategyChart {
public:
    StrategyChart() = default;
    // Lines of classes, best first; the last must be drawing five new cards.
    StrategyChart(const DrawRules &rules, const std::vector<std::vector<HoldClass>> &lines);

    const std::vector<ChartLine> &lines() const { return m_lines; }
    const DrawRules &rules() const { return m_rules; }
    // The line a dealt hand matches first, and the cards that line keeps.
    ChartMatch lineFor(const Hand &dealt) const;

private:
    DrawRules m_rules;
    std::vector<ChartLine> m_lines;
    std::unordered_map<quint64, int> m_rankOfClass;   // key -> place in the chart, over all lines
    std::vector<int> m_lineOfRank;
};

// The exact return of a player who follows the chart on every deal.
Fraction followChart(const StrategyChart &chart);
