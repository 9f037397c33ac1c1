#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "TempDir.h"
#include "exports/archive/ArchiveChunks.h"
#include "exports/archive/ChunkPacker.h"

namespace kw {
namespace {

using test::ReadFile;
using test::TempDir;

// Payloads from a few bytes to several hundred kilobytes, text-like so that they pack.
std::vector<std::vector<std::uint8_t>> Payloads() {
    std::mt19937 random(7);
    std::vector<std::vector<std::uint8_t>> payloads;
    for (const std::size_t size : {3u, 700u, 65536u, 400000u, 12u, 150000u, 9000u}) {
        std::vector<std::uint8_t> payload(size);
        for (std::uint8_t& byte : payload) {
            byte = static_cast<std::uint8_t>('a' + random() % 6);
        }
        payloads.push_back(std::move(payload));
    }
    return payloads;
}

// The order in which the payloads go into the archive, most of them several times.
std::vector<std::size_t> Order(std::size_t count) {
    std::mt19937 random(11);
    std::vector<std::size_t> order;
    for (int i = 0; i < 40; ++i) {
        order.push_back(random() % count);
    }
    return order;
}

TEST(ChunkPacker, WritesTheBytesOfASingleThreadedArchiveWhateverTheThreads) {
    const TempDir dir;
    const auto payloads = Payloads();
    const auto order = Order(payloads.size());
    {
        CArchiveWriter writer;
        ASSERT_TRUE(writer.Create(dir / "sequential.tdb"));
        for (const std::size_t index : order) {
            ASSERT_TRUE(writer.AddChunk(index % 2 ? EChunkTag::Badge : EChunkTag::Country,
                                        payloads[index]));
        }
        ASSERT_TRUE(writer.Finish());
    }
    for (const unsigned threads : {1u, 2u, 5u}) {
        const auto path = dir / ("parallel" + std::to_string(threads) + ".tdb");
        CArchiveWriter writer;
        ASSERT_TRUE(writer.Create(path));
        std::vector<int> reads(payloads.size());
        {
            CChunkPacker packer(writer, threads);
            for (const std::size_t index : order) {
                packer.ExpectShared(std::to_string(index));
            }
            for (const std::size_t index : order) {
                const auto chunk = packer.UseShared(std::to_string(index), [&] {
                    ++reads[index];
                    return std::optional(payloads[index]);
                });
                ASSERT_TRUE(chunk);
                packer.Write(index % 2 ? EChunkTag::Badge : EChunkTag::Country, *chunk);
            }
            ASSERT_TRUE(packer.Flush());
        }
        ASSERT_TRUE(writer.Finish());
        EXPECT_EQ(ReadFile(path), ReadFile(dir / "sequential.tdb")) << threads << " threads";
        for (std::size_t index = 0; index < payloads.size(); ++index) {
            EXPECT_LE(reads[index], 1) << index;
        }
    }
}

// A shared file is read once for all its announced uses, even when it cannot be read, and
// let go after the last; a file nobody announced is read at every use.
TEST(ChunkPacker, SharedFilesAreReadOnceForTheirAnnouncedUses) {
    const TempDir dir;
    CArchiveWriter writer;
    ASSERT_TRUE(writer.Create(dir / "a.tdb"));
    CChunkPacker packer(writer, 2);
    int reads = 0;
    const auto missing = [&] {
        ++reads;
        return std::optional<std::vector<std::uint8_t>>();
    };
    packer.ExpectShared("gone.tga");
    packer.ExpectShared("gone.tga");
    EXPECT_FALSE(packer.UseShared("gone.tga", missing));
    EXPECT_FALSE(packer.UseShared("gone.tga", missing));
    EXPECT_EQ(reads, 1);

    const auto present = [&] {
        ++reads;
        return std::optional(std::vector<std::uint8_t>{'t', 'g', 'a'});
    };
    reads = 0;
    packer.ExpectShared("shared.tga");
    packer.ExpectShared("shared.tga");
    const auto first = packer.UseShared("shared.tga", present);
    const auto second = packer.UseShared("shared.tga", present);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->get(), second->get());
    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(packer.UseShared("shared.tga", present));  // past its announced uses
    EXPECT_TRUE(packer.UseShared("alone.tga", present));
    EXPECT_TRUE(packer.UseShared("alone.tga", present));
    EXPECT_EQ(reads, 4);
    EXPECT_TRUE(packer.Flush());
}

// Dropping the packer with chunks still being packed (an export that failed half-way) must
// neither hang nor touch the writer afterwards.
TEST(ChunkPacker, DestroyedWithWorkQueuedEndsCleanly) {
    const TempDir dir;
    const auto payloads = Payloads();
    CArchiveWriter writer;
    ASSERT_TRUE(writer.Create(dir / "a.tdb"));
    {
        CChunkPacker packer(writer, 2);
        for (const auto& payload : payloads) {
            packer.Write(EChunkTag::Country, packer.Pack(payload));
        }
    }
    ASSERT_TRUE(writer.Finish());
    CArchiveReader reader;
    ASSERT_TRUE(reader.Open(dir / "a.tdb"));
    while (reader.ReadChunk()) {
    }
    EXPECT_TRUE(reader.ReadToEnd());
}

}  // namespace
}  // namespace kw
