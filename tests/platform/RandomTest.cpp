#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/Random.h"

namespace {

// The same generator written with 64-bit arithmetic and an explicit modulus.
std::vector<int> Expected(std::uint64_t x, int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        x = (x * 214013 + 2531011) % 4294967296ULL;
        values.push_back(static_cast<int>((x / 65536) % 32768));
    }
    return values;
}

std::vector<int> Drawn(int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(kw::Random());
    }
    return values;
}

TEST(Random, StartsWithTheWellKnownSequence) {
    kw::ResetRandom();
    EXPECT_EQ(Drawn(5), (std::vector<int>{41, 18467, 6334, 26500, 19169}));
}

TEST(Random, FollowsTheRecurrenceAcrossManyWrapArounds) {
    kw::ResetRandom();
    const std::vector<int> drawn = Drawn(100000);
    EXPECT_EQ(drawn, Expected(1, 100000));
    for (const int value : drawn) {
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 0x7FFF);
    }
}

TEST(Random, SeedsAreReproducibleUpToTheTopBit) {
    kw::ResetRandom(0xFFFFFFFFu);
    EXPECT_EQ(Drawn(20), Expected(0xFFFFFFFFu, 20));
    kw::ResetRandom(12345);
    const std::vector<int> first = Drawn(10);
    kw::ResetRandom(12345);
    EXPECT_EQ(Drawn(10), first);
    kw::ResetRandom();
    EXPECT_NE(Drawn(10), first);
}

}  // namespace
