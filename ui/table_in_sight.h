#pragma once

#include "ui/coach_placement.h"

class QWidget;

// What a window beside the game must leave in sight of the "Game" tab, on the screen: never the
// five cards, "&Bet >>", "&Deal" or the stakes; rather not the stake, hand name and win, nor the
// balance, the menu or the row of tabs. Found by the controls' names, wherever the tab lies.
TableInSight tableInSight(const QWidget &gameTab);
