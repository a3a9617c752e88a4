#pragma once

#include <QString>

// The player's own folder for the records: "$XDG_DATA_HOME/quintdraw", or
// "$HOME/.local/share/quintdraw" where XDG_DATA_HOME is unset, empty or relative (the XDG base
// directory standard says to ignore it then).
QString playerDataFolder();

// Makes the folder and any missing folder above it, each private to the player; false with a
// reason a person can read in `error` when it cannot be made.
bool makePrivateFolder(const QString &path, QString *error);
