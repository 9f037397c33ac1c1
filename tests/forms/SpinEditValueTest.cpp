#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "forms/SpinEditValue.h"

namespace {

using kw::ClampedEditValue;
using kw::ClampToSpinRange;
using kw::CSpinEditValue;
using kw::ESpinArrow;
using kw::ParseSpinText;

TEST(ParseSpinText, ReadsLeadingDecimalNumbersHeldToTheIntRangeAndNoNumberAsZero) {
    EXPECT_EQ(ParseSpinText("150"), 150);
    EXPECT_EQ(ParseSpinText("  -7"), -7);
    EXPECT_EQ(ParseSpinText("+5"), 5);
    EXPECT_EQ(ParseSpinText("12abc"), 12);
    EXPECT_EQ(ParseSpinText("abc"), 0);
    EXPECT_EQ(ParseSpinText(""), 0);
    EXPECT_EQ(ParseSpinText("-"), 0);
    EXPECT_EQ(ParseSpinText("0x1F"), 0);
    // Numbers beyond the int range give its nearer end instead of wrapping.
    EXPECT_EQ(ParseSpinText("2147483647"), INT_MAX);
    EXPECT_EQ(ParseSpinText("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseSpinText("2147483648"), INT_MAX);
    EXPECT_EQ(ParseSpinText("99999999999"), INT_MAX);
    EXPECT_EQ(ParseSpinText("-99999999999"), INT_MIN);
    EXPECT_EQ(ParseSpinText(std::string(60, '9')), INT_MAX);
    // Only the first sixty-three characters are read.
    EXPECT_EQ(ParseSpinText(std::string(62, ' ') + "5"), 5);
    EXPECT_EQ(ParseSpinText(std::string(63, ' ') + "5"), 0);
    EXPECT_EQ(ParseSpinText(std::string(61, ' ') + "1234"), 12);
}

TEST(ClampToSpinRange, ClampsIntoTheRangeWhicheverBoundIsTheLarger) {
    EXPECT_EQ(ClampToSpinRange(150, 0, 99), 99);
    EXPECT_EQ(ClampToSpinRange(-5, 0, 99), 0);
    EXPECT_EQ(ClampToSpinRange(50, 0, 99), 50);
    // Minimum above maximum: above the minimum gives the minimum, below the maximum the maximum.
    EXPECT_EQ(ClampToSpinRange(300, 220, 150), 220);
    EXPECT_EQ(ClampToSpinRange(100, 220, 150), 150);
    EXPECT_EQ(ClampToSpinRange(180, 220, 150), 180);
    EXPECT_EQ(ClampToSpinRange(7, 5, 5), 5);
}

TEST(ClampedEditValue, GivesTheNearerBoundOnlyForNumbersOutsideTheRange) {
    EXPECT_EQ(ClampedEditValue("150", 0, 99), 99);
    EXPECT_EQ(ClampedEditValue("-1", 0, 99), 0);
    EXPECT_EQ(ClampedEditValue("50", 0, 99), std::nullopt);
    EXPECT_EQ(ClampedEditValue("99", 0, 99), std::nullopt);
    EXPECT_EQ(ClampedEditValue("abc", 150, 220), 150);
    EXPECT_EQ(ClampedEditValue("-3", 99, 0), 0);
    EXPECT_EQ(ClampedEditValue("99999999999", 0, 99), 99);
}

TEST(CSpinEditValue, StartsAtZeroInTheRangeZeroToHundredAndARangeKeepsTheStoredValue) {
    CSpinEditValue spin;
    EXPECT_EQ(spin.Value(), 0);
    EXPECT_EQ(spin.Minimum(), 0);
    EXPECT_EQ(spin.Maximum(), 100);
    EXPECT_EQ(spin.SetValue(0), std::nullopt);
    EXPECT_EQ(spin.SetValue(101), 100);
    // Setting the range keeps the stored value.
    spin.SetRange(0, 50);
    EXPECT_EQ(spin.Value(), 100);
    EXPECT_EQ(spin.SetValue(79), 50);
}

TEST(CSpinEditValue, EqualValuesChangeNothingAndClampingComesAfterTheComparison) {
    CSpinEditValue spin;
    spin.SetRange(0, 99);
    EXPECT_EQ(spin.SetValue(99), 99);
    EXPECT_EQ(spin.SetValue(99), std::nullopt);
    // A typed 150 differs from the stored 99, so it is announced although clamping gives 99 back.
    EXPECT_EQ(spin.SetValue(150), 99);
    EXPECT_EQ(spin.Value(), 99);
    EXPECT_EQ(spin.SetValue(ParseSpinText("99999999999")), 99);
    EXPECT_EQ(spin.SetValue(ParseSpinText("abc")), 0);
    EXPECT_EQ(spin.Value(), 0);
}

TEST(CSpinEditValue, AnEmptyFieldTakesAnyValueAndStaysEmptyWhileOnlyBlanksAreTyped) {
    CSpinEditValue spin;
    ASSERT_EQ(spin.SetValue(7), 7);
    spin.Clear();
    EXPECT_TRUE(spin.IsEmpty());
    EXPECT_TRUE(spin.StaysEmpty(""));
    EXPECT_TRUE(spin.StaysEmpty(" \t"));
    EXPECT_FALSE(spin.StaysEmpty("0"));
    // The value stored before the field was emptied is shown again when set.
    EXPECT_EQ(spin.SetValue(7), 7);
    EXPECT_FALSE(spin.IsEmpty());
    EXPECT_FALSE(spin.StaysEmpty(""));
    EXPECT_EQ(spin.SetValue(7), std::nullopt);
}

TEST(CSpinEditValue, ArrowsStepTowardsTheirBoundAndStopThere) {
    CSpinEditValue spin;
    spin.SetRange(150, 220);
    ASSERT_EQ(spin.SetValue(220), 220);
    EXPECT_EQ(spin.SetValue(spin.ArrowValue(spin.Value(), ESpinArrow::Up)), 220);
    EXPECT_EQ(spin.Value(), 220);
    EXPECT_EQ(spin.SetValue(spin.ArrowValue(spin.Value(), ESpinArrow::Down)), 219);
    // The arrows start from the number shown, not from the one stored.
    EXPECT_EQ(spin.ArrowValue(160, ESpinArrow::Up), 161);

    // With the bounds the other way round, up still moves towards the maximum.
    spin.SetRange(220, 150);
    EXPECT_EQ(spin.ArrowValue(200, ESpinArrow::Up), 199);
    EXPECT_EQ(spin.ArrowValue(200, ESpinArrow::Down), 201);

    spin.SetRange(INT_MIN, INT_MAX);
    EXPECT_EQ(spin.ArrowValue(INT_MAX, ESpinArrow::Up), INT_MAX);
    EXPECT_EQ(spin.ArrowValue(INT_MIN, ESpinArrow::Down), INT_MIN);
}

}  // namespace
