#pragma once

// The game's random generator: uniform values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // Called once at the start of every deal; a real source takes a fresh seed from the clock.
    virtual void reseed() = 0;

    // A whole number from 0 to n - 1, each equally likely.
    int below(int n) { return static_cast<int>(n * next()); }
};
