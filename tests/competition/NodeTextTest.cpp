#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "CompetitionTestSupport.h"
#include "competition/CompetitionText.h"
#include "competition/Cup.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "competition/Round.h"
#include "competition/ScriptEntry.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

using test::kCountry;
using test::Lines;
using test::NodeText;
using test::ReadNodeLines;

constexpr std::uint32_t kLeague0 = MakeCompetitionId(kCountry, kLeagueType, 0);

class NodeTextForm : public test::CompetitionTest {
protected:
    void SetNames(CDBCompetition& node) {
        const char* names[] = {"Liga", "League", "Ligue", "Liga ES", "Lega"};
        for (int language = 0; language < kLanguageCount; ++language) {
            node.Names()[static_cast<std::size_t>(language)].Set(names[language]);
        }
    }

    // A two-team league with one meeting: one matchday, complete.
    CDBLeague& SmallLeague() {
        auto& league = Add<CDBLeague>(kLeague0);
        SetNames(league);
        league.SetLeagueSize(2);
        league.SetMeetings(1);
        league.SetLevel(0);
        league.AddTeam(MakeClubId(kCountry, 1));
        league.AddTeam(MakeClubId(kCountry, 2));
        league.AddMatchday(0, 10);
        league.Fixtures().SetPairing(0, 0, 1, 2);
        return league;
    }

    template <typename T>
    const T& Node(std::uint32_t id) {
        const CDBCompetition* node = world.Competition(id);
        EXPECT_NE(node, nullptr);
        EXPECT_NE(dynamic_cast<const T*>(node), nullptr);
        return static_cast<const T&>(*node);
    }

    // Lines of a node's text with one line replaced or dropped.
    static std::vector<std::string> Edited(std::vector<std::string> lines, std::string_view old,
                                           std::optional<std::string> replacement) {
        const auto found = std::find(lines.begin(), lines.end(), old);
        EXPECT_NE(found, lines.end()) << old;
        if (found != lines.end()) {
            if (replacement) {
                *found = *replacement;
            } else {
                lines.erase(found);
            }
        }
        return lines;
    }
};

TEST_F(NodeTextForm, LeagueWritesEveryPartInOrder) {
    CDBLeague& league = SmallLeague();
    league.SetRelegationRule(2 | 128);
    league.SetFourValues({1, 2, 3, 4});
    EXPECT_EQ(
        Lines(NodeText(world, league)),
        (std::vector<std::string>{
            "DB_LEAGUE", "{ 5, LEAGUE, 0 }", R"("Liga","League","Ligue","Liga ES","Lega")", "2",
            "0", "REL_RULE_2,REL_RULE_TAKE_POINTS", "0", "1", "ROUND_GROUP1", "10", "100", ";",
            "%INDEX%TEAMS", "50001,50002", "%INDEXEND%TEAMS", ";", "%INDEX%MATCHDAYS", "10",
            "%INDEXEND%MATCHDAYS", "%INDEX%MATCHDAYS2", "0", "%INDEXEND%MATCHDAYS2", ";",
            "%INDEX%FIXTURE", "1,2", "%INDEXEND%FIXTURE", "1", "2", "3", "4", "3", "-1", "65535",
            // common tail: base setting, level, sources, sub-competitions, script count
            "3", "0", "0", "0", "0"}));
}

TEST_F(NodeTextForm, TeamIdsAreWrittenInTheSavedNumbering) {
    world.Country(kCountry).AddClub(30);
    world.Country(kCountry).RebuildNumbering();
    auto& league = Add<CDBLeague>(kLeague0);
    league.AddTeam(MakeClubId(kCountry, 30));
    league.AddTeam(MakeClubId(kCountry, 30) | kSecondTeamFlag);
    league.AddTeam(MakeClubId(kCountry, 99));  // no such club
    const std::vector<std::string> lines = Lines(NodeText(world, league));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "50015,1050015,0"), lines.end());

    // Read back, the saved numbers are the indexes; the unknown club is no team.
    ASSERT_EQ(ReadNodeLines(world, lines), 1);
    EXPECT_EQ(Node<CDBLeague>(kLeague0).Teams(),
              (std::vector<std::uint32_t>{MakeClubId(kCountry, 21),
                                          MakeClubId(kCountry, 21) | kSecondTeamFlag}));
}

