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

// Teams without country after the first are skipped, a full league stops; an empty line is no
// team.
TEST_F(NodeTextForm, TeamLinesGiveTheTeamsThatFit) {
    const std::vector<std::string> lines = Lines(NodeText(world, SmallLeague()));
    world.RemoveCompetition(kLeague0);
    const std::pair<std::string, std::vector<std::uint32_t>> cases[] = {
        {"50003,7,50004,50005", {MakeClubId(kCountry, 3), MakeClubId(kCountry, 4)}}, {"", {}}};
    for (const auto& [teams, expected] : cases) {
        ASSERT_EQ(ReadNodeLines(world, Edited(lines, "50001,50002", teams)), 1);
        EXPECT_EQ(Node<CDBLeague>(kLeague0).Teams(), expected) << teams;
        world.RemoveCompetition(kLeague0);
    }
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

TEST_F(NodeTextForm, MissingSecondCalendarCopiesTheFirst) {
    std::vector<std::string> lines = Lines(NodeText(world, SmallLeague()));
    const auto section = std::find(lines.begin(), lines.end(), "%INDEX%MATCHDAYS2");
    ASSERT_NE(section, lines.end());
    lines.erase(section, section + 3);
    ASSERT_EQ(ReadNodeLines(world, lines), 1);
    EXPECT_EQ(Node<CDBLeague>(kLeague0).CalendarValue(1, 10), 1);
}

TEST_F(NodeTextForm, CupWithoutFormatEndsAfterItsSettings) {
    auto& cup = Add<CDBCup>(MakeCompetitionId(kCountry, kLeagueCupType, 1));
    SetNames(cup);
    cup.SetSetting16(16);
    cup.SetSetting32(-32);
    cup.AddSource(kLeague0);
    cup.AddMatchday(0, 40);
    EXPECT_EQ(Lines(NodeText(world, cup)),
              (std::vector<std::string>{"DB_CUP", "{ 5, LE_CUP, 1 }",
                                        R"("Liga","League","Ligue","Liga ES","Lega")", "0", "16",
                                        "-32"}));
}

TEST_F(NodeTextForm, CupWritesCalendarsOverTheWholeYearAndItsUsedRoundSlots) {
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

TEST_F(NodeTextForm, PoolKeepsTheFirstThreeChecksAndStaysInStep) {
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
}

TEST_F(NodeTextForm, RoundWritesItsDaysAndFlags) {
    auto& round = Add<CDBRound>(MakeCompetitionId(0, kChampionsLeagueType, 1),
                                MakeCompetitionId(0, kChampionsLeagueType, 0));
    round.SetRoundSetting(9);
    round.SetRoundName(12);
    round.SetModeFlags(2 | 8);
    round.SetStateFlags(32768);
    round.AddMatchday(0, 50);
    round.AddMatchday(0, 57);
    round.AddMatchday(1, 400);
    const std::vector<std::string> lines = Lines(NodeText(world, round));
    const std::vector<std::string> expected = {
        "; --------------------------------------", "DB_ROUND", "{ 0, CHAMPIONSLEAGUE, 1 }",
        // A new node is named in every language.
        R"("Neuer Wettbewerb","Neuer Wettbewerb","Neuer )"
        R"(Wettbewerb","Neuer Wettbewerb","Neuer Wettbewerb")",
        "9", "ROUND_LAST_16", "50", "57", "400", "0", "BEG_2ND_LEG, BEG_WITH_EXTRA_TIME",
        "BEG_FINISHED", "0", "0", "0", "0", "3", "-1", "0", "0", "0"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(round.MatchdayCount(world.Registry()), 2);
}

TEST_F(NodeTextForm, RoundReadsDaysOfBothLayoutsAndDropsItsValues) {
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
}

TEST_F(NodeTextForm, OlderLeaguesCarryShortNamesAndNoTailLevel) {
    std::vector<std::string> lines = Lines(NodeText(world, SmallLeague()));
    lines.insert(lines.begin() + 3, R"("L1","L2","L3","L4","L5")");
    // The tail's level line ("0" after the base setting 3) is absent from these files.
    lines.erase(lines.end() - 4);
    world.RemoveCompetition(kLeague0);
    ASSERT_EQ(ReadNodeLines(world, lines, kCountry, nullptr, MakeRecordVersion(8197, 0xFFFF)), 1);
    const CDBLeague& league = Node<CDBLeague>(kLeague0);
    EXPECT_EQ(std::tuple(league.Names()[0].View(), league.LeagueSize(), league.Level(),
                         league.SourceCount(), world.Scripts().List(league.ScriptStart()).size()),
              std::tuple("Liga", 2, 0, 0, 0u));
}

TEST_F(NodeTextForm, InternationalFilesHaveNoCupSettingsButATailLevel) {
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

TEST_F(NodeTextForm, NodeWithoutScriptWritesZeroAndReadsATerminator) {
    const std::vector<std::string> lines = Lines(NodeText(world, SmallLeague()));
    EXPECT_EQ(lines.back(), "0");
    world.RemoveCompetition(kLeague0);
    ASSERT_EQ(ReadNodeLines(world, lines), 1);
    const CDBLeague& league = Node<CDBLeague>(kLeague0);
    const SScriptEntry* first = world.Scripts().Entry(league.ScriptStart());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->command, kEndOfEntry);
}

TEST_F(NodeTextForm, NegativeCountriesInACountryFileAreThatCountrys) {
    std::vector<std::string> lines = Lines(NodeText(world, SmallLeague()));
    lines = Edited(lines, "{ 5, LEAGUE, 0 }", "{ -1, LEAGUE, 3 }");
    lines.resize(lines.size() - 3);
    for (const char* line : {"{ -1, LEAGUE, 1 }", "0", "1", "GET_CHAMP, {-1, LEAGUE, 0}"}) {
        lines.push_back(line);
    }
    ASSERT_EQ(ReadNodeLines(world, lines, 7), 1);
    const CDBLeague& league = Node<CDBLeague>(MakeCompetitionId(7, kLeagueType, 3));
    EXPECT_EQ(league.Sources()[0], MakeCompetitionId(7, kLeagueType, 1));
    const auto script = world.Scripts().List(league.ScriptStart());
    ASSERT_EQ(script.size(), 1u);
    EXPECT_EQ(script[0].competition, MakeCompetitionId(7, kLeagueType, 0));
}

TEST_F(NodeTextForm, WritingForAnotherCountryReplacesTheCountryOfItsIds) {
    auto& pool = Add<CDBPool>(MakeCompetitionId(kCountry, kPoolType, 0));
    pool.AddChecked(kLeague0);
    pool.AddSource(kLeague0);
    pool.AddSubCompetition(MakeCompetitionId(kCountry, kRelegationType, 0));
    const std::int32_t start =
        world.Scripts().AppendList(std::vector<SScriptEntry>{{kGetChamp, kLeague0, 0}});
    pool.SetScriptStart(start);
    EXPECT_EQ(Lines(NodeText(world, pool, 9)),
              (std::vector<std::string>{
                  "DB_POOL", "{ 9, POOL, 0 }", "0", "0", "", "; how many comps to check", "1",
                  "; which comps to check", "{ 9, LEAGUE, 0 }", "0", "0", "0", "0", "3", "-1",
                  "{ 9, LEAGUE, 0 }", "{ 9, RELEGATION, 0 }", "1", "GET_CHAMP, {5, LEAGUE, 0}"}));
}

}  // namespace
}  // namespace kw
