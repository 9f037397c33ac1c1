#include <gtest/gtest.h>

#include <algorithm>

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

using test::JoinLines;
using test::kCountry;
using test::kRoot;
using test::Lines;
using test::WriteRecord;

constexpr std::uint32_t League(int index) {
    return MakeCompetitionId(kCountry, kLeagueType, index);
}
constexpr std::uint32_t kRelegation = MakeCompetitionId(kCountry, kRelegationType, 0);
constexpr std::uint32_t kPool = MakeCompetitionId(kCountry, kPoolType, 0);
constexpr std::uint32_t kNationalCup = MakeCompetitionId(kCountry, kFaCupType, 0);
constexpr std::uint32_t kLeagueCup = MakeCompetitionId(kCountry, kLeagueCupType, 0);
constexpr std::uint32_t kSupercup = MakeCompetitionId(kCountry, kSupercupType, 0);

std::int32_t Script(CWorld& world, std::vector<SScriptEntry> entries) {
    return world.Scripts().AppendList(entries);
}

// A country with two leagues, a relegation cup, a level pool and its three cups, one without a
// format; every kind of value is set to something other than its default.
void BuildCountry(CWorld& world) {
    using test::AddNode;
    auto& top = AddNode<CDBLeague>(world, League(0));
    top.Names()[0].Set("Erste Liga");
    top.Names()[4].Set("Prima Lega");
    top.SetLeagueSize(4);
    top.SetLevel(0);
    top.SetRelegationRule(2 | 128);
    top.SetLeagueSetting(1);
    top.SetSpectatorMultiplier(20);
    top.SetTransferMultiplier(150);
    top.SetSigningFlags(5);
    top.SetLoanRules1(0x12345678);
    top.SetLoanRules2(0x0ABC0123);
    top.SetFourValues({100000, -5, 7, 0});
    top.SetBaseSetting(5);
    for (std::uint16_t club = 1; club <= 4; ++club) {
        top.AddTeam(MakeClubId(kCountry, club));
    }
    for (int day = 10; day <= 60; day += 10) {
        top.AddMatchday(0, day);
        top.AddMatchday(1, day + 3);
    }
    for (int row = 0; row < top.Fixtures().Rows(); ++row) {
        top.Fixtures().SetPairing(row, 0, 1, static_cast<std::uint8_t>(row % 3 + 2));
        top.Fixtures().SetPairing(row, 1, 4, 3);
    }
    top.AddSubCompetition(kRelegation);
    top.SetScriptStart(Script(world, {{kGetHost, 0, 0}}));

    auto& second = AddNode<CDBLeague>(world, League(1));
    second.SetLeagueSize(3);
    second.SetMeetings(2);
    second.SetLevel(1);
    second.AddTeam(MakeClubId(kCountry, 5));
    second.AddTeam(MakeClubId(kCountry, 1) | kSecondTeamFlag);
    second.AddSource(League(0));
    second.AddMatchday(0, 100);
    second.AddMatchday(0, 364);

    auto& relegation = AddNode<CDBCup>(world, kRelegation);
    relegation.SetFormatNumber(2);
    relegation.AddMatchday(0, 70);
    relegation.AddMatchday(0, 77);
    relegation.AddSource(League(0));
    relegation.AddSource(League(1));
    relegation.SetScriptStart(
        Script(world, {{kGetTabXToY, League(0), MakeScriptArguments(0, 4, 1)},
                       {kGetTabXToY, League(1), MakeScriptArguments(0, 1, 1)}}));

    auto& pool = AddNode<CDBPool>(world, kPool);
    pool.SetPoolSize(7);
    pool.SetSortMode(7 | 32768);
    pool.AddChecked(League(0));
    pool.AddChecked(League(1));
    pool.SetLevel(1);
    pool.SetScriptStart(Script(world, {{kGetTabXToY, League(1), MakeScriptArguments(0, 1, 3)}}));

    auto& cup = AddNode<CDBCup>(world, kNationalCup);
    cup.Names()[1].Set("Cup");
    cup.SetFormatNumber(1);
    cup.SetSetting16(2);
    cup.SetSetting32(-9);
    cup.SetLevel(0);
    cup.AddSource(League(0));
    for (int day : {30, 120, 127, 200}) {
        cup.AddMatchday(0, day);
    }
    cup.AddMatchday(1, 400);
    for (int round = 5; round < 8; ++round) {
        cup.SetRoundValue(0, round, round * 1000);
        cup.SetRoundValue(1, round, round * 10);
    }
    cup.SetScriptStart(Script(world, {{kGetChamp, League(0), 0}, {kBuildCounter, 0, 99}}));

    auto& leagueCup = AddNode<CDBCup>(world, kLeagueCup);
    leagueCup.SetSetting16(1);

    auto& supercup = AddNode<CDBCup>(world, kSupercup);
    supercup.SetFormatNumber(2);
    supercup.AddMatchday(0, 5);
    supercup.AddMatchday(0, 8);
    supercup.AddMatchday(1, 6);
    supercup.AddMatchday(1, 9);
}

