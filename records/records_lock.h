#pragma once

#include <QString>

// Lets only one program at a time save into a records folder, from reading the files again to
// the end of writing them, so that two games that end together keep what both added. The lock is
// on the folder itself, so that it adds nothing to it; the system drops it when its holder ends,
// however it ends, so a lock is never left behind. Where the folder cannot be opened, nothing is
// locked and saving goes on.
class RecordsLock {
public:
    // Waits until no other program holds the lock.
    explicit RecordsLock(const QString &folder);
    ~RecordsLock();
    RecordsLock(const RecordsLock &) = delete;
    RecordsLock &operator=(const RecordsLock &) = delete;

private:
    int m_fd = -1;
};
