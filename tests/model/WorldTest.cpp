#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CountriesTestSupport.h"
#include "DemoInstallation.h"
#include "KLText.h"
#include "TempDir.h"
#include "competition/Competition.h"
#include "competition/Pool.h"
#include "exports/WorldDump.h"
#include "exports/archive/ArchiveChunks.h"
#include "exports/archive/WorldArchive.h"
#include "model/CountriesList.h"
#include "model/DatabaseName.h"
#include "model/Date.h"
#include "model/PersonNames.h"
#include "model/Rules.h"
#include "model/World.h"
#include "platform/AtomicFileBatch.h"
#include "platform/FileFaults.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
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

    TempDir install;
    CWorld world;
    CScriptedUserInterface ui;
    CRecordingProgress progress;
};

TEST_F(World, InitialiseCountriesNamesCountriesAndNationalTeamsAndPersonIdsAreUnique) {
    // Without a countries list the countries stay nameless.
    EXPECT_FALSE(world.InitialiseCountries());
    EXPECT_TRUE(world.IsLoaded());
    EXPECT_TRUE(world.Country(14).Name(0).empty());
    EXPECT_EQ(world.Country(14).Clubs().size(), 1u);

    WriteFile(install / "Database" / "Countries.sav",
              "Albanien,Albania\nALB,ALB\n1\n2\n3\n0\nAndorra\nAND\n0\n0\n0\n0\n" +
                  std::string(40, 'N') + "\nXYZ\n0\n0\n0\n0\n");
    ASSERT_TRUE(world.InitialiseCountries());
    EXPECT_TRUE(world.IsLoaded());
    EXPECT_EQ(world.Country(1).Name(1), "Albania");
    EXPECT_EQ(world.Country(2).Name(3), "Andorra");
    const CClub& team = world.Country(1).NationalTeam();
    EXPECT_EQ(std::tuple(team.Id(), team.Names()[1].View(), team.Abbreviations()[0].View()),
              std::tuple(MakeClubId(1, kNationalTeamIndex), "Albania", "ALB"));
    // National team names are cut to the club field.
    EXPECT_EQ(world.Country(3).NationalTeam().Names()[0].View().size(), 29u);
    // Countries past the list's end exist, numbered, with a national team and an empty root.
    EXPECT_EQ(world.Country(206).Number(), 206);
    EXPECT_TRUE(world.Country(206).Name(0).empty());
    EXPECT_EQ(world.Country(206).Clubs().size(), 1u);
    EXPECT_NE(world.Competition(MakeCompetitionId(206, kRootType, 0)), nullptr);

    // Clashing person ids are replaced and remapped.
    world.CreatePerson(2, true);
    world.CreatePerson(3, true);
    // The third person's id is taken: it gets the smallest unused id from count + 1 upward.
    CPlayer& clash = world.CreatePerson(2, true);
    EXPECT_EQ(std::tuple(clash.Id(), world.IdRemap().at(2), world.IdRemap().at(3),
                         world.Persons().size()),
              std::tuple(4u, 4u, 3u, 3u));
    // Id 0 always takes a new id; the search starts at the count + 1 even though 1 is free.
    EXPECT_EQ(world.CreatePerson(0, true).Id(), 5u);
    EXPECT_EQ(world.IdRemap().at(0), 5u);
    EXPECT_EQ(world.NextFreePersonId(), 6u);

    // Ids are unique even when kept, and then not remapped.
    world.CreatePerson(7, false);
    CPlayer& second = world.CreatePerson(7, false);
    EXPECT_NE(second.Id(), 7u);
    EXPECT_EQ(std::tuple(world.Persons().size(), world.IdRemap().size()), std::tuple(6u, 3u));
    world.RemovePerson(7);
    EXPECT_EQ(world.Person(7), nullptr);
    EXPECT_NE(world.Person(second.Id()), nullptr);
}

TEST_F(World, LoadFindsFilesInAnyLetterCaseSaveWritesEveryCountryOrReplacesNone) {
    const TempDir database;
    WriteFile(database / "country5.sav",
              "%INDEX%COUNTRY\n%INDEX%VERSION\n537264132\n%INDEXEND%VERSION\n0\n"
              "%INDEXEND%COUNTRY\n");
    world.InitialiseCountries();
    world.Load(database.Path(), progress);
    EXPECT_EQ(world.CountryCount(), 1);
    ASSERT_TRUE(world.Save(progress, ui));
    // Saving replaces the file that was read instead of adding a second spelling beside it.
    EXPECT_FALSE(fs::exists(database / "Country5.sav"));
    EXPECT_TRUE(ui.Messages().empty());
    for (int number : {1, 14, 206}) {
        const std::string content =
            ReadFile(database / ("Country" + std::to_string(number) + ".sav"));
        EXPECT_EQ(content.rfind("%INDEX%COUNTRY\r\n%INDEX%VERSION\r\n537264132\r\n", 0), 0u);
    }
    EXPECT_EQ(std::tuple(progress.maximum, progress.caption, progress.positions.back()),
              std::tuple(207, ResourceString(ids::kSaveTitle), 206));

    CWorld reloaded(install.Path());
    reloaded.InitialiseCountries();
    EXPECT_TRUE(reloaded.Load(database.Path(), progress));
    EXPECT_EQ(reloaded.CountryCount(), 206);

    // A file that fails is reported once, and no file is replaced.
    WriteFile(database / "Country7.sav", "previous good file");
    WriteFile(database / "Country200.sav", "previous good file");
    fs::remove(database / "Country9.sav");
    const std::set<std::string> names = test::FileNames(database.Path());
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
    EXPECT_EQ(test::FileNames(database.Path()), names);

    // Once the file can be written the same world saves completely.
    CScriptedUserInterface again;
    EXPECT_TRUE(world.Save(progress, again));
    EXPECT_TRUE(again.Messages().empty());
    EXPECT_NE(ReadFile(database / "Country7.sav"), "previous good file");
    EXPECT_TRUE(fs::exists(database / "Country9.sav"));

    // Saving into a missing folder fails.
    world.SetDirectory(install / "nowhere");
    EXPECT_FALSE(world.Save(progress, again));
    EXPECT_EQ(again.Texts(Kind::Error).size(), 1u);
}