std::vector<SScriptEntry> ScriptOf(const CWorld& world, const CDBCompetition& node) {
    const auto list = world.Scripts().List(node.ScriptStart());
    return {list.begin(), list.end()};
}

int ReadText(CWorld& world, const std::string& text, int country = kCountry,
             SDayOccupancy* occupancy = nullptr) {
    CKLFile file;
    file.OpenForReadFromMemory(text);
    return ReadCountryCompetitions(file, world.Registry(), country, occupancy);
}

class CountryList : public test::CompetitionTest {
protected:
    CountryList() {
        test::PrepareWorld(other);
        BuildCountry(world);
    }

    std::string Written(const CWorld& from, int country, int exportCountry = kOwnCountry) {
        return WriteRecord([&](CKLFile& file) {
            return WriteCountryCompetitions(file, from.Registry(), country, exportCountry);
        });
    }

    CWorld other;
};

TEST_F(CountryList, NodesAreListedInTheFileOrder) {
    test::AddNode<CDBPool>(world, MakeCompetitionId(kCountry, kPoolType, 1));
    // A gap ends a run: league 3 is not reached.
    test::AddNode<CDBLeague>(world, League(3));
    EXPECT_EQ(CountryCompetitionIds(world.Registry(), kCountry),
              (std::vector<std::uint32_t>{League(0), League(1), kRelegation, kPool,
                                          MakeCompetitionId(kCountry, kPoolType, 1), kNationalCup,
                                          kLeagueCup, kSupercup}));
}

// Read back, the nodes mark their days: leagues are group rounds (10); the cups' round name is
// 0, so they mark nothing. A difference in any part shows in the comparison.
TEST_F(CountryList, WrittenAndReadBackEqualNodeByNodeAndWriteTheSameText) {
    const std::string text = Written(world, kCountry);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "7");
    EXPECT_EQ(lines[1], "%INDEX%COMP0");

    SDayOccupancy occupancy;
    ASSERT_EQ(ReadText(other, text, kCountry, &occupancy), 7);
    for (const std::uint32_t id : CountryCompetitionIds(world.Registry(), kCountry)) {
        SCOPED_TRACE(FormatCompetitionId(id));
        const CDBCompetition* original = world.Competition(id);
        const CDBCompetition* read = other.Competition(id);
        ASSERT_NE(read, nullptr);
        EXPECT_TRUE(read->HasSameData(*original));
        EXPECT_EQ(read->ParentId(), kRoot);
        EXPECT_EQ(ScriptOf(other, *read), ScriptOf(world, *original));
    }
    EXPECT_EQ(std::tuple(Written(other, kCountry), int{occupancy.tables[0][10]},
                         int{occupancy.tables[1][13]}, int{occupancy.tables[0][120]},
                         int{occupancy.tables[0][364]}),
              std::tuple(text, 10, 10, 0, 10));

    auto& league = static_cast<CDBLeague&>(*other.Competition(League(0)));
    league.Fixtures().SetPairing(2, 1, 9, 9);
    EXPECT_FALSE(league.HasSameData(*world.Competition(League(0))));
    auto& cup = static_cast<CDBCup&>(*other.Competition(kNationalCup));
    cup.SetRoundValue(2, 7, 1);
    EXPECT_FALSE(cup.HasSameData(*world.Competition(kNationalCup)));
    EXPECT_FALSE(cup.HasSameData(*world.Competition(kSupercup)));
    EXPECT_FALSE(cup.HasSameData(*world.Competition(League(1))));
}

