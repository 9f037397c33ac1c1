#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "KLText.h"
#include "TempDir.h"
#include "TestWorld.h"
#include "document/DatabaseDocument.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/ClubFile.h"
#include "model/ClubNames.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/RecordResult.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"

namespace kw {
namespace {

constexpr int kClubCountry = 5;
constexpr std::uint32_t kClub1 = MakeClubId(kClubCountry, 1);
constexpr std::uint32_t kClub2 = MakeClubId(kClubCountry, 2);
constexpr std::uint32_t kClub3 = MakeClubId(kClubCountry, 3);
constexpr std::uint32_t kNationalTeam = MakeClubId(kClubCountry, kNationalTeamIndex);

// A world whose country 5 has clubs 1 to 3 (so compact numbers equal indexes) and three
// stadiums, country 6 a club 1, both numberings built; `other` is a second database alike.
class ClubsTest : public test::TestWorld {
protected:
    ClubsTest() {
        AddClubs(world);
        SetUpWorld(other);
    }

    static void SetUpWorld(CWorld& target) {
        Prepare(target);
        AddClubs(target);
    }

    static void AddClubs(CWorld& target) {
        CCountry& country = target.Country(kClubCountry);
        for (std::uint16_t index = 1; index <= 3; ++index) {
            country.AddClub(index);
        }
        country.Stadiums().resize(3);
        country.RebuildNumbering();
        target.Country(6).AddClub(1);
        target.Country(6).RebuildNumbering();
    }

    CClub& Club(std::uint32_t id) { return *world.Country(ClubCountry(id)).Club(id); }

    // A new person of the world in the club; kind 0 is a player of team `teamFlag`.
    CPlayer& AddPerson(CClub& club, std::int8_t kind, std::int8_t teamFlag = 0) {
        CPlayer& person = world.CreatePerson(0, false);
        person.SetKind(kind);
        person.SetTeamFlag(teamFlag);
        person.SetNationality(static_cast<std::uint8_t>(club.Country()));
        club.AddPerson(person);
        return person;
    }

    CWorld other{install.Path()};
};

using test::JoinLines;
using test::WriteRecord;
using ::testing::ElementsAre;

// Which version-gated lines a record of one version carries, written down per version rather
// than derived from the reader's own comparisons.
struct SGates {
    std::uint32_t major;
    std::uint32_t minor;
    bool extraNameLine;    // one line after the abbreviations, majors below 8198
    bool byteFlag;         // after the public company flag, from (8197,4)
    bool droppedPair;      // two lines after the points deduction, majors below 8197
    bool credit;           // credit line, fourth reference and staff, from (8198,1)
    bool secondPrestige;   // from (8198,2)
    bool oldKitNumbering;  // majors below 8196
    bool current;          // alternative names and abbreviations, fifth reference, from (8198,3)
};

std::ostream& operator<<(std::ostream& out, const SGates& g) {
    return out << g.major << "," << g.minor;
}

constexpr SGates kCurrent{8198, 4, false, true, false, true, true, false, true};

// A CLUB1 record typed line by line from the record's field order for the version of `g`. The
// lines a version skips hold values that would visibly land in the next fields if they were read.
// Persons: `players` players with ids 1000 on, then (with the credit) one staff member, id 900.
// Kit 0 has styles beyond the ranges of the old numbering.
std::string GoldenRecord(const SGates& g = kCurrent, int players = 1) {
    std::vector<std::string> l = {"%INDEX%CLUB1", "%INDEX%VERSION",
                                  std::to_string(MakeRecordVersion(g.major, g.minor)),
                                  "%INDEXEND%VERSION", R"("FC A","FC B","FC C","FC D","FC E")"};
    const auto add = [&l](bool present, std::initializer_list<std::string> lines) {
        if (present) {
            l.insert(l.end(), lines);
        }
    };
    add(g.current, {R"("Alt A","Alt B","Alt C","Alt D","Alt E")"});
    l.push_back(R"("FCA","FCB","FCC","FCD","FCE")");
    add(g.current, {R"("XA","XB","XC","XD","XE")"});
    add(g.extraNameLine, {"9,9,9,9,9"});
    add(true, {"1,2,3,0,1", "0,1,2,3,4", "2,2,2,2,2", R"("ca","cb","cc","cd","ce")", "1,1,0,0,2"});
    add(g.current, {"3,3,1,1,4"});
    add(true, {"\"S\374dhafen\",\"South Haven\",\"Port-Sud\",\"Puerto Sur\",\"Porto Sud\"", "Fans",
               "Fans Zwei", "327682", "327683", "393217"});
    add(g.credit, {"393215"});
    add(g.current, {"327681"});
    add(true, {"1887", "Weg 1", "089", "www.fc.de", "fans.de", "Zeitung", "B\xE4r", "1000000"});
    add(g.credit, {"400000"});
    l.push_back("1");
    add(g.byteFlag, {"7"});
    l.push_back("3");
    add(g.droppedPair, {"111", "222"});
    add(true, {"50000", "20000", "9000", "10", "20", "30", "40", "50", "2", "60000"});
    // stadium names, type and flags, surroundings as stored bytes 1, 3, 2, 4, 5, 6, 7, status,
    // badge, colours
    add(true, {R"("SA","SB","SC","SD","SE")", "2", "3", "5", "4", "3", "2", "1", "0", "5", "33",
               "color\\badge256\\x.tga", "4", "7", "2", "%INDEX%HIST"});
    add(true, {"1901", "1902", "1903", "1904", "1905", "1906", "1907", "1908"});
    add(true, {"%INDEX%RECORD", "5", "0", "30000", "Gegner", "1999", "%INDEXEND%RECORD"});
    add(true, {"%INDEX%RECORD", "0", "4", "100", "Feind", "2001", "%INDEXEND%RECORD"});
    add(true, {"%INDEXEND%HIST", "3145736", "720930", "15"});
    add(g.secondPrestige, {"12"});
    add(true, {"Notiz", "14", "21", "5", "77", std::to_string(players)});
    for (int i = 0; i < players; ++i) {
        add(true, {std::to_string(1000 + i), "%INDEX%PLAYER", "Hans", "Meier", "%INDEXEND%PLAYER"});
    }
    add(g.credit, {"1", "900", "%INDEX%STAFF", "Otto", "Trainer", "1", "%INDEXEND%STAFF"});
    add(true, {"%INDEX%KIT", "50", "20", "9"});
    for (int i = 0; i < 12; ++i) {
        l.push_back(std::to_string(200 + i));
    }
    add(true, {"7", "4", "0"});
    for (int i = 0; i < 12; ++i) {
        l.push_back(std::to_string(20 + i));
    }
    add(true, {"99", "%INDEXEND%KIT", "%INDEXEND%CLUB1"});
    return JoinLines(l);
}

// Reads the golden record into the club: every field away from its default, a player and a
// staff member.
void ReadGolden(CClub& club, const std::string& record = GoldenRecord(), int mode = 0) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(record));
    ASSERT_TRUE(club.Read(file, 1, mode));
}

