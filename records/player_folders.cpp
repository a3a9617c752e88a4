#include "records/player_folders.h"

#include "records/replace_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kMaxNameBytes = 255;

} // namespace

QString playerHome()
{
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home);
    const passwd *entry = ::getpwuid(::geteuid());
    if (entry && entry->pw_dir && entry->pw_dir[0] == '/')
        return QDir::cleanPath(QFile::decodeName(entry->pw_dir));
    return QDir::rootPath();
}

QString xdgBaseFolder(const char *variable, const QString &underHome)
{
    const QString value = qEnvironmentVariable(variable);
    return QDir::cleanPath(QDir::isAbsolutePath(value) ? value : playerHome() + u'/' + underHome);
}

QString keptElsewhereFolder(const QString &recordsFolder, QString *error)
{
    const QString absolute = QDir::cleanPath(QFileInfo(recordsFolder).absoluteFilePath());
    QByteArray name = QUrl::toPercentEncoding(absolute);
    if (name.size() > kMaxNameBytes)   // too long for one name: its end, told apart by a digest
        name = QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex().left(16) + '-'
            + name.right(kMaxNameBytes - 17);
    const QString folder = xdgBaseFolder("XDG_STATE_HOME", QStringLiteral(".local/state"))
        + QStringLiteral("/quintdraw/kept/") + QString::fromLatin1(name);
    return makePrivateFolder(folder, error) ? folder : QString();
}

bool makePrivateFolder(const QString &path, QString *error)
{
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    for (qsizetype end = absolute.indexOf(u'/', 1);; end = absolute.indexOf(u'/', end + 1)) {
        const QString step = end < 0 ? absolute : absolute.left(end);
        if (::mkdir(QFile::encodeName(step).constData(), 0700) == 0) {
            syncFolder(QFileInfo(step).absolutePath());   // the new folder outlasts a power cut
        } else if (errno != EEXIST) {
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
