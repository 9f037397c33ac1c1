#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

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

std::string VersionNumber(std::uint32_t major, std::uint32_t minor) {
    return std::to_string(MakeRecordVersion(major, minor));
}

// A CLUB1 record typed line by line from the record's field order, with the lines a version
// lacks left out. Persons: `players` players with ids 1000 on, then one staff member, id 900.
std::string GoldenRecord(std::uint32_t major, std::uint32_t minor, int players = 1) {
    const std::uint32_t version = MakeRecordVersion(major, minor);
    const bool current = version >= MakeRecordVersion(8198, 3);
    const bool withCredit = version >= MakeRecordVersion(8198, 1);
    std::vector<std::string> l = {"%INDEX%CLUB1", "%INDEX%VERSION", VersionNumber(major, minor),
                                  "%INDEXEND%VERSION", R"("FC A","FC B","FC C","FC D","FC E")"};
    if (current) {
        l.push_back(R"("Alt A","Alt B","Alt C","Alt D","Alt E")");
    }
    l.push_back(R"("FCA","FCB","FCC","FCD","FCE")");
    if (current) {
        l.push_back(R"("XA","XB","XC","XD","XE")");
    }
    l.insert(l.end(),
             {"1,2,3,0,1", "0,1,2,3,4", "2,2,2,2,2", R"("ca","cb","cc","cd","ce")", "1,1,0,0,2"});
    if (current) {
        l.push_back("3,3,1,1,4");
    }
    l.insert(l.end(), {"\"M\xFCnchen\",\"Munich\",\"Munich\",\"M\xFAnich\",\"Monaco\"", "Fans",
                       "Fans Zwei", "327682", "327683", "393217"});
    if (withCredit) {
        l.push_back("393215");
    }
    if (current) {
        l.push_back("327681");
    }
    l.insert(l.end(),
             {"1860", "Weg 1", "089", "www.fc.de", "fans.de", "Zeitung", "B\xE4r", "1000000"});
    if (withCredit) {
        l.push_back("400000");
    }
    l.insert(l.end(), {"1", "7", "3", "50000", "20000", "9000", "10", "20", "30", "40", "50", "2",
                       "60000", R"("SA","SB","SC","SD","SE")", "2", "3",
                       // surroundings as stored bytes 1, 3, 2, 4, 5, 6, 7
                       "5", "4", "3", "2", "1", "0", "5", "33", "color\\badge256\\x.tga", "4", "7",
                       "2", "%INDEX%HIST", "1901", "1902", "1903", "1904", "1905", "1906", "1907",
                       "1908", "%INDEX%RECORD", "5", "0", "30000", "Gegner", "1999",
                       "%INDEXEND%RECORD", "%INDEX%RECORD", "0", "4", "100", "Feind", "2001",
                       "%INDEXEND%RECORD", "%INDEXEND%HIST", "3145736", "720930", "15"});
    l.push_back("12");  // second prestige, present in every version these tests use
    l.insert(l.end(), {"Notiz", "14", "21", "5", "77", std::to_string(players)});
    for (int i = 0; i < players; ++i) {
        l.insert(l.end(),
                 {std::to_string(1000 + i), "%INDEX%PLAYER", "Hans", "Meier", "%INDEXEND%PLAYER"});
    }
    if (withCredit) {
        l.insert(l.end(), {"1", "900", "%INDEX%STAFF", "Otto", "Trainer", "1", "%INDEXEND%STAFF"});
    }
    l.insert(l.end(), {"%INDEX%KIT", "5", "2", "3"});
    for (int i = 1; i <= 12; ++i) {
        l.push_back(std::to_string(i));
    }
    l.insert(l.end(), {"7", "4", "0"});
    for (int i = 0; i < 12; ++i) {
        l.push_back(std::to_string(20 + i));
    }
    l.insert(l.end(), {"99", "%INDEXEND%KIT", "%INDEXEND%CLUB1"});
    return JoinLines(l);
}

// Reads the golden record into the club: every field away from its default, a player and a
// staff member.
void ReadGolden(CClub& club) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(GoldenRecord(8198, 4)));
    ASSERT_TRUE(club.Read(file, 1));
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

