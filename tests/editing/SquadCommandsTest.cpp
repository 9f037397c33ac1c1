#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "DemoDocumentTest.h"
#include "DemoInstallation.h"
#include "RowTable.h"
#include "TempDir.h"
#include "TestWorld.h"
#include "document/DatabaseDocument.h"
#include "editing/ClubListCommands.h"
#include "editing/FastTransfer.h"
#include "editing/ManagerRecord.h"
#include "editing/ManagerRules.h"
#include "editing/PersonClub.h"
#include "editing/SquadChoices.h"
#include "editing/SquadCommands.h"
#include "editing/SquadRules.h"
#include "editing/StaffCommands.h"
#include "editing/StaffKinds.h"
#include "editing/StaffList.h"
#include "editing/WithoutClubCommands.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/ClubFile.h"
#include "model/Country.h"
#include "model/Manager.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/StaffEntry.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "platform/Random.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

// The squad commands on the small demo database, each checked against the placement invariant.
class SquadCommandsTest : public test::DemoClubsTest {
protected:
    std::uint32_t FirstPlayer(const CClub& club) const { return club.FirstTeam().front()->Id(); }
    const CCountry& Country() const { return World().Country(kDefaultCountry); }
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

TEST_F(SquadCommandsTest, NewPlayerHasTheCountrysDefaultsDrawsLooksAndStopsAtSeventyPersons) {
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
    const CPlayer& kept = *document.World().Person(keeper);
    EXPECT_EQ(std::tuple(kept.MainPosition(), kept.TeamFlag(), kept.Looks()[look::kFace]),
              std::tuple(position::kGoalkeeper, 0, 1));
    ExpectPlacementSound();

    // From seventy persons on a new player is refused.
    FillClub(club, kSquadNewPlayerLimit - 1);
    EXPECT_NE(NewSquadPlayer(document, club.Id(), false, 0), 0u);
    const std::string before = Dump();
    const std::size_t persons = document.World().Persons().size();
    EXPECT_EQ(NewSquadPlayer(document, club.Id(), false, 0), 0u);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(document.World().Persons().size(), persons);
    EXPECT_EQ(document.History().Count(), 3u);
    ExpectPlacementSound();
}

TEST_F(SquadCommandsTest, TransferRefusesWhatCannotApplyAndMovesWithTheTransferRules) {
    CPlayer& player = *home->FirstTeam().front();
    player.SetContractUntil(2001);
    player.SetShirtNumber(0, 9);
    const std::uint32_t id = player.Id();
    const std::string before = Dump();
    // The own club, also named by its second team, a national team, a club that does not exist.
    for (const std::uint32_t target :
         {home->Id(), home->Id() | kSecondTeamFlag,
          MakeClubId(abroad->Country(), kNationalTeamIndex), MakeClubId(abroad->Country(), 999)}) {
        EXPECT_FALSE(TransferSquadPlayer(document, home->Id(), id, target)) << target;
    }
    // A person the club does not hold.
    EXPECT_FALSE(TransferSquadPlayer(document, home->Id(), FirstPlayer(*abroad), neighbour->Id()));
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(document.History().Count(), 0u);

    ASSERT_TRUE(TransferSquadPlayer(document, home->Id(), id, abroad->Id() | kSecondTeamFlag));
    // Placement sound: a person held by two clubs would be a fault.
    ExpectPlacementSound();
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

    // A full club refuses without destroying the player.
    FillClub(*home, CClub::kMaxPersons);
    const std::string full = Dump();
    EXPECT_FALSE(TransferSquadPlayer(document, neighbour->Id(), id, home->Id()));
    EXPECT_EQ(Dump(), full);
    ASSERT_NE(document.World().Person(id), nullptr);
    EXPECT_TRUE(neighbour->HasPerson(id));
    ExpectPlacementSound();
}

TEST_F(SquadCommandsTest, FetchKeepsTheTeamRefusesOwnPlayersFullClubsAndPlayersWithoutClub) {
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
    EXPECT_EQ(player.TeamFlag(), 1);
    EXPECT_EQ(player.ShirtNumbers()[0], 0);
    EXPECT_EQ(player.ContractUntil(), kTransferContractYear);

    // The club holding a person ignores the list without club and the national teams.
    const std::uint32_t other = FirstPlayer(*abroad);
    EXPECT_EQ(ClubHoldingPerson(document.World(), other), abroad);
    ASSERT_TRUE(ReleaseSquadPerson(document, abroad->Id(), other));
    EXPECT_EQ(ClubHoldingPerson(document.World(), other), nullptr);
    ASSERT_TRUE(Live().Country(abroad->Country()).NationalTeam().AddPerson(*Live().Person(other)));
    EXPECT_EQ(ClubHoldingPerson(document.World(), other), nullptr);
    EXPECT_EQ(ClubHoldingPerson(document.World(), 0xFFFFFF), nullptr);
    // A player without club cannot be fetched as if from a club.
    EXPECT_FALSE(FetchSquadPlayer(document, home->Id(), other));
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

TEST_F(SquadCommandsTest, ClubListCreatesDeletesOnlyNewClubsOverwritesAndRemovesPersons) {
    const std::uint32_t fileClub = std::next(Country().Clubs().begin())->first;
    EXPECT_FALSE(CanDeleteClub(*Country().Club(fileClub)));
    EXPECT_FALSE(DeleteClub(document, kDefaultCountry, fileClub));
    EXPECT_FALSE(CanDeleteClub(*Country().Club(MakeClubId(kDefaultCountry, kNationalTeamIndex))));

    const std::string before = Dump();
    const std::uint32_t made = CreateClub(document, kDefaultCountry, "Waldkirchen");
    ASSERT_NE(made, 0u);
    const CClub& club = *Country().Club(made);
    EXPECT_NE(club.StadiumFlags() & CClub::kEditorCreatedFlag, 0);
    for (int language = 0; language < kLanguageCount; ++language) {
        EXPECT_EQ(club.Name(language), "Waldkirchen");
    }
    const std::string created = Dump();
    ASSERT_TRUE(DeleteClub(document, kDefaultCountry, made));
    EXPECT_EQ(Country().Club(made), nullptr);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), created);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);

    // A club is overwritten from a club file as one edit.
    const auto source = std::next(Country().Clubs().begin());
    const std::uint32_t target = std::next(source)->first;
    const test::TempDir folder;
    ASSERT_TRUE(SaveClubFile(document.WorldForOperations(), *source->second, folder / "club.clb"));
    EXPECT_FALSE(OverwriteClub(document, kDefaultCountry, target, folder / "missing.clb"));
    ASSERT_TRUE(OverwriteClub(document, kDefaultCountry, target, folder / "club.clb"));
    EXPECT_EQ(Country().Club(target)->Names(), source->second->Names());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);

    // Removed persons leave the database; a club without any records nothing.
    const std::vector<std::uint32_t> persons = Country().Club(fileClub)->PersonIds();
    ASSERT_FALSE(persons.empty());
    ASSERT_TRUE(RemoveClubPersons(document, kDefaultCountry, fileClub));
    EXPECT_TRUE(Country().Club(fileClub)->PersonIds().empty());
    EXPECT_EQ(document.World().Person(persons.front()), nullptr);
    const std::size_t edits = document.History().Count();
    EXPECT_FALSE(RemoveClubPersons(document, kDefaultCountry, fileClub));
    EXPECT_EQ(document.History().Count(), edits);
}

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

