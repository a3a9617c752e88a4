#pragma once

#include "records/category.h"

#include <optional>

// The controls of a round that the round flow switches: the two buttons, the bet choices, the
// focus, and the hand name with its blinking.
class RoundView {
public:
    virtual ~RoundView() = default;

    virtual void setBetEnabled(bool enabled) = 0;
    virtual void setDealEnabled(bool enabled) = 0;
    virtual void setBetChoicesEnabled(bool enabled) = 0;
    virtual void selectFirstBetChoice() = 0;
    virtual void focusBet() = 0;
    virtual void focusDeal() = 0;
    // The hand label names the category, or nothing.
    virtual void showHandName(std::optional<Category> category) = 0;
    // Blinking the hand name: interval in milliseconds, 0 stops it.
    virtual void setBlinkInterval(int milliseconds) = 0;
};