TEST_F(ClubsTest, FullClubRoundTripsByteIdenticalWithItsPersons) {
    CClub& club = Club(kClub1);
    ReadGolden(club);
    CPlayer& striker = AddPerson(club, 0);
    striker.SetSurname("Torj\xE4ger");
    striker.SetPosition(0, position::kStriker);
    AddPerson(club, 0, 1).SetCurrentClub(kClub2);
    const std::string written = WriteRecord([&](CKLFile& f) { return club.Write(f, 1); });

    CClub& copy = *other.Country(kClubCountry).Club(kClub1);
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(written));
    ASSERT_TRUE(copy.Read(file, 1));

    EXPECT_TRUE(copy.HasSameData(club));
    // Players come first in the record, staff after them.
    EXPECT_THAT(copy.PersonIds(), ElementsAre(1000, 3, 4, 900));
    for (const std::uint32_t id : club.PersonIds()) {
        ASSERT_NE(other.Person(id), nullptr);
        EXPECT_TRUE(other.Person(id)->HasSameData(*world.Person(id))) << id;
    }
    EXPECT_EQ(copy.SecondTeam().size(), 1u);
    EXPECT_EQ(copy.Staff().size(), 1u);
    EXPECT_EQ(WriteRecord([&](CKLFile& f) { return copy.Write(f, 1); }), written);
}

class ClubVersionGateTest : public ClubsTest, public ::testing::WithParamInterface<SGates> {};

