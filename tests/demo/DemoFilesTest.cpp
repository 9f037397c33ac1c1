#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "DemoInstallation.h"
#include "TempDir.h"
#include "app/VexaApp.h"
#include "competition/Competition.h"
#include "competition/CupFormat.h"
#include "competition/League.h"
#include "demo/DemoGenerator.h"
#include "demo/DemoLocation.h"
#include "model/LeagueScript.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

// The demo installation as files: the database survives a load and a save unchanged, a seed
// always gives the same files, and the competition scripts read without fault.

// Every file below the folder by its relative path, with its bytes.
std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).generic_string()] = test::ReadFile(entry.path());
        }
    }
    return files;
}

TEST(DemoFilesTest, LoadingAndSavingReproducesEveryDatabaseFile) {
    const test::TempDir target;
    test::SaveAndReload(*test::LoadSmallDemo(), target.Path());

    const auto saved = Tree(target.Path());
    const auto original = Tree(test::SmallDemoDatabase());
    EXPECT_EQ(saved.size(), 206u + 2u);
    for (const auto& [name, bytes] : saved) {
        const auto found = original.find(name);
        ASSERT_NE(found, original.end()) << name;
        EXPECT_TRUE(found->second == bytes) << name;
    }
}

TEST(DemoFilesTest, TheSameSeedGivesTheSameInstallationAnotherSeedAnother) {
    const test::TempDir again;
    const test::TempDir other;
    CSilentProgress progress;
    ASSERT_TRUE(
        demo::GenerateDemoInstallation(again.Path(), demo::EDemoScale::kSmall, 1, progress).ok);
    ASSERT_TRUE(
        demo::GenerateDemoInstallation(other.Path(), demo::EDemoScale::kSmall, 2, progress).ok);
    const auto first = Tree(test::SmallDemoInstallation());
    EXPECT_TRUE(Tree(again.Path()) == first);
    // Badges go to other clubs under another seed; the database keeps its set of files.
    const auto different = Tree(other.Path());
    const auto databaseFiles = [](const auto& tree) {
        return std::count_if(tree.begin(), tree.end(),
                             [](const auto& file) { return file.first.starts_with("database/"); });
    };
    EXPECT_EQ(databaseFiles(different), databaseFiles(first));
    EXPECT_FALSE(different.at("database/Country14.sav") == first.at("database/Country14.sav"));
}

TEST(DemoFilesTest, GeneratingIntoAnUnwritableFolderFails) {
    const test::TempDir folder;
    test::WriteFile(folder / "file", "not a folder");
    CSilentProgress progress;
    const demo::SDemoResult result =
        demo::GenerateDemoInstallation(folder / "file", demo::EDemoScale::kSmall, 1, progress);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.empty());
}

TEST(DemoFilesTest, CupFormatsAndInternationalStructuresAreRead) {
    CWorld world(test::SmallDemoInstallation());
    world.InitialiseCountries();
    int formats = 0;
    for (int number = 1; number < world.CupFormats().SlotCount(); ++number) {
        if (const CCupFormat* format = world.CupFormats().Format(number)) {
            ++formats;
            EXPECT_GE(format->RoundCount(), 1) << number;
            EXPECT_FALSE(format->Name().Empty()) << number;
        }
    }
    EXPECT_GE(formats, 10);
    // The first round states the round count, which the master file takes over.
    EXPECT_TRUE(RoundCountMismatches(world.CupFormats()).empty());
    // One node list per international file, each cup set up with a known format and its days.
    for (const int type : {kChampionsLeagueType, kUefaCupType, kQualiEcType, kWorldCupType}) {
        const CDBCompetition* cup = world.Competition(MakeCompetitionId(0, type, 0));
        ASSERT_NE(cup, nullptr) << type;
        EXPECT_EQ(cup->Check(world.Registry(), 0, 0), 0u) << type;
        EXPECT_EQ(cup->ParentId(), kInternationalRootId);
        EXPECT_GE(cup->SubCompetitionCount(), 1) << type;
    }
    // The rounds take their days in the occupancy tables of their file.
    for (const SDayOccupancy& days : world.InternationalDays()) {
        EXPECT_GT(std::count_if(days.tables[0].begin(), days.tables[0].end(),
                                [](std::uint8_t value) { return value != 0; }),
                  0);
    }
}

TEST(DemoFilesTest, LeagueScriptRebuildsTheLeaguesOfItsCountry) {
    const std::unique_ptr<CWorld> loaded = test::LoadSmallDemo();
    const int script = loaded->Country(14).LeagueScript();
    ASSERT_GT(script, 0);

    CWorld fresh(test::SmallDemoInstallation());
    fresh.InitialiseCountries();
    ASSERT_TRUE(SelectLeagueScript(fresh, 14, script));
    for (int index = 0;; ++index) {
        const std::uint32_t id = MakeCompetitionId(14, kLeagueType, index);
        const CDBCompetition* original = loaded->Competition(id);
        if (original == nullptr) {
            EXPECT_EQ(fresh.Competition(id), nullptr);
            EXPECT_GE(index, 3);
            break;
        }
        const CDBCompetition* read = fresh.Competition(id);
        ASSERT_NE(read, nullptr) << index;
        EXPECT_TRUE(read->HasSameData(*original)) << index;
    }
}

TEST(DemoFilesTest, TheEditorsCopyLivesInTheDataFolderAndIsMadeOnlyOnce) {
    const char* data = std::getenv("XDG_DATA_HOME");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(demo::DemoInstallationDirectory(), fs::path(data) / "kwedit" / "demo");

    const test::TempDir empty;
    EXPECT_FALSE(demo::HoldsInstallation(empty.Path()));
    EXPECT_TRUE(demo::HoldsInstallation(test::SmallDemoInstallation()));
    const fs::path country = test::SmallDemoDatabase() / "Country14.sav";
    const auto written = fs::last_write_time(country);
    CSilentProgress progress;
    EXPECT_TRUE(demo::EnsureDemoInstallation(test::SmallDemoInstallation(), progress).ok);
    EXPECT_EQ(fs::last_write_time(country), written);
}

// The editor's start-up falls back to a supplied installation only when it has none of its own.

class DemoStartupTest : public ::testing::Test {
protected:
    DemoStartupTest() : m_previous(fs::current_path()) {}
    ~DemoStartupTest() override { fs::current_path(m_previous); }

    // Starts the editor in `folder`; returns the state the window would get.
    std::optional<SAppContext> Start(const fs::path& folder) {
        fs::current_path(folder);
        CVexaApp app;
        app.SetFallbackInstallation([this]() -> std::optional<fs::path> {
            ++m_fallbackCalls;
            return test::SmallDemoInstallation();
        });
        CScriptedUserInterface ui;
        std::optional<SAppContext> window;
        app.Run({}, ui, [&window](SAppContext& context) { window = context; });
        return window;
    }

    int m_fallbackCalls = 0;

private:
    fs::path m_previous;
};

TEST_F(DemoStartupTest, AFolderWithoutInstallationShowsTheFallback) {
    const test::TempDir empty;
    const auto window = Start(empty.Path());
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(m_fallbackCalls, 1);
    EXPECT_TRUE(window->fallbackInstallation);
    EXPECT_EQ(fs::canonical(window->workingDirectory),
              fs::canonical(test::SmallDemoInstallation()));
}

TEST_F(DemoStartupTest, AnInstallationInTheWorkingFolderIsShownItself) {
    const auto window = Start(test::SmallDemoInstallation());
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(m_fallbackCalls, 0);
    EXPECT_FALSE(window->fallbackInstallation);
}

}  // namespace
}  // namespace kw
