#include <gtest/gtest.h>

#include <algorithm>

#include "CountriesTestSupport.h"
#include "competition/Cup.h"
#include "competition/Pool.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

using test::Club;
using test::kCountry;
using test::SectionLines;
using test::TempDir;

class CountryFile : public test::CountriesTest {
protected:
    // The text read into the country of another world made like this one.
    const CCountry& ReadIntoOther(const std::string& text) {
        Prepare(other);
        EXPECT_TRUE(ReadCountry(other, text));
        return other.Country(kCountry);
    }

    CWorld other{install.Path()};
};

// --- COMPETITIONPART

// Fewer than eight clubs write none.
TEST_F(CountryFile, WithoutTopLeagueTheDefaultNamesAndClubsOneToEightAreWritten) {
    AddClubs({1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(WrittenCountry().find("COMPETITIONPART"), std::string::npos);
    AddClubs({8, 9});
    EXPECT_EQ(SectionLines(WrittenCountry(), "COMPETITIONPART"),
              (std::vector<std::string>{"1. Liga", "Nationaler Pokal", "50001", "50002", "50003",
                                        "50004", "50005", "50006", "50007", "50008"}));
}

TEST_F(CountryFile, TopLeagueGivesItsQuotedNamesAndFirstEightTeams) {
    AddClubs({1, 2, 3, 4, 5, 6, 7, 8});
    CDBLeague& league = AddLeague(0, 0, {Club(4), Club(2) | kSecondTeamFlag});
    const char* names[] = {"Oberliga", "Top", "Haute", "Alta", "Lega"};
    for (int language = 0; language < kLanguageCount; ++language) {
        league.Names()[static_cast<std::size_t>(language)].Set(names[language]);
    }
    // No national cup: five empty names.
    EXPECT_EQ(
        SectionLines(WrittenCountry(), "COMPETITIONPART"),
        (std::vector<std::string>{R"("Oberliga","Top","Haute","Alta","Lega")", R"("","","","","")",
                                  "50004", "1050002", "0", "0", "0", "0", "0", "0"}));
}

// --- renumbering

TEST_F(CountryFile, ClubsAreRenumberedAndEveryReferenceFollows) {
    AddClubs({3, 7, 9});
    CClub& nine = *Country().Club(Club(9));
    nine.SetFanFriendship(Club(7));
    nine.SetRival(0, Club(3));
    nine.SetRival(1, Club(7) | kSecondTeamFlag);
    CPlayer& player = AddPlayer(*Country().Club(Club(3)));
    player.SetCurrentClub(Club(9));
    player.SetLoanClub(Club(7) | kSecondTeamFlag);
    SHistoryEntry station;
    station.club = Club(7);
    player.History().push_back(station);
    AddLeague(0, 0, {Club(9), Club(3) | kSecondTeamFlag});
    Country().PlayerPool().resize(1);
    Country().PlayerPool()[0].SetSurname("Jung");
    Country().PlayerPool()[0].SetPreferredClub(Club(7));

    const TempDir database;
    world.SetDirectory(database.Path());
    CScriptedUserInterface ui;
    CRecordingProgress progress;
    ASSERT_TRUE(world.Save(progress, ui));
    const std::string text = test::ReadFile(database / "Country5.sav");
    for (const char* tag : {"CLUB1", "CLUB2", "CLUB3", "CLUB65535"}) {
        EXPECT_FALSE(SectionLines(text, tag).empty()) << tag;
    }
    EXPECT_TRUE(SectionLines(text, "CLUB4").empty());
    EXPECT_EQ(SectionLines(text, "TEAMS"), std::vector<std::string>{"50003,1050001"});

    CWorld loaded(install.Path());
    Prepare(loaded);
    loaded.Load(database.Path(), progress);
    CCountry& country = loaded.Country(kCountry);
    ASSERT_EQ(country.ClubCount(), 3);
    const CClub& third = *country.Club(Club(3));
    EXPECT_EQ(third.FanFriendship(), Club(2));
    EXPECT_EQ(third.Rivals()[0], Club(1));
    EXPECT_EQ(third.Rivals()[1], Club(2) | kSecondTeamFlag);
    ASSERT_EQ(country.Club(Club(1))->PersonIds().size(), 1u);
    const CPlayer& moved = *loaded.Person(country.Club(Club(1))->PersonIds()[0]);
    EXPECT_EQ(moved.CurrentClub(), Club(3));
    EXPECT_EQ(moved.LoanClub(), Club(2) | kSecondTeamFlag);
    ASSERT_EQ(moved.History().size(), 1u);
    EXPECT_EQ(moved.History()[0].club, Club(2));
    const auto* league = dynamic_cast<const CDBLeague*>(
        loaded.Competition(MakeCompetitionId(kCountry, kLeagueType, 0)));
    ASSERT_NE(league, nullptr);
    EXPECT_EQ(league->Teams(), (std::vector<std::uint32_t>{Club(3), Club(1) | kSecondTeamFlag}));
    EXPECT_EQ(country.PlayerPool()[0].PreferredClub(), Club(2));
}

// --- the parts a round trip must keep

TEST_F(CountryFile, MultiLineNotesTravelOnOneLine) {
    Country().Settings().notes = "Erste Zeile\r\nZweite Zeile\r\n\r\nVierte Zeile";
    const std::string text = WrittenCountry();
    EXPECT_EQ(SectionLines(text, "COUNTRY_MIST").back(),
              "Erste Zeile\tZweite Zeile\t\tVierte Zeile");

    EXPECT_EQ(ReadIntoOther(text).Settings().notes, Country().Settings().notes);
}

TEST_F(CountryFile, EverySettingAndCollectionSurvivesWriteAndRead) {
    SCountrySettings& s = Country().Settings();
    std::uint8_t next = 1;
    const auto fill = [&next](auto& values) {
        for (auto& value : values) {
            value = next++;
        }
    };
    fill(s.languages);
    fill(s.languageShares);
    s.leagueLevelLimit = next++;
    s.levelLimitByte = next++;
    s.setting8 = next++;
    fill(s.settings2);
    fill(s.settings4);
    s.associationName.Set("Verband");
    s.president.firstName.Set("Hans");
    s.president.surname.Set("Chef");
    s.presidentBirthDate = CDate::FromYmd(1950, 5, 1);
    s.reporters[2].surname.Set("Studio");
    s.climate = next++;
    fill(s.tieBreak);
    fill(s.nonEuropeanLimit);
    fill(s.relegated);
    s.leagueYellowRule = 0x85;  // bit 7 travels as a negative byte
    s.cupYellowRule = next++;
    s.redCardSettings = 0x90;
    s.redCardStart = 1;
    s.suspensionScope = 5;
    s.yellowRedLevels = 0x1F;
    s.optionFlags = 7;
    s.optionValue = next++;
    s.cupOptions = 3;
    s.abroadProbability = 42;
    s.cupFinalStadium = 2;
    fill(s.slotValues);
    s.nationalCupSetting = 3;
    s.leagueCupSettings = 0x01020304;
    s.superCupSetting = 9;
    s.reserveSwitch = 6;
    s.transferPhases = {11, 22};
    s.averageStrength = 77;
    s.newspaper = "Zeitung";
    s.titles = {1, 2, 3, 4};
    s.lookValue = -5;
    s.hairColours = 0xFFFFFFFF;
    s.haircuts = 3;
    s.beards = 4;
    s.faces = 5;
    s.averageHeight = 181;
    s.averageWeight = 79;
    s.nationalCoach.SetSurname("Trainer");
    s.nationalCoach.SetTrainingValue(3, 9);
    Country().Stadiums().resize(2);
    Country().Referees().resize(1);
    Country().Referees()[0].SetNames("Rolf", "Richter");
    Country().Sponsors().resize(1);
    Country().Sponsors()[0].SetAmount(1000);
    Country().SetLevelName(0, 1, "Oberhaus");
    Country().SetLeagueScript(3);
    Country().World().Manager(Country().AddManager())->SetSurname("Weiterer");
    AddLeague(0, 0, {});

    const std::string text = WrittenCountry();
    // The titles are stored as continental titles, world championships, continental finals,
    // world-cup finals.
    const std::vector<std::string> mist = SectionLines(text, "COUNTRY_MIST");
    EXPECT_EQ(std::vector<std::string>(mist.end() - 6, mist.end() - 1),
              (std::vector<std::string>{"Zeitung", "1", "3", "2", "4"}));

    const CCountry& read = ReadIntoOther(text);
    EXPECT_TRUE(read.Settings() == s);
    EXPECT_EQ(read.Stadiums(), Country().Stadiums());
    EXPECT_EQ(read.Referees(), Country().Referees());
    EXPECT_EQ(read.Sponsors(), Country().Sponsors());
    EXPECT_EQ(read.LevelNames(0)[1].View(), "Oberhaus");
    EXPECT_EQ(read.LeagueScript(), 3);
    ASSERT_EQ(read.ManagerIds().size(), 1u);
    EXPECT_EQ(other.Manager(read.ManagerIds()[0])->Surname().View(), "Weiterer");
}

TEST_F(CountryFile, StaffPoolSurvivesWriteAndRead) {
    CStaffEntry doctor;
    doctor.SetFirstName("Doris");
    doctor.SetSurname("Doktor");
    doctor.SetJob(7);
    doctor.SetGradeA(3);
    doctor.SetGradeB(1);
    doctor.SetFurtherByte(1, 9);
    CStaffEntry scout;
    scout.SetSurname("Scout");
    scout.SetJob(4);
    Country().Staff() = {doctor, scout};

    EXPECT_EQ(ReadIntoOther(WrittenCountry()).Staff(), Country().Staff());
}

TEST_F(CountryFile, PlayerPoolKeepsUsedEntriesAndIsSizedByTheClubs) {
    AddClubs({1, 2});
    Country().ResizePlayerPool(3);
    Country().PlayerPool()[1].SetSurname("Jung");
    Country().PlayerPool()[1].SetPreferredClub(CPoolEntry::kCreateAClub);
    Country().PlayerPool()[1].SetTeamPart(4);
    const std::string text = WrittenCountry();
    EXPECT_EQ(SectionLines(text, "PLAYERPOOL").front(), "1");

    const CCountry& read = ReadIntoOther(text);
    // 22 slots per entry of the club map, the national team included.
    ASSERT_EQ(read.PlayerPool().size(), 66u);
    EXPECT_EQ(read.PlayerPool()[0], Country().PlayerPool()[1]);
    EXPECT_FALSE(read.PlayerPool()[1].IsUsed());
    EXPECT_EQ(read.PlayerPool()[65].Nationality(), kCountry);

    EXPECT_EQ(PreferredClubName(other, CPoolEntry::kCreateAClub, kDefaultLanguage),
              "Create A Club Verein");
    other.Country(kCountry).Club(Club(2))->SetName(0, "Zwei");
    EXPECT_EQ(PreferredClubName(other, Club(2), kDefaultLanguage), "Zwei");
    EXPECT_EQ(PreferredClubName(other, Club(3), kDefaultLanguage), "");
}

// --- older files

// A country file of the given version whose COUNTRY_MIST holds zeros up to the average
// strength, in that version's layout.
std::string OldCountry(std::uint32_t major, std::int32_t strength) {
    const std::uint32_t version = MakeRecordVersion(major, 1);
    std::vector<std::string> lines = {"%INDEX%COUNTRY",
                                      "%INDEX%VERSION",
                                      std::to_string(version),
                                      "%INDEXEND%VERSION",
                                      "%INDEX%COUNTRY_MIST",
                                      "Land",
                                      "LND",
                                      "0"};
    const auto zeros = [&lines](int count) { lines.insert(lines.end(), count, "0"); };
    zeros(major >= 8198 ? 1 : 2);
    lines.insert(lines.end(), {"Verband", "0,0,0,0", "0,0,0,0", "0", "0", "", "", "%INDEX%DATE",
                               "1", "1", "1950", "%INDEXEND%DATE"});
    lines.insert(lines.end(), 6, "");
    zeros(6);
    zeros(major >= 8198 ? 15 : 35);
    zeros(5);
    // Older majors read as their last minor, so every 8197 file holds the block of 8197.2.
    zeros(major >= 8197 ? 7 : 0);
    zeros(major < 8197 ? 3 : 2);
    zeros(2 + 6 + 1 + 2);
    lines.insert(lines.end(),
                 {"%INDEX%MANAGER", "Coach", "%INDEXEND%MANAGER", std::to_string(strength),
                  "%INDEXEND%COUNTRY_MIST", "%INDEXEND%COUNTRY"});
    return test::JoinLines(lines);
}

TEST_F(CountryFile, OldFilesKeptAThirdOfTheAverageStrength) {
    struct Case {
        std::uint32_t major;
        std::int32_t stored;
        int read;
    };
    for (const Case& c : {Case{8197, 20, 60}, Case{8197, 40, 100}, Case{8196, 33, 99},
                          Case{8198, 40, 40}, Case{8198, 120, 100}, Case{8198, -1, 100}}) {
        ASSERT_TRUE(ReadCountry(world, OldCountry(c.major, c.stored)));
        EXPECT_EQ(Country().Settings().averageStrength, c.read) << c.major << " " << c.stored;
        EXPECT_EQ(Country().Settings().nationalCoach.FirstName().View(), "Coach");
    }
}

TEST_F(CountryFile, LevelPoolsCollectTheTeamsOfTheirLevel) {
    AddClubs({1, 2, 3, 4});
    AddLeague(0, 0, {Club(1), Club(2) | kSecondTeamFlag});
    AddLeague(1, 1, {Club(3), Club(4) | kSecondTeamFlag});
    AddLeague(2, 1, {Club(2), Club(3)});
    // Level 1 takes reserve teams, level 0 does not.
    Country().Settings().reserveSwitch = 2;
    Country().RebuildLevelPools();

    const auto pool = [this](int level) {
        return dynamic_cast<const CDBPool*>(
            world.Competition(MakeCompetitionId(kCountry, kPoolType, level)));
    };
    ASSERT_NE(pool(0), nullptr);
    ASSERT_NE(pool(1), nullptr);
    EXPECT_EQ(pool(2), nullptr);
    EXPECT_EQ(pool(0)->Teams(), std::vector<std::uint32_t>{Club(1)});
    EXPECT_EQ(pool(0)->SortMode(), 0);
    EXPECT_EQ(pool(1)->Teams(),
              (std::vector<std::uint32_t>{Club(3), Club(4) | kSecondTeamFlag, Club(2)}));
    EXPECT_EQ(pool(1)->SortMode(), 32768);
    EXPECT_EQ(pool(1)->PoolSize(), 3);
    EXPECT_EQ(pool(1)->Level(), 1);
    EXPECT_EQ(pool(1)->ParentId(), MakeCompetitionId(kCountry, kRootType, 0));
}

TEST_F(CountryFile, ReadingReplacesTheWholeCountry) {
    AddClubs({1, 2});
    AddPlayer(*Country().Club(Club(2)));
    AddLeague(0, 0, {Club(1)});
    Country().Referees().resize(2);
    Country().AddManager();
    ASSERT_EQ(world.Persons().size(), 1u);

    ASSERT_TRUE(ReadCountry(world, OldCountry(8198, 50)));
    EXPECT_EQ(Country().ClubCount(), 0);
    EXPECT_TRUE(world.Persons().empty());
    EXPECT_TRUE(world.Managers().empty());
    EXPECT_TRUE(Country().Referees().empty());
    EXPECT_EQ(world.Competition(MakeCompetitionId(kCountry, kLeagueType, 0)), nullptr);
    EXPECT_NE(world.Competition(MakeCompetitionId(kCountry, kRootType, 0)), nullptr);
    EXPECT_EQ(Country().Settings().averageStrength, 50);
}

}  // namespace
}  // namespace kw
