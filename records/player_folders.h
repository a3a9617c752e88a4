#pragma once

#include <QString>

// The player's home: HOME when it is an absolute path, else the home the password database gives
// the user running the game (HOME may be unset or empty, under a service manager or `env -i`).
QString playerHome();

// A base folder of the XDG rules: the variable's value when it is an absolute path (an empty or
// relative one is to be ignored), else `underHome` below the player's home.
QString xdgBaseFolder(const char *variable, const QString &underHome);

// Where the game keeps, for the player, the previous bytes of a records file it could not keep
// beside the file (a folder that refuses new files or a planted name): a folder of its own under
// "$XDG_STATE_HOME/quintdraw/kept", named after the folder the file is in ("/srv/games" as
// "%2Fsrv%2Fgames"), made private when missing. Empty, with a reason in `error`, when it cannot
// be made.
QString keptElsewhereFolder(const QString &recordsFolder, QString *error);

// Makes the folder and any missing folder above it, each private to the player; false with a
// reason a person can read in `error` when it cannot be made.
bool makePrivateFolder(const QString &path, QString *error);
