#pragma once

#include "core/card.h"

#include <QtGlobal>
#include <functional>

// Every deal of five cards from 52, up to a relabelling of the suits: 134,459 classes, which
// together stand for all 2,598,960 deals. Two deals of one class are worth the same under every
// hold, so an analysis of all deals needs one deal of each class, weighted.
constexpr qint64 kDeals = 2598960;
constexpr int kDealClasses = 134459;

// Calls `visit(hand, weight)` once per class, `weight` being how many deals it stands for; the
// hand's cards ascend by rank, then by suit.
void forEachDealClass(const std::function<void(const Hand &, int)> &visit);
