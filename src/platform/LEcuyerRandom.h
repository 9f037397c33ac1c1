#pragma once

#include <cstdint>

namespace kw {

// L'Ecuyer's combined multiplicative generator (moduli 2147483563 and 2147483399, multipliers
// 40014 and 40692), which the player editor's random abilities draw from. Both states start at 1,
// so every run draws the same sequence; like CRandom it is a value its owner holds.
class CLEcuyerRandom {
public:
    // The next combined value, 1 .. 2147483562.
    std::int32_t Next() {
        // The products stay below 2^47, so 64-bit arithmetic needs no Schrage decomposition.
        m_first = (m_first * 40014) % 2147483563;
        m_second = (m_second * 40692) % 2147483399;
        std::int64_t z = m_first - m_second;
        if (z < 1) {
            z += 2147483562;
        }
        return static_cast<std::int32_t>(z);
    }
    // A number from 0 to n - 1: the value's bits from 16 on, modulo n. Below 2 it is 0; a value
    // is drawn all the same, so the sequence does not depend on n.
    int Below(int n) {
        const std::int32_t value = Next();
        return n < 2 ? 0 : static_cast<int>((value >> 16) % n);
    }
    void Reset() { m_first = m_second = 1; }

private:
    std::int64_t m_first = 1;
    std::int64_t m_second = 1;
};

}  // namespace kw
