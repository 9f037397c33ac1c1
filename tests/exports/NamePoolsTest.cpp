#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "exports/master/BinaryWriter.h"
#include "exports/master/NamePools.h"

namespace kw {
namespace {

using namespace namekind;

std::vector<std::uint8_t> Table(const CNamePools& pools, int group, int kind) {
    CBinaryWriter out;
    pools.WriteTable(out, group, kind);
    EXPECT_EQ(out.RunningSize(), pools.TableSize(group, kind));
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(out.BeginWriting([&bytes](std::span<const std::uint8_t> piece) {
        bytes.insert(bytes.end(), piece.begin(), piece.end());
        return true;
    }));
    pools.WriteTable(out, group, kind);
    EXPECT_TRUE(out.FinishWriting());
    return bytes;
}

TEST(NamePools, APoolWithOnlyTheSpaceKeepsItsCountAndListsIt) {
    CNamePools pools;
    pools.ResetWeightedGroups();
    pools.FinaliseWeights();
    EXPECT_EQ(pools.Pool(7, kSurname).counts, std::vector<std::uint32_t>{1});
    // 3 words, " " and its zero, weight 1, then the 4 announced bytes beyond the entry as zero.
    const std::vector<std::uint8_t> expected = {1, 0,   0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                0, ' ', 0, 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Table(pools, 7, kSurname), expected);
    // Groups from 63 on are not reset: empty tables of 12 bytes.
    EXPECT_EQ(pools.TableSize(100, kMaleFirst), 12u);
}

TEST(NamePools, NameFilesKeepSpacesCutLongLinesAndSkipEmptyOnes) {
    CNamePools pools;
    pools.ResetWeightedGroups();
    pools.LoadNameFile(kMaleFirst,
                       "Anton\r\n\r\n%3\n  Jean  Luc\n"
                       "Abcdefghijklmnopqrstuvwxyz0123456789\n%200\nLost\n");
    EXPECT_EQ(pools.Pool(0, kMaleFirst).names, (std::vector<std::string>{" ", "Anton"}));
    EXPECT_EQ(pools.Pool(0, kMaleFirst).fileCount, 2u);
    const auto& group3 = pools.Pool(3, kMaleFirst);
    ASSERT_EQ(group3.names.size(), 3u);
    EXPECT_EQ(group3.names[1], "  Jean  Luc");
    EXPECT_EQ(group3.names[2], "Abcdefghijklmnopqrstuvwxyz01234");
    EXPECT_EQ(group3.fileCount, 3u);
    // Lookups compare exactly and count uses; the empty name is 0 and never stored.
    EXPECT_EQ(pools.Add(3, kMaleFirst, "  Jean  Luc"), 1);
    EXPECT_EQ(pools.Add(3, kMaleFirst, "jean luc"), 3);
    EXPECT_EQ(pools.Add(3, kMaleFirst, ""), 0);
    EXPECT_EQ(group3.counts, (std::vector<std::uint32_t>{1, 2, 1, 1}));
}

TEST(NamePools, WeightsOfFileNamesAddUpTo16534AndAddedNamesWeighOne) {
    CNamePools pools;
    pools.ResetWeightedGroups();
    pools.LoadNameFile(kSurname, "%2\nA\nB\nC\n");
    pools.Add(2, kSurname, "A");
    pools.Add(2, kSurname, "A");
    pools.Add(2, kSurname, "New");
    pools.Add(2, kSurname, "New");
    pools.FinaliseWeights();
    // Counts 3, 1, 1 of 5: floors 9920, 3306, 3306 (16532); the raising walk adds 1 to A and B.
    EXPECT_EQ(pools.Pool(2, kSurname).counts, (std::vector<std::uint32_t>{1, 9921, 3307, 3306, 1}));
}

TEST(NamePools, ZeroWeightsAreRaisedOnlyWhileTheSumIsShort) {
    CNamePools pools;
    pools.ResetWeightedGroups();
    std::string file;
    for (int i = 0; i < 20; ++i) {
        file += "N" + std::to_string(i) + "\n";
    }
    pools.LoadNameFile(kFemaleFirst, file);
    for (int i = 0; i < 100000; ++i) {
        pools.Add(0, kFemaleFirst, "N0");
    }
    pools.FinaliseWeights();
    // 100001 of 100020 uses: N0 floors to 16530, the 19 others to 0; the first four of those get
    // 1 and the sum is reached, so the rest stay 0.
    const auto& counts = pools.Pool(0, kFemaleFirst).counts;
    EXPECT_EQ(counts[1], 16530u);
    EXPECT_EQ(std::vector<std::uint32_t>(counts.begin() + 2, counts.begin() + 7),
              (std::vector<std::uint32_t>{1, 1, 1, 1, 0}));
    EXPECT_EQ(std::accumulate(counts.begin() + 1, counts.end(), 0u), CNamePools::kWeightTotal);
}

}  // namespace
}  // namespace kw