// A small league's text read back edited: teams without country after the first are skipped, a
// full league stops, an empty line is no team; a missing second calendar copies the first; the
// line "0" of no script reads as a terminator; older files carry short names and no tail level;
// negative countries in a country file are that country's.
TEST_F(NodeTextForm, EditedLeagueTextsReadBack) {
    const std::vector<std::string> lines = Lines(NodeText(world, SmallLeague()));
    const auto readBack = [&](const std::vector<std::string>& edited,
                              std::uint32_t version = kDataVersion) -> const CDBLeague& {
        world.RemoveCompetition(kLeague0);
        EXPECT_EQ(ReadNodeLines(world, edited, kCountry, nullptr, version), 1);
        return Node<CDBLeague>(kLeague0);
    };
    const std::pair<std::string, std::vector<std::uint32_t>> cases[] = {
        {"50003,7,50004,50005", {MakeClubId(kCountry, 3), MakeClubId(kCountry, 4)}}, {"", {}}};
    for (const auto& [teams, expected] : cases) {
        EXPECT_EQ(readBack(Edited(lines, "50001,50002", teams)).Teams(), expected) << teams;
    }

    EXPECT_EQ(lines.back(), "0");
    const SScriptEntry* first = world.Scripts().Entry(readBack(lines).ScriptStart());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->command, kEndOfEntry);

    std::vector<std::string> edited = lines;
    const auto section = std::find(edited.begin(), edited.end(), "%INDEX%MATCHDAYS2");
    ASSERT_NE(section, edited.end());
    edited.erase(section, section + 3);
    EXPECT_EQ(readBack(edited).CalendarValue(1, 10), 1);

    edited = lines;
    edited.insert(edited.begin() + 3, R"("L1","L2","L3","L4","L5")");
    // The tail's level line ("0" after the base setting 3) is absent from these files.
    edited.erase(edited.end() - 4);
    const CDBLeague& older = readBack(edited, MakeRecordVersion(8197, 0xFFFF));
    EXPECT_EQ(std::tuple(older.Names()[0].View(), older.LeagueSize(), older.Level(),
                         older.SourceCount(), world.Scripts().List(older.ScriptStart()).size()),
              std::tuple("Liga", 2, 0, 0, 0u));

    edited = Edited(lines, "{ 5, LEAGUE, 0 }", "{ -1, LEAGUE, 3 }");
    edited.resize(edited.size() - 3);
    for (const char* line : {"{ -1, LEAGUE, 1 }", "0", "1", "GET_CHAMP, {-1, LEAGUE, 0}"}) {
        edited.push_back(line);
    }
    ASSERT_EQ(ReadNodeLines(world, edited, 7), 1);
    const CDBLeague& other = Node<CDBLeague>(MakeCompetitionId(7, kLeagueType, 3));
    EXPECT_EQ(other.Sources()[0], MakeCompetitionId(7, kLeagueType, 1));
    const auto script = world.Scripts().List(other.ScriptStart());
    ASSERT_EQ(script.size(), 1u);
    EXPECT_EQ(script[0].competition, MakeCompetitionId(7, kLeagueType, 0));
}

