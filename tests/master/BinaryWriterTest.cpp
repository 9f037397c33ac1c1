#include <gtest/gtest.h>

#include <vector>

#include "model/master/BinaryWriter.h"

namespace kw {
namespace {

void WriteSample(CBinaryWriter& out) {
    out.U8(0x01);
    out.U16(0x0302);
    out.U32(0x07060504);
    out.String("ab");
    const std::vector<std::uint8_t> block = {9, 8};
    out.Block(block);
}

TEST(BinaryWriter, BothPassesAgreeAndValuesAreLittleEndian) {
    CBinaryWriter out;
    WriteSample(out);
    EXPECT_EQ(out.RunningSize(), 1u + 2 + 4 + 3 + 4 + 2);
    EXPECT_TRUE(out.Result().empty());
    ASSERT_TRUE(out.BeginWriting());
    WriteSample(out);
    const std::vector<std::uint8_t> expected = {1, 2, 3, 4, 5, 6, 7, 'a', 'b', 0, 2, 0, 0, 0, 9, 8};
    const auto result = out.Result();
    EXPECT_EQ(std::vector<std::uint8_t>(result.begin(), result.end()), expected);
}

TEST(BinaryWriter, AWritingPassLongerThanTheCountFailsWithoutOverrun) {
    CBinaryWriter out;
    out.U32(0);
    ASSERT_TRUE(out.BeginWriting());
    out.U16(1);
    out.U32(2);  // two bytes more than counted
    EXPECT_TRUE(out.Failed());
    EXPECT_EQ(out.Position(), 2u);
    EXPECT_TRUE(out.Result().empty());
}

TEST(BinaryWriter, AShorterWritingPassGivesNoResult) {
    CBinaryWriter out;
    out.U32(0);
    ASSERT_TRUE(out.BeginWriting());
    out.U16(1);
    EXPECT_FALSE(out.Failed());
    EXPECT_TRUE(out.Result().empty());
}

}  // namespace
}  // namespace kw
