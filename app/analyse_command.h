#pragma once

#include "core/chart_writer.h"
#include "core/hold_analysis.h"

#include <QStringList>
#include <QStringView>
#include <QTextStream>

// `quintdraw --analyse "JH JS 2C 7D 9S"`: every hold of one hand on this game's table, best
// first, for players who script. It needs no display and runs before any window is made.

// One line per hold, best first (equal worths in ascending bit order): the cards kept in the
// letters `--analyse` reads ("nothing" for none), the worth per unit of stake as an exact
// fraction in lowest terms and as a decimal, and the chart line the hold follows.
QStringList analysedHoldLines(const Hand &dealt, const HandAnalysis &analysis, const StrategyChart &chart);

// Analyses the hand `cards` names, onto `out`; or says what is wrong with it onto `errors`.
// Returns the exit status: 0, or 2 for text that is no hand.
int analyseCommand(QStringView cards, QTextStream &out, QTextStream &errors);

