#include <gtest/gtest.h>

#include <memory>

#include "DemoDocumentTest.h"
#include "editing/PersonClub.h"
#include "editing/SquadChoices.h"
#include "editing/SquadRules.h"
#include "editing/StaffCommands.h"
#include "editing/StaffKinds.h"
#include "editing/StaffList.h"
#include "model/WithoutClub.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

// The manager list's commands on the small demo database, each checked against the placement
// invariant.
class StaffCommandsTest : public test::DemoClubsTest {
protected:
    // A person of the kind added to the club outside the history (test set-up).
    CPlayer& AddPerson(CClub& club, int kind) {
        CPlayer& person = Live().CreatePerson(Live().NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        club.AddPerson(person);
        return person;
    }

    // Drops every staff person of the club (test set-up), so each kind can be created.
    void ClearStaff(CClub& club) {
        for (const CPlayer* person : club.Staff()) {
            const std::uint32_t id = person->Id();
            club.RemovePerson(id);
            Live().RemovePerson(id);
        }
    }
};

TEST_F(StaffCommandsTest, EachKindIsCreatedOnceWithTheCountrysLanguages) {
    ClearStaff(*home);
    // Room for all eighteen below the creating limit.
    while (home->PersonIds().size() > 40) {
        const std::uint32_t last = home->PersonIds().back();
        home->RemovePerson(last);
        Live().RemovePerson(last);
    }
    SCountrySettings& settings = Live().Country(home->Country()).Settings();
    settings.languages = {14, 19, 43, 0};
    for (int kind = kFirstStaffKind; kind <= kLastStaffKind; ++kind) {
        ASSERT_TRUE(CanCreateStaffKind(*home, kind)) << kind;
        const std::uint32_t id = NewStaffPerson(document, home->Id(), kind);
        ASSERT_NE(id, 0u) << kind;
        ExpectPlacementSound();
        const CPlayer& person = *document.World().Person(id);
        EXPECT_TRUE(home->HasPerson(id));
        EXPECT_EQ(person.Kind(), kind);
        EXPECT_EQ(person.TeamFlag(), 0);
        EXPECT_EQ(person.Nationality(), home->Country());
        EXPECT_EQ(person.Positions()[0], 1);
        EXPECT_EQ(person.Languages()[0], 14);
        EXPECT_EQ(person.Languages()[1], 19);
        // A second of the kind is refused and records nothing.
        EXPECT_FALSE(CanCreateStaffKind(*home, kind));
        const std::size_t edits = document.History().Count();
        EXPECT_EQ(NewStaffPerson(document, home->Id(), kind), 0u);
        EXPECT_EQ(document.History().Count(), edits);
    }
    EXPECT_EQ(home->Staff().size(), static_cast<std::size_t>(kLastStaffKind));
    EXPECT_EQ(document.History().Count(), static_cast<std::size_t>(kLastStaffKind));
    EXPECT_EQ(NewStaffPerson(document, home->Id(), 0), 0u);
    EXPECT_EQ(NewStaffPerson(document, home->Id(), kLastStaffKind + 1), 0u);
    EXPECT_FALSE(CanCreateStaffKind(Live().Country(home->Country()).NationalTeam(), 1));
}

TEST_F(StaffCommandsTest, CreatingStopsAtSeventyPersonsAndOneUndoRemovesTheNewPerson) {
    ClearStaff(*home);
    FillClub(*home, kPersonsForNewStaff);
    const std::string before = Dump();
    EXPECT_FALSE(CanCreateStaffKind(*home, personkind::kTrainer));
    EXPECT_EQ(NewStaffPerson(document, home->Id(), personkind::kTrainer), 0u);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(document.History().Count(), 0u);

    const std::uint32_t last = home->PersonIds().back();
    home->RemovePerson(last);
    Live().RemovePerson(last);
    const std::string room = Dump();
    const std::uint32_t id = NewStaffPerson(document, home->Id(), personkind::kTrainer);
    ASSERT_NE(id, 0u);
    EXPECT_EQ(home->PersonIds().size(), static_cast<std::size_t>(kPersonsForNewStaff));
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), room);
    EXPECT_EQ(document.World().Person(id), nullptr);
    ExpectPlacementSound();
}

