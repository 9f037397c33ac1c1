#include <gtest/gtest.h>

#include <set>
#include <string>

#include <vector>
#include "TempDir.h"
#include "platform/AtomicFile.h"
#include "platform/AtomicFileBatch.h"
#include "platform/CommitRecord.h"
#include "platform/CommitRecovery.h"
#include "platform/FileContents.h"
#include "platform/FileFaults.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class AtomicFileBatch : public ::testing::Test {
protected:
    void SetUp() override {
        for (int number = 1; number <= kFiles; ++number) {
            WriteFile(Target(number), "old");
        }
    }

    fs::path Target(int number) const { return m_folder / ("File" + std::to_string(number)); }
    fs::path Record() const { return m_folder / std::string(kCommitRecordName); }
    std::set<std::string> Names() const { return test::FileNames(m_folder.Path()); }
    std::set<std::string> TargetNames() const {
        std::set<std::string> names;
        for (int number = 1; number <= kFiles; ++number) {
            names.insert(Target(number).filename().string());
        }
        return names;
    }
    // "old" or "new" when every target holds it, else a description of the mix.
    std::string State() const {
        std::string first = ReadFile(Target(1));
        for (int number = 2; number <= kFiles; ++number) {
            if (ReadFile(Target(number)) != first) {
                return "mixed";
            }
        }
        return first;
    }
    void ExpectAllOld() const {
        EXPECT_EQ(State(), "old");
        EXPECT_EQ(Names(), TargetNames());
    }
    bool WriteAll(std::string_view content) const {
        bool ok = true;
        for (int number = 1; number <= kFiles; ++number) {
            ok = WriteFileAtomically(Target(number), content) && ok;
        }
        return ok;
    }

    static constexpr int kFiles = 5;
    TempDir m_folder;
};

// A file that failed, one left unfinished, or one whose folder vanished fails the commit before
// any replacement; an abandoned batch keeps every file. None leaves a temporary.
TEST_F(AtomicFileBatch, AFailedOrAbandonedBatchReplacesNothing) {
    {
        CFileFaults faults(FailWritesTo(Target(3)));
        CAtomicFileBatch batch(m_folder.Path(), {.faults = &faults});
        for (int number = 1; number <= kFiles; ++number) {
            EXPECT_EQ(WriteFileAtomically(Target(number), "new"), number != 3);
        }
        EXPECT_FALSE(batch.Commit());
    }
    ExpectAllOld();
    {
        CAtomicFileBatch batch(m_folder.Path());
        EXPECT_TRUE(WriteAll("new"));
        {
            CAtomicFile unfinished(m_folder / "Other");
            ASSERT_TRUE(unfinished.Open());
            EXPECT_TRUE(unfinished.Write("half"));
        }
        EXPECT_FALSE(batch.Commit());
    }
    ExpectAllOld();
    {
        const auto other = std::make_unique<TempDir>();
        CAtomicFileBatch batch(m_folder.Path());
        EXPECT_TRUE(WriteFileAtomically(*other / "Lost", "new"));
        EXPECT_TRUE(WriteAll("new"));
        fs::remove_all(other->Path());
        EXPECT_FALSE(batch.Commit());
    }
    ExpectAllOld();
    {
        CAtomicFileBatch batch(m_folder.Path());
        EXPECT_TRUE(WriteAll("new"));
        // Nothing replaces a good file before the commit.
        EXPECT_EQ(State(), "old");
    }
    ExpectAllOld();
    // Without a batch a file is replaced at once again.
    EXPECT_TRUE(WriteFileAtomically(Target(1), "new"));
    EXPECT_EQ(ReadFile(Target(1)), "new");
}

