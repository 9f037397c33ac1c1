#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <set>

#include "DemoInstallation.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "demo/DemoPersons.h"
#include "demo/DemoPlan.h"
#include "model/Club.h"
#include "model/GameDate.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "reports/WorldStatistics.h"

namespace kw {
namespace {

using demo::EDemoScale;

// The small demo world as the editor loads it: sound competitions, plausible clubs and squads.

class DemoWorldTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_world = test::LoadSmallDemo(); }
    static void TearDownTestSuite() { s_world.reset(); }

    static const demo::SDemoPlan& Plan() {
        static const demo::SDemoPlan plan = demo::MakeDemoPlan(demo::EDemoScale::kSmall, 1);
        return plan;
    }

    // Position groups: goalkeeper, defender, midfielder, forward.
    static int Group(int position) {
        if (position == position::kGoalkeeper) {
            return 0;
        }
        if (position <= position::kLeftWingBack) {
            return 1;
        }
        return position <= position::kAttackingMidfield && position != position::kRightWing &&
                       position != position::kLeftWing
                   ? 2
                   : 3;
    }

    static std::unique_ptr<CWorld> s_world;
};

std::unique_ptr<CWorld> DemoWorldTest::s_world;

TEST_F(DemoWorldTest, CountriesWithLeaguesAreCompleteAndEveryCheckIsSound) {
    int complete = 0;
    for (const demo::SCountryPlan& plan : Plan().countries) {
        const SCountryCheck check = CheckCountry(s_world->Country(plan.number));
        if (!plan.HasLeagues()) {
            EXPECT_FALSE(check.complete) << plan.number;
            continue;
        }
        ++complete;
        EXPECT_TRUE(check.complete) << plan.number;
        EXPECT_EQ(CountryStatistics(s_world->Country(plan.number)).leagues, plan.LeagueCount());
        for (const SCompetitionCheck& competition : check.competitions) {
            EXPECT_EQ(competition.faults[0], 0u) << std::hex << competition.id;
            EXPECT_EQ(competition.faults[1], 0u) << std::hex << competition.id;
        }
    }
    EXPECT_GE(complete, 3);
    // The editor starts with country 14: it has the deepest league system.
    EXPECT_TRUE(s_world->Country(14).IsComplete());
    EXPECT_GE(s_world->Country(14).LevelTable().UsedLevels(), 3);
}

TEST_F(DemoWorldTest, WorldHasTheIntendedSize) {
    const SStatistics total = TotalStatistics(*s_world);
    EXPECT_EQ(total.clubs, Plan().ClubCount());
    EXPECT_GE(s_world->Persons().size(), 2000u);
    EXPECT_LE(s_world->Persons().size(), 9000u);
    EXPECT_GE(s_world->WithoutClub().Count(), 5);
    // Countries without league system: some with a few clubs, most with the national team only.
    int loose = 0;
    for (const demo::SCountryPlan& plan : Plan().countries) {
        if (!plan.HasLeagues() && s_world->Country(plan.number).ClubCount() > 0) {
            ++loose;
            EXPECT_EQ(s_world->Country(plan.number).ClubCount(), plan.looseClubs);
        }
    }
    EXPECT_GE(loose, 3);
}

TEST_F(DemoWorldTest, SquadsMakeTeamsOfPlausiblePlayers) {
    std::array<int, kMaxTalent + 1> talents{};
    std::set<int> staffKinds;
    int players = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& [id, club] : s_world->Country(number).Clubs()) {
            if (club->IsNationalTeam()) {
                continue;
            }
            const int squad = club->PlayerCount();
            EXPECT_GE(squad, 20) << club->Name(0);
            EXPECT_LE(squad, 35) << club->Name(0);
            std::array<int, 4> groups{};
            for (const std::uint32_t personId : club->PersonIds()) {
                const CPlayer& person = *s_world->Person(personId);
                if (!person.IsPlayer()) {
                    staffKinds.insert(person.Kind());
                    continue;
                }
                ++players;
                ++groups[static_cast<std::size_t>(Group(person.MainPosition()))];
                ++talents[static_cast<std::size_t>(Talent(person))];
                const int age = kGameYear - person.BirthDate().Year();
                EXPECT_GE(age, 16);
                EXPECT_LE(age, 38);
                EXPECT_EQ(person.CurrentClub(), id);
                EXPECT_FALSE(person.Surname().Empty());
            }
            EXPECT_GE(groups[0], 2) << club->Name(0);
            EXPECT_GE(groups[1], 5) << club->Name(0);
            EXPECT_GE(groups[2], 5) << club->Name(0);
            EXPECT_GE(groups[3], 3) << club->Name(0);
        }
    }
    // Every talent class occurs, and no class takes nearly all.
    for (const int count : talents) {
        EXPECT_GT(count, players / 50);
        EXPECT_LT(count, players * 7 / 10);
    }
    for (int kind = 1; kind <= 18; ++kind) {
        EXPECT_TRUE(staffKinds.contains(kind)) << kind;
    }
}

TEST_F(DemoWorldTest, StrongerLeaguesHaveStrongerClubs) {
    const auto average = [](const CDBCompetition* node) {
        const auto& league = dynamic_cast<const CDBLeagueBase&>(*node);
        double sum = 0.0;
        for (const std::uint32_t team : league.Teams()) {
            sum += ClubStrength(*DemoWorldTest::s_world->Country(14).Club(team));
        }
        return sum / league.TeamCount();
    };
    const CDBCompetition* first = s_world->Competition(MakeCompetitionId(14, kLeagueType, 0));
    const CDBCompetition* second = s_world->Competition(MakeCompetitionId(14, kLeagueType, 1));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_GT(average(first), average(second) + 3.0);
}

TEST_F(DemoWorldTest, ClubsHaveNamesStadiumsAndKits) {
    for (const auto& [id, club] : s_world->Country(14).Clubs()) {
        if (club->IsNationalTeam()) {
            continue;
        }
        EXPECT_FALSE(club->Name(0).empty());
        EXPECT_EQ(club->Name(0).find("Club "), std::string_view::npos) << club->Name(0);
        EXPECT_FALSE(club->Cities()[0].Empty());
        EXPECT_GE(club->StadiumNumber(), 1);
        EXPECT_LE(club->StadiumNumber(), static_cast<int>(s_world->Country(14).Stadiums().size()));
        EXPECT_GT(club->StadiumCapacity(), 500);
        EXPECT_NE(club->Rivals()[0], 0u);
        EXPECT_GT(club->InitialAssets(), 0);
    }
    std::set<std::string_view> names;
    for (const auto& [id, club] : s_world->Country(14).Clubs()) {
        EXPECT_TRUE(names.insert(club->Name(0)).second) << club->Name(0);
    }
}

// The layout of the demo world per scale, before anything is built.

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
