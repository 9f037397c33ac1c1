#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "DemoDocumentTest.h"
#include "editing/PersonClub.h"
#include "editing/SquadCommands.h"
#include "editing/SquadRules.h"
#include "platform/Random.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

// The squad commands on the small demo database, each checked against the placement invariant.
class SquadCommandsTest : public test::DemoClubsTest {
protected:
    std::uint32_t FirstPlayer(const CClub& club) const { return club.FirstTeam().front()->Id(); }
};

TEST_F(SquadCommandsTest, TheDemoIsSoundAndTheCheckFindsEveryMisplacedPerson) {
    ExpectPlacementSound();
    const std::uint32_t player = FirstPlayer(*home);
    neighbour->AddPerson(*Live().Person(player));
    EXPECT_EQ(PersonPlacementFaults(document.World()).size(), 1u);
    neighbour->RemovePerson(player);
    home->RemovePerson(player);
    EXPECT_EQ(PersonPlacementFaults(document.World()).size(), 1u);
    home->AddPerson(*Live().Person(player));
    Live().RemovePerson(player);
    // The club's entry now names nobody.
    EXPECT_EQ(PersonPlacementFaults(document.World()).size(), 1u);
}

TEST_F(SquadCommandsTest, NewPlayerHasTheCountrysDefaultsAndDrawsFromTheSquadGenerator) {
    SCountrySettings& settings = Live().Country(home->Country()).Settings();
    // Faces 3, 35 and 67 only (bit 3), every hair colour, haircut 7, beard 1 only; no averages.
    settings.faces = 1u << 3;
    settings.hairColours = 0x3E;
    settings.haircuts = 1u << 7;
    settings.beards = 1u << 1;
    settings.averageHeight = 0;
    settings.averageWeight = 0;
    CClub& club = *home;
    CPlayer& selected = *club.FirstTeam().front();
    selected.SetPosition(0, position::kLeftWing);
    CRandom expected = Live().SquadListRandom();
    const std::optional<SDrawnLook> look = DrawNewPlayerLook(settings, expected);
    const SBody body = DrawNewPlayerBody(0, 0, expected);

    const std::uint32_t id = NewSquadPlayer(document, club.Id(), true, selected.Id());
    ASSERT_NE(id, 0u);
    ExpectPlacementSound();
    EXPECT_EQ(document.History().Count(), 1u);
    const CPlayer& player = *document.World().Person(id);
    EXPECT_TRUE(club.HasPerson(id));
    EXPECT_EQ(player.Kind(), 0);
    EXPECT_EQ(player.TeamFlag(), 1);
    EXPECT_EQ(player.Nationality(), club.Country());
    EXPECT_EQ(player.MainPosition(), position::kLeftWing);
    // Born on 1 January 1980, 26 at the start of the 2006 season.
    EXPECT_EQ(player.BirthDate(), CDate::FromYmd(1980, 1, 1));
    EXPECT_EQ(player.NationalExperience(), 4);
    ASSERT_TRUE(look.has_value());
    EXPECT_EQ(player.Looks()[look::kFace] % 32, 3);
    EXPECT_EQ(player.Looks()[look::kFace], look->face);
    EXPECT_EQ(player.Looks()[look::kHairColour], look->hairColour);
    EXPECT_EQ(player.Looks()[look::kHairCut], 7);
    EXPECT_EQ(player.Looks()[look::kBeard], 1);
    // Without averages the body lies around 180 cm and 75 kg.
    EXPECT_EQ(player.Looks()[look::kHeight], body.height);
    EXPECT_EQ(player.Looks()[look::kWeight], body.weight);
    EXPECT_GE(body.height, 174);
    EXPECT_LE(body.height, 186);
    EXPECT_GE(body.weight, 65);
    EXPECT_LE(body.weight, 85);

    // Without a selected player the new one keeps goal; a country without a face keeps the
    // default look.
    settings.faces = 0;
    const std::uint32_t keeper = NewSquadPlayer(document, club.Id(), false, 0);
    ASSERT_NE(keeper, 0u);
    EXPECT_EQ(document.World().Person(keeper)->MainPosition(), position::kGoalkeeper);
    EXPECT_EQ(document.World().Person(keeper)->TeamFlag(), 0);
    EXPECT_EQ(document.World().Person(keeper)->Looks()[look::kFace], 1);
    ExpectPlacementSound();
}

