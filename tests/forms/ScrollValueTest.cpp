#include <gtest/gtest.h>

#include <climits>

#include "forms/ScrollValue.h"

namespace {

using kw::EScrollAction;
using kw::EScrollDirection;
using kw::ScrollValue;
using kw::SScrollRange;
using kw::ThumbPosition;

constexpr auto kPlain = EScrollDirection::Plain;
constexpr auto kReversed = EScrollDirection::Reversed;

TEST(ScrollValue, PlainBarsGrowTowardsTheirEndAndStopAtBothEnds) {
    const SScrollRange range{0, 10, 3};
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::LineTowardsStart, range, 5, 0), 4);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::LineTowardsEnd, range, 5, 0), 6);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::PageTowardsStart, range, 5, 0), 2);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::PageTowardsEnd, range, 5, 0), 8);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::Thumb, range, 5, 7), 7);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::ToStart, range, 5, 0), 0);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::ToEnd, range, 5, 0), 10);
    // They stop at both ends.
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::LineTowardsStart, range, 0, 0), 0);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::PageTowardsStart, range, 1, 0), 0);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::LineTowardsEnd, range, 10, 0), 10);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::PageTowardsEnd, range, 9, 0), 10);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::Thumb, range, 5, 12), 10);
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::Thumb, range, 5, -1), 0);
}

// The contract-end bar: from the current year to 2015, the latest year at the top.
TEST(ScrollValue, ReversedBarsGrowTowardsTheirStartAndTheirThumbIsReversed) {
    const SScrollRange range{2006, 2015, 3};
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::LineTowardsStart, range, 2010, 0), 2011);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::LineTowardsEnd, range, 2010, 0), 2009);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::PageTowardsStart, range, 2010, 0), 2013);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::PageTowardsEnd, range, 2010, 0), 2007);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::ToStart, range, 2010, 0), 2015);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::ToEnd, range, 2010, 0), 2006);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::LineTowardsStart, range, 2015, 0), 2015);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::PageTowardsEnd, range, 2007, 0), 2006);
    // A reversed thumb gives both ends of the range at both ends of the bar.
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, range, 2010, 2006), 2015);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, range, 2010, 2015), 2006);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, range, 2010, 2008), 2013);
    const SScrollRange fromZero{0, 20, 5};
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, fromZero, 3, 0), 20);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, fromZero, 3, 20), 0);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, fromZero, 3, 6), 14);
}

TEST(ThumbPosition, IsTheInverseOfTheThumbMappingForEveryValue) {
    for (const auto direction : {kPlain, kReversed}) {
        for (const SScrollRange range :
             {SScrollRange{0, 20, 5}, SScrollRange{2006, 2015, 3}, SScrollRange{-10, 10, 1}}) {
            for (int value = range.minimum; value <= range.maximum; ++value) {
                const int thumb = ThumbPosition(direction, range, value);
                EXPECT_GE(thumb, range.minimum);
                EXPECT_LE(thumb, range.maximum);
                EXPECT_EQ(ScrollValue(direction, EScrollAction::Thumb, range, 0, thumb), value);
            }
        }
    }
    EXPECT_EQ(ThumbPosition(kReversed, SScrollRange{2006, 2015, 3}, 2015), 2006);
    EXPECT_EQ(ThumbPosition(kPlain, SScrollRange{0, 10, 3}, 15), 10);
}

TEST(ScrollValue, PagesNearTheEndsOfTheIntRangeDoNotOverflow) {
    const SScrollRange range{INT_MIN, INT_MAX, 1000};
    EXPECT_EQ(ScrollValue(kPlain, EScrollAction::PageTowardsEnd, range, INT_MAX - 1, 0), INT_MAX);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::PageTowardsEnd, range, INT_MIN + 1, 0),
              INT_MIN);
    EXPECT_EQ(ScrollValue(kReversed, EScrollAction::Thumb, range, 0, INT_MIN), INT_MAX);
}

}  // namespace