TEST_F(World, CreateDatabaseDirectoryAsksBeforeReplacingAndNamesTheDirectory) {
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

    // Neither a name that climbs out of the databases folder nor a link under the name is
    // replaced.
    const TempDir elsewhere;
    WriteFile(documents / "keep.txt", "x");
    WriteFile(elsewhere / "keep.txt", "x");
    fs::create_directory_symlink(elsewhere.Path(), documents / "database" / "Link");
    ui.QueueAnswer(true);
    const std::size_t asked = ui.Messages().size();
    for (const char* name : {"..", "a/../..", ""}) {
        EXPECT_FALSE(world.CreateDatabaseDirectory(documents.Path(), name, "", ui)) << name;
    }
    EXPECT_EQ(ui.Messages().size(), asked);
    EXPECT_FALSE(world.CreateDatabaseDirectory(documents.Path(), "Link", "", ui));
    EXPECT_TRUE(fs::exists(documents / "keep.txt"));
    EXPECT_TRUE(fs::exists(elsewhere / "keep.txt"));

    // The directory name is the last component of the path.
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

// Plain names are valid; names that are no folder of their own are refused.
TEST(DatabaseName, PlainNamesAreValidOthersRefusedAndOnlyDirectChildrenReplaced) {
    for (const std::string& name :
         std::vector<std::string>{"Meine Datenbank", "db2", "Saison 2006-07", "x.y", "\xE4nderung",
                                  "tempExport2", "a b"}) {
        EXPECT_TRUE(IsValidDatabaseName(name)) << name;
    }
    for (const std::string& name : std::vector<std::string>{
             "", ".", "..", "a/b", "a\\b", "a:b", "wer?", "*", "a<b", "a>b", "\"q\"", " lead",
             "trail ", "tempexport", "TEMPEXPORT", "tempExport", std::string("a\tb"),
             std::string("a\nb"), std::string("a\x7F")}) {
        EXPECT_FALSE(IsValidDatabaseName(name)) << name;
    }

    // Only direct children of the databases folder may be replaced.
    const test::TempDir temp;
    const fs::path databases = temp.Path() / "database";
    fs::create_directories(databases / "eins" / "innen");
    fs::create_directories(temp.Path() / "draussen");
    fs::create_directory_symlink(temp.Path() / "draussen", databases / "link");

    EXPECT_TRUE(IsDatabaseFolderOf(databases, databases / "eins"));
    EXPECT_TRUE(IsDatabaseFolderOf(databases, databases / "neu"));  // not made yet
    EXPECT_TRUE(IsDatabaseFolderOf(databases / ".", databases / "eins"));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases / "."));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases / ".."));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases / "eins" / "innen"));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases / "eins" / ".." / ".." / "draussen"));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases / "link"));
}

using Names = std::array<std::string, 5>;

// The first field names every language without its own; empty fields vanish as with a tokenizer;
// short codes keep three characters. Line 3 is A, line 6 is B: the continent byte is B * 8 + A.
TEST(CountriesList, NamesAttributesCrLfLinesHugeValuesCutRecordsAndAtMost206) {
    const auto entries = ParseCountriesList(
        "Deutschland,Germany\nDEU,GER\n1\n2\n3\n4\nA,,C,D\nLONG,AB,xyzw\n0\n0\n0\n0\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].names,
              (Names{"Deutschland", "Germany", "Deutschland", "Deutschland", "Deutschland"}));
    EXPECT_EQ(
        std::tuple(entries[0].shortNames, entries[1].names, entries[1].shortNames),
        std::tuple((Names{"DEU", "GER", "DEU", "DEU", "DEU"}), (Names{"A", "C", "D", "A", "A"}),
                   (Names{"LON", "AB", "xyz", "LON", "LON"})));
    EXPECT_EQ(
        std::tuple(entries[0].firstAttribute, entries[0].secondAttribute, entries[0].continentByte),
        std::tuple(2, 3, 4 * 8 + 1));

    // Values far outside a byte (found by the fuzzer: 0x55555555 * 8 overflowed) keep the low
    // byte of B * 8 + A, as small ones do.
    const auto huge = ParseCountriesList("N\nNNN\n3\n0\n0\n1431655765\n");
    ASSERT_EQ(huge.size(), 1u);
    EXPECT_EQ(huge[0].continentByte, 0xAB);  // 0x2AAAAAAA8 + 3

    const auto crlf = ParseCountriesList(
        "Albanien\r\nALB\r\n0\r\n1\r\n2\r\n0\r\nAndorra\r\nAND\r\n0\r\n1\r\n2\r\n0\r\n");
    ASSERT_EQ(crlf.size(), 2u);
    EXPECT_EQ(std::tuple(crlf[0].names[0], crlf[1].names[0], crlf[1].shortNames[0]),
              std::tuple("Albanien", "Andorra", "AND"));

    std::string content;
    for (int i = 0; i < 210; ++i) {
        content += "C" + std::to_string(i) + "\nCCC\n0\n0\n0\n0\n";
    }
    const auto many = ParseCountriesList(content);
    ASSERT_EQ(many.size(), 206u);
    EXPECT_EQ(many.back().names[0], "C205");

    // A cut record keeps what it has; long lines are cut.
    const auto cut = ParseCountriesList(std::string(1500, 'x') + "\nLLL\n4");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(std::tuple(cut[0].names[0].size(), cut[0].shortNames[0], cut[0].continentByte),
              std::tuple(998u, "LLL", 4));
}

