#include "app/system_random.h"

#include <chrono>

double SystemRandom::next()
{
    // 53 random bits: uniform in [0, 1), never 1.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

void SystemRandom::reseed()
{
    m_engine.seed(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}
