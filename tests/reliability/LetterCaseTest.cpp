#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

#include "DemoInstallation.h"
#include "TempDir.h"
#include "exports/WorldDump.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::string ChangeCase(std::string name, int (*change)(int)) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [change](unsigned char c) { return static_cast<char>(change(c)); });
    return name;
}

// Copies the folder tree, every file and folder name in the given letter case.
void CopyWithCase(const fs::path& from, const fs::path& to, int (*change)(int)) {
    fs::create_directories(to);
    for (const auto& entry : fs::directory_iterator(from)) {
        const fs::path target = to / ChangeCase(entry.path().filename().string(), change);
        if (entry.is_directory()) {
            CopyWithCase(entry.path(), target, change);
        } else {
            fs::copy_file(entry.path(), target);
        }
    }
}

std::string LoadAndDump(const fs::path& database) {
    CWorld world(test::SmallDemoInstallation());
    CSilentProgress progress;
    EXPECT_TRUE(world.Load(database, progress));
    EXPECT_GT(world.CountryCount(), 0);
    return DumpWorldJson(world);
}

TEST(LetterCase, DatabaseCopiedInOtherLetterCaseLoadsTheSameWorld) {
    const std::string original = LoadAndDump(test::SmallDemoDatabase());
    for (const auto change : {&::toupper, &::tolower}) {
        const TempDir copy;
        CopyWithCase(test::SmallDemoDatabase(), copy / "database", change);
        // The copy must really be spelt differently, or this proves nothing.
        ASSERT_FALSE(fs::exists(copy / "database" / "Rules.sav"));
        EXPECT_EQ(LoadAndDump(copy / "database"), original);
    }
}

}  // namespace
}  // namespace kw
