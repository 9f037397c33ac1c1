#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <cstdio>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <numeric>
#include <random>
#include "CountriesData.h"
#include "DemoInstallation.h"
#include "TempDir.h"
#include "TestWorld.h"
#include "app/LongtimeWorldOperations.h"
#include "demo/DemoGenerator.h"
#include "exports/JsonWriter.h"
#include "exports/WorldDump.h"
#include "exports/archive/ArchiveChunks.h"
#include "exports/archive/ChunkPacker.h"
#include "exports/archive/WorldArchive.h"
#include "exports/master/BinaryWriter.h"
#include "exports/master/MasterExport.h"
#include "exports/master/MasterFileReader.h"
#include "exports/master/NamePools.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "platform/Environment.h"
#include "platform/FileFaults.h"
#include "platform/Progress.h"
#include "platform/Random.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/PackedCodec.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::string CountryFile(int number) {
    return "Country" + std::to_string(number) + ".sav";
}

std::string LittleEndian(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>(value >> (8 * i));
    }
    return bytes;
}

// One chunk as the file holds it, payload packed.
std::string Chunk(std::string_view tag, std::string_view payload) {
    const auto packed =
        PackData(std::span(reinterpret_cast<const std::uint8_t*>(payload.data()), payload.size()));
    return std::string(tag) + LittleEndian(static_cast<std::uint32_t>(packed.size())) +
           std::string(packed.begin(), packed.end());
}

std::string Archive(const std::string& chunks) {
    return "FORM" + LittleEndian(static_cast<std::uint32_t>(chunks.size() + 8)) + chunks;
}

std::vector<SArchiveChunk> ReadChunks(const fs::path& archive) {
    CArchiveReader reader;
    EXPECT_TRUE(reader.Open(archive));
    std::vector<SArchiveChunk> chunks;
    while (auto chunk = reader.ReadChunk()) {
        chunks.push_back(std::move(*chunk));
    }
    EXPECT_TRUE(reader.ReadToEnd());
    return chunks;
}

class WorldArchive : public test::TestWorld {
protected:
    void LoadFixture() { ASSERT_TRUE(world.Load(test::CountriesData() / "database", progress)); }
    static fs::path Documents() { return DocumentsDirectory().value(); }
    static fs::path Scratch() {
        return Documents() / "database" / std::string(kExportScratchDatabase);
    }

    TempDir work;
    CScriptedUserInterface ui;
    CRecordingProgress progress;
};

TEST_F(WorldArchive, CountryFilesTravelByteForByteIntoAnEmptyDatabase) {
    LoadFixture();
    const fs::path original = work / "original";
    fs::create_directory(original);
    world.SetDirectory(original);
    ASSERT_TRUE(world.Save(progress, ui));

    const fs::path archive = work / "world.tdb";
    ASSERT_TRUE(ExportWorld(world, archive, Documents(), progress, ui));
    EXPECT_EQ(world.Directory(), original);
    EXPECT_FALSE(fs::exists(Scratch()));
    const int clubs =
        static_cast<int>(world.Country(5).Clubs().size() + world.Country(6).Clubs().size() +
                         world.Country(7).Clubs().size() + world.Country(8).Clubs().size()) +
        kCountryCount - 4;  // every other country has its national team
    EXPECT_EQ(progress.maximum, clubs);
    EXPECT_EQ(progress.positions.back(), clubs);

    CWorld imported(install.Path());
    Prepare(imported);
    imported.SetDirectory(work / "empty");
    ASSERT_TRUE(ImportWorld(imported, archive, false, progress, ui));
    for (int number = 1; number <= kCountryCount; ++number) {
        ASSERT_EQ(ReadFile(work / "empty" / CountryFile(number)),
                  ReadFile(original / CountryFile(number)))
            << number;
    }
    EXPECT_FALSE(fs::exists(work / "empty" / "Rules.sav"));
    EXPECT_FALSE(fs::exists(work / "empty" / "Without.sav"));
    EXPECT_EQ(imported.Country(6).ClubCount(), world.Country(6).ClubCount());
    EXPECT_TRUE(ui.Messages().empty());
}

