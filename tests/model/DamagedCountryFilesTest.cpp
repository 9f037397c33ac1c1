// Country files that exist but do not read whole: the load names them once, and until the user
// confirms, no save, save elsewhere or archive export replaces their bytes by the part in memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DemoInstallation.h"
#include "TempDir.h"
#include "exports/archive/ArchiveChunks.h"
#include "exports/archive/WorldArchive.h"
#include "model/World.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using Kind = CScriptedUserInterface::Message::Kind;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

constexpr int kEngland = 50;
constexpr int kGermany = 14;

std::string CountryFile(int number) {
    return "Country" + std::to_string(number) + ".sav";
}

bool HasCountryEnd(const std::string& text) {
    return text.find("%INDEXEND%COUNTRY\r\n") != std::string::npos;
}

// A copy of the small demo database in which the test damages files.
class DamagedCountryFiles : public ::testing::Test {
protected:
    DamagedCountryFiles() {
        fs::copy(test::SmallDemoDatabase(), database.Path(), fs::copy_options::recursive);
    }

    fs::path File(int number) const { return database / CountryFile(number); }
    std::string Original(int number) const {
        return ReadFile(test::SmallDemoDatabase() / CountryFile(number));
    }
    // The file with another first line: its country section cannot be found.
    std::string ReplaceFirstLine(int number) {
        std::string text = Original(number);
        text.replace(0, text.find('\n'), "%INDEX%COUNTRX\r");
        WriteFile(File(number), text);
        return text;
    }
    std::string Cut(int number, std::size_t length) {
        const std::string text = Original(number).substr(0, length);
        WriteFile(File(number), text);
        return text;
    }
    void Load() {
        world.InitialiseCountries();
        world.Load(database.Path(), progress, ui);
    }
    // England's first line replaced, Germany's file cut, loaded.
    void LoadTwoDamaged() {
        replaced = ReplaceFirstLine(kEngland);
        cut = Cut(kGermany, 300000);
        Load();
    }
    std::vector<std::string> Errors() const { return ui.Texts(Kind::Error); }

    TempDir database;
    CWorld world{test::SmallDemoInstallation()};
    CSilentProgress progress;
    CScriptedUserInterface ui;
    std::string replaced;
    std::string cut;
};

TEST_F(DamagedCountryFiles, WholeFilesAndMissingOnesAreNoDamage) {
    fs::remove(File(kEngland));
    Load();
    EXPECT_TRUE(world.DamagedCountries().empty());
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(world.Country(kEngland).ClubCount(), 0);
}

TEST_F(DamagedCountryFiles, CutFileKeepsWhatItHeldAndIsNamed) {
    const std::string original = Original(kEngland);
    Cut(kEngland, original.size() / 2);
    Load();
    EXPECT_EQ(world.DamagedCountries(), std::vector<int>{kEngland});
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("England"), std::string::npos);
    // Read as far as it goes: some of its clubs, not all.
    EXPECT_GT(world.Country(kEngland).ClubCount(), 0);
    CWorld whole(test::SmallDemoInstallation());
    whole.InitialiseCountries();
    whole.Load(test::SmallDemoDatabase(), progress);
    EXPECT_LT(world.Country(kEngland).ClubCount(), whole.Country(kEngland).ClubCount());
}

// Sizes the reader refuses count as unreadable; a sparse file costs no disk.
TEST_F(DamagedCountryFiles, UnreadableFileIsNamedAndLeftAlone) {
    const std::string original = Original(kEngland);
    fs::resize_file(File(kEngland), CKLFile::kMaxFileSize + 1);
    Load();
    EXPECT_EQ(world.DamagedCountries(), std::vector<int>{kEngland});
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(world.Save(progress, ui));
    EXPECT_EQ(fs::file_size(File(kEngland)), CKLFile::kMaxFileSize + 1);
}

