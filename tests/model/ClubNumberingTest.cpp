#include <gtest/gtest.h>

#include "model/World.h"

namespace kw {
namespace {

class ClubNumbering : public ::testing::Test {
protected:
    ClubNumbering() {
        world.InitialiseCountries();
        for (std::uint16_t index : {3, 7, 9}) {
            world.Country(5).AddClub(index);
        }
        world.Country(5).RebuildNumbering();
    }

    CWorld world;
};

// Dense in id order, the second-team flag kept; national teams pass unchanged, also for a
// country whose table was never built.
TEST_F(ClubNumbering, ClubsAreNumberedDenselyInIdOrder) {
    EXPECT_EQ(world.ExportClubId(MakeClubId(5, 3)), MakeClubId(5, 1));
    EXPECT_EQ(world.ExportClubId(MakeClubId(5, 7)), MakeClubId(5, 2));
    EXPECT_EQ(world.ExportClubId(MakeClubId(5, 9)), MakeClubId(5, 3));
    EXPECT_EQ(world.ExportClubId(MakeClubId(5, 7) | kSecondTeamFlag),
              MakeClubId(5, 2) | kSecondTeamFlag);
    const std::uint32_t nationalTeam = MakeClubId(5, kNationalTeamIndex);
    EXPECT_EQ(world.ExportClubId(nationalTeam), nationalTeam);
    EXPECT_EQ(world.ExportClubId(MakeClubId(9, kNationalTeamIndex)), MakeClubId(9, 0xFFFF));
}

TEST_F(ClubNumbering, DeletedAndUnknownClubsBecomeZero) {
    world.Country(5).RemoveClub(MakeClubId(5, 7));
    world.Country(5).RebuildNumbering();
    EXPECT_EQ(world.ExportClubId(MakeClubId(5, 7)), 0u);
    EXPECT_EQ(world.ExportClubId(MakeClubId(5, 9)), MakeClubId(5, 2));
    EXPECT_EQ(world.ExportClubId(MakeClubId(6, 1)), 0u);
    EXPECT_EQ(world.ExportClubId(0), 0u);
    EXPECT_EQ(world.ExportClubId(MakeClubId(250, 1)), 0u);
}

TEST_F(ClubNumbering, NationalTeamCannotBeRemovedAndNewClubsFillGaps) {
    CCountry& country = world.Country(5);
    country.RemoveClub(MakeClubId(5, kNationalTeamIndex));
    EXPECT_NE(country.Club(MakeClubId(5, kNationalTeamIndex)), nullptr);
    EXPECT_EQ(country.CreateClub()->Id(), MakeClubId(5, 1));
    EXPECT_EQ(country.CreateClub()->Id(), MakeClubId(5, 2));
    EXPECT_EQ(country.CreateClub()->Id(), MakeClubId(5, 4));
}

}  // namespace
}  // namespace kw