// The scratch database has one fixed place: exports running at once take turns there, and each
// archive holds the whole world rather than what the other left of it.
TEST_F(WorldArchive, ExportsAtOnceEachWriteTheWholeWorld) {
    LoadFixture();
    const fs::path alone = work / "alone.tdb";
    ASSERT_TRUE(ExportWorld(world, alone, Documents(), progress, ui));
    CWorld other(install.Path());
    Prepare(other);
    ASSERT_TRUE(other.Load(test::CountriesData() / "database", progress));
    const auto exportOn = [&](CWorld& exported, const fs::path& archive, bool& written) {
        return std::thread([&exported, archive, &written] {
            CSilentProgress silent;
            CScriptedUserInterface quiet;
            written = ExportWorld(exported, archive, Documents(), silent, quiet);
        });
    };
    bool firstWritten = false;
    bool secondWritten = false;
    std::thread first = exportOn(world, work / "first.tdb", firstWritten);
    std::thread second = exportOn(other, work / "second.tdb", secondWritten);
    first.join();
    second.join();
    EXPECT_TRUE(firstWritten && secondWritten);
    EXPECT_EQ(ReadFile(work / "first.tdb"), ReadFile(alone));
    EXPECT_EQ(ReadFile(work / "second.tdb"), ReadFile(alone));
}

TEST_F(WorldArchive, BadgesTravelPerSizeThatExists) {
    LoadFixture();
    const fs::path archive = work / "world.tdb";
    ASSERT_TRUE(ExportWorld(world, archive, Documents(), progress, ui));
    for (const SArchiveChunk& chunk : ReadChunks(archive)) {
        EXPECT_EQ(chunk.tag, EChunkTag::Country);  // no badge file exists: no "BADG" chunk
    }

    CClub& club = *world.Country(6).Clubs().rbegin()->second;
    club.SetBadgePath("color\\BADGE256\\club.tga");
    fs::create_directories(install / "badges/color/Badge256");
    fs::create_directories(install / "badges/color/Badge64");
    WriteFile(install / "badges/color/Badge256/club.tga", "big");
    WriteFile(install / "badges/color/Badge64/club.tga", "small");
    ASSERT_TRUE(ExportWorld(world, archive, Documents(), progress, ui));
    std::vector<std::string> badges;
    for (const SArchiveChunk& chunk : ReadChunks(archive)) {
        if (chunk.tag == EChunkTag::Badge) {
            const auto file = SplitNamedFile(chunk.data);
            ASSERT_TRUE(file);
            badges.push_back(std::string(file->name) + "=" +
                             std::string(file->bytes.begin(), file->bytes.end()));
        }
    }
    EXPECT_EQ(badges, (std::vector<std::string>{"color/Badge256/club.tga=big",
                                                "color/Badge64/club.tga=small"}));

    // A file that two clubs share travels with each of them, as a reader of the archive expects.
    CClub& neighbour = *world.Country(5).Clubs().begin()->second;
    neighbour.SetBadgePath("color\\Badge256\\club.tga");
    ASSERT_TRUE(ExportWorld(world, archive, Documents(), progress, ui));
    const auto chunks = ReadChunks(archive);
    EXPECT_EQ(
        std::count_if(chunks.begin(), chunks.end(),
                      [](const SArchiveChunk& chunk) { return chunk.tag == EChunkTag::Badge; }),
        4);

    const TempDir otherInstall;
    CWorld imported(otherInstall.Path());
    Prepare(imported);
    imported.SetDirectory(work / "imported");
    ASSERT_TRUE(ImportWorld(imported, archive, false, progress, ui));
    EXPECT_EQ(ReadFile(otherInstall / "badges/color/Badge64/club.tga"), "small");
}

// A failed export says so, a cancelled one stops; neither leaves an archive or the scratch
// database, and both restore the world's folder.
TEST_F(WorldArchive, FailedOrCancelledExportLeavesNothing) {
    LoadFixture();
    const fs::path before = world.Directory();
    EXPECT_FALSE(ExportWorld(world, work / "missing/world.tdb", Documents(), progress, ui));
    EXPECT_EQ(ui.Texts(CScriptedUserInterface::Message::Kind::Error),
              std::vector<std::string>{std::string(ResourceString(ids::kSaveFailed))});
    EXPECT_FALSE(fs::exists(Scratch()));
    EXPECT_EQ(world.Directory(), before);
    const fs::path archive = work / "world.tdb";
    progress.CancelAtPosition(1);
    CLongtimeExportWorld operation(world, ui, archive, Documents(), kDefaultLanguage);
    operation.ExecuteHere(progress);
    EXPECT_FALSE(fs::exists(archive));
    EXPECT_FALSE(fs::exists(Scratch()));
    EXPECT_EQ(world.Directory(), before);
    EXPECT_EQ(progress.positions.back(), 1);  // stopped before the second club
}