TEST_F(SquadCommandsTest, NewPlayerIsRefusedFromSeventyPersonsOn) {
    FillClub(*home, kSquadNewPlayerLimit - 1);
    EXPECT_NE(NewSquadPlayer(document, home->Id(), false, 0), 0u);
    const std::string before = Dump();
    const std::size_t persons = document.World().Persons().size();
    EXPECT_EQ(NewSquadPlayer(document, home->Id(), false, 0), 0u);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(document.World().Persons().size(), persons);
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectPlacementSound();
}

TEST_F(SquadCommandsTest, TransferMovesThePlayerWithTheTransferRules) {
    CPlayer& player = *home->FirstTeam().front();
    player.SetContractUntil(2001);
    player.SetShirtNumber(0, 9);
    const std::uint32_t id = player.Id();

    ASSERT_TRUE(TransferSquadPlayer(document, home->Id(), id, abroad->Id() | kSecondTeamFlag));
    ExpectPlacementSound();
    EXPECT_FALSE(home->HasPerson(id));
    EXPECT_TRUE(abroad->HasPerson(id));
    EXPECT_EQ(player.ShirtNumbers()[0], 0);
    EXPECT_EQ(player.ContractUntil(), kTransferContractYear);
    EXPECT_EQ(player.TeamFlag(), 1);

    // Back to a first team keeps a later contract.
    player.SetContractUntil(2008);
    ASSERT_TRUE(TransferSquadPlayer(document, abroad->Id(), id, neighbour->Id()));
    ExpectPlacementSound();
    EXPECT_TRUE(neighbour->HasPerson(id));
    EXPECT_EQ(player.TeamFlag(), 0);
    EXPECT_EQ(player.ContractUntil(), 2008);
}

TEST_F(SquadCommandsTest, TransferThatCannotApplyChangesNothing) {
    const std::uint32_t id = FirstPlayer(*home);
    const std::string before = Dump();
    // The own club, also named by its second team.
    EXPECT_FALSE(TransferSquadPlayer(document, home->Id(), id, home->Id()));
    EXPECT_FALSE(TransferSquadPlayer(document, home->Id(), id, home->Id() | kSecondTeamFlag));
    // A national team, a club that does not exist, a person the club does not hold.
    EXPECT_FALSE(TransferSquadPlayer(document, home->Id(), id,
                                     MakeClubId(abroad->Country(), kNationalTeamIndex)));
    EXPECT_FALSE(TransferSquadPlayer(document, home->Id(), id, MakeClubId(abroad->Country(), 999)));
    EXPECT_FALSE(TransferSquadPlayer(document, home->Id(), FirstPlayer(*abroad), neighbour->Id()));
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(document.History().Count(), 0u);

    // A full club refuses without destroying the player.
    FillClub(*abroad, CClub::kMaxPersons);
    const std::string full = Dump();
    EXPECT_FALSE(TransferSquadPlayer(document, home->Id(), id, abroad->Id()));
    EXPECT_EQ(Dump(), full);
    ASSERT_NE(document.World().Person(id), nullptr);
    EXPECT_TRUE(home->HasPerson(id));
    ExpectPlacementSound();
}

