#include <gtest/gtest.h>

#include <algorithm>

#include "DemoDocumentTest.h"
#include "editing/SquadCommands.h"
#include "editing/SquadRules.h"
#include "editing/WithoutClubCommands.h"
#include "model/PlayerStrength.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

// The list of players without club on the small demo, with six players of its own at the end.
class WithoutClubCommandsTest : public test::DemoDocumentTest {
protected:
    WithoutClubCommandsTest() {
        for (int n = 0; n < 6; ++n) {
            CPlayer& person = Live().CreatePerson(Live().NextFreePersonId(), false);
            person.Reset(0, kDefaultCountry);
            person.SetSurname("Frei" + std::to_string(n));
            person.SetFirstName("Karl");
            Live().WithoutClub().Append(person);
            added.push_back(person.Id());
        }
        club = &ClubWithPlayers();
    }

    std::vector<std::uint32_t> ListIds() const { return document.World().WithoutClub().Ids(); }

    std::vector<std::uint32_t> added;
    CClub* club = nullptr;
};

TEST_F(WithoutClubCommandsTest, RowsFollowTheListWithNameNationalityPositionAndStrength) {
    ExpectReferencesSound();
    CPlayer& person = *Live().Person(added[2]);
    person.SetPosition(0, 17);
    person.SetNationality(static_cast<std::uint8_t>(club->Country()));
    const std::vector<SWithoutClubRow> rows = WithoutClubRows(document.World(), 0);
    ASSERT_EQ(rows.size(), ListIds().size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        EXPECT_EQ(rows[row].personId, ListIds()[row]);
    }
    const SWithoutClubRow& row = rows[rows.size() - 4];
    EXPECT_EQ(row.personId, added[2]);
    EXPECT_EQ(row.name, "Frei2, K.");
    EXPECT_EQ(row.nationality, document.World().Country(club->Country()).Name(0));
    EXPECT_EQ(row.position, PositionAbbreviation(17));
    EXPECT_DOUBLE_EQ(row.strength, PlayerStrength(person));
    EXPECT_EQ(WithoutClubStrengthText(63.25), "63.2");
    EXPECT_EQ(WithoutClubStrengthText(7.0), "7.0");
}

TEST_F(WithoutClubCommandsTest, ReselectionMovesUpByTheRowsRemovedAboveAndStaysInTheList) {
    const std::vector<std::uint32_t> before = {1, 2, 3, 4, 5, 6};
    // Rows 1 and 2 removed above row 4: the old row 4 (id 5) is now row 2.
    EXPECT_EQ(WithoutClubRowAfterCommand(before, {1, 4, 5, 6}, 4), 2);
    // The selected row itself removed: the row after it moves into its place.
    EXPECT_EQ(WithoutClubRowAfterCommand(before, {1, 2, 4, 5, 6}, 2), 2);
    // Removed rows below do not move it.
    EXPECT_EQ(WithoutClubRowAfterCommand(before, {1, 2, 3}, 1), 1);
    // The last row deleted selects the new last row.
    EXPECT_EQ(WithoutClubRowAfterCommand(before, {1, 2, 3, 4, 5}, 5), 4);
    // Every row removed: nothing to select; no previous row starts at the top.
    EXPECT_EQ(WithoutClubRowAfterCommand(before, {}, 3), -1);
    EXPECT_EQ(WithoutClubRowAfterCommand(before, {2, 3}, -1), 0);
}

TEST_F(WithoutClubCommandsTest, DeleteRemovesFromListAndWorldAsOneUndoableEdit) {
    const std::string before = DumpWorldJson(document.World());
    const std::size_t persons = document.World().Persons().size();
    const std::vector<std::uint32_t> listBefore = ListIds();
    EXPECT_EQ(DeleteWithoutClubPlayers(document, {added[1], added[5]}), 2);
    ExpectReferencesSound();
    EXPECT_EQ(document.History().Count(), 1u);
    EXPECT_EQ(document.World().Persons().size(), persons - 2);
    EXPECT_EQ(document.World().Person(added[1]), nullptr);
    EXPECT_FALSE(document.World().WithoutClub().Contains(added[5]));
    // The last row (added[5]) was deleted: the new last row is selected.
    const int last = static_cast<int>(listBefore.size()) - 1;
    EXPECT_EQ(WithoutClubRowAfterCommand(listBefore, ListIds(), last),
              static_cast<int>(ListIds().size()) - 1);

    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(document.World()), before);
    EXPECT_EQ(ListIds(), listBefore);
    ExpectReferencesSound();

    // Persons no longer on the list record nothing.
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(DeleteWithoutClubPlayers(document, {added[1], 0}), 0);
    EXPECT_EQ(document.History().Count(), 1u);
}