// An import asks first and only Yes proceeds; a file named by several chunks ends as the last of
// them (badges that many clubs share arrive once per club); unknown and hostile chunks are
// skipped.
TEST_F(WorldArchive, ImportAsksFirstAndTakesTheLastOfRepeatedAndNoHostileChunks) {
    const fs::path archive = work / "a.tdb";
    WriteFile(archive, Archive(Chunk("COUN", LittleEndian(7) + "seven")));
    world.SetDirectory(work / "db");
    EXPECT_FALSE(ImportWorld(world, archive, true, progress, ui));
    EXPECT_FALSE(fs::exists(work / "db" / CountryFile(7)));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, ResourceString(ids::kImportQuestion));
    ui.QueueAnswer(true);
    EXPECT_TRUE(ImportWorld(world, archive, true, progress, ui));
    EXPECT_EQ(ReadFile(work / "db" / CountryFile(7)), "seven");
    const fs::path repeated = work / "repeated.tdb";
    WriteFile(repeated, Archive(Chunk("BADG", std::string("c/a.tga\0one", 11)) +
                                Chunk("COUN", LittleEndian(7) + "first") +
                                Chunk("BADG", std::string("c\\b.tga\0bee", 11)) +
                                Chunk("BADG", std::string("c/a.tga\0two", 11)) +
                                Chunk("COUN", LittleEndian(7) + "second") +
                                Chunk("PLIM", std::string("c/a.tga\0picture", 15))));
    EXPECT_TRUE(ImportWorld(world, repeated, false, progress, ui));
    EXPECT_EQ(ReadFile(install / "badges/c/a.tga"), "two");
    EXPECT_EQ(ReadFile(install / "badges/c/b.tga"), "bee");
    EXPECT_EQ(ReadFile(install / "picture/c/a.tga"), "picture");
    EXPECT_EQ(ReadFile(work / "db" / CountryFile(7)), "second");
    const fs::path hostile = work / "hostile.tdb";
    const std::string chunks =
        Chunk("XXXX", "unknown") + Chunk("KIT ", "kit") + Chunk("COUN", LittleEndian(0) + "zero") +
        Chunk("COUN", LittleEndian(207) + "too far") + Chunk("COUN", std::string("\x07\0\0", 3)) +
        Chunk("BADG", std::string("../evil.tga\0x", 13)) +
        Chunk("BADG", std::string("/tmp/evil.tga\0x", 15)) +
        Chunk("PLIM", std::string("a\\..\\..\\evil.tga\0x", 18)) +
        Chunk("PLIM", std::string("faces\\p.tga\0face", 16)) +
        Chunk("COUN", LittleEndian(7) + "seven");
    WriteFile(hostile, Archive(chunks));

    ASSERT_TRUE(ImportWorld(world, hostile, false, progress, ui));
    EXPECT_EQ(ReadFile(work / "db" / CountryFile(7)), "seven");
    EXPECT_FALSE(fs::exists(work / "db" / CountryFile(207)));
    EXPECT_FALSE(fs::exists(work / "db" / CountryFile(0)));
    EXPECT_EQ(ReadFile(install / "picture/faces/p.tga"), "face");
    EXPECT_FALSE(fs::exists(install / "evil.tga"));
    EXPECT_FALSE(fs::exists(work / "evil.tga"));
    EXPECT_FALSE(fs::exists("/tmp/evil.tga"));
    // The import steps by file position up to the end (the load afterwards steps on its own).
    const auto size = static_cast<int>(fs::file_size(hostile));
    EXPECT_NE(std::find(progress.positions.begin(), progress.positions.end(), size),
              progress.positions.end());
}