TEST_F(AtomicFileBatch, RecordNamesEveryFileWhileTheRenamesRunAndGoesAfterwards) {
    // Every rename fails: the record stays and names all five files with their sizes.
    CFileFaults faults([](const SFileCall& call) { return call.kind == EFileCall::kRename; });
    {
        CAtomicFileBatch batch(m_folder.Path(), {.faults = &faults});
        EXPECT_TRUE(WriteAll("newer"));
        EXPECT_FALSE(batch.Commit());
    }
    const SParsedCommitRecord record = ParseCommitRecord(m_folder.Path(), ReadFile(Record()));
    ASSERT_TRUE(record.complete);
    ASSERT_EQ(record.entries.size(), static_cast<std::size_t>(kFiles));
    std::set<std::string> targets;
    for (const SCommitEntry& entry : record.entries) {
        targets.insert(entry.target.filename().string());
        EXPECT_EQ(entry.size, 5u);
        EXPECT_EQ(ReadFile(entry.temporary), "newer");
    }
    EXPECT_EQ(targets, TargetNames());

    EXPECT_EQ(RecoverDatabaseFolder(m_folder.Path()), ECommitRecovery::kRolledForward);
    EXPECT_EQ(State(), "newer");
    EXPECT_EQ(Names(), TargetNames());

    // A commit that goes through leaves no record behind.
    CAtomicFileBatch batch(m_folder.Path());
    EXPECT_TRUE(WriteAll("new"));
    EXPECT_TRUE(batch.Commit());
    EXPECT_EQ(State(), "new");
    EXPECT_EQ(Names(), TargetNames());
}

// A fault at any one file-system call of the batch: the commit fails, and the folder is all old
// (with nothing beside the files), or all new once it has been opened again.
TEST_F(AtomicFileBatch, AFaultAtAnyCallLeavesTheFilesAllOldOrAllNew) {
    std::set<std::string> outcomes;
    for (std::uint64_t call = 1;; ++call) {
        SCOPED_TRACE(call);
        for (int number = 1; number <= kFiles; ++number) {
            WriteFile(Target(number), "old");
        }
        CFileFaults faults(FailCallNumber(call));
        bool committed = false;
        {
            CAtomicFileBatch batch(m_folder.Path(), {.faults = &faults});
            WriteAll("new");
            committed = batch.Commit();
        }
        if (faults.Failures() == 0) {
            EXPECT_TRUE(committed);
            EXPECT_EQ(State(), "new");
            EXPECT_GT(call, 20u);  // five files, a record and the renames
            break;
        }
        const auto failure = faults.FirstFailure();
        const std::string what(FileCallName(failure->first));
        EXPECT_FALSE(committed) << what;
        if (!fs::exists(Record())) {
            ExpectAllOld();
        }
        RecoverDatabaseFolder(m_folder.Path());
        const std::string state = State();
        EXPECT_TRUE(state == "old" || state == "new") << what << ": " << state;
        EXPECT_EQ(Names(), TargetNames()) << what;
        outcomes.insert(state);
    }
    EXPECT_EQ(outcomes, (std::set<std::string>{"old", "new"}));
}

TEST_F(AtomicFileBatch, CommitFinishesAnEarlierInterruptedCommitFirst) {
    // A commit of File1 and File2 that died after its record: File1 was renamed, File2 not yet.
    CFileFaults faults([](const SFileCall& call) {
        return call.kind == EFileCall::kRename && call.path.filename() == "File2";
    });
    {
        CAtomicFileBatch batch(m_folder.Path(), {.faults = &faults});
        EXPECT_TRUE(WriteFileAtomically(Target(1), "earlier"));
        EXPECT_TRUE(WriteFileAtomically(Target(2), "earlier"));
        EXPECT_FALSE(batch.Commit());
    }
    ASSERT_TRUE(fs::exists(Record()));
    EXPECT_EQ(ReadFile(Target(2)), "old");

    CAtomicFileBatch batch(m_folder.Path());
    EXPECT_TRUE(WriteFileAtomically(Target(3), "new"));
    EXPECT_TRUE(WriteFileAtomically(Target(4), "new"));
    EXPECT_TRUE(batch.Commit());
    EXPECT_EQ(ReadFile(Target(1)), "earlier");
    EXPECT_EQ(ReadFile(Target(2)), "earlier");
    EXPECT_EQ(ReadFile(Target(3)), "new");
    EXPECT_EQ(Names(), TargetNames());
}

int EntriesIn(const fs::path& folder) {
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++entries;
    }
    return entries;
}

