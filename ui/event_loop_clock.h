#pragma once

#include "core/clock.h"

#include <QElapsedTimer>

// The real clock. A wait runs a local event loop, so the window keeps painting; the input gate
// holds back the player's input meanwhile.
class EventLoopClock : public Clock {
public:
    EventLoopClock() { m_elapsed.start(); }

    double seconds() const override;
    void waitUntil(double seconds) override;

private:
    QElapsedTimer m_elapsed;
};