TEST_F(StaffCommandsTest, TransferGoesToTheFirstTeamAndNeverIntoTheOwnClub) {
    CPlayer& scout = AddPerson(*home, 8);
    scout.SetTeamFlag(1);
    const std::uint32_t id = scout.Id();
    const std::string before = Dump();
    // The own club, also as its second-team entry, and a national team change nothing.
    EXPECT_FALSE(TransferStaffPerson(document, home->Id(), id, home->Id()));
    EXPECT_FALSE(TransferStaffPerson(document, home->Id(), id, home->Id() | kSecondTeamFlag));
    EXPECT_FALSE(TransferStaffPerson(document, home->Id(), id,
                                     MakeClubId(home->Country(), kNationalTeamIndex)));
    // A player is no staff person of the list.
    EXPECT_FALSE(TransferStaffPerson(document, home->Id(), home->FirstTeam().front()->Id(),
                                     neighbour->Id()));
    EXPECT_TRUE(home->HasPerson(id));
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(document.History().Count(), 0u);

    ASSERT_TRUE(TransferStaffPerson(document, home->Id(), id, abroad->Id() | kSecondTeamFlag));
    ExpectPlacementSound();
    EXPECT_FALSE(home->HasPerson(id));
    EXPECT_TRUE(abroad->HasPerson(id));
    EXPECT_EQ(document.World().Person(id)->TeamFlag(), 0);
    EXPECT_EQ(document.History().Count(), 1u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
    ExpectPlacementSound();
}

TEST_F(StaffCommandsTest, AFullClubRefusesWithoutLosingThePerson) {
    const std::uint32_t masseur = AddPerson(*home, 13).Id();
    FillClub(*abroad, CClub::kMaxPersons);
    const std::string before = Dump();
    EXPECT_FALSE(TransferStaffPerson(document, home->Id(), masseur, abroad->Id()));
    ExpectPlacementSound();
    EXPECT_TRUE(home->HasPerson(masseur));

    const std::uint32_t other = AddPerson(*neighbour, 14).Id();
    FillClub(*home, CClub::kMaxPersons);
    const std::string full = Dump();
    EXPECT_FALSE(FetchStaffPerson(document, home->Id(), other));
    EXPECT_TRUE(neighbour->HasPerson(other));
    EXPECT_NE(document.World().Person(other), nullptr);
    EXPECT_EQ(Dump(), full);
    EXPECT_EQ(document.History().Count(), 0u);
    ExpectPlacementSound();
}

TEST_F(StaffCommandsTest, FetchTakesAStaffPersonOfAnotherClubOnly) {
    CPlayer& trainer = AddPerson(*abroad, personkind::kTrainer);
    trainer.SetTeamFlag(1);
    const std::uint32_t id = trainer.Id();
    const std::uint32_t ownStaff = AddPerson(*home, 16).Id();
    const std::string before = Dump();
    EXPECT_FALSE(FetchStaffPerson(document, home->Id(), ownStaff));
    EXPECT_FALSE(FetchStaffPerson(document, home->Id(),
                                  neighbour->FirstTeam().empty()
                                      ? abroad->FirstTeam().front()->Id()
                                      : neighbour->FirstTeam().front()->Id()));
    EXPECT_EQ(Dump(), before);

    ASSERT_TRUE(FetchStaffPerson(document, home->Id(), id));
    ExpectPlacementSound();
    EXPECT_TRUE(home->HasPerson(id));
    EXPECT_FALSE(abroad->HasPerson(id));
    EXPECT_EQ(ClubHoldingPerson(document.World(), id), home);
    EXPECT_EQ(document.World().Person(id)->TeamFlag(), 1);
    // Fetching it again is fetching from the own club.
    EXPECT_FALSE(FetchStaffPerson(document, home->Id(), id));
    EXPECT_EQ(document.History().Count(), 1u);
}

TEST_F(StaffCommandsTest, DeletionRemovesTheMasseurFromTheWorldNotToTheWithoutList) {
    const std::uint32_t masseur = AddPerson(*home, 13).Id();
    const std::size_t without = document.World().WithoutClub().Ids().size();
    const std::string before = Dump();
    EXPECT_FALSE(DeleteStaffPerson(document, home->Id(), home->FirstTeam().front()->Id()));
    EXPECT_FALSE(DeleteStaffPerson(document, neighbour->Id(), masseur));
    ASSERT_TRUE(DeleteStaffPerson(document, home->Id(), masseur));
    ExpectPlacementSound();
    EXPECT_EQ(document.World().Person(masseur), nullptr);
    EXPECT_FALSE(home->HasPerson(masseur));
    EXPECT_FALSE(document.World().WithoutClub().Contains(masseur));
    EXPECT_EQ(document.World().WithoutClub().Ids().size(), without);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
    ExpectPlacementSound();
}

TEST_F(StaffCommandsTest, RowsCommandsAndMenuTextsFollowTheKindsTable) {
    ClearStaff(*home);
    CPlayer& doctor = AddPerson(*home, 9);
    doctor.SetSurname("Heil");
    doctor.SetFirstName("Anna");
    CPlayer& ankle = AddPerson(*home, 11);
    ankle.SetSurname("Fuss");
    ankle.SetFirstName("");
    const std::vector<SChoiceEntry> rows = SquadStaffRows(*home);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].value, doctor.Id());
    EXPECT_EQ(rows[0].text, "Heil, A.\tMannschaftsarzt");
    EXPECT_EQ(rows[1].text,
              "Fuss\tSpezialist (Kn\xF6"
              "chel)");
    EXPECT_FALSE(CanCreateStaffKind(*home, 9));
    EXPECT_TRUE(CanCreateStaffKind(*home, 10));
    // The staff chooser lists the staff only, with role and nationality.
    const std::vector<SChoiceEntry> choices = ChoosableStaff(*home, 0);
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].text,
              "Heil, A.\tDoktor\t" + document.World().Country(home->Country()).Name(0));
}

