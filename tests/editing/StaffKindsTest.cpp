#include <gtest/gtest.h>

#include <string>

#include "TestWorld.h"
#include "editing/StaffKinds.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw {
namespace {

TEST(StaffKinds, EighteenKindsInKindOrder) {
    const auto kinds = StaffKinds();
    ASSERT_EQ(kinds.size(), 18u);
    for (std::size_t index = 0; index < kinds.size(); ++index) {
        EXPECT_EQ(kinds[index].kind, static_cast<int>(index) + 1);
        EXPECT_EQ(FindStaffKind(kinds[index].kind), &kinds[index]);
        EXPECT_TRUE(kinds[index].createCommand.starts_with("Neue"));
    }
    EXPECT_EQ(FindStaffKind(0), nullptr);
    EXPECT_EQ(FindStaffKind(19), nullptr);
    EXPECT_EQ(FindStaffKind(6)->createCommand, "Neuer Amateurtrainer");
    EXPECT_EQ(FindStaffKind(9)->createCommand, "Neuer Doktor");
    EXPECT_EQ(FindStaffKind(16)->createCommand, "Neuer Marketingmanager");
}

TEST(StaffKinds, RowTextIsShortNameTabRole) {
    EXPECT_EQ(StaffRowText("Berger, A.", 1), "Berger, A.\tTrainer");
    EXPECT_EQ(StaffRowText("Berger, A.", 3), "Berger, A.\tPr\xE4sident");
    EXPECT_EQ(StaffRowText("Berger, A.", 6), "Berger, A.\tTrainer der Reserve");
    EXPECT_EQ(StaffRowText("Berger, A.", 8), "Berger, A.\tChefscout");
    EXPECT_EQ(StaffRowText("Berger, A.", 9), "Berger, A.\tMannschaftsarzt");
    EXPECT_EQ(StaffRowText("Berger, A.", 11),
              "Berger, A.\tSpezialist (Kn\xF6"
              "chel)");
    EXPECT_EQ(StaffRowText("Berger, A.", 15),
              "Berger, A.\tGesch\xE4"
              "ftsf\xFChrer");
    EXPECT_EQ(StaffRowText("Berger, A.", 16), "Berger, A.\tMarketing");
    EXPECT_EQ(StaffRowText("Berger, A.", 18), "Berger, A.\tFanbeauftragter");
    // A name with a percent sign is text, not a format.
    EXPECT_EQ(StaffRowText("100%s", 13), "100%s\tMasseur");
    EXPECT_TRUE(StaffRowText("Berger, A.", 0).empty());
}

TEST(StaffKinds, WhichKindsCarryExperienceAndGrades) {
    for (int kind = 0; kind <= 19; ++kind) {
        EXPECT_EQ(HasManagerExperience(kind), kind == 1 || kind == 2) << kind;
        EXPECT_EQ(HasStaffGrades(kind), kind >= 4 && kind <= 18) << kind;
    }
}

class StaffKindsClubTest : public test::TestWorld {
protected:
    StaffKindsClubTest() : club(*world.Country(19).CreateClub()) {}

    void AddPerson(int kind) {
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        person.Reset(kind, 19);
        ASSERT_TRUE(club.AddPerson(person));
    }

    CClub& club;
};

TEST_F(StaffKindsClubTest, OnePersonPerKindAndRoomForANewOne) {
    EXPECT_TRUE(CanCreateStaffKind(club, 1));
    AddPerson(1);
    EXPECT_FALSE(CanCreateStaffKind(club, 1));
    EXPECT_TRUE(CanCreateStaffKind(club, 4));
    AddPerson(4);
    EXPECT_FALSE(CanCreateStaffKind(club, 4));
    EXPECT_TRUE(CanCreateStaffKind(club, 13));
    EXPECT_FALSE(CanCreateStaffKind(club, 0));
    EXPECT_FALSE(CanCreateStaffKind(club, 19));
    EXPECT_FALSE(CanCreateStaffKind(world.Country(19).NationalTeam(), 1));
    while (club.PersonIds().size() < kPersonsForNewStaff - 1) {
        AddPerson(0);
    }
    EXPECT_TRUE(CanCreateStaffKind(club, 13));
    AddPerson(0);
    EXPECT_FALSE(CanCreateStaffKind(club, 13));
}

}  // namespace
}  // namespace kw
