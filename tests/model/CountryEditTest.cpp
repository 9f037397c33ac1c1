#include <gtest/gtest.h>

#include "CountriesTestSupport.h"
#include "competition/Cup.h"
#include "competition/Pool.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

using test::Club;
using test::kCountry;
using Kind = CScriptedUserInterface::Message::Kind;

class CountryEdit : public test::CountriesTest {};

TEST_F(CountryEdit, DeletingAClubClearsItFromTheOtherClubsAndTheCompetitions) {
    AddClubs({1, 2, 3, 4});
    CClub& first = *Country().Club(Club(1));
    first.SetFanFriendship(Club(3));
    first.SetRival(0, Club(2));
    first.SetRival(1, Club(3) | kSecondTeamFlag);
    first.SetRival(2, Club(4));
    Country().Club(Club(4))->SetRival(0, Club(3));
    CDBLeague& league = AddLeague(0, 0, {Club(1), Club(3), Club(3) | kSecondTeamFlag, Club(4)});
    auto& pool = static_cast<CDBPool&>(world.RegisterCompetition(std::make_unique<CDBPool>(
        MakeCompetitionId(kCountry, kPoolType, 0), MakeCompetitionId(kCountry, kRootType, 0))));
    pool.Teams() = {Club(3), Club(2)};
    const std::uint32_t person = AddPlayer(*Country().Club(Club(3))).Id();

    Country().RemoveClub(Club(3));

    EXPECT_EQ(Country().Club(Club(3)), nullptr);
    EXPECT_EQ(first.FanFriendship(), 0u);
    EXPECT_EQ(first.Rivals(), (std::array<std::uint32_t, 4>{Club(2), Club(4), 0, 0}));
    EXPECT_EQ(Country().Club(Club(4))->Rivals()[0], 0u);
    EXPECT_EQ(league.Teams(), (std::vector<std::uint32_t>{Club(1), Club(4)}));
    EXPECT_EQ(pool.Teams(), std::vector<std::uint32_t>{Club(2)});
    EXPECT_EQ(world.Person(person), nullptr);
}

TEST_F(CountryEdit, NewClubsTakeTheSmallestFreeIndexUpTo511Clubs) {
    AddClubs({1, 2, 4});
    EXPECT_EQ(Country().CreateClub()->Id(), Club(3));
    EXPECT_EQ(Country().CreateClub()->Id(), Club(5));
    while (Country().ClubCount() < CCountry::kMaxClubs) {
        ASSERT_NE(Country().CreateClub(), nullptr);
    }
    EXPECT_EQ(Country().CreateClub(), nullptr);
    EXPECT_EQ(Country().ClubCount(), 511);
}

TEST_F(CountryEdit, LimitClubsRefusesWhenTheCompetitionsUseMoreClubs) {
    AddClubs({1, 2, 3, 4});
    AddLeague(0, 0, {Club(1), Club(2), Club(3) | kSecondTeamFlag});
    CScriptedUserInterface ui;
    EXPECT_FALSE(world.LimitClubs(kCountry, 2, ui));
    EXPECT_EQ(ui.Texts(Kind::Error),
              std::vector<std::string>{"To many Teams used in current competition structure, "
                                       "please remove some leagues!"});
    EXPECT_EQ(Country().ClubCount(), 4);
}

TEST_F(CountryEdit, LimitClubsDeletesOnlyUnusedClubsDownToTheLimit) {
    AddClubs({1, 2, 3, 4, 5, 6});
    AddLeague(0, 0, {Club(2), Club(5)});
    const std::uint32_t person = AddPlayer(*Country().Club(Club(1))).Id();
    CScriptedUserInterface ui;
    ASSERT_TRUE(world.LimitClubs(kCountry, 4, ui));
    EXPECT_TRUE(ui.Messages().empty());
    // Clubs 1 and 3 go, in ascending index; club 4 and 6 stay once the limit is reached.
    std::vector<std::uint32_t> left;
    for (const auto& [id, club] : Country().Clubs()) {
        left.push_back(id);
    }
    EXPECT_EQ(left, (std::vector<std::uint32_t>{Club(2), Club(4), Club(5), Club(6),
                                                Club(kNationalTeamIndex)}));
    EXPECT_EQ(world.Person(person), nullptr);

    // Used clubs are never deleted, even when the limit cannot be reached without them.
    ASSERT_TRUE(world.LimitClubs(kCountry, 2, ui));
    EXPECT_EQ(Country().ClubCount(), 2);
    EXPECT_NE(Country().Club(Club(2)), nullptr);
    EXPECT_NE(Country().Club(Club(5)), nullptr);
}

TEST_F(CountryEdit, LevelTableCountsLeaguesPerLevel) {
    AddLeague(0, 0, {});
    AddLeague(1, 1, {});
    AddLeague(2, 1, {});
    AddLeague(3, 2, {});
    AddLeague(5, 3, {});  // behind the gap at index 4: not listed
    const SLevelTable table = Country().LevelTable();
    EXPECT_EQ(table.leagues, (std::array<int, 5>{1, 2, 1, 0, 0}));
    EXPECT_EQ(table.firstLeague, (std::array<int, 5>{0, 1, 3, -1, -1}));
    EXPECT_EQ(table.UsedLevels(), 3);
}

