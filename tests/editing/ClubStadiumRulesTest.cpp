#include <gtest/gtest.h>

#include "TestWorld.h"
#include "editing/ClubStadiumRules.h"
#include "model/Club.h"
#include "model/ClubNames.h"
#include "model/Country.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"

namespace kw {
namespace {

TEST(StadiumFlags, OnlyTheChosenBitChanges) {
    EXPECT_EQ(WithStadiumFlag(0x80, kBigMainStandFlag, true), 0x81);
    EXPECT_EQ(WithStadiumFlag(0x83, kBigMainStandFlag, false), 0x82);
    EXPECT_EQ(WithStadiumFlag(0x01, kNationalStadiumFlag, true), 0x03);
    EXPECT_EQ(WithStadiumFlag(0x02, kNationalStadiumFlag, true), 0x02);
}

TEST(StadiumCapacity, ReadAsDecimalAndHeldWithinTheRecordsRange) {
    EXPECT_EQ(StadiumCapacityFromText("45000"), 45000);
    EXPECT_EQ(StadiumCapacityFromText("0150000"), 150000);
    EXPECT_EQ(StadiumCapacityFromText("9999999"), CClub::kMaxStadiumCapacity);
    EXPECT_EQ(StadiumCapacityFromText(""), 0);
    EXPECT_EQ(StadiumCapacityFromText("-5"), 0);
    EXPECT_EQ(StadiumCapacityFromText("12abc"), 12);
}

TEST(Coordinates, PartsHeldWithinDegreesAndMinutes) {
    EXPECT_EQ(CoordinateFromTexts(false, "52", "31", kMaxLatitudeDegrees),
              MakeCoordinate(false, 52, 31));
    EXPECT_EQ(CoordinateFromTexts(true, "13", "5", kMaxLongitudeDegrees),
              MakeCoordinate(true, 13, 5));
    EXPECT_EQ(CoordinateFromTexts(true, "999", "75", kMaxLatitudeDegrees),
              MakeCoordinate(true, 90, 59));
    EXPECT_EQ(CoordinateFromTexts(false, "181", "", kMaxLongitudeDegrees),
              MakeCoordinate(false, 180, 0));
    const SCoordinate split = SplitCoordinate(CoordinateFromTexts(true, "0", "30", 90));
    EXPECT_TRUE(split.negative);
    EXPECT_EQ(split.minutes, 30);
}

TEST(StadiumPageChoices, TypesAndSurroundingLevels) {
    const auto types = StadiumTypeChoices();
    ASSERT_EQ(types.size(), 3u);
    EXPECT_EQ(types[0], (SEditChoice{"Oval", 0}));
    EXPECT_EQ(types[2], (SEditChoice{"Fu\xDF"
                                     "ballstadion",
                                     2}));
    const auto youth = SurroundingChoices(3);
    ASSERT_EQ(youth.size(), 6u);
    EXPECT_EQ(youth[5].text, SurroundingLevelName(3, 5));
    EXPECT_EQ(youth[5].value, 5);
    EXPECT_EQ(ChoiceIndex(youth, 5), 5);
    EXPECT_EQ(ChoiceIndex(youth, 6), -1);
}

class StadiumPageWorldChoices : public test::TestWorld {};

TEST_F(StadiumPageWorldChoices, StadiumsNumberedFromOneAfterNone) {
    CCountry& country = world.Country(7);
    for (const char* name : {"Nordpark", "Am See"}) {
        CStadium stadium;
        stadium.SetName(name);
        country.Stadiums().push_back(stadium);
    }
    const auto choices = StadiumChoices(country);
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0], (SEditChoice{std::string(ResourceString(ids::kNotAvailable)), 0}));
    EXPECT_EQ(choices[1], (SEditChoice{"Nordpark", 1}));
    EXPECT_EQ(choices[2], (SEditChoice{"Am See", 2}));
    EXPECT_EQ(ChoiceIndex(choices, 3), -1);
}

TEST_F(StadiumPageWorldChoices, CountriesByNameInTheLanguageWithNoneFirst) {
    world.Country(3).SetName(1, "Zeta");
    world.Country(4).SetName(1, "\xC1lpha");  // "Álpha" sorts as "Alpha"
    world.Country(5).SetName(1, "Beta");
    world.Country(6).SetName(0, "Gamma");  // no English name: the German one stands in
    const auto choices = CountryChoices(world, 1);
    ASSERT_EQ(choices.size(), static_cast<std::size_t>(kCountryCount) + 1);
    EXPECT_EQ(choices[0].value, 0);
    for (std::size_t i = 2; i < choices.size(); ++i) {
        EXPECT_LE(CompareFolded(choices[i - 1].text, choices[i].text), 0) << i;
    }
    const auto at = [&choices](int country) { return ChoiceIndex(choices, country); };
    EXPECT_LT(at(4), at(5));
    EXPECT_LT(at(5), at(6));
    EXPECT_LT(at(6), at(3));
    EXPECT_EQ(choices[static_cast<std::size_t>(at(6))].text, "Gamma");
    for (int number = 1; number <= kCountryCount; ++number) {
        EXPECT_GE(at(number), 1) << number;
    }
}

}  // namespace
}  // namespace kw