TEST_F(SquadCommandsTest, FetchKeepsTheTeamAndRefusesOwnPlayersAndAFullClub) {
    CPlayer& player = *abroad->FirstTeam().front();
    player.SetTeamFlag(1);
    player.SetContractUntil(1999);
    const std::uint32_t id = player.Id();
    const std::uint32_t own = FirstPlayer(*home);

    EXPECT_FALSE(FetchSquadPlayer(document, home->Id(), own));
    EXPECT_FALSE(FetchSquadPlayer(document, home->Id(), 0xFFFFFFF0u));
    FillClub(*neighbour, CClub::kMaxPersons);
    // Only a club with room that is no national team may receive anyone.
    EXPECT_FALSE(CanReceivePerson(*neighbour));
    EXPECT_FALSE(CanReceivePerson(Live().Country(home->Country()).NationalTeam()));
    EXPECT_TRUE(CanReceivePerson(*home));
    EXPECT_FALSE(FetchSquadPlayer(document, neighbour->Id(), id));
    EXPECT_TRUE(abroad->HasPerson(id));
    ExpectPlacementSound();

    ASSERT_TRUE(FetchSquadPlayer(document, home->Id(), id));
    ExpectPlacementSound();
    EXPECT_TRUE(home->HasPerson(id));
    EXPECT_FALSE(abroad->HasPerson(id));
    EXPECT_EQ(player.TeamFlag(), 1);
    EXPECT_EQ(player.ShirtNumbers()[0], 0);
    EXPECT_EQ(player.ContractUntil(), kTransferContractYear);
}

TEST_F(SquadCommandsTest, TeamSwitchAndReleaseAndOneUndoOfAGroupRestoreEverything) {
    const std::string before = Dump();
    const std::vector<std::uint32_t> withoutBefore = document.World().WithoutClub().Ids();
    const std::uint32_t moved = FirstPlayer(*home);
    const std::uint32_t released = home->FirstTeam().back()->Id();
    const std::uint32_t fetched = FirstPlayer(*abroad);

    document.BeginGroup("Spielerkader");
    ASSERT_TRUE(SwitchSquadTeam(document, home->Id(), moved));
    EXPECT_EQ(document.World().Person(moved)->TeamFlag(), 1);
    ASSERT_TRUE(TransferSquadPlayer(document, home->Id(), moved, neighbour->Id()));
    ExpectPlacementSound();
    ASSERT_NE(NewSquadPlayer(document, home->Id(), false, released), 0u);
    ExpectPlacementSound();
    ASSERT_TRUE(ReleaseSquadPerson(document, home->Id(), released));
    ExpectPlacementSound();
    EXPECT_FALSE(home->HasPerson(released));
    EXPECT_EQ(document.World().WithoutClub().Ids().back(), released);
    EXPECT_FALSE(ReleaseSquadPerson(document, home->Id(), released));
    ASSERT_TRUE(FetchSquadPlayer(document, home->Id(), fetched));
    ExpectPlacementSound();
    document.EndGroup();
    const std::string after = Dump();

    ASSERT_EQ(document.History().Count(), 1u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(document.World().WithoutClub().Ids(), withoutBefore);
    ExpectPlacementSound();
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(Dump(), after);
    ExpectPlacementSound();
}

TEST_F(SquadCommandsTest, ClubHoldingPersonIgnoresTheWithoutListAndNationalTeams) {
    const std::uint32_t id = FirstPlayer(*abroad);
    EXPECT_EQ(ClubHoldingPerson(document.World(), id), abroad);
    ASSERT_TRUE(ReleaseSquadPerson(document, abroad->Id(), id));
    EXPECT_EQ(ClubHoldingPerson(document.World(), id), nullptr);
    ASSERT_TRUE(Live().Country(abroad->Country()).NationalTeam().AddPerson(*Live().Person(id)));
    EXPECT_EQ(ClubHoldingPerson(document.World(), id), nullptr);
    EXPECT_EQ(ClubHoldingPerson(document.World(), 0xFFFFFF), nullptr);
    // A player without club cannot be fetched as if from a club.
    EXPECT_FALSE(FetchSquadPlayer(document, home->Id(), id));
}

}  // namespace
}  // namespace kw
