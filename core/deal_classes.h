#pragma once

#include "core/card.h"

#include <QtGlobal>
#include <array>
#include <functional>

// Every deal of five cards from 52, up to a relabelling of the suits: 134,459 classes, which
// together stand for all 2,598,960 deals. Two deals of one class are worth the same under every
// hold, so an analysis of all deals needs one deal of each class, weighted.
constexpr qint64 kDeals = 2598960;
constexpr int kDealClasses = 134459;

// A hand's cards by ascending rank, then suit, as forEachDealClass gives them, and where each
// one was dealt.
struct AscendingHand {
    explicit AscendingHand(const Hand &dealt);
    // The positions of the dealt hand that the cards `set` (bit i: card i) hold.
    unsigned dealtHold(unsigned set) const;

    Hand cards;
    std::array<int, kPositions> dealtPosition{};
};

// Calls `visit(hand, weight)` once per class, `weight` being how many deals it stands for; the
// hand's cards ascend by rank, then by suit.
void forEachDealClass(const std::function<void(const Hand &, int)> &visit);
