#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "TestWorld.h"
#include "editing/SquadChoices.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

class SquadChoicesTest : public test::TestWorld {
protected:
    CClub& NewClub(int country, std::string_view name) {
        CClub& club = *world.Country(country).CreateClub();
        club.SetName(0, name);
        return club;
    }
    CPlayer& Add(CClub& club, int kind, std::string_view surname) {
        CPlayer& person = world.CreatePerson(0, true);
        person.Reset(kind, club.Country());
        person.SetSurname(surname);
        person.SetFirstName("Jan");
        club.AddPerson(person);
        return person;
    }
};

TEST_F(SquadChoicesTest, CountriesWithClubsOnlyByName) {
    world.Country(20).SetName(0, "Zeta");
    world.Country(30).SetName(0, "Alpha");
    world.Country(40).SetName(0, "Beta");
    NewClub(20, "A");
    NewClub(30, "B");
    const std::vector<SChoiceEntry> countries = ChoosableCountries(world, 0);
    EXPECT_EQ(countries, (std::vector<SChoiceEntry>{{30, "Alpha"}, {20, "Zeta"}}));
}

TEST_F(SquadChoicesTest, ClubsByNameWithTheirSecondTeamsAndNoNationalTeam) {
    CClub& zebra = NewClub(kDefaultCountry, "Zebra");
    CClub& adler = NewClub(kDefaultCountry, "Adler");
    const CCountry& country = world.Country(kDefaultCountry);
    const std::vector<SChoiceEntry> firstTeams = ChoosableClubs(country, 0, false);
    EXPECT_EQ(firstTeams,
              (std::vector<SChoiceEntry>{{adler.Id(), "Adler"}, {zebra.Id(), "Zebra"}}));

    const std::vector<SChoiceEntry> clubs = ChoosableClubs(country, 0, true);
    ASSERT_EQ(clubs.size(), 4u);
    EXPECT_EQ(clubs[0].value, adler.Id());
    EXPECT_EQ(clubs[1].value, adler.Id() | kSecondTeamFlag);
    EXPECT_EQ(clubs[1].text, adler.SecondTeamName(0));
    EXPECT_NE(clubs[1].text, clubs[0].text);
    EXPECT_EQ(clubs[3].value, zebra.Id() | kSecondTeamFlag);
    for (const SChoiceEntry& entry : clubs) {
        EXPECT_FALSE(IsNationalTeam(entry.value));
    }
}

TEST_F(SquadChoicesTest, PlayerRowsLeaveTheStaffOut) {
    CClub& club = NewClub(kDefaultCountry, "Adler");
    world.Country(kDefaultCountry).SetName(0, "Heimat");
    CPlayer& keeper = Add(club, 0, "Torwart");
    keeper.SetPosition(0, position::kGoalkeeper);
    keeper.SetFootAndForm(static_cast<std::uint8_t>((keeper.FootAndForm() & ~0x07) | 3));
    Add(club, 1, "Chef");
    Add(club, 3, "Boss");
    Add(club, 18, "Fan");

    const std::vector<SChoiceEntry> players = ChoosablePlayers(club, 0);
    ASSERT_EQ(players.size(), 1u);
    EXPECT_EQ(players[0].value, keeper.Id());
    // Name, position, nationality, strength with one decimal, talent.
    EXPECT_EQ(players[0].text.substr(0, players[0].text.find('\t')), "Torwart, J.");
    EXPECT_NE(players[0].text.find("\tTO\tHeimat\t"), std::string::npos);
    EXPECT_EQ(players[0].text.back(), '3');
    EXPECT_EQ(players[0].text[players[0].text.rfind('\t') - 2], '.');
    // Kinds outside the staff have no role.
    EXPECT_TRUE(StaffRoleName(0).empty());
    EXPECT_TRUE(StaffRoleName(19).empty());
}

}  // namespace
}  // namespace kw
