#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "DemoInstallation.h"
#include "editing/StadiumPick.h"
#include "model/Country.h"
#include "model/Rules.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {
namespace {

constexpr int kDemoCountry = 14;

// The stadium picker's lists, starting choice and result on the small demo.
class StadiumPickTest : public ::testing::Test {
protected:
    int Stadiums(int country) const {
        return static_cast<int>(world.Country(country).Stadiums().size());
    }

    std::unique_ptr<CWorld> owned = test::LoadSmallDemo();
    CWorld& world = *owned;
};

TEST_F(StadiumPickTest, CountriesAreEveryRealCountryInNameOrder) {
    const std::vector<SEditChoice> countries = PickCountries(world, 0);
    ASSERT_EQ(countries.size(), static_cast<std::size_t>(kCountryCount));
    std::set<int> numbers;
    for (std::size_t index = 0; index < countries.size(); ++index) {
        numbers.insert(countries[index].value);
        EXPECT_EQ(countries[index].text, world.Country(countries[index].value).Name(0));
        if (index > 0) {
            EXPECT_LT(CollateText(countries[index - 1].text, countries[index].text), 0);
        }
    }
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), kCountryCount);
    EXPECT_EQ(numbers.size(), countries.size());
}

TEST_F(StadiumPickTest, StadiumsAreNumberedFromOneAndTheStartingChoiceIsHeldToThem) {
    const CCountry& country = world.Country(kDemoCountry);
    const std::vector<SEditChoice> stadiums = PickStadiums(country);
    ASSERT_EQ(static_cast<int>(stadiums.size()), Stadiums(kDemoCountry));
    ASSERT_GE(stadiums.size(), 2u);
    for (std::size_t index = 0; index < stadiums.size(); ++index) {
        EXPECT_EQ(stadiums[index].value, static_cast<int>(index) + 1);
        EXPECT_EQ(stadiums[index].text, std::string(country.Stadiums()[index].Name().View()));
    }
    // The starting choice is held to what exists.
    const int last = Stadiums(kDemoCountry);
    EXPECT_EQ(StartingPick(world, kDemoCountry, last), (SStadiumPick{kDemoCountry, last}));
    EXPECT_EQ(StartingPick(world, kDemoCountry, last + 1), (SStadiumPick{kDemoCountry, 1}));
    EXPECT_EQ(StartingPick(world, kDemoCountry, 0), (SStadiumPick{kDemoCountry, 1}));
    // No venue yet: neither country nor stadium.
    EXPECT_EQ(StartingPick(world, 0, 0), (SStadiumPick{kDefaultCountry, 1}));
    EXPECT_EQ(StartingPick(world, kCountryCount + 1, 2), (SStadiumPick{kDefaultCountry, 2}));
    world.Country(3).Stadiums().clear();
    EXPECT_EQ(StartingPick(world, 3, 1), (SStadiumPick{3, 0}));
}

TEST_F(StadiumPickTest, TheChosenStadiumIsAVenueTheRulesKeep) {
    const int last = Stadiums(kDemoCountry);
    const std::optional<std::uint32_t> venue = PickedVenue(world, {kDemoCountry, last});
    ASSERT_TRUE(venue.has_value());
    EXPECT_EQ(StadiumRefCountry(*venue), kDemoCountry);
    EXPECT_EQ(StadiumRefNumber(*venue), last);
    // The rules record keeps it through the check after loading.
    CRules rules;
    rules.SetVenue(0, 0, *venue);
    rules.Complete(world);
    EXPECT_EQ(rules.Venue(0, 0), *venue);

    EXPECT_FALSE(PickedVenue(world, {kDemoCountry, last + 1}).has_value());
    EXPECT_FALSE(PickedVenue(world, {kDemoCountry, 0}).has_value());
    EXPECT_FALSE(PickedVenue(world, {0, 1}).has_value());
    EXPECT_FALSE(PickedVenue(world, {kCountryCount + 1, 1}).has_value());
}

}  // namespace
}  // namespace kw