TEST_F(CountryList, WrittenForAnotherCountryReadsBackUnderIt) {
    const std::string text = Written(world, kCountry, 9);
    ASSERT_EQ(ReadText(other, text, 9), 7);
    const auto* second = other.Competition(MakeCompetitionId(9, kLeagueType, 1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Sources()[0], MakeCompetitionId(9, kLeagueType, 0));
    EXPECT_EQ(second->ParentId(), MakeCompetitionId(9, kRootType, 0));
    const auto& pool =
        static_cast<const CDBPool&>(*other.Competition(MakeCompetitionId(9, kPoolType, 0)));
    EXPECT_EQ(pool.Checked()[1], MakeCompetitionId(9, kLeagueType, 1));
    EXPECT_EQ(other.Competition(kNationalCup), nullptr);
}

TEST_F(CountryList, MissingSectionsAreSkipped) {
    std::string text = Written(world, kCountry);
    const std::size_t begin = text.find("%INDEX%COMP1\r\n");
    const std::string end = "%INDEXEND%COMP1\r\n";
    const std::size_t last = text.find(end);
    ASSERT_NE(begin, std::string::npos);
    ASSERT_NE(last, std::string::npos);
    text.erase(begin, last + end.size() - begin);
    EXPECT_EQ(ReadText(other, text), 6);
    EXPECT_EQ(other.Competition(League(1)), nullptr);
    EXPECT_NE(other.Competition(kSupercup), nullptr);
}

TEST_F(CountryList, SwitzerlandRelegationReadsBackAsItself) {
    const std::uint32_t id = MakeCompetitionId(kCountry, kRelSwitzerlandType, 0);
    auto& swiss = test::AddNode<CDBRelSwitzerland>(world, id);
    swiss.SetFormatNumber(1);
    swiss.SetLevel(2);
    swiss.AddMatchday(0, 150);
    swiss.AddMatchday(1, 151);
    const std::vector<std::uint32_t> ids = {id};
    const std::string text = WriteRecord(
        [&](CKLFile& file) { return WriteCompetitionList(file, world.Registry(), ids, "LG"); });
    const std::vector<std::string> lines = Lines(text);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[2], "DB_SWITZERLAND");
    EXPECT_EQ(lines[3], "{ 5, , 0 }");
    EXPECT_EQ(lines[5], "1");  // format
    EXPECT_EQ(lines[6], "2");  // level, right after it

    SDayOccupancy occupancy;
    CKLFile file;
    file.OpenForReadFromMemory(text);
    // Its round name is 0, so it marks nothing.
    ASSERT_EQ(ReadCompetitionList(file, other.Registry(), kRoot, "LG", &occupancy), 1);
    const CDBCompetition* read = other.Competition(id);
    ASSERT_NE(read, nullptr);
    EXPECT_NE(dynamic_cast<const CDBRelSwitzerland*>(read), nullptr);
    EXPECT_TRUE(read->HasSameData(swiss));
}

