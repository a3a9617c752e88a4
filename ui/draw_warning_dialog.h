#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

// Where the warning goes: its frame on the screen, given the size of its contents.
using WarningPlace = std::function<QRect(const QSize &contents)>;

// The coach's warning before a draw to a hold that is not a best one, where `place` puts it.
// Modal; "Change my hold" (the default, and Escape) goes back to marking. True when the player
// chose "Draw anyway".
bool askDrawAnyway(QWidget *parent, const QString &warning, const WarningPlace &place);
