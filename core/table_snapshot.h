#pragma once

#include "core/card.h"
#include "records/category.h"

#include <QtGlobal>
#include <array>
#include <optional>

// The round's phase as the player meets it: which of the two round buttons acts.
enum class RoundPhase {
    Bet,    // between rounds: "&Bet >>" and the bet choices
    Draw,   // a bet's round: "&Deal" and the marks
};

// Everything the Game tab shows, as values taken at one moment of the round. A view draws from
// it alone; it is a copy, so a view keeps no reference into the rules.
struct TableSnapshot {
    std::array<std::optional<Card>, kPositions> cards{};   // none: the card back shows
    std::array<bool, kPositions> faceDown{};               // the card back lies over the card
    RoundPhase phase = RoundPhase::Bet;
    std::optional<Category> category;                      // the hand named, or none
    bool handPays = false;                                 // the named hand wins: its name blinks
    qint64 stake = 0;                                      // of the last bet
    std::optional<qint64> win;                             // of the last draw; none between bet and draw
    qint64 balance = 0;

    friend bool operator==(const TableSnapshot &, const TableSnapshot &) = default;
};