// Every field lands where the record's version puts it; what a version lacks is copied or zero.
TEST_P(ClubVersionGateTest, GatedLinesAreReadOrSkippedAndLaterFieldsStayInPlace) {
    const SGates& g = GetParam();
    CClub& c = Club(kClub1);
    ReadGolden(c, GoldenRecord(g));

    using Texts = std::vector<std::string_view>;
    EXPECT_THAT((Texts{c.Names()[4].View(), c.AlternativeNames()[1].View(),
                       c.Abbreviations()[2].View(), c.AlternativeAbbreviations()[3].View(),
                       c.NameCodes()[1].View(), c.Cities()[0].View(), c.Cities()[2].View(),
                       c.FansName().View(), c.SecondFansName().View()}),
                ElementsAre("FC E", g.current ? "Alt B" : "FC B", "FCC", g.current ? "XD" : "FCD",
                            "cb", "S\374dhafen", "Port-Sud", "Fans", "Fans Zwei"));
    EXPECT_THAT((Texts{c.Address().View(), c.Telephone().View(), c.Website().View(),
                       c.FanSites().View(), c.Newspaper().View(), c.Mascot().View(),
                       c.StadiumNames()[3].View(), c.BadgePath().View(), c.Note()}),
                ElementsAre("Weg 1", "089", "www.fc.de", "fans.de", "Zeitung", "B\xE4r", "SD",
                            "color\\badge256\\x.tga", "Notiz"));
    if (!g.current) {  // older versions copy what they lack
        EXPECT_EQ(c.AlternativeNames(), c.Names());
        EXPECT_EQ(c.AlternativeAbbreviations(), c.Abbreviations());
    }
    // Without their own line the second sentence choices are the first ones.
    EXPECT_THAT(
        (std::vector<int>{
            c.ArticleChoice(CClub::kClubArticle, 0), c.ArticleChoice(CClub::kClubArticle, 2),
            c.ArticleChoice(CClub::kFansArticle, 4), c.ArticleChoice(CClub::kSecondFansArticle, 0),
            c.SentenceChoice(0, 4), c.SentenceChoice(1, 4)}),
        ElementsAre(1, 3, 4, 2, 2, g.current ? 4 : 2));
    // Four references from (8198,1), five from (8198,3); the year follows either way.
    EXPECT_EQ(c.FanFriendship(), kClub2);
    EXPECT_THAT(c.Rivals(), ElementsAre(kClub3, MakeClubId(6, 1), g.credit ? kNationalTeam : 0u,
                                        g.current ? kClub1 : 0u));
    // Without the credit line it follows the assets; the company flag comes next either way.
    // The dropped pair is skipped: the attendance figures are the next lines.
    EXPECT_EQ(
        std::tuple(c.FoundingYear(), c.InitialAssets(), c.CreditLine(), c.PublicCompany(),
                   c.ByteFlag(), c.PointsDeduction(), c.BiggestMatchAttendance(),
                   c.AverageAttendance(), c.SeasonTickets(), c.StadiumNumber(), c.StadiumCapacity(),
                   c.StadiumType(), c.StadiumFlags(), c.StatusFlags(), c.Colour(0), c.Colour(1),
                   c.ColourStyle(), c.Prestige(), c.SecondPrestige(), c.PreferredCountry(0),
                   c.PreferredCountry(1), c.YouthCountry(), c.ExternalNumber()),
        std::tuple(1887, 1000000, g.credit ? 400000 : 500000, 1, g.byteFlag ? 7 : 0, 3, 50000,
                   20000, 9000, 2, 60000, 2, 3, 33, 4, 7, 2, 15, g.secondPrestige ? 12 : 0, 14, 21,
                   5, 77));
    EXPECT_THAT(c.Statistics(), ElementsAre(10, 20, 30, 40, 50));
    // The file's lines 5, 4, 3 are stored bytes 1, 3, 2.
    EXPECT_THAT(c.Surroundings(), ElementsAre(5, 3, 4, 2, 1, 0, 5));
    // The fifth and sixth success lines are the European and then the champions cup wins.
    std::vector<std::string> successes;
    for (int which = 0; which < CClub::kSuccessCount; ++which) {
        successes.push_back(c.Successes(which));
    }
    EXPECT_THAT(successes,
                ElementsAre("1901", "1902", "1903", "1904", "1906", "1905", "1907", "1908"));
    EXPECT_EQ(c.RecordResult(CClub::kHomeWin).Opponent().View(), "Gegner");
    EXPECT_EQ(c.RecordResult(CClub::kHomeDefeat).GoalsAgainst(), 4);
    EXPECT_EQ(c.RecordResult(CClub::kRecordAttendance), CRecordResult());
    EXPECT_EQ(c.Latitude(), MakeCoordinate(false, 48, 8));
    EXPECT_EQ(c.Longitude(), MakeCoordinate(false, 11, 34));

    // Staff only from (8198,1): before, the line after the players is the kit.
    const std::vector<std::uint32_t> ids =
        g.credit ? std::vector<std::uint32_t>{1000, 900} : std::vector<std::uint32_t>{1000};
    EXPECT_EQ(c.PersonIds(), ids);
    ASSERT_EQ(c.FirstTeam().size(), 1u);
    EXPECT_EQ(c.FirstTeam()[0]->Surname().View(), "Meier");
    ASSERT_EQ(c.Staff().size(), g.credit ? 1u : 0u);
    if (g.credit) {
        EXPECT_EQ(c.Staff()[0]->Kind(), 1);
    }

    // Old kit numbering is limited to the current ranges; colour bytes keep their values.
    const CClubKit::SKit& first = c.Kit().Kit(0);
    EXPECT_EQ(std::tuple(first.design, first.secondStyle, first.thirdStyle),
              g.oldKitNumbering ? std::tuple(42, 12, 3) : std::tuple(50, 20, 9));
    EXPECT_EQ(std::tuple(first.colours[0], first.colours[11]), std::tuple(200, 211));
    const CClubKit::SKit& second = c.Kit().Kit(1);
    EXPECT_THAT((std::vector<int>{second.design, second.secondStyle, second.thirdStyle,
                                  second.colours[0], second.colours[11], c.Kit().SharedValue()}),
                ElementsAre(7, 4, 0, 20, 31, 99));
}

// A major below 8198 counts as its last minor, so (8196,x) is the newest record before (8197,4).
INSTANTIATE_TEST_SUITE_P(Versions, ClubVersionGateTest,
                         ::testing::Values(
                             //    major minor extra  byte  pair  credit second oldKit current
                             SGates{8195, 9, true, false, true, false, false, true, false},
                             SGates{8196, 0, true, false, true, false, false, false, false},
                             SGates{8196, 9, true, false, true, false, false, false, false},
                             SGates{8197, 0, true, true, false, false, false, false, false},
                             SGates{8198, 0, false, true, false, false, false, false, false},
                             SGates{8198, 1, false, true, false, true, false, false, false},
                             SGates{8198, 2, false, true, false, true, true, false, false},
                             kCurrent),
                         [](const ::testing::TestParamInfo<SGates>& info) {
                             return std::to_string(info.param.major) + "_" +
                                    std::to_string(info.param.minor);
                         });

// The read modes keep stadium and badge; otherwise badge paths of older spellings are converted,
// stadium number and capacity clamped, and the number is written as the position in the list.
TEST_F(ClubsTest, ReadModesKeepStadiumAndBadgeAndReadingMendsThem) {
    CClub& c = Club(kClub1);
    c.SetStadiumNumber(1);
    c.SetStadiumCapacity(1234);
    c.SetStadiumName(0, "Eigenes");
    c.SetBadgePath("mine.tga");
    ReadGolden(c, GoldenRecord(), clubread::kKeepStadium | clubread::kKeepBadge);
    EXPECT_EQ(std::tuple(c.StadiumNumber(), c.StadiumCapacity(), c.StadiumNames()[0].View(),
                         c.BadgePath().View()),
              std::tuple(1, 1234, "Eigenes", "mine.tga"));
    // The lines behind the skipped ones still land in their fields.
    EXPECT_THAT(c.Surroundings(), ElementsAre(5, 3, 4, 2, 1, 0, 5));
    EXPECT_EQ(c.Colour(1), 7);

    std::string record = GoldenRecord();
    const std::string old = "color\\badge256\\x.tga";
    record.replace(record.find(old), old.size(), "color/badges180/x.tga");
    record.replace(record.find("\r\n2\r\n60000\r\n"), 12, "\r\n1000\r\n150001\r\n");
    ReadGolden(c, record);
    EXPECT_EQ(std::tuple(c.BadgePath().View(), c.StadiumNumber(), c.StadiumCapacity()),
              std::tuple("color\\badge256\\x.tga", 0, 150000));

    c.SetStadiumNumber(7);
    CClub& back = Club(kClub2);
    ReadGolden(back, WriteRecord([&](CKLFile& f) { return c.Write(f, 1); }));
    EXPECT_EQ(back.StadiumNumber(), 3);
}

