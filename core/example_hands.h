#pragma once

#include "core/card.h"
#include "records/category.h"

#include <array>
#include <optional>

class RandomSource;

// What the Help tab's five example places show; index = place - 1, nullopt = the card back.
using ExamplePlaces = std::array<std::optional<Card>, kPositions>;

// A fresh random example of the hand category, face up only on the
// places that make the combination. Each category follows its own drawing rule, one call of
// random.below() per draw in a fixed order, so a scripted source gives a fixed example; the
// classifier is not asked (a "Straight" example may well be suited).
ExamplePlaces DealExample(Category category, RandomSource &random);
