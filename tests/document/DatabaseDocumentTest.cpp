#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "DemoDocumentTest.h"
#include "document/EditGroup.h"
#include "document/RecordEdits.h"
#include "document/ScopeCheck.h"
#include "exports/WorldDump.h"
#include "model/WithoutClub.h"

namespace kw {
namespace {

using Kind = SDocumentChange::EKind;

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

TEST_F(DatabaseDocument, EditsTellWhatChangedAndTheModifiedStateFollowsTheHistory) {
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
}

TEST_F(DatabaseDocument, SavingMovesTheCleanMarkAndKeepsTheHistory) {
    Rename("Gespeichert");
    document.MarkSaved();
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.UndoDescription(), "Verein ändern");
    document.Undo();
    EXPECT_TRUE(document.IsModified());
    document.Redo();
    EXPECT_FALSE(document.IsModified());
}

TEST_F(DatabaseDocument, AnOperationThatChangesNothingLeavesNoEdit) {
    const bool done = document.Perform("Nichts", SWorldScope::Countries({kDefaultCountry}),
                                       [](CWorld&) { return false; });
    EXPECT_FALSE(done);
    EXPECT_FALSE(document.History().CanUndo());
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(observer.changes.empty());
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

TEST_F(DatabaseDocument, AGroupOnlyLookedAtLeavesNoEditAndUndoWaitsForItsEnd) {
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

}  // namespace
}  // namespace kw
