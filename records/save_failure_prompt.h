#pragma once

#include <QString>
#include <QStringList>

// Asks the player what to do when a records file could not be written, or not yet.
class SaveFailurePrompt {
public:
    enum class Choice { TryAgain, LeaveWithoutSaving };

    virtual ~SaveFailurePrompt() = default;
    // `unsaved`: the files that leaving without saving leaves unwritten, the failed one among them.
    virtual Choice askAfterFailure(const QString &fileName, const QString &reason, const QStringList &unsaved) = 0;
    // Another program has been saving into `folder` for a while (it may hang); `unsaved` as above.
    virtual Choice askWhileAnotherSaves(const QString &folder, const QStringList &unsaved) = 0;
};
