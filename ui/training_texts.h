#pragma once

#include "core/luck_split.h"
#include "core/practice_session.h"
#include "core/strategy_chart.h"
#include "core/usual_strategy.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The words of the coach's training: the log's mistakes, practice answers, luck and skill.

// "2.809 times the stake": a loss in millionths of the stake, whole.
QString stakesText(qint64 micros);
// A logged mistake: the hand, the hold played, the best hold, the loss in units of the stake, the day.
QString loggedMistakeText(const Hand &dealt, unsigned kept, unsigned best, qint64 lostMicros, QDate day);
// What can be practised: the lines the player gets wrong most, then each line of the chart.
QStringList practiceChoices(const StrategyChart &chart);
QString practiceHeading(const StrategyChart &chart, int line, bool picked);
QString practiceAnswerText(const Hand &dealt, const PracticeAnswer &answer, const HandAnalysis &analysis,
                           const StrategyChart &chart);
QString practiceScoreText(const PracticeSession &session);
// One hand's result told apart, then the run's, then its grade.
QString luckText(const HandSplit &hand, const RunSplit &run);

// The Strategy page's words for a learner: what this table pays against the usual one, real
// hands on which the two strategies keep different cards, and the chart's terms.
QString tableDifferencesText(const DrawRules &here, const DrawRules &usual);
QString strategyDifferencesText(const std::vector<StrategyDifference> &differences, const StrategyChart &here,
                                const StrategyChart &usual);
QString glossaryText(const DrawRules &rules);
