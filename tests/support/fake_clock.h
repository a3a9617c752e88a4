#pragma once

#include "core/clock.h"

#include <cmath>
#include <functional>
#include <vector>

// A clock whose waits cost no real time. Every wait is recorded, and an optional hook runs in the
// middle of it, where a real wait would let the window paint and the player act.
class FakeClock : public Clock {
public:
    double seconds() const override { return m_now; }
    void waitUntil(double until) override
    {
        waits.push_back(std::round((until - m_now) * 1000) / 1000);   // whole milliseconds
        if (duringWait)
            duringWait();
        if (until > m_now)
            m_now = until;
    }

    std::vector<double> waits;
    std::function<void()> duringWait;

private:
    double m_now = 0;
};
