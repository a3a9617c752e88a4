#include "core/hold_class.h"

#include "records/category.h"

#include <QStringList>
#include <bit>

namespace {

constexpr unsigned kRoyalRanks = 0x1F00;   // ten to ace, bit r - 2

QString pluralRank(int rank)
{
    static const char *const names[] = {"twos", "threes", "fours", "fives", "sixes", "sevens", "eights",
                                        "nines", "tens", "jacks", "queens", "kings", "aces"};
    return QString::fromLatin1(names[rank - kLowestRank]);
}

QString count(int cards)
{
    static const char *const words[] = {"No", "One", "Two", "Three", "Four", "Five"};
    return QString::fromLatin1(words[cards]);
}

// "K-Q-J": ranks from the highest.
QString rankList(unsigned ranks)
{
    QStringList texts;
    for (int bit = 12; bit >= 0; --bit) {
        if (ranks & (1U << bit))
            texts.append(rankText(bit + kLowestRank));
    }
    return texts.join(QLatin1Char('-'));
}

QString highCardsText(int highCards)
{
    return highCards == 1 ? QStringLiteral("1 high card") : QStringLiteral("%1 high cards").arg(highCards);
}

// What tells a class apart from the others of its kind and size.
QString variant(const HoldClass &held)
{
    switch (held.kind) {
    case HoldKind::ToRoyalFlush:
    case HoldKind::HighCards:
        return rankList(held.ranks);
    case HoldKind::ToStraightFlush:
    case HoldKind::ToStraight:
        if (held.cards == 4) {
            const QString shape = held.straights > 1 ? QStringLiteral("open") : QStringLiteral("inside");
            return held.kind == HoldKind::ToStraight ? shape + QStringLiteral(", ") + highCardsText(held.highCards) : shape;
        }
        return QStringLiteral("%1, %2 possible straight%3")
            .arg(highCardsText(held.highCards))
            .arg(held.straights)
            .arg(held.straights == 1 ? QString() : QStringLiteral("s"));
    case HoldKind::ToFlush:
        return highCardsText(held.highCards);
    default:
        return QString();
    }
}

QString kindText(const HoldClass &held, const DrawRules &rules)
{
    switch (held.kind) {
    // A made hand is named as the Stats and Payoff tabs head its category.
    case HoldKind::RoyalFlush: return categoryHeading(Category::RoyalFlush);
    case HoldKind::StraightFlush: return categoryHeading(Category::StraightFlush);
    case HoldKind::FourOfAKind: return categoryHeading(Category::FourOfAKind);
    case HoldKind::FullHouse: return categoryHeading(Category::FullHouse);
    case HoldKind::Flush: return categoryHeading(Category::Flush);
    case HoldKind::Straight: return categoryHeading(Category::Straight);
    case HoldKind::ThreeOfAKind: return categoryHeading(Category::ThreeOfAKind);
    case HoldKind::TwoPair: return categoryHeading(Category::TwoPair);
    case HoldKind::HighPair:
        return rules.lowestPayingPair == kLowestRank
                   ? QStringLiteral("Any pair")
                   : QStringLiteral("High pair (%1 or better)").arg(pluralRank(rules.lowestPayingPair));
    case HoldKind::LowPair:
        return rules.lowestPayingPair == kLowestRank + 1
                   ? QStringLiteral("Low pair (twos)")
                   : QStringLiteral("Low pair (twos to %1)").arg(pluralRank(rules.lowestPayingPair - 1));
    case HoldKind::ToRoyalFlush:
        return held.cards == 2 ? QStringLiteral("Two suited cards to a royal flush")
                               : QStringLiteral("%1 to a royal flush").arg(count(held.cards));
    case HoldKind::ToStraightFlush: return QStringLiteral("%1 to a straight flush").arg(count(held.cards));
    case HoldKind::ToFlush: return QStringLiteral("%1 to a flush").arg(count(held.cards));
    case HoldKind::ToStraight: return QStringLiteral("%1 to a straight").arg(count(held.cards));
    case HoldKind::HighCards:
        return held.cards == 1 ? QStringLiteral("One high card")
                               : QStringLiteral("%1 high cards of different suits").arg(count(held.cards));
    case HoldKind::DrawFive: return QStringLiteral("Draw five new cards");
    }
    return QString();
}

} // namespace