class DamagedImport : public WorldArchive {
protected:
    // The four country files of the fixture, loaded into the world, and one change in memory.
    void SetUp() override {
        fs::create_directory(db);
        for (const int number : {5, 6, 7, 8}) {
            WriteFile(db / CountryFile(number), Old(number));
        }
        ASSERT_TRUE(world.Load(db, progress, ui));
        ASSERT_TRUE(ui.Messages().empty());
        world.Country(5).Clubs().begin()->second->SetName(0, "Nur im Speicher");
    }
    static std::string Old(int number) {
        return ReadFile(test::CountriesData() / "database" / CountryFile(number));
    }
    static std::string NewChunks() {
        return Chunk("COUN", LittleEndian(5) + "new5") + Chunk("COUN", LittleEndian(6) + "new6") +
               Chunk("BADG", std::string("c/a.tga\0badge", 13));
    }
    void ExpectEveryFileOld() {
        for (const int number : {5, 6, 7, 8}) {
            EXPECT_EQ(ReadFile(db / CountryFile(number)), Old(number)) << number;
        }
        EXPECT_FALSE(fs::exists(install / "badges"));
        std::size_t files = 0;
        for (const auto& entry : fs::directory_iterator(db)) {
            files += entry.is_regular_file() ? 1 : 0;
        }
        EXPECT_EQ(files, 4u);  // no temporary file left behind
    }
    std::string ClubName() const {
        return std::string(world.Country(5).Clubs().begin()->second->Name(0));
    }

    const fs::path db = work / "db";
};

// The first pass reads the archive to its end: damage anywhere, also after the files a second
// pass would write, leaves files, world and folder as they were, and says so.
TEST_F(DamagedImport, DamagedArchiveChangesNothingAndSaysSo) {
    const std::string brokenChunk = "COUN" + LittleEndian(9) + std::string(9, 'z');
    const std::string whole = Archive(NewChunks());
    const std::vector<std::pair<std::string, std::string>> archives = {
        {"damaged chunk",
         Archive(NewChunks() + brokenChunk + Chunk("COUN", LittleEndian(8) + "8"))},
        {"cut", whole.substr(0, whole.size() - 3)},
        {"no archive", "not an archive at all"},
    };
    const fs::path archive = work / "damaged.tdb";
    for (const auto& [kind, bytes] : archives) {
        SCOPED_TRACE(kind);
        ui = CScriptedUserInterface{};
        WriteFile(archive, bytes);
        EXPECT_FALSE(ImportWorld(world, archive, false, progress, ui));
        ExpectEveryFileOld();
        EXPECT_EQ(ClubName(), "Nur im Speicher");
        EXPECT_EQ(world.Directory(), db);
        const std::string format(ResourceString(ids::kImportDamaged));
        EXPECT_EQ(ui.Texts(CScriptedUserInterface::Message::Kind::Error),
                  std::vector<std::string>{FormatPrintf(format.c_str(), archive.c_str())});
    }
}

TEST_F(DamagedImport, FailedWriteLeavesEveryFileOldAndReloadsThem) {
    const fs::path archive = work / "clean.tdb";
    WriteFile(archive, Archive(NewChunks()));
    CFileFaults faults([](const SFileCall& call) {
        return call.kind == EFileCall::kWrite && call.path.filename() == "Country6.sav";
    });
    EXPECT_FALSE(ImportWorld(world, archive, false, progress, ui, {.faults = &faults}));
    ExpectEveryFileOld();
    EXPECT_NE(ClubName(), "Nur im Speicher");
    EXPECT_EQ(world.Country(5).ClubCount(), 3);
    EXPECT_EQ(ui.Texts(CScriptedUserInterface::Message::Kind::Error),
              std::vector<std::string>{std::string(ResourceString(ids::kSaveFailed))});
}

TEST_F(DamagedImport, TheLongRunningImportKeepsTheResult) {
    const fs::path archive = work / "damaged.tdb";
    WriteFile(archive, Archive(NewChunks()).substr(0, 20));
    CLongtimeImportWorld failing(world, ui, archive, false, kDefaultLanguage);
    failing.ExecuteHere(progress);
    EXPECT_FALSE(failing.Imported());
    // What it says and leaves behind is the direct import's, tested above.
    EXPECT_EQ(ui.Messages().size(), 1u);

    WriteFile(archive, Archive(NewChunks()));
    CLongtimeImportWorld working(world, ui, archive, false, kDefaultLanguage);
    working.ExecuteHere(progress);
    EXPECT_TRUE(working.Imported());
    EXPECT_EQ(ReadFile(db / CountryFile(6)), "new6");
}

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

