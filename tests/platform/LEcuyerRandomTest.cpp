#include <gtest/gtest.h>

#include <cstdint>

#include "platform/LEcuyerRandom.h"

namespace {

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

TEST(LEcuyerRandom, FirstValuesFollowFromStatesOfOne) {
    kw::CLEcuyerRandom random;
    // 40014 - 40692 is below 1, so the modulus minus one is added.
    EXPECT_EQ(random.Next(), 40014 - 40692 + 2147483562);
    EXPECT_EQ(random.Next(),
              40014 * 40014 % 2147483563 - 40692LL * 40692 % 2147483399 + 2147483562);
}

TEST(LEcuyerRandom, MatchesSchragesDecompositionOverALongRun) {
    kw::CLEcuyerRandom random;
    CSchrageReference reference;
    for (int i = 0; i < 200000; ++i) {
        const std::int32_t expected = reference.Next();
        ASSERT_EQ(random.Next(), expected) << "draw " << i;
        ASSERT_GE(expected, 1);
        ASSERT_LE(expected, 2147483562);
    }
}

TEST(LEcuyerRandom, NumbersBelowNUseTheHighBitsAndEveryCallDraws) {
    kw::CLEcuyerRandom random;
    CSchrageReference reference;
    for (int n : {11, 1, 0, 43, 2, 100}) {
        const std::int32_t value = reference.Next();
        EXPECT_EQ(random.Below(n), n < 2 ? 0 : (value >> 16) % n) << "n = " << n;
    }
    random.Reset();
    EXPECT_EQ(random.Next(), 40014 - 40692 + 2147483562);
}

}  // namespace
