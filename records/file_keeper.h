#pragma once

#include "records/value_file.h"

#include <QString>
#include <functional>

// What tells one version of a file from another without reading it: any save replaces or
// rewrites it and so changes this.
struct FileStamp {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    // Of the file the path finally names.
    static FileStamp of(const QString &path);
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

// Stands between a records file as this run read it and the save that replaces it, so that no
// player's file is lost: one that cannot be read or that the player made read-only is not
// replaced, one not in the form this program writes is first kept beside it as "<name>.bak" (once
// for each version found; in the player's state folder where the folder refuses that name), and one another program saved in the meantime is read again, so that
// this run's changes go onto it.
class FileKeeper {
public:
    FileKeeper() = default;
    // `stamp` is taken before the file is read, so that a save by another program while it was
    // read counts as a change.
    FileKeeper(FileCondition condition, FileStamp stamp) : m_condition(condition), m_stamp(stamp) {}

    FileCondition condition() const { return m_condition; }

    // Replaces the file at `path` by `write`. When the file may no longer hold what this run read
    // or last wrote (another program saved it, or it could not be read), `readAgain` first reads
    // it as it is now and puts this run's changes onto what it found, unless it returns
    // Unreadable. False, with a reason a person can read in `error`, when the file must not be
    // replaced now or could not be written. Call only while holding the RecordsLock.
    bool save(const QString &path, const std::function<FileCondition()> &readAgain,
              const std::function<bool(QString *error)> &write, QString *error);

    // Reads the file again, as save does first, when this run could not read it so far, so that
    // what is judged against it (a result against the hi-score list) is judged against the file
    // as it is now.
    void readAgainIfUnreadable(const QString &path, const std::function<FileCondition()> &readAgain);

    // What the player is told after start-up about a file as it was found; empty when it was fine.
    QString startNotice(const QString &path) const;

    static QString backupPath(const QString &path) { return path + QStringLiteral(".bak"); }

private:
    void readAgainNow(const QString &path, const std::function<FileCondition()> &readAgain);
    bool readyToReplace(const QString &path, QString *error);
    // Keeps the file as it is now as "<name>.bak" beside it, or where the folder refuses that
    // name, in the player's state folder (keptElsewhereFolder); where it was kept, or empty.
    static QString keep(const QString &path, QString *error);

    FileCondition m_condition = FileCondition::Absent;
    FileStamp m_stamp;
};
