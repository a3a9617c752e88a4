#pragma once

#include "records/value_file.h"

#include <QString>

class Settings;
class Statistics;

// cfg.dat: the nine total hand counters, the speed (1 slow, 0 fast), the start sum and the default
// name, one value a line.

// A start sum read from the file is held within this bound, so that play stays far from 64-bit overflow.
inline constexpr qint64 kStartSumLimit = 1'000'000'000'000'000;

// Applies each value the file holds to the fresh objects; a missing or unusable value keeps the
// built-in setting or the zero total. A damaged or missing file never fails. Returns whether the
// file held exactly what saving the loaded values writes.
FileCondition LoadSettings(Settings &settings, Statistics &statistics, const QString &path = QStringLiteral("cfg.dat"));
// Replaces the file atomically; false with a reason in `error` (when given) when it could not be written.
bool SaveSettings(const Settings &settings, const Statistics &statistics, const QString &path, QString *error);
