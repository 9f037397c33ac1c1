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

const fs::path kFolder = "/data/install/database";

SCommitEntry Entry(const fs::path& target, const std::string& random, std::uint64_t size) {
    return {fs::path(target.string() + ".tmp-" + random), target, size};
}

std::vector<SCommitEntry> Entries() {
    return {Entry(kFolder / "Country1.sav", "aB3dE9", 1234),
            Entry(kFolder / "with blank%and\nline.sav", "000000", 0),
            Entry("/data/install/badges/b/Badge256/club.tga", "zZ9yY8", 77)};
}

void ExpectSameEntries(const std::vector<SCommitEntry>& read,
                       const std::vector<SCommitEntry>& written) {
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].temporary, written[i].temporary) << i;
        EXPECT_EQ(read[i].target, written[i].target) << i;
        EXPECT_EQ(read[i].size, written[i].size) << i;
    }
}

// Whatever the names; the paths follow the database when it is moved.
TEST(CommitRecord, ReadsBackWhatWasWrittenWhateverTheNames) {
    const std::string text = FormatCommitRecord(kFolder, Entries());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
    const SParsedCommitRecord record = ParseCommitRecord(kFolder, text);
    EXPECT_TRUE(record.complete);
    ExpectSameEntries(record.entries, Entries());

    const fs::path moved = "/elsewhere/copy/database";
    const SParsedCommitRecord movedRecord = ParseCommitRecord(moved, text);
    ASSERT_TRUE(movedRecord.complete);
    ASSERT_EQ(movedRecord.entries.size(), 3u);
    EXPECT_EQ(movedRecord.entries[0].target, moved / "Country1.sav");
    EXPECT_EQ(movedRecord.entries[2].target,
              fs::path("/elsewhere/copy/badges/b/Badge256/club.tga"));
    EXPECT_EQ(movedRecord.entries[2].temporary.filename(), "club.tga.tmp-zZ9yY8");
}

// A record cut anywhere (the process died while writing it) or with any byte changed is never
// taken for a whole one, and what a cut one still lists is a part of what was written.
TEST(CommitRecord, EveryCutOrChangedRecordIsIncomplete) {
    const std::vector<SCommitEntry> written = Entries();
    const std::string text = FormatCommitRecord(kFolder, written);
    for (std::size_t length = 0; length < text.size(); ++length) {
        const SParsedCommitRecord record = ParseCommitRecord(kFolder, text.substr(0, length));
        EXPECT_FALSE(record.complete) << length;
        ASSERT_LE(record.entries.size(), written.size());
        ExpectSameEntries(record.entries,
                          std::vector(written.begin(), written.begin() + record.entries.size()));
        std::string changed = text;
        changed[length] = static_cast<char>(changed[length] ^ 1);
        EXPECT_FALSE(ParseCommitRecord(kFolder, changed).complete) << length;
    }
    EXPECT_FALSE(ParseCommitRecord(kFolder, text + "x").complete);
}

// Recovery renames and removes only what a record names as temporaries: a line that names any
// other file is dropped, even in a whole record.
TEST(CommitRecord, LinesThatNameNoTemporaryOfTheirTargetAreDropped) {
    std::vector<SCommitEntry> entries = Entries();
    entries.push_back({kFolder / "Country2.sav", kFolder / "Country3.sav", 5});
    entries.push_back({kFolder / "Country2.sav.tmp-abc", kFolder / "Country2.sav", 5});
    entries.push_back({kFolder / "Country4.sav.tmp-abcdef", kFolder / "Country2.sav", 5});
    const SParsedCommitRecord record =
        ParseCommitRecord(kFolder, FormatCommitRecord(kFolder, entries));
    EXPECT_TRUE(record.complete);
    ExpectSameEntries(record.entries, Entries());
}

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

// A whole record is rolled forward also when some renames were done; a temporary of another size
// than the record states is removed and its target kept.
TEST_F(CommitRecovery, WholeRecordIsRolledForwardExceptForTemporariesOfAnotherSize) {
    m_entries[0].size = 4;
    WriteFile(Record(), Record(m_entries));
    fs::rename(m_entries[1].temporary, m_entries[1].target);
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

// An empty, foreign or cut record is rolled back; a damaged one never removes a file that is no
// temporary, and a cut one still removes the temporaries it names.
TEST_F(CommitRecovery, IncompleteRecordIsRolledBack) {
    const std::vector<SCommitEntry> hostile{
        {Database() / "Country1.sav", Database() / "Country1.sav", 3},
        {m_install / "badges" / "club.tga", Database() / "x", 3}};
    const std::string record = Record(m_entries);
    for (const std::string& text :
         {std::string(), std::string("KW06 COMMIT 1\n"), std::string("something else\nEND 0 0\n"),
          Record(hostile).substr(0, 60), record.substr(0, record.size() - 3)}) {
        WriteFile(Record(), text);
        EXPECT_EQ(RecoverDatabaseFolder(Database()), ECommitRecovery::kRolledBack) << text;
        EXPECT_EQ(Contents(), (Texts{"old", "old", "old"}));
        EXPECT_FALSE(fs::exists(Record()));
    }
    ExpectOnlyTargetsLeft();
}

}  // namespace
}  // namespace kw
