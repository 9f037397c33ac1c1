#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/RecentDatabases.h"

namespace kw {
namespace {

using Paths = std::vector<std::filesystem::path>;

Paths Folders(int first, int last) {
    Paths folders;
    for (int n = first; n <= last; ++n) {
        folders.emplace_back("/db/" + std::to_string(n));
    }
    return folders;
}

TEST(RecentDatabasesTest, MostRecentFirstWithoutRepeatsAndAtMostEight) {
    CRecentDatabases recent;
    for (const std::filesystem::path& folder : Folders(1, 3)) {
        recent.Opened(folder);
    }
    EXPECT_EQ(recent.Folders(), (Paths{"/db/3", "/db/2", "/db/1"}));
    // Opening a listed folder again moves it to the front, also when spelt differently.
    recent.Opened("/db/1/");
    recent.Opened("/db/x/../2");
    EXPECT_EQ(recent.Folders(), (Paths{"/db/2", "/db/1", "/db/3"}));
    for (const std::filesystem::path& folder : Folders(4, 12)) {
        recent.Opened(folder);
    }
    EXPECT_EQ(recent.Folders().size(), CRecentDatabases::kMaxRecentDatabases);
    EXPECT_EQ(recent.Folders().front(), "/db/12");
    EXPECT_EQ(recent.Folders().back(), "/db/5");
    recent.Opened("");
    EXPECT_EQ(recent.Folders().front(), "/db/12");
}

TEST(RecentDatabasesTest, AStoredListIsPutInOrder) {
    const CRecentDatabases recent(Paths{"/db/a", "", "/db/b/", "/db/a", "/db/c", "/db/d", "/db/e",
                                        "/db/f", "/db/g", "/db/h", "/db/i"});
    EXPECT_EQ(recent.Folders(),
              (Paths{"/db/a", "/db/b", "/db/c", "/db/d", "/db/e", "/db/f", "/db/g", "/db/h"}));
}

TEST(RecentDatabasesTest, VanishedAndForgottenFoldersLeave) {
    CRecentDatabases recent(Folders(1, 5));
    const std::set<std::filesystem::path> present = {"/db/1", "/db/3", "/db/5"};
    EXPECT_TRUE(recent.DropVanished(
        [&present](const std::filesystem::path& folder) { return present.contains(folder); }));
    EXPECT_EQ(recent.Folders(), (Paths{"/db/1", "/db/3", "/db/5"}));
    EXPECT_FALSE(recent.DropVanished([](const std::filesystem::path&) { return true; }));
    recent.Forget("/db/3/");
    EXPECT_EQ(recent.Folders(), (Paths{"/db/1", "/db/5"}));
}

}  // namespace
}  // namespace kw
