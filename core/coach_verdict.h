#pragma once

#include "core/hold.h"
#include "core/hold_analysis.h"
#include "core/strategy_chart.h"

// The coach's judgement of one hand, made once: what every hold was worth, which holds are
// best, the chart's lines of the hold kept, of the best hold and of the chart's own hold, and
// what the hold kept gave up. Worths are in credits at the stake the hand was played for.
struct CoachVerdict {
    Hand dealt{};
    Hold kept;
    qint64 stake = 0;          // credits
    HandAnalysis analysis;     // the 32 holds' worth and the best holds
    Hold best;                 // the best hold the coach names: the chart's own where it is best
    Hold charted;              // the hold the chart keeps
    // Chart lines, 1-based; 0 where the chart names none.
    int keptLine = 0;
    int bestLine = 0;
    int chartedLine = 0;

    bool playedBest() const { return analysis.isBest(kept.bits()); }
    bool chartIsBest() const { return analysis.isBest(charted.bits()); }
    double gaveUp() const { return analysis.gaveUp(kept.bits()); }       // credits
    double gaveUpStakes() const { return stake ? gaveUp() / double(stake) : 0; }
};

// The 1-based chart line that keeping `hold` of `dealt` follows; 0 where the chart names none.
int chartLineOf(const StrategyChart &chart, const Hand &dealt, Hold hold);
// Judges a hand from its analysis (analyseHand at the stake played).
CoachVerdict judgeHand(const Hand &dealt, Hold kept, qint64 stake, HandAnalysis analysis,
                       const StrategyChart &chart);
// The same hand judged again for another hold kept, without counting it again.
CoachVerdict withKept(CoachVerdict verdict, Hold kept, const StrategyChart &chart);
