#pragma once

#include <QString>

// Asks the player what to do when a records file could not be written.
class SaveFailurePrompt {
public:
    enum class Choice { TryAgain, LeaveWithoutSaving };

    virtual ~SaveFailurePrompt() = default;
    virtual Choice askAfterFailure(const QString &fileName, const QString &reason) = 0;
};
