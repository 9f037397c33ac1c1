#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DemoDocumentTest.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "document/EditGroup.h"
#include "document/EditHistory.h"
#include "document/RecordEdits.h"
#include "document/ScopeCheck.h"
#include "editing/ClubListCommands.h"
#include "editing/SearchCommands.h"
#include "exports/WorldDump.h"
#include "model/WithoutClub.h"

namespace kw {
namespace {

using Kind = SDocumentChange::EKind;

// An edit that only counts its calls and claims a size.
class CountingEdit final : public IEdit {
public:
    CountingEdit(std::string description, std::size_t cost = 100)
        : m_description(std::move(description)), m_cost(cost) {}
    void Apply(CWorld&) override {}
    void Revert(CWorld&) override {}
    const std::string& Description() const override { return m_description; }
    std::vector<SDocumentChange> Changes() const override { return {}; }
    std::size_t MemoryCost() const override { return m_cost; }

private:
    std::string m_description;
    std::size_t m_cost;
};

void Push(CEditHistory& history, const std::string& description, std::size_t cost = 100) {
    history.Push(std::make_unique<CountingEdit>(description, cost));
}

TEST(EditHistory, UndoAndRedoWalkTheEditsAndTheCleanMarkFollowsThePosition) {
    CEditHistory history;
    EXPECT_TRUE(history.IsClean());
    EXPECT_EQ(history.Undo(), nullptr);
    Push(history, "eins");
    Push(history, "zwei");
    EXPECT_FALSE(history.IsClean());
    EXPECT_EQ(history.UndoDescription(), "zwei");
    EXPECT_EQ(history.RedoDescription(), std::nullopt);

    ASSERT_NE(history.Undo(), nullptr);
    EXPECT_EQ(history.UndoDescription(), "eins");
    EXPECT_EQ(history.RedoDescription(), "zwei");
    ASSERT_NE(history.Undo(), nullptr);
    EXPECT_TRUE(history.IsClean());
    EXPECT_EQ(history.Undo(), nullptr);

    ASSERT_NE(history.Redo(), nullptr);
    history.SetClean();  // saved after the first edit
    ASSERT_NE(history.Redo(), nullptr);
    EXPECT_FALSE(history.IsClean());
    history.Undo();
    EXPECT_TRUE(history.IsClean());
}

TEST(EditHistory, ANewEditDropsTheUndoneOnesAndACleanStateAmongThem) {
    CEditHistory history;
    Push(history, "eins");
    Push(history, "zwei");
    history.SetClean();
    history.Undo();
    Push(history, "drei");
    EXPECT_EQ(history.Count(), 2u);
    EXPECT_EQ(history.RedoDescription(), std::nullopt);
    // The saved state held "zwei", which no position reaches any more.
    EXPECT_FALSE(history.IsClean());
    history.Undo();
    EXPECT_FALSE(history.IsClean());
    history.Undo();
    EXPECT_FALSE(history.IsClean());
}

TEST(EditHistory, BoundedByCountAndMemoryTheOldestDropFirstAndClearingForgetsAll) {
    CEditHistory byCount(3);
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        Push(byCount, name);
    }
    EXPECT_EQ(byCount.Count(), 3u);
    std::vector<std::string> undone;
    while (byCount.CanUndo()) {
        undone.push_back(*byCount.UndoDescription());
        byCount.Undo();
    }
    EXPECT_EQ(undone, (std::vector<std::string>{"e", "d", "c"}));
    // The loaded state was among the dropped edits.
    EXPECT_FALSE(byCount.IsClean());

    CEditHistory byMemory(100, 1000);
    Push(byMemory, "klein", 400);
    Push(byMemory, "klein", 400);
    Push(byMemory, "mittel", 500);
    EXPECT_EQ(byMemory.Count(), 2u);
    EXPECT_EQ(byMemory.MemoryCost(), 900u);
    // One edit larger than the whole budget still stays, alone.
    Push(byMemory, "riesig", 5000);
    EXPECT_EQ(byMemory.Count(), 1u);
    EXPECT_EQ(byMemory.UndoDescription(), "riesig");
    // Clearing forgets everything and is clean.
    byMemory.Clear();
    EXPECT_TRUE(byMemory.IsClean());
    EXPECT_FALSE(byMemory.CanUndo());
    EXPECT_EQ(byMemory.MemoryCost(), 0u);
}

class RecordingObserver final : public IDocumentObserver {
public:
    void DocumentChanged(const std::vector<SDocumentChange>& list) override {
        changes.insert(changes.end(), list.begin(), list.end());
    }
    void CleanChanged(bool clean) override { cleanStates.push_back(clean); }
    void HistoryChanged() override { ++historyChanges; }

    std::vector<SDocumentChange> changes;
    std::vector<bool> cleanStates;
    int historyChanges = 0;
};

class DatabaseDocument : public test::DemoDocumentTest {
protected:
    DatabaseDocument() { document.AddObserver(observer); }
    ~DatabaseDocument() override { document.RemoveObserver(observer); }

    const CClub& FirstClub() const {
        return *World().Country(kDefaultCountry).Clubs().begin()->second;
    }
    void Rename(const char* name) {
        CClub values = FirstClub();
        values.SetName(0, name);
        document.Do(std::make_unique<CClubValuesEdit>("Verein ändern", values));
    }