quint64 HoldClass::key() const
{
    return quint64(kind) << 40 | quint64(cards) << 32 | quint64(highCards) << 24 | quint64(straights) << 16 | ranks;
}

bool shareLine(const HoldClass &a, const HoldClass &b)
{
    return a.kind == b.kind && a.cards == b.cards && !variant(a).isEmpty();
}

QString describe(const std::vector<HoldClass> &line, const DrawRules &rules)
{
    QStringList variants;
    for (const HoldClass &held : line) {
        const QString text = variant(held);
        if (!text.isEmpty())
            variants.append(text);
    }
    const QString kind = kindText(line.front(), rules);
    // A hand may fit two classes of a line: the first one listed is kept.
    return variants.isEmpty() ? kind : kind + QStringLiteral(": ") + variants.join(QStringLiteral(", then "));
}

std::optional<HoldClass> classifyHold(const Hand &dealt, unsigned hold, const DrawRules &rules)
{
    const auto [nibbles, ranks, suits] = packCards(dealt, hold);
    HoldClass held;
    for (int i = 0; i < kPositions; ++i)
        held.highCards += (hold & (1U << i)) && dealt[i].rank >= rules.lowestPayingPair;
    held.cards = quint8(std::popcount(hold));
    const bool distinct = std::popcount(ranks) == held.cards;
    const bool suited = std::popcount(suits) == 1;

    auto kindOnly = [&](HoldKind kind) {
        return std::optional<HoldClass>(HoldClass{kind, held.cards, 0, 0, 0});
    };
    if (held.cards == 0)
        return kindOnly(HoldKind::DrawFive);
    if (held.cards == kPositions) {
        switch (rules.category(PackedCards{nibbles, ranks, suits})) {
        case categoryIndex(Category::RoyalFlush): return kindOnly(HoldKind::RoyalFlush);
        case categoryIndex(Category::StraightFlush): return kindOnly(HoldKind::StraightFlush);
        case categoryIndex(Category::FullHouse): return kindOnly(HoldKind::FullHouse);
        case categoryIndex(Category::Flush): return kindOnly(HoldKind::Flush);
        case categoryIndex(Category::Straight): return kindOnly(HoldKind::Straight);
        default: return std::nullopt;
        }
    }
    if (!distinct) {
        const int category = rules.rankCategory(nibbles);   // as if the rest were nothing
        const int pairs = held.cards - std::popcount(ranks);
        if (held.cards == 4 && category == categoryIndex(Category::FourOfAKind))
            return kindOnly(HoldKind::FourOfAKind);
        if (held.cards == 4 && category == categoryIndex(Category::TwoPair))
            return kindOnly(HoldKind::TwoPair);
        if (held.cards == 3 && category == categoryIndex(Category::ThreeOfAKind))
            return kindOnly(HoldKind::ThreeOfAKind);
        if (held.cards == 2 && pairs == 1)
            return kindOnly(held.highCards ? HoldKind::HighPair : HoldKind::LowPair);
        return std::nullopt;
    }

    const int straights = rules.runsContaining(ranks);
    if (suited && held.cards >= 2) {
        if ((ranks & ~kRoyalRanks) == 0)
            return HoldClass{HoldKind::ToRoyalFlush, held.cards, 0, 0, quint16(held.cards == 2 ? ranks : 0)};
        if (straights)
            return HoldClass{HoldKind::ToStraightFlush, held.cards, quint8(held.cards == 4 ? 0 : held.highCards),
                             quint8(held.cards == 4 ? std::min(straights, 2) : straights), 0};
        if (held.cards >= 3)
            return HoldClass{HoldKind::ToFlush, held.cards, held.highCards, 0, 0};
        return std::nullopt;
    }
    if (held.highCards == held.cards && held.cards <= 3 && std::popcount(suits) == held.cards)
        return HoldClass{HoldKind::HighCards, held.cards, 0, 0, quint16(ranks)};
    if (held.cards >= 3 && straights)
        return HoldClass{HoldKind::ToStraight, held.cards, held.highCards,
                         quint8(held.cards == 4 ? std::min(straights, 2) : straights), 0};
    return std::nullopt;
}
