#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <thread>

#include "TempDir.h"
#include "demo/DemoGenerator.h"
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

// Loads the installation's database and saves it into `target`.
void LoadAndSave(const fs::path& install, const fs::path& target) {
    CWorld world(install);
    world.InitialiseCountries();
    CSilentProgress progress;
    world.Load(install / "database", progress);
    fs::create_directories(target);
    world.SetDirectory(target);
    CScriptedUserInterface ui;
    ASSERT_TRUE(world.Save(progress, ui));
}

// Databases share nothing: record versions, new-club names and random draws belong to each world
// and each file, so two databases loaded and saved on two threads give the bytes that one after
// the other give.
TEST(ConcurrentWorlds, TwoThreadsGiveTheBytesOfOneAfterTheOther) {
    // A demo of its own rather than the shared one: this test also runs under ThreadSanitizer.
    test::TempDir install;
    CSilentProgress progress;
    ASSERT_TRUE(
        demo::GenerateDemoInstallation(install.Path(), demo::EDemoScale::kSmall, 1, progress).ok);
    test::TempDir folder;
    LoadAndSave(install.Path(), folder / "sequential");

    std::thread first([&] { LoadAndSave(install.Path(), folder / "first"); });
    std::thread second([&] { LoadAndSave(install.Path(), folder / "second"); });
    first.join();
    second.join();

    const auto expected = FolderContents(folder / "sequential");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(FolderContents(folder / "first"), expected);
    EXPECT_EQ(FolderContents(folder / "second"), expected);
}

}  // namespace
}  // namespace kw
