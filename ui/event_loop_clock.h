#pragma once

#include "core/clock.h"

#include <QElapsedTimer>

// The real clock. A wait runs a local event loop, so the window keeps painting; the player's
// clicks and keys are left in the window system's queue meanwhile, in order, and handled once
// the operation returns to the main loop.
class EventLoopClock : public Clock {
public:
    EventLoopClock() { m_elapsed.start(); }

    double seconds() const override;
    void waitUntil(double seconds) override;

private:
    QElapsedTimer m_elapsed;
};
