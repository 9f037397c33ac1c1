#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TempDir.h"
#include "exports/archive/ArchiveChunks.h"

namespace kw {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(ArchiveChunks, ChunksRoundTripAndTheHeaderStatesTheFileSize) {
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
}

TEST(ArchiveChunks, OnlyFilesThatStateTheirOwnSizeAreAccepted) {
    const TempDir dir;
    CArchiveWriter writer;
    ASSERT_TRUE(writer.Create(dir / "a.tdb"));
    ASSERT_TRUE(writer.AddChunk(EChunkTag::Country, Bytes(std::string_view("\x05\0\0\0abc", 7))));
    ASSERT_TRUE(writer.Finish());
    const std::string good = ReadFile(dir / "a.tdb");

    CArchiveReader reader;
    EXPECT_TRUE(reader.Open(dir / "a.tdb"));
    WriteFile(dir / "longer.tdb", good + "x");
    EXPECT_FALSE(reader.Open(dir / "longer.tdb"));
    WriteFile(dir / "shorter.tdb", good.substr(0, good.size() - 1));
    EXPECT_FALSE(reader.Open(dir / "shorter.tdb"));
    WriteFile(dir / "magic.tdb", "MROF" + good.substr(4));
    EXPECT_FALSE(reader.Open(dir / "magic.tdb"));
    WriteFile(dir / "tiny.tdb", std::string("FORM\x07\0\0", 7));
    EXPECT_FALSE(reader.Open(dir / "tiny.tdb"));
    EXPECT_FALSE(reader.Open(dir / "none.tdb"));
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

TEST(ArchiveChunks, NamesThatLeaveTheirFolderAreRefused) {
    EXPECT_EQ(SafeRelativePath("color\\Badge256\\a.tga"),
              std::filesystem::path("color/Badge256/a.tga"));
    EXPECT_EQ(SafeRelativePath("./a/./b.tga"), std::filesystem::path("a/b.tga"));
    for (const char* name : {"", "/etc/passwd", "\\abs.tga", "C:\\x.tga", "c:x.tga", "..",
                             "a/../../b.tga", "a\\..\\b.tga", "./", "..\\up.tga"}) {
        EXPECT_FALSE(SafeRelativePath(name)) << name;
    }
    EXPECT_FALSE(SplitNamedFile(Bytes("no zero byte")));
}

}  // namespace
}  // namespace kw
