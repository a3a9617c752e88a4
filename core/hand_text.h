#pragma once

#include "core/card.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// Five cards as a player types them: a rank (2 to 10, T for ten, J, Q, K, A) and a suit
// (C, D, H, S or ♣ ♦ ♥ ♠), in either case, blanks or commas between the cards, e.g.
// "JH JS 2C 7D 9S" or "J♥ J♠ 2♣ 7♦ 9♠". The cards keep the order they were typed in.
struct ParsedHand {
    Hand hand{};
    QString error;   // empty when the text is a hand; otherwise one sentence saying what is wrong

    bool ok() const { return error.isEmpty(); }
};

ParsedHand parseHand(QStringView text);
// One card in the same letters or symbols, "jh", "10♠"; nullopt for anything else.
std::optional<Card> parseCard(QStringView word);
// The words of a typed text, as parseHand separates them.
QStringList cardWords(QStringView text);

// A card in the letters parseHand reads, "10H", "QS": for output that scripts read back.
QString cardLetters(Card card);
