#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "ClubsTestSupport.h"
#include "model/Player.h"

namespace kw {
namespace {

using test::ClubsTest;
using test::JoinLines;
using test::kClub1;
using test::kClub2;
using test::kClub3;
using test::kNationalTeam;
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

    test::TempDir otherInstall;
    CWorld other(otherInstall.Path());
    SetUpWorld(other);
    CClub& copy = *other.Country(test::kCountry).Club(kClub1);
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
    EXPECT_THAT((std::vector<std::int32_t>{c.FoundingYear(),
                                           c.InitialAssets(),
                                           c.CreditLine(),
                                           c.PublicCompany(),
                                           c.ByteFlag(),
                                           c.PointsDeduction(),
                                           c.BiggestMatchAttendance(),
                                           c.AverageAttendance(),
                                           c.SeasonTickets(),
                                           c.StadiumNumber(),
                                           c.StadiumCapacity(),
                                           c.StadiumType(),
                                           c.StadiumFlags(),
                                           c.StatusFlags(),
                                           c.Colour(0),
                                           c.Colour(1),
                                           c.ColourStyle(),
                                           c.Prestige(),
                                           c.SecondPrestige(),
                                           c.PreferredCountry(0),
                                           c.PreferredCountry(1),
                                           c.YouthCountry(),
                                           c.ExternalNumber()}),
                ElementsAre(1887, 1000000, g.credit ? 400000 : 500000, 1, g.byteFlag ? 7 : 0, 3,
                            50000, 20000, 9000, 2, 60000, 2, 3, 33, 4, 7, 2, 15,
                            g.secondPrestige ? 12 : 0, 14, 21, 5, 77));
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
    EXPECT_EQ(first.design, g.oldKitNumbering ? 42 : 50);
    EXPECT_EQ(first.secondStyle, g.oldKitNumbering ? 12 : 20);
    EXPECT_EQ(first.thirdStyle, g.oldKitNumbering ? 3 : 9);
    EXPECT_EQ(first.colours[0], 200);
    EXPECT_EQ(first.colours[11], 211);
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

TEST_F(ClubsTest, ReadModesKeepStadiumAndBadge) {
    CClub& c = Club(kClub1);
    c.SetStadiumNumber(1);
    c.SetStadiumCapacity(1234);
    c.SetStadiumName(0, "Eigenes");
    c.SetBadgePath("mine.tga");
    ReadGolden(c, GoldenRecord(), clubread::kKeepStadium | clubread::kKeepBadge);
    EXPECT_EQ(c.StadiumNumber(), 1);
    EXPECT_EQ(c.StadiumCapacity(), 1234);
    EXPECT_EQ(c.StadiumNames()[0].View(), "Eigenes");
    EXPECT_EQ(c.BadgePath().View(), "mine.tga");
    // The lines behind the skipped ones still land in their fields.
    EXPECT_THAT(c.Surroundings(), ElementsAre(5, 3, 4, 2, 1, 0, 5));
    EXPECT_EQ(c.Colour(1), 7);
}

// Badge paths of older spellings are converted; stadium number and capacity are clamped.
TEST_F(ClubsTest, ReadingMendsBadgePathAndStadium) {
    std::string record = GoldenRecord();
    const std::string old = "color\\badge256\\x.tga";
    record.replace(record.find(old), old.size(), "color/badges180/x.tga");
    record.replace(record.find("\r\n2\r\n60000\r\n"), 12, "\r\n1000\r\n150001\r\n");
    ReadGolden(Club(kClub1), record);
    EXPECT_EQ(Club(kClub1).BadgePath().View(), "color\\badge256\\x.tga");
    EXPECT_EQ(Club(kClub1).StadiumNumber(), 0);
    EXPECT_EQ(Club(kClub1).StadiumCapacity(), 150000);
}

TEST_F(ClubsTest, AtMost256PersonsAreReadAndTheRestDropped) {
    for (const int players : {255, 256}) {
        CClub& c = Club(players == 255 ? kClub1 : kClub2);
        ReadGolden(c, GoldenRecord(kCurrent, players));
        EXPECT_EQ(c.PersonIds().size(), 256u) << players;
        // The staff member comes 257th when there are 256 players: it is dropped.
        EXPECT_EQ(c.Staff().size(), players == 255 ? 1u : 0u);
        EXPECT_EQ(c.Kit().SharedValue(), 99);
    }
    EXPECT_EQ(world.Persons().size(), 256u + 256u);
}

TEST_F(ClubsTest, StadiumNumberIsWrittenAsPositionInTheList) {
    CClub& c = Club(kClub1);
    c.SetStadiumNumber(7);
    CClub& back = Club(kClub2);
    ReadGolden(back, WriteRecord([&](CKLFile& f) { return c.Write(f, 1); }));
    EXPECT_EQ(back.StadiumNumber(), 3);
}

}  // namespace
}  // namespace kw
