#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "CountriesTestSupport.h"
#include "TempDir.h"
#include "competition/Cup.h"
#include "competition/Pool.h"
#include "model/Stadium.h"
#include "model/StadiumList.h"
#include "platform/ScriptedUserInterface.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

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

// Fewer than eight clubs write none; without a top league the default names and clubs one to
// eight are written, with one its quoted names and first eight teams.
TEST_F(CountryFile, CompetitionPartNamesTheTopLeagueOrTheDefaults) {
    AddClubs({1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(WrittenCountry().find("COMPETITIONPART"), std::string::npos);
    AddClubs({8, 9});
    EXPECT_EQ(SectionLines(WrittenCountry(), "COMPETITIONPART"),
              (std::vector<std::string>{"1. Liga", "Nationaler Pokal", "50001", "50002", "50003",
                                        "50004", "50005", "50006", "50007", "50008"}));

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

    const std::string text = WrittenCountry();
    for (const char* tag : {"CLUB1", "CLUB2", "CLUB3", "CLUB65535"}) {
        EXPECT_FALSE(SectionLines(text, tag).empty()) << tag;
    }
    EXPECT_TRUE(SectionLines(text, "CLUB4").empty());
    EXPECT_EQ(SectionLines(text, "TEAMS"), std::vector<std::string>{"50003,1050001"});

    const CCountry& country = ReadIntoOther(text);
    ASSERT_EQ(country.ClubCount(), 3);
    const CClub& third = *country.Club(Club(3));
    EXPECT_EQ(std::tuple(third.FanFriendship(), third.Rivals()[0], third.Rivals()[1]),
              std::tuple(Club(2), Club(1), Club(2) | kSecondTeamFlag));
    ASSERT_EQ(country.Club(Club(1))->PersonIds().size(), 1u);
    const CPlayer& moved = *other.Person(country.Club(Club(1))->PersonIds()[0]);
    EXPECT_EQ(std::pair(moved.CurrentClub(), moved.LoanClub()),
              std::pair(Club(3), Club(2) | kSecondTeamFlag));
    ASSERT_EQ(moved.History().size(), 1u);
    EXPECT_EQ(moved.History()[0].club, Club(2));
    const auto* league = dynamic_cast<const CDBLeague*>(
        other.Competition(MakeCompetitionId(kCountry, kLeagueType, 0)));
    ASSERT_NE(league, nullptr);
    EXPECT_EQ(league->Teams(), (std::vector<std::uint32_t>{Club(3), Club(1) | kSecondTeamFlag}));
    EXPECT_EQ(country.PlayerPool()[0].PreferredClub(), Club(2));
}

// --- the parts a round trip must keep

// Multi-line notes travel on one line.
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
    s.notes = "Erste Zeile\r\nZweite Zeile\r\n\r\nVierte Zeile";
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
    Country().Stadiums().resize(2);
    Country().Referees().resize(1);
    Country().Referees()[0].SetNames("%Rolf",
                                     "Richter \"R\"");  // a comment mark and quotes survive
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
    EXPECT_EQ(std::vector<std::string>(mist.end() - 6, mist.end()),
              (std::vector<std::string>{"Zeitung", "1", "3", "2", "4",
                                        "Erste Zeile\tZweite Zeile\t\tVierte Zeile"}));

    const CCountry& read = ReadIntoOther(text);
    EXPECT_TRUE(read.Settings() == s);
    EXPECT_EQ(std::tuple(read.Stadiums(), read.Referees(), read.Sponsors(), read.Staff(),
                         read.LevelNames(0)[1].View(), read.LeagueScript()),
              std::tuple(Country().Stadiums(), Country().Referees(), Country().Sponsors(),
                         Country().Staff(), "Oberhaus", 3));
    ASSERT_EQ(read.ManagerIds().size(), 1u);
    EXPECT_EQ(other.Manager(read.ManagerIds()[0])->Surname().View(), "Weiterer");
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

// Reading replaces the whole country.
TEST_F(CountryFile, ReadingReplacesTheCountryAndOldFilesKeptAThirdOfTheAverageStrength) {
    AddClubs({1, 2});
    AddPlayer(*Country().Club(Club(2)));
    AddLeague(0, 0, {Club(1)});
    Country().Referees().resize(2);
    Country().AddManager();
    ASSERT_EQ(world.Persons().size(), 1u);
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
    EXPECT_EQ(Country().ClubCount(), 0);
    EXPECT_TRUE(world.Persons().empty() && world.Managers().empty() &&
                Country().Referees().empty());
    EXPECT_EQ(world.Competition(MakeCompetitionId(kCountry, kLeagueType, 0)), nullptr);
    EXPECT_NE(world.Competition(MakeCompetitionId(kCountry, kRootType, 0)), nullptr);
}

TEST_F(CountryFile, LevelPoolsCollectTheTeamsOfTheirLevelAndTheLevelTableCountsLeagues) {
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
    EXPECT_EQ(std::tuple(pool(2), pool(0)->Teams(), pool(0)->SortMode()),
              std::tuple(nullptr, std::vector<std::uint32_t>{Club(1)}, 0));
    EXPECT_EQ(pool(1)->Teams(),
              (std::vector<std::uint32_t>{Club(3), Club(4) | kSecondTeamFlag, Club(2)}));
    EXPECT_EQ(
        std::tuple(pool(1)->SortMode(), pool(1)->PoolSize(), pool(1)->Level(), pool(1)->ParentId()),
        std::tuple(32768, 3, 1, MakeCompetitionId(kCountry, kRootType, 0)));

    // The level table counts the leagues per level; one behind a gap in the indexes is not
    // listed.
    AddLeague(3, 2, {});
    AddLeague(5, 3, {});
    const SLevelTable table = Country().LevelTable();
    EXPECT_EQ(
        std::tuple(table.leagues, table.firstLeague, table.UsedLevels()),
        std::tuple((std::array<int, 5>{1, 2, 1, 0, 0}), (std::array<int, 5>{0, 1, 3, -1, -1}), 3));
}

using Kind = CScriptedUserInterface::Message::Kind;

TEST_F(CountryFile, DeletingAClubClearsItEverywhereAndNewClubsFillTheGapUpTo511) {
    AddClubs({1, 2, 3, 4});
    CClub& first = *Country().Club(Club(1));
    first.SetFanFriendship(Club(3));
    first.SetRival(0, Club(2));
    first.SetRival(1, Club(3) | kSecondTeamFlag);
    first.SetRival(2, Club(4));
    Country().Club(Club(4))->SetRival(0, Club(3));
    CDBLeague& league = AddLeague(0, 0, {Club(1), Club(3), Club(3) | kSecondTeamFlag, Club(4)});
    auto& pool = static_cast<CDBPool&>(world.RegisterCompetition(std::make_unique<CDBPool>(
        MakeCompetitionId(kCountry, kPoolType, 0), MakeCompetitionId(kCountry, kRootType, 0))));
    pool.Teams() = {Club(3), Club(2)};
    const std::uint32_t person = AddPlayer(*Country().Club(Club(3))).Id();

    Country().RemoveClub(Club(3));

    EXPECT_EQ(std::tuple(Country().Club(Club(3)), first.FanFriendship(), first.Rivals(),
                         Country().Club(Club(4))->Rivals()[0]),
              std::tuple(nullptr, 0u, (std::array<std::uint32_t, 4>{Club(2), Club(4), 0, 0}), 0u));
    EXPECT_EQ(std::tuple(league.Teams(), pool.Teams(), world.Person(person)),
              std::tuple((std::vector<std::uint32_t>{Club(1), Club(4)}),
                         std::vector<std::uint32_t>{Club(2)}, nullptr));

    // New clubs take the smallest free index, up to 511 clubs.
    EXPECT_EQ(Country().CreateClub()->Id(), Club(3));
    EXPECT_EQ(Country().CreateClub()->Id(), Club(5));
    while (Country().ClubCount() < CCountry::kMaxClubs) {
        ASSERT_NE(Country().CreateClub(), nullptr);
    }
    EXPECT_EQ(Country().CreateClub(), nullptr);
    EXPECT_EQ(Country().ClubCount(), 511);
}

TEST_F(CountryFile, LimitClubsRefusesWhenTheCompetitionsUseMoreClubsElseDeletesUnusedOnes) {
    AddClubs({1, 2, 3, 4});
    CDBLeague& league = AddLeague(0, 0, {Club(1), Club(2), Club(3) | kSecondTeamFlag});
    CScriptedUserInterface ui;
    EXPECT_FALSE(world.LimitClubs(kCountry, 2, ui));
    EXPECT_EQ(ui.Texts(Kind::Error),
              std::vector<std::string>{"To many Teams used in current competition structure, "
                                       "please remove some leagues!"});
    EXPECT_EQ(Country().ClubCount(), 4);

    // Else only unused clubs are deleted, down to the limit.
    league.ClearTeams();
    league.AddTeam(Club(2));
    league.AddTeam(Club(5));
    AddClubs({5, 6});
    const std::uint32_t person = AddPlayer(*Country().Club(Club(1))).Id();
    ASSERT_TRUE(world.LimitClubs(kCountry, 4, ui));
    EXPECT_EQ(ui.Messages().size(), 1u);
    // Clubs 1 and 3 go, in ascending index; club 4 and 6 stay once the limit is reached.
    std::vector<std::uint32_t> left;
    for (const auto& [id, club] : Country().Clubs()) {
        left.push_back(id);
    }
    EXPECT_EQ(left, (std::vector<std::uint32_t>{Club(2), Club(4), Club(5), Club(6),
                                                Club(kNationalTeamIndex)}));
    EXPECT_EQ(world.Person(person), nullptr);

    // Used clubs are never deleted, even when the limit cannot be reached without them.
    ASSERT_TRUE(world.LimitClubs(kCountry, 2, ui));
    EXPECT_EQ(Country().ClubCount(), 2);
    EXPECT_NE(Country().Club(Club(2)), nullptr);
    EXPECT_NE(Country().Club(Club(5)), nullptr);
}

TEST_F(CountryFile, CompleteNeedsTenClubEntriesAndASoundTopLeagueOfEight) {
    AddClubs({1, 2, 3, 4, 5, 6, 7, 8});
    CDBLeague& top =
        AddLeague(0, 0, {Club(1), Club(2), Club(3), Club(4), Club(5), Club(6), Club(7), Club(8)});
    for (int row = 0; row < top.Fixtures().Rows(); ++row) {
        for (int column = 0; column < top.Fixtures().Columns(); ++column) {
            top.Fixtures().SetPairing(row, column, 1, 2);
        }
    }
    for (int day = 1; day <= top.LeagueMatchdays(); ++day) {
        top.AddMatchday(0, day);
        top.AddMatchday(1, day);
    }
    ASSERT_EQ(top.Check(world.Registry(), 0, 0) | top.Check(world.Registry(), 1, 0), 0u);
    EXPECT_FALSE(Country().IsComplete());  // nine entries with the national team
    AddClubs({9});
    EXPECT_TRUE(Country().IsComplete());

    top.Fixtures().SetPairing(3, 1, 0, 0);
    EXPECT_FALSE(Country().IsComplete());
    top.Fixtures().SetPairing(3, 1, 1, 2);
    top.RemoveTeam(Club(8));
    top.SetLeagueSize(7);
    ASSERT_EQ(top.Check(world.Registry(), 0, 0) & kFaultTeamCount, 0u);
    EXPECT_FALSE(Country().IsComplete());
}

TEST_F(CountryFile, ResetMakesTheNationalCupCupSettingsFollowTheCupsAndCopyTakesItsGroups) {
    AddLeague(0, 0, {});
    Country().SetLeagueScript(4);
    Country().SetLevelName(0, 0, "Liga");
    Country().ResetCompetitions(true);
    EXPECT_EQ(world.Competition(MakeCompetitionId(kCountry, kLeagueType, 0)), nullptr);
    const auto* cup =
        dynamic_cast<const CDBCup*>(world.Competition(MakeCompetitionId(kCountry, kFaCupType, 0)));
    ASSERT_NE(cup, nullptr);
    EXPECT_EQ(std::tuple(cup->Setting32(), cup->ParentId(), Country().Settings().nationalCupSetting,
                         Country().LeagueScript(), Country().LevelNames(0)[0].View()),
              std::tuple(1, MakeCompetitionId(kCountry, kRootType, 0), 1, 0, ""));

    Country().ResetCompetitions(false);
    EXPECT_EQ(world.Competition(MakeCompetitionId(kCountry, kFaCupType, 0)), nullptr);
    EXPECT_EQ(Country().Settings().nationalCupSetting, 0);

    // After a script was chosen the cup settings follow the competitions.
    Country().Settings().nationalCupSetting = 2;
    Country().Settings().leagueCupSettings = 0x04030201;
    Country().Settings().superCupSetting = 5;
    world.RegisterCompetition(std::make_unique<CDBCup>(MakeCompetitionId(kCountry, kFaCupType, 0),
                                                       MakeCompetitionId(kCountry, kRootType, 0)));
    world.RegisterCompetition(std::make_unique<CDBCup>(
        MakeCompetitionId(kCountry, kLeagueCupType, 2), MakeCompetitionId(kCountry, kRootType, 0)));
    Country().RefreshDerivedData();
    const SCountrySettings& s = Country().Settings();
    EXPECT_EQ(std::tuple(s.nationalCupSetting, s.leagueCupSettings, s.superCupSetting),
              std::tuple(2, 0x00030000u, 0));

    // A copy takes the general settings, and with flag 64 the clubs.
    Prepare(other);
    CCountry& source = other.Country(kCountry);
    source.Settings().averageStrength = 88;
    source.Settings().notes = "Kopie";
    source.AddClub(2).SetName(0, "Quelle");
    CPlayer& player = other.CreatePerson(0, false);
    source.Club(Club(2))->AddPerson(player);
    AddClubs({1});
    AddPlayer(*Country().Club(Club(1)));

    Country().CopyFrom(source, 0);
    EXPECT_NE(Country().Settings().averageStrength, 88);
    Country().CopyFrom(source, countrycopy::kGeneral);
    EXPECT_EQ(Country().Settings().averageStrength, 88);
    EXPECT_NE(Country().Club(Club(1)), nullptr);

    Country().CopyFrom(source, countrycopy::kClubs);
    EXPECT_EQ(Country().Club(Club(1)), nullptr);
    ASSERT_NE(Country().Club(Club(2)), nullptr);
    EXPECT_EQ(std::tuple(Country().Club(Club(2))->Name(0), world.Persons().size(),
                         Country().Club(Club(2))->PersonIds().size()),
              std::tuple("Quelle", 1u, 1u));
}

using test::ReadFile;
using test::WriteFile;

constexpr std::uint32_t kOldVersion = MakeRecordVersion(8195, 0xFFFF);

class Stadium : public ::testing::Test {
protected:
    static std::string Write(std::initializer_list<CStadium> stadiums) {
        return test::WriteRecord([&](CKLFile& file) {
            return std::all_of(stadiums.begin(), stadiums.end(),
                               [&](const CStadium& stadium) { return stadium.Write(file); });
        });
    }

    // Every field different, so that a swapped or shifted value shows.
    static CStadium Filled() {
        CStadium stadium;
        stadium.SetType(2);
        stadium.SetName("Wiesenstadion");
        stadium.SetCity("Nebelhafen");
        stadium.SetFlags(3);
        for (int stand = 0; stand < kStandCount; ++stand) {
            stadium.SetSeats(stand, 1000 + stand);
            stadium.SetStandingPlaces(stand, 2000 + stand);
            stadium.SetVipPlaces(stand, 30 + stand);
        }
        stadium.SetSeasonTicketBlocks(0x05);
        stadium.SetAwayBlock(0x80);
        return stadium;
    }

    // type, name, city, then the fourth line and the places given, then the two masks.
    static std::string Section(const std::string& fourth, int places, const char* masks) {
        std::string text = "%INDEX%STADIUM\n5\nAlte M\374hle\nNordhafen\n" + fourth + "\n";
        for (int i = 0; i < places; ++i) {
            text += std::to_string(100 + i) + "\n";
        }
        return text + masks + "%INDEXEND%STADIUM\n";
    }
};

TEST_F(Stadium, SectionRoundTripsFieldByFieldAndByteForByte) {
    const CStadium filled = Filled();
    const CStadium small = CStadium::Template(0);
    const std::string written = Write({filled, small});
    // type, name, city, flag byte, stand 0's three numbers first; the away block of stand 7 is
    // the signed byte -128.
    EXPECT_EQ(
        written.rfind("%INDEX%STADIUM\r\n2\r\nWiesenstadion\r\nNebelhafen\r\n3\r\n1000\r\n2000\r\n"
                      "30\r\n1001\r\n",
                      0),
        0u);
    EXPECT_NE(written.find("\r\n5\r\n-128\r\n%INDEXEND%STADIUM\r\n"), std::string::npos);

    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(written));
    CStadium first;
    CStadium second;
    ASSERT_TRUE(first.Read(file));
    ASSERT_TRUE(second.Read(file));
    EXPECT_EQ(first, filled);
    EXPECT_EQ(second, small);
    EXPECT_TRUE(first.IsAwayBlock(7));
    EXPECT_EQ(Write({first, second}), written);
}

TEST_F(Stadium, OldCutAndNegativeRecordsReadAsFarAsTheyGo) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(Section("irgendein Text", 24, "3\n4\n")));
    file.SetRecordVersion(kOldVersion);
    CStadium stadium;
    stadium.SetFlags(9);
    ASSERT_TRUE(stadium.Read(file));
    EXPECT_EQ(
        std::tuple(stadium.Flags(), stadium.Name().View(), stadium.City().View(), stadium.Seats(0),
                   stadium.VipPlaces(7), stadium.SeasonTicketBlocks(), stadium.AwayBlock()),
        std::tuple(0, "Alte M\374hle", "Nordhafen", 100, 123, 3, 4));
    // Type 5 is not a type of today: it becomes the nearest one.
    EXPECT_EQ(stadium.Type(), 2);

    const std::pair<int, int> types[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {127, 2}, {-1, 0}};
    for (const auto& [old, converted] : types) {
        EXPECT_EQ(ConvertOldStadiumType(old), converted) << old;
    }
    // A record of today keeps its type and reads the fourth line as the flag byte.
    ASSERT_TRUE(file.OpenForReadFromMemory(Section("7", 24, "0\n1\n")));
    CStadium current;
    current.Read(file);
    EXPECT_EQ(std::tuple(current.Type(), current.Flags(), current.Seats(0)), std::tuple(5, 7, 100));

    // A record cut short reads zeros, keeps its texts and leaves the next intact.
    ASSERT_TRUE(file.OpenForReadFromMemory("%INDEX%STADIUM\n1\nArena\n%INDEXEND%STADIUM\n" +
                                           Write({Filled()})));
    CStadium cut = Filled();
    cut.SetCity("Altstadt");
    ASSERT_TRUE(cut.Read(file));
    EXPECT_EQ(std::tuple(cut.Type(), cut.Name().View(), cut.City().View(), cut.Flags(),
                         cut.TotalCapacity(), cut.SeasonTicketBlocks(), cut.AwayBlock()),
              std::tuple(1, "Arena", "Altstadt", 0, 0, 0, 0));

    CStadium next;
    ASSERT_TRUE(next.Read(file));
    EXPECT_EQ(next, Filled());

    // Negative places read and set as zero.
    ASSERT_TRUE(file.OpenForReadFromMemory("%INDEX%STADIUM\n0\nA\nB\n0\n-5\n7\n" +
                                           std::string("%INDEXEND%STADIUM\n")));
    next.Read(file);
    next.SetVipPlaces(3, -1);
    EXPECT_EQ(
        std::tuple(next.Seats(0), next.StandingPlaces(0), next.VipPlaces(3), next.TotalCapacity()),
        std::tuple(0, 7, 0, 7));
}