TEST_F(ClubsTest, AtMost256PersonsAreReadOrAddedAndTheRestDropped) {
    for (const int players : {255, 256}) {
        CClub& c = Club(players == 255 ? kClub1 : kClub2);
        ReadGolden(c, GoldenRecord(kCurrent, players));
        EXPECT_EQ(c.PersonIds().size(), 256u) << players;
        // The staff member comes 257th when there are 256 players: it is dropped.
        EXPECT_EQ(c.Staff().size(), players == 255 ? 1u : 0u);
        EXPECT_EQ(c.Kit().SharedValue(), 99);
    }
    EXPECT_EQ(world.Persons().size(), 256u + 256u);

    // A 257th person added is refused and destroyed; one already in the list is not listed twice.
    CClub& c = Club(kClub3);
    for (int i = 0; i < CClub::kMaxPersons; ++i) {
        AddPerson(c, 0);
    }
    EXPECT_EQ(c.PersonIds().size(), 256u);
    CPlayer& extra = world.CreatePerson(0, false);
    const std::uint32_t id = extra.Id();
    EXPECT_FALSE(c.AddPerson(extra));
    EXPECT_EQ(c.PersonIds().size(), 256u);
    EXPECT_EQ(world.Person(id), nullptr);
    EXPECT_TRUE(c.AddPerson(*world.Person(c.PersonIds()[0])));
    EXPECT_EQ(c.PersonIds().size(), 256u);
}

std::vector<std::string> Surnames(const std::vector<CPlayer*>& persons) {
    std::vector<std::string> names;
    for (const CPlayer* person : persons) {
        names.emplace_back(person->Surname().View());
    }
    return names;
}

std::vector<std::uint32_t> IdsOf(const std::vector<CPlayer*>& persons) {
    std::vector<std::uint32_t> ids;
    for (const CPlayer* person : persons) {
        ids.push_back(person->Id());
    }
    return ids;
}

// Everything a load could touch: the country with its clubs and their persons, and the world's
// person table.
struct SState {
    std::string country;
    std::vector<std::uint32_t> personIds;
    std::map<std::uint32_t, std::uint32_t> idRemap;

    friend bool operator==(const SState&, const SState&) = default;
};

SState StateOf(const CWorld& world) {
    SState state{DumpWorldJson(world, kClubCountry), {}, world.IdRemap()};
    for (const auto& entry : world.Persons()) {
        state.personIds.push_back(entry.first);
    }
    std::sort(state.personIds.begin(), state.personIds.end());
    return state;
}

// The club to be replaced holds a player of each team and a staff member; the file comes from
// another database, whose club has two players and a coach.
class ClubFileTest : public ClubsTest {
protected:
    ClubFileTest() {
        CClub& source = *other.Country(kClubCountry).Club(kClub2);
        source.SetName(0, "Aus der Datei");
        source.SetStadiumNumber(2);
        source.SetStadiumCapacity(30000);
        source.SetBadgePath("color\\badge256\\quelle.tga");
        source.SetFanFriendship(kClub3);
        AddSourcePerson(source, 0, "Erster");
        AddSourcePerson(source, 0, "Zweiter");
        AddSourcePerson(source, 1, "Trainer");
        // As after a database save: the numbering is gone until the club file needs it.
        other.Country(kClubCountry).ClearNumbering();
        EXPECT_TRUE(SaveClubFile(other, source, path));

        CClub& target = Club(kClub1);
        target.SetName(0, "Ziel");
        target.SetStadiumNumber(1);
        target.SetStadiumCapacity(12000);
        target.SetBadgePath("color\\badge256\\ziel.tga");
        oldIds = {AddPerson(target, 0).Id(), AddPerson(target, 0, 1).Id(),
                  AddPerson(target, 2).Id()};
        bystander = AddPerson(Club(kClub3), 0).Id();
    }

    void AddSourcePerson(CClub& club, std::int8_t kind, const char* surname) {
        CPlayer& person = other.CreatePerson(0, false);
        person.SetKind(kind);
        person.SetSurname(surname);
        person.SetNationality(static_cast<std::uint8_t>(kClubCountry));
        club.AddPerson(person);
    }

    // Loading `data` as a club file must fail and leave everything as it was.
    void ExpectRefused(std::string_view data, const std::string& what) {
        const auto damaged = dir / "schaden.clb";
        test::WriteFile(damaged, data);
        const SState before = StateOf(world);
        EXPECT_FALSE(LoadClubFile(Club(kClub1), damaged)) << what;
        EXPECT_TRUE(StateOf(world) == before) << what;
    }

    const test::TempDir dir;
    const std::filesystem::path path = dir / "verein.clb";
    std::vector<std::uint32_t> oldIds;
    std::uint32_t bystander = 0;
};

