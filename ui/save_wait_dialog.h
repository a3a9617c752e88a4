#pragma once

#include "records/save_failure_prompt.h"

// Says that another Quintdraw has been saving into `folder` for a while, and offers to wait for it
// ("Try again") or to leave the files in `unsaved` as they are.
SaveFailurePrompt::Choice askWhileAnotherSaves(const QString &folder, const QStringList &unsaved);