TEST_F(Stadium, TotalCapacityTemplatesAndTheBlocksOfTheStands) {
    EXPECT_EQ(
        std::tuple(CStadium().TotalCapacity(), Filled().TotalCapacity(),
                   CStadium::Template(0).TotalCapacity(), CStadium::Template(1).TotalCapacity()),
        std::tuple(0, 8 * 3030 + 3 * 28, 4 * 1000 + 8 * 500, 2 * 9650 + 2 * 5760 + 4 * 2880));
    CStadium huge;
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (int stand = 0; stand < kStandCount; ++stand) {
        huge.SetSeats(stand, kMax);
        huge.SetStandingPlaces(stand, kMax);
        huge.SetVipPlaces(stand, kMax);
    }
    EXPECT_EQ(huge.TotalCapacity(), std::int64_t{24} * kMax);

    // The templates are the two built-in stadiums.
    const CStadium small = CStadium::Template(0);
    const CStadium large = CStadium::Template(1);
    for (const CStadium* stadium : {&small, &large}) {
        EXPECT_EQ(stadium->Name().View(), "Stadion");
        EXPECT_TRUE(stadium->City().Empty());
        EXPECT_EQ(std::tuple(stadium->Type(), stadium->Flags(), stadium->SeasonTicketBlocks(),
                             stadium->AwayBlock()),
                  std::tuple(1, 1, 0x07, 0x40));
        for (int stand = 0; stand < kStandCount; ++stand) {
            EXPECT_EQ(std::tuple(stadium->IsSeasonTicketBlock(stand), stadium->IsAwayBlock(stand),
                                 stadium->VipPlaces(stand)),
                      std::tuple(stand <= 2, stand == 6, 0));
        }
    }
    EXPECT_EQ(std::tuple(small.Seats(3), small.Seats(4), small.StandingPlaces(7), large.Seats(0)),
              std::tuple(1000, 0, 500, 9650));
    EXPECT_EQ(std::tuple(large.Seats(2), large.Seats(7), large.StandingPlaces(0)),
              std::tuple(5760, 2880, 0));

    // Stands and their blocks.
    EXPECT_EQ(std::tuple(StandName(7), StandName(8), StandName(-1)),
              std::tuple("S-E Kurve", "", ""));
    CStadium stadium;
    stadium.SetSeasonTicketBlock(5, true);
    stadium.SetSeasonTicketBlock(0, true);
    stadium.SetSeasonTicketBlock(5, false);
    EXPECT_EQ(stadium.SeasonTicketBlocks(), 0x01);
    stadium.SetAwayBlock(7, true);
    EXPECT_EQ(stadium.AwayBlock(), 0x80);
    EXPECT_THROW(stadium.SetAwayBlock(8, true), std::out_of_range);
    EXPECT_THROW((void)stadium.IsSeasonTicketBlock(-1), std::out_of_range);
    EXPECT_THROW(stadium.SetSeats(8, 1), std::out_of_range);
    stadium.SetName(std::string(40, 'N'));
    EXPECT_EQ(stadium.Name().View().size(), 29u);
}

