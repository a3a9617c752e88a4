#pragma once

#include "core/card.h"

// The positions a player keeps for the draw, as a value. The analysis indexes its 32 holds by
// bits(): bit p - 1 keeps position p.
class Hold {
public:
    constexpr Hold() = default;
    constexpr explicit Hold(unsigned bits) : m_bits(bits) {}

    constexpr bool keeps(int position) const { return (m_bits >> (position - 1)) & 1U; }
    constexpr Hold keeping(int position) const { return Hold(m_bits | 1U << (position - 1)); }
    constexpr unsigned bits() const { return m_bits; }

    friend constexpr bool operator==(Hold, Hold) = default;

private:
    unsigned m_bits = 0;
};
