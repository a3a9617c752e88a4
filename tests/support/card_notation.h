#pragma once

#include "core/card.h"

#include <QString>
#include <QStringView>

// Compact card notation for test tables: a rank 2..9, T or 10, J, Q, K, A followed by a suit
// D, H, C or S, e.g. "10H", "TH", "QS". Bad text aborts the test run with a message naming it.
Card card(QStringView text);
// Five cards separated by blanks, e.g. "JH JS 2C 7D 9S".
Hand hand(const char *text);
// The hand in the same notation ("JH JS 10C 7D 9S"), for failure messages.
QString handText(const Hand &hand);
