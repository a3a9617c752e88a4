#pragma once

#include "records/category.h"

#include <optional>

// What the round flow tells the screen, in the round's own terms: the phase a round is in, the
// cards dealt, a new game, the hand's name with its blinking. The view decides how to show it.
class RoundView {
public:
    enum class Phase {
        Bet,    // between rounds: "&Bet >>" and the bet choices enabled, "&Bet >>" has the focus
        Draw,   // a bet's round: "&Deal" enabled and focused, "&Bet >>" and the bet choices not
    };

    virtual ~RoundView() = default;

    // Switches both buttons, the bet choices and the focus of the phase at once.
    virtual void showPhase(Phase phase) = 0;
    // The bet's cards are dealt and classified; the player may now mark them.
    virtual void cardsDealt() = 0;
    // A new game began, its money and cards set: the first bet choice selected, no hand name, no
    // blinking, and the phase Bet.
    virtual void newGameBegan() = 0;
    // The hand label names the category, or nothing.
    virtual void showHandName(std::optional<Category> category) = 0;
    // Blinking the hand name: interval in milliseconds, 0 stops it.
    virtual void setBlinkInterval(int milliseconds) = 0;
};
