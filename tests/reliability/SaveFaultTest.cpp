#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "DemoInstallation.h"
#include "TempDir.h"
#include "model/World.h"
#include "platform/AtomicFile.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;
using Kind = CScriptedUserInterface::Message::Kind;
using FileContents = std::map<std::string, std::string>;

FileContents ReadFolder(const fs::path& folder) {
    FileContents contents;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            contents[entry.path().filename().string()] = ReadFile(entry.path());
        }
    }
    return contents;
}

void WriteFolder(const fs::path& folder, const FileContents& contents) {
    for (const auto& [name, bytes] : contents) {
        WriteFile(folder / name, bytes);
    }
}

// A copy of the small demo database whose files (the "old" ones) all differ from what a save of
// the loaded world writes (the "new" ones): each carries one more empty line at its end, which
// the reader passes over. So after any save every file shows which of the two it is.
class SaveFault : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(test::SmallDemoDatabase(), m_database.Path(), fs::copy_options::recursive);
        for (const auto& entry : fs::directory_iterator(m_database.Path())) {
            if (entry.path().extension() == ".sav") {
                WriteFile(entry.path(), ReadFile(entry.path()) + "\r\n");
            }
        }
        m_old = ReadFolder(m_database.Path());
        ASSERT_TRUE(m_world.Load(m_database.Path(), m_progress));
        m_countries = m_world.CountryCount();
        ASSERT_GT(m_countries, 0);

        const TempDir reference;
        m_world.SetDirectory(reference.Path());
        ASSERT_TRUE(m_world.Save(m_progress, m_ui));
        m_new = ReadFolder(reference.Path());
        m_world.SetDirectory(m_database.Path());
        for (const auto& [name, bytes] : m_new) {
            const auto old = m_old.find(name);
            ASSERT_TRUE(old == m_old.end() || old->second != bytes) << name;
        }
    }
    void TearDown() override { SetWriteFaultForTesting({}); }

    // Every file of the database is its old or its new version, nothing else (no temporary
    // file) lies beside them, and the database loads with all of its countries.
    void ExpectOldOrNewAndLoadable(const std::string& context) const {
        const FileContents now = ReadFolder(m_database.Path());
        for (const auto& [name, bytes] : now) {
            const auto old = m_old.find(name);
            const auto fresh = m_new.find(name);
            EXPECT_TRUE((old != m_old.end() && bytes == old->second) ||
                        (fresh != m_new.end() && bytes == fresh->second))
                << context << ": " << name << " is neither old nor new";
        }
        CWorld reloaded(test::SmallDemoInstallation());
        CSilentProgress progress;
        EXPECT_TRUE(reloaded.Load(m_database.Path(), progress)) << context;
        EXPECT_EQ(reloaded.CountryCount(), m_countries) << context;
    }

    TempDir m_database;
    CWorld m_world{test::SmallDemoInstallation()};
    CScriptedUserInterface m_ui;
    CSilentProgress m_progress;
    FileContents m_old;
    FileContents m_new;
    int m_countries = 0;
};

TEST_F(SaveFault, SaveInterruptedAtAnyFileLeavesEachFileOldOrNewAndTheDatabaseLoadable) {
    for (const auto& entry : m_new) {
        const std::string& failing = entry.first;
        WriteFolder(m_database.Path(), m_old);
        SetWriteFaultForTesting(
            [&failing](const fs::path& target) { return target.filename() == failing; });
        CScriptedUserInterface ui;
        EXPECT_FALSE(m_world.Save(m_progress, ui)) << failing;
        SetWriteFaultForTesting({});
        EXPECT_EQ(ui.Texts(Kind::Error).size(), 1u) << failing;
        EXPECT_EQ(ReadFile(m_database / failing), m_old.at(failing));
        ExpectOldOrNewAndLoadable("interrupted at " + failing);
    }
}

TEST_F(SaveFault, FullDiskIsReportedOnceAndKeepsEveryOldFile) {
    SetWriteFaultForTesting([](const fs::path&) { return true; });
    EXPECT_FALSE(m_world.Save(m_progress, m_ui));
    SetWriteFaultForTesting({});
    ASSERT_EQ(m_ui.Messages().size(), 1u);
    EXPECT_EQ(m_ui.Messages()[0].kind, Kind::Error);
    EXPECT_EQ(m_ui.Messages()[0].text, ResourceString(ids::kSaveFailed));
    EXPECT_EQ(ReadFolder(m_database.Path()), m_old);

    // Once there is room again the same world saves completely.
    CScriptedUserInterface ui;
    EXPECT_TRUE(m_world.Save(m_progress, ui));
    EXPECT_TRUE(ui.Messages().empty());
    ExpectOldOrNewAndLoadable("after the disk had room again");
    for (const auto& [name, bytes] : m_new) {
        EXPECT_EQ(ReadFile(m_database / name), bytes) << name;
    }
}

}  // namespace
}  // namespace kw
