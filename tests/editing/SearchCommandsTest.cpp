#include <gtest/gtest.h>

#include "DemoDocumentTest.h"
#include "editing/SearchCommands.h"
#include "editing/SquadCommands.h"
#include "model/WithoutClub.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

// The result list's commands on the small demo, each checked against the reference invariant.
class SearchCommandsTest : public test::DemoClubsTest {
protected:
    std::uint32_t FreePlayer() const {
        if (document.World().WithoutClub().Count() == 0) {
            throw std::runtime_error("the demo has no players without club");
        }
        return document.World().WithoutClub().Ids().front();
    }
};

TEST_F(SearchCommandsTest, FetchMovesThePlayerWithoutNumberAndWithAContractUntil2003) {
    ExpectReferencesSound();
    CPlayer& player = *abroad->FirstTeam().front();
    player.SetContractUntil(2001);
    player.SetShirtNumber(0, 9);
    player.SetTeamFlag(1);
    const std::string before = Dump();
    EXPECT_EQ(HoldingClubId(document.World(), player.Id()), abroad->Id());

    ASSERT_TRUE(FetchSearchedPlayer(document, player.Id(), home->Id()));
    ExpectReferencesSound();
    EXPECT_EQ(document.History().Count(), 1u);
    EXPECT_TRUE(home->HasPerson(player.Id()));
    EXPECT_FALSE(abroad->HasPerson(player.Id()));
    EXPECT_EQ(HoldingClubId(document.World(), player.Id()), home->Id());
    EXPECT_EQ(player.ShirtNumbers()[0], 0);
    EXPECT_EQ(player.ContractUntil(), 2003);
    // Into the first team, as the target's id names it.
    EXPECT_EQ(player.TeamFlag(), 0);

    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
    ExpectReferencesSound();
}

TEST_F(SearchCommandsTest, ALaterContractStaysAndTheSecondTeamIsChosenByBit24) {
    CPlayer& player = *abroad->FirstTeam().front();
    player.SetContractUntil(2009);
    ASSERT_TRUE(TransferSearchedPlayer(document, player.Id(), home->Id() | kSecondTeamFlag));
    ExpectReferencesSound();
    EXPECT_EQ(player.ContractUntil(), 2009);
    EXPECT_EQ(player.TeamFlag(), 1);
    EXPECT_EQ(document.History().Count(), 1u);
}

TEST_F(SearchCommandsTest, NothingChangesForTheOwnClubAFullClubOrAMissingPerson) {
    const std::uint32_t player = abroad->FirstTeam().front()->Id();
    const std::string before = Dump();
    // The own club, also named with the second-team bit.
    EXPECT_FALSE(FetchSearchedPlayer(document, player, abroad->Id()));
    EXPECT_FALSE(TransferSearchedPlayer(document, player, abroad->Id() | kSecondTeamFlag));
    // A national team, a club that is not there, a person that is not there.
    EXPECT_FALSE(
        FetchSearchedPlayer(document, player, Live().Country(home->Country()).NationalTeam().Id()));
    EXPECT_FALSE(FetchSearchedPlayer(document, player, MakeClubId(home->Country(), 0x7FFE)));
    EXPECT_FALSE(FetchSearchedPlayer(document, 0xFFFFFFF0u, home->Id()));
    EXPECT_FALSE(DeleteSearchedPlayer(document, 0xFFFFFFF0u));

    // A full club refuses without destroying anyone, from a club and from the free players.
    while (home->PersonIds().size() < static_cast<std::size_t>(CClub::kMaxPersons)) {
        CPlayer& filler = Live().CreatePerson(Live().NextFreePersonId(), false);
        filler.Reset(0, home->Country());
        ASSERT_TRUE(home->AddPerson(filler));
    }
    const std::string full = Dump();
    const std::uint32_t free = FreePlayer();
    EXPECT_FALSE(CanMoveSearchedPlayer(document.World(), free, home->Id()));
    EXPECT_FALSE(FetchSearchedPlayer(document, player, home->Id()));
    EXPECT_FALSE(TransferSearchedPlayer(document, free, home->Id()));
    EXPECT_EQ(Dump(), full);
    EXPECT_NE(document.World().Person(player), nullptr);
    EXPECT_TRUE(document.World().WithoutClub().Contains(free));
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_NE(before, full);
    ExpectReferencesSound();
}

TEST_F(SearchCommandsTest, AMoveIsOfferedExactlyWhenTheCommandMakesIt) {
    const std::uint32_t player = abroad->FirstTeam().front()->Id();
    const struct {
        std::uint32_t person;
        std::uint32_t target;
        bool moves;
    } cases[] = {{player, home->Id(), true},
                 {FreePlayer(), home->Id() | kSecondTeamFlag, true},
                 {player, abroad->Id() | kSecondTeamFlag, false},
                 {player, Live().Country(home->Country()).NationalTeam().Id(), false},
                 {player, MakeClubId(home->Country(), 0x7FFE), false},
                 {player, 0, false},
                 {0xFFFFFFF0u, home->Id(), false}};
    for (const auto& move : cases) {
        EXPECT_EQ(CanMoveSearchedPlayer(document.World(), move.person, move.target), move.moves);
        EXPECT_EQ(FetchSearchedPlayer(document, move.person, move.target), move.moves);
        if (move.moves) {
            ASSERT_TRUE(document.Undo());
        }
    }
}

TEST_F(SearchCommandsTest, APlayerWithoutClubJoinsTheTargetAndLeavesTheList) {
    const std::uint32_t free = FreePlayer();
    Live().Person(free)->SetContractUntil(1999);
    const std::string before = Dump();
    EXPECT_EQ(HoldingClubId(document.World(), free), 0u);
    ASSERT_TRUE(FetchSearchedPlayer(document, free, home->Id()));
    ExpectReferencesSound();
    EXPECT_TRUE(home->HasPerson(free));
    EXPECT_FALSE(document.World().WithoutClub().Contains(free));
    EXPECT_EQ(document.World().Person(free)->ContractUntil(), 2003);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
}

TEST_F(SearchCommandsTest, DeleteTakesThePlayerOutOfHisClubOrTheListAndTheWorld) {
    const std::string before = Dump();
    const std::uint32_t player = abroad->FirstTeam().front()->Id();
    const std::uint32_t free = FreePlayer();
    ASSERT_TRUE(DeleteSearchedPlayer(document, player));
    ExpectReferencesSound();
    EXPECT_FALSE(abroad->HasPerson(player));
    EXPECT_EQ(document.World().Person(player), nullptr);
    ASSERT_TRUE(DeleteSearchedPlayer(document, free));
    ExpectReferencesSound();
    EXPECT_FALSE(document.World().WithoutClub().Contains(free));
    EXPECT_EQ(document.World().Person(free), nullptr);
    EXPECT_EQ(document.History().Count(), 2u);
    // Deleted twice: nothing happens the second time.
    EXPECT_FALSE(DeleteSearchedPlayer(document, player));

    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
    ExpectReferencesSound();
}

}  // namespace
}  // namespace kw
