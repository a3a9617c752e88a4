#pragma once

#include <QString>

// Asks the player for a name when a game result enters the hi-score list.
class NamePrompt {
public:
    virtual ~NamePrompt() = default;
    // `offered` stands ready in the edit field. Returns the text typed, or empty text when cancelled.
    virtual QString askName(const QString &offered) = 0;
};
