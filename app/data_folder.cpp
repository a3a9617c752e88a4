#include "app/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

QString playerDataFolder()
{
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    const QString base = QDir::isAbsolutePath(dataHome) ? dataHome : QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/quintdraw"));
}

bool makePrivateFolder(const QString &path, QString *error)
{
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    for (qsizetype end = absolute.indexOf(u'/', 1);; end = absolute.indexOf(u'/', end + 1)) {
        const QString step = end < 0 ? absolute : absolute.left(end);
        if (::mkdir(QFile::encodeName(step).constData(), 0700) != 0 && errno != EEXIST) {
            *error = qt_error_string(errno);
            return false;
        }
        if (end < 0)
            break;
    }
    if (!QFileInfo(absolute).isDir()) {
        *error = QStringLiteral("it is not a folder");
        return false;
    }
    return true;
}
