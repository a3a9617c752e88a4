#pragma once

// Seconds as a real number, and a blocking wait on them. While waitUntil() runs the window
// keeps painting, but no input is acted upon (the screen side defers it until the whole
// operation that paused has finished).
class Clock {
public:
    virtual ~Clock() = default;
    virtual double seconds() const = 0;
    virtual void waitUntil(double seconds) = 0;

    void pause(double duration) { waitUntil(seconds() + duration); }
};