// A cut file (the empty one too), a foreign or a missing one changes nothing; the whole file,
// even without the final line break, replaces the club and its persons.
TEST_F(ClubFileTest, ACutForeignOrMissingFileChangesNothingAWholeOneReplacesTheClub) {
    const std::string whole = test::ReadFile(path);
    ASSERT_TRUE(whole.ends_with("\r\n"));
    constexpr std::string_view kEnd = "%INDEXEND%CLUB0";
    const std::size_t endLine = whole.rfind(kEnd);
    ASSERT_NE(endLine, std::string::npos);
    // Up to the last character of the end line; beyond it the record is whole.
    const std::size_t firstWhole = endLine + kEnd.size();
    std::vector<std::size_t> cuts;
    for (std::size_t cut = 0; cut < firstWhole; cut += 37) {
        cuts.push_back(cut);
    }
    for (std::size_t line = whole.find('\n'); line < firstWhole;
         line = whole.find('\n', line + 1)) {
        cuts.push_back(line + 1);
    }
    cuts.push_back(firstWhole - 1);
    ASSERT_GT(cuts.size(), 50u);
    for (const std::size_t cut : cuts) {
        ExpectRefused(std::string_view(whole).substr(0, cut), "cut at " + std::to_string(cut));
    }
    ExpectRefused("%INDEX%COUNTRY\r\n%INDEXEND%COUNTRY\r\n", "country section");
    ExpectRefused("%INDEX%CLUB1\r\n%INDEXEND%CLUB1\r\n", "another club number");
    const SState before = StateOf(world);
    EXPECT_FALSE(LoadClubFile(Club(kClub1), dir / "fehlt.clb"));
    EXPECT_TRUE(StateOf(world) == before);

    test::WriteFile(path, whole.substr(0, whole.size() - 2));
    CClub& target = Club(kClub1);
    const std::size_t personsBefore = world.Persons().size();
    ASSERT_TRUE(LoadClubFile(target, path));

    EXPECT_EQ(
        std::tuple(target.Id(), target.Name(0), target.FanFriendship(), target.StadiumNumber(),
                   target.StadiumCapacity(), target.BadgePath().View()),
        std::tuple(kClub1, "Aus der Datei", kClub3, 1, 12000, "color\\badge256\\ziel.tga"));

    EXPECT_THAT(Surnames(target.FirstTeam()), testing::ElementsAre("Erster", "Zweiter"));
    EXPECT_TRUE(target.SecondTeam().empty());
    EXPECT_THAT(Surnames(target.Staff()), testing::ElementsAre("Trainer"));
    // The club's persons are the world's; the old ones are gone from it.
    EXPECT_EQ(world.Persons().size(), personsBefore - oldIds.size() + 3);
    for (const std::uint32_t id : target.PersonIds()) {
        EXPECT_NE(world.Person(id), nullptr);
    }
    for (const std::uint32_t id : oldIds) {
        EXPECT_EQ(world.Person(id), nullptr) << id;
    }
    EXPECT_NE(world.Person(bystander), nullptr);
    EXPECT_TRUE(Club(kClub3).HasPerson(bystander));
}

// As the main window runs it: one recorded operation, which undo and redo exchange whole, the
// replaced persons included.
TEST_F(ClubFileTest, OverwritingInADocumentIsUndoneAndRedoneWhole) {
    auto owned = std::make_unique<CWorld>(install.Path());
    SetUpWorld(*owned);
    CClub& club = *owned->Country(kClubCountry).Club(kClub1);
    std::vector<std::uint32_t> replaced;
    for (int i = 0; i < 2; ++i) {
        CPlayer& person = owned->CreatePerson(0, false);
        person.SetSurname("Alt");
        club.AddPerson(person);
        replaced.push_back(person.Id());
    }
    CDatabaseDocument document(std::move(owned));
    const auto content = [&document] {
        const SState state = StateOf(document.World());
        return std::make_pair(state.country, state.personIds);
    };
    const auto before = content();

    ASSERT_TRUE(document.Perform(
        "Verein überschreiben", SWorldScope::Countries({kClubCountry}), [this](CWorld& world) {
            return LoadClubFile(*world.Country(kClubCountry).Club(kClub1), path);
        }));
    const auto after = content();
    for (const std::uint32_t id : replaced) {
        EXPECT_EQ(document.World().Person(id), nullptr);
    }
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(content() == before);
    EXPECT_EQ(document.World().Country(kClubCountry).Club(kClub1)->PersonIds(), replaced);
    ASSERT_TRUE(document.Redo());
    EXPECT_TRUE(content() == after);
}

