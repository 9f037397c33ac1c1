#include <gtest/gtest.h>

#include <vector>

#include "TempDir.h"
#include "app/DatabaseSlots.h"
#include "model/World.h"

namespace kw {
namespace {

TEST(DatabaseSlots, SixSlotsAtMostAndRemovingTheCurrentSelectsTheFirst) {
    test::TempDir install;
    CDatabaseSlots slots(install.Path());
    std::vector<CWorld*> added;
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
}

}  // namespace
}  // namespace kw
