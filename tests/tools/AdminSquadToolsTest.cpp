#include <gtest/gtest.h>

#include "AdminTestSupport.h"
#include "model/Date.h"
#include "model/WithoutClub.h"
#include "tools/AdminSquadTools.h"

namespace kw {
namespace {

using test::AdminToolsTest;

TEST_F(AdminToolsTest, YellowShoesAreCountedPerClubCountryAndDatabase) {
    ForEveryPerson([](CPlayer& person) { person.SetShoeType(1); });
    CClub& first = AddClub(kCountryCount);
    CClub& second = AddClub(kCountryCount);
    CClub& elsewhere = DemoClub(kCountryCount);
    AddPerson(first, 0).SetShoeType(5);
    AddPerson(first, 2).SetShoeType(9);
    CPlayer& almost = AddPerson(first, 0);
    almost.SetShoeType(4);
    AddPerson(second, 0).SetShoeType(6);
    CPlayer& abroad = AddPerson(elsewhere, 0);
    abroad.SetShoeType(7);
    CPlayer& national = AddPerson(Live().Country(kCountryCount).NationalTeam(), 0);
    national.SetShoeType(8);

    EXPECT_EQ(Run("club-yellow-shoes", {.club = first.Id()}).text, "Changed 2 shoes to black");
    EXPECT_EQ(almost.ShoeType(), 4);
    EXPECT_EQ(Run("country-yellow-shoes", {.country = kCountryCount}).text,
              "Changed 1 shoes to black");
    EXPECT_EQ(abroad.ShoeType(), 7);
    EXPECT_EQ(Run("database-yellow-shoes").text, "Changed 1 shoes to black");
    EXPECT_EQ(abroad.ShoeType(), 2);
    EXPECT_EQ(national.ShoeType(), 8);
    EXPECT_EQ(document.History().Count(), 3u);

    // Nothing left to change: reported, not recorded.
    EXPECT_EQ(Run("database-yellow-shoes").text, "Changed 0 shoes to black");
    EXPECT_EQ(document.History().Count(), 3u);
    ExpectSound();
}

TEST_F(AdminToolsTest, TacticalTrainingReachesTheLastCountryAndOneUndoTakesItBack) {
    ForEveryPerson([](CPlayer& person) { person.SetTacticalTraining(1); });
    CPlayer& last = AddPerson(AddClub(kCountryCount), 0);
    last.SetTacticalTraining(0);
    CPlayer& staff = AddPerson(DemoClub(kCountryCount), 1);
    staff.SetTacticalTraining(0);
    CPlayer& trained = AddPerson(DemoClub(kCountryCount), 0);
    trained.SetTacticalTraining(2);
    CPlayer& national = AddPerson(Live().Country(1).NationalTeam(), 0);
    national.SetTacticalTraining(0);

    EXPECT_EQ(Run("tactical-training").text, "Changed the tactical skill of 1 players");
    EXPECT_EQ(last.TacticalTraining(), 3);
    EXPECT_EQ(staff.TacticalTraining(), 0);
    EXPECT_EQ(trained.TacticalTraining(), 2);
    EXPECT_EQ(national.TacticalTraining(), 0);
    ExpectSound();

    ASSERT_EQ(document.History().Count(), 1u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.World().Person(last.Id())->TacticalTraining(), 0);
}

TEST_F(AdminToolsTest, OnlyTheFirstOfJanuaryPlaceholdersGetANewBirthDate) {
    ForEveryPerson([](CPlayer& person) { person.SetBirthDate(CDate::FromYmd(1985, 5, 5)); });
    CClub& club = AddClub(kCountryCount);
    CPlayer& twenty = AddPerson(club, 0);
    twenty.SetBirthDate(CDate::FromYmd(1920, 1, 1));
    CPlayer& nineteenHundred = AddPerson(DemoClub(), 3);
    nineteenHundred.SetBirthDate(CDate::FromYmd(1900, 1, 1));
    CPlayer& secondJanuary = AddPerson(club, 0);
    secondJanuary.SetBirthDate(CDate::FromYmd(1920, 1, 2));

    EXPECT_EQ(Run("placeholder-birth-dates").text, "Changed the birthday of 2 players");
    EXPECT_EQ(twenty.BirthDate(), CDate::FromYmd(1980, 1, 1));
    EXPECT_EQ(nineteenHundred.BirthDate(), CDate::FromYmd(1980, 1, 1));
    EXPECT_EQ(secondJanuary.BirthDate(), CDate::FromYmd(1920, 1, 2));
    ExpectSound();
}

TEST_F(AdminToolsTest, RemovingStaffKeepsTheBoardAndLeavesNoPersonBehind) {
    CClub& club = AddClub(kCountryCount);
    const std::uint32_t trainer = AddPerson(club, 1).Id();
    const std::uint32_t manager = AddPerson(club, 2).Id();
    const std::uint32_t president = AddPerson(club, 3).Id();
    const std::uint32_t doctor = AddPerson(club, 9).Id();
    const std::uint32_t player = AddPerson(club, 0).Id();
    CPlayer& freeScout = Live().CreatePerson(Live().NextFreePersonId(), false);
    freeScout.Reset(8, 14);
    Live().WithoutClub().Append(freeScout);
    const std::uint32_t scout = freeScout.Id();

    // The demo's own staff count too: every person above kind 3 in a club or without one.
    int expected = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : Live().Country(number).Clubs()) {
            for (const std::uint32_t id : entry.second->PersonIds()) {
                expected += !entry.second->IsNationalTeam() && Live().Person(id)->Kind() > 3;
            }
        }
    }
    for (const std::uint32_t id : Live().WithoutClub().Ids()) {
        expected += Live().Person(id)->Kind() > 3;
    }

    EXPECT_EQ(Run("remove-staff").text, "Deleted " + std::to_string(expected) + " staffs");
    const CWorld& world = document.World();
    const CClub& after = *world.Country(kCountryCount).Club(club.Id());
    EXPECT_EQ(after.PersonIds(), (std::vector<std::uint32_t>{trainer, manager, president, player}));
    EXPECT_EQ(world.Person(doctor), nullptr);
    EXPECT_EQ(world.Person(scout), nullptr);
    EXPECT_FALSE(world.WithoutClub().Contains(scout));
    ExpectSound();

    ASSERT_TRUE(document.Undo());
    EXPECT_NE(document.World().Person(doctor), nullptr);
    EXPECT_TRUE(document.World().Country(kCountryCount).Club(club.Id())->HasPerson(doctor));
    EXPECT_TRUE(document.World().WithoutClub().Contains(scout));
    EXPECT_EQ(test::ReferenceFaults(document.World()), std::vector<std::string>{});
}

}  // namespace
}  // namespace kw
