#pragma once

#include "records/coach_file.h"

#include <QDate>
#include <vector>

class RandomSource;

// Spaced repetition over the chart's lines. A line answered right three times in a row rests:
// for the next coached run after its first rest, the next two after its second, then four,
// eight... A miss brings it back at once and starts its rests over.
inline constexpr int kRightInARowToRest = 3;

LineSchedule afterAnswer(LineSchedule schedule, bool right, qint64 run);
bool isDue(const LineSchedule &schedule, qint64 run);

// How much practising each line (1 to `lines`) is worth now: the units of the stake the logged
// hands on it gave up, each halved for every two weeks of its age, so that recent mistakes count
// most. Lines resting in `run` weigh nothing.
std::vector<double> lineWeights(const CoachLogData &log, int lines, qint64 run, QDate today);
// The line to practise next: drawn by weight; where no due line weighs anything, any due line
// alike; where every line rests, any line alike.
int chooseLine(const CoachLogData &log, int lines, qint64 run, QDate today, RandomSource &random);
