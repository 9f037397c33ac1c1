#include <gtest/gtest.h>

#include <vector>

#include "DemoInstallation.h"
#include "TempDir.h"
#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

TEST(DatabaseSlots, SixSlotsAtMostRemovingTheCurrentSelectsTheFirstAndOpeningStartsAfresh) {
    test::TempDir install;
    CDatabaseSlots slots(install.Path());
    std::vector<CDatabaseDocument*> added;
    for (int i = 0; i < CDatabaseSlots::kMaxSlots; ++i) {
        added.push_back(slots.AddSlot());
        ASSERT_NE(added.back(), nullptr);
        EXPECT_EQ(slots.Current(), added.back());
    }
    EXPECT_EQ(slots.AddSlot(), nullptr);
    EXPECT_EQ(slots.Count(), 6);
    slots.SelectSlot(2);
    EXPECT_EQ(slots.Current(), added[2]);
    slots.SelectSlot(9);
    EXPECT_EQ(slots.Current(), added[2]);
    EXPECT_NE(slots.RemoveSlot(added[2]), nullptr);
    EXPECT_EQ(slots.Current(), added[0]);
    EXPECT_EQ(slots.SlotDirectory(0), "database");
    EXPECT_EQ(slots.SlotDirectory(7), "");
    slots.RemoveAll();
    EXPECT_EQ(slots.Current(), nullptr);
    EXPECT_EQ(slots.Slot(0), nullptr);

    // Opening a database starts its history afresh.
    CDatabaseSlots demo(test::SmallDemoInstallation());
    CDatabaseDocument& document = *demo.AddSlot();
    document.Perform("Vorher", SWorldScope::Countries({kDefaultCountry}), [](CWorld& world) {
        return world.Country(kDefaultCountry).CreateClub() != nullptr;
    });
    ASSERT_TRUE(document.IsModified());
    CSilentProgress progress;
    CScriptedUserInterface ui;
    EXPECT_TRUE(OpenDatabase(document, test::SmallDemoDatabase(), progress, ui));
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(document.History().CanUndo());
    EXPECT_GT(document.World().CountryCount(), 0);
    EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace kw
