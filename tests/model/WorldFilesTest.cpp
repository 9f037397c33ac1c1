#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "CountriesTestSupport.h"
#include "DemoInstallation.h"
#include "competition/Pool.h"
#include "exports/WorldDump.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using test::Club;
using test::FileNames;
using test::kCountry;
using test::ReadFile;
using test::TempDir;

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
    EXPECT_EQ(testland.ClubCount(), 3);
    EXPECT_EQ(testland.Staff().size(), 2u);
    EXPECT_EQ(testland.Staff()[0].Surname().View(), "Griff");
    EXPECT_EQ(testland.Referees().size(), 2u);
    EXPECT_EQ(testland.Stadiums().size(), 2u);
    EXPECT_EQ(testland.ManagerIds().size(), 2u);
    EXPECT_EQ(testland.UsedPoolEntries(), 3);
    EXPECT_EQ(testland.PlayerPool()[0].PreferredClub(), CPoolEntry::kCreateAClub);
    EXPECT_EQ(testland.PlayerPool()[1].PreferredClub(), Club(2));
    EXPECT_EQ(testland.PlayerPool()[2].TeamPart(), 0);  // its line is missing
    EXPECT_EQ(testland.Settings().averageStrength, 66);
    EXPECT_EQ(testland.Settings().notes,
              "Erste Zeile der Notizen.\r\nZweite Zeile.\r\n\r\nNach einer Leerzeile.");
    EXPECT_EQ(testland.Settings().nationalCoach.Surname().View(), "Bundes");
    EXPECT_EQ(testland.LevelNames(0)[0].View(), "Oberliga");
    const CClub& harbour = *testland.Club(Club(1));
    EXPECT_EQ(harbour.Rivals()[1], Club(3) | kSecondTeamFlag);
    EXPECT_EQ(w.Person(101)->StageName().View(), ";Jonny");
    EXPECT_EQ(w.Person(102)->Surname().View(), "\"Der Turm\" Tauber");
    // Years of the game's own time stay as they are, whatever the clock says.
    EXPECT_EQ(w.Person(101)->ClubSince(), 2001);
    EXPECT_EQ(w.Person(101)->ContractUntil(), 2009);

    // Clashing person ids: the later persons got the smallest free ids from the count + 1.
    ASSERT_EQ(testland.Club(Club(3))->PersonIds().size(), 1u);
    EXPECT_EQ(testland.Club(Club(3))->PersonIds()[0], 4u);
    EXPECT_EQ(w.Person(4)->Surname().View(), "Berg");
    EXPECT_EQ(w.Person(101)->Surname().View(), "M\xF6ller");
    EXPECT_EQ(w.Country(8).Club(MakeClubId(8, 1))->PersonIds(),
              (std::vector<std::uint32_t>{6, 8, 9}));

    // Major 8197: a third of the strength, level pools made from the leagues.
    const CCountry& altmark = w.Country(6);
    EXPECT_EQ(altmark.Settings().averageStrength, 60);
    EXPECT_EQ(altmark.Settings().optionValue, 0);
    EXPECT_EQ(altmark.Settings().settings4[3], 11);
    EXPECT_EQ(altmark.Settings().relegated[1], 1);
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
    EXPECT_EQ(uraltland.Settings().averageStrength, 100);
    EXPECT_EQ(uraltland.Settings().optionFlags, 4);
    EXPECT_EQ(uraltland.Settings().optionValue, 5);
    EXPECT_EQ(uraltland.Settings().nationalCoach.FirstName().View(), "Ulf");
    ASSERT_EQ(uraltland.ManagerIds().size(), 1u);
    EXPECT_EQ(w.Manager(uraltland.ManagerIds()[0])->FirstName().View(), "Uwe");
    EXPECT_EQ(uraltland.PlayerPool()[0].TeamPart(), 3);
    EXPECT_EQ(uraltland.Settings().notes, "Alte Notiz");

    // The players without club, under new ids after every other person.
    ASSERT_EQ(w.WithoutClub().Count(), 2);
    EXPECT_EQ(w.WithoutClub().At(0)->Surname().View(), "%Prozent");
    EXPECT_EQ(w.WithoutClub().Ids(), (std::vector<std::uint32_t>{10, 11}));
}

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
    Country().Referees().resize(1);
    Country().Referees()[0].SetNames("%Rolf", "Richter \"R\"");
    Country().Settings().newspaper = "%Blatt";
    Country().Settings().notes = std::string(3000, 'x') + "\r\nEnde";
    Country().Settings().averageStrength = 55;
    Country().Settings().nationalCoach.SetSurname("Coach");
    world.Country(6).AddClub(1).SetName(0, "Nachbar");

    const TempDir folder;
    Save(world, folder);
    const std::unique_ptr<CWorld> loaded = Loaded(folder.Path());
    const CCountry& country = loaded->Country(kCountry);
    ASSERT_EQ(country.ClubCount(), 3);
    const CClub& read = *country.Club(Club(2));
    // A quote inside a quoted list becomes an apostrophe; lines keep their first 1023 bytes.
    EXPECT_EQ(read.Name(0), "%Prozent 'Zitat'");
    EXPECT_EQ(read.FansName().View(), "%Fans");
    EXPECT_EQ(read.Mascot().View(), ";Kommentar");
    EXPECT_EQ(read.Note(), longNote.substr(0, CKLFile::kMaxLine));
    ASSERT_EQ(read.PersonIds().size(), 1u);
    const CPlayer& readPlayer = *loaded->Person(read.PersonIds()[0]);
    EXPECT_EQ(readPlayer.Surname().View(), "%Quote\"s");
    EXPECT_EQ(readPlayer.FirstName().View(), "\"Bob\"");
    EXPECT_EQ(readPlayer.Note(), longNote.substr(0, CKLFile::kMaxLine));
    for (const std::uint16_t index : {1, 3}) {
        const CClub& club = *country.Club(Club(index));
        EXPECT_EQ(club.Name(0), "Normal " + std::to_string(index));
        EXPECT_EQ(club.Note(), "Kurz");
        ASSERT_EQ(club.PersonIds().size(), 1u);
        EXPECT_EQ(loaded->Person(club.PersonIds()[0])->Surname().View(),
                  "Spieler " + std::to_string(index));
    }
    EXPECT_EQ(country.Referees()[0].FirstName().View(), "%Rolf");
    EXPECT_EQ(country.Referees()[0].Surname().View(), "Richter \"R\"");
    EXPECT_EQ(country.Settings().newspaper, "%Blatt");
    EXPECT_EQ(country.Settings().averageStrength, 55);
    EXPECT_EQ(country.Settings().nationalCoach.Surname().View(), "Coach");
    EXPECT_EQ(loaded->Country(6).Club(MakeClubId(6, 1))->Name(0), "Nachbar");
}

