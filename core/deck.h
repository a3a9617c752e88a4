#pragma once

#include "core/card.h"

#include <array>

class RandomSource;

// The cards still to be drawn in this round.
class Deck {
public:
    Deck() { refill(); }

    void refill();
    bool contains(Card card) const { return m_inDeck[card.suit][card.rank - 2]; }
    int cardsLeft() const;

    // Draws rank first, then suit, from two successive random values, and draws again until the
    // card is still in the deck. At most ten cards leave a deck in a round, so this always ends.
    Card draw(RandomSource &random);

private:
    // [suit][rank - 2]; the last column is filled like the others but never drawn.
    std::array<std::array<bool, 14>, 4> m_inDeck{};
};
