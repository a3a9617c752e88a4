#pragma once

#include <QColor>

// The window's colours.
inline const QColor kRed{255, 0, 0};
inline const QColor kBlue{0, 0, 255};
inline const QColor kLightGrey{192, 192, 192};
