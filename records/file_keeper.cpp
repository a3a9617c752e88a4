#include "records/file_keeper.h"

#include "records/player_folders.h"
#include "records/replace_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sys/stat.h>

FileStamp FileStamp::of(const QString &path)
{
    struct stat found {};
    if (::stat(QFile::encodeName(path).constData(), &found) != 0)
        return {};
    return {true, quint64(found.st_dev), quint64(found.st_ino), qint64(found.st_size),
            qint64(found.st_mtim.tv_sec) * 1'000'000'000 + found.st_mtim.tv_nsec};
}

namespace {

// The player's own word: a file without any write permission is not replaced.
bool madeReadOnly(const QString &path)
{
    struct stat found {};
    return ::stat(QFile::encodeName(path).constData(), &found) == 0 && S_ISREG(found.st_mode)
        && (found.st_mode & 0222) == 0;
}

} // namespace

bool FileKeeper::save(const QString &path, const std::function<FileCondition()> &readAgain,
                      const std::function<bool(QString *error)> &write, QString *error)
{
    if (m_condition == FileCondition::Unreadable || FileStamp::of(path) != m_stamp)
        readAgainNow(path, readAgain);
    if (!readyToReplace(path, error) || !write(error))
        return false;
    m_stamp = FileStamp::of(path);
    return true;
}

void FileKeeper::readAgainIfUnreadable(const QString &path, const std::function<FileCondition()> &readAgain)
{
    if (m_condition == FileCondition::Unreadable)
        readAgainNow(path, readAgain);
}

void FileKeeper::readAgainNow(const QString &path, const std::function<FileCondition()> &readAgain)
{
    const FileStamp stamp = FileStamp::of(path);
    m_condition = readAgain();
    m_stamp = stamp;
}

bool FileKeeper::readyToReplace(const QString &path, QString *error)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (m_condition == FileCondition::Unreadable) {
        if (error)
            *error = QStringLiteral("%1 could not be read at start; saving would replace it.").arg(shown);
        return false;
    }
    if (madeReadOnly(path)) {
        if (error)
            *error = QStringLiteral("%1 is read-only; saving would replace it.").arg(shown);
        return false;
    }
    if (!mayWriteThrough(path, error))
        return false;
    const QString backup = backupPath(path);
    removeLeftovers(finalTarget(path));
    removeLeftovers(backup);
    if (m_condition == FileCondition::NotAsWritten && QFile::exists(path)) {
        const QString kept = keep(path, error);
        if (kept.isEmpty())
            return false;
        std::fprintf(stderr, "quintdraw: %s was not as this game writes it; its previous content is kept in %s\n",
                     qPrintable(shown), qPrintable(QDir::toNativeSeparators(kept)));
    }
    // Kept or never needing it: later attempts of this run must not keep the file again.
    m_condition = FileCondition::AsWritten;
    return true;
}

QString FileKeeper::keep(const QString &path, QString *error)
{
    const QString backup = backupPath(path);
    QString reason;
    if (keepFileAs(path, backup, &reason))
        return backup;
    // The folder refuses the name (no new files there, or another user's file at it): the
    // player's own state folder keeps a copy instead, so that no later save is refused for it. A
    // copy, since the file is then likely written in place.
    QString elsewhereReason;
    const QString folder = keptElsewhereFolder(QFileInfo(finalTarget(path)).absolutePath(), &elsewhereReason);
    const QString elsewhere = folder + u'/' + QFileInfo(backup).fileName();
    if (!folder.isEmpty() && keepFileAs(path, elsewhere, &elsewhereReason, Keeping::Copy))
        return elsewhere;
    if (error)
        *error = QStringLiteral("%1 must first be kept as %2. %3 %4")
                     .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup), reason, elsewhereReason);
    return {};
}

QString FileKeeper::startNotice(const QString &path) const
{
    const QString shown = QDir::toNativeSeparators(path);
    switch (m_condition) {
    case FileCondition::NotAsWritten:
        return QStringLiteral("%1 was damaged or not as this game writes it. What could be read is used; "
                              "the file's present content is kept as %2 when the game saves.")
            .arg(shown, QDir::toNativeSeparators(backupPath(path)));
    case FileCondition::Unreadable:
        return QStringLiteral("%1 could not be read. It is left as it is; the game will not replace it.").arg(shown);
    default:
        return {};
    }
}