TEST_F(CountryList, LegacyNodesAreReadPastAndDropped) {
    const std::string text =
        JoinLines({"2", "%INDEX%COMP0", "DB_SCOTLAND1", "{ -1, FA_CUP, 1 }"}) +
        JoinLines({R"("a","b","c","d","e")", "0", "0", "0", "%INDEXEND%COMP0"}) +
        JoinLines({"%INDEX%COMP1", "DB_POOL", "{ -1, POOL, 4 }", "0", "3", ""}) +
        JoinLines({"0", "0", "0", "0", "0", "3", "-1", "0", "0", "0", "%INDEXEND%COMP1"});
    EXPECT_EQ(ReadText(other, text), 1);
    EXPECT_EQ(other.Competition(MakeCompetitionId(kCountry, kFaCupType, 1)), nullptr);
    EXPECT_NE(other.Competition(MakeCompetitionId(kCountry, kPoolType, 4)), nullptr);
}

TEST_F(CountryList, AnIdThatComposesToARootNeverReplacesIt) {
    const CDBCompetition* root = other.Competition(kRoot);
    ASSERT_NE(root, nullptr);
    const std::string text =
        JoinLines({"2", "%INDEX%COMP0", "DB_POOL", "{ -1, , 0 }", "%INDEXEND%COMP0", "%INDEX%COMP1",
                   "DB_SPARE", "{ -1, POOL, 0 }", "%INDEXEND%COMP1"});
    EXPECT_EQ(ReadText(other, text), 0);
    EXPECT_EQ(other.Competition(kRoot), root);
    EXPECT_EQ(other.Competition(kPool), nullptr);
}

TEST(DayOccupancy, InternationalCodesAndTheFoldedSecondSeason) {
    CDBRound uic(MakeCompetitionId(0, kUicType, 0), kInternationalRootId);
    uic.SetRoundName(1);
    uic.AddMatchday(0, 20);
    CDBRound final(MakeCompetitionId(0, kChampionsLeagueType, 5), kInternationalRootId);
    final.SetRoundName(15);
    final.AddMatchday(0, 20);
    final.AddMatchday(0, 21);
    CDBRound qualifier(MakeCompetitionId(0, kQualiEcType, 1), kInternationalRootId);
    qualifier.SetRoundName(2);
    qualifier.AddMatchday(1, 30);
    qualifier.AddMatchday(1, 400);
    CDBRound worldCup(MakeCompetitionId(0, kWorldCupType, 1), kInternationalRootId);
    worldCup.SetRoundName(10);
    worldCup.AddMatchday(0, 50);
    worldCup.AddMatchday(1, 50);

    SDayOccupancy occupancy;
    for (const CDBRound* node : {&uic, &final, &qualifier, &worldCup}) {
        MarkDayOccupancy(*node, occupancy);
    }
    // The UIC day gives way to the later final; the final's second day keeps its code.
    EXPECT_EQ(int{occupancy.tables[0][20]}, 31);
    EXPECT_EQ(int{occupancy.tables[0][21]}, 31);
    // The qualifier's calendar 1 starts at day 365: day 30 is not its, day 400 marks 35.
    EXPECT_EQ(std::tuple(int{occupancy.tables[1][30]}, int{occupancy.tables[1][35]},
                         int{occupancy.tables[0][50]}, int{occupancy.tables[1][50]}),
              std::tuple(0, 29, 0, 29));

    // The last days of a calendar lie past two seasons and mark nothing.
    CDBRound late(MakeCompetitionId(0, kQualiEcType, 2), kInternationalRootId);
    late.SetRoundName(2);
    late.AddMatchday(1, 734);
    const SDayOccupancy before = occupancy;
    MarkDayOccupancy(late, occupancy);
    EXPECT_EQ(occupancy.tables, before.tables);
}