// A fault at any call of a single-file write reports failure and leaves no temporary; the
// previous file stays unless the fault came after the rename (the folder's flush).
TEST(AtomicFile, AFaultAtAnyCallKeepsThePreviousFile) {
    const TempDir folder;
    const fs::path target = folder / "Rules.sav";
    for (std::uint64_t call = 1;; ++call) {
        SCOPED_TRACE(call);
        WriteFile(target, "old");
        CFileFaults faults(FailCallNumber(call));
        const bool written = WriteFileAtomically(target, "new", {.faults = &faults});
        EXPECT_EQ(EntriesIn(folder.Path()), 1);
        if (faults.Failures() == 0) {
            EXPECT_TRUE(written);
            EXPECT_EQ(ReadFile(target), "new");
            break;
        }
        EXPECT_FALSE(written);
        const EFileCall failed = faults.FirstFailure()->first;
        EXPECT_EQ(ReadFile(target), failed == EFileCall::kFolderSync ? "new" : "old")
            << FileCallName(failed);
    }
}

// Temporaries are the target's name with six random letters or digits.
TEST(AtomicFile, TemporaryLiesBesideTheTargetUnderARecognisableName) {
    const TempDir folder;
    CAtomicFile file(folder / "Country7.sav");
    ASSERT_TRUE(file.Open());
    ASSERT_EQ(EntriesIn(folder.Path()), 1);
    const std::string name = fs::directory_iterator(folder.Path())->path().filename().string();
    EXPECT_TRUE(IsTemporaryName(name)) << name;
    EXPECT_EQ(name.rfind("Country7.sav", 0), 0u) << name;
    file.Discard();
    EXPECT_EQ(EntriesIn(folder.Path()), 0);

    EXPECT_TRUE(IsTemporaryName("x.tmp-000000"));
    for (const char* other :
         {".tmp-abcdef", "Country1.sav", "x.tmp-abcde", "x.tmp-abc_ef", "x.tmp+abcdef"}) {
        EXPECT_FALSE(IsTemporaryName(other)) << other;
    }
    EXPECT_EQ(TemporaryPattern("db/Rules.sav"), "db/Rules.sav.tmp-XXXXXX");
}

TEST(AtomicFile, WriteAtOverwritesOnlyBytesAlreadyWritten) {
    const TempDir folder;
    CAtomicFile file(folder / "a.tdb");
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(file.Write("FORM----"));
    ASSERT_TRUE(file.WriteAt(4, "1234"));
    ASSERT_TRUE(file.Write("tail"));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadFile(folder / "a.tdb"), "FORM1234tail");

    CAtomicFile beyond(folder / "b.tdb");
    ASSERT_TRUE(beyond.Open());
    ASSERT_TRUE(beyond.Write("abc"));
    EXPECT_FALSE(beyond.WriteAt(2, "xy"));
    EXPECT_FALSE(beyond.Commit());
    EXPECT_FALSE(fs::exists(folder / "b.tdb"));
}

// Contents longer than one read block, with zero bytes and every other byte value.
TEST(FileContents, WholeFilesArriveByteForByteAndMissingOnesAsNothing) {
    const TempDir dir;
    std::string content;
    for (int i = 0; i < 200000; ++i) {
        content += static_cast<char>(i * 31 + i / 256);
    }
    WriteFile(dir / "large.bin", content);
    WriteFile(dir / "empty.bin", "");
    EXPECT_TRUE(ReadFileText(dir / "large.bin") == content);
    const auto bytes = ReadFileBytes(dir / "large.bin");
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(std::string(bytes->begin(), bytes->end()) == content);
    EXPECT_EQ(ReadFileText(dir / "empty.bin"), std::string());
    EXPECT_FALSE(ReadFileText(dir / "missing.bin"));
    EXPECT_FALSE(ReadFileBytes(dir.Path()));  // a folder opens but cannot be read
}

using test::FileNames;

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
TEST(CommitRecord, ReadsBackWhatWasWrittenWhateverTheNamesButOnlyTemporaries) {
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
    // Recovery renames and removes only what a record names as temporaries: a line that names any
    // other file is dropped, even in a whole record.
    std::vector<SCommitEntry> entries = Entries();
    entries.push_back({kFolder / "Country2.sav", kFolder / "Country3.sav", 5});
    entries.push_back({kFolder / "Country2.sav.tmp-abc", kFolder / "Country2.sav", 5});
    entries.push_back({kFolder / "Country4.sav.tmp-abcdef", kFolder / "Country2.sav", 5});
    const SParsedCommitRecord checked =
        ParseCommitRecord(kFolder, FormatCommitRecord(kFolder, entries));
    EXPECT_TRUE(checked.complete);
    ExpectSameEntries(checked.entries, Entries());
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
