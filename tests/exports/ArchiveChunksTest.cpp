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
using test::WriteFile;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(ArchiveChunks, ChunksRoundTripAndOnlyFilesThatStateTheirSizeAreRead) {
    const TempDir dir;
    CArchiveWriter writer;
    ASSERT_TRUE(writer.Create(dir / "a.tdb"));
    ASSERT_TRUE(writer.AddChunk(EChunkTag::Badge, Bytes(std::string("x/y.tga\0data", 12))));
    WriteFile(dir / "c.sav", "country");
    const std::uint8_t number[] = {4, 3, 2, 1};
    const auto payload = ReadFilePayload(dir / "c.sav", number);
    ASSERT_TRUE(payload);
    ASSERT_TRUE(writer.AddChunk(EChunkTag::Country, *payload));
    EXPECT_FALSE(ReadFilePayload(dir / "missing.sav", number));
    ASSERT_TRUE(writer.Finish());

    const std::string file = ReadFile(dir / "a.tdb");
    ASSERT_GE(file.size(), 8u);
    EXPECT_EQ(file.substr(0, 4), "FORM");
    const auto stored = static_cast<std::uint32_t>(static_cast<std::uint8_t>(file[4])) |
                        static_cast<std::uint32_t>(static_cast<std::uint8_t>(file[5])) << 8 |
                        static_cast<std::uint32_t>(static_cast<std::uint8_t>(file[6])) << 16 |
                        static_cast<std::uint32_t>(static_cast<std::uint8_t>(file[7])) << 24;
    EXPECT_EQ(stored, file.size());

    CArchiveReader reader;
    ASSERT_TRUE(reader.Open(dir / "a.tdb"));
    const auto badge = reader.ReadChunk();
    ASSERT_TRUE(badge);
    EXPECT_EQ(badge->tag, EChunkTag::Badge);
    const auto named = SplitNamedFile(badge->data);
    ASSERT_TRUE(named);
    EXPECT_EQ(named->name, "x/y.tga");
    EXPECT_EQ(std::string(named->bytes.begin(), named->bytes.end()), "data");
    const auto country = reader.ReadChunk();
    ASSERT_TRUE(country);
    EXPECT_EQ(country->tag, EChunkTag::Country);
    EXPECT_EQ(country->data, Bytes("\x04\x03\x02\x01"
                                   "country"));
    EXPECT_FALSE(reader.ReadChunk());
    EXPECT_TRUE(reader.ReadToEnd());
    // Only files that state their own size are accepted.
    EXPECT_TRUE(reader.Open(dir / "a.tdb"));
    WriteFile(dir / "longer.tdb", file + "x");
    EXPECT_FALSE(reader.Open(dir / "longer.tdb"));
    WriteFile(dir / "shorter.tdb", file.substr(0, file.size() - 1));
    EXPECT_FALSE(reader.Open(dir / "shorter.tdb"));
    WriteFile(dir / "magic.tdb", "MROF" + file.substr(4));
    EXPECT_FALSE(reader.Open(dir / "magic.tdb"));
    WriteFile(dir / "tiny.tdb", std::string("FORM\x07\0\0", 7));
    EXPECT_FALSE(reader.Open(dir / "tiny.tdb"));
    EXPECT_FALSE(reader.Open(dir / "none.tdb"));
    // Names that leave their folder are refused.
    EXPECT_EQ(SafeRelativePath("color\\Badge256\\a.tga"),
              std::filesystem::path("color/Badge256/a.tga"));
    EXPECT_EQ(SafeRelativePath("./a/./b.tga"), std::filesystem::path("a/b.tga"));
    for (const char* name : {"", "/etc/passwd", "\\abs.tga", "C:\\x.tga", "c:x.tga", "..",
                             "a/../../b.tga", "a\\..\\b.tga", "./", "..\\up.tga"}) {
        EXPECT_FALSE(SafeRelativePath(name)) << name;
    }
    EXPECT_FALSE(SplitNamedFile(Bytes("no zero byte")));
}

// Chunks that cannot be read end the reading; the reader says the file was not read to its end.
TEST(ArchiveChunks, DamagedChunksStopTheReading) {
    const auto archive = [](std::string chunks) {
        const auto size = static_cast<std::uint32_t>(chunks.size() + 8);
        std::string file = "FORM";
        for (int i = 0; i < 4; ++i) {
            file += static_cast<char>(size >> (8 * i));
        }
        return file + chunks;
    };
    const std::string valid = std::string(
        "\x10\xFB\0\0\x03\xFF"
        "abc",
        9);
    const std::string lengthNine("\x09\0\0\0", 4);
    struct Case {
        const char* what;
        std::string chunks;
    };
    const std::vector<Case> cases = {
        {"zero length", "COUN" + std::string(4, '\0') + valid},
        {"past the end", "COUN" + std::string("\x0A\0\0\0", 4) + valid},
        {"not a packed stream", "COUN" + lengthNine + std::string(9, 'z')},
        {"cut chunk head", "COUN" + lengthNine + valid + "BADG"},
    };
    const TempDir dir;
    for (const Case& c : cases) {
        WriteFile(dir / "bad.tdb", archive(c.chunks));
        CArchiveReader reader;
        ASSERT_TRUE(reader.Open(dir / "bad.tdb")) << c.what;
        int read = 0;
        while (reader.ReadChunk()) {
            ++read;
        }
        EXPECT_LE(read, 1) << c.what;
        EXPECT_FALSE(reader.ReadToEnd()) << c.what;

        // Skipping checks the heads alike; only the payload goes unchecked.
        CArchiveReader skipper;
        ASSERT_TRUE(skipper.Open(dir / "bad.tdb")) << c.what;
        int skipped = 0;
        while (skipper.SkipChunk()) {
            ++skipped;
        }
        EXPECT_EQ(skipped, c.what == std::string("not a packed stream") ? 1 : read) << c.what;
        EXPECT_EQ(skipper.ReadToEnd(), skipped == 1 && read == 0) << c.what;
    }
}

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