using Kind = CScriptedUserInterface::Message::Kind;

std::vector<std::uint8_t> Bytes(const fs::path& path) {
    const std::string text = test::ReadFile(path);
    return {text.begin(), text.end()};
}

std::string Text(int id) {
    return std::string(ResourceString(id));
}

// A small world built through the model: no country reaches 10 clubs.
TEST(MasterExport, NoCompleteCountryWritesNothingAndSaysSoAndPathsFollowTheMode) {
    test::TempDir install;
    CWorld world(install.Path());
    world.InitialiseCountries();
    for (int i = 0; i < 5; ++i) {
        world.Country(3).CreateClub();
    }
    SMasterRequest request;
    request.output = install / "Master.dat";
    request.sideFolder = install.Path();
    CScriptedUserInterface ui;
    CRecordingProgress progress;
    EXPECT_EQ(BuildMasterFile(world, request, progress, ui), EMasterResult::kNoCompleteCountry);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].kind, Kind::ErrorList);
    EXPECT_EQ(ui.Messages()[0].text, Text(ids::kErrorOccurred));
    EXPECT_EQ(ui.Messages()[0].lines,
              std::vector<std::string>{"Kein Land ist korrekt initialisiert!"});
    EXPECT_FALSE(fs::exists(request.output));

    // In batch mode the console gets the line instead.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> console(std::tmpfile(), &std::fclose);
    request.batch = true;
    request.console = console.get();
    EXPECT_EQ(BuildMasterFile(world, request, progress, ui), EMasterResult::kNoCompleteCountry);
    std::rewind(console.get());
    char line[64] = {};
    ASSERT_NE(std::fgets(line, sizeof line, console.get()), nullptr);
    EXPECT_STREQ(line, "No completed countries\n");
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_FALSE(fs::exists(request.output));
    // Master file paths follow the mode and the language.
    EXPECT_EQ(MasterFilePath("/inst", "/db", 1, false, 1), fs::path("/inst/database/Master.dat"));
    EXPECT_EQ(MasterFilePath("/inst", "/db", 1, true, 1), fs::path("/db/Master1.dat"));
    EXPECT_EQ(MasterFilePath("/inst", "/db", 1, true, 0), fs::path("/db/Master.dat"));
}

// Whole worlds come from the small demo installation, generated once.
class MasterDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_install = std::make_unique<test::TempDir>();
        CSilentProgress progress;
        ASSERT_TRUE(
            demo::GenerateDemoInstallation(s_install->Path(), demo::EDemoScale::kSmall, 1, progress)
                .ok);
    }
    static void TearDownTestSuite() { s_install.reset(); }

    void SetUp() override {
        world = std::make_unique<CWorld>(s_install->Path());
        world->InitialiseCountries();
        CSilentProgress progress;
        world->Load(s_install->Path() / "database", progress);
    }
    EMasterResult Build(std::uint32_t options, const fs::path& output, bool batch = true,
                        CFileFaults* faults = nullptr) {
        SMasterRequest request;
        request.language = 1;
        request.batch = batch;
        request.options = options;
        request.output = output;
        request.sideFolder = out.Path();
        request.write.faults = faults;
        return BuildMasterFile(*world, request, progress, ui);
    }

    static inline std::unique_ptr<test::TempDir> s_install;
    test::TempDir out;
    std::unique_ptr<CWorld> world;
    CScriptedUserInterface ui;
    CRecordingProgress progress;
};

