#pragma once

#include <QString>
#include <QStringList>

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
// After the bet: the five cards in table order, then the hand's name (categoryName) when one is
// shown.
QString dealt(const QStringList &cards, const QString &handName);
// After the draw: the five cards, the hand's name or that it pays nothing, the win, the balance.
QString drawn(const QStringList &cards, const QString &handName, qint64 win, qint64 balance);

// A help picture's text read out: its lines, a second column after a comma.
QString pictureText(const QStringList &lines);

} // namespace spoken
