#pragma once

#include "records/value_file.h"

#include <QString>

// Stands between a records file as it was found at start and the save that replaces it, so that
// no player's file is lost: one that could not be read is not replaced, and one not in the form
// this program writes is first copied beside it as "<name>.bak" (once a run).
class FileKeeper {
public:
    explicit FileKeeper(FileCondition condition = FileCondition::Absent) : m_condition(condition) {}

    FileCondition condition() const { return m_condition; }

    // Call before each attempt to replace the file at `path`. A file unreadable at start is looked
    // at again first. False, with a reason a person can read in `error`, when it must not be
    // replaced now.
    bool readyToReplace(const QString &path, QString *error);

    static QString backupPath(const QString &path) { return path + QStringLiteral(".bak"); }

private:
    FileCondition m_condition;
};
