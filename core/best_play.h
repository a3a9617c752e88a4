#pragma once

#include "core/draw_rules.h"
#include "core/hold_analysis.h"

#include <QtGlobal>
#include <string>

// An exact non-negative fraction, in lowest terms.
struct Fraction {
    unsigned __int128 numerator = 0;
    unsigned __int128 denominator = 1;

    static Fraction reduced(unsigned __int128 numerator, unsigned __int128 denominator);
    double percent() const { return 100.0 * double(numerator) / double(denominator); }
    std::string text() const;   // "NUM/DEN"
};

// Every hold's worth on one denominator: C(47, k) divides it for every k, so a hold's total
// win times kWorthScale / draws is its expected win exactly, as an integer.
constexpr qint64 kWorthScale = 7669695;   // lcm of C(47, 0..5) = 3·5·11·23·43·47
// All final hands of all deals, each deal's draws weighted so that every deal counts the same.
constexpr qint64 kFinalHands = 2598960LL * kWorthScale;

qint64 scaledWorth(const HoldValue &hold);
// What a hold wins on average per unit of `stake` (in the wins' unit), exactly.
Fraction worthPerStake(const HoldValue &hold, qint64 stake);

// The result of playing every deal the best way.
struct BestPlay {
    Fraction tableReturn;     // the average win per stake
    CategoryCounts counts{};  // final hands by category, out of kFinalHands
};

// Adds deals one by one and keeps what best play wins on them. Of holds worth the same, the one
// that keeps the most cards counts: it could matter to the counts only, never to the return. (In
// 9/6 Jacks or Better and this game's table equally worth holds end in the same categories, as
// four of a kind kept with or without its kicker, so the published counts come either way.)
class BestPlayTally {
public:
    explicit BestPlayTally(const DrawRules &rules) : m_rules(rules) {}

    // The hold worth the most, keeping the most cards among equals.
    static unsigned bestHold(const std::array<qint64, kHolds> &scaledWorths);

    void add(const HoldValue &best, int weight);
    BestPlay result() const;

private:
    DrawRules m_rules;
    unsigned __int128 m_won = 0;   // in kWorthScale parts of the wins' unit
    CategoryCounts m_counts{};
};

// Best play over every deal, by counting each deal class's holds as for one hand (through a
// HoldCounter): the slow, independent way.
BestPlay bestPlayHandByHand(const DrawRules &rules);
