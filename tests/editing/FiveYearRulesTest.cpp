#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "editing/FiveYearRules.h"
#include "exports/WorldDump.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

TEST(FiveYearRules, TypedValuesAreHundredthsCutAndHeldWithinTwentyPoints) {
    // Whole points, either decimal separator, decimals beyond the second cut off.
    EXPECT_EQ(ParseFiveYearValue("25"), 2000);
    EXPECT_EQ(ParseFiveYearValue("20"), 2000);
    EXPECT_EQ(ParseFiveYearValue("1,234"), 123);
    EXPECT_EQ(ParseFiveYearValue("1.234"), 123);
    EXPECT_EQ(ParseFiveYearValue("19.999"), 1999);
    EXPECT_EQ(ParseFiveYearValue("0,5"), 50);
    EXPECT_EQ(ParseFiveYearValue(",07"), 7);
    // Decimal digits are taken exactly, not through a binary fraction.
    EXPECT_EQ(ParseFiveYearValue("1.15"), 115);
    EXPECT_EQ(ParseFiveYearValue("4.35"), 435);
    // Leading blanks are skipped; reading stops at what is no longer part of the number.
    EXPECT_EQ(ParseFiveYearValue("  7,5x"), 750);
    EXPECT_EQ(ParseFiveYearValue("3.2.1"), 320);
    // Nothing, no digits, negative and huge numbers.
    EXPECT_EQ(ParseFiveYearValue(""), 0);
    EXPECT_EQ(ParseFiveYearValue("abc"), 0);
    EXPECT_EQ(ParseFiveYearValue("-3"), 0);
    EXPECT_EQ(ParseFiveYearValue("+3"), 300);
    EXPECT_EQ(ParseFiveYearValue("999999"), 2000);
    EXPECT_EQ(ParseFiveYearValue("99999999999999999999999"), 2000);
}

TEST(FiveYearRules, ValuesShowTwoDecimalsAndTheFirstSeasonSumsTheOlderFive) {
    EXPECT_EQ(FiveYearValueText(2000), "20.00");
    EXPECT_EQ(FiveYearValueText(123), "1.23");
    EXPECT_EQ(FiveYearValueText(5), "0.05");
    EXPECT_EQ(FiveYearValueText(0), "0.00");
    // A stored value beyond the field's range is shown as it is.
    EXPECT_EQ(FiveYearValueText(65535), "655.35");
    // What is shown reads back as the same value.
    for (int value : {0, 1, 99, 100, 115, 1999, 2000}) {
        EXPECT_EQ(ParseFiveYearValue(FiveYearValueText(value)), value) << value;
    }

    EXPECT_EQ(FirstSeasonPoints({1000, 1, 2, 3, 4, 5}), 15);
    EXPECT_EQ(FirstSeasonPoints({0, 2000, 2000, 2000, 2000, 2000}), 10000);
    EXPECT_EQ(FirstSeasonPoints({2000, 0, 0, 0, 0, 0}), 0);
}

TEST(FiveYearRules, TheLineFormatCarriesTheDecimalsIntoEveryValue) {
    EXPECT_EQ(FiveYearLineFormat(2), "%i. %s\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%3.2f");
    EXPECT_EQ(FiveYearLineFormat(1), "%i. %s\t%2.1f\t%2.1f\t%2.1f\t%2.1f\t%2.1f\t%2.1f\t%3.1f");

    const SFiveYearRow row{7, "Land", {150, 0, 2000, 5, 99, 1}};
    EXPECT_EQ(FiveYearLine(3, row), "3. Land\t1.50\t0.00\t20.00\t0.05\t0.99\t0.01\t21.05");
    const SFiveYearRow empty{8, "", {}};
    EXPECT_EQ(FiveYearLine(12, empty), "12. \t0.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00");
}

class FiveYearWorld : public ::testing::Test {
protected:
    FiveYearWorld() {
        auto world = std::make_unique<CWorld>(install.Path());
        world->InitialiseCountries();
        // Every country in South America except four in Africa.
        for (int number = 1; number <= kCountryCount; ++number) {
            world->Country(number).SetAttributes(0, 0, 1);
        }
        Africa(*world, 30, "Gamma", {0, 100, 100, 100, 100, 100});
        Africa(*world, 31, "Beta", {2000, 100, 100, 100, 100, 0});
        Africa(*world, 32, "Alpha", {0, 100, 100, 100, 100, 100});
        Africa(*world, 33, "Delta", {0, 2000, 0, 0, 0, 0});
        document = std::make_unique<CDatabaseDocument>(std::move(world));
    }

    static void Africa(CWorld& world, int number, const char* name, FiveYearValues values) {
        CCountry& country = world.Country(number);
        // Bits above the continent belong to another value and must not matter.
        country.SetAttributes(0, 0, 0x18 | 3);
        country.SetName(0, name);
        country.Settings().slotValues = values;
    }

    test::TempDir install;
    std::unique_ptr<CDatabaseDocument> document;
};

TEST_F(FiveYearWorld, TheRankingListsTheContinentByFirstSeasonPointsThenByName) {
    const std::vector<SFiveYearRow> rows = FiveYearRanking(document->World(), 3, 0);
    ASSERT_EQ(rows.size(), 4u);
    // Delta 20.00, then Alpha and Gamma with 5.00 by name, then Beta with 4.00 whatever its
    // last year.
    EXPECT_EQ(
        (std::vector<int>{rows[0].country, rows[1].country, rows[2].country, rows[3].country}),
        (std::vector<int>{33, 32, 30, 31}));
    EXPECT_EQ(rows[1].name, "Alpha");
    EXPECT_EQ(rows[3].values, (FiveYearValues{2000, 100, 100, 100, 100, 0}));
    EXPECT_EQ(FiveYearLine(4, rows[3]), "4. Beta\t20.00\t1.00\t1.00\t1.00\t1.00\t0.00\t4.00");

    EXPECT_EQ(FiveYearRanking(document->World(), 1, 0).size(),
              static_cast<std::size_t>(kCountryCount - 4));
    EXPECT_TRUE(FiveYearRanking(document->World(), 4, 0).empty());
}

TEST_F(FiveYearWorld, StoringIsOneUndoableEditOfTheCountryAndEqualValuesRecordNothing) {
    const std::string before = DumpWorldJson(document->World());
    const FiveYearValues stored = document->World().Country(30).Settings().slotValues;
    EXPECT_FALSE(StoreFiveYearValues(*document, 30, stored));
    EXPECT_EQ(document->History().Count(), 0u);
    EXPECT_FALSE(StoreFiveYearValues(*document, 0, {1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(StoreFiveYearValues(*document, kCountryCount + 1, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(document->History().Count(), 0u);

    const FiveYearValues edited{2000, 123, 0, 0, 7, 1999};
    EXPECT_TRUE(StoreFiveYearValues(*document, 30, edited));
    EXPECT_EQ(document->World().Country(30).Settings().slotValues, edited);
    EXPECT_EQ(document->History().Count(), 1u);
    ASSERT_TRUE(document->Undo());
    EXPECT_EQ(DumpWorldJson(document->World()), before);
    ASSERT_TRUE(document->Redo());
    EXPECT_EQ(document->World().Country(30).Settings().slotValues, edited);
}

}  // namespace
}  // namespace kw
