#include "app/data_folder.h"

#include <QDir>

QString playerDataFolder()
{
    return QDir::cleanPath(xdgBaseFolder("XDG_DATA_HOME", QStringLiteral(".local/share")) + QStringLiteral("/quintdraw"));
}