// The national stadium follows the country's club count.
TEST_F(ClubsTest, NormaliseBuildsTheNationalStadiumFillsAndClampsFieldsAndClearsForeignClubs) {
    CClub& team = Club(kNationalTeam);
    for (int language = 0; language < kLanguageCount; ++language) {
        team.SetCity(language, "Wien");
    }
    team.SetStatistic(2, 40);
    CCountry& country = world.Country(kClubCountry);
    struct Step {
        int clubs;
        std::int32_t capacity;
    };
    for (const Step step : {Step{7, 25000}, Step{8, 35000}, Step{10, 35000}, Step{11, 35000},
                            Step{12, 55000}, Step{39, 55000}, Step{40, 75000}}) {
        while (country.ClubCount() < step.clubs) {
            country.CreateClub();
        }
        team.SetStadiumCapacity(0);
        team.Normalise();
        EXPECT_EQ(team.StadiumCapacity(), step.capacity) << step.clubs;
    }
    std::vector<std::string_view> stadiumNames;
    for (const auto& name : team.StadiumNames()) {
        stadiumNames.push_back(name.View());
    }
    EXPECT_THAT(stadiumNames, ElementsAre("Stadion Wien", "Stadium Wien", "Wien",
                                          "Estadio Comunal de Wien", "Stadio di Wien"));
    EXPECT_THAT(team.Statistics(), ElementsAre(0, 0, 0, 0, 0));

    // Normalise fills and clamps the small fields of a club, clears foreign friends and rivals
    // (the rivals close up), brings coordinates into range and marks clubs of country 14 outside
    // number 13 as skipping the IT cup.
    CClub& c = Club(kClub1);
    c.SetName(0, "Deutscher Name");
    c.SetName(3, "Nombre muy largo del club");
    c.SetAlternativeName(3, "Otro nombre largo");
    c.SetAbbreviation(3, "");
    c.SetAlternativeAbbreviation(3, "");
    c.SetPreferredCountry(0, 207);
    c.SetYouthCountry(250);
    c.SetColour(0, 30);
    c.SetColourStyle(9);
    c.SetBadgePath("");
    c.SetSurrounding(2, 6);
    c.Kit().Kit(0).design = 50;
    c.Kit().Kit(1).secondStyle = 13;
    CPlayer& player = AddPerson(c, 0);
    player.SetNickname("?weg");
    c.SetFanFriendship(MakeClubId(6, 2));
    c.SetRival(0, MakeClubId(6, 1));
    c.SetRival(1, kClub2);
    c.SetRival(2, MakeClubId(7, 3));
    c.SetRival(3, kClub3 | kSecondTeamFlag);
    c.SetLatitude(true, 95, 5);
    c.SetStadiumCapacity(10);
    c.Normalise();

    // Language 0 is left as it is.
    EXPECT_EQ(std::tuple(c.Abbreviations()[0].View(), c.Abbreviations()[3].View(),
                         c.AlternativeAbbreviations()[3].View(), c.BadgePath().View()),
              std::tuple("", "Nombre muy ", "Otro nombre", "color\\badge256\\sw_ws.tga"));
    EXPECT_EQ(std::tuple(c.PreferredCountry(0), c.YouthCountry(), c.Colour(0), c.ColourStyle(),
                         c.Surroundings()[2], c.Kit().Kit(0).design, c.Kit().Kit(1).secondStyle),
              std::tuple(14, 14, 23, 4, 0, 42, 12));
    EXPECT_TRUE(player.Nickname().Empty());
    // An ordinary club only gets the smallest ground.
    EXPECT_EQ(std::tuple(c.FanFriendship(), c.Latitude(), c.StatusFlags(), c.StadiumCapacity(),
                         c.StadiumNames()[0].View()),
              std::tuple(0u, MakeCoordinate(true, 90, 0), 0, 8000, ""));
    EXPECT_THAT(c.Rivals(), ElementsAre(kClub2, kClub3 | kSecondTeamFlag, 0u, 0u));

    c.SetFanFriendship(kClub3);
    const auto longitude = [&](bool west, int degrees, int minutes) {
        c.SetLongitude(west, degrees, minutes);
        c.Normalise();
        const SCoordinate result = SplitCoordinate(c.Longitude());
        return std::tuple(result.negative, result.degrees, result.minutes);
    };
    EXPECT_EQ(longitude(true, 185, 10), std::tuple(true, 179, 0));
    EXPECT_EQ(longitude(true, 180, 30), std::tuple(true, 180, 30));
    EXPECT_EQ(longitude(false, 185, 10), std::tuple(false, 180, 0));
    EXPECT_EQ(longitude(false, 12, 75), std::tuple(false, 12, 59));
    EXPECT_EQ(c.FanFriendship(), kClub3);

    CClub& outside = world.Country(14).AddClub(1);
    CClub& inside = world.Country(14).AddClub(2);
    inside.SetExternalNumber(13);
    outside.Normalise();
    inside.Normalise();
    EXPECT_EQ(std::tuple(outside.StatusFlags(), inside.StatusFlags()),
              std::tuple(CClub::kNoItCupFlag, 0));
}

TEST_F(ClubsTest, FirstTeamCopyReplacesOnlyTheFirstTeamAndCopiesGetNewIds) {
    CClub& target = Club(kClub1);
    const std::uint32_t oldFirst = AddPerson(target, 0).Id();
    const std::uint32_t second = AddPerson(target, 0, 1).Id();
    const std::uint32_t staff = AddPerson(target, 3).Id();
    target.SetName(0, "Ziel");

    CClub& source = *other.Country(kClubCountry).Club(kClub2);
    source.SetName(0, "Quelle");
    std::vector<std::uint32_t> sourceFirst;
    for (int i = 0; i < 3; ++i) {
        CPlayer& player = other.CreatePerson(500 + static_cast<std::uint32_t>(i), false);
        player.SetSurname("Kopie " + std::to_string(i));
        source.AddPerson(player);
        sourceFirst.push_back(player.Id());
    }
    source.AddPerson(other.CreatePerson(600, false));
    other.Person(600)->SetTeamFlag(1);

    target.CopyFrom(source, clubcopy::kFirstTeam);
    EXPECT_EQ(IdsOf(target.FirstTeam()), sourceFirst);
    for (const std::uint32_t id : sourceFirst) {
        ASSERT_NE(world.Person(id), nullptr);
        EXPECT_TRUE(world.Person(id)->HasSameData(*other.Person(id)));
    }
    EXPECT_EQ(world.Person(oldFirst), nullptr);
    EXPECT_EQ(IdsOf(target.SecondTeam()), std::vector<std::uint32_t>{second});
    EXPECT_EQ(IdsOf(target.Staff()), std::vector<std::uint32_t>{staff});
    EXPECT_EQ(world.Person(600), nullptr);
    EXPECT_EQ(target.Name(0), "Ziel");

    target.CopyFrom(source, clubcopy::kGeneral);
    EXPECT_EQ(target.Name(0), "Quelle");
    EXPECT_EQ(target.FirstTeam().size(), 3u);

    // Within one world the duplicates get new ids.
    CClub& neighbour = Club(kClub3);
    const std::uint32_t original = AddPerson(neighbour, 0).Id();
    target.CopyFrom(neighbour, clubcopy::kFirstTeam | clubcopy::kSecondTeam | clubcopy::kStaff);
    ASSERT_EQ(target.PersonIds().size(), 1u);
    EXPECT_NE(target.PersonIds()[0], original);
    EXPECT_NE(world.Person(original), nullptr);
    EXPECT_EQ(neighbour.PersonIds(), std::vector<std::uint32_t>{original});
}

