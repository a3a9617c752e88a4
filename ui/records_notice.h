#pragma once

#include <QString>

class QWidget;

// Tells the player, without holding up the game, what was found wrong with the records files at
// start-up and where their content is kept.
void showRecordsNotice(QWidget *parent, const QString &text);
