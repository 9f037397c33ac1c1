#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "ClubsTestSupport.h"
#include "model/Player.h"

namespace kw {
namespace {

using test::ClubsTest;
using test::kClub1;
using test::kClub2;
using test::kClub3;
using test::kNationalTeam;
using ::testing::ElementsAre;

TEST_F(ClubsTest, NationalStadiumFollowsTheCountrysClubCount) {
    CClub& team = Club(kNationalTeam);
    for (int language = 0; language < kLanguageCount; ++language) {
        team.SetCity(language, "Wien");
    }
    team.SetStatistic(2, 40);
    CCountry& country = world.Country(test::kCountry);
    struct Step {
        int clubs;
        std::int32_t capacity;
    };
    for (const Step step : {Step{7, 25000}, Step{8, 35000}, Step{10, 35000}, Step{11, 35000},
                            Step{12, 55000}, Step{39, 55000}, Step{40, 75000}}) {
        while (country.ClubCount() < step.clubs) {
            country.CreateClub();
        }
        team.SetStadiumCapacity(0);
        team.Normalise();
        EXPECT_EQ(team.StadiumCapacity(), step.capacity) << step.clubs;
    }
    EXPECT_EQ(team.StadiumNames()[0].View(), "Stadion Wien");
    EXPECT_EQ(team.StadiumNames()[1].View(), "Stadium Wien");
    EXPECT_EQ(team.StadiumNames()[2].View(), "Wien");
    EXPECT_EQ(team.StadiumNames()[3].View(), "Estadio Comunal de Wien");
    EXPECT_EQ(team.StadiumNames()[4].View(), "Stadio di Wien");
    EXPECT_THAT(team.Statistics(), ElementsAre(0, 0, 0, 0, 0));

    // An ordinary club only gets the smallest ground.
    CClub& club = Club(kClub1);
    club.SetStadiumCapacity(10);
    club.Normalise();
    EXPECT_EQ(club.StadiumCapacity(), 8000);
    EXPECT_TRUE(club.StadiumNames()[0].Empty());
}

TEST_F(ClubsTest, CoordinatesOutOfRangeAreBroughtIntoRange) {
    CClub& c = Club(kClub1);
    const auto longitude = [&](bool west, int degrees, int minutes) {
        c.SetLongitude(west, degrees, minutes);
        c.Normalise();
        const SCoordinate result = SplitCoordinate(c.Longitude());
        return std::tuple(result.negative, result.degrees, result.minutes);
    };
    EXPECT_EQ(longitude(true, 185, 10), std::tuple(true, 179, 0));
    EXPECT_EQ(longitude(true, 180, 30), std::tuple(true, 180, 30));
    EXPECT_EQ(longitude(false, 185, 10), std::tuple(false, 180, 0));
    EXPECT_EQ(longitude(false, 12, 75), std::tuple(false, 12, 59));

    c.SetLatitude(true, 95, 5);
    c.SetLongitude(0);
    c.Normalise();
    EXPECT_EQ(c.Latitude(), MakeCoordinate(true, 90, 0));
}

TEST_F(ClubsTest, ForeignFriendsAndRivalsAreClearedAndRivalsCloseUp) {
    CClub& c = Club(kClub1);
    c.SetFanFriendship(MakeClubId(6, 2));
    c.SetRival(0, MakeClubId(6, 1));
    c.SetRival(1, kClub2);
    c.SetRival(2, MakeClubId(7, 3));
    c.SetRival(3, kClub3 | kSecondTeamFlag);
    c.Normalise();
    EXPECT_EQ(c.FanFriendship(), 0u);
    EXPECT_THAT(c.Rivals(), ElementsAre(kClub2, kClub3 | kSecondTeamFlag, 0u, 0u));

    c.SetFanFriendship(kClub3);
    c.Normalise();
    EXPECT_EQ(c.FanFriendship(), kClub3);
}

TEST_F(ClubsTest, NormaliseFillsAndClampsTheSmallFields) {
    CClub& c = Club(kClub1);
    c.SetName(0, "Deutscher Name");
    c.SetName(3, "Nombre muy largo del club");
    c.SetAlternativeName(3, "Otro nombre largo");
    c.SetAbbreviation(3, "");
    c.SetAlternativeAbbreviation(3, "");
    c.SetPreferredCountry(0, 207);
    c.SetYouthCountry(250);
    c.SetColour(0, 30);
    c.SetColourStyle(9);
    c.SetBadgePath("");
    c.SetSurrounding(2, 6);
    c.Kit().Kit(0).design = 50;
    c.Kit().Kit(1).secondStyle = 13;
    CPlayer& player = AddPerson(c, 0);
    player.SetNickname("?weg");
    c.Normalise();

    // Language 0 is left as it is.
    EXPECT_TRUE(c.Abbreviations()[0].Empty());
    EXPECT_EQ(c.Abbreviations()[3].View(), "Nombre muy ");
    EXPECT_EQ(c.AlternativeAbbreviations()[3].View(), "Otro nombre");
    EXPECT_EQ(c.PreferredCountry(0), 14);
    EXPECT_EQ(c.YouthCountry(), 14);
    EXPECT_EQ(c.Colour(0), 23);
    EXPECT_EQ(c.ColourStyle(), 4);
    EXPECT_EQ(c.BadgePath().View(), "color\\badge256\\sw_ws.tga");
    EXPECT_EQ(c.Surroundings()[2], 0);
    EXPECT_EQ(c.Kit().Kit(0).design, 42);
    EXPECT_EQ(c.Kit().Kit(1).secondStyle, 12);
    EXPECT_TRUE(player.Nickname().Empty());
}

TEST_F(ClubsTest, ClubsOfCountry14OutsideNumber13SkipTheItCup) {
    world.Country(14).AddClub(1);
    world.Country(14).AddClub(2);
    CClub& outside = *world.Country(14).Club(MakeClubId(14, 1));
    CClub& inside = *world.Country(14).Club(MakeClubId(14, 2));
    inside.SetExternalNumber(13);
    outside.Normalise();
    inside.Normalise();
    Club(kClub1).Normalise();
    EXPECT_EQ(outside.StatusFlags(), CClub::kNoItCupFlag);
    EXPECT_EQ(inside.StatusFlags(), 0);
    EXPECT_EQ(Club(kClub1).StatusFlags(), 0);
}

}  // namespace
}  // namespace kw
