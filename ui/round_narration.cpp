#include "ui/round_narration.h"

#include "ui/spoken_texts.h"

#include <QStringList>

namespace narration {

bool describes(Event event)
{
    switch (event) {
    case Event::BetPlaced:
    case Event::Dealt:
    case Event::Rising:
        return false;
    case Event::NewGame:
    case Event::Marked:
    case Event::HandDealt:
    case Event::Paid:
    case Event::StakeChosen:
        return true;
    }
    return false;
}

QString faceName(const TableSnapshot &table, int position)
{
    const std::optional<Card> card = table.cards[position - 1];
    return card ? spoken::faceName(cardName(*card), table.faceDown[position - 1]) : QString();
}

QString faceState(const TableSnapshot &table, int position)
{
    if (!table.cards[position - 1])
        return spoken::noCardDealt();
    return table.faceDown[position - 1] ? spoken::faceDown() : spoken::faceUp();
}

QString tableDescription(const TableSnapshot &table, qint64 chosenStake)
{
    QStringList faces;
    for (int position = 1; position <= kPositions; ++position) {
        if (table.cards[position - 1])
            faces << faceName(table, position);
    }
    if (faces.isEmpty())
        return spoken::newGame(table.balance, chosenStake);
    return spoken::table(faces, table.category ? categoryName(*table.category) : QString(), table.stake, table.win,
                         table.balance);
}

QString news(Event event, int position, const TableSnapshot &table, qint64 chosenStake)
{
    if (event == Event::NewGame)
        return tableDescription(table, chosenStake);
    if (event == Event::Marked) {
        if (const std::optional<Card> card = table.cards[position - 1])
            return spoken::marked(cardName(*card), table.faceDown[position - 1]);
    }
    return {};
}

} // namespace narration
