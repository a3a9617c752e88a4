#pragma once

#include <QString>

class QWidget;

// The coach's warning before a draw to a hold that is not a best one. Modal; "Change my hold"
// (the default, and Escape) goes back to marking. True when the player chose "Draw anyway".
bool askDrawAnyway(QWidget *parent, const QString &warning);
