// The restore point is written only from a load that is worth restoring.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "DemoInstallation.h"
#include "TempDir.h"
#include "app/DefaultArchive.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

constexpr int kGermany = 14;

// A copy of the small demo database, loaded.
class DefaultArchiveRule : public ::testing::Test {
protected:
    DefaultArchiveRule() {
        fs::copy(test::SmallDemoDatabase(), database.Path(), fs::copy_options::recursive);
    }
    bool Load() {
        CSilentProgress progress;
        return world.Load(database.Path(), progress);
    }

    test::TempDir database;
    CWorld world{test::SmallDemoInstallation()};
};

TEST_F(DefaultArchiveRule, WholeLoadWithClubsIsWrittenOnlyWhileNoArchiveExists) {
    ASSERT_TRUE(Load());
    EXPECT_TRUE(ShouldWriteDefaultArchive(world, true, false));
    EXPECT_FALSE(ShouldWriteDefaultArchive(world, true, true));
    // A load that reported failure never becomes the restore point.
    EXPECT_FALSE(ShouldWriteDefaultArchive(world, false, false));
    EXPECT_EQ(DefaultArchivePath(database.Path()), database.Path() / "default.tdb");

    // A damaged country file keeps the archive unwritten.
    const fs::path file = database.Path() / ("Country" + std::to_string(kGermany) + ".sav");
    const std::string text = test::ReadFile(file);
    test::WriteFile(file, text.substr(0, text.size() / 2));
    Load();
    ASSERT_FALSE(world.DamagedCountries().empty());
    EXPECT_FALSE(ShouldWriteDefaultArchive(world, true, false));
}

TEST(DefaultArchive, DatabaseWithoutClubsIsNotWorthRestoring) {
    test::TempDir install;
    CWorld world(install.Path());
    world.InitialiseCountries();
    EXPECT_FALSE(ShouldWriteDefaultArchive(world, true, false));
    // One club anywhere is enough.
    ASSERT_NE(world.Country(kGermany).CreateClub(), nullptr);
    EXPECT_TRUE(ShouldWriteDefaultArchive(world, true, false));
}

}  // namespace
}  // namespace kw