TEST_F(ClubsTest, GoldenRecordReadsIntoTheExpectedFields) {
    CClub& c = Club(kClub1);
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(GoldenRecord(8198, 4)));
    ASSERT_TRUE(c.Read(file, 1));

    using Texts = std::vector<std::string_view>;
    EXPECT_THAT(
        (Texts{c.Names()[4].View(), c.AlternativeNames()[1].View(), c.Abbreviations()[2].View(),
               c.AlternativeAbbreviations()[3].View(), c.NameCodes()[1].View(),
               c.Cities()[0].View(), c.FansName().View(), c.SecondFansName().View()}),
        ElementsAre("FC E", "Alt B", "FCC", "XD", "cb", "M\xFCnchen", "Fans", "Fans Zwei"));
    EXPECT_THAT((Texts{c.Address().View(), c.Telephone().View(), c.Website().View(),
                       c.FanSites().View(), c.Newspaper().View(), c.Mascot().View(),
                       c.StadiumNames()[3].View(), c.BadgePath().View(), c.Note()}),
                ElementsAre("Weg 1", "089", "www.fc.de", "fans.de", "Zeitung", "B\xE4r", "SD",
                            "color\\badge256\\x.tga", "Notiz"));
    EXPECT_THAT((std::vector<int>{c.ArticleChoice(CClub::kClubArticle, 2),
                                  c.ArticleChoice(CClub::kFansArticle, 4),
                                  c.ArticleChoice(CClub::kSecondFansArticle, 0),
                                  c.SentenceChoice(0, 4), c.SentenceChoice(1, 4)}),
                ElementsAre(3, 4, 2, 2, 4));
    EXPECT_EQ(c.FanFriendship(), kClub2);
    EXPECT_THAT(c.Rivals(), ElementsAre(kClub3, MakeClubId(6, 1), kNationalTeam, kClub1));
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
                ElementsAre(1860, 1000000, 400000, 1, 7, 3, 50000, 20000, 9000, 2, 60000, 2, 3, 33,
                            4, 7, 2, 15, 12, 14, 21, 5, 77));
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
    ASSERT_EQ(c.FirstTeam().size(), 1u);
    EXPECT_EQ(c.FirstTeam()[0]->Surname().View(), "Meier");
    ASSERT_EQ(c.Staff().size(), 1u);
    EXPECT_EQ(c.Staff()[0]->Kind(), 1);
    EXPECT_EQ(c.Kit().Kit(0).design, 5);
    EXPECT_EQ(c.Kit().Kit(0).colours[11], 12);
    EXPECT_EQ(c.Kit().Kit(1).design, 7);
    EXPECT_EQ(c.Kit().Kit(1).colours[0], 20);
    EXPECT_EQ(c.Kit().SharedValue(), 99);
}

TEST_F(ClubsTest, OlderVersionsCopyWhatTheyLack) {
    CClub& c = Club(kClub1);
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(GoldenRecord(8198, 2)));
    ASSERT_TRUE(c.Read(file, 1));
    EXPECT_EQ(c.AlternativeNames(), c.Names());
    EXPECT_EQ(c.AlternativeAbbreviations(), c.Abbreviations());
    EXPECT_EQ(c.SentenceChoice(1, 4), c.SentenceChoice(0, 4));
    // Four references: the fifth is missing, and the line after them is still the year.
    EXPECT_THAT(c.Rivals(), ElementsAre(kClub3, MakeClubId(6, 1), kNationalTeam, 0u));
    EXPECT_EQ(c.FoundingYear(), 1860);
    EXPECT_EQ(c.SecondPrestige(), 12);
    EXPECT_EQ(c.Staff().size(), 1u);
    EXPECT_EQ(c.Kit().SharedValue(), 99);
}

TEST_F(ClubsTest, BadgePathsOfOlderSpellingsAreConverted) {
    std::string record = GoldenRecord(8198, 4);
    const std::string old = "color\\badge256\\x.tga";
    record.replace(record.find(old), old.size(), "color/badges180/x.tga");
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(record));
    ASSERT_TRUE(Club(kClub1).Read(file, 1));
    EXPECT_EQ(Club(kClub1).BadgePath().View(), "color\\badge256\\x.tga");
}

