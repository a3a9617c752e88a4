#pragma once

#include "core/practice_deal.h"
#include "records/coach_file.h"

#include <QDate>
#include <optional>

class RandomSource;

// What the answer to one practice hand was worth, in the chart's wins (credits at its stake).
struct PracticeAnswer {
    bool right = false;
    unsigned kept = 0;
    unsigned best = 0;         // the named best hold
    double keptWorth = 0;
    double bestWorth = 0;
    qint64 lostMicros = 0;     // given up, in millionths of the stake
    int line = 0;              // the line practised: the best hold's
};

// Practice in the coach window: hands dealt onto the lines the log says the player gets wrong
// most, or onto one line the player picks; each answer moves that line's place in the spaced
// schedule of the log. Practice touches no balance, statistic or hi-score, and counts nothing
// into the log's tallies of play.
class PracticeSession {
public:
    PracticeSession(const StrategyChart &chart, CoachLog &log, RandomSource &random)
        : m_chart(chart), m_log(log), m_random(random) {}

    // 0: the lines the log says the player gets wrong most.
    void pickLine(int line) { m_picked = line; }
    int pickedLine() const { return m_picked; }
    // The next hand; nullopt only where the line cannot be dealt.
    const std::optional<PracticeHand> &deal(QDate today);
    const std::optional<PracticeHand> &current() const { return m_hand; }
    int currentLine() const { return m_line; }
    // Answers the current hand; the hand is then done.
    PracticeAnswer answer(unsigned hold);

    int hands() const { return m_hands; }
    int right() const { return m_right; }
    // Units of the stake given up per 100 hands answered.
    double lostPerHundred() const { return m_hands ? m_lostMicros / 1e4 / m_hands : 0.0; }

private:
    const StrategyChart &m_chart;
    CoachLog &m_log;
    RandomSource &m_random;
    int m_picked = 0;
    int m_line = 0;
    std::optional<PracticeHand> m_hand;
    int m_hands = 0;
    int m_right = 0;
    qint64 m_lostMicros = 0;
};
