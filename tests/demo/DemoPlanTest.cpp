// The layout of the demo world per scale, before anything is built.
#include <gtest/gtest.h>

#include <algorithm>

#include "demo/DemoPlan.h"

namespace kw {
namespace {

using demo::EDemoScale;

struct SScaleRange {
    EDemoScale scale;
    int minClubs;
    int maxClubs;
};

TEST(DemoPlanTest, EveryScaleHasItsSizeAndLeagueSystemsTheModelAccepts) {
    for (const SScaleRange range :
         {SScaleRange{EDemoScale::kSmall, 60, 300}, SScaleRange{EDemoScale::kFull, 1600, 2400},
          SScaleRange{EDemoScale::kHuge, 6500, 9500}}) {
        const demo::SDemoPlan plan = demo::MakeDemoPlan(range.scale, 1);
        ASSERT_EQ(plan.countries.size(), 206u);
        EXPECT_GE(plan.ClubCount(), range.minClubs) << demo::DemoScaleName(range.scale);
        EXPECT_LE(plan.ClubCount(), range.maxClubs) << demo::DemoScaleName(range.scale);
        int withLeagues = 0;
        int withFewClubs = 0;
        for (const demo::SCountryPlan& country : plan.countries) {
            EXPECT_LE(country.ClubCount(), 511);
            EXPECT_LE(country.LeagueCount(), 20);
            EXPECT_LE(country.levels.size(), 5u);
            for (const auto& level : country.levels) {
                EXPECT_FALSE(level.empty());
                for (const int size : level) {
                    EXPECT_GE(size, 8);
                    EXPECT_LE(size, 24);
                }
            }
            withLeagues += country.HasLeagues() ? 1 : 0;
            withFewClubs += country.looseClubs > 0 ? 1 : 0;
            EXPECT_FALSE(country.HasLeagues() && country.looseClubs > 0);
        }
        EXPECT_GE(withLeagues, 3);
        EXPECT_GE(withFewClubs, 3);
        // Country 14 is the richest: no other country has a deeper league system.
        const demo::SCountryPlan& germany = plan.Country(14);
        for (const demo::SCountryPlan& country : plan.countries) {
            EXPECT_LE(country.levels.size(), germany.levels.size()) << country.number;
        }
    }
}

TEST(DemoPlanTest, ScaleNamesRoundTripAndTheSeedVariesTheLayout) {
    for (const EDemoScale scale : {EDemoScale::kSmall, EDemoScale::kFull, EDemoScale::kHuge}) {
        EXPECT_EQ(demo::ParseDemoScale(demo::DemoScaleName(scale)), scale);
    }
    EXPECT_FALSE(demo::ParseDemoScale("medium").has_value());
    const demo::SDemoPlan first = demo::MakeDemoPlan(EDemoScale::kFull, 1);
    const demo::SDemoPlan again = demo::MakeDemoPlan(EDemoScale::kFull, 1);
    const demo::SDemoPlan other = demo::MakeDemoPlan(EDemoScale::kFull, 2);
    const auto layout = [](const demo::SDemoPlan& plan) {
        std::vector<std::vector<std::vector<int>>> levels;
        for (const demo::SCountryPlan& country : plan.countries) {
            levels.push_back(country.levels);
        }
        return levels;
    };
    EXPECT_EQ(layout(first), layout(again));
    EXPECT_NE(layout(first), layout(other));
}

}  // namespace
}  // namespace kw