TEST(PersonNames, ShortNamesTrimmedCleanedAndFoldedNames) {
    EXPECT_EQ(std::tuple(ShortName("Hans", "M\xFCller"), ShortName("\xC9mile", "Zola"),
                         ShortName("", "M\xFCller"), ShortName("Hans", ""), ShortName("", "")),
              std::tuple("M\xFCller, H.", "Zola, \xC9.", "M\xFCller", "Hans", ""));
    // Pool entries have no blank after the comma.
    EXPECT_EQ(PoolShortName("Hans", "M\xFCller"), "M\xFCller,H.");
    EXPECT_EQ(PoolShortName("", "M\xFCller"), "M\xFCller");

    // Trimming removes blanks at both ends only.
    EXPECT_EQ(std::tuple(TrimName("\xA0 Otto \xA0"), TrimName("Otto  von\240Bismarck"),
                         TrimName(" \xA0 ")),
              std::tuple("Otto", "Otto  von\240Bismarck", ""));
    // Player names lose line breaks, tabs and runs of blanks too.
    EXPECT_EQ(std::tuple(CleanPlayerName("  Hans \t  Peter\r\n"),
                         CleanPlayerName("\xA0\tJan\nvan   Wetering\t"), CleanPlayerName("\t\r\n"),
                         CleanPlayerName("Zelino")),
              std::tuple("Hans Peter", "Jan van Wetering", "", "Zelino"));

    // A folded name is written with its expansions and cut to the buffer.
    std::array<char, 32> buffer{};
    EXPECT_EQ(WriteFoldedName("Stra\337e M\xFCller", buffer.data(), buffer.size()), 14u);
    EXPECT_STREQ(buffer.data(), "Strasse Muller");

    buffer.fill('#');
    EXPECT_EQ(WriteFoldedName("Stra\337e", buffer.data(), 6), 5u);
    EXPECT_STREQ(buffer.data(), "Stras");
    EXPECT_EQ(buffer[6], '#');

    EXPECT_EQ(WriteFoldedName("abc", buffer.data(), 1), 0u);
    EXPECT_STREQ(buffer.data(), "");
    EXPECT_EQ(WriteFoldedName("abc", nullptr, 8), 0u);
    buffer[0] = '#';
    EXPECT_EQ(WriteFoldedName("abc", buffer.data(), 0), 0u);
    EXPECT_EQ(buffer[0], '#');
}

using test::Club;
using test::FileNames;
using test::kCountry;

class WorldFiles : public test::CountriesTest {
protected:
    void Save(CWorld& target, const TempDir& folder) {
        target.SetDirectory(folder.Path());
        ASSERT_TRUE(target.Save(progress, ui));
    }
    // A fresh world loaded from the folder.
    std::unique_ptr<CWorld> Loaded(const fs::path& folder) {
        auto loaded = std::make_unique<CWorld>(install.Path());
        Prepare(*loaded);
        EXPECT_TRUE(loaded->Load(folder, progress));
        return loaded;
    }

    CScriptedUserInterface ui;
    CRecordingProgress progress;
};

TEST_F(WorldFiles, HandMadeDatabaseSavesAgainByteForByteAndDumpsAlike) {
    const std::unique_ptr<CWorld> first = Loaded(test::FixtureDatabase());
    const TempDir once;
    Save(*first, once);
    const std::unique_ptr<CWorld> second = Loaded(once.Path());
    const TempDir twice;
    Save(*second, twice);

    const std::set<std::string> names = FileNames(once.Path());
    ASSERT_EQ(names, FileNames(twice.Path()));
    EXPECT_EQ(names.size(), 208u);  // 206 countries, "Rules.sav", "Without.sav"
    for (const std::string& name : names) {
        EXPECT_EQ(ReadFile(once / name), ReadFile(twice / name)) << name;
    }
    const std::string dump = DumpWorldJson(*first);
    EXPECT_EQ(dump, DumpWorldJson(*second));
    // Texts are UTF-8 in the dump.
    EXPECT_NE(dump.find("\"M\xC3\xB6ller\""), std::string::npos);
    const std::string altmark = DumpWorldJson(*first, 6);
    EXPECT_NE(altmark.find("Altstadt 04"), std::string::npos);
    EXPECT_EQ(altmark.find("Nordhafen"), std::string::npos);
    EXPECT_EQ(altmark.find("withoutClub"), std::string::npos);
}

TEST_F(WorldFiles, HandMadeDatabaseReadsAsItsLayoutsSay) {
    const std::unique_ptr<CWorld> loaded = Loaded(test::FixtureDatabase());
    const CWorld& w = *loaded;
    EXPECT_EQ(w.CountryCount(), 4);

    // Current layout: every section, the staff pool included.
    const CCountry& testland = w.Country(5);
    EXPECT_EQ(std::tuple(testland.ClubCount(), testland.Staff().size(), testland.Referees().size(),
                         testland.Stadiums().size(), testland.ManagerIds().size(),
                         testland.UsedPoolEntries()),
              std::tuple(3, 2u, 2u, 2u, 2u, 3));
    EXPECT_EQ(
        std::tuple(testland.Staff()[0].Surname().View(), testland.PlayerPool()[0].PreferredClub(),
                   testland.PlayerPool()[1].PreferredClub()),
        std::tuple("Griff", CPoolEntry::kCreateAClub, Club(2)));
    EXPECT_EQ(testland.PlayerPool()[2].TeamPart(), 0);  // its line is missing
    EXPECT_EQ(testland.Settings().averageStrength, 66);
    EXPECT_EQ(testland.Settings().notes,
              "Erste Zeile der Notizen.\r\nZweite Zeile.\r\n\r\nNach einer Leerzeile.");
    EXPECT_EQ(testland.Settings().nationalCoach.Surname().View(), "Bundes");
    EXPECT_EQ(testland.LevelNames(0)[0].View(), "Oberliga");
    const CClub& harbour = *testland.Club(Club(1));
    EXPECT_EQ(std::tuple(harbour.Rivals()[1], w.Person(101)->StageName().View(),
                         w.Person(102)->Surname().View()),
              std::tuple(Club(3) | kSecondTeamFlag, ";Jonny", "\"Der Turm\" Tauber"));
    // Years of the game's own time stay as they are, whatever the clock says.
    EXPECT_EQ(std::tuple(w.Person(101)->ClubSince(), w.Person(101)->ContractUntil()),
              std::tuple(2001, 2009));

    // Clashing person ids: the later persons got the smallest free ids from the count + 1.
    ASSERT_EQ(testland.Club(Club(3))->PersonIds().size(), 1u);
    EXPECT_EQ(std::tuple(testland.Club(Club(3))->PersonIds()[0], w.Person(4)->Surname().View(),
                         w.Person(101)->Surname().View()),
              std::tuple(4u, "Berg", "M\xF6ller"));
    EXPECT_EQ(w.Country(8).Club(MakeClubId(8, 1))->PersonIds(),
              (std::vector<std::uint32_t>{6, 8, 9}));

    // Major 8197: a third of the strength, level pools made from the leagues.
    const CCountry& altmark = w.Country(6);
    EXPECT_EQ(std::tuple(altmark.Settings().averageStrength, altmark.Settings().optionValue,
                         altmark.Settings().settings4[3], altmark.Settings().relegated[1]),
              std::tuple(60, 0, 11, 1));
    const auto poolTeams = [&w](int level) {
        const auto* pool =
            dynamic_cast<const CDBPool*>(w.Competition(MakeCompetitionId(6, kPoolType, level)));
        return pool != nullptr ? pool->Teams() : std::vector<std::uint32_t>{};
    };
    EXPECT_EQ(poolTeams(0),
              (std::vector<std::uint32_t>{MakeClubId(6, 1), MakeClubId(6, 2), MakeClubId(6, 4)}));
    EXPECT_EQ(poolTeams(1),
              (std::vector<std::uint32_t>{MakeClubId(6, 3), MakeClubId(6, 1) | kSecondTeamFlag}));
    EXPECT_EQ(altmark.Club(MakeClubId(6, 1))->BadgePath().View(), "color\\badge\\bl_256.tga");

    // Major 8196: 40 is out of range once tripled; the stray MANAGER is no further manager.
    const CCountry& uraltland = w.Country(7);
    EXPECT_EQ(std::tuple(uraltland.Settings().averageStrength, uraltland.Settings().optionFlags,
                         uraltland.Settings().optionValue, uraltland.PlayerPool()[0].TeamPart()),
              std::tuple(100, 4, 5, 3));
    EXPECT_EQ(uraltland.Settings().nationalCoach.FirstName().View(), "Ulf");
    ASSERT_EQ(uraltland.ManagerIds().size(), 1u);
    EXPECT_EQ(w.Manager(uraltland.ManagerIds()[0])->FirstName().View(), "Uwe");
    EXPECT_EQ(uraltland.Settings().notes, "Alte Notiz");

    // The players without club, under new ids after every other person.
    ASSERT_EQ(w.WithoutClub().Count(), 2);
    EXPECT_EQ(w.WithoutClub().At(0)->Surname().View(), "%Prozent");
    EXPECT_EQ(w.WithoutClub().Ids(), (std::vector<std::uint32_t>{10, 11}));
}