    RecordingObserver observer;
};

TEST_F(DatabaseDocument, EditsTellWhatChangedTheModifiedStateFollowsTheHistoryAndTheSave) {
    EXPECT_FALSE(document.IsModified());
    Rename("Neu");
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(FirstClub().Name(kDefaultLanguage), "Neu");
    ASSERT_EQ(observer.changes.size(), 1u);
    EXPECT_EQ(observer.changes[0].kind, Kind::kClub);
    EXPECT_EQ(observer.changes[0].id, FirstClub().Id());
    EXPECT_EQ(observer.cleanStates, std::vector<bool>{false});

    Rename("Neuer");
    EXPECT_EQ(observer.cleanStates.size(), 1u) << "still modified: no second notice";
    document.Undo();
    document.Undo();
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(observer.cleanStates, (std::vector<bool>{false, true}));
    EXPECT_EQ(observer.changes.size(), 4u);

    // Saving moves the clean mark and keeps the history.
    Rename("Gespeichert");
    document.MarkSaved();
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.UndoDescription(), "Verein ändern");
    document.Undo();
    EXPECT_TRUE(document.IsModified());
    document.Redo();
    EXPECT_FALSE(document.IsModified());
}

// With the scope check installed (as the test programs of most builds do), an operation that
// changes a part its scope does not name stops the program, naming the edit and the part; named,
// the same change is recorded.
TEST_F(DatabaseDocument, AChangeOutsideTheScopeStopsTheProgram) {
    const auto renameClub = [](CWorld& world) {
        world.Country(kDefaultCountry).Clubs().begin()->second->SetName(0, "Anders");
    };
    const auto changeRules = [](CWorld& world) { world.Rules().SetSubstitutions(1); };
    const auto dropWithoutClub = [](CWorld& world) {
        DeleteWithoutClub(world, world.WithoutClub().Ids().front());
    };
    ASSERT_FALSE(World().WithoutClub().Ids().empty());
    const SWorldScope otherCountry = SWorldScope::Countries({kDefaultCountry + 1});
    const struct {
        std::function<void(CWorld&)> change;
        std::string part;
    } cases[] = {{renameClub, "country " + std::to_string(kDefaultCountry)},
                 {changeRules, "the rules"},
                 {dropWithoutClub, "the players without club"}};
    for (const auto& item : cases) {
        EXPECT_DEATH(
            {
                InstallScopeCheck(&DumpOutsideScopeJson);
                document.Perform("Daneben", otherCountry, [&item](CWorld& world) {
                    item.change(world);
                    return true;
                });
            },
            std::string("\"Daneben\" changed ") + item.part + " outside its scope")
            << item.part;
    }
    EXPECT_TRUE(document.Perform("Alles", SWorldScope::Everything(), [&](CWorld& world) {
        for (const auto& [change, part] : cases) {
            change(world);
        }
        return true;
    }));
}

TEST_F(DatabaseDocument, AnOperationOrGroupChangingNothingLeavesNoEditAndUndoWaitsForItsEnd) {
    EXPECT_FALSE(document.Perform("Nichts", SWorldScope::Countries({kDefaultCountry}),
                                  [](CWorld&) { return false; }));
    EXPECT_TRUE(observer.changes.empty());
    { const CEditGroup lookedAt(document, "Spielerkader"); }
    EXPECT_FALSE(document.History().CanUndo());
    EXPECT_FALSE(document.IsModified());

    EXPECT_EQ(observer.historyChanges, 0);

    CEditGroup group(document, "Spielerkader");
    Rename("Im Dialog");
    EXPECT_FALSE(document.Undo()) << "nothing is undone while the dialog is open";
    {
        const CEditGroup inner(document, "innen");
        Rename("Noch im Dialog");
    }
    EXPECT_TRUE(document.InGroup());
    EXPECT_EQ(observer.historyChanges, 0) << "undo offers nothing new while the group is open";
    group.Close();
    EXPECT_EQ(observer.historyChanges, 1) << "the closed group is offered at once";
    EXPECT_EQ(document.History().Count(), 1u);
    EXPECT_EQ(document.UndoDescription(), "Spielerkader");
    document.Undo();
    EXPECT_NE(FirstClub().Name(kDefaultLanguage), "Noch im Dialog");
    EXPECT_NE(FirstClub().Name(kDefaultLanguage), "Im Dialog");
    EXPECT_FALSE(document.IsModified());
}

// A cancelled dialog: its group's edits are reverted newest first (two edits of one club) and
// nothing is recorded; a group around it goes on.
TEST_F(DatabaseDocument, ADiscardedGroupRevertsItsEditsNewestFirstAndRecordsNothing) {
    const std::string before(FirstClub().Name(kDefaultLanguage));
    CEditGroup outer(document, "Land");
    Rename("Aussen");
    CEditGroup inner(document, "Stadion");
    Rename("Innen");
    Rename("Noch innen");
    observer.changes.clear();
    inner.Discard();
    inner.Close();
    EXPECT_EQ(FirstClub().Name(kDefaultLanguage), "Aussen");
    EXPECT_EQ(observer.changes.size(), 2u) << "views hear of each reverted edit";
    EXPECT_TRUE(document.InGroup());
    outer.Discard();
    EXPECT_FALSE(document.InGroup());
    EXPECT_EQ(FirstClub().Name(kDefaultLanguage), before);
    EXPECT_FALSE(document.History().CanUndo());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(observer.historyChanges, 0);
}

TEST_F(DatabaseDocument, AReplacedWorldStartsAFreshCleanHistory) {
    Rename("Vorher");
    observer.changes.clear();
    document.ReplaceWorld(test::LoadSmallDemo());
    EXPECT_FALSE(document.History().CanUndo());
    EXPECT_FALSE(document.IsModified());
    ASSERT_EQ(observer.changes.size(), 1u);
    EXPECT_EQ(observer.changes[0].kind, Kind::kWorld);
    EXPECT_EQ(observer.cleanStates.back(), true);
}

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
