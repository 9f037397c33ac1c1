#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "platform/Random.h"

namespace {

std::vector<int> Drawn(int count) {
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(kw::Random());
    }
    return values;
}

// x = x * 214013 + 2531011 (mod 2^32), bits 16 to 30; the values were computed independently.
TEST(Random, DrawsTheWellKnownSequenceAcrossManyWrapArounds) {
    kw::ResetRandom();
    const std::vector<int> drawn = Drawn(100000);
    EXPECT_EQ(std::vector<int>(drawn.begin(), drawn.begin() + 5),
              (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    EXPECT_EQ(drawn.back(), 1629);
    EXPECT_EQ(std::accumulate(drawn.begin(), drawn.end(), 0LL), 1643186939LL);
    const auto [lowest, highest] = std::minmax_element(drawn.begin(), drawn.end());
    EXPECT_GE(*lowest, 0);
    EXPECT_LE(*highest, 0x7FFF);
}

TEST(Random, SeedsAreReproducibleUpToTheTopBit) {
    kw::ResetRandom(0xFFFFFFFFu);
    EXPECT_EQ(Drawn(5), (std::vector<int>{35, 29739, 3374, 11141, 31308}));
    kw::ResetRandom(12345);
    const std::vector<int> first = Drawn(10);
    kw::ResetRandom(12345);
    EXPECT_EQ(Drawn(10), first);
}

}  // namespace