TEST_F(ClubsTest, ClubStrengthNamesOfNewClubsAndSecondTeamsAndTheArticleChoices) {
    CClub& c = Club(kClub1);
    EXPECT_EQ(ClubStrength(c), 0.0);
    // A strong striker and a weak goalkeeper.
    for (const auto& [where, ability] :
         {std::pair{position::kStriker, 99}, std::pair{position::kGoalkeeper, 0}}) {
        CPlayer& player = AddPerson(c, 0);
        player.SetPosition(0, where);
        for (int i = 0; i < kAbilityCount; ++i) {
            player.SetAbility(i, ability);
        }
    }
    AddPerson(c, 0, 1).SetPosition(0, position::kStriker);
    AddPerson(c, 1);
    EXPECT_DOUBLE_EQ(ClubStrength(c), 50.0);

    // Names of new clubs and second teams.
    CClub& first = *world.Country(14).CreateClub();
    CClub& second = *world.Country(14).CreateClub();
    const int number = std::stoi(std::string(first.Name(0).substr(5)));
    EXPECT_EQ(first.Name(0), "Club " + std::to_string(number));
    EXPECT_EQ(second.AlternativeNames()[4].View(), "Club " + std::to_string(number + 1));
    EXPECT_EQ(second.Abbreviations()[2].View(), "Club " + std::to_string(number + 1));
    EXPECT_EQ(second.YouthCountry(), 14);

    struct Case {
        int country;
        const char* name;
    };
    for (const Case c : {Case{14, "Lumbra (RES)"}, Case{45, "Lumbra (B)"}, Case{21, "Lumbra 2"},
                         Case{5, "Lumbra 2"}}) {
        CClub club(world, MakeClubId(c.country, 1));
        club.SetName(2, "Lumbra");
        EXPECT_EQ(club.SecondTeamName(2), c.name);
    }

    // The article and sentence buttons cycle.
    c.SetArticleChoice(CClub::kFansArticle, 0, 3);
    c.NextArticle(CClub::kFansArticle, 0);
    EXPECT_EQ(c.ArticleChoice(CClub::kFansArticle, 0), 0);
    c.SetSentenceChoice(1, 1, 0);
    c.NextSentence(1);
    EXPECT_EQ(c.SentenceChoice(1, 1), 1);
    c.NextSentence(1);
    EXPECT_EQ(c.SentenceChoice(0, 1), 0);
}

// The CSV export writes the surroundings' level names; only the windows' names follow the
// interface language.
TEST(ClubSurroundings, LevelNamesForFilesStayGermanUnderATranslator) {
    InstallResourceTranslator([](std::string_view context, std::string_view text) {
        return context == "kw::ClubNames" ? "EN " + std::string(text) : std::string(text);
    });
    EXPECT_EQ(SurroundingLevelName(1, 2),
              "Gro\xDF"
              "er Laden");
    EXPECT_EQ(SurroundingLevelShownName(1, 2),
              "EN Gro\xDF"
              "er Laden");
    EXPECT_EQ(SurroundingName(6), "EN Forschung");
    EXPECT_EQ(SurroundingLevelShownName(7, 0), "");
    InstallResourceTranslator({});
    EXPECT_EQ(SurroundingLevelShownName(1, 2), SurroundingLevelName(1, 2));
}

// Dense in id order, the second-team flag kept; national teams pass unchanged, also for a
// country whose table was never built. Deleted and unknown clubs become zero.
TEST_F(ClubsTest, ClubsAreNumberedDenselyInIdOrderAndDeletedOnesBecomeZero) {
    CCountry& country = world.Country(8);
    for (std::uint16_t index : {3, 7, 9}) {
        country.AddClub(index);
    }
    country.RebuildNumbering();
    EXPECT_EQ(world.ExportClubId(MakeClubId(8, 3)), MakeClubId(8, 1));
    EXPECT_EQ(world.ExportClubId(MakeClubId(8, 7)), MakeClubId(8, 2));
    EXPECT_EQ(world.ExportClubId(MakeClubId(8, 9)), MakeClubId(8, 3));
    EXPECT_EQ(world.ExportClubId(MakeClubId(8, 7) | kSecondTeamFlag),
              MakeClubId(8, 2) | kSecondTeamFlag);
    const std::uint32_t nationalTeam = MakeClubId(8, kNationalTeamIndex);
    EXPECT_EQ(world.ExportClubId(nationalTeam), nationalTeam);
    EXPECT_EQ(world.ExportClubId(MakeClubId(9, kNationalTeamIndex)), MakeClubId(9, 0xFFFF));

    country.RemoveClub(MakeClubId(8, 7));
    country.RebuildNumbering();
    EXPECT_EQ(world.ExportClubId(MakeClubId(8, 9)), MakeClubId(8, 2));
    for (const std::uint32_t gone : {MakeClubId(8, 7), MakeClubId(10, 1), 0u, MakeClubId(250, 1)}) {
        EXPECT_EQ(world.ExportClubId(gone), 0u) << gone;
    }

    // The national team cannot be removed; new clubs fill the gaps.
    country.RemoveClub(nationalTeam);
    EXPECT_NE(country.Club(nationalTeam), nullptr);
    EXPECT_EQ(country.CreateClub()->Id(), MakeClubId(8, 1));
    EXPECT_EQ(country.CreateClub()->Id(), MakeClubId(8, 2));
    EXPECT_EQ(country.CreateClub()->Id(), MakeClubId(8, 4));
}