// The rules for such texts are the KL file's (tests/storage); here a saved database shows that the
// records of a country file follow them.
TEST_F(WorldFiles, UnusualNamesAndLongNotesLeaveTheOtherRecordsIntact) {
    AddClubs({1, 2, 3});
    const std::string longNote(5000, 'n');
    CClub& odd = *Country().Club(Club(2));
    odd.SetName(0, "%Prozent \"Zitat\"");
    odd.SetNote(longNote);
    odd.SetFansName("%Fans");
    odd.SetMascot(";Kommentar");
    CPlayer& oddPlayer = AddPlayer(odd);
    oddPlayer.SetSurname("%Quote\"s");
    oddPlayer.SetFirstName("\"Bob\"");
    oddPlayer.SetNote(longNote);
    for (const std::uint16_t index : {1, 3}) {
        CClub& club = *Country().Club(Club(index));
        club.SetName(0, "Normal " + std::to_string(index));
        club.SetNote("Kurz");
        AddPlayer(club).SetSurname("Spieler " + std::to_string(index));
    }
    Country().Settings().newspaper = "%Blatt";
    Country().Settings().averageStrength = 55;

    const TempDir folder;
    Save(world, folder);
    const std::unique_ptr<CWorld> loaded = Loaded(folder.Path());
    const CCountry& country = loaded->Country(kCountry);
    ASSERT_EQ(country.ClubCount(), 3);
    const CClub& read = *country.Club(Club(2));
    // A quote inside a quoted list becomes an apostrophe; lines keep their first 1023 bytes.
    EXPECT_EQ(std::tuple(read.Name(0), read.FansName().View(), read.Mascot().View(), read.Note()),
              std::tuple("%Prozent 'Zitat'", "%Fans", ";Kommentar",
                         longNote.substr(0, CKLFile::kMaxLine)));
    ASSERT_EQ(read.PersonIds().size(), 1u);
    const CPlayer& readPlayer = *loaded->Person(read.PersonIds()[0]);
    EXPECT_EQ(
        std::tuple(readPlayer.Surname().View(), readPlayer.FirstName().View(), readPlayer.Note()),
        std::tuple("%Quote\"s", "\"Bob\"", longNote.substr(0, CKLFile::kMaxLine)));
    for (const std::uint16_t index : {1, 3}) {
        const CClub& club = *country.Club(Club(index));
        EXPECT_EQ(club.Name(0), "Normal " + std::to_string(index));
        EXPECT_EQ(club.Note(), "Kurz");
        ASSERT_EQ(club.PersonIds().size(), 1u);
        EXPECT_EQ(loaded->Person(club.PersonIds()[0])->Surname().View(),
                  "Spieler " + std::to_string(index));
    }
    EXPECT_EQ(std::tuple(country.Settings().newspaper, country.Settings().averageStrength),
              std::tuple("%Blatt", 55));
}

// --- players without club

// An empty list is written with count zero.
TEST_F(WorldFiles, PlayersWithoutClubGetFreshIdsAndLeaveClubPlayersAlone) {
    const TempDir empty;
    ASSERT_TRUE(world.WithoutClub().Save(empty.Path()));
    EXPECT_EQ(ReadFile(empty / "Without.sav"), "%INDEX%WITHOUT\r\n0\r\n%INDEXEND%WITHOUT\r\n");
    EXPECT_EQ(Loaded(empty.Path())->WithoutClub().Count(), 0);

    AddClubs({1});
    CPlayer& clubPlayer = AddPlayer(*Country().Club(Club(1)));
    clubPlayer.SetSurname("Verein");
    CPlayer& free = world.CreatePerson(0, false);
    free.SetSurname("Frei");
    world.WithoutClub().Append(free);
    ASSERT_EQ(free.Id(), 2u);

    // The club player is saved with the id the player without club has now.
    const TempDir folder;
    std::string text = WrittenCountry();
    const std::string idLine = "\r\n1\r\n%INDEX%PLAYER";
    text.replace(text.find(idLine), idLine.size(), "\r\n2\r\n%INDEX%PLAYER");
    test::WriteFile(folder / "Country5.sav", text);
    ASSERT_TRUE(world.WithoutClub().Save(folder.Path()));

    const std::unique_ptr<CWorld> loaded = Loaded(folder.Path());
    EXPECT_EQ(loaded->Person(2)->Surname().View(), "Verein");
    ASSERT_EQ(loaded->WithoutClub().Count(), 1);
    EXPECT_EQ(
        std::tuple(loaded->WithoutClub().Ids()[0], loaded->WithoutClub().At(0)->Surname().View(),
                   loaded->WithoutClub().At(1)),
        std::tuple(3u, "Frei", nullptr));
}