TEST_F(MasterDemo, TheReaderAcceptsTheFileASecondBuildIsIdenticalAndEveryCountryIsSummed) {
    ASSERT_EQ(Build(0, out / "a.dat"), EMasterResult::kWritten);
    const auto first = Bytes(out / "a.dat");
    const SMasterFileReport report = VerifyMasterFile(first, 0);
    EXPECT_TRUE(report.Ok()) << report.error;
    EXPECT_GT(report.completeCountries, 0);
    EXPECT_EQ(progress.maximum, 621);
    EXPECT_TRUE(ui.Messages().empty());
    // Every round of every cup format has its record.
    int rounds = 0;
    for (int number = 1; number < world->CupFormats().SlotCount(); ++number) {
        if (const CCupFormat* format = world->CupFormats().Format(number)) {
            rounds += format->RoundCount();
        }
    }
    EXPECT_GT(rounds, 0);
    EXPECT_EQ(report.cupRounds, rounds);

    SetUp();
    ASSERT_EQ(Build(0, out / "b.dat"), EMasterResult::kWritten);
    EXPECT_EQ(Bytes(out / "b.dat"), first);

    // A broken frame: a byte short, or another leading size.
    auto bytes = first;
    bytes.pop_back();
    EXPECT_FALSE(VerifyMasterFile(bytes, 0).Ok());
    bytes = first;
    bytes[0] ^= 1;
    EXPECT_FALSE(VerifyMasterFile(bytes, 0).Ok());

    // One language drops languages and offset fields.
    ASSERT_EQ(Build(1, out / "one.dat"), EMasterResult::kWritten);
    const auto one = Bytes(out / "one.dat");
    EXPECT_LT(one.size(), first.size());
    const SMasterFileReport oneReport = VerifyMasterFile(one, 1);
    EXPECT_TRUE(oneReport.Ok()) << oneReport.error;
    EXPECT_FALSE(VerifyMasterFile(one, 0).Ok());

    // An incomplete country still has its summary.
    std::size_t pos = 4;
    const auto text = [&] {
        const std::string value(reinterpret_cast<const char*>(&first[pos]));
        pos += value.size() + 1;
        return value;
    };
    int incomplete = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world->Country(number);
        const std::uint8_t leagues = first[pos++];
        for (int language = 0; language < kLanguageCount; ++language) {
            EXPECT_EQ(text(), country.Name(language));
        }
        const int levels = first[pos++];
        EXPECT_EQ(levels, country.LevelTable().UsedLevels());
        for (int i = 0; i < levels * kLanguageCount; ++i) {
            text();
        }
        if (!country.IsComplete()) {
            EXPECT_EQ(leagues, 0) << number;
            ++incomplete;
        } else {
            EXPECT_GT(leagues, 0) << number;
            pos += 32;
        }
        EXPECT_EQ(std::vector<std::uint8_t>(first.begin() + pos, first.begin() + pos + 4),
                  std::vector<std::uint8_t>(4, 0));
        pos += 4;
    }
    EXPECT_GT(incomplete, 0);
}

TEST_F(MasterDemo, SideOutputsGetEveryLineTwice) {
    ASSERT_EQ(Build(0x4 | 0x10 | 0x80000000, out / "a.dat"), EMasterResult::kWritten);
    for (const char* name : {"badges.txt", "stadium.txt", "MappingTeamIDs.txt"}) {
        const std::string content = test::ReadFile(out / name);
        ASSERT_FALSE(content.empty()) << name;
        ASSERT_EQ(content.size() % 2, 0u) << name;
        EXPECT_EQ(content.substr(0, content.size() / 2), content.substr(content.size() / 2))
            << name;
    }
    EXPECT_NE(test::ReadFile(out / "stadium.txt").find("Nationalmannschaftsstadion"),
              std::string::npos);
}

TEST_F(MasterDemo, AFailedWriteKeepsTheOldFileAndIsNotCalledSaved) {
    test::WriteFile(out / "a.dat", "old");
    CFileFaults faults(FailFromCallNumber(1, EFileCall::kWrite));
    ui.QueueAnswer(true);
    EXPECT_EQ(Build(0, out / "a.dat", false, &faults), EMasterResult::kWriteFailed);
    EXPECT_EQ(test::ReadFile(out / "a.dat"), "old");
    EXPECT_EQ(ui.Texts(Kind::Error), std::vector<std::string>{Text(ids::kSaveFailed)});
    EXPECT_TRUE(ui.Texts(Kind::Information).empty());

    // Declining the list of complete countries writes nothing either.
    EXPECT_EQ(Build(0, out / "a.dat", false), EMasterResult::kNotConfirmed);
    EXPECT_EQ(test::ReadFile(out / "a.dat"), "old");
    ui.QueueAnswer(true);
    EXPECT_EQ(Build(0, out / "a.dat", false), EMasterResult::kWritten);
    EXPECT_EQ(ui.Texts(Kind::Information), std::vector<std::string>{Text(ids::kDatabaseSaved)});
}

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