// Zeros are padding; entries beyond the count or the season are dropped.
TEST_F(NodeTextForm, MatchdayLinesKeepTheDaysOfTheSeason) {
    auto& league = Add<CDBLeague>(kLeague0);
    league.SetLeagueSize(2);
    league.SetMeetings(4);
    ASSERT_EQ(league.LeagueMatchdays(), 4);
    const std::vector<std::string> lines = Lines(NodeText(world, league));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "0,0,0,0"), 2);
    world.RemoveCompetition(kLeague0);
    ASSERT_EQ(ReadNodeLines(world, Edited(lines, "0,0,0,0", "5,12,0,0")), 1);
    EXPECT_EQ(std::tuple(Node<CDBLeague>(kLeague0).CalendarValue(0, 5),
                         Node<CDBLeague>(kLeague0).CalendarValue(0, 12),
                         Node<CDBLeague>(kLeague0).EnteredMatchdays(0),
                         Node<CDBLeague>(kLeague0).EnteredMatchdays(1)),
              std::tuple(1, 2, 2, 0));

    world.RemoveCompetition(kLeague0);
    const std::vector<std::string> beyond =
        Edited(Edited(lines, "0,0,0,0", "400,-3,7,7"), "0,0,0,0", "1,2,3,4,5,6");
    ASSERT_EQ(ReadNodeLines(world, beyond), 1);
    const CDBLeague& read = Node<CDBLeague>(kLeague0);
    EXPECT_EQ(std::tuple(read.CalendarValue(0, 7), read.EnteredMatchdays(0),
                         read.EnteredMatchdays(1), read.CalendarValue(1, 5)),
              std::tuple(1, 1, 4, 0));
}

TEST_F(NodeTextForm, CupsEndAfterTheirSettingsOrWriteCalendarsAndUsedRoundSlots) {
    auto& leagueCup = Add<CDBCup>(MakeCompetitionId(kCountry, kLeagueCupType, 1));
    SetNames(leagueCup);
    leagueCup.SetSetting16(16);
    leagueCup.SetSetting32(-32);
    leagueCup.AddSource(kLeague0);
    leagueCup.AddMatchday(0, 40);
    EXPECT_EQ(Lines(NodeText(world, leagueCup)),
              (std::vector<std::string>{"DB_CUP", "{ 5, LE_CUP, 1 }",
                                        R"("Liga","League","Ligue","Liga ES","Lega")", "0", "16",
                                        "-32"}));
    // A cup with a format writes calendars over the whole year and its used round slots.
    const std::uint32_t id = MakeCompetitionId(kCountry, kFaCupType, 0);
    auto& cup = Add<CDBCup>(id);
    cup.SetFormatNumber(1);
    cup.AddMatchday(0, 100);
    cup.AddMatchday(0, 200);
    cup.AddMatchday(1, 400);
    for (int round = 0; round < CDBCup::kRoundSlots; ++round) {
        cup.SetRoundValue(0, round, 1000 * (round + 1));
    }
    const std::vector<std::string> lines = Lines(NodeText(world, cup));
    // After head and names: format, the two settings, the calendars padded to 4 matchdays, the
    // values of the slots 5 to 7 that the format's 3 rounds use, and the tail.
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.end()),
              Lines("1\n0\n0\n%INDEX%MATCHDAYS\n100,200,0,0\n%INDEXEND%MATCHDAYS\n"
                    "%INDEX%MATCHDAYS2\n400,0,0,0\n%INDEXEND%MATCHDAYS2\n"
                    "6000\n0\n0\n0\n7000\n0\n0\n0\n8000\n0\n0\n0\n"
                    "3\n-1\n0\n0\n0"));

    world.RemoveCompetition(id);
    ASSERT_EQ(ReadNodeLines(world, lines), 1);
    const CDBCup& read = Node<CDBCup>(id);
    EXPECT_EQ(std::tuple(read.CalendarValue(1, 400), read.RoundValue(0, 5), read.RoundValue(0, 0)),
              std::tuple(1, 6000, 0));
}

