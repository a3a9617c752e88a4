#pragma once

#include "core/random_source.h"

#include <random>

// The real random source: a Mersenne twister seeded from the high-resolution clock.
class SystemRandom : public RandomSource {
public:
    SystemRandom() { reseed(); }

    double next() override;
    void reseed() override;

private:
    std::mt19937_64 m_engine;
};
