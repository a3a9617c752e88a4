#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Money and counters are whole numbers in 64 bits; these helpers never overflow.
qint64 saturatingAdd(qint64 a, qint64 b);
qint64 saturatingSub(qint64 a, qint64 b);

// The leading numeric part of a text, as a whole number: optional blanks, an optional sign and
// digits ("150abc" -> 150, "-40" -> -40); a fraction is cut off ("12.5" -> 12). Out-of-range
// values saturate. nullopt when the text does not start with a number.
std::optional<qint64> leadingNumber(QStringView text);
// The same, with 0 for a text that has no leading number.
qint64 leadingNumberOrZero(QStringView text);
