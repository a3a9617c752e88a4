#include "core/deck.h"

#include "core/random_source.h"

void Deck::refill()
{
    for (auto &suit : m_inDeck)
        suit.fill(true);
}

int Deck::cardsLeft() const
{
    int left = 0;
    for (const auto &suit : m_inDeck)
        for (int r = 0; r < 13; ++r)
            left += suit[r] ? 1 : 0;
    return left;
}

Card Deck::draw(RandomSource &random)
{
    for (;;) {
        const int r = 1 + static_cast<int>(13 * random.next());
        const int s = 1 + static_cast<int>(4 * random.next());
        if (m_inDeck[s - 1][r - 1]) {
            m_inDeck[s - 1][r - 1] = false;
            return Card{r + 1, s - 1};
        }
    }
}
