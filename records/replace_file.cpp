#include "records/replace_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

namespace {

bool onlyWritableInPlace(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isWritable() && !QFileInfo(info.absolutePath()).isWritable();
}

// Unbuffered, so that every failing write (a full disk) shows at once.
bool writeAll(QFile &file, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

} // namespace

bool replaceFile(const QString &path, const FillFile &fill, QString *error)
{
    // A link stays a link; the file it points to is the one replaced.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    const bool inPlace = onlyWritableInPlace(target);
    QFile file(inPlace ? target : target + QStringLiteral(".saving"));
    QString reason;
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    const bool created = ok && !inPlace;
    if (created && QFileInfo::exists(target))
        file.setPermissions(QFile::permissions(target));
    ok = ok && fill([&](QByteArrayView bytes) { return writeAll(file, bytes); }, reason);
    if (!ok && reason.isEmpty())
        reason = file.errorString();
    file.close();
    if (ok && created && std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(target).constData()) != 0) {
        reason = qt_error_string(errno);
        ok = false;
    }
    if (!ok && created)
        QFile::remove(file.fileName());
    if (!ok && error)
        *error = QStringLiteral("Cannot save %1: %2").arg(QDir::toNativeSeparators(path), reason);
    return ok;
}
