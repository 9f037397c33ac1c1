// The seeded random source of the demo generator. Only the engine's raw output is used (the
// standard distributions may differ between libraries), so a seed gives the same world
// everywhere. For the same reason every draw is a statement of its own: the order of draws
// within one expression (the arguments of a call, the operands of `+` or `|`) is the
// compiler's choice.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace kw::demo {

class CDemoRandom {
public:
    // A source of its own for each part of the world (a country, a file), so that a change in
    // one part does not shift the others.
    CDemoRandom(std::uint32_t seed, std::uint32_t part)
        : m_engine(seed * 2654435761u ^ (part + 0x9E3779B9u) * 40503u) {}

    // lo..hi, both included.
    int Between(int lo, int hi) {
        if (hi <= lo) {
            return lo;
        }
        const auto span = static_cast<std::uint32_t>(hi - lo) + 1u;
        return lo + static_cast<int>(m_engine() % span);
    }
    bool Chance(int percent) { return Between(0, 99) < percent; }
    // Around `centre`, at most `spread` away, values near the centre more likely.
    int Around(int centre, int spread) {
        const int first = Between(-spread, spread);
        const int second = Between(-spread, spread);
        return centre + (first + second) / 2;
    }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Between(0, static_cast<int>(items.size()) - 1))];
    }

private:
    std::mt19937 m_engine;
};

}  // namespace kw::demo
