#pragma once

#include "core/card.h"
#include "core/random_source.h"

#include <deque>
#include <initializer_list>
#include <random>

// Plays back scripted values first, then seeded pseudo-random ones, so a test fixes exactly the
// draws it cares about and stays repeatable beyond them.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(unsigned seed = 1) : m_engine(seed) {}

    double next() override
    {
        if (!m_script.empty()) {
            const double value = m_script.front();
            m_script.pop_front();
            return value;
        }
        return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
    }
    void reseed() override { ++reseeds; }

    void script(std::initializer_list<double> values) { m_script.insert(m_script.end(), values); }
    // Queues the two values the deal draws for this card: rank first, then suit.
    void scriptCard(Card card)
    {
        script({(card.rank - 2 + 0.5) / 13.0, (card.suit + 0.5) / 4.0});
    }
    void scriptHand(const Hand &hand)
    {
        for (const Card &card : hand)
            scriptCard(card);
    }

    int reseeds = 0;

private:
    std::deque<double> m_script;
    std::mt19937 m_engine;
};