TEST_F(NodeTextForm, PoolKeepsTheFirstThreeChecksAndInternationalCupsReadTheirLayout) {
    ASSERT_EQ(ReadNodeLines(world, Lines("DB_POOL\n{ -1, POOL, 0 }\n0\n16\n"
                                         "POOL_SORT_BEST_TAB_POS,POOL_RESERVE_TEAMS\n"
                                         "; how many comps to check\n5\n; which comps to check\n"
                                         "{ -1, LEAGUE, 0 }\n{ -1, LEAGUE, 1 }\n{ -1, LEAGUE, 2 }\n"
                                         "{ -1, LEAGUE, 3 }\n{ -1, LEAGUE, 4 }\n"
                                         "0\n0\n0\n0\n7\n2\n{ 5, LEAGUE, 9 }\n0\n0")),
              1);
    const CDBPool& pool = Node<CDBPool>(MakeCompetitionId(kCountry, kPoolType, 0));
    EXPECT_EQ(std::tuple(pool.PoolSize(), pool.SortMode(), pool.CheckedCount(), pool.Checked()),
              std::tuple(16, 7 | 32768, 3,
                         (std::array<std::uint32_t, 3>{kLeague0, kLeague0 + 1, kLeague0 + 2})));
    EXPECT_EQ(std::tuple(pool.BaseSetting(), pool.Level(), pool.Sources()[0]),
              std::tuple(7, 2, MakeCompetitionId(kCountry, kLeagueType, 9)));
    // Written for another country, the country of its ids is replaced.
    auto& written = Add<CDBPool>(MakeCompetitionId(kCountry, kPoolType, 1));
    written.AddChecked(kLeague0);
    written.AddSource(kLeague0);
    written.AddSubCompetition(MakeCompetitionId(kCountry, kRelegationType, 0));
    const std::int32_t start =
        world.Scripts().AppendList(std::vector<SScriptEntry>{{kGetChamp, kLeague0, 0}});
    written.SetScriptStart(start);
    EXPECT_EQ(Lines(NodeText(world, written, 9)),
              (std::vector<std::string>{
                  "DB_POOL", "{ 9, POOL, 1 }", "0", "0", "", "; how many comps to check", "1",
                  "; which comps to check", "{ 9, LEAGUE, 0 }", "0", "0", "0", "0", "3", "-1",
                  "{ 9, LEAGUE, 0 }", "{ 9, RELEGATION, 0 }", "1", "GET_CHAMP, {5, LEAGUE, 0}"}));
}

TEST_F(NodeTextForm, RoundWritesItsDaysAndFlagsAndReadsBothLayouts) {
    auto& written = Add<CDBRound>(MakeCompetitionId(0, kChampionsLeagueType, 1),
                                  MakeCompetitionId(0, kChampionsLeagueType, 0));
    written.SetRoundSetting(9);
    written.SetRoundName(12);
    written.SetModeFlags(2 | 8);
    written.SetStateFlags(32768);
    written.AddMatchday(0, 50);
    written.AddMatchday(0, 57);
    written.AddMatchday(1, 400);
    const std::vector<std::string> expected = {
        "; --------------------------------------", "DB_ROUND", "{ 0, CHAMPIONSLEAGUE, 1 }",
        // A new node is named in every language.
        R"("Neuer Wettbewerb","Neuer Wettbewerb","Neuer )"
        R"(Wettbewerb","Neuer Wettbewerb","Neuer Wettbewerb")",
        "9", "ROUND_LAST_16", "50", "57", "400", "0", "BEG_2ND_LEG, BEG_WITH_EXTRA_TIME",
        "BEG_FINISHED", "0", "0", "0", "0", "3", "-1", "0", "0", "0"};
    EXPECT_EQ(Lines(NodeText(world, written)), expected);
    EXPECT_EQ(written.MatchdayCount(world.Registry()), 2);
    // Rounds read days of both layouts and drop their values.
    const std::string head = "DB_ROUND\n{ 0, UEFA_CUP, 3 }\n\"R\",\"R\",\"R\",\"R\",\"R\"\n";
    // days, mode flags, state flags, the four values, the tail
    const std::vector<std::string> current = Lines(
        head +
        "0\nROUND_SEMIFINAL\n20\n27\n385\n0\nBEG_WITH_2_LEG\n0\n11\n12\n13\n14\n3\n-1\n0\n0\n0");
    ASSERT_EQ(ReadNodeLines(world, current), 1);
    const std::uint32_t id = MakeCompetitionId(0, kUefaCupType, 3);
    {
        const CDBRound& round = Node<CDBRound>(id);
        EXPECT_EQ(std::tuple(round.CalendarValue(0, 20), round.CalendarValue(0, 27),
                             round.CalendarValue(1, 385), round.ModeFlags()),
                  std::tuple(1, 2, 1, 2u));
        EXPECT_EQ(std::tuple(round.RoundName(), round.FourValues(), round.BaseSetting()),
                  std::tuple(14, (CDBCompetition::Values{}), 3));
    }

    // short names; day 0, day 1, mode flags, second days, an ignored line, state flags, the four
    // values
    const std::vector<std::string> older =
        Lines(head +
              "\"r\",\"r\",\"r\",\"r\",\"r\"\n0\nROUND_SEMIFINAL\n20\n30\nBEG_WITH_1_LEG\n27\n0\n"
              "99\nBEG_END\n0\n0\n0\n0\n4\n0\n0\n0");
    ASSERT_EQ(ReadNodeLines(world, older, kCountry, nullptr, MakeRecordVersion(8197, 0xFFFF)), 1);
    const CDBRound& round = Node<CDBRound>(id);
    EXPECT_EQ(std::tuple(round.CalendarValue(0, 20), round.CalendarValue(0, 27),
                         round.CalendarValue(1, 30)),
              std::tuple(1, 2, 1));
    EXPECT_EQ(std::tuple(round.ModeFlags(), round.StateFlags(), round.BaseSetting()),
              std::tuple(1u, 64u, 4));
    // International files have no cup settings but a tail level.
    ASSERT_EQ(ReadNodeLines(world,
                            {"DB_CUP", "{ 0, EURO_CUP, 0 }", R"("E","E","E","E","E")", "2",
                             "%INDEX%MATCHDAYS", "30,31", "%INDEXEND%MATCHDAYS", "1", "2", "3", "4",
                             "5", "6", "0", "0", "0"},
                            kInternationalCountry, nullptr, 0),
              1);
    const CDBCup& cup = Node<CDBCup>(MakeCompetitionId(0, kEuroCupType, 0));
    EXPECT_EQ(cup.FormatNumber(), 2);
    EXPECT_EQ(cup.Setting16(), 0);
    EXPECT_EQ(
        std::tuple(cup.CalendarValue(1, 31), cup.RoundValue(3, 7), cup.BaseSetting(), cup.Level()),
        std::tuple(2, 4, 5, 6));
}

