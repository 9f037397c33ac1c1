#include "platform/Random.h"

#include <atomic>
#include <cstdint>

namespace kw {

namespace {

// Atomic so that a worker thread drawing numbers is no data race; the sequence itself is only
// reproducible when one thread draws.
std::atomic<std::uint32_t> g_state{1};

constexpr std::uint32_t Next(std::uint32_t x) {
    return x * 214013u + 2531011u;
}

}  // namespace

int Random() {
    std::uint32_t current = g_state.load(std::memory_order_relaxed);
    std::uint32_t next = Next(current);
    while (!g_state.compare_exchange_weak(current, next, std::memory_order_relaxed)) {
        next = Next(current);
    }
    return static_cast<int>((next >> 16) & 0x7FFF);
}

void ResetRandom(unsigned int seed) {
    g_state.store(seed, std::memory_order_relaxed);
}

}  // namespace kw