TEST_F(WithoutClubCommandsTest, MoveToClubTakesTheTeamFromBitTwentyFour) {
    const std::vector<std::uint32_t> moved =
        MoveWithoutClubPlayersToClub(document, {added[0], added[3]}, club->Id() | kSecondTeamFlag);
    EXPECT_EQ(moved, (std::vector<std::uint32_t>{added[0], added[3]}));
    ExpectReferencesSound();
    EXPECT_EQ(document.History().Count(), 1u);
    EXPECT_TRUE(club->HasPerson(added[0]));
    EXPECT_TRUE(club->HasPerson(added[3]));
    EXPECT_FALSE(document.World().WithoutClub().Contains(added[0]));
    EXPECT_EQ(document.World().Person(added[0])->TeamFlag(), 1);

    Live().Person(added[4])->SetTeamFlag(1);
    EXPECT_EQ(MoveWithoutClubPlayersToClub(document, {added[4]}, club->Id()).size(), 1u);
    EXPECT_EQ(document.World().Person(added[4])->TeamFlag(), 0);
    ExpectReferencesSound();

    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    // Undo puts other country objects in place: the club is looked up again.
    const CClub* restored = FindLiveClub(document.World(), club->Id());
    ASSERT_NE(restored, nullptr);
    EXPECT_FALSE(restored->HasPerson(added[0]));
    EXPECT_TRUE(document.World().WithoutClub().Contains(added[0]));
    EXPECT_TRUE(document.World().WithoutClub().Contains(added[4]));
    ExpectReferencesSound();
}

TEST_F(WithoutClubCommandsTest, MoveRefusesNationalTeamsMissingClubsPersonsOffTheListAndAFullClub) {
    const std::string before = DumpWorldJson(document.World());
    EXPECT_TRUE(MoveWithoutClubPlayersToClub(document, {added[0]},
                                             MakeClubId(club->Country(), kNationalTeamIndex))
                    .empty());
    EXPECT_TRUE(
        MoveWithoutClubPlayersToClub(document, {added[0]}, MakeClubId(club->Country(), 4000))
            .empty());
    EXPECT_TRUE(MoveWithoutClubPlayersToClub(document, {added[0]}, 0).empty());
    // A club player is not on the list.
    const std::uint32_t clubPlayer = club->PersonIds().front();
    EXPECT_TRUE(MoveWithoutClubPlayersToClub(document, {clubPlayer}, club->Id()).empty());
    EXPECT_EQ(DumpWorldJson(document.World()), before);
    EXPECT_EQ(document.History().Count(), 0u);

    FillClub(*club, CClub::kMaxPersons - 1);
    const std::size_t persons = document.World().Persons().size();
    const std::vector<std::uint32_t> moved =
        MoveWithoutClubPlayersToClub(document, {added[0], added[1], added[2]}, club->Id());
    // Room for one: the first moves, the others stay on the list and in the world.
    EXPECT_EQ(moved, std::vector<std::uint32_t>{added[0]});
    EXPECT_EQ(club->PersonIds().size(), static_cast<std::size_t>(CClub::kMaxPersons));
    EXPECT_EQ(document.World().Persons().size(), persons);
    EXPECT_TRUE(document.World().WithoutClub().Contains(added[1]));
    EXPECT_TRUE(document.World().WithoutClub().Contains(added[2]));
    ExpectReferencesSound();
    // A full club takes nobody and records nothing.
    const std::string full = DumpWorldJson(document.World());
    EXPECT_TRUE(MoveWithoutClubPlayersToClub(document, {added[1]}, club->Id()).empty());
    EXPECT_EQ(DumpWorldJson(document.World()), full);
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectReferencesSound();
}

}  // namespace
}  // namespace kw
