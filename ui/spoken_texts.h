#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What a screen reader says about the game, written in one place. A screen reader voices a
// changed description only on the control that has the focus, so the round's news is put on
// the focused button with these texts.
namespace spoken {

// A card's state on the table, as its description.
QString noCardDealt();
QString faceUp();
QString faceDown();
QString coverOf(int position);   // 1..5

// A face's name: the card, and its mark when it is to be exchanged.
QString faceName(const QString &card, bool exchanged);
// The news of a mark: "3 of spades, to be exchanged" or "3 of spades, kept".
QString marked(const QString &card, bool exchanged);
// The whole table, as "where am I" tells it. Before the first deal of a game: that a new game
// began, its balance and the stake chosen. In a round: the five faces in table order (with
// their marks), the hand's name when one is shown, the stake and the balance. After the draw
// the hand's name or that it pays nothing, and the win before the balance.
QString newGame(qint64 balance, qint64 stake);
QString table(const QStringList &faces, const QString &handName, qint64 stake, std::optional<qint64> win,
              qint64 balance);

// A Help example: its face-up cards in order, then how many places show the card back.
QString example(const QStringList &faces, int backs);
// What an example place is: "example card 3".
QString exampleCard(int place);   // 1..5

// A value on the Stats and Payoff tabs as its name: what it counts, then the value, so that
// every screen reader says both ("Full house, total: 7"; "Royal flush pays 20000 for a stake of
// 20"). A label's description is not spoken by every reader.
QString currentGameCount(const QString &category, const QString &count);
QString totalCount(const QString &category, const QString &count);
QString averageWin(const QString &average);
QString payoffAmount(const QString &category, const QString &amount, qint64 stake);
// The news of another stake chosen on the Payoff tab.
QString payoffStake(qint64 stake);

// The start-up window's lines of text below its title, read one after the other.
QString startupText(const QStringList &lines);

// The news of "Reset list".
QString hiScoresReset();

// A help picture's text read out: its lines, a second column after a comma, each sentence on a
// line of its own so that a reader can go through it line by line.
QString pictureText(const QStringList &lines);

} // namespace spoken
