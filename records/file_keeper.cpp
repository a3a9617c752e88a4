#include "records/file_keeper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

FileCondition lookAgain(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileCondition::Absent;
    QFile file(path);
    return info.isFile() && file.open(QIODevice::ReadOnly) ? FileCondition::NotAsWritten : FileCondition::Unreadable;
}

} // namespace

bool FileKeeper::readyToReplace(const QString &path, QString *error)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (m_condition == FileCondition::Unreadable)
        m_condition = lookAgain(path);
    if (m_condition == FileCondition::Unreadable) {
        if (error)
            *error = QStringLiteral("%1 could not be read at start; saving would replace it.").arg(shown);
        return false;
    }
    if (m_condition == FileCondition::NotAsWritten && QFileInfo::exists(path)) {
        const QString backup = backupPath(path);
        QString reason;
        if (!copyFile(path, backup, &reason)) {
            if (error)
                *error = QStringLiteral("%1 must first be kept as %2. %3")
                             .arg(shown, QDir::toNativeSeparators(backup), reason);
            return false;
        }
        std::fprintf(stderr, "quintdraw: %s was not as this game writes it; its previous content is kept in %s\n",
                     qPrintable(shown), qPrintable(QDir::toNativeSeparators(backup)));
    }
    // Kept or never needing it: later attempts of this run must not copy a half-written file.
    m_condition = FileCondition::AsWritten;
    return true;
}
