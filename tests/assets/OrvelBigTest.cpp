#include "assets/OrvelBig.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "TempDir.h"
#include "platform/ScriptedUserInterface.h"
#include "storage/PackedCodec.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

void PutBigEndian(Bytes& bytes, std::size_t at, std::uint32_t value) {
    ASSERT_LE(at + 4, bytes.size());
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
    }
}

// A minimal archive writer: header, directory records back to back, then the file data.
Bytes MakeBig(const std::vector<std::pair<std::string, Bytes>>& files, bool bigEndian = false) {
    std::size_t directoryEnd = 16;
    for (const auto& [name, data] : files) {
        directoryEnd += 8 + name.size() + 1;
    }
    Bytes big = Text("BIGF");
    big.resize(directoryEnd);
    PutBigEndian(big, 8, static_cast<std::uint32_t>(files.size()));
    PutBigEndian(big, 12, static_cast<std::uint32_t>(directoryEnd));
    std::size_t record = 16;
    for (const auto& [name, data] : files) {
        PutBigEndian(big, record, static_cast<std::uint32_t>(big.size()));
        PutBigEndian(big, record + 4, static_cast<std::uint32_t>(data.size()));
        std::copy(name.begin(), name.end(), big.begin() + record + 8);
        record += 8 + name.size() + 1;
        big.insert(big.end(), data.begin(), data.end());
    }
    const auto size = static_cast<std::uint32_t>(big.size());
    PutBigEndian(big, 4, bigEndian ? size : __builtin_bswap32(size));
    return big;
}

const Bytes kBadge = Text(std::string(300, 'B') + "badge pixels" + std::string(300, 'C'));

std::vector<std::pair<std::string, Bytes>> SampleFiles() {
    Bytes damaged = kw::PackData(kBadge);
    damaged.pop_back();
    return {{"badges\\a.tga", Text("plain A")},
            {"Badges\\Packed.tga", kw::PackData(kBadge)},
            {"empty.bin", {}},
            {"BADGES\\A.TGA", Text("second A")},
            {"damaged.tga", damaged}};
}

class OrvelBigTest : public ::testing::Test {
protected:
    std::filesystem::path Write(const Bytes& bytes, const std::string& name = "badges.big") {
        kw::test::WriteFile(m_dir / name, std::string(bytes.begin(), bytes.end()));
        return m_dir / name;
    }
    Texts Errors() const { return m_ui.Texts(kw::CScriptedUserInterface::Message::Kind::Error); }

    kw::test::TempDir m_dir;
    kw::CScriptedUserInterface m_ui;
    kw::COrvelBig m_big{&m_ui};
};