TEST_F(WorldFiles, PersonsMoveBetweenClubsAndTheListWithoutClub) {
    AddClubs({1, 2});
    CClub& club = *Country().Club(Club(1));
    const std::uint32_t kept = AddPlayer(club).Id();
    const std::uint32_t deleted = AddPlayer(club).Id();

    RemovePersonFromClub(world, club, deleted, EPersonRemoval::kDelete);
    EXPECT_EQ(world.Person(deleted), nullptr);
    RemovePersonFromClub(world, club, kept, EPersonRemoval::kWithoutClub);
    EXPECT_TRUE(club.PersonIds().empty());
    EXPECT_EQ(world.WithoutClub().Ids(), std::vector<std::uint32_t>{kept});

    CClub& other = *Country().Club(Club(2));
    EXPECT_FALSE(MoveWithoutClubToClub(world, deleted, other));
    ASSERT_TRUE(MoveWithoutClubToClub(world, kept, other));
    EXPECT_EQ(other.PersonIds(), std::vector<std::uint32_t>{kept});
    EXPECT_EQ(world.WithoutClub().Count(), 0);

    RemovePersonFromClub(world, other, kept, EPersonRemoval::kWithoutClub);
    DeleteWithoutClub(world, kept);
    EXPECT_EQ(world.Person(kept), nullptr);
    EXPECT_EQ(world.WithoutClub().Count(), 0);
}

// Country files that exist but do not read whole: the load names them once, and until the user
// confirms, no save, save elsewhere or archive export replaces their bytes by the part in memory.

constexpr int kDemoEngland = 50;
constexpr int kDemoGermany = 14;

std::string CountryFile(int number) {
    return "Country" + std::to_string(number) + ".sav";
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
    std::vector<std::string> Errors() const { return ui.Texts(Kind::Error); }

    TempDir database;
    CWorld world{test::SmallDemoInstallation()};
    CSilentProgress progress;
    CScriptedUserInterface ui;
};

// A missing file is no damage; a fresh load forgets the marks of the one before.
TEST_F(DamagedCountryFiles, MissingFilesAreNoDamageCutAndUnreadableOnesAreNamedAndLeftAlone) {
    fs::remove(File(kDemoEngland));
    Load();
    EXPECT_TRUE(world.DamagedCountries().empty());
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(world.Country(kDemoEngland).ClubCount(), 0);

    ReplaceFirstLine(kDemoEngland);
    Load();
    ASSERT_EQ(world.DamagedCountries(), std::vector<int>{kDemoEngland});
    WriteFile(File(kDemoEngland), Original(kDemoEngland));
    Load();
    EXPECT_TRUE(world.DamagedCountries().empty());
    EXPECT_EQ(Errors().size(), 1u);

    // A cut file keeps what it held; sizes the reader refuses count as unreadable (a sparse file
    // costs no disk). Both are named, and a save leaves them alone.
    const std::string text = Cut(kDemoEngland, Original(kDemoEngland).size() / 2);
    fs::resize_file(File(kDemoGermany), CKLFile::kMaxFileSize + 1);
    Load();
    EXPECT_EQ(world.DamagedCountries(), (std::vector<int>{kDemoGermany, kDemoEngland}));
    ASSERT_EQ(Errors().size(), 2u);
    EXPECT_NE(Errors()[1].find("England"), std::string::npos);
    // Read as far as it goes: some of its clubs, not all.
    EXPECT_GT(world.Country(kDemoEngland).ClubCount(), 0);
    CWorld whole(test::SmallDemoInstallation());
    whole.InitialiseCountries();
    whole.Load(test::SmallDemoDatabase(), progress);
    EXPECT_LT(world.Country(kDemoEngland).ClubCount(), whole.Country(kDemoEngland).ClubCount());

    EXPECT_TRUE(world.Save(progress, ui));
    EXPECT_EQ(fs::file_size(File(kDemoGermany)), CKLFile::kMaxFileSize + 1);
    EXPECT_TRUE(ReadFile(File(kDemoEngland)) == text);
}

// England's first line replaced and Germany's file cut: one message names both. Until the user
// confirms, a save leaves them in place and writes the rest, and an archive export carries their
// bytes; a confirmed country is written from memory.
TEST_F(DamagedCountryFiles, SavesAndExportsKeepTheirBytesUntilConfirmed) {
    const std::string replaced = ReplaceFirstLine(kDemoEngland);
    const std::string cut = Cut(kDemoGermany, 300000);
    Load();
    EXPECT_EQ(world.DamagedCountries(), (std::vector<int>{kDemoGermany, kDemoEngland}));
    ASSERT_EQ(ui.Messages().size(), 1u);
    const std::string message = Errors().at(0);
    EXPECT_NE(message.find("Deutschland (Country14.sav)"), std::string::npos) << message;
    EXPECT_NE(message.find("England (Country50.sav)"), std::string::npos) << message;

    const int other = 170;
    world.Country(other).SetName(0, "Anders");
    world.Country(other).Clubs().begin()->second->SetName(0, "Neuer Name");
    ASSERT_TRUE(world.Save(progress, ui));
    EXPECT_TRUE(ReadFile(File(kDemoEngland)) == replaced);
    EXPECT_TRUE(ReadFile(File(kDemoGermany)) == cut);
    EXPECT_NE(ReadFile(File(other)).find("Neuer Name"), std::string::npos);
    EXPECT_EQ(Errors().size(), 1u);  // the load's message only

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
        if (number == kDemoEngland || number == kDemoGermany) {
            ++seen;
            EXPECT_TRUE(payload.substr(4) == (number == kDemoEngland ? replaced : cut)) << number;
        }
    }
    EXPECT_TRUE(reader.ReadToEnd());
    EXPECT_EQ(seen, 2);

    world.ConfirmDamagedCountries({kDemoGermany});
    EXPECT_EQ(world.DamagedCountries(), std::vector<int>{kDemoEngland});
    ASSERT_TRUE(world.Save(progress, ui));
    EXPECT_TRUE(ReadFile(File(kDemoEngland)) == replaced);
    const std::string written = ReadFile(File(kDemoGermany));
    EXPECT_NE(written.find("%INDEXEND%COUNTRY\r\n"), std::string::npos);
    EXPECT_FALSE(written == cut);
}

