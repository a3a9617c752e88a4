#include "core/card.h"

QString rankText(int rank)
{
    switch (rank) {
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    case 14: return QStringLiteral("A");
    default: return QString::number(rank);
    }
}

QString cardName(Card card)
{
    static const char *const suits[] = {"diamonds", "hearts", "clubs", "spades"};
    static const char *const faces[] = {"Jack", "Queen", "King", "Ace"};
    const QString rank = card.rank >= 11 ? QString::fromLatin1(faces[card.rank - 11])
                                         : QString::number(card.rank);
    return QStringLiteral("%1 of %2").arg(rank, QString::fromLatin1(suits[card.suit]));
}
