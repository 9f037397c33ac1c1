#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "platform/AtomicFile.h"
#include "platform/CommitRecord.h"
#include "platform/FileContents.h"
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

}  // namespace
}  // namespace kw
