#pragma once

#include "core/card.h"
#include "core/draw_rules.h"

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

// What a hold is, in the terms of a strategy chart: a made hand, so many cards to a royal flush,
// a straight flush, a flush or a straight, high cards, or nothing kept. Holds that no chart
// would name (a pair with a kicker, three cards of a straight flush with a pair beside them...)
// have no class.
enum class HoldKind : quint8 {
    RoyalFlush, StraightFlush, FourOfAKind, FullHouse, Flush, Straight, ThreeOfAKind, TwoPair,
    HighPair, LowPair, ToRoyalFlush, ToStraightFlush, ToFlush, ToStraight, HighCards, DrawFive,
};

struct HoldClass {
    HoldKind kind = HoldKind::DrawFive;
    quint8 cards = 0;       // cards kept
    quint8 highCards = 0;   // kept cards whose pair would pay, where that tells classes apart
    quint8 straights = 0;   // runs of five that the kept ranks fit in, for draws to a straight (flush)
    quint16 ranks = 0;      // the kept ranks (bit r - 2), where the class names them

    friend bool operator==(const HoldClass &, const HoldClass &) = default;
    quint64 key() const;    // one number per class, ordered by kind first
};

// The class of keeping `hold` (bit i: card i) of `dealt` under `rules`; nullopt for none.
std::optional<HoldClass> classifyHold(const Hand &dealt, unsigned hold, const DrawRules &rules);

// The words a player reads in a chart line. Several classes of one kind and size make one line.
QString describe(const std::vector<HoldClass> &line, const DrawRules &rules);
// Whether two classes may share a line.
bool shareLine(const HoldClass &a, const HoldClass &b);