TEST_F(DamagedCountryFiles, SeveralDamagedFilesShareOneMessage) {
    ReplaceFirstLine(kEngland);
    Cut(kGermany, 1000);
    Load();
    EXPECT_EQ(world.DamagedCountries(), (std::vector<int>{kGermany, kEngland}));
    ASSERT_EQ(ui.Messages().size(), 1u);
    const std::string text = Errors().at(0);
    EXPECT_NE(text.find("Deutschland (Country14.sav)"), std::string::npos) << text;
    EXPECT_NE(text.find("England (Country50.sav)"), std::string::npos) << text;
}

TEST_F(DamagedCountryFiles, SaveLeavesThemInPlaceAndWritesTheRest) {
    LoadTwoDamaged();
    const int other = 170;
    world.Country(other).SetName(0, "Anders");
    world.Country(other).Clubs().begin()->second->SetName(0, "Neuer Name");
    ASSERT_TRUE(world.Save(progress, ui));

    EXPECT_TRUE(ReadFile(File(kEngland)) == replaced);
    EXPECT_TRUE(ReadFile(File(kGermany)) == cut);
    EXPECT_NE(ReadFile(File(other)).find("Neuer Name"), std::string::npos);
    EXPECT_EQ(Errors().size(), 1u);  // the load's message only
}

TEST_F(DamagedCountryFiles, SaveIntoAnotherFolderCopiesTheirBytes) {
    LoadTwoDamaged();
    const TempDir elsewhere;
    world.SetDirectory(elsewhere.Path());
    ASSERT_TRUE(world.Save(progress, ui));
    EXPECT_TRUE(ReadFile(elsewhere / CountryFile(kEngland)) == replaced);
    EXPECT_TRUE(ReadFile(elsewhere / CountryFile(kGermany)) == cut);
    // The source folder is untouched and still what the copy came from.
    EXPECT_TRUE(ReadFile(File(kGermany)) == cut);
}

TEST_F(DamagedCountryFiles, ConfirmedCountriesAreWrittenFromMemory) {
    LoadTwoDamaged();
    world.ConfirmDamagedCountries({kGermany});
    EXPECT_EQ(world.DamagedCountries(), std::vector<int>{kEngland});
    ASSERT_TRUE(world.Save(progress, ui));
    EXPECT_TRUE(ReadFile(File(kEngland)) == replaced);
    const std::string written = ReadFile(File(kGermany));
    EXPECT_TRUE(HasCountryEnd(written));
    EXPECT_FALSE(written == cut);
}

TEST_F(DamagedCountryFiles, ArchiveExportCarriesTheirBytes) {
    LoadTwoDamaged();
    const TempDir documents;
    const TempDir output;
    const fs::path archive = output / "welt.tdb";
    ASSERT_TRUE(ExportWorld(world, archive, documents.Path(), progress, ui));
    EXPECT_EQ(world.Directory(), database.Path());

    CArchiveReader reader;
    ASSERT_TRUE(reader.Open(archive));
    int seen = 0;
    while (const auto chunk = reader.ReadChunk()) {
        if (chunk->tag != EChunkTag::Country) {
            continue;
        }
        const std::string payload(chunk->data.begin(), chunk->data.end());
        const int number = static_cast<unsigned char>(payload[0]);
        if (number == kEngland || number == kGermany) {
            ++seen;
            EXPECT_TRUE(payload.substr(4) == (number == kEngland ? replaced : cut)) << number;
        }
    }
    EXPECT_TRUE(reader.ReadToEnd());
    EXPECT_EQ(seen, 2);
}

TEST_F(DamagedCountryFiles, AFreshLoadForgetsTheMarks) {
    ReplaceFirstLine(kEngland);
    Load();
    ASSERT_EQ(world.DamagedCountries().size(), 1u);
    WriteFile(File(kEngland), Original(kEngland));
    Load();
    EXPECT_TRUE(world.DamagedCountries().empty());
    EXPECT_EQ(Errors().size(), 1u);
}

}  // namespace
}  // namespace kw
