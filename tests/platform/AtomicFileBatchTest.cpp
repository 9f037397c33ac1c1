#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "platform/AtomicFile.h"

namespace {

namespace fs = std::filesystem;
using kw::CAtomicFileBatch;
using kw::SetWriteFaultForTesting;
using kw::WriteFileAtomically;
using kw::test::ReadFile;
using kw::test::TempDir;
using kw::test::WriteFile;

class AtomicFileBatch : public ::testing::Test {
protected:
    void SetUp() override {
        for (int number = 1; number <= kFiles; ++number) {
            WriteFile(Target(number), "old");
        }
    }
    void TearDown() override { SetWriteFaultForTesting({}); }

    fs::path Target(int number) const { return m_folder / ("File" + std::to_string(number)); }
    int EntriesInFolder() const {
        int entries = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_folder.Path())) {
            ++entries;
        }
        return entries;
    }

    static constexpr int kFiles = 5;
    TempDir m_folder;
};

TEST_F(AtomicFileBatch, FailureInTheMiddleLeavesEveryFileOldOrNew) {
    SetWriteFaultForTesting([this](const fs::path& target) { return target == Target(3); });
    CAtomicFileBatch batch;
    for (int number = 1; number <= kFiles; ++number) {
        EXPECT_EQ(WriteFileAtomically(Target(number), "new"), number != 3);
    }
    // Nothing replaces a good file before the batch has been flushed.
    EXPECT_EQ(ReadFile(Target(1)), "old");
    EXPECT_TRUE(batch.Commit());
    for (int number = 1; number <= kFiles; ++number) {
        EXPECT_EQ(ReadFile(Target(number)), number == 3 ? "old" : "new") << number;
    }
    EXPECT_EQ(EntriesInFolder(), kFiles);  // no temporary file is left
}

TEST_F(AtomicFileBatch, AbandonedBatchKeepsEveryFileAndRemovesItsTemporaries) {
    {
        CAtomicFileBatch batch;
        EXPECT_TRUE(WriteFileAtomically(Target(1), "new"));
        EXPECT_TRUE(WriteFileAtomically(Target(2), "new"));
    }
    EXPECT_EQ(ReadFile(Target(1)), "old");
    EXPECT_EQ(ReadFile(Target(2)), "old");
    EXPECT_EQ(EntriesInFolder(), kFiles);
    // Without a batch a file is replaced at once again.
    EXPECT_TRUE(WriteFileAtomically(Target(1), "new"));
    EXPECT_EQ(ReadFile(Target(1)), "new");
}

TEST_F(AtomicFileBatch, FileWhoseFolderVanishedFailsTheCommitAndTheRestAreReplaced) {
    const TempDir other;
    CAtomicFileBatch batch;
    EXPECT_TRUE(WriteFileAtomically(other / "Lost", "new"));
    EXPECT_TRUE(WriteFileAtomically(Target(1), "new"));
    fs::remove_all(other.Path());
    EXPECT_FALSE(batch.Commit());
    EXPECT_EQ(ReadFile(Target(1)), "new");
}

}  // namespace
