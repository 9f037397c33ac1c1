#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "platform/LEcuyerRandom.h"
#include "platform/Random.h"

namespace {

std::vector<int> Drawn(kw::CRandom& random, int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(random.Next());
    }
    return values;
}

// x = x * 214013 + 2531011 (mod 2^32), bits 16 to 30; the values were computed independently.
// Seeds are reproducible up to the top bit, and generators share nothing.
TEST(Random, DrawsTheWellKnownSequenceAndSeedsReproduceIt) {
    kw::CRandom random;
    const std::vector<int> drawn = Drawn(random, 100000);
    EXPECT_EQ(std::vector<int>(drawn.begin(), drawn.begin() + 5),
              (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    EXPECT_EQ(drawn.back(), 1629);
    EXPECT_EQ(std::accumulate(drawn.begin(), drawn.end(), 0LL), 1643186939LL);
    const auto [lowest, highest] = std::minmax_element(drawn.begin(), drawn.end());
    EXPECT_GE(*lowest, 0);
    EXPECT_LE(*highest, 0x7FFF);

    random.Reset(0xFFFFFFFFu);
    EXPECT_EQ(Drawn(random, 5), (std::vector<int>{35, 29739, 3374, 11141, 31308}));
    random.Reset(12345);
    const std::vector<int> first = Drawn(random, 10);
    kw::CRandom other(12345);
    random.Reset(12345);
    random.Next();
    EXPECT_EQ(Drawn(other, 10), first);
}

// The same generator in 32-bit arithmetic with Schrage's decomposition, as the classic
// descriptions give it: an independent check of the 64-bit products.
class CSchrageReference {
public:
    std::int32_t Next() {
        m_first = Step(m_first, 40014, 53668, 12211, 2147483563);
        m_second = Step(m_second, 40692, 52774, 3791, 2147483399);
        std::int32_t z = m_first - m_second;
        if (z < 1) {
            z += 2147483562;
        }
        return z;
    }

private:
    static std::int32_t Step(std::int32_t s, std::int32_t a, std::int32_t q, std::int32_t r,
                             std::int32_t m) {
        const std::int32_t k = s / q;
        s = a * (s - k * q) - k * r;
        return s < 0 ? s + m : s;
    }

    std::int32_t m_first = 1;
    std::int32_t m_second = 1;
};

// From states of one, 40014 - 40692 is below 1, so the modulus minus one is added. Numbers below
// n use the high bits, and every call draws.
TEST(LEcuyerRandom, MatchesSchragesDecompositionAndBelowUsesTheHighBits) {
    kw::CLEcuyerRandom random;
    EXPECT_EQ(random.Next(), 40014 - 40692 + 2147483562);
    EXPECT_EQ(random.Next(),
              40014 * 40014 % 2147483563 - 40692LL * 40692 % 2147483399 + 2147483562);
    random.Reset();
    CSchrageReference reference;
    for (int i = 0; i < 200000; ++i) {
        const std::int32_t expected = reference.Next();
        ASSERT_EQ(random.Next(), expected) << "draw " << i;
        ASSERT_GE(expected, 1);
        ASSERT_LE(expected, 2147483562);
    }
    for (int n : {11, 1, 0, 43, 2, 100}) {
        const std::int32_t value = reference.Next();
        EXPECT_EQ(random.Below(n), n < 2 ? 0 : (value >> 16) % n) << "n = " << n;
    }
}

}  // namespace
