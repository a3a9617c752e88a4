#include "card_notation.h"

#include <QStringList>
#include <QtGlobal>
#include <cstring>

namespace {

constexpr char kSuitLetters[] = "DHCS";   // index = suit value

int rankOf(QStringView text)
{
    if (text == u"10" || text == u"T")
        return 10;
    if (text.size() != 1)
        return 0;
    const char letter = text.front().toLatin1();
    if (letter >= '2' && letter <= '9')
        return letter - '0';
    switch (letter) {
    case 'J': return 11;
    case 'Q': return 12;
    case 'K': return 13;
    case 'A': return kAce;
    default: return 0;
    }
}

} // namespace

Card card(QStringView text)
{
    const int rank = text.size() >= 2 ? rankOf(text.chopped(1)) : 0;
    const char *suit = text.isEmpty() ? nullptr : std::strchr(kSuitLetters, text.back().toLatin1());
    if (rank == 0 || suit == nullptr || *suit == '\0')
        qFatal("card notation: \"%s\" is no card (rank 2-9, T or 10, J, Q, K, A; suit D H C S)",
               qPrintable(text.toString()));
    return Card{rank, int(suit - kSuitLetters)};
}

Hand hand(const char *text)
{
    const QStringList words = QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
    if (words.size() != kPositions)
        qFatal("card notation: \"%s\" is not five cards", text);
    Hand result;
    for (int i = 0; i < kPositions; ++i)
        result[i] = card(words[i]);
    return result;
}

QString handText(const Hand &hand)
{
    QStringList words;
    for (const Card &c : hand)
        words << rankText(c.rank) + QLatin1Char(kSuitLetters[c.suit]);
    return words.join(u' ');
}
