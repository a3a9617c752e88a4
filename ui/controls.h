#pragma once

#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>
#include <QWidget>

// Places and sizes of the window are given in twips: 15 twips make one pixel at 96 dpi.
// Qt's high-DPI scaling takes care of larger screens.
constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// Gives a control its name, the one tests and accessibility find it by.
template <typename T>
T *named(T *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

// "Name(3)": the name of a member of a control array.
inline QString member(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

inline void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

// A value shown as text that a screen reader's user reaches with Tab; its accessible name says
// what it is and the value. It draws no focus mark: nothing changes for the eye.
inline void readable(QWidget *value)
{
    value->setFocusPolicy(Qt::TabFocus);
}

// The window's fonts: Arial (Liberation Sans where Arial is missing), bold unless stated.
inline QFont arial(qreal points, bool bold = true)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
