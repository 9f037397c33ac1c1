#include <gtest/gtest.h>

#include <set>

#include "AdminTestSupport.h"
#include "model/RecordResult.h"
#include "model/Stadium.h"
#include "storage/NameLists.h"
#include "tools/AdminCountryTools.h"

namespace kw {
namespace {

using test::AdminToolsTest;

TEST(RenamedStadium, KeepsMarkedNamesAndMakesInitialsOfTheOthers) {
    EXPECT_EQ(RenamedStadium("!!Arena", "Musterstadt"), "Arena");
    EXPECT_EQ(RenamedStadium("!!Seestadion", "Nordhafen"), "Seestadion");
    EXPECT_EQ(RenamedStadium("Stadion am Park", "Musterstadt"), "S. a. P. Musterstadt");
    EXPECT_EQ(RenamedStadium("Stadion an der Alten Weide", "Nordhafen"),
              "S. a. d. A. W. Nordhafen");
    // Words starting with a digit or an umlaut give no initial; only blanks separate words.
    EXPECT_EQ(RenamedStadium("1. Park \xDC"
                             "ber-Feld",
                             "Ort"),
              "P. Ort");
    EXPECT_EQ(RenamedStadium("Park-Stadion  Nord", "Ort"), "P. N. Ort");
    EXPECT_EQ(RenamedStadium("", "Ort"), "Ort");
}

TEST(RenamedStadium, CutsAtTwentyNineCharactersAndNineInitials) {
    EXPECT_EQ(RenamedStadium("!!Ein sehr langer Stadionname im Norden", "X"),
              "Ein sehr langer Stadionname i");
    EXPECT_EQ(RenamedStadium("A B C D E F G H I J K", "Stadt"), "A. B. C. D. E. F. G. H. I. St");
    EXPECT_EQ(RenamedStadium("Arena", "Eine Stadt mit sehr langem Namen"),
              "A. Eine Stadt mit sehr langem");
}

TEST_F(AdminToolsTest, RenamingStadiumsIsOneEditOfTheCountry) {
    std::vector<CStadium>& stadiums = Live().Country(kCountryCount).Stadiums();
    stadiums.clear();
    CStadium park;
    park.SetName("Stadion am Park");
    park.SetCity("Musterstadt");
    CStadium arena;
    arena.SetName("!!Arena");
    arena.SetCity("Musterstadt");
    stadiums = {park, arena};

    EXPECT_EQ(Run("rename-stadiums", {.country = kCountryCount}).text,
              "Finished renaming stadiums");
    const std::vector<CStadium>& renamed = document.World().Country(kCountryCount).Stadiums();
    EXPECT_EQ(renamed[0].Name().View(), "S. a. P. Musterstadt");
    EXPECT_EQ(renamed[1].Name().View(), "Arena");
    EXPECT_EQ(renamed[1].City().View(), "Musterstadt");
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectSound();

    // The rule does not know its own result: a second run makes initials of the initials.
    Run("rename-stadiums", {.country = kCountryCount});
    EXPECT_EQ(document.World().Country(kCountryCount).Stadiums()[0].Name().View(),
              "S. a. P. M. Musterstadt");
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.World().Country(kCountryCount).Stadiums()[1].Name().View(), "!!Arena");
}

TEST_F(AdminToolsTest, HistoryIsClearedForTheClubsButNotTheNationalTeam) {
    CClub& club = AddClub(kCountryCount);
    club.RecordResult(CClub::kHomeWin).SetFromEditor("7:0", "Nachbar", "1999");
    club.RecordResult(CClub::kRecordAttendance).SetAttendanceFromEditor("45000", "Nachbar", "2001");
    club.SetStatistic(0, 1200);
    club.SetStatistic(4, 17);
    CClub& national = Live().Country(kCountryCount).NationalTeam();
    national.RecordResult(CClub::kAwayWin).SetFromEditor("3:1", "Gast", "1990");
    national.SetStatistic(1, 5);

    EXPECT_EQ(Run("clear-match-records", {.country = kCountryCount}).text,
              "Cleared all club match history in the the country");
    EXPECT_EQ(Run("clear-league-statistics", {.country = kCountryCount}).text,
              "Cleared all club 1st league history in the the country");
    const CCountry& country = document.World().Country(kCountryCount);
    const CClub& cleared = *country.Club(club.Id());
    for (int which = 0; which < CClub::kRecordCount; ++which) {
        EXPECT_EQ(cleared.RecordResult(which), CRecordResult{});
    }
    EXPECT_EQ(cleared.Statistics(), (std::array<std::int32_t, CClub::kStatisticCount>{}));
    EXPECT_EQ(country.NationalTeam().RecordResult(CClub::kAwayWin).ScoreText(), "3:1");
    EXPECT_EQ(country.NationalTeam().Statistics()[1], 5);
    EXPECT_EQ(document.History().Count(), 2u);

    // A second run finds nothing and records nothing.
    Run("clear-match-records", {.country = kCountryCount});
    Run("clear-league-statistics", {.country = kCountryCount});
    EXPECT_EQ(document.History().Count(), 2u);
    ExpectSound();
}

class RenameStaffTest : public AdminToolsTest {
protected:
    // Two countries whose main languages differ.
    void SetUp() override {
        home = 1;
        for (int number = 2; number <= kCountryCount; ++number) {
            if (Live().Country(number).FirstAttribute() != Live().Country(home).FirstAttribute()) {
                foreign = number;
                break;
            }
        }
        ASSERT_NE(foreign, 0);
        club = &AddClub(kCountryCount);
        trainer = &AddPerson(*club, 1);
        trainer->SetNationality(static_cast<std::uint8_t>(home));
        trainer->SetFirstName("Alt");
        trainer->SetSurname("Trainer");
        doctor = &AddPerson(*club, 9);
        doctor->SetNationality(static_cast<std::uint8_t>(foreign));
        doctor->SetFirstName("Alt");
        doctor->SetSurname("Doktor");
        player = &AddPerson(*club, 0);
        player->SetFirstName("Alt");
        player->SetSurname("Spieler");
    }