TEST_F(SquadChoicesTest, CountriesAndClubsWithSecondTeamsByNamePlayerRowsWithoutStaff) {
    world.Country(20).SetName(0, "Zeta");
    world.Country(30).SetName(0, "Alpha");
    world.Country(40).SetName(0, "Beta");
    NewClub(20, "A");
    NewClub(30, "B");
    const std::vector<SChoiceEntry> countries = ChoosableCountries(world, 0);
    EXPECT_EQ(countries, (std::vector<SChoiceEntry>{{30, "Alpha"}, {20, "Zeta"}}));
    // Clubs with their second teams and no national team.
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

    // Player rows leave the staff out.
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

TEST_F(WithoutClubCommandsTest, RowsFollowTheListTheSelectionMovesUpDeleteIsOneUndoableEdit) {
    ExpectReferencesSound();
    CPlayer& person = *Live().Person(added[2]);
    person.SetPosition(0, 17);
    person.SetNationality(static_cast<std::uint8_t>(club->Country()));
    const std::vector<SWithoutClubRow> rows = WithoutClubRows(document.World(), 0);
    ASSERT_EQ(test::Column(rows, &SWithoutClubRow::personId), ListIds());
    const SWithoutClubRow& row = rows[rows.size() - 4];
    EXPECT_EQ(row.personId, added[2]);
    EXPECT_EQ(row.name, "Frei2, K.");
    EXPECT_EQ(row.nationality, document.World().Country(club->Country()).Name(0));
    EXPECT_EQ(row.position, PositionAbbreviation(17));
    EXPECT_DOUBLE_EQ(row.strength, PlayerStrength(person));
    EXPECT_EQ(WithoutClubStrengthText(63.25), "63.2");
    EXPECT_EQ(WithoutClubStrengthText(7.0), "7.0");

    // Reselection moves up by the rows removed above and stays in the list.
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

    // Delete removes from the list and the world as one edit that undo takes back.
    const std::string dump = DumpWorldJson(document.World());
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
    EXPECT_EQ(DumpWorldJson(document.World()), dump);
    EXPECT_EQ(ListIds(), listBefore);
    ExpectReferencesSound();

    // Persons no longer on the list record nothing.
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(DeleteWithoutClubPlayers(document, {added[1], 0}), 0);
    EXPECT_EQ(document.History().Count(), 1u);
}

TEST_F(WithoutClubCommandsTest, MoveTakesTheTeamFromBitTwentyFourRefusesWhatCannotTakeThePlayer) {
    // National teams, missing clubs and persons off the list are refused and record nothing.
    const std::string before = DumpWorldJson(document.World());
    for (const std::uint32_t target :
         {MakeClubId(club->Country(), kNationalTeamIndex), MakeClubId(club->Country(), 4000), 0u}) {
        EXPECT_TRUE(MoveWithoutClubPlayersToClub(document, {added[0]}, target).empty()) << target;
    }
    // A club player is not on the list.
    const std::uint32_t clubPlayer = club->PersonIds().front();
    EXPECT_TRUE(MoveWithoutClubPlayersToClub(document, {clubPlayer}, club->Id()).empty());
    EXPECT_EQ(DumpWorldJson(document.World()), before);
    EXPECT_EQ(document.History().Count(), 0u);

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

    FillClub(*club, CClub::kMaxPersons - 1);
    const std::size_t persons = document.World().Persons().size();
    // Room for one: the first moves, the others stay on the list and in the world.
    EXPECT_EQ(MoveWithoutClubPlayersToClub(document, {added[1], added[2], added[5]}, club->Id()),
              std::vector<std::uint32_t>{added[1]});
    EXPECT_EQ(club->PersonIds().size(), static_cast<std::size_t>(CClub::kMaxPersons));
    EXPECT_EQ(document.World().Persons().size(), persons);
    EXPECT_TRUE(document.World().WithoutClub().Contains(added[2]));
    EXPECT_TRUE(document.World().WithoutClub().Contains(added[5]));
    // A full club takes nobody and records nothing.
    const std::string full = DumpWorldJson(document.World());
    EXPECT_TRUE(MoveWithoutClubPlayersToClub(document, {added[2]}, club->Id()).empty());
    EXPECT_EQ(DumpWorldJson(document.World()), full);
    EXPECT_EQ(document.History().Count(), 3u);
    ExpectReferencesSound();

    for (int undo = 0; undo < 3; ++undo) {
        ASSERT_TRUE(document.Undo());
    }
    // Undo puts other country objects in place: the club is looked up again.
    const CClub* restored = FindLiveClub(document.World(), club->Id());
    ASSERT_NE(restored, nullptr);
    EXPECT_FALSE(restored->HasPerson(added[0]));
    EXPECT_TRUE(document.World().WithoutClub().Contains(added[0]));
    EXPECT_TRUE(document.World().WithoutClub().Contains(added[4]));
    ExpectReferencesSound();
}

// The fast transfer between the demo's three clubs, known by their ids.
class FastTransferTest : public test::DemoClubsTest {
protected:
    // Looked up each time: undo puts other country objects in place.
    CClub& Club(std::uint32_t id) { return *FindLiveClub(Live(), id); }
    int Home() const { return ClubCountry(homeId); }

    // Every first-team player of the club wears a number outside 1..99 (so none is taken).
    void ClearNumbers(CClub& club) {
        for (CPlayer* player : club.FirstTeam()) {
            player->SetShirtNumber(0, 0);
        }
    }

    const std::uint32_t homeId = home->Id();
    const std::uint32_t neighbourId = neighbour->Id();
    const std::uint32_t abroadId = abroad->Id();
};

TEST_F(FastTransferTest, PlayerListHasTheCountrysClubPlayersFreeNumbersSkipTheFirstTeams) {
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
    // The position name takes the first text for none and goal.
    const std::string first(ResourceString(ids::kPositionNames + 1));
    EXPECT_EQ(FastTransferPositionName(0), first);
    EXPECT_EQ(FastTransferPositionName(1), first);
    EXPECT_EQ(FastTransferPositionName(17), std::string(ResourceString(ids::kPositionNames + 17)));
    EXPECT_EQ(FastTransferPositionName(200), first);

    // Free numbers skip the first team's numbers only.
    CClub& club = Club(neighbourId);
    ClearNumbers(club);
    std::vector<CPlayer*> firstTeam = club.FirstTeam();
    ASSERT_GE(firstTeam.size(), 2u);
    // 1 to 10 taken: 11 is offered firstTeam.
    FillClub(club, club.PersonIds().size() + 10);
    firstTeam = club.FirstTeam();
    for (int n = 0; n < 10; ++n) {
        firstTeam[firstTeam.size() - 1 - static_cast<std::size_t>(n)]->SetShirtNumber(
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
    CPlayer& reserve = *firstTeam.front();
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

TEST_F(FastTransferTest, StaleChoicesAndAFullClubDoNothingATransferTakesNumberAndContract) {
    CPlayer& player = *Club(homeId).FirstTeam().front();
    const std::uint32_t id = player.Id();
    player.SetContractUntil(2014);
    player.SetClubSince(2001);
    ClearNumbers(Club(abroadId));
    const std::string before = Dump();
    // No player, no number, a number past 99, no club, a club id without country number; the
    // player chosen before the source country changed is not found there; the own club, a
    // national team, a club that does not exist.
    const SFastTransfer stale[] = {
        {Home(), 0, abroadId, 5},
        {Home(), id, abroadId, 0},
        {Home(), id, abroadId, 100},
        {Home(), id, 0, 5},
        {Home(), id, abroadId & 0xFFFF, 5},
        {ClubCountry(abroadId), id, neighbourId, 5},
        {Home(), id, homeId, 5},
        {Home(), id, MakeClubId(ClubCountry(abroadId), kNationalTeamIndex), 5},
        {Home(), id, MakeClubId(Home(), 4000), 5}};
    for (const SFastTransfer& transfer : stale) {
        EXPECT_FALSE(PerformFastTransfer(document, transfer)) << (&transfer - stale);
    }
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

    // One place free again: the transfer goes through with the first free number.
    const std::uint32_t filler = Club(abroadId).PersonIds().back();
    Club(abroadId).RemovePerson(filler);
    Live().RemovePerson(filler);
    EXPECT_EQ(FastTransferCurrentNumber(document.World(), Home(), id), player.ShirtNumbers()[0]);
    const int number = FreeShirtNumbers(Club(abroadId)).front();
    EXPECT_EQ(number, 1);
    ASSERT_TRUE(PerformFastTransfer(document, {Home(), id, abroadId, number}));
    ExpectReferencesSound();
    EXPECT_EQ(document.History().Count(), 1u);
    EXPECT_EQ(Club(abroadId).PersonIds().size(), static_cast<std::size_t>(CClub::kMaxPersons));
    EXPECT_FALSE(Club(homeId).HasPerson(id));
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

TEST_F(SquadCommandsTest, EachStaffKindIsCreatedOnceWithTheLanguagesUpToSeventyPersons) {
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
        EXPECT_EQ(std::tuple(person.Kind(), person.TeamFlag(), person.Nationality(),
                             person.Positions()[0], person.Languages()[0], person.Languages()[1]),
                  std::tuple(kind, 0, home->Country(), 1, 14, 19));
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

    // Creating stops at seventy persons; one undo removes the new person.
    ClearStaff(*home);
    FillClub(*home, kPersonsForNewStaff);
    const std::string before = Dump();
    const std::size_t edits = document.History().Count();
    EXPECT_FALSE(CanCreateStaffKind(*home, personkind::kTrainer));
    EXPECT_EQ(NewStaffPerson(document, home->Id(), personkind::kTrainer), 0u);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(document.History().Count(), edits);

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

TEST_F(SquadCommandsTest, StaffTransferGoesToTheFirstTeamNeverIntoTheOwnClubOrAFullOne) {
    CPlayer& scout = AddPerson(*home, 8);
    scout.SetTeamFlag(1);
    const std::uint32_t id = scout.Id();
    FillClub(*neighbour, CClub::kMaxPersons);
    const std::string before = Dump();
    // The own club, also as its second-team entry, a national team and a full club change
    // nothing.
    for (const std::uint32_t target :
         {home->Id(), home->Id() | kSecondTeamFlag, MakeClubId(home->Country(), kNationalTeamIndex),
          neighbour->Id()}) {
        EXPECT_FALSE(TransferStaffPerson(document, home->Id(), id, target)) << target;
    }
    // A player is no staff person of the list.
    EXPECT_FALSE(
        TransferStaffPerson(document, home->Id(), home->FirstTeam().front()->Id(), abroad->Id()));
    EXPECT_TRUE(home->HasPerson(id));
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(document.History().Count(), 0u);

    ASSERT_TRUE(TransferStaffPerson(document, home->Id(), id, abroad->Id() | kSecondTeamFlag));
    ExpectPlacementSound();
    EXPECT_TRUE(abroad->HasPerson(id));
    EXPECT_EQ(document.World().Person(id)->TeamFlag(), 0);
    EXPECT_EQ(document.History().Count(), 1u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
    ExpectPlacementSound();
}

TEST_F(SquadCommandsTest, StaffFetchTakesAPersonOfAnotherClubOnlyAndNotIntoAFullOne) {
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
    EXPECT_EQ(ClubHoldingPerson(document.World(), id), home);
    EXPECT_EQ(document.World().Person(id)->TeamFlag(), 1);
    // Fetching it again is fetching from the own club.
    EXPECT_FALSE(FetchStaffPerson(document, home->Id(), id));
    EXPECT_EQ(document.History().Count(), 1u);

    // A full club fetches nobody and loses nobody.
    const std::uint32_t other = AddPerson(*neighbour, 14).Id();
    FillClub(*home, CClub::kMaxPersons);
    const std::string full = Dump();
    EXPECT_FALSE(FetchStaffPerson(document, home->Id(), other));
    EXPECT_TRUE(neighbour->HasPerson(other));
    EXPECT_EQ(Dump(), full);
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectPlacementSound();
}

TEST_F(SquadCommandsTest, StaffRowsFollowTheKindsDuplicatesNeedNameAndBirthDateDeletionIsFinal) {
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

    // Duplicates need the same name and birth date.
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

    // Deletion removes the masseur from the world, not to the list without club.
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

constexpr std::uint8_t kEnglish = 14;
constexpr std::uint8_t kGerman = 19;
constexpr std::uint8_t kFrench = 17;

TEST(ManagerRules, ValuesAndTextsHeldToTheirScalesLanguagesOnceEighteenStaffKinds) {
    for (const int value : {-3, 0, 9, 15, 16, 255}) {
        EXPECT_EQ(ClampManagerAbility(value), std::clamp(value, 0, 15)) << value;
    }
    EXPECT_FALSE(ManagerAbilityLabel(3).empty());
    EXPECT_TRUE(ManagerAbilityLabel(4).empty());
    // Experience texts are held to their scales: beyond the top the top, below the bottom none.
    EXPECT_EQ(ManagerNationalExperienceText(9), ManagerNationalExperienceText(6));
    EXPECT_NE(ManagerNationalExperienceText(6), ManagerNationalExperienceText(5));
    EXPECT_EQ(ManagerInternationalExperienceText(-1), ManagerInternationalExperienceText(0));
    EXPECT_NE(ManagerInternationalExperienceText(4), ManagerInternationalExperienceText(3));
    // The staff grades' texts.
    EXPECT_FALSE(StaffLevelText(4).empty() || StaffExperienceText(4).empty());
    EXPECT_TRUE(StaffExperienceText(5).empty());
    EXPECT_TRUE(StaffLevelText(-1).empty());
    EXPECT_EQ(ShownStaffGrade(2), 2);
    EXPECT_EQ(ShownStaffGrade(13), 4);
    // Repeated languages are dropped and the rest move up.
    // English as mother tongue and again as first foreign language.
    EXPECT_EQ(LanguageSlotsToStore({kEnglish, kEnglish, kGerman, kFrench}),
              (ManagerLanguages{kEnglish, kGerman, kFrench, 0}));
    EXPECT_EQ(LanguageSlotsToStore({0, kGerman, 0, kGerman}), (ManagerLanguages{kGerman, 0, 0, 0}));
    EXPECT_EQ(LanguageSlotsToStore({kFrench, 0, kEnglish, 0}),
              (ManagerLanguages{kFrench, kEnglish, 0, 0}));
    // A number beyond the 63 languages counts as none.
    EXPECT_EQ(LanguageSlotsToStore({70, kGerman, 0, 0}), (ManagerLanguages{kGerman, 0, 0, 0}));

    // Eighteen staff kinds in kind order; rows name the role.
    const auto kinds = StaffKinds();
    ASSERT_EQ(kinds.size(), 18u);
    for (std::size_t index = 0; index < kinds.size(); ++index) {
        EXPECT_EQ(kinds[index].kind, static_cast<int>(index) + 1);
        EXPECT_EQ(FindStaffKind(kinds[index].kind), &kinds[index]);
        EXPECT_TRUE(kinds[index].createCommand.starts_with("Neue"));
    }
    EXPECT_EQ(FindStaffKind(0), nullptr);
    EXPECT_EQ(FindStaffKind(19), nullptr);
    const test::Rows<int, std::string_view> commands = {
        {6, "Neuer Amateurtrainer"}, {9, "Neuer Doktor"}, {16, "Neuer Marketingmanager"}};
    test::ExpectRows([](int kind) { return FindStaffKind(kind)->createCommand; }, commands);
    // A row is the short name, a tab and the role; a name with a percent sign is text, not a
    // format.
    const test::Calls<std::string, int, std::string> rows = {
        {"Berger, A.", 1, "Berger, A.\tTrainer"},
        {"Berger, A.", 3, "Berger, A.\tPr\344sident"},
        {"Berger, A.", 18, "Berger, A.\tFanbeauftragter"},
        {"100%s", 13, "100%s\tMasseur"},
        {"Berger, A.", 0, ""}};
    test::ExpectCalls([](std::string_view name, int kind) { return StaffRowText(name, kind); },
                      rows);
    // Which kinds carry experience and grades.
    for (int kind = 0; kind <= 19; ++kind) {
        EXPECT_EQ(HasManagerExperience(kind), kind == 1 || kind == 2) << kind;
        EXPECT_EQ(HasStaffGrades(kind), kind >= 4 && kind <= 18) << kind;
    }
}

class ManagerRecordTest : public test::TestWorld {
protected:
    CPlayer& trainer = world.CreatePerson(0, true);
};

TEST_F(ManagerRecordTest, ClubStaffKeepsNamesLanguagesGradesAManagerRecordEveryValue) {
    trainer.Reset(1, 19);
    CClubStaffManager record(trainer);
    EXPECT_EQ(
        std::tuple(record.Keeps(EManagerValue::kLanguages), record.Keeps(EManagerValue::kAbilities),
                   record.Keeps(EManagerValue::kExperience)),
        std::tuple(true, false, false));
    EXPECT_EQ(record.FirstNameLimit(), 15u);
    EXPECT_EQ(record.SurnameLimit(), 19u);

    record.SetNames("Anton", "Berger");
    EXPECT_EQ(trainer.FirstName().View(), "Anton");
    EXPECT_EQ(record.Surname(), "Berger");
    record.SetLanguages({kEnglish, kEnglish, kGerman, 0});
    EXPECT_EQ(trainer.Languages(), (ManagerLanguages{kEnglish, kGerman, 0, 0}));
    EXPECT_EQ(record.Languages(), trainer.Languages());
    record.SetAbility(2, 40);
    EXPECT_EQ(trainer.Ability(2), 15);
    EXPECT_EQ(record.Ability(2), 15);
    record.SetExperience(8, 2);
    EXPECT_EQ(trainer.NationalExperience(), 6);
    EXPECT_EQ(record.InternationalExperience(), 2);
    // Staff grades are the halves of the exported byte.
    trainer.Reset(13, 19);
    trainer.SetStaffByte(2, 6);
    CClubStaffGrades grades(trainer);
    grades.SetLevel(3);
    grades.SetExperience(1);
    const auto& bytes = trainer.StaffBytes();
    EXPECT_EQ(std::tuple(bytes[0], bytes[1], bytes[2], grades.Level(), grades.Experience()),
              std::tuple(3, 1, 6, 3, 1));
    // Held to 0..4, so the low half never spills into the high one.
    grades.SetExperience(20);
    grades.SetLevel(-1);
    EXPECT_EQ(trainer.StaffBytes()[0] * 16 + trainer.StaffBytes()[1], 4);

    CStaffEntry entry;
    CCountryStaffGrades pool(entry);
    pool.SetLevel(2);
    pool.SetExperience(9);
    EXPECT_EQ(std::tuple(entry.GradeA(), entry.GradeB(), pool.Level(), pool.Experience()),
              std::tuple(2, 4, 2, 4));

    // The manager record keeps every value in its fields.
    CManager coach;
    coach.SetTrainingValue(1, 4);
    CManagerRecordAdapter adapter(coach);
    EXPECT_TRUE(adapter.Keeps(EManagerValue::kAbilities) &&
                adapter.Keeps(EManagerValue::kLanguages) &&
                adapter.Keeps(EManagerValue::kExperience));
    EXPECT_EQ(adapter.Ability(1), 4);
    EXPECT_EQ(adapter.Ability(7), 0);

    adapter.SetAbility(0, 12);
    adapter.SetAbility(3, 99);
    adapter.SetAbility(4, 5);  // no such ability: nothing written
    EXPECT_EQ(coach.TrainingValues(), (std::array<std::uint8_t, 4>{12, 4, 0, 15}));
    adapter.SetLanguages({kGerman, kFrench, kGerman, kEnglish});
    EXPECT_EQ(coach.Languages(), (ManagerLanguages{kGerman, kFrench, kEnglish, 0}));
    adapter.SetExperience(-2, 7);
    EXPECT_EQ(std::tuple(coach.NationalExperience(), coach.InternationalExperience()),
              std::tuple(0, 4));
    adapter.SetNames("Carla", "Dorn");
    EXPECT_EQ(coach.FirstName().View(), "Carla");
    EXPECT_EQ(coach.Surname().View(), "Dorn");
}

TEST_F(SquadCommandsTest, FurtherManagerOfTheCountryIsEditedAnUnchangedOrMissingOneIsNot) {
    // A further manager added as set-up.
    const int country = 19;
    const std::uint32_t id = document.WorldForOperations().Country(country).AddManager();
    const std::string before = Dump();
    // An unchanged national coach, a missing manager and no country leave no edit.
    EXPECT_FALSE(EditManager(document, {country, std::nullopt}, [](IManagerRecord& record) {
        record.SetLanguages(record.Languages());
    }));
    bool written = false;
    EXPECT_FALSE(EditManager(document, {country, 0xFFFFFFu},
                             [&written](IManagerRecord&) { written = true; }));
    EXPECT_FALSE(written);
    EXPECT_FALSE(EditManager(document, {0, std::nullopt}, [](IManagerRecord&) {}));
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_EQ(Dump(), before);

    const int national = document.World().Manager(id)->NationalExperience() == 5 ? 4 : 5;
    ASSERT_TRUE(EditManager(document, {country, id}, [national](IManagerRecord& record) {
        record.SetExperience(national, 1);
    }));
    EXPECT_EQ(document.World().Manager(id)->NationalExperience(), national);
    EXPECT_EQ(document.World().Manager(id)->InternationalExperience(), 1);
    // The manager of one country is not reached through another.
    const int other = country == 1 ? 2 : 1;
    EXPECT_FALSE(EditManager(document, {other, id},
                             [](IManagerRecord& record) { record.SetExperience(0, 0); }));
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
}

}  // namespace
}  // namespace kw