TEST(StadiumList, ReadsCountThenNameFlagAndNumberInAnyLetterCaseAsFarAsTheyGo) {
    const TempDir database;
    CStadiumList list;
    WriteFile(database / "GER" / "stadiumlist.TXT",
              "3\r\nNebel Arena\r\n1\r\n12\r\n; ein Kommentar\r\nS\374dstadion\r\n0\r\n"
              "300\r\nHafenstadion\r\n-2\r\n0\r\n");
    ASSERT_TRUE(list.Load(database.Path(), "ger"));
    EXPECT_EQ(list.Entries(), (std::vector<CStadiumList::SEntry>{{"Nebel Arena", true, 12},
                                                                 {"S\374dstadion", false, 44},
                                                                 {"Hafenstadion", true, 0}}));
    EXPECT_EQ(std::tuple(list.Templates()[0], list.Templates()[1]),
              std::tuple(CStadium::Template(0), CStadium::Template(1)));

    // A count beyond the entries takes those that exist, from the interface language's folder by
    // default.
    std::filesystem::remove_all(database / "GER");
    WriteFile(database / "ger" / "StadiumList.txt", "2000000000\nArena\n1\n");
    ASSERT_TRUE(list.Load(database.Path()));
    ASSERT_EQ(list.Entries().size(), 1u);
    // The last entry's missing number reads as 0.
    EXPECT_EQ(list.Entries()[0], (CStadiumList::SEntry{"Arena", true, 0}));

    WriteFile(database / "ger" / "StadiumList.txt", "-4\nArena\n1\n2\n");
    ASSERT_TRUE(list.Load(database.Path(), "ger"));
    EXPECT_TRUE(list.Entries().empty());

    // A missing file leaves the list empty with the templates.
    WriteFile(database / "ger" / "StadiumList.txt", "1\nArena\n1\n2\n");
    ASSERT_TRUE(list.Load(database.Path()));
    EXPECT_FALSE(list.Load(database.Path(), "eng"));
    EXPECT_TRUE(list.Entries().empty());
    EXPECT_EQ(list.Templates()[1], CStadium::Template(1));
    EXPECT_EQ(CStadiumList().Templates()[0], CStadium::Template(0));
}

}  // namespace
}  // namespace kw
