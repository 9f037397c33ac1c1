#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "TempDir.h"
#include "platform/CommitRecord.h"
#include "platform/CommitRecovery.h"
#include "platform/FileFaults.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::FileNames;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// A database folder with three files "old" and, beside each, a complete temporary "new", as a
// commit leaves them just before its first rename; and a badge below the installation.
class CommitRecovery : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(Database());
        fs::create_directories(m_install / "badges");
        for (const fs::path& target : Targets()) {
            WriteFile(target, "old");
            const fs::path temporary = target.string() + ".tmp-Ab12Cd";
            WriteFile(temporary, "new");
            m_entries.push_back({temporary, target, 3});
        }
    }

    fs::path Database() const { return m_install / "database"; }
    fs::path Record() const { return Database() / std::string(kCommitRecordName); }
    std::vector<fs::path> Targets() const {
        return {Database() / "Country1.sav", Database() / "Rules.sav",
                m_install / "badges" / "club.tga"};
    }
    std::string Record(const std::vector<SCommitEntry>& entries) const {
        return FormatCommitRecord(Database(), entries);
    }
    std::vector<std::string> Contents() const {
        std::vector<std::string> contents;
        for (const fs::path& target : Targets()) {
            contents.push_back(ReadFile(target));
        }
        return contents;
    }
    void ExpectOnlyTargetsLeft() const {
        EXPECT_EQ(FileNames(Database()), (std::set<std::string>{"Country1.sav", "Rules.sav"}));
        EXPECT_EQ(FileNames(m_install / "badges"), std::set<std::string>{"club.tga"});
    }

    TempDir m_install;
    std::vector<SCommitEntry> m_entries;
};

using Texts = std::vector<std::string>;

TEST_F(CommitRecovery, WholeRecordIsRolledForwardAlsoWhenSomeRenamesWereDone) {
    WriteFile(Record(), Record(m_entries));
    fs::rename(m_entries[1].temporary, m_entries[1].target);
    EXPECT_EQ(RecoverDatabaseFolder(Database()), ECommitRecovery::kRolledForward);
    EXPECT_EQ(Contents(), (Texts{"new", "new", "new"}));
    ExpectOnlyTargetsLeft();
}

TEST_F(CommitRecovery, CutRecordIsRolledBack) {
    const std::string record = Record(m_entries);
    WriteFile(Record(), record.substr(0, record.size() - 3));
    EXPECT_EQ(RecoverDatabaseFolder(Database()), ECommitRecovery::kRolledBack);
    EXPECT_EQ(Contents(), (Texts{"old", "old", "old"}));
    ExpectOnlyTargetsLeft();
}

TEST_F(CommitRecovery, TemporaryOfAnotherSizeIsRemovedAndItsTargetKept) {
    m_entries[0].size = 4;
    WriteFile(Record(), Record(m_entries));
    EXPECT_EQ(RecoverDatabaseFolder(Database()), ECommitRecovery::kRolledForward);
    EXPECT_EQ(Contents(), (Texts{"old", "new", "new"}));
    ExpectOnlyTargetsLeft();
}

TEST_F(CommitRecovery, FailedRenameKeepsTheRecordForTheNextOpen) {
    WriteFile(Record(), Record(m_entries));
    CFileFaults faults([](const SFileCall& call) {
        return call.kind == EFileCall::kRename && call.path.filename() == "Rules.sav";
    });
    EXPECT_EQ(RecoverDatabaseFolder(Database(), {.faults = &faults}), ECommitRecovery::kIncomplete);
    EXPECT_TRUE(fs::exists(Record()));
    EXPECT_TRUE(fs::exists(m_entries[1].temporary));
    EXPECT_EQ(RecoverDatabaseFolder(Database()), ECommitRecovery::kRolledForward);
    EXPECT_EQ(Contents(), (Texts{"new", "new", "new"}));
    ExpectOnlyTargetsLeft();
}

// Without a record, temporaries in the database folder are leftovers of a write that died: they
// go, and nothing else does.
TEST_F(CommitRecovery, LeftoverTemporariesGoAndOtherFilesStay) {
    WriteFile(Database() / "notes.tmp-abc", "mine");
    WriteFile(Database() / "Database.txt", "mine");
    EXPECT_EQ(RecoverDatabaseFolder(Database()), ECommitRecovery::kNothingPending);
    EXPECT_EQ(Contents(), (Texts{"old", "old", "old"}));
    EXPECT_EQ(FileNames(Database()), (std::set<std::string>{"Country1.sav", "Database.txt",
                                                            "Rules.sav", "notes.tmp-abc"}));
    // The installation's folders are not the database's to clean.
    EXPECT_TRUE(fs::exists(m_entries[2].temporary));
}

TEST_F(CommitRecovery, DamagedRecordNeverRemovesAFileThatIsNoTemporary) {
    const std::vector<SCommitEntry> hostile{
        {Database() / "Country1.sav", Database() / "Country1.sav", 3},
        {m_install / "badges" / "club.tga", Database() / "x", 3}};
    WriteFile(Record(), Record(hostile).substr(0, 60));
    EXPECT_EQ(RecoverDatabaseFolder(Database()), ECommitRecovery::kRolledBack);
    EXPECT_EQ(Contents(), (Texts{"old", "old", "old"}));
    EXPECT_FALSE(fs::exists(Record()));
}

TEST_F(CommitRecovery, EmptyOrForeignRecordIsRolledBack) {
    for (const std::string text : {"", "KW06 COMMIT 1\n", "something else\nEND 0 0\n"}) {
        WriteFile(Record(), text);
        EXPECT_EQ(RecoverDatabaseFolder(Database()), ECommitRecovery::kRolledBack) << text;
        EXPECT_EQ(Contents(), (Texts{"old", "old", "old"}));
        EXPECT_FALSE(fs::exists(Record()));
    }
}

}  // namespace
}  // namespace kw