using test::Lines;

std::string Digits(std::initializer_list<int> numbers) {
    std::string text;
    for (int number : numbers) {
        text += std::to_string(number);
    }
    return text;
}

// Every field different, so that a swapped or shifted value shows.
CRules Filled() {
    CRules rules;
    for (int continent = 0; continent < kContinentCount; ++continent) {
        for (int language = 0; language < kLanguageCount; ++language) {
            for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
                rules.SetCompetitionName(competition, continent, language,
                                         "N" + Digits({competition, continent, language}));
            }
            rules.SetThirdShortName(continent, language, "K" + Digits({continent, language}));
        }
        for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
            rules.SetTitleHolder(competition, continent,
                                 MakeClubId(continent + 1, competition + 1));
            rules.SetVenue(competition, continent, MakeStadiumRef(continent + 10, competition + 1));
        }
    }
    for (int language = 0; language < kLanguageCount; ++language) {
        rules.SetWorldName(language, "W" + Digits({language}));
        rules.SetWorldShortName(language, "S" + Digits({language}));
    }
    // The longest texts the fields hold, with a letter of the upper half of the code page.
    rules.SetCompetitionName(1, 5, 4, "S\374" + std::string(27, 'a'));
    rules.SetThirdShortName(4, 2, std::string(16, 'k'));
    rules.SetFurtherTitleHolder(0, MakeClubId(14, kNationalTeamIndex));
    rules.SetFurtherTitleHolder(1, MakeClubId(14, 3) | kSecondTeamFlag);
    const std::int32_t values[CRules::kRuleCount] = {1, 0, 2, -1, 77};
    for (int rule = 0; rule < CRules::kRuleCount; ++rule) {
        rules.SetRuleValue(rule, values[rule]);
    }
    rules.SetSubstitutions(3);
    return rules;
}

CRules ReadText(const std::string& text) {
    CKLFile file;
    EXPECT_TRUE(file.OpenForReadFromMemory(text));
    CRules rules;
    EXPECT_TRUE(rules.Read(file));
    return rules;
}

TEST(Rules, DefaultsAccessorsAndTheFileLayoutAndRoundTrip) {
    const TempDir folder;
    CRules rules;
    EXPECT_EQ(std::tuple(rules.Substitutions(), rules.CompetitionName(2, 5, 4),
                         rules.WorldShortName(0), rules.TitleHolder(2, 5), rules.Venue(0, 0),
                         rules.FurtherTitleHolder(1), rules.RuleValue(4)),
              std::tuple(6, "", "", 0u, 0u, 0u, 0));
    CRules changed = Filled();
    changed.Reset();
    EXPECT_EQ(changed, rules);
    changed.CopyFrom(Filled());
    EXPECT_EQ(changed, Filled());

    // Each accessor addresses its own field.
    rules = Filled();
    EXPECT_EQ(
        std::tuple(rules.CompetitionName(0, 3, 2), rules.CompetitionName(2, 1, 0),
                   rules.ThirdShortName(5, 4), rules.WorldName(3), rules.WorldShortName(1),
                   rules.TitleHolder(1, 4), rules.Venue(2, 0)),
        std::tuple("N032", "N210", "K54", "W3", "S1", MakeClubId(5, 2), MakeStadiumRef(10, 3)));
    // Fields keep their terminating zero within their size.
    rules.SetWorldName(0, std::string(40, 'x'));
    rules.SetWorldShortName(0, std::string(40, 'x'));
    EXPECT_EQ(rules.WorldName(0).size(), 29u);
    EXPECT_EQ(rules.WorldShortName(0).size(), 16u);
    rules.SetSubstitutions(9);
    EXPECT_EQ(rules.Substitutions(), 7);
    rules.SetSubstitutions(-1);
    EXPECT_EQ(rules.Substitutions(), 0);
    EXPECT_THROW((void)rules.CompetitionName(3, 0, 0), std::out_of_range);
    EXPECT_THROW(rules.SetTitleHolder(0, 6, 1), std::out_of_range);
    EXPECT_THROW((void)rules.WorldName(5), std::out_of_range);
    EXPECT_EQ(std::tuple(ContinentName(1), ContinentName(5), ContinentName(6)),
              std::tuple("S\374damerika", "Ozeanien", ""));

    // The file layout, and a round trip field by field and byte for byte.
    const CRules filled = Filled();
    ASSERT_TRUE(filled.Save(folder.Path()));
    const std::string written = ReadFile(folder / "Rules.sav");
    const std::vector<std::string> lines = Lines(written);
    ASSERT_EQ(lines.size(), 75u);
    EXPECT_EQ(std::tuple(lines[0], lines[1], lines[2]),
              std::tuple("%INDEX%RULES_AND_MISC", "%INDEX%VERSION", "537264132"));
    // First and second names per continent, then the world competition's name.
    EXPECT_EQ(lines[4], R"("N000","N001","N002","N003","N004")");
    EXPECT_EQ(lines[5], R"("N100","N101","N102","N103","N104")");
    EXPECT_EQ(lines[6], R"("N010","N011","N012","N013","N014")");
    EXPECT_EQ(lines[16], R"("W0","W1","W2","W3","W4")");
    // Third names and short names per continent, then the world short name.
    EXPECT_EQ(lines[17], R"("N200","N201","N202","N203","N204")");
    EXPECT_EQ(lines[18], R"("K00","K01","K02","K03","K04")");
    EXPECT_EQ(lines[28], R"("K50","K51","K52","K53","K54")");
    EXPECT_EQ(lines[29], R"("S0","S1","S2","S3","S4")");
    // Title holder and venue per continent, competition by competition.
    EXPECT_EQ(std::tuple(lines[30], lines[31], lines[32], lines[36], lines[65], lines[66]),
              std::tuple(std::to_string(MakeClubId(1, 1)), std::to_string(MakeStadiumRef(10, 1)),
                         std::to_string(MakeClubId(1, 2)), std::to_string(MakeClubId(2, 1)),
                         std::to_string(MakeStadiumRef(15, 3)),
                         std::to_string(MakeClubId(14, kNationalTeamIndex))));
    EXPECT_EQ(std::tuple(lines[67], lines[68], lines[71], lines[72], lines[73], lines[74]),
              std::tuple(std::to_string(MakeClubId(14, 3) | kSecondTeamFlag), "1", "-1", "77", "3",
                         "%INDEXEND%RULES_AND_MISC"));

    CRules read;
    ASSERT_TRUE(read.Load(folder.Path()));
    EXPECT_EQ(read, filled);
    const TempDir again;
    ASSERT_TRUE(read.Save(again.Path()));
    EXPECT_EQ(ReadFile(again / "Rules.sav"), written);
}

