#pragma once

#include <cstdint>

namespace kw {

// The program's random generator: x = x * 214013 + 2531011 (mod 2^32), result bits 16 to 30.
// It starts at x = 1, so every run draws the same sequence. Whoever draws owns a generator or is
// handed one (a database owns the one its loading and master builds draw from); none is shared
// between threads.
class CRandom {
public:
    explicit CRandom(std::uint32_t seed = 1) : m_state(seed) {}

    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }
    void Reset(std::uint32_t seed = 1) { m_state = seed; }

private:
    std::uint32_t m_state;
};

}  // namespace kw
