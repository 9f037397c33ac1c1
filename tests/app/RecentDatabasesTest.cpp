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

    // A stored list is put in order.
    const CRecentDatabases stored(Paths{"/db/a", "", "/db/b/", "/db/a", "/db/c", "/db/d", "/db/e",
                                        "/db/f", "/db/g", "/db/h", "/db/i"});
    EXPECT_EQ(stored.Folders(),
              (Paths{"/db/a", "/db/b", "/db/c", "/db/d", "/db/e", "/db/f", "/db/g", "/db/h"}));

    // Vanished and forgotten folders leave.
    recent = CRecentDatabases(Folders(1, 5));
    const std::set<std::filesystem::path> present = {"/db/1", "/db/3", "/db/5"};
    EXPECT_TRUE(recent.DropVanished(
        [&present](const std::filesystem::path& folder) { return present.contains(folder); }));
    EXPECT_EQ(recent.Folders(), (Paths{"/db/1", "/db/3", "/db/5"}));
    EXPECT_FALSE(recent.DropVanished([](const std::filesystem::path&) { return true; }));
    recent.Forget("/db/3/");
    EXPECT_EQ(recent.Folders(), (Paths{"/db/1", "/db/5"}));

    // Labels number the entries and keep ampersands and long paths readable.
    EXPECT_EQ(RecentDatabaseLabel(0, "/db/Liga & Pokal"), "&1 /db/Liga && Pokal");
    EXPECT_EQ(RecentDatabaseLabel(7, "/db/a"), "&8 /db/a");
    EXPECT_EQ(RecentDatabaseLabel(9, "/db/a"), "10 /db/a");
    // Exactly at the limit the path stays whole; one character more shows its end.
    const std::string limit = "/" + std::string(kRecentLabelLength - 1, 'x');
    EXPECT_EQ(RecentDatabaseLabel(0, limit), "&1 " + limit);
    // "ü" is two bytes but one character: the cut falls between characters.
    const std::string longer = "/anfang/" + std::string(kRecentLabelLength, 'y') + "/\xC3\xBC";
    const std::string label = RecentDatabaseLabel(0, longer);
    EXPECT_EQ(label, "&1 ..." + longer.substr(longer.size() - (kRecentLabelLength - 3) - 1));
}

}  // namespace
}  // namespace kw
