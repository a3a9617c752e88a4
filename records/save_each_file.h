#pragma once

#include <QList>
#include <QString>
#include <chrono>
#include <functional>

class SaveFailurePrompt;

// One records file to save: its path, and the save itself (normally through its FileKeeper),
// false with a reason a person can read.
struct RecordsFileSave {
    QString path;
    std::function<bool(QString *error)> save;
};

// How long a save waits for another program's before asking the player: longer than any save takes
// on a working disk, short enough that a hanging one is soon told.
inline constexpr std::chrono::milliseconds kSavePatience{5000};

// Saves the files in turn, each on its own while holding the RecordsLock of the folder it is
// replaced in, so that one refused file costs no other. After a failure `prompt` is asked whether
// to try that file again. While another program holds a lock, the wait keeps the event loop
// turning, holding user input back (windows keep painting), and after `patience` asks `prompt`
// whether to wait on or to leave without saving the files not saved yet.
void saveEachFile(const QList<RecordsFileSave> &files, SaveFailurePrompt &prompt,
                  std::chrono::milliseconds patience = kSavePatience);
