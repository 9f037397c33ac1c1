#include <gtest/gtest.h>

#include "CompetitionTestSupport.h"
#include "competition/Competition.h"
#include "competition/ScriptEntry.h"

namespace kw {
namespace {

using test::JoinLines;
using test::Lines;
using test::WriteRecord;

constexpr std::uint32_t kLeague0 = MakeCompetitionId(5, kLeagueType, 0);

std::string WrittenList(const std::vector<SScriptEntry>& entries) {
    CScriptTable table;
    const std::int32_t start = table.AppendList(entries);
    return WriteRecord([&](CKLFile& file) { return WriteScriptList(file, table, start); });
}

std::vector<SScriptEntry> ReadList(const std::string& text, int country, CScriptTable& table) {
    CKLFile file;
    file.OpenForReadFromMemory(text);
    const std::int32_t start = ReadScriptList(file, table, country);
    const auto list = table.List(start);
    return {list.begin(), list.end()};
}

TEST(ScriptTable, ListsRunToTheirTerminatorAndEachFormWritesAndReadsItsLines) {
    CScriptTable table;
    const std::vector<SScriptEntry> one = {{kGetChamp, kLeague0, 0}};
    const std::int32_t first = table.AppendList(one);
    const std::int32_t second = table.AppendList({});
    EXPECT_EQ(table.List(first).size(), 1u);
    EXPECT_TRUE(table.List(second).empty());
    EXPECT_EQ(table.Entry(second)->command, kEndOfEntry);
    EXPECT_TRUE(table.List(-1).empty());
    EXPECT_TRUE(table.List(1000).empty());
    EXPECT_EQ(table.Entry(1000), nullptr);
    // Each form writes its lines.
    const std::vector<SScriptEntry> entries = {
        {kBuildCounter, 0, 77},
        {kBuildUefa5, 0, MakeScriptArguments(-3, 0, 0) | (9u << 16)},
        {kGetChamp, kLeague0, 0},
        {kGetUefa5Tab, 0, MakeScriptArguments(1, 2, 3)},
        {kGetTabXToY, kLeague0, MakeScriptArguments(0, 1, 4)},
        {kGetTabSureXToYZ, kLeague0, 0x030201},
        {kGetTabLevelXToY, 0, MakeScriptArguments(4, 5, 6)},
        {kGetHost, 0, 0},
        {kGetUefa5ChampOrFinalist, 1234, MakeScriptArguments(2, 0, 0)},
        {kGetInternationalTabLevelXToY, MakeCompetitionId(0, kUefaCupType, 1),
         MakeScriptArguments(7, 8, 9)},
        {kGetInternationalSpare, kLeague0, MakeScriptArguments(0, 0, 5)},
        {kGetInternationalTeams, (12u << 24) | 0x10000, 33},
    };
    // One line per entry of the short forms; the long forms give their values a line each.
    EXPECT_EQ(Lines(WrittenList(entries)),
              Lines("12\nBUILD_COUNTER, 77\nBUILD_UEFA5, -3, 9\nGET_CHAMP, {5, LEAGUE, 0}\n"
                    "GET_UEFA5_TAB, 1, 2, 3\n"
                    "GET_TAB_X_TO_Y, {5, LEAGUE, 0}\n1\n4\n"
                    "GET_TAB_SURE_X_TO_Y_Z, {5, LEAGUE, 0}\n1\n2\n3\n"
                    "GET_TAB_LEVEL_X_TO_Y\n4\n5\n6\n"
                    "GET_HOST\nGET_UEFA5_CHAMP_OR_FINALIST, 2, 1234\n"
                    "GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y, {0, UEFA_CUP, 1)\n7\n8\n9\n"
                    "GET_INTERNATIONAL_SPARE, {5, LEAGUE, 0}\n5\n"
                    "GET_INTERNATIONAL_TEAMS, 12, 33\n"));
    // Carried values survive a write and a read.
    const std::vector<SScriptEntry> carried = {
        {kBuildCounter, 0, 0x80000001u},
        {kBuildUefa5, 0, 0xFFFF0005u},
        {kGetWinner, MakeCompetitionId(5, kFaCupType, 0), 0},
        {kGetUefa5Tab, 0, MakeScriptArguments(-2, 200, 255)},
        {kGetUefa5SureUic, 0, MakeScriptArguments(3, 4, 0)},
        {kGetTabSureXToYZ, kLeague0, 0x00FF7F01},
        {kGetTabLevelIndoor, 0, MakeScriptArguments(1, 2, 3)},
        {kGetCcSpare, 0, 0},
        {kGetUefa5ChampOrFinalist, 0xFA000000u, MakeScriptArguments(6, 0, 0)},
        {kGetPool, MakeCompetitionId(5, kPoolType, 1), MakeScriptArguments(0, 1, 2)},
        {kGetNatUefa5WithHost, MakeCompetitionId(0, kQualiEcType, 2), MakeScriptArguments(0, 3, 4)},
        {kGetInternationalTabLevelXToY, MakeCompetitionId(0, kUefaCupType, 1),
         MakeScriptArguments(7, 8, 9)},
        {kGetInternationalSpare, kLeague0, MakeScriptArguments(0, 0, 5)},
        {kGetRelegatedTeams, MakeCompetitionId(5, kRelegationType, 0), 0},
        {kGetInternationalTeams, (12u << 24) | 0x10000, 33},
    };
    CScriptTable again;
    EXPECT_EQ(ReadList(WrittenList(carried), 5, again), carried);
}

// A ref closed by a parenthesis reads the same competition; a negative country is the node's.
TEST(ScriptText, RefsReadTheirCompetitionAndUnknownWordsTheGenericForm) {
    CScriptTable table;
    const auto refs =
        ReadList(JoinLines({"2", "GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y, {0, CHAMPIONSLEAGUE, 3)", "1",
                            "2", "3", "GET_CHAMP, {-1, LEAGUE, 0}"}),
                 5, table);
    ASSERT_EQ(refs.size(), 2u);
    EXPECT_EQ(refs[0].competition, MakeCompetitionId(0, kChampionsLeagueType, 3));
    EXPECT_EQ(refs[0].arguments, MakeScriptArguments(1, 2, 3));
    EXPECT_EQ(refs[1].competition, kLeague0);
    // An unknown word is stored as 31 in the generic form.
    const std::string text = JoinLines(
        {"2", "GET_SOMETHING_ELSE, {-1, POOL, 2}", "3", "4", "GET_CHAMP, {5, LEAGUE, 1}"});
    const auto list = ReadList(text, 5, table);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].command, kUnknownCommand);
    EXPECT_EQ(list[0].competition, MakeCompetitionId(5, kPoolType, 2));
    EXPECT_EQ(list[0].arguments, MakeScriptArguments(0, 3, 4));
    // The B and C lines were consumed: the next entry is read in step.
    EXPECT_EQ(list[1].command, kGetChamp);
    // Written back, the entry keeps its command and carried values.
    CScriptTable again;
    EXPECT_EQ(ReadList(WrittenList(list), 5, again), list);
}