TEST_F(CountryEdit, CompleteNeedsTenClubEntriesAndASoundTopLeagueOfEight) {
    AddClubs({1, 2, 3, 4, 5, 6, 7, 8});
    CDBLeague& top =
        AddLeague(0, 0, {Club(1), Club(2), Club(3), Club(4), Club(5), Club(6), Club(7), Club(8)});
    for (int row = 0; row < top.Fixtures().Rows(); ++row) {
        for (int column = 0; column < top.Fixtures().Columns(); ++column) {
            top.Fixtures().SetPairing(row, column, 1, 2);
        }
    }
    for (int day = 1; day <= top.LeagueMatchdays(); ++day) {
        top.AddMatchday(0, day);
        top.AddMatchday(1, day);
    }
    ASSERT_EQ(top.Check(world.Registry(), 0, 0) | top.Check(world.Registry(), 1, 0), 0u);
    EXPECT_FALSE(Country().IsComplete());  // nine entries with the national team
    AddClubs({9});
    EXPECT_TRUE(Country().IsComplete());

    top.Fixtures().SetPairing(3, 1, 0, 0);
    EXPECT_FALSE(Country().IsComplete());
    top.Fixtures().SetPairing(3, 1, 1, 2);
    top.RemoveTeam(Club(8));
    top.SetLeagueSize(7);
    ASSERT_EQ(top.Check(world.Registry(), 0, 0) & kFaultTeamCount, 0u);
    EXPECT_FALSE(Country().IsComplete());
}

TEST_F(CountryEdit, ResetOfABrandNewCountryMakesItsNationalCup) {
    AddLeague(0, 0, {});
    Country().SetLeagueScript(4);
    Country().SetLevelName(0, 0, "Liga");
    Country().ResetCompetitions(true);
    EXPECT_EQ(world.Competition(MakeCompetitionId(kCountry, kLeagueType, 0)), nullptr);
    const auto* cup =
        dynamic_cast<const CDBCup*>(world.Competition(MakeCompetitionId(kCountry, kFaCupType, 0)));
    ASSERT_NE(cup, nullptr);
    EXPECT_EQ(cup->Setting32(), 1);
    EXPECT_EQ(cup->ParentId(), MakeCompetitionId(kCountry, kRootType, 0));
    EXPECT_EQ(Country().Settings().nationalCupSetting, 1);
    EXPECT_EQ(Country().LeagueScript(), 0);
    EXPECT_TRUE(Country().LevelNames(0)[0].Empty());

    Country().ResetCompetitions(false);
    EXPECT_EQ(world.Competition(MakeCompetitionId(kCountry, kFaCupType, 0)), nullptr);
    EXPECT_EQ(Country().Settings().nationalCupSetting, 0);
}

TEST_F(CountryEdit, CupSettingsFollowTheCompetitionsAfterAScriptWasChosen) {
    Country().Settings().nationalCupSetting = 2;
    Country().Settings().leagueCupSettings = 0x04030201;
    Country().Settings().superCupSetting = 5;
    world.RegisterCompetition(std::make_unique<CDBCup>(MakeCompetitionId(kCountry, kFaCupType, 0),
                                                       MakeCompetitionId(kCountry, kRootType, 0)));
    world.RegisterCompetition(std::make_unique<CDBCup>(
        MakeCompetitionId(kCountry, kLeagueCupType, 2), MakeCompetitionId(kCountry, kRootType, 0)));
    Country().RefreshDerivedData();
    EXPECT_EQ(Country().Settings().nationalCupSetting, 2);
    EXPECT_EQ(Country().Settings().leagueCupSettings, 0x00030000u);
    EXPECT_EQ(Country().Settings().superCupSetting, 0);
}

TEST_F(CountryEdit, CopyTakesTheGeneralSettingsAndWithFlag64TheClubs) {
    CWorld other(install.Path());
    Prepare(other);
    CCountry& source = other.Country(kCountry);
    source.Settings().averageStrength = 88;
    source.Settings().notes = "Kopie";
    source.AddClub(2).SetName(0, "Quelle");
    CPlayer& player = other.CreatePerson(0, false);
    source.Club(Club(2))->AddPerson(player);
    AddClubs({1});
    AddPlayer(*Country().Club(Club(1)));

    Country().CopyFrom(source, 0);
    EXPECT_NE(Country().Settings().averageStrength, 88);
    Country().CopyFrom(source, countrycopy::kGeneral);
    EXPECT_EQ(Country().Settings().averageStrength, 88);
    EXPECT_NE(Country().Club(Club(1)), nullptr);

    Country().CopyFrom(source, countrycopy::kClubs);
    EXPECT_EQ(Country().Club(Club(1)), nullptr);
    ASSERT_NE(Country().Club(Club(2)), nullptr);
    EXPECT_EQ(Country().Club(Club(2))->Name(0), "Quelle");
    EXPECT_EQ(world.Persons().size(), 1u);
    EXPECT_EQ(Country().Club(Club(2))->PersonIds().size(), 1u);
}

}  // namespace
}  // namespace kw