TEST(BinaryWriter, BothPassesMustAgreeAndValuesAreLittleEndian) {
    CBinaryWriter out;
    WriteSample(out);
    EXPECT_EQ(out.RunningSize(), 1u + 2 + 4 + 3 + 4 + 2);
    SCollector file;
    ASSERT_TRUE(out.BeginWriting(file.Sink()));
    WriteSample(out);
    ASSERT_TRUE(out.FinishWriting());
    const std::vector<std::uint8_t> expected = {1, 2, 3, 4, 5, 6, 7, 'a', 'b', 0, 2, 0, 0, 0, 9, 8};
    EXPECT_EQ(file.bytes, expected);

    // A writing pass longer than the count fails without overrun; a shorter one is no file.
    for (const bool longer : {true, false}) {
        CBinaryWriter counted;
        counted.U32(0);
        SCollector collector;
        ASSERT_TRUE(counted.BeginWriting(collector.Sink()));
        counted.U16(1);
        if (longer) {
            counted.U32(2);  // two bytes more than counted
            EXPECT_EQ(counted.Position(), 2u);
            EXPECT_LE(collector.bytes.size(), 4u);
        }
        EXPECT_EQ(counted.Failed(), longer);
        EXPECT_FALSE(counted.FinishWriting());
    }
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

TEST(NamePools, APoolWithOnlyTheSpaceKeepsItsCountAndNameFilesAreRead) {
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
    // Name files keep spaces, cut long lines and skip empty ones.
    CNamePools loaded;
    loaded.ResetWeightedGroups();
    loaded.LoadNameFile(kMaleFirst,
                        "Anton\r\n\r\n%3\n  Jean  Luc\n"
                        "Abcdefghijklmnopqrstuvwxyz0123456789\n%200\nLost\n");
    EXPECT_EQ(loaded.Pool(0, kMaleFirst).names, (std::vector<std::string>{" ", "Anton"}));
    EXPECT_EQ(loaded.Pool(0, kMaleFirst).fileCount, 2u);
    const auto& group3 = loaded.Pool(3, kMaleFirst);
    ASSERT_EQ(group3.names.size(), 3u);
    EXPECT_EQ(group3.names[1], "  Jean  Luc");
    EXPECT_EQ(group3.names[2], "Abcdefghijklmnopqrstuvwxyz01234");
    EXPECT_EQ(group3.fileCount, 3u);
    // Lookups compare exactly and count uses; the empty name is 0 and never stored.
    EXPECT_EQ(loaded.Add(3, kMaleFirst, "  Jean  Luc"), 1);
    EXPECT_EQ(loaded.Add(3, kMaleFirst, "jean luc"), 3);
    EXPECT_EQ(loaded.Add(3, kMaleFirst, ""), 0);
    EXPECT_EQ(group3.counts, (std::vector<std::uint32_t>{1, 2, 1, 1}));
}

TEST(NamePools, WeightsOfFileNamesAddUpTo16534AndZerosAreRaisedWhileShort) {
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
    // Zero weights are raised only while the sum is short.
    CNamePools raised;
    raised.ResetWeightedGroups();
    std::string file;
    for (int i = 0; i < 20; ++i) {
        file += "N" + std::to_string(i) + "\n";
    }
    raised.LoadNameFile(kFemaleFirst, file);
    for (int i = 0; i < 100000; ++i) {
        raised.Add(0, kFemaleFirst, "N0");
    }
    raised.FinaliseWeights();
    // 100001 of 100020 uses: N0 floors to 16530, the 19 others to 0; the first four of those get
    // 1 and the sum is reached, so the rest stay 0.
    const auto& counts = raised.Pool(0, kFemaleFirst).counts;
    EXPECT_EQ(counts[1], 16530u);
    EXPECT_EQ(std::vector<std::uint32_t>(counts.begin() + 2, counts.begin() + 7),
              (std::vector<std::uint32_t>{1, 1, 1, 1, 0}));
    EXPECT_EQ(std::accumulate(counts.begin() + 1, counts.end(), 0u), CNamePools::kWeightTotal);
}

using Json = nlohmann::ordered_json;

// Every Windows-1252 byte but NUL, and what JSON must escape.
std::string AwkwardCp1252() {
    std::string text = "\"quoted\" back\\slash\ttab\nline\rreturn\bbell\f";
    for (int byte = 1; byte < 256; ++byte) {
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

void WriteEveryShape(CJsonWriter& w) {
    w.BeginObject();
    w.Key("empty object");
    w.BeginObject();
    w.EndObject();
    w.Key("empty array");
    w.BeginArray();
    w.EndArray();
    w.Key("nested");
    w.BeginArray();
    w.BeginArray();
    w.EndArray();
    w.BeginObject();
    w.Member("one", 1);
    w.EndObject();
    w.NumberList(std::int8_t{-128}, std::uint8_t{255}, std::int16_t{-1});
    w.EndArray();
    w.Member("smallest", std::numeric_limits<std::int64_t>::min());
    w.Member("largest", std::numeric_limits<std::uint64_t>::max());
    w.Member("zero", 0u);
    w.Key("flags");
    w.BeginArray();
    w.Bool(true);
    w.Bool(false);
    w.Null();
    w.EndArray();
    w.Key("utf8 \"key\"");
    w.String("\xC3\xA4\xE2\x82\xAC \x01\x1F\x7F \"\\");
    w.Key("cp1252");
    w.Cp1252String(AwkwardCp1252());
    w.EndObject();
}

Json EveryShape() {
    Json json;
    json["empty object"] = Json::object();
    json["empty array"] = Json::array();
    json["nested"] = Json{Json::array(), Json{{"one", 1}},
                          Json{std::int8_t{-128}, std::uint8_t{255}, std::int16_t{-1}}};
    json["smallest"] = std::numeric_limits<std::int64_t>::min();
    json["largest"] = std::numeric_limits<std::uint64_t>::max();
    json["zero"] = 0u;
    json["flags"] = Json{true, false, nullptr};
    json["utf8 \"key\""] = "\xC3\xA4\xE2\x82\xAC \x01\x1F\x7F \"\\";
    json["cp1252"] = Cp1252ToUtf8(AwkwardCp1252());
    return json;
}

TEST(JsonWriter, WritesWhatTheLibraryDumpsInEveryLayoutAndTopLevelValues) {
    for (const int indent : {-1, 0, 2, 4}) {
        CJsonWriter writer(indent);
        WriteEveryShape(writer);
        EXPECT_EQ(writer.Take(), EveryShape().dump(indent)) << "indent " << indent;
    }
    // Top-level values, and a writer reused after Take.
    CJsonWriter reused(2);
    reused.BeginArray();
    reused.EndArray();
    EXPECT_EQ(reused.Take(), "[]");
    reused.String("alone");
    EXPECT_EQ(reused.Take(), "\"alone\"");
    reused.Number(-7);
    EXPECT_EQ(reused.Take(), "-7");
}

// A whole database, its texts made awkward: the dump parses, the library gives it back byte for
// byte in both layouts, and both layouts carry the same values.
TEST(WorldDumpText, IsTheLibrarysTextOfTheSameValuesInBothLayouts) {
    const std::unique_ptr<CWorld> world = test::LoadSmallDemo();
    const CClub& club = *world->Country(kDefaultCountry).Clubs().begin()->second;
    CPlayer& player = *world->Person(club.PersonIds().front());
    player.SetNote(AwkwardCp1252());
    player.SetSurname("M\xFCller \"der \\ Zweite\"");

    const std::string indented = DumpWorldJson(*world);
    const std::string compact = DumpWorldJson(*world, 0, EDumpLayout::Compact);
    const Json parsed = Json::parse(indented);
    EXPECT_EQ(indented, parsed.dump(2) + "\n");
    EXPECT_EQ(compact, parsed.dump() + "\n");
    EXPECT_NE(indented.find(Json(Cp1252ToUtf8(AwkwardCp1252())).dump()), std::string::npos);

    std::string countries;
    const CRecordDump parts(*world);
    for (int number = 1; number <= kCountryCount; ++number) {
        const Json one = Json::parse(parts.CountryPart(number, EDumpLayout::Compact));
        ASSERT_EQ(one["countries"].size(), 1u);
        countries += one["countries"][0].dump() + ",";
    }
    countries.pop_back();
    const Json rest = Json::parse(DumpWithoutClubAndRulesJson(*world, EDumpLayout::Compact));
    EXPECT_EQ("{\"countries\":[" + countries + "]," + rest.dump().substr(1) + "\n", compact);
}

}  // namespace
}  // namespace kw
