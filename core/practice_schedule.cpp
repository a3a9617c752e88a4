#include "core/practice_schedule.h"

#include "core/random_source.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr double kHalfLifeDays = 14;
constexpr int kLongestRestDoublings = 10;

int pick(const std::vector<double> &weights, RandomSource &random)
{
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    double at = random.next() * total;
    for (size_t i = 0; i < weights.size(); ++i) {
        if (weights[i] > 0 && (at < weights[i] || i + 1 == weights.size()))
            return int(i);
        at -= weights[i];
    }
    // Rounding left `at` past the last weight: the last line that weighs anything.
    for (size_t i = weights.size(); i-- > 0;) {
        if (weights[i] > 0)
            return int(i);
    }
    return 0;
}

} // namespace

LineSchedule afterAnswer(LineSchedule schedule, bool right, qint64 run)
{
    if (!right)
        return {0, 0, run};
    if (++schedule.streak < kRightInARowToRest)
        return schedule;
    schedule.streak = 0;
    schedule.rests = std::min(schedule.rests + 1, 1000);
    schedule.dueRun = std::min(kMaxLogCount, run + 1 + (qint64(1) << std::min(schedule.rests - 1, kLongestRestDoublings)));
    return schedule;
}

bool isDue(const LineSchedule &schedule, qint64 run)
{
    return schedule.dueRun <= run;
}

std::vector<double> lineWeights(const CoachLogData &log, int lines, qint64 run, QDate today)
{
    std::vector<double> weights(std::max(lines, 0), 0.0);
    for (const LoggedHand &hand : log.hands) {
        if (hand.line < 1 || hand.line > lines)
            continue;
        const double age = std::max<qint64>(0, hand.day.daysTo(today));
        weights[hand.line - 1] += hand.lostMicros / 1e6 * std::exp2(-age / kHalfLifeDays);
    }
    for (const auto &[line, schedule] : log.schedule) {
        if (line <= lines && !isDue(schedule, run))
            weights[line - 1] = 0;
    }
    return weights;
}

int chooseLine(const CoachLogData &log, int lines, qint64 run, QDate today, RandomSource &random)
{
    std::vector<double> weights = lineWeights(log, lines, run, today);
    if (std::none_of(weights.begin(), weights.end(), [](double w) { return w > 0; })) {
        for (int line = 1; line <= lines; ++line) {
            const auto schedule = log.schedule.find(line);
            weights[line - 1] = schedule == log.schedule.end() || isDue(schedule->second, run) ? 1 : 0;
        }
    }
    if (std::none_of(weights.begin(), weights.end(), [](double w) { return w > 0; }))
        std::fill(weights.begin(), weights.end(), 1.0);
    return pick(weights, random) + 1;
}
