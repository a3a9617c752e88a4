#pragma once

#include "core/table_snapshot.h"

// What the round tells the screen: one call for each thing that happened, each with the whole
// table as it is now. Positions are 1..5. The view decides how to show it; pauses are the
// round's, on its Clock, between these calls.
class RoundView {
public:
    virtual ~RoundView() = default;

    // A new game: the card backs, the first bet choice, no hand name, the phase Bet.
    virtual void newGame(const TableSnapshot &table) = 0;
    // The stake is taken and the phase is Draw; a new deck shows its backs until dealt.
    virtual void betPlaced(const TableSnapshot &table) = 0;
    // A card lies face up in its place; it is seen before the pause that follows.
    virtual void dealt(int position, const TableSnapshot &table) = 0;
    // Slow speed: the card at `position` rises from behind the frame below the row and shows its
    // top edge; the round then pauses and dealt(position) puts it in its place.
    virtual void rising(int position, const TableSnapshot &table) = 0;
    // The player marked the card for exchange or took the mark back (table.faceDown tells).
    virtual void marked(int position, const TableSnapshot &table) = 0;
    // The bet's five cards are dealt and named; the player may now mark them.
    virtual void handDealt(const TableSnapshot &table) = 0;
    // The draw is dealt, named and paid; the phase is Bet again.
    virtual void paid(const TableSnapshot &table) = 0;
};