TEST_F(OrvelBigTest, OpensEitherByteOrderAndFindsNamesWithoutLetterCase) {
    for (bool bigEndian : {false, true}) {
        const Bytes bytes = MakeBig(SampleFiles(), bigEndian);
        Write(bytes);
        ASSERT_TRUE(m_big.Open(m_dir / "BADGES.big")) << m_big.LastError();
        EXPECT_EQ(m_big.Path(), m_dir / "badges.big");
        EXPECT_EQ(m_big.ArchiveLength(), static_cast<std::int32_t>(bytes.size()));
        ASSERT_EQ(m_big.GetCount(), 5);
        EXPECT_EQ(m_big.GetEntry(0).size, 7);
        EXPECT_EQ(m_big.GetEntry(0).unpackedSize, 0u);
        EXPECT_EQ(m_big.GetEntry(1).unpackedSize, kBadge.size());
        EXPECT_EQ(m_big.GetEntry(5).name, "");
    }
    EXPECT_EQ(m_big.FindIndex("Badges\\A.TGA"), 0);
    EXPECT_EQ(m_big.FindIndex("badges\\packed.TGA"), 1);
    EXPECT_EQ(m_big.FindIndex("a.tga"), -1);
    EXPECT_EQ(m_big.FindIndex(""), -1);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(OrvelBigTest, ReadsFilesAsStoredOrUnpacked) {
    ASSERT_TRUE(m_big.Open(Write(MakeBig(SampleFiles()))));
    Bytes data;
    EXPECT_TRUE(m_big.ReadFile("BADGES\\A.tga", data, true));
    EXPECT_EQ(data, Text("plain A"));
    EXPECT_TRUE(m_big.ReadFile("badges\\packed.tga", data, true));
    EXPECT_EQ(data, kBadge);
    EXPECT_TRUE(m_big.ReadEntry(1, data, false));
    EXPECT_EQ(data, kw::PackData(kBadge));
    EXPECT_TRUE(m_big.ReadEntry(2, data, true));
    EXPECT_TRUE(data.empty());
    EXPECT_FALSE(m_big.ReadFile("damaged.tga", data, true));
    EXPECT_TRUE(data.empty());
    EXPECT_FALSE(m_big.ReadEntry(9, data, false));
    EXPECT_TRUE(Errors().empty());

    EXPECT_FALSE(m_big.ReadFile("missing.tga", data, false));
    EXPECT_EQ(m_big.FindIndexReported(""), -1);
    EXPECT_EQ(Errors(),
              (Texts{"Die Datei missing.tga konnte in dem BIG Archiv nicht gefunden werden",
                     "Es wurde kein Name angegeben"}));
}

TEST_F(OrvelBigTest, PackedArchiveLivesInATemporaryCopyUntilClose) {
    kw::test::TempDir temporary;
    const char* const previous = std::getenv("TMPDIR");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("TMPDIR", temporary.Path().c_str(), 1);

    const auto packedPath = Write(kw::PackData(MakeBig(SampleFiles())), "packed.big");
    ASSERT_TRUE(m_big.Open(packedPath)) << m_big.LastError();
    EXPECT_EQ(m_big.PackedSourcePath(), packedPath);
    const auto copy = m_big.Path();
    EXPECT_EQ(copy.parent_path(), temporary.Path());
    Bytes data;
    EXPECT_TRUE(m_big.ReadFile("badges\\packed.tga", data, true));
    EXPECT_EQ(data, kBadge);
    m_big.Close();
    EXPECT_FALSE(std::filesystem::exists(copy));

    // Images that cannot be unpacked or are too short fail silently; an image that is no archive
    // is reported. None leaves a copy behind.
    Bytes cut = kw::PackData(MakeBig(SampleFiles()));
    cut.pop_back();
    EXPECT_FALSE(m_big.Open(Write(cut, "cut.big")));
    EXPECT_FALSE(m_big.Open(Write(kw::PackData(Text("0123456789abcde")), "short.big")));
    EXPECT_TRUE(Errors().empty());
    const auto other = Write(kw::PackData(Text(std::string(40, 'x'))), "other.big");
    EXPECT_FALSE(m_big.Open(other));
    EXPECT_EQ(Errors(), Texts{other.string() + " ist keine g\xFCltige BIG Datei"});
    EXPECT_TRUE(std::filesystem::is_empty(temporary.Path()));

    if (previous != nullptr) {
        setenv("TMPDIR", saved.c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
}

TEST_F(OrvelBigTest, DamagedArchivesAreRefusedAndLeaveItClosed) {
    const Bytes good = MakeBig(SampleFiles());
    const auto patched = [&](std::size_t at, std::uint32_t value) {
        Bytes bytes = good;
        PutBigEndian(bytes, at, value);
        return bytes;
    };
    const auto length = static_cast<std::uint32_t>(good.size());
    const std::vector<Bytes> invalid = {
        Bytes(good.begin(), good.begin() + 15),  // shorter than the header
        patched(0, 0x42494758),                  // magic "BIGX"
        patched(4, length + 1),
        patched(12, length + 1),
        patched(8, 0x10000000),   // count beyond the file
        patched(8, 6),            // sixth record runs into the data
        patched(16, 0),           // offset 0
        patched(20, 0xFFFFFFFF),  // negative size
        patched(20, length),      // offset + size > length
        Text(std::string("BIGF\0\0\0\x1B\0\0\0\1\0\0\0\x10\0\0\0\1\0\0\0\0abc", 27)),  // name cut
    };
    for (const Bytes& bytes : invalid) {
        m_ui = {};
        ASSERT_TRUE(m_big.Open(Write(good)));
        EXPECT_FALSE(m_big.Open(Write(bytes, "bad.big")));
        EXPECT_FALSE(m_big.IsOpen());
        EXPECT_EQ(m_big.GetCount(), 0);
        EXPECT_EQ(Errors(),
                  Texts{(m_dir / "bad.big").string() + " ist keine g\xFCltige BIG Datei"});
    }

    m_ui = {};
    EXPECT_FALSE(m_big.Open(Write(MakeBig({{std::string(259, 'n'), Text("x")}}))));
    EXPECT_TRUE(m_big.Open(Write(MakeBig({{std::string(258, 'n'), Text("x")}}))));
    EXPECT_FALSE(m_big.Open(m_dir / "none.big"));
    EXPECT_FALSE(m_big.Open(""));
    EXPECT_EQ(Errors(), (Texts{"Die Datei " + (m_dir / "none.big").string() +
                                   " kann nicht zum Lesen ge\xF6"
                                   "ffnet werden",
                               "Es wurde kein Name angegeben"}));
}

TEST_F(OrvelBigTest, LookupsWithoutAnArchiveReportAndQuietOnlyRemembers) {
    Bytes data{1};
    EXPECT_EQ(m_big.GetCount(), 0);
    EXPECT_EQ(m_big.GetEntry(0).name, "");
    EXPECT_FALSE(m_big.ReadEntry(0, data, false) || !data.empty());
    m_big.SetQuiet(true);
    EXPECT_FALSE(m_big.Open(m_dir / "none.big"));
    EXPECT_NE(m_big.LastError().find("none.big"), std::string::npos);
    EXPECT_EQ(Errors(), Texts(2,
                              "BIG Archiv ist nicht ge\xF6"
                              "ffnet"));
}

// Random damage to header, directory and packed data must give a clean failure or an archive
// whose every entry reads without touching memory outside the buffers (run under sanitizers).
TEST_F(OrvelBigTest, RandomDamageNeverEscapesTheBuffers) {
    std::mt19937 random(17);
    const Bytes plain = MakeBig(SampleFiles());
    const Bytes packed = kw::PackData(plain);
    m_big.SetQuiet(true);
    Bytes data;
    for (int round = 0; round < 2000; ++round) {
        Bytes bytes = round % 4 == 0 ? packed : plain;
        for (unsigned flips = 1 + random() % 3; flips > 0; --flips) {
            bytes[random() % 120] ^= 1 << (random() % 8);
        }
        if (random() % 4 == 0) {
            bytes.resize(random() % bytes.size());
        }
        // A fresh name each round: replacing a file is far slower than creating one.
        if (!m_big.Open(Write(bytes, std::to_string(round) + ".big"))) {
            continue;
        }
        for (int i = 0; i < m_big.GetCount(); ++i) {
            EXPECT_TRUE(m_big.ReadEntry(i, data, true) || data.empty());
        }
    }
}

}  // namespace
