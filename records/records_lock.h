#pragma once

#include <QString>

// Lets only one program at a time save into the folder where a records file is replaced (the
// folder of the last target of any links, so that games whose files link to the same files share
// it), from reading the file again to the end of writing it, so that two games that end together
// keep what both added. The system drops the lock when its holder ends, however it ends, so a
// lock is never left behind.
//
// The lock is on the folder itself, so that it adds nothing to it. A folder whose permissions let
// someone make files in it but not list it (mode 0311, say) cannot be opened to lock it: there
// every game locks a file of its own instead, ".quintdraw-lock", made where missing and never
// removed (removing it would let two games lock two different files). The choice follows from
// the folder's mode alone, so that all games in a folder lock the same thing. Where neither can
// be opened, nothing is locked and saving goes on.
class RecordsLock {
public:
    enum class Wait { AsLongAsNeeded, NotAtAll };

    // The folder `file` is replaced in.
    static QString folderOf(const QString &file);

    explicit RecordsLock(const QString &folder, Wait wait = Wait::AsLongAsNeeded);
    ~RecordsLock();
    RecordsLock(const RecordsLock &) = delete;
    RecordsLock &operator=(const RecordsLock &) = delete;

    // False only when another program held the lock and this one was not to wait.
    bool taken() const { return m_taken; }

private:
    int m_fd = -1;
    bool m_taken = true;
};
