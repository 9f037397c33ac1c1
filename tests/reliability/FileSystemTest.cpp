// A save that runs out of room replaces nothing: the database in the folder stays whole. A
// database copied in other letter case loads as the same world.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "DemoInstallation.h"
#include "FaultLoop.h"
#include "TempDir.h"
#include "demo/DemoGenerator.h"
#include "exports/WorldDump.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::FolderState;
using test::Leftovers;
using test::ReadTree;
using test::StateName;
using test::TempDir;
using Names = std::vector<std::string>;

// A tmpfs of the given size mounted on a folder of the test's own, unmounted however the test
// ends.
class CSmallFileSystem {
public:
    explicit CSmallFileSystem(std::uintmax_t bytes) {
        const std::string options = "size=" + std::to_string(bytes);
        m_mounted = mount("tmpfs", m_folder.Path().c_str(), "tmpfs", 0, options.c_str()) == 0;
        m_error = m_mounted ? 0 : errno;
    }
    ~CSmallFileSystem() {
        if (m_mounted) {
            umount2(m_folder.Path().c_str(), MNT_DETACH);
        }
    }
    CSmallFileSystem(const CSmallFileSystem&) = delete;
    CSmallFileSystem& operator=(const CSmallFileSystem&) = delete;

    bool IsMounted() const { return m_mounted; }
    std::string Error() const { return std::strerror(m_error); }
    const fs::path& Path() const { return m_folder.Path(); }

private:
    TempDir m_folder;
    bool m_mounted = false;
    int m_error = 0;
};

std::uintmax_t BytesIn(const FolderState& state) {
    std::uintmax_t bytes = 0;
    for (const auto& [name, content] : state) {
        bytes += content.size();
    }
    return bytes;
}

void ExpectOneSaveFailedMessage(const CScriptedUserInterface& ui) {
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].kind, CScriptedUserInterface::Message::Kind::Error);
    EXPECT_EQ(ui.Messages()[0].text, ResourceString(ids::kSaveFailed));
}

// The case as a user met it: the editor's full-sized database saved into a folder that holds the
// small demo on a file system with room for a few more megabytes only.
TEST(DiskFull, FullDatabaseSavedOntoASmallFileSystemKeepsTheOldDatabase) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    const FolderState old = ReadTree(test::SmallDemoDatabase());
    const CSmallFileSystem disk(BytesIn(old) + (std::uintmax_t{4} << 20));
    if (!disk.IsMounted()) {
        GTEST_SKIP() << "cannot mount a tmpfs: " << disk.Error();
    }
    const fs::path database = disk.Path() / "database";
    fs::copy(test::SmallDemoDatabase(), database, fs::copy_options::recursive);
    test::COpenedDatabases opened;
    const std::string before = opened.Open(test::SmallDemoInstallation(), database).dump;

    const TempDir full;
    CSilentProgress progress;
    ASSERT_TRUE(
        demo::GenerateDemoInstallation(full.Path(), demo::EDemoScale::kFull, 1, progress).ok);
    CWorld world(full.Path());
    world.InitialiseCountries();
    world.Load(full / "database", progress);
    world.SetDirectory(database);
    CScriptedUserInterface ui;
    EXPECT_FALSE(world.Save(progress, ui));
    ExpectOneSaveFailedMessage(ui);

    EXPECT_EQ(Leftovers(database), Names{});
    const auto after = opened.Open(test::SmallDemoInstallation(), database);
    EXPECT_EQ(StateName(after.files, old, old), "old");
    EXPECT_TRUE(after.dump == before);
}

// The same without a file system of its own: every write fails once half of the save's calls
// are made, wherever the test runs.
TEST(DiskFull, DiskThatFillsHalfWayThroughASaveKeepsTheOldDatabase) {
    const TempDir install;
    fs::copy(test::SmallDemoInstallation(), install.Path(), fs::copy_options::recursive);
    const fs::path database = install / "database";
    const FolderState old = ReadTree(database);
    test::COpenedDatabases opened;
    const std::string before = opened.Open(install.Path(), database).dump;

    CWorld world(install.Path());
    world.InitialiseCountries();
    CSilentProgress progress;
    world.Load(database, progress);
    test::EditEveryFile(world);
    CFileFaults counter(nullptr);
    const TempDir reference;
    test::RestoreTree(reference.Path(), old);
    world.SetDirectory(reference.Path());
    CScriptedUserInterface quiet;
    ASSERT_TRUE(world.Save(progress, quiet, {.faults = &counter}));
    const FolderState fresh = ReadTree(reference.Path());

    world.SetDirectory(database);
    CFileFaults full(FailFromCallNumber(counter.Calls() / 2, EFileCall::kWrite));
    CScriptedUserInterface ui;
    EXPECT_FALSE(world.Save(progress, ui, {.faults = &full}));
    ExpectOneSaveFailedMessage(ui);
    EXPECT_GT(full.Failures(), 0u);
    EXPECT_EQ(Leftovers(database), Names{});
    const auto after = opened.Open(install.Path(), database);
    EXPECT_EQ(StateName(after.files, old, fresh), "old");
    EXPECT_TRUE(after.dump == before);

    // Once there is room again the same world saves completely.
    CScriptedUserInterface again;
    EXPECT_TRUE(world.Save(progress, again));
    EXPECT_TRUE(again.Messages().empty());
    EXPECT_EQ(StateName(ReadTree(database), old, fresh), "new");
}

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
