#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <random>
#include "CountriesData.h"
#include "TempDir.h"
#include "TestWorld.h"
#include "app/LongtimeWorldOperations.h"
#include "exports/archive/ArchiveChunks.h"
#include "exports/archive/ChunkPacker.h"
#include "exports/archive/WorldArchive.h"
#include "model/Club.h"
#include "model/World.h"
#include "platform/Environment.h"
#include "platform/FileFaults.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"
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

}  // namespace
}  // namespace kw
