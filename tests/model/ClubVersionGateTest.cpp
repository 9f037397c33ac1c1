#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "ClubsTestSupport.h"
#include "model/Player.h"

namespace kw {
namespace {

using test::ClubsTest;
using test::JoinLines;
using test::kClub2;
using test::kClub3;
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
};

std::ostream& operator<<(std::ostream& out, const SGates& g) {
    return out << g.major << "," << g.minor;
}

// A CLUB1 record typed from the record's field order for the version of `g`. The lines a
// version skips hold values that would visibly land in the next fields if they were read.
std::string OldRecord(const SGates& g) {
    std::vector<std::string> l = {"%INDEX%CLUB1",
                                  "%INDEX%VERSION",
                                  std::to_string(MakeRecordVersion(g.major, g.minor)),
                                  "%INDEXEND%VERSION",
                                  R"("FC A","FC B","FC C","FC D","FC E")",
                                  R"("FCA","FCB","FCC","FCD","FCE")"};
    if (g.extraNameLine) {
        l.push_back("9,9,9,9,9");
    }
    l.insert(l.end(),
             {"1,2,3,0,1", "0,1,2,3,4", "2,2,2,2,2", R"("ca","cb","cc","cd","ce")", "1,1,0,0,2",
              R"("Ca","Cb","Cc","Cd","Ce")", "Fans", "Fans Zwei", "327682", "327683", "393217"});
    if (g.credit) {
        l.push_back("393215");
    }
    l.insert(l.end(),
             {"1860", "Weg 1", "089", "www.fc.de", "fans.de", "Zeitung", "Mascot", "1000000"});
    if (g.credit) {
        l.push_back("400000");
    }
    l.push_back("1");
    if (g.byteFlag) {
        l.push_back("7");
    }
    l.push_back("3");
    if (g.droppedPair) {
        l.insert(l.end(), {"111", "222"});
    }
    l.insert(l.end(), {"50000",
                       "20000",
                       "9000",
                       "10",
                       "20",
                       "30",
                       "40",
                       "50",
                       "2",
                       "60000",
                       R"("SA","SB","SC","SD","SE")",
                       "2",
                       "3",
                       "5",
                       "4",
                       "3",
                       "2",
                       "1",
                       "0",
                       "5",
                       "33",
                       "badge.tga",
                       "4",
                       "7",
                       "2",
                       "%INDEX%HIST",
                       "1901",
                       "1902",
                       "1903",
                       "1904",
                       "1905",
                       "1906",
                       "1907",
                       "1908",
                       "%INDEX%RECORD",
                       "5",
                       "0",
                       "30000",
                       "Gegner",
                       "1999",
                       "%INDEXEND%RECORD",
                       "%INDEXEND%HIST",
                       "3145736",
                       "720930",
                       "15"});
    if (g.secondPrestige) {
        l.push_back("12");
    }
    l.insert(l.end(), {"Notiz", "14", "21", "5", "77", "1", "1000", "%INDEX%PLAYER", "Hans",
                       "Meier", "%INDEXEND%PLAYER"});
    if (g.credit) {
        l.insert(l.end(), {"1", "900", "%INDEX%STAFF", "Otto", "Trainer", "1", "%INDEXEND%STAFF"});
    }
    // Kit 0 has styles beyond the current ranges; kit 1 is within them.
    l.insert(l.end(), {"%INDEX%KIT", "50", "20", "9"});
    for (int i = 0; i < 12; ++i) {
        l.push_back(std::to_string(200 + i));
    }
    l.insert(l.end(), {"7", "4", "0"});
    for (int i = 0; i < 12; ++i) {
        l.push_back(std::to_string(20 + i));
    }
    l.insert(l.end(), {"99", "%INDEXEND%KIT", "%INDEXEND%CLUB1"});
    return JoinLines(l);
}

class ClubVersionGateTest : public ClubsTest, public ::testing::WithParamInterface<SGates> {};

TEST_P(ClubVersionGateTest, GatedLinesAreReadOrSkippedAndLaterFieldsStayInPlace) {
    const SGates& g = GetParam();
    CClub& c = Club(test::kClub1);
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(OldRecord(g)));
    ASSERT_TRUE(c.Read(file, 1));

    // The line after the abbreviations is skipped: the article choices are the next lines.
    EXPECT_EQ(c.ArticleChoice(CClub::kClubArticle, 0), 1);
    EXPECT_EQ(c.ArticleChoice(CClub::kClubArticle, 2), 3);
    EXPECT_EQ(c.ArticleChoice(CClub::kFansArticle, 4), 4);
    EXPECT_EQ(c.ArticleChoice(CClub::kSecondFansArticle, 0), 2);
    EXPECT_EQ(c.NameCodes()[1].View(), "cb");
    EXPECT_EQ(c.SentenceChoice(0, 4), 2);
    EXPECT_EQ(c.SentenceChoice(1, 4), 2);
    EXPECT_EQ(c.Cities()[2].View(), "Cc");
    EXPECT_EQ(c.SecondFansName().View(), "Fans Zwei");

