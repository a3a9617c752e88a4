#pragma once

#include "core/hold_analysis.h"

// How well the hands of one program run were played, against the best hold of each. Kept in
// memory only; the hands not played best go to the coach's log.
class CoachSession {
public:
    void record(const HandAnalysis &analysis, unsigned hold);

    int handsPlayed() const { return m_hands; }
    int handsPlayedBest() const { return m_best; }
    // Percentages; 100 before the first hand.
    double shareBest() const { return m_hands ? 100.0 * m_best / m_hands : 100.0; }
    double worthKept() const { return m_bestWorth > 0 ? 100.0 * m_keptWorth / m_bestWorth : 100.0; }

private:
    int m_hands = 0;
    int m_best = 0;
    double m_keptWorth = 0;   // expected wins, credits
    double m_bestWorth = 0;
};