// --- file size

// A country file larger than any fixed read buffer: the padding puts the 5 MiB mark into the
// middle of the clubs, where a cut read would lose the rest without a word.
TEST_F(WorldFiles, CountryFileBeyondFiveMebibytesLoadsWhole) {
    constexpr int kGermany = 14;
    const fs::path demo = test::SmallDemoDatabase();
    const std::string original = ReadFile(demo / "Country14.sav");
    const std::size_t firstLineEnd = original.find('\n') + 1;
    const std::size_t fiveMebibytes = std::size_t{5} << 20;
    std::string padding;
    while (padding.size() + original.size() / 2 < fiveMebibytes) {
        padding += "; " + std::string(200, '-') + "\r\n";
    }
    const TempDir folder;
    test::WriteFile(folder / "Country14.sav",
                    original.substr(0, firstLineEnd) + padding + original.substr(firstLineEnd));
    ASSERT_GT(fs::file_size(folder / "Country14.sav"), fiveMebibytes);

    CWorld plain(test::SmallDemoInstallation());
    CWorld padded(test::SmallDemoInstallation());
    for (CWorld* target : {&plain, &padded}) {
        Prepare(*target);
    }
    plain.Load(demo, progress);
    padded.Load(folder.Path(), progress);
    ASSERT_GT(plain.Country(kGermany).ClubCount(), 10);
    EXPECT_EQ(padded.Country(kGermany).ClubCount(), plain.Country(kGermany).ClubCount());
    // Compared as a whole: a printed difference of two such dumps would take minutes.
    EXPECT_TRUE(DumpWorldJson(padded, kGermany) == DumpWorldJson(plain, kGermany));
}

// --- players without club

TEST_F(WorldFiles, AnEmptyListOfPlayersWithoutClubIsWrittenWithCountZero) {
    const TempDir folder;
    ASSERT_TRUE(world.WithoutClub().Save(folder.Path()));
    EXPECT_EQ(ReadFile(folder / "Without.sav"), "%INDEX%WITHOUT\r\n0\r\n%INDEXEND%WITHOUT\r\n");
    EXPECT_EQ(Loaded(folder.Path())->WithoutClub().Count(), 0);
}

TEST_F(WorldFiles, PlayersWithoutClubGetFreshIdsAndLeaveClubPlayersAlone) {
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
    EXPECT_EQ(loaded->WithoutClub().Ids()[0], 3u);
    EXPECT_EQ(loaded->WithoutClub().At(0)->Surname().View(), "Frei");
    EXPECT_EQ(loaded->WithoutClub().At(1), nullptr);
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

}  // namespace
}  // namespace kw
