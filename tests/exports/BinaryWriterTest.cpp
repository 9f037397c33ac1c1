#include <gtest/gtest.h>

#include <vector>

#include "exports/master/BinaryWriter.h"

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

// Collects what the writing pass hands over, piece by piece.
struct SCollector {
    std::vector<std::uint8_t> bytes;
    int calls = 0;
    bool accept = true;

    CBinaryWriter::Sink Sink() {
        return [this](std::span<const std::uint8_t> piece) {
            ++calls;
            bytes.insert(bytes.end(), piece.begin(), piece.end());
            return accept;
        };
    }
};

TEST(BinaryWriter, BothPassesAgreeAndValuesAreLittleEndian) {
    CBinaryWriter out;
    WriteSample(out);
    EXPECT_EQ(out.RunningSize(), 1u + 2 + 4 + 3 + 4 + 2);
    SCollector file;
    ASSERT_TRUE(out.BeginWriting(file.Sink()));
    WriteSample(out);
    ASSERT_TRUE(out.FinishWriting());
    const std::vector<std::uint8_t> expected = {1, 2, 3, 4, 5, 6, 7, 'a', 'b', 0, 2, 0, 0, 0, 9, 8};
    EXPECT_EQ(file.bytes, expected);
}

TEST(BinaryWriter, AWritingPassLongerThanTheCountFailsWithoutOverrun) {
    CBinaryWriter out;
    out.U32(0);
    SCollector file;
    ASSERT_TRUE(out.BeginWriting(file.Sink()));
    out.U16(1);
    out.U32(2);  // two bytes more than counted
    EXPECT_TRUE(out.Failed());
    EXPECT_EQ(out.Position(), 2u);
    EXPECT_FALSE(out.FinishWriting());
    EXPECT_LE(file.bytes.size(), 4u);
}

TEST(BinaryWriter, AShorterWritingPassIsNoFile) {
    CBinaryWriter out;
    out.U32(0);
    SCollector file;
    ASSERT_TRUE(out.BeginWriting(file.Sink()));
    out.U16(1);
    EXPECT_FALSE(out.Failed());
    EXPECT_FALSE(out.FinishWriting());
}

// Files far larger than the stream's buffer arrive whole and in order, and a sink that stops
// taking bytes fails the pass instead of being skipped over.
TEST(BinaryWriter, LargeFilesArriveInOrderAndAFailingSinkFailsThePass) {
    std::vector<std::uint8_t> large(3 * 1024 * 1024 + 17);
    for (std::size_t i = 0; i < large.size(); ++i) {
        large[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    }
    const auto write = [&](CBinaryWriter& out) {
        for (std::uint32_t i = 0; i < 100000; ++i) {
            out.U32(i);
        }
        out.Raw(large);
        out.Zeros(700000);
        out.U8(0xAB);
    };
    std::vector<std::uint8_t> expected;
    for (std::uint32_t i = 0; i < 100000; ++i) {
        for (int shift = 0; shift < 32; shift += 8) {
            expected.push_back(static_cast<std::uint8_t>(i >> shift));
        }
    }
    expected.insert(expected.end(), large.begin(), large.end());
    expected.resize(expected.size() + 700000, 0);
    expected.push_back(0xAB);

    CBinaryWriter out;
    write(out);
    ASSERT_EQ(out.RunningSize(), expected.size());
    SCollector file;
    ASSERT_TRUE(out.BeginWriting(file.Sink()));
    write(out);
    ASSERT_TRUE(out.FinishWriting());
    EXPECT_TRUE(file.bytes == expected);
    EXPECT_GT(file.calls, 1);

    CBinaryWriter refused;
    write(refused);
    SCollector full;
    full.accept = false;
    ASSERT_TRUE(refused.BeginWriting(full.Sink()));
    write(refused);
    EXPECT_TRUE(refused.Failed());
    EXPECT_FALSE(refused.FinishWriting());
    EXPECT_EQ(full.calls, 1);  // nothing more is offered once the sink failed
}

}  // namespace
}  // namespace kw