TEST(Rules, OldCutOrMissingFileFillsTheFieldsItHasAndLeavesTheRestEmpty) {
    const TempDir folder;
    // The eight name lines of the old layout, then its numbers.
    const std::string values = R"("Meisterrunde","Masters Round","Ronde","Ronda","Girone"
"Sternpokal","Star Cup","C3","C3","C3"
"Copa Austral","Austral","Aus","Aus","Aus"
"Erdkugel","Globe Cup","Globe","Globo","Globo"
"SP-Quali","SC Qualifying","Q","Q","Q"
"SPQ","SPQ","SPQ","SPQ","SPQ"
"Copa-Quali","Copa Qualifying","Q","Q","Q"
"EK","GC","GL","GL","GL"
)" + std::string("917505\n983041\n1048577\n917506\n65537\n0\n983039\n0\n1\n1\n0\n0\n4\n5\n");
    for (const std::string version : {"%INDEX%VERSION\n537133056\n%INDEXEND%VERSION\n", ""}) {
        const CRules r =
            ReadText("%INDEX%RULES_AND_MISC\n" + version + values + "%INDEXEND%RULES_AND_MISC\n");
        using Texts = std::vector<std::string_view>;
        EXPECT_EQ((Texts{r.CompetitionName(0, 0, 0), r.CompetitionName(0, 0, 4),
                         r.CompetitionName(1, 0, 1), r.CompetitionName(0, 1, 0), r.WorldName(2),
                         r.CompetitionName(2, 0, 1), r.ThirdShortName(0, 4),
                         r.CompetitionName(2, 1, 0), r.WorldShortName(1)}),
                  (Texts{"Meisterrunde", "Girone", "Star Cup", "Copa Austral", "Globe",
                         "SC Qualifying", "SPQ", "Copa-Quali", "GC"}));
        EXPECT_EQ((std::vector<std::uint32_t>{r.TitleHolder(0, 0), r.TitleHolder(0, 1),
                                              r.TitleHolder(0, 2), r.Venue(0, 0), r.Venue(0, 1),
                                              r.Venue(0, 2), r.FurtherTitleHolder(0)}),
                  (std::vector<std::uint32_t>{917505, 983041, 1048577, 917506, 65537, 0, 983039}));
        EXPECT_EQ(
            (std::vector<int>{r.RuleValue(0), r.RuleValue(1), r.RuleValue(4), r.Substitutions()}),
            (std::vector<int>{1, 1, 4, 5}));
        // What the old layout did not have stays empty.
        EXPECT_EQ((Texts{r.CompetitionName(1, 1, 0), r.CompetitionName(0, 2, 0),
                         r.CompetitionName(2, 2, 0), r.ThirdShortName(1, 0)}),
                  Texts(4));
        EXPECT_EQ(r.TitleHolder(1, 0) | r.TitleHolder(0, 3) | r.Venue(2, 5), 0u);
    }

    // A file cut short reads zeros and leaves what follows readable.
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(
        "%INDEX%RULES_AND_MISC\n%INDEX%VERSION\n537264132\n%INDEXEND%VERSION\n"
        "\"A\",\"B\",\"C\",\"D\",\"E\"\n\"F\"\n%INDEXEND%RULES_AND_MISC\n"
        "%INDEX%DATE\n24\n12\n1999\n%INDEXEND%DATE\n"));
    CRules rules = Filled();
    ASSERT_TRUE(rules.Read(file));
    EXPECT_EQ(std::tuple(rules.CompetitionName(0, 0, 4), rules.CompetitionName(1, 0, 0),
                         rules.CompetitionName(1, 0, 1), rules.CompetitionName(0, 1, 0),
                         rules.TitleHolder(0, 0), rules.RuleValue(0), rules.Substitutions()),
              std::tuple("E", "F", "", "", 0u, 0, 0));
    EXPECT_EQ(CDate::Read(file), CDate::FromYmd(1999, 12, 24));

    // A missing file or section gives the defaults; a failed write keeps the previous file.
    rules = Filled();
    EXPECT_FALSE(rules.Load(folder.Path()));
    EXPECT_EQ(rules, CRules());

    WriteFile(folder / "rules.SAV", "%INDEX%OTHER\n1\n%INDEXEND%OTHER\n");
    rules = Filled();
    EXPECT_FALSE(rules.Load(folder.Path()));
    EXPECT_EQ(rules, CRules());

    // A file that cannot be written reports the failure and keeps the previous one.
    fs::remove(folder / "rules.SAV");
    WriteFile(folder / "Rules.sav", "previous");
    {
        CFileFaults faults(FailWritesTo(folder / "Rules.sav"));
        CAtomicFileBatch batch(folder.Path(), {.faults = &faults});
        EXPECT_FALSE(Filled().Save(folder.Path()));
        EXPECT_FALSE(batch.Commit());
    }
    EXPECT_EQ(ReadFile(folder / "Rules.sav"), "previous");
    EXPECT_FALSE(Filled().Save(folder / "missing"));
}

// A world whose country 14 holds the clubs 3, 7 and 9 and two stadiums, numbered for saving.
class RulesInWorld : public World {
protected:
    RulesInWorld() {
        world.InitialiseCountries();
        CCountry& country = world.Country(14);
        for (std::uint16_t index : {3, 7, 9}) {
            country.AddClub(index);
        }
        country.Stadiums().resize(2);
        country.RebuildNumbering();
    }
};

