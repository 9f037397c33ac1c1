#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/EditHistory.h"

namespace kw {
namespace {

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

}  // namespace
}  // namespace kw
