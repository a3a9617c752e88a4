#pragma once

#include "core/hold_analysis.h"

class RandomSource;

// A result told apart into skill and luck. What a hand won is what the hold played was expected
// to win plus luck (the rest); what the best hold was expected to win less the hold played's is
// what the play gave up. The shadow is a perfect player at the same table: the best hold drawn to
// with the same replacement cards.
struct HandSplit {
    double won = 0;            // credits
    double keptExpected = 0;
    double bestExpected = 0;
    double shadowWon = 0;
    bool best = true;

    double givenUp() const { return bestExpected - keptExpected; }
    double luck() const { return won - keptExpected; }
};

// `final` is the hand after the draw. The best hold's exchanged positions take the player's
// replacement cards in table order; where it exchanges more cards than the player did, the others
// come at random from the rest of the same deck (through `random`, never the game's own source).
HandSplit splitHand(const Hand &dealt, unsigned kept, const Hand &final, unsigned best, const HandAnalysis &analysis,
                    const DrawRules &rules, RandomSource &random);

// The run's hands together, and its grade.
class RunSplit {
public:
    void add(const HandSplit &hand, qint64 stake);

    int hands() const { return m_hands; }
    int errors() const { return m_errors; }
    const HandSplit &total() const { return m_total; }
    // Units of the stake given up per 100 hands.
    double givenUpPerHundred() const { return m_hands ? 100.0 * m_givenUpStakes / m_hands : 0.0; }
    // The hands' expected wins as a share of the best holds', in per cent; 100 before any hand.
    double percentOfBest() const { return m_total.bestExpected > 0 ? 100.0 * m_total.keptExpected / m_total.bestExpected : 100.0; }

private:
    int m_hands = 0;
    int m_errors = 0;
    double m_givenUpStakes = 0;
    HandSplit m_total;
};