// Title holders are renumbered and deleted clubs dropped; only venues of existing stadiums stay.
TEST_F(RulesInWorld, CompleteRenumbersAndTheWorldSavesAndLoadsTheRules) {
    CRules rules;
    rules.SetTitleHolder(0, 0, MakeClubId(14, 7));
    rules.SetTitleHolder(1, 0, MakeClubId(14, 12));  // deleted
    rules.SetTitleHolder(2, 0, MakeClubId(20, kNationalTeamIndex));
    rules.SetTitleHolder(0, 1, MakeClubId(14, 9) | kSecondTeamFlag);
    rules.SetTitleHolder(1, 1, MakeClubId(0, kNationalTeamIndex));
    rules.SetTitleHolder(2, 1, 0x02000000u | MakeClubId(20, kNationalTeamIndex));
    rules.SetTitleHolder(0, 5, MakeClubId(15, 1));  // a country without clubs
    rules.SetFurtherTitleHolder(0, MakeClubId(14, 3));
    rules.SetFurtherTitleHolder(1, MakeClubId(206, kNationalTeamIndex) | kSecondTeamFlag);
    rules.SetVenue(0, 0, MakeStadiumRef(14, 1));
    rules.SetVenue(1, 0, MakeStadiumRef(14, 2));
    rules.SetVenue(2, 0, MakeStadiumRef(14, 3));  // past the country's two stadiums
    rules.SetVenue(0, 1, MakeStadiumRef(15, 1));  // a country without stadiums
    rules.SetVenue(1, 1, MakeStadiumRef(0, 1));
    rules.SetVenue(2, 1, MakeStadiumRef(207, 0));
    rules.SetVenue(0, 2, 0x01000000u | MakeStadiumRef(14, 1));
    rules.SetVenue(1, 2, MakeStadiumRef(14, 0));
    rules.Complete(world);
    EXPECT_EQ(std::tuple(rules.TitleHolder(0, 0), rules.TitleHolder(1, 0), rules.TitleHolder(2, 0),
                         rules.TitleHolder(0, 1)),
              std::tuple(MakeClubId(14, 2), 0u, MakeClubId(20, kNationalTeamIndex),
                         MakeClubId(14, 3) | kSecondTeamFlag));
    // A national team of no real country would index past the country table later.
    EXPECT_EQ(std::tuple(rules.TitleHolder(1, 1), rules.TitleHolder(2, 1), rules.TitleHolder(0, 5),
                         rules.FurtherTitleHolder(0), rules.FurtherTitleHolder(1)),
              std::tuple(0u, 0u, 0u, MakeClubId(14, 1),
                         MakeClubId(206, kNationalTeamIndex) | kSecondTeamFlag));

    EXPECT_EQ((std::vector<std::uint32_t>{rules.Venue(0, 0), rules.Venue(1, 0), rules.Venue(2, 0),
                                          rules.Venue(0, 1), rules.Venue(1, 1), rules.Venue(2, 1),
                                          rules.Venue(0, 2), rules.Venue(1, 2)}),
              (std::vector<std::uint32_t>{MakeStadiumRef(14, 1), MakeStadiumRef(14, 2), 0, 0, 0, 0,
                                          0, MakeStadiumRef(14, 0)}));

    const auto read = [&](const char* substitutions) {
        CRules rules = ReadText(std::string("%INDEX%RULES_AND_MISC\n%INDEX%VERSION\n537264132\n"
                                            "%INDEXEND%VERSION\n") +
                                std::string(26 + 36 + 2 + 5, '\n') + substitutions +
                                "\n%INDEXEND%RULES_AND_MISC\n");
        rules.Complete(world);
        return rules.Substitutions();
    };
    EXPECT_EQ(std::tuple(read("12"), read("-3"), read("4")), std::tuple(7, 0, 4));

    // A world without countries keeps nothing but national teams.
    CWorld empty(install.Path());
    rules = Filled();
    rules.Complete(empty);
    EXPECT_EQ(std::tuple(rules.TitleHolder(0, 0), rules.Venue(0, 0), rules.FurtherTitleHolder(0),
                         rules.Substitutions()),
              std::tuple(0u, 0u, MakeClubId(14, kNationalTeamIndex), 3));

    // A world save writes the rules in the compact numbering; a load reads them or the defaults.
    const TempDir database;
    world.SetDirectory(database.Path());
    CRules& saved = world.Rules();
    saved.SetCompetitionName(0, 0, 0, "Meisterrunde");
    saved.SetWorldShortName(4, "CM");
    saved.SetTitleHolder(0, 0, MakeClubId(14, 7));
    saved.SetTitleHolder(1, 0, MakeClubId(14, 12));
    saved.SetTitleHolder(2, 0, MakeClubId(20, kNationalTeamIndex));
    saved.SetRuleValue(2, 1);
    saved.SetSubstitutions(3);
    ASSERT_TRUE(world.Save(progress, ui));
    EXPECT_TRUE(ui.Messages().empty());

    CRules file;
    ASSERT_TRUE(file.Load(database.Path()));
    EXPECT_EQ(std::tuple(file.TitleHolder(0, 0), file.TitleHolder(1, 0), file.TitleHolder(2, 0)),
              std::tuple(MakeClubId(14, 2), 0u, MakeClubId(20, kNationalTeamIndex)));

    CWorld reloaded(install.Path());
    reloaded.InitialiseCountries();
    reloaded.Rules().SetSubstitutions(1);
    reloaded.Load(database.Path(), progress);
    const CRules& back = reloaded.Rules();
    EXPECT_EQ(std::tuple(back.CompetitionName(0, 0, 0), back.WorldShortName(4),
                         back.TitleHolder(2, 0), back.RuleValue(2), back.Substitutions()),
              std::tuple("Meisterrunde", "CM", MakeClubId(20, kNationalTeamIndex), 1, 3));

    // A load without a rules file gives the defaults; so does emptying the world.
    const TempDir without;
    reloaded.Rules().CopyFrom(Filled());
    reloaded.Load(without.Path(), progress);
    EXPECT_EQ(reloaded.Rules(), CRules());
    reloaded.Rules().CopyFrom(Filled());
    reloaded.Empty();
    EXPECT_EQ(reloaded.Rules(), CRules());
}

}  // namespace
}  // namespace kw