TEST(Keywords, LongestMatchingRowWinsAndValuesAreWrittenBack) {
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "ROUND_QUALI3"), 3);
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "ROUND_QUALI2"), 2);
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "ROUND_QUALI"), 1);
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "ROUND_GROUP2"), 11);
    EXPECT_EQ(LookupKeyword(CompetitionTypeKeywords(), "EURO_SUPERCUP, 1 }"), kEuroSupercupType);
    EXPECT_EQ(LookupKeyword(CompetitionTypeKeywords(), "RELEGATION"), kRelegationType);
    // Leading blanks are skipped; unknown text gives zero.
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "  \tROUND_FINAL"), 15);
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "FINAL"), 0);
    EXPECT_EQ(LookupKeyword(RoundKeywords(), ""), 0);
    EXPECT_EQ(LookupKeyword(CompetitionTypeKeywords(), " , 3 }"), 0);
    // Lists are ORed, and aliases are read.
    EXPECT_EQ(LookupKeywordList(RelegationRuleKeywords(), "REL_RULE_2,REL_RULE_TAKE_POINTS"), 130);
    EXPECT_EQ(LookupKeywordList(MatchFlagKeywords(), "BEG_WITH_2_LEG, BEG_WITH_EXTRA_TIME"), 10);
    EXPECT_EQ(LookupKeywordList(MatchFlagKeywords(), "0"), 0);
    EXPECT_EQ(LookupKeywordList(PoolSortKeywords(), "POOL_SORT_RANDOM,POOL_RESERVE_TEAMS"),
              10 | 32768);
    // Written: the enumeration, then the flags.
    EXPECT_EQ(ValueToKeywords(RelegationRuleKeywords(), 2 | 128),
              "REL_RULE_2,REL_RULE_TAKE_POINTS");
    EXPECT_EQ(ValueToKeywords(RelegationRuleKeywords(), 0), "REL_RULE_0");
    EXPECT_EQ(ValueToKeywords(PoolSortKeywords(), 0), "");
    EXPECT_EQ(ValueToKeywords(PoolSortKeywords(), 12 | 32768),
              "POOL_SORT_NORTH_SOUTH,POOL_RESERVE_TEAMS");
    // Flag bits are named by their first row.
    EXPECT_EQ(ValueToFlagNames(MatchFlagKeywords(), 0), "0");
    // Bits 0 and 1 are named by the LEG rows, never by their WITH aliases.
    EXPECT_EQ(ValueToFlagNames(MatchFlagKeywords(), 2 | 8), "BEG_2ND_LEG, BEG_WITH_EXTRA_TIME");
    EXPECT_EQ(ValueToFlagNames(MatchFlagKeywords(), 268435456u | 536870912u),
              "BEG_NO_SHUFFLE, BEG_NO_PREMIERLEAGUE_TEAMS");
    // A bit without a row has no name, so nothing is named.
    EXPECT_EQ(ValueToFlagNames(MatchFlagKeywords(), 128), "0");
    EXPECT_EQ(ValueToFlagNames(MatchFlagKeywords(), 128 | 4), "BEG_WITH_REPLAY");
}

