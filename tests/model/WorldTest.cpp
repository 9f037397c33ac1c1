#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "competition/Competition.h"
#include "model/World.h"
#include "platform/FileFaults.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;
using Kind = CScriptedUserInterface::Message::Kind;

class World : public ::testing::Test {
protected:
    World() : world(install.Path()) {}

    void WriteCountriesList(std::string_view content) {
        WriteFile(install / "Database" / "Countries.sav", content);
    }

    TempDir install;
    CWorld world;
    CScriptedUserInterface ui;
    CRecordingProgress progress;
};

TEST_F(World, InitialiseCountriesNamesCountriesAndTheirNationalTeams) {
    WriteCountriesList("Albanien,Albania\nALB,ALB\n1\n2\n3\n0\nAndorra\nAND\n0\n0\n0\n0\n");
    ASSERT_TRUE(world.InitialiseCountries());
    EXPECT_TRUE(world.IsLoaded());
    EXPECT_EQ(world.Country(1).Name(1), "Albania");
    EXPECT_EQ(world.Country(2).Name(3), "Andorra");
    const CClub& team = world.Country(1).NationalTeam();
    EXPECT_EQ(team.Id(), MakeClubId(1, kNationalTeamIndex));
    EXPECT_EQ(team.Names()[1].View(), "Albania");
    EXPECT_EQ(team.Abbreviations()[0].View(), "ALB");
    // Countries past the list's end exist, numbered, with a national team and an empty root.
    EXPECT_EQ(world.Country(206).Number(), 206);
    EXPECT_TRUE(world.Country(206).Name(0).empty());
    EXPECT_EQ(world.Country(206).Clubs().size(), 1u);
    EXPECT_NE(world.Competition(MakeCompetitionId(206, kRootType, 0)), nullptr);
}

TEST_F(World, MissingCountriesListLeavesCountriesNameless) {
    EXPECT_FALSE(world.InitialiseCountries());
    EXPECT_TRUE(world.IsLoaded());
    EXPECT_TRUE(world.Country(14).Name(0).empty());
    EXPECT_EQ(world.Country(14).Clubs().size(), 1u);
}

TEST_F(World, NationalTeamNamesAreCutToTheClubField) {
    WriteCountriesList(std::string(40, 'N') + "\nXYZ\n0\n0\n0\n0\n");
    world.InitialiseCountries();
    EXPECT_EQ(world.Country(1).NationalTeam().Names()[0].View().size(), 29u);
}

TEST_F(World, ClashingPersonIdsAreReplacedAndRemapped) {
    world.InitialiseCountries();
    world.CreatePerson(2, true);
    world.CreatePerson(3, true);
    // The third person's id is taken: it gets the smallest unused id from count + 1 upward.
    CPlayer& clash = world.CreatePerson(2, true);
    EXPECT_EQ(clash.Id(), 4u);
    EXPECT_EQ(world.IdRemap().at(2), 4u);
    EXPECT_EQ(world.IdRemap().at(3), 3u);
    EXPECT_EQ(world.Persons().size(), 3u);
    // Id 0 always takes a new id; the search starts at the count + 1 even though 1 is free.
    EXPECT_EQ(world.CreatePerson(0, true).Id(), 5u);
    EXPECT_EQ(world.IdRemap().at(0), 5u);
    EXPECT_EQ(world.NextFreePersonId(), 6u);
}

TEST_F(World, PersonIdsAreUniqueEvenWhenKept) {
    world.InitialiseCountries();
    world.CreatePerson(7, false);
    CPlayer& second = world.CreatePerson(7, false);
    EXPECT_NE(second.Id(), 7u);
    EXPECT_EQ(world.Persons().size(), 2u);
    EXPECT_TRUE(world.IdRemap().empty());
    world.RemovePerson(7);
    EXPECT_EQ(world.Person(7), nullptr);
    EXPECT_NE(world.Person(second.Id()), nullptr);
}

TEST_F(World, SaveWritesEveryCountryAndLoadReadsThemBack) {
    world.InitialiseCountries();
    const TempDir database;
    world.SetDirectory(database.Path());
    ASSERT_TRUE(world.Save(progress, ui));
    EXPECT_TRUE(ui.Messages().empty());
    for (int number : {1, 14, 206}) {
        const std::string content =
            ReadFile(database / ("Country" + std::to_string(number) + ".sav"));
        EXPECT_EQ(content.rfind("%INDEX%COUNTRY\r\n%INDEX%VERSION\r\n537264132\r\n", 0), 0u);
    }
    EXPECT_EQ(progress.maximum, 207);
    EXPECT_EQ(progress.caption, ResourceString(ids::kSaveTitle));
    EXPECT_EQ(progress.positions.back(), 206);

    CWorld reloaded(install.Path());
    reloaded.InitialiseCountries();
    EXPECT_TRUE(reloaded.Load(database.Path(), progress));
    EXPECT_EQ(reloaded.CountryCount(), 206);
}

TEST_F(World, LoadFindsFilesInAnyLetterCase) {
    const TempDir database;
    WriteFile(database / "country5.sav",
              "%INDEX%COUNTRY\n%INDEX%VERSION\n537264132\n%INDEXEND%VERSION\n0\n"
              "%INDEXEND%COUNTRY\n");
    world.InitialiseCountries();
    world.Load(database.Path(), progress);
    EXPECT_EQ(world.CountryCount(), 1);
    // Saving replaces the file that was read instead of adding a second spelling beside it.
    world.Save(progress, ui);
    EXPECT_FALSE(fs::exists(database / "Country5.sav"));
    EXPECT_TRUE(fs::exists(database / "Country6.sav"));
}

