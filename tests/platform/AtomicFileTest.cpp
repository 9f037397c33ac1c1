#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "platform/AtomicFile.h"
#include "platform/CommitRecord.h"
#include "platform/FileFaults.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

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

TEST(FileNames, TemporariesAreTheTargetWithSixRandomLettersOrDigits) {
    EXPECT_TRUE(IsTemporaryName("Country1.sav.tmp-aB3dE9"));
    EXPECT_TRUE(IsTemporaryName("x.tmp-000000"));
    EXPECT_FALSE(IsTemporaryName(".tmp-abcdef"));
    EXPECT_FALSE(IsTemporaryName("Country1.sav"));
    EXPECT_FALSE(IsTemporaryName("x.tmp-abcde"));
    EXPECT_FALSE(IsTemporaryName("x.tmp-abc_ef"));
    EXPECT_FALSE(IsTemporaryName("x.tmp+abcdef"));
    EXPECT_EQ(TemporaryPattern("db/Rules.sav"), "db/Rules.sav.tmp-XXXXXX");
}

}  // namespace
}  // namespace kw
