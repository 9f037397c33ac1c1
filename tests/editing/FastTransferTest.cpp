#include <gtest/gtest.h>

#include <optional>

#include "DemoDocumentTest.h"
#include "editing/FastTransfer.h"
#include "editing/SquadCommands.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

// The fast transfer on the small demo: a club with players in one country (`home`, with
// `neighbour` beside it) and one abroad.
class FastTransferTest : public test::DemoDocumentTest {
protected:
    FastTransferTest() {
        homeId = ClubWithPlayers().Id();
        neighbourId = ClubWithPlayers(ClubCountry(homeId), homeId, 0).Id();
        abroadId = ClubWithPlayers(0, 0, ClubCountry(homeId)).Id();
    }

    // Looked up each time: undo puts other country objects in place.
    CClub& Club(std::uint32_t id) { return *FindLiveClub(Live(), id); }
    int Home() const { return ClubCountry(homeId); }

    // Every first-team player of the club wears a number outside 1..99 (so none is taken).
    void ClearNumbers(CClub& club) {
        for (CPlayer* player : club.FirstTeam()) {
            player->SetShirtNumber(0, 0);
        }
    }

    std::uint32_t homeId = 0;
    std::uint32_t neighbourId = 0;
    std::uint32_t abroadId = 0;
};

TEST_F(FastTransferTest, PlayerListHasEveryClubPlayerOfTheCountryButNoStaffOrNationalTeam) {
    CPlayer& player = *Club(homeId).FirstTeam().front();
    player.SetPosition(0, 9);
    const std::vector<SChoiceEntry> entries = FastTransferPlayers(document.World(), Home(), 0);
    std::size_t expected = 0;
    for (const auto& entry : document.World().Country(Home()).Clubs()) {
        if (!entry.second->IsNationalTeam()) {
            expected += entry.second->FirstTeam().size() + entry.second->SecondTeam().size();
        }
    }
    EXPECT_EQ(entries.size(), expected);
    const std::string line = player.ShortName() + " (" + std::string(Club(homeId).Name(0)) + ")\t" +
                             std::string(ResourceString(ids::kPositionNames + 9));
    bool found = false;
    for (const SChoiceEntry& entry : entries) {
        const CPlayer* person = document.World().Person(entry.value);
        ASSERT_NE(person, nullptr);
        EXPECT_TRUE(person->IsPlayer());
        EXPECT_NE(FindFastTransferClub(document.World(), Home(), entry.value), nullptr);
        found = found || (entry.value == player.Id() && entry.text == line);
    }
    EXPECT_TRUE(found);
    EXPECT_TRUE(FastTransferPlayers(document.World(), 0, 0).empty());
    EXPECT_TRUE(FastTransferPlayers(document.World(), kCountryCount + 1, 0).empty());
}

TEST_F(FastTransferTest, PositionNameTakesTheFirstTextForNoneAndGoal) {
    const std::string first(ResourceString(ids::kPositionNames + 1));
    EXPECT_EQ(FastTransferPositionName(0), first);
    EXPECT_EQ(FastTransferPositionName(1), first);
    EXPECT_EQ(FastTransferPositionName(17), std::string(ResourceString(ids::kPositionNames + 17)));
    EXPECT_EQ(FastTransferPositionName(200), first);
}

TEST_F(FastTransferTest, FreeNumbersSkipFirstTeamNumbersOnly) {
    CClub& club = Club(neighbourId);
    ClearNumbers(club);
    std::vector<CPlayer*> first = club.FirstTeam();
    ASSERT_GE(first.size(), 2u);
    // 1 to 10 taken: 11 is offered first.
    FillClub(club, club.PersonIds().size() + 10);
    first = club.FirstTeam();
    for (int n = 0; n < 10; ++n) {
        first[first.size() - 1 - static_cast<std::size_t>(n)]->SetShirtNumber(
            0, static_cast<std::uint8_t>(n + 1));
    }
    std::vector<int> free = FreeShirtNumbers(club);
    ASSERT_FALSE(free.empty());
    EXPECT_EQ(free.front(), 11);
    EXPECT_EQ(free.size(), 89u);
    // A second-team player's number does not count.
    for (CPlayer* player : club.SecondTeam()) {
        player->SetShirtNumber(0, 11);
    }
    CPlayer& reserve = *first.front();
    reserve.SetTeamFlag(1);
    reserve.SetShirtNumber(0, 11);
    EXPECT_EQ(FreeShirtNumbers(club).front(), 11);
    // Every number taken: nothing is offered.
    FillClub(club, club.PersonIds().size() + 99);
    int number = 1;
    for (CPlayer* player : club.FirstTeam()) {
        player->SetShirtNumber(0, static_cast<std::uint8_t>(number));
        number = number % 99 + 1;
    }
    EXPECT_TRUE(FreeShirtNumbers(club).empty());
}