TEST_F(CountryList, CutTextNeverBreaksTheReader) {
    const std::string text = Written(world, kCountry);
    const std::vector<std::uint32_t> expected = CountryCompetitionIds(world.Registry(), kCountry);
    // Every cut, at line ends and inside lines: at most the written nodes come back, under ids
    // that were written.
    for (std::size_t length = 0; length <= text.size(); ++length) {
        CWorld target;
        test::PrepareWorld(target);
        const int read = ReadText(target, text.substr(0, length));
        ASSERT_LE(read, 7) << length;
        for (const auto& [id, node] : target.Competitions()) {
            if (CompetitionType(id) != kRootType) {
                ASSERT_NE(std::find(expected.begin(), expected.end(), id), expected.end())
                    << length;
            }
        }
    }
    CWorld target;
    test::PrepareWorld(target);
    EXPECT_EQ(ReadText(target, text), 7);
}

TEST_F(CountryList, HandMadeValuesAreKeptInRange) {
    const std::string text =
        JoinLines({"99999999", "%INDEX%COMP0", "DB_LEAGUE", "{ -1, LEAGUE, 0 }", "garbage"}) +
        JoinLines({"5000", "-7", "REL_RULE_9", "300", "255", "ROUND_", "0", "0"}) +
        JoinLines({"%INDEX%TEAMS", "ffffffff,50001,50001,zz,-1,50002", "%INDEXEND%TEAMS"}) +
        JoinLines({"%INDEX%MATCHDAYS", "734,364,-1,99999", "%INDEXEND%MATCHDAYS"}) +
        JoinLines({"%INDEX%FIXTURE", "1,2,3,4,5,6,7,8,9,10", "-1,300", "%INDEXEND%FIXTURE"}) +
        JoinLines({"%INDEXEND%COMP0"});
    EXPECT_EQ(ReadText(other, text), 1);
    const auto& league = static_cast<const CDBLeague&>(*other.Competition(League(0)));
    EXPECT_EQ(league.LeagueSize(), CDBLeagueBase::kMaxTeams);
    EXPECT_EQ(league.Teams(), (std::vector<std::uint32_t>{0xFFFFFFFF, MakeClubId(kCountry, 1),
                                                          MakeClubId(kCountry, 2)}));
    EXPECT_EQ(std::tuple(league.EnteredMatchdays(0), league.CalendarValue(0, 364),
                         league.Fixtures().Rows()),
              std::tuple(1, 1, league.LeagueMatchdays()));
    std::uint8_t home = 0;
    std::uint8_t away = 0;
    ASSERT_TRUE(league.Fixtures().GetPairing(0, 4, home, away));
    EXPECT_EQ(home, 9);
    ASSERT_TRUE(league.Fixtures().GetPairing(1, 0, home, away));
    EXPECT_EQ(home, 255);
    EXPECT_EQ(away, 44);
}

TEST_F(CountryList, ARemovedTreeTakesItsDescendantsOnly) {
    const std::uint32_t cup = MakeCompetitionId(0, kChampionsLeagueType, 0);
    const std::uint32_t group = MakeCompetitionId(0, kChampionsLeagueType, 1);
    test::AddNode<CDBCup>(world, cup, kInternationalRootId);
    test::AddNode<CDBRound>(world, group, cup);
    test::AddNode<CDBRound>(world, MakeCompetitionId(0, kChampionsLeagueType, 2), group);
    world.RemoveCompetitionTree(cup);
    EXPECT_EQ(world.Competition(group), nullptr);
    EXPECT_EQ(world.Competition(MakeCompetitionId(0, kChampionsLeagueType, 2)), nullptr);
    EXPECT_NE(world.Competition(League(0)), nullptr);
    world.RemoveCompetitionTree(kRoot);
    EXPECT_EQ(world.Competition(kRoot), nullptr);
    EXPECT_EQ(world.Competition(kSupercup), nullptr);
    EXPECT_NE(world.Competition(MakeCompetitionId(6, kRootType, 0)), nullptr);
}

}  // namespace
}  // namespace kw
