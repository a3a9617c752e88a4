#include "core/hand_text.h"

#include <QRegularExpression>

namespace {

constexpr char kSuitLetters[] = "DHCS";   // index = suit value

// Both the black and the white forms of each suit symbol, in suit order.
constexpr char16_t kSuitSymbols[4][2] = {{u'♦', u'♢'}, {u'♥', u'♡'}, {u'♣', u'♧'}, {u'♠', u'♤'}};

int rankOf(QStringView text)
{
    if (text == u"10" || text.compare(u"T", Qt::CaseInsensitive) == 0)
        return 10;
    if (text.size() != 1)
        return 0;
    const char16_t letter = text.front().toUpper().unicode();
    if (letter >= u'2' && letter <= u'9')
        return letter - u'0';
    switch (letter) {
    case u'J': return 11;
    case u'Q': return 12;
    case u'K': return 13;
    case u'A': return kAce;
    default: return 0;
    }
}

int suitOf(QChar character)
{
    const char16_t upper = character.toUpper().unicode();
    for (int suit = 0; suit < 4; ++suit) {
        if (upper == char16_t(kSuitLetters[suit]) || upper == kSuitSymbols[suit][0] || upper == kSuitSymbols[suit][1])
            return suit;
    }
    return -1;
}

} // namespace

std::optional<Card> parseCard(QStringView word)
{
    // A symbol may come with the selector that asks for its coloured picture.
    if (word.endsWith(u'\uFE0F') || word.endsWith(u'\uFE0E'))
        word.chop(1);
    if (word.size() < 2)
        return std::nullopt;
    const int rank = rankOf(word.chopped(1));
    const int suit = suitOf(word.back());
    if (rank == 0 || suit < 0)
        return std::nullopt;
    return Card{rank, suit};
}

QStringList cardWords(QStringView text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    return text.toString().split(separators, Qt::SkipEmptyParts);
}

ParsedHand parseHand(QStringView text)
{
    const QStringList words = cardWords(text);
    ParsedHand parsed;
    if (words.size() != kPositions) {
        parsed.error = words.isEmpty() ? QStringLiteral("No cards: a hand is five cards, e.g. \"JH JS 2C 7D 9S\".")
                                       : QStringLiteral("%1 cards: a hand is five cards, e.g. \"JH JS 2C 7D 9S\".")
                                             .arg(words.size());
        return parsed;
    }
    for (int i = 0; i < kPositions; ++i) {
        const std::optional<Card> card = parseCard(words[i]);
        if (!card) {
            parsed.error = QStringLiteral("\"%1\" is not a card: a card is a rank (2 to 10, T for ten, J, Q, K, A) "
                                          "and a suit (C, D, H, S or ♣ ♦ ♥ ♠), e.g. \"JH\".")
                               .arg(words[i]);
            return parsed;
        }
        for (int before = 0; before < i; ++before) {
            if (parsed.hand[before] == *card) {
                parsed.error = QStringLiteral("\"%1\" and \"%2\" are the same card, the %3: a deck has each card once.")
                                   .arg(words[before], words[i], cardName(*card).toLower());
                return parsed;
            }
        }
        parsed.hand[i] = *card;
    }
    return parsed;
}

QString cardLetters(Card card)
{
    return rankText(card.rank) + QLatin1Char(kSuitLetters[card.suit]);
}