TEST(CompetitionIdText, FormsAndParsesIdsAndLists) {
    const std::uint32_t id = MakeCompetitionId(5, kLeagueType, 3);
    EXPECT_EQ(id, 0x05010003u);
    EXPECT_EQ(FormatCompetitionId(id), "{ 5, LEAGUE, 3 }");
    EXPECT_EQ(ParseCompetitionId("{ 5, LEAGUE, 3 }", 9), id);
    EXPECT_EQ(ParseCompetitionId("GET_CHAMP, {0, UEFA_CUP, 2)", 9),
              MakeCompetitionId(0, kUefaCupType, 2));
    EXPECT_EQ(MakeCompetitionId(kInternationalCountry, kRootType, 0), kInternationalRootId);
    // A negative country is the default, and damaged ids stay in range.
    EXPECT_EQ(ParseCompetitionId("{ -1, POOL, 1 }", 7), MakeCompetitionId(7, kPoolType, 1));
    EXPECT_EQ(ParseCompetitionId("no brace", 7), 0u);
    // Oversized fields cannot spill into each other.
    const std::uint32_t damaged = ParseCompetitionId("{ 300, LEAGUE, 70000 }", 7);
    EXPECT_EQ(CompetitionType(damaged), kLeagueType);
    EXPECT_EQ(CompetitionIndex(damaged), 70000 & 0xFFFF);
    EXPECT_EQ(ParseCompetitionId("{", 7), MakeCompetitionId(0, 0, 0));
    // An empty list is "0" and reads back empty.
    EXPECT_EQ(FormatCompetitionIdList({}), "0");
    EXPECT_TRUE(ParseCompetitionIdList("0", 5, 10).empty());
    const std::vector<std::uint32_t> ids = {MakeCompetitionId(5, kLeagueType, 0),
                                            MakeCompetitionId(0, kChampionsLeagueType, 1)};
    std::string line = FormatCompetitionIdList(ids);
    EXPECT_EQ(line, "{ 5, LEAGUE, 0 },{ 0, CHAMPIONSLEAGUE, 1 }");
    EXPECT_EQ(ParseCompetitionIdList(line, 5, 10), ids);
    // Lists keep at most the limit.
    line.clear();
    for (int i = 0; i < 12; ++i) {
        line += "{ -1, LEAGUE, " + std::to_string(i) + " },";
    }
    const std::vector<std::uint32_t> limited = ParseCompetitionIdList(line, 4, 10);
    ASSERT_EQ(limited.size(), 10u);
    EXPECT_EQ(limited.back(), MakeCompetitionId(4, kLeagueType, 9));
    // A damaged id does not swallow the next one.
    EXPECT_EQ(ParseCompetitionIdList("{ 5, LEAGUE{ 5, POOL, 2 }", 5, 10).back(),
              MakeCompetitionId(5, kPoolType, 2));
}

}  // namespace
}  // namespace kw