TEST_F(ClubsTest, ReadModesKeepStadiumAndBadge) {
    CClub& c = Club(kClub1);
    c.SetStadiumNumber(1);
    c.SetStadiumCapacity(1234);
    c.SetStadiumName(0, "Eigenes");
    c.SetBadgePath("mine.tga");
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(GoldenRecord(8198, 4)));
    ASSERT_TRUE(c.Read(file, 1, clubread::kKeepStadium | clubread::kKeepBadge));
    EXPECT_EQ(c.StadiumNumber(), 1);
    EXPECT_EQ(c.StadiumCapacity(), 1234);
    EXPECT_EQ(c.StadiumNames()[0].View(), "Eigenes");
    EXPECT_EQ(c.BadgePath().View(), "mine.tga");
    // The lines behind the skipped ones still land in their fields.
    EXPECT_THAT(c.Surroundings(), ElementsAre(5, 3, 4, 2, 1, 0, 5));
    EXPECT_EQ(c.Colour(1), 7);
}

TEST_F(ClubsTest, ReadingClampsStadiumNumberAndCapacity) {
    std::string record = GoldenRecord(8198, 4);
    record.replace(record.find("\r\n2\r\n60000\r\n"), 12, "\r\n1000\r\n150001\r\n");
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(record));
    ASSERT_TRUE(Club(kClub1).Read(file, 1));
    EXPECT_EQ(Club(kClub1).StadiumNumber(), 0);
    EXPECT_EQ(Club(kClub1).StadiumCapacity(), 150000);
}

TEST_F(ClubsTest, AtMost256PersonsAreReadAndTheRestDropped) {
    for (const int players : {255, 256}) {
        CClub& c = Club(players == 255 ? kClub1 : kClub2);
        CKLFile file;
        ASSERT_TRUE(file.OpenForReadFromMemory(GoldenRecord(8198, 4, players)));
        ASSERT_TRUE(c.Read(file, 1));
        EXPECT_EQ(c.PersonIds().size(), 256u) << players;
        // The staff member comes 257th when there are 256 players: it is dropped.
        EXPECT_EQ(c.Staff().size(), players == 255 ? 1u : 0u);
        EXPECT_EQ(c.Kit().SharedValue(), 99);
    }
    EXPECT_EQ(world.Persons().size(), 256u + 256u);
}

TEST_F(ClubsTest, HostileTextsStayInsideTheirClub) {
    CClub& first = Club(kClub1);
    first.SetName(0, "%Prozent");
    first.SetName(1, "Die \"Roten\"");
    first.SetFansName("%Fans");
    first.SetMascot(";Kommentar");
    first.SetNote(std::string(5000, 'n'));
    CClub& second = Club(kClub2);
    ReadGolden(second);
    const std::string written =
        WriteRecord([&](CKLFile& f) { return first.Write(f, 1) && second.Write(f, 2); });

    test::TempDir otherInstall;
    CWorld other(otherInstall.Path());
    SetUpWorld(other);
    CClub& firstCopy = *other.Country(test::kCountry).Club(kClub1);
    CClub& secondCopy = *other.Country(test::kCountry).Club(kClub2);
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(written));
    ASSERT_TRUE(firstCopy.Read(file, 1));
    ASSERT_TRUE(secondCopy.Read(file, 2));
    EXPECT_EQ(firstCopy.Names()[0].View(), "%Prozent");
    EXPECT_EQ(firstCopy.Names()[1].View(), "Die 'Roten'");
    EXPECT_EQ(firstCopy.FansName().View(), "%Fans");
    EXPECT_EQ(firstCopy.Mascot().View(), ";Kommentar");
    // A line holds 1023 characters; the note keeps its start.
    EXPECT_EQ(firstCopy.Note(), std::string(CKLFile::kMaxLine, 'n'));
    EXPECT_TRUE(secondCopy.HasSameData(second));
}

TEST_F(ClubsTest, StadiumNumberIsWrittenAsPositionInTheList) {
    CClub& c = Club(kClub1);
    c.SetStadiumNumber(7);
    const std::string written = WriteRecord([&](CKLFile& f) { return c.Write(f, 1); });
    CClub& back = Club(kClub2);
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(written));
    ASSERT_TRUE(back.Read(file, 1));
    EXPECT_EQ(back.StadiumNumber(), 3);
}

}  // namespace
}  // namespace kw