TEST_F(FastTransferTest, TransferMovesWithNumberPreviousClubAndContractYears) {
    CPlayer& player = *Club(homeId).FirstTeam().front();
    const std::uint32_t id = player.Id();
    player.SetContractUntil(2014);
    player.SetClubSince(2001);
    EXPECT_EQ(FastTransferCurrentNumber(document.World(), Home(), id), player.ShirtNumbers()[0]);
    ClearNumbers(Club(abroadId));
    const int number = FreeShirtNumbers(Club(abroadId)).front();
    EXPECT_EQ(number, 1);

    ASSERT_TRUE(PerformFastTransfer(document, {Home(), id, abroadId, number}));
    ExpectReferencesSound();
    EXPECT_EQ(document.History().Count(), 1u);
    EXPECT_FALSE(Club(homeId).HasPerson(id));
    EXPECT_TRUE(Club(abroadId).HasPerson(id));
    const CPlayer& moved = *document.World().Person(id);
    EXPECT_EQ(moved.ShirtNumbers()[0], number);
    EXPECT_EQ(moved.PreviousClub(), homeId);
    EXPECT_EQ(moved.ClubSince(), 2006);
    EXPECT_EQ(moved.ContractUntil(), 2006);
    // Gone from the old country's list, the number no longer offered.
    for (const SChoiceEntry& entry : FastTransferPlayers(document.World(), Home(), 0)) {
        EXPECT_NE(entry.value, id);
    }
    EXPECT_EQ(FreeShirtNumbers(Club(abroadId)).front(), 2);
    EXPECT_EQ(FastTransferCurrentNumber(document.World(), Home(), id), std::nullopt);

    const std::string after = Dump();
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(Club(homeId).HasPerson(id));
    EXPECT_FALSE(Club(abroadId).HasPerson(id));
    EXPECT_EQ(document.World().Person(id)->ContractUntil(), 2014);
    ExpectReferencesSound();
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(Dump(), after);
}

TEST_F(FastTransferTest, IncompleteOrStaleChoicesTheOwnClubAndAFullClubDoNothing) {
    const std::uint32_t id = Club(homeId).FirstTeam().front()->Id();
    const std::string before = Dump();
    // No player, no number, a number past 99, no club, a club id without country number.
    EXPECT_FALSE(PerformFastTransfer(document, {Home(), 0, abroadId, 5}));
    EXPECT_FALSE(PerformFastTransfer(document, {Home(), id, abroadId, 0}));
    EXPECT_FALSE(PerformFastTransfer(document, {Home(), id, abroadId, 100}));
    EXPECT_FALSE(PerformFastTransfer(document, {Home(), id, 0, 5}));
    EXPECT_FALSE(PerformFastTransfer(document, {Home(), id, abroadId & 0xFFFF, 5}));
    // The player chosen before the source country changed is not found there.
    EXPECT_FALSE(PerformFastTransfer(document, {ClubCountry(abroadId), id, neighbourId, 5}));
    // The own club, a national team, a club that does not exist.
    EXPECT_FALSE(PerformFastTransfer(document, {Home(), id, homeId, 5}));
    EXPECT_FALSE(PerformFastTransfer(
        document, {Home(), id, MakeClubId(ClubCountry(abroadId), kNationalTeamIndex), 5}));
    EXPECT_FALSE(PerformFastTransfer(document, {Home(), id, MakeClubId(Home(), 4000), 5}));
    EXPECT_EQ(Dump(), before);

    // A full club keeps the player with his old club.
    FillClub(Club(abroadId), CClub::kMaxPersons);
    const std::size_t persons = document.World().Persons().size();
    const std::string full = Dump();
    EXPECT_FALSE(PerformFastTransfer(document, {Home(), id, abroadId, 5}));
    EXPECT_TRUE(Club(homeId).HasPerson(id));
    EXPECT_NE(document.World().Person(id), nullptr);
    EXPECT_EQ(document.World().Persons().size(), persons);
    EXPECT_EQ(Dump(), full);
    EXPECT_EQ(document.History().Count(), 0u);
    ExpectReferencesSound();

    // One place free again: the same transfer goes through.
    const std::uint32_t filler = Club(abroadId).PersonIds().back();
    Club(abroadId).RemovePerson(filler);
    Live().RemovePerson(filler);
    ASSERT_TRUE(PerformFastTransfer(document, {Home(), id, abroadId, 5}));
    EXPECT_EQ(Club(abroadId).PersonIds().size(), static_cast<std::size_t>(CClub::kMaxPersons));
    ExpectReferencesSound();
}

}  // namespace
}  // namespace kw
