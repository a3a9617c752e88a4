#pragma once

#include "records/value_file.h"

#include <QString>

class HiScores;

// hi.dat: score and name of ranks 1 to 100, one value a line.

// Fills the table from the file. Ranks the file does not hold take the default entry; a list that
// is out of order is sorted by score, highest first, keeping the order of equal scores. Returns
// whether the file held exactly what saving the loaded table writes.
FileCondition LoadHiScores(HiScores &hiScores, const QString &path = QStringLiteral("hi.dat"));
// Replaces the file atomically; false with a reason in `error` (when given) when it could not be written.
bool SaveHiScores(const HiScores &hiScores, const QString &path, QString *error);
