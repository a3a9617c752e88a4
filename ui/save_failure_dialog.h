#pragma once

#include "records/save_failure_prompt.h"

// Tells the player which file could not be written and why, or that another game is saving
// into its folder, and offers to try again or to leave without saving.
class SaveFailureDialog : public SaveFailurePrompt {
public:
    Choice askAfterFailure(const QString &fileName, const QString &reason, const QStringList &unsaved) override;
    Choice askWhileAnotherSaves(const QString &folder, const QStringList &unsaved) override;
};