    // Four references from (8198,1), three before; the year follows either way.
    EXPECT_EQ(c.FanFriendship(), kClub2);
    EXPECT_THAT(c.Rivals(),
                ElementsAre(kClub3, MakeClubId(6, 1), g.credit ? test::kNationalTeam : 0u, 0u));
    EXPECT_EQ(c.FoundingYear(), 1860);
    EXPECT_EQ(c.Mascot().View(), "Mascot");

    // Without the credit line it follows the assets; the company flag comes next either way.
    EXPECT_EQ(c.InitialAssets(), 1000000);
    EXPECT_EQ(c.CreditLine(), g.credit ? 400000 : 500000);
    EXPECT_EQ(c.PublicCompany(), 1);
    EXPECT_EQ(c.ByteFlag(), g.byteFlag ? 7 : 0);
    EXPECT_EQ(c.PointsDeduction(), 3);
    // The dropped pair is skipped: the attendance figures are the next lines.
    EXPECT_EQ(c.BiggestMatchAttendance(), 50000);
    EXPECT_EQ(c.AverageAttendance(), 20000);
    EXPECT_EQ(c.SeasonTickets(), 9000);
    EXPECT_THAT(c.Statistics(), ElementsAre(10, 20, 30, 40, 50));
    EXPECT_EQ(c.StadiumNumber(), 2);
    EXPECT_EQ(c.StadiumCapacity(), 60000);
    EXPECT_EQ(c.StatusFlags(), 33);
    EXPECT_EQ(c.Colour(1), 7);

    EXPECT_EQ(c.Prestige(), 15);
    EXPECT_EQ(c.SecondPrestige(), g.secondPrestige ? 12 : 0);
    EXPECT_EQ(c.Note(), "Notiz");
    EXPECT_EQ(c.PreferredCountry(0), 14);
    EXPECT_EQ(c.YouthCountry(), 5);
    EXPECT_EQ(c.ExternalNumber(), 77);

    // Staff only from (8198,1): before, the line after the players is the kit.
    const std::vector<std::uint32_t> ids =
        g.credit ? std::vector<std::uint32_t>{1000, 900} : std::vector<std::uint32_t>{1000};
    EXPECT_EQ(c.PersonIds(), ids);
    ASSERT_EQ(c.FirstTeam().size(), 1u);
    EXPECT_EQ(c.FirstTeam()[0]->Surname().View(), "Meier");
    EXPECT_EQ(c.Staff().size(), g.credit ? 1u : 0u);

    // Old kit numbering is limited to the current ranges; colour bytes keep their values.
    const CClubKit::SKit& first = c.Kit().Kit(0);
    EXPECT_EQ(first.design, g.oldKitNumbering ? 42 : 50);
    EXPECT_EQ(first.secondStyle, g.oldKitNumbering ? 12 : 20);
    EXPECT_EQ(first.thirdStyle, g.oldKitNumbering ? 3 : 9);
    EXPECT_EQ(first.colours[0], 200);
    EXPECT_EQ(first.colours[11], 211);
    const CClubKit::SKit& second = c.Kit().Kit(1);
    EXPECT_EQ(second.design, 7);
    EXPECT_EQ(second.secondStyle, 4);
    EXPECT_EQ(second.thirdStyle, 0);
    EXPECT_EQ(second.colours[11], 31);
    EXPECT_EQ(c.Kit().SharedValue(), 99);
}

// A major below 8198 counts as its last minor, so (8196,x) is the newest record before (8197,4).
INSTANTIATE_TEST_SUITE_P(OlderVersions, ClubVersionGateTest,
                         ::testing::Values(
                             //    major minor  extra  byte  pair  credit second oldKit
                             SGates{8195, 9, true, false, true, false, false, true},
                             SGates{8196, 0, true, false, true, false, false, false},
                             SGates{8196, 9, true, false, true, false, false, false},
                             SGates{8197, 0, true, true, false, false, false, false},
                             SGates{8198, 0, false, true, false, false, false, false},
                             SGates{8198, 1, false, true, false, true, false, false},
                             SGates{8198, 2, false, true, false, true, true, false}),
                         [](const ::testing::TestParamInfo<SGates>& info) {
                             return std::to_string(info.param.major) + "_" +
                                    std::to_string(info.param.minor);
                         });

}  // namespace
}  // namespace kw