TEST_F(StaffCommandsTest, DuplicatesNeedTheSameNameAndBirthDate) {
    ClearStaff(*home);
    const auto add = [this](int kind, const char* surname, const char* first, int day) {
        CPlayer& person = AddPerson(*home, kind);
        person.SetSurname(surname);
        person.SetFirstName(first);
        person.SetBirthDate(CDate::FromYmd(1960, 5, day));
        return person.Id();
    };
    const std::uint32_t a = add(1, "Meyer", "Jan", 3);
    const std::uint32_t b = add(4, "Meyer", "Jan", 3);
    const std::uint32_t c = add(5, "Meyer", "Jan", 3);
    add(6, "meyer", "Jan", 3);      // case counts
    add(7, "M\xFCller", "Jan", 3);  // accents count
    add(8, "Muller", "Jan", 3);
    add(9, "Schmidt", "Eva", 1);
    add(10, "Schmidt", "Eva", 2);  // another birth date
    const std::uint32_t player = home->FirstTeam().front()->Id();
    std::vector<std::uint32_t> listed = home->PersonIds();
    const std::vector<SStaffDuplicate> pairs = FindStaffDuplicates(document.World(), listed);
    // Three alike give two pairs, neighbours in the sorted order.
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0], (SStaffDuplicate{a, b}));
    EXPECT_EQ(pairs[1], (SStaffDuplicate{b, c}));
    const std::string text = StaffDuplicateText(document.World(), pairs[0]);
    EXPECT_EQ(text.substr(0, 11), "Meyer, Jan ");
    EXPECT_NE(text.find(CDate::FromYmd(1960, 5, 3).Text()), std::string::npos);
    EXPECT_NE(text.find("Trainer / Co-Trainer"), std::string::npos);
    // Players are no staff: a player named alike is not paired.
    Live().Person(player)->SetSurname("Schmidt");
    Live().Person(player)->SetFirstName("Eva");
    Live().Person(player)->SetBirthDate(CDate::FromYmd(1960, 5, 1));
    EXPECT_EQ(FindStaffDuplicates(document.World(), listed).size(), 2u);
    EXPECT_TRUE(FindStaffDuplicates(document.World(), {}).empty());
}

}  // namespace
}  // namespace kw
