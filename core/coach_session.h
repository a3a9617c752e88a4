#pragma once

#include "core/hold_analysis.h"

#include <vector>

// A hand in which the player gave up expected win: what was dealt, what was kept, its analysis.
struct CoachMistake {
    Hand dealt{};
    unsigned hold = 0;
    HandAnalysis analysis;

    double gaveUp() const { return analysis.gaveUp(hold); }
};

// How well the hands of one program run were played, against the best hold of each. Kept in
// memory only.
class CoachSession {
public:
    void record(const Hand &dealt, const HandAnalysis &analysis, unsigned hold);

    int handsPlayed() const { return m_hands; }
    int handsPlayedBest() const { return m_best; }
    // Percentages; 100 before the first hand.
    double shareBest() const { return m_hands ? 100.0 * m_best / m_hands : 100.0; }
    double worthKept() const { return m_bestWorth > 0 ? 100.0 * m_keptWorth / m_bestWorth : 100.0; }
    // The hands not played best, the most expensive first; of equal ones the earlier first.
    const std::vector<CoachMistake> &mistakes() const { return m_mistakes; }

private:
    int m_hands = 0;
    int m_best = 0;
    double m_keptWorth = 0;   // expected wins, credits
    double m_bestWorth = 0;
    std::vector<CoachMistake> m_mistakes;
};