TEST(ScriptText, ReadingAppendsATerminatorCarryingTheLastValuesAndStopsAtTheSectionEnd) {
    CScriptTable table;
    CKLFile file;
    file.OpenForReadFromMemory(JoinLines({"1", "GET_CHAMP, {5, LEAGUE, 1}"}));
    std::int32_t start = ReadScriptList(file, table, 5);
    ASSERT_EQ(table.Size(), 2u);
    EXPECT_EQ(table.Entry(start + 1)->command, kEndOfEntry);
    EXPECT_EQ(table.Entry(start + 1)->competition, MakeCompetitionId(5, kLeagueType, 1));
    // Cut or overstated lists end at the section end.
    file.OpenForReadFromMemory(JoinLines(
        {"%INDEX%X", "1000000", "GET_TAB_X_TO_Y, {5, LEAGUE, 0}", "1", "%INDEXEND%X", "7"}));
    ASSERT_TRUE(file.FindSection("X"));
    start = ReadScriptList(file, table, 5);
    ASSERT_EQ(table.List(start).size(), 1u);
    EXPECT_EQ(table.List(start)[0].arguments, MakeScriptArguments(0, 1, 0));
    EXPECT_TRUE(file.SkipToSectionEnd("X"));
    std::int32_t after = 0;
    EXPECT_TRUE(file.ReadNumber(after));
    EXPECT_EQ(after, 7);
}

}  // namespace
}  // namespace kw
