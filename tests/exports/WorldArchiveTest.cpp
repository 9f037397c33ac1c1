#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "CountriesData.h"
#include "TempDir.h"
#include "TestWorld.h"
#include "app/LongtimeWorldOperations.h"
#include "exports/archive/ArchiveChunks.h"
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

}  // namespace
}  // namespace kw