    int home = 0;
    int foreign = 0;
    CClub* club = nullptr;
    CPlayer* trainer = nullptr;
    CPlayer* doctor = nullptr;
    CPlayer* player = nullptr;
};

TEST_F(RenameStaffTest, StaffGetNamesOfTheirLanguageOrTheFallBackGroup) {
    CNameList first;
    CNameList last;
    const std::int32_t language = Live().Country(home).FirstAttribute();
    first.Add(language, "Hans");
    last.Add(language, "Meier");
    first.Add(0, "Zeno");
    last.Add(0, "Zorn");
    const SStaffNameLists names{first, last};

    EXPECT_EQ(Run("rename-staff", {.country = kCountryCount, .names = &names}).text,
              "Renamed all staff in the country");
    const CWorld& world = document.World();
    EXPECT_EQ(world.Person(trainer->Id())->FirstName().View(), "Hans");
    EXPECT_EQ(world.Person(trainer->Id())->Surname().View(), "Meier");
    EXPECT_EQ(world.Person(doctor->Id())->FirstName().View(), "Zeno");
    EXPECT_EQ(world.Person(doctor->Id())->Surname().View(), "Zorn");
    EXPECT_EQ(world.Person(player->Id())->Surname().View(), "Spieler");
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectSound();
}

TEST_F(RenameStaffTest, EmptyNameGroupsKeepTheOldNames) {
    CNameList first;
    CNameList last;
    // Only a group nobody belongs to: no name can be drawn for anyone.
    first.Add(250, "Niemand");
    const SStaffNameLists names{first, last};

    EXPECT_EQ(Run("rename-staff", {.country = kCountryCount, .names = &names}).text,
              "Renamed all staff in the country");
    EXPECT_EQ(document.World().Person(trainer->Id())->FirstName().View(), "Alt");
    EXPECT_EQ(document.World().Person(doctor->Id())->Surname().View(), "Doktor");
    EXPECT_EQ(document.History().Count(), 0u);

    EXPECT_FALSE(Run("rename-staff", {.country = kCountryCount}).ok);
    ExpectSound();
}

}  // namespace
}  // namespace kw
