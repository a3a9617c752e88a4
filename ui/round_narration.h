#pragma once

#include "core/table_snapshot.h"

#include <QString>

// What a screen reader hears of the Game tab, as pure functions of what the round told (the
// event and its snapshot). A screen reader voices a changed description only on the control
// with the focus, so the round's button describes the whole table ("where am I") and the news
// of a step is sent there. The table is described only once a step leaves it at rest (a bet's
// cards all dealt, a mark, the payout, a new game), not card by card while it is dealt: each
// description a screen reader hears of costs it an event on the accessibility bus.
namespace narration {

enum class Event { NewGame, BetPlaced, Dealt, Rising, Marked, HandDealt, Paid, StakeChosen };

// Whether after this event the table is described anew.
bool describes(Event event);
// The whole table on the round's button. Before the first deal of a game: a new game with its
// balance and the stake chosen; afterwards the faces, the hand, the stake, the win and balance.
QString tableDescription(const TableSnapshot &table, qint64 chosenStake);
// A face's name (the card, with its mark) and its state; no name where the back shows, which
// the picture names itself.
QString faceName(const TableSnapshot &table, int position);
QString faceState(const TableSnapshot &table, int position);
// The news of the event for the focused button; empty for none. A new game between rounds
// keeps the focus on "&Bet >>", so its news is the new game's description.
QString news(Event event, int position, const TableSnapshot &table, qint64 chosenStake);

} // namespace narration