TEST_F(World, FailedFileIsReportedOnceAndReplacesNoFile) {
    world.InitialiseCountries();
    const TempDir database;
    world.SetDirectory(database.Path());
    WriteFile(database / "Country7.sav", "previous good file");
    WriteFile(database / "Country200.sav", "previous good file");
    CFileFaults faults([](const SFileCall& call) {
        return call.kind == EFileCall::kWrite && call.path.filename() == "Country9.sav";
    });
    EXPECT_FALSE(world.Save(progress, ui, {.faults = &faults}));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].kind, Kind::Error);
    EXPECT_EQ(ui.Messages()[0].text, ResourceString(ids::kSaveFailed));
    // Neither the files before the failed one nor those after it replaced theirs, and no
    // temporary file is left.
    EXPECT_EQ(ReadFile(database / "Country7.sav"), "previous good file");
    EXPECT_EQ(ReadFile(database / "Country200.sav"), "previous good file");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(database.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 2);

    // Once the file can be written the same world saves completely.
    CScriptedUserInterface again;
    EXPECT_TRUE(world.Save(progress, again));
    EXPECT_TRUE(again.Messages().empty());
    EXPECT_NE(ReadFile(database / "Country7.sav"), "previous good file");
    EXPECT_TRUE(fs::exists(database / "Country9.sav"));
}

TEST_F(World, SaveIntoAMissingFolderFails) {
    world.InitialiseCountries();
    world.SetDirectory(install / "nowhere");
    EXPECT_FALSE(world.Save(progress, ui));
    EXPECT_EQ(ui.Texts(Kind::Error).size(), 1u);
}

TEST_F(World, CreateDatabaseDirectoryAsksBeforeReplacing) {
    const TempDir documents;
    ASSERT_TRUE(world.CreateDatabaseDirectory(documents.Path(), "Liga", "Erste", ui));
    EXPECT_EQ(world.Directory(), documents / "database" / "Liga");
    EXPECT_EQ(ReadFile(documents / "database/Liga/Database.txt"), "Erste");
    WriteFile(documents / "database/Liga/Country1.sav", "x");

    ui.QueueAnswer(false);
    EXPECT_FALSE(world.CreateDatabaseDirectory(documents.Path(), "Liga", "Zweite", ui));
    EXPECT_TRUE(fs::exists(documents / "database/Liga/Country1.sav"));
    ASSERT_EQ(ui.Texts(Kind::Question).size(), 1u);
    EXPECT_NE(ui.Texts(Kind::Question)[0].find("Liga existiert schon"), std::string::npos);

    ui.QueueAnswer(true);
    EXPECT_TRUE(world.CreateDatabaseDirectory(documents.Path(), "Liga", "Zweite", ui));
    EXPECT_FALSE(fs::exists(documents / "database/Liga/Country1.sav"));
    EXPECT_EQ(ReadFile(documents / "database/Liga/Database.txt"), "Zweite");
}

// Neither a name that climbs out of the databases folder nor a link under the name is replaced.
TEST_F(World, DatabaseNamesCannotLeaveTheDatabasesFolder) {
    const TempDir documents;
    const TempDir elsewhere;
    WriteFile(documents / "keep.txt", "x");
    WriteFile(elsewhere / "keep.txt", "x");
    fs::create_directories(documents / "database");
    fs::create_directory_symlink(elsewhere.Path(), documents / "database" / "Liga");
    ui.QueueAnswer(true);
    for (const char* name : {"..", "a/../..", ""}) {
        EXPECT_FALSE(world.CreateDatabaseDirectory(documents.Path(), name, "", ui)) << name;
    }
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_FALSE(world.CreateDatabaseDirectory(documents.Path(), "Liga", "", ui));
    EXPECT_TRUE(fs::exists(documents / "keep.txt"));
    EXPECT_TRUE(fs::exists(elsewhere / "keep.txt"));
}

TEST_F(World, DirectoryNameIsTheLastComponent) {
    world.SetDirectory("/home/user/Documents/database/meine liga");
    EXPECT_EQ(world.DirectoryName(), "meine liga");
    world.SetDirectory("C:\\Spiele\\KW06\\Database");
    EXPECT_EQ(world.DirectoryName(), "Database");
    world.SetDirectory("/data/db/");
    EXPECT_EQ(world.DirectoryName(), "db");
    EXPECT_EQ(world.BadgeDirectory(), fs::path("/data/db/") / "Badge");
}

TEST(RecordVersion, MissingSectionIsOneAndOldMajorsTakeTheirLastMinor) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory("%INDEX%X\n5\n%INDEXEND%X\n"));
    EXPECT_EQ(ReadVersionSection(file), 1u);
    ASSERT_TRUE(file.OpenForReadFromMemory("%INDEX%VERSION\n537198596\n%INDEXEND%VERSION\n"));
    EXPECT_EQ(ReadVersionSection(file), MakeRecordVersion(8197, 0xFFFF));
    // The file carries what it read for the readers after it; opening anew forgets it.
    EXPECT_EQ(file.RecordVersion(), MakeRecordVersion(8197, 0xFFFF));
    ASSERT_TRUE(file.OpenForReadFromMemory("%INDEX%VERSION\n537264131\n%INDEXEND%VERSION\n7\n"));
    EXPECT_EQ(ReadVersionSection(file), MakeRecordVersion(8198, 3));
    std::int32_t next = 0;
    EXPECT_TRUE(file.ReadNumber(next));
    EXPECT_EQ(next, 7);
}

}  // namespace
}  // namespace kw