std::string WriteRecords(const std::vector<CRecordResult>& records) {
    return WriteRecord([&](CKLFile& file) {
        return std::all_of(records.begin(), records.end(),
                           [&](const CRecordResult& record) { return record.Write(file); });
    });
}

CRecordResult MakeRecord(std::int8_t goalsFor, std::int8_t goalsAgainst, std::int32_t attendance,
                         std::string_view opponent, std::uint16_t season) {
    CRecordResult record;
    record.SetGoalsFor(goalsFor);
    record.SetGoalsAgainst(goalsAgainst);
    record.SetAttendance(attendance);
    record.SetOpponent(opponent);
    record.SetSeason(season);
    return record;
}

// Negative goals and opponents that look like markers or comments survive too.
TEST(RecordResultSection, WritesTheFiveValuesRoundTripsAndReadsZerosWhenCut) {
    const std::vector<CRecordResult> records = {
        MakeRecord(9, 0, 0, "FC S\374dstadt", 1978), MakeRecord(0, 0, 81234, "FC Wolkenberg", 2004),
        MakeRecord(-3, 127, -1, "%INDEXEND%RECORD", 65535), MakeRecord(1, 2, 3, ";Kommentar", 0)};
    const std::string written = WriteRecords(records);
    EXPECT_EQ(written.substr(0, written.find("%INDEX%RECORD", 1)),
              "%INDEX%RECORD\r\n9\r\n0\r\n0\r\nFC S\374dstadt\r\n1978\r\n%INDEXEND%RECORD\r\n");

    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(written));
    std::vector<CRecordResult> read(records.size());
    for (CRecordResult& record : read) {
        ASSERT_TRUE(record.Read(file));
    }
    EXPECT_EQ(read, records);
    EXPECT_EQ(WriteRecords(read), written);

    // A record cut short or missing reads zeros and keeps the opponent.
    ASSERT_TRUE(
        file.OpenForReadFromMemory("%INDEX%RECORD\n4\n2\n%INDEXEND%RECORD\n"
                                   "%INDEX%RECORD\n1\n0\n500\nNebelhafen\n1999\n"
                                   "%INDEXEND%RECORD\n"));
    CRecordResult cut = MakeRecord(7, 7, 99, "Alt", 5);
    ASSERT_TRUE(cut.Read(file));
    EXPECT_EQ(std::tuple(cut.GoalsFor(), cut.GoalsAgainst(), cut.Attendance(),
                         cut.Opponent().View(), cut.Season()),
              std::tuple(4, 2, 0, "Alt", 0));

    CRecordResult next;
    ASSERT_TRUE(next.Read(file));
    EXPECT_EQ(next, MakeRecord(1, 0, 500, "Nebelhafen", 1999));

    // A missing section zeroes the numbers and keeps the opponent.
    ASSERT_TRUE(file.OpenForReadFromMemory("%INDEX%DATE\n1\n1\n2000\n%INDEXEND%DATE\n"));
    next = MakeRecord(3, 1, 10, "Alt", 1990);
    EXPECT_FALSE(next.Read(file));
    EXPECT_EQ(next, MakeRecord(0, 0, 0, "Alt", 0));
}

TEST(RecordResultEditor, FormsTheTextsAndParsesWhatIsTypedWithinTheLimits) {
    const auto texts = [](const CRecordResult& r) {
        return std::tuple(r.ScoreText(), r.AttendanceText(), r.SeasonText());
    };
    EXPECT_EQ(texts(MakeRecord(3, 1, 45000, "", 1998)), std::tuple("3:1", "45000", "1998"));
    EXPECT_EQ(texts(MakeRecord(0, 2, 0, "", 0)), std::tuple("0:2", "", "0"));
    EXPECT_EQ(texts(MakeRecord(0, 0, 0, "", 1998)), std::tuple("", "", "1998"));

    CRecordResult record;
    record.SetFromEditor("5:2", "Wolkenberg", "1987");
    EXPECT_EQ(record, MakeRecord(5, 2, 0, "Wolkenberg", 1987));
    record.SetFromEditor(" 4 : 3 ", "", " 2001x");
    EXPECT_EQ(record, MakeRecord(4, 3, 0, "", 2001));
    // No colon: the one number is the first; nothing typed is no result.
    record.SetFromEditor("7", "", "");
    EXPECT_EQ(record.ScoreText(), "7:0");
    record.SetFromEditor("", "", "");
    EXPECT_EQ(record, CRecordResult());
    // The score round-trips through its own text.
    const CRecordResult shown = MakeRecord(12, 11, 0, "X", 1);
    record.SetFromEditor(shown.ScoreText(), "X", shown.SeasonText());
    EXPECT_EQ(record, shown);

    // Typed numbers are limited instead of wrapping: 300 would wrap to 44 in the goal byte.
    record.SetFromEditor("300:-5", std::string(40, 'O'), "70000");
    EXPECT_EQ(record, MakeRecord(127, 0, 0, std::string(29, 'O'), 65535));

    record.SetAttendanceFromEditor("99999999999", "Gast", "2005");
    EXPECT_EQ(record, MakeRecord(127, 0, std::numeric_limits<std::int32_t>::max(), "Gast", 2005));
    record.SetAttendanceFromEditor("-500", "", "");
    EXPECT_EQ(record.AttendanceText(), "");
    record.SetAttendanceFromEditor("61000", "", "");
    EXPECT_EQ(record.AttendanceText(), "61000");
}

}  // namespace
}  // namespace kw
