#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <thread>

#include "DemoInstallation.h"
#include "TempDir.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

// Every file of a folder by name, with its bytes.
std::map<std::string, std::string> FolderContents(const fs::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            contents[entry.path().filename().string()] = test::ReadFile(entry.path());
        }
    }
    return contents;
}

// Loads the demo database and saves it into `target`.
void LoadAndSave(const fs::path& target) {
    CWorld world(test::SmallDemoInstallation());
    world.InitialiseCountries();
    CSilentProgress progress;
    world.Load(test::SmallDemoDatabase(), progress);
    fs::create_directories(target);
    world.SetDirectory(target);
    CScriptedUserInterface ui;
    ASSERT_TRUE(world.Save(progress, ui));
}

// Databases share nothing: record versions, new-club names and random draws belong to each world
// and each file, so two databases loaded and saved on two threads give the bytes that one after
// the other give.
TEST(ConcurrentWorlds, TwoThreadsGiveTheBytesOfOneAfterTheOther) {
    test::TempDir folder;
    LoadAndSave(folder / "sequential");

    std::thread first([&] { LoadAndSave(folder / "first"); });
    std::thread second([&] { LoadAndSave(folder / "second"); });
    first.join();
    second.join();

    const auto expected = FolderContents(folder / "sequential");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(FolderContents(folder / "first"), expected);
    EXPECT_EQ(FolderContents(folder / "second"), expected);
}

}  // namespace
}  // namespace kw
