#pragma once

#include "records/player_folders.h"

#include <QString>

// The player's own folder for the records: "$XDG_DATA_HOME/quintdraw", or
// "~/.local/share/quintdraw" where XDG_DATA_HOME is unset, empty or relative (the XDG base
// directory rules say to ignore it then); the home is the password database's when HOME is unset
// or empty.
QString playerDataFolder();
