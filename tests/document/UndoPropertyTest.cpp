#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "DemoDocumentTest.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "document/RecordEdits.h"
#include "editing/ClubListCommands.h"
#include "editing/SearchCommands.h"

namespace kw {
namespace {

constexpr int kHome = kDefaultCountry;

// Every kind of edit must leave the database exactly as before when reverted, and exactly as
// after when applied again: an edit whose scope misses something it changed fails here.
class UndoProperty : public test::DemoDocumentTest {
protected:
    void ExpectUndoable(const std::function<void()>& change) {
        const std::string before = DumpWorldJson(World());
        change();
        const std::string after = DumpWorldJson(World());
        ASSERT_NE(after, before) << "the change changed nothing";
        ASSERT_TRUE(document.Undo());
        EXPECT_EQ(DumpWorldJson(World()), before) << "apply + revert";
        ASSERT_TRUE(document.Redo());
        EXPECT_EQ(DumpWorldJson(World()), after) << "apply + revert + apply";
        ASSERT_TRUE(document.Undo());
        EXPECT_EQ(DumpWorldJson(World()), before) << "a second revert";
    }

    const CDBLeague& TopLeague(int country) const {
        const auto* league = dynamic_cast<const CDBLeague*>(
            World().Competition(MakeCompetitionId(country, kLeagueType, 0)));
        EXPECT_NE(league, nullptr);
        return *league;
    }

    // A club of the top league that a level pool also lists.
    std::uint32_t ClubInLeagueAndPool(int country) const {
        for (const auto& [id, node] : World().Competitions()) {
            const auto* pool = dynamic_cast<const CDBPool*>(node.get());
            if (pool == nullptr || node->Country() != country) {
                continue;
            }
            for (const std::uint32_t team : TopLeague(country).Teams()) {
                if (std::find(pool->Teams().begin(), pool->Teams().end(), team) !=
                    pool->Teams().end()) {
                    return team;
                }
            }
        }
        return TopLeague(country).Team(0);
    }

    // A club of the country with at least one person other than `except`.
    const CClub& ClubWithPersons(int country, std::uint32_t except = 0) const {
        for (const auto& [id, club] : World().Country(country).Clubs()) {
            if (!club->IsNationalTeam() && id != except && !club->PersonIds().empty()) {
                return *club;
            }
        }
        ADD_FAILURE() << "no club with persons in country " << country;
        return World().Country(country).NationalTeam();
    }

    int OtherCountryWithClubs() const {
        for (int number = 1; number <= kCountryCount; ++number) {
            if (number != kHome && World().Country(number).ClubCount() >= 1) {
                return number;
            }
        }
        return 0;
    }
};

TEST_F(UndoProperty, EditingAClubsValues) {
    CClub values = ClubWithPersons(kHome);
    values.SetName(0, "Umbenannt");
    values.SetRival(0, 0);
    ExpectUndoable([&] { document.Do(std::make_unique<CClubValuesEdit>("Verein", values)); });
}

TEST_F(UndoProperty, EditingAPersonsValues) {
    const CClub& club = ClubWithPersons(kHome);
    std::unique_ptr<CPlayer> values = World().Person(club.PersonIds().front())->Clone();
    values->SetSurname("Anders");
    ExpectUndoable([&] { document.Do(std::make_unique<CPersonValuesEdit>("Spieler", *values)); });
}

TEST_F(UndoProperty, DeletingAClubThatALeagueAPoolAndARivalReferTo) {
    const std::uint32_t doomed = ClubInLeagueAndPool(kHome);
    // Another club names it as its rival (set up before the edit, straight in the model).
    const CClub& rival = ClubWithPersons(kHome, doomed);
    document.WorldForOperations().Country(kHome).Club(rival.Id())->SetRival(0, doomed);
    ASSERT_FALSE(World().Country(kHome).Club(doomed)->PersonIds().empty());

    // Only a club made in the editor may be deleted.
    CClub& target = *document.WorldForOperations().Country(kHome).Club(doomed);
    target.SetStadiumFlags(target.StadiumFlags() | CClub::kEditorCreatedFlag);

    ExpectUndoable([&] {
        ASSERT_TRUE(DeleteClub(document, kHome, doomed));
        EXPECT_EQ(World().Country(kHome).Club(doomed), nullptr);
        const auto& teams = TopLeague(kHome).Teams();
        EXPECT_EQ(std::count(teams.begin(), teams.end(), doomed), 0);
    });
}

TEST_F(UndoProperty, CreatingAClub) {
    ExpectUndoable([&] { EXPECT_NE(CreateClub(document, kHome, "Neu"), 0u); });
}

TEST_F(UndoProperty, RemovingAClubsPersons) {
    const std::uint32_t club = ClubWithPersons(kHome).Id();
    ExpectUndoable([&] { EXPECT_TRUE(RemoveClubPersons(document, kHome, club)); });
}

TEST_F(UndoProperty, MovingAPlayerBetweenCountries) {
    const int other = OtherCountryWithClubs();
    ASSERT_NE(other, 0);
    const std::uint32_t from = ClubWithPersons(kHome).Id();
    const std::uint32_t to = World().Country(other).Clubs().begin()->first;
    const std::uint32_t person = World().Country(kHome).Club(from)->PersonIds().front();
    ASSERT_TRUE(CanMoveSearchedPlayer(World(), person, to));
    ExpectUndoable([&] { EXPECT_TRUE(TransferSearchedPlayer(document, person, to)); });
}

TEST_F(UndoProperty, ABulkChangeOverEveryCountryTheRulesAndThePlayersWithoutClub) {
    ExpectUndoable([&] {
        document.Perform("Alle Vereine", SWorldScope::Everything(), [](CWorld& world) {
            for (int number = 1; number <= kCountryCount; ++number) {
                for (const auto& [id, club] : world.Country(number).Clubs()) {
                    club->SetName(0, "Einheitsname");
                }
            }
            world.Rules().SetSubstitutions(1);
            if (!world.WithoutClub().Ids().empty()) {
                DeleteWithoutClub(world, world.WithoutClub().Ids().front());
            }
            return true;
        });
    });
}

TEST_F(UndoProperty, ADialogsEditsAsOneGroup) {
    const CClub& club = ClubWithPersons(kHome);
    CClub renamed = club;
    renamed.SetName(0, "Gruppe");
    std::unique_ptr<CPlayer> person = World().Person(club.PersonIds().front())->Clone();
    person->SetSurname("Gruppe");
    ExpectUndoable([&] {
        document.BeginGroup("Land Einstellungen");
        document.Do(std::make_unique<CClubValuesEdit>("Verein", renamed));
        document.Do(std::make_unique<CPersonValuesEdit>("Spieler", *person));
        CreateClub(document, kHome, "Neu");
        document.EndGroup();
        EXPECT_EQ(document.History().Count(), 1u);
        EXPECT_EQ(document.UndoDescription(), "Land Einstellungen");
    });
}

}  // namespace
}  // namespace kw
