#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>
#include "CompetitionTestSupport.h"
#include "competition/Competition.h"
#include "competition/CompetitionRegistry.h"
#include "competition/CompetitionText.h"
#include "competition/Cup.h"
#include "competition/CupAlloc.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "competition/Round.h"
#include "competition/ScriptEntry.h"
#include "model/LeagueScript.h"
#include "platform/Progress.h"
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

// An id that composes to a root never replaces it; a list written for another country reads back
// under it; legacy nodes are read past and dropped; missing sections are skipped.
TEST_F(CountryList, RootsOtherCountriesLegacyNodesAndMissingSections) {
    const CDBCompetition* root = other.Competition(kRoot);
    ASSERT_NE(root, nullptr);
    const std::string rootId =
        JoinLines({"2", "%INDEX%COMP0", "DB_POOL", "{ -1, , 0 }", "%INDEXEND%COMP0", "%INDEX%COMP1",
                   "DB_SPARE", "{ -1, POOL, 0 }", "%INDEXEND%COMP1"});
    EXPECT_EQ(ReadText(other, rootId), 0);
    EXPECT_EQ(other.Competition(kRoot), root);
    EXPECT_EQ(other.Competition(kPool), nullptr);

    const std::string ninth = Written(world, kCountry, 9);
    ASSERT_EQ(ReadText(other, ninth, 9), 7);
    const auto* second = other.Competition(MakeCompetitionId(9, kLeagueType, 1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Sources()[0], MakeCompetitionId(9, kLeagueType, 0));
    EXPECT_EQ(second->ParentId(), MakeCompetitionId(9, kRootType, 0));
    const auto& pool =
        static_cast<const CDBPool&>(*other.Competition(MakeCompetitionId(9, kPoolType, 0)));
    EXPECT_EQ(pool.Checked()[1], MakeCompetitionId(9, kLeagueType, 1));
    EXPECT_EQ(other.Competition(kNationalCup), nullptr);

    const std::string legacy =
        JoinLines({"2", "%INDEX%COMP0", "DB_SCOTLAND1", "{ -1, FA_CUP, 1 }"}) +
        JoinLines({R"("a","b","c","d","e")", "0", "0", "0", "%INDEXEND%COMP0"}) +
        JoinLines({"%INDEX%COMP1", "DB_POOL", "{ -1, POOL, 4 }", "0", "3", ""}) +
        JoinLines({"0", "0", "0", "0", "0", "3", "-1", "0", "0", "0", "%INDEXEND%COMP1"});
    EXPECT_EQ(ReadText(other, legacy), 1);
    EXPECT_EQ(other.Competition(MakeCompetitionId(kCountry, kFaCupType, 1)), nullptr);
    EXPECT_NE(other.Competition(MakeCompetitionId(kCountry, kPoolType, 4)), nullptr);

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

constexpr int kFrom = 50;
constexpr int kTo = 14;
constexpr int kElsewhere = 3;

class CNoClubs final : public IClubReferences {
public:
    std::uint32_t ExportClubId(std::uint32_t clubId) const override { return clubId; }
};

std::uint32_t Id(int country, int type, int index) {
    return MakeCompetitionId(country, type, index);
}

// Clubs of the source country move to the target's; club 2 is dropped.
std::uint32_t MoveTeam(std::uint32_t team) {
    if (ClubIndex(team) == 2) {
        return 0;
    }
    return ClubCountry(team) == kFrom ? MakeClubId(kTo, ClubIndex(team)) | (team & kSecondTeamFlag)
                                      : team;
}

class CompetitionCopy : public ::testing::Test {
protected:
    std::vector<SScriptEntry> Script(const CCompetitionRegistry& registry,
                                     const CDBCompetition& node) {
        const auto list = registry.Scripts().List(node.ScriptStart());
        return {list.begin(), list.end()};
    }

    CNoClubs clubs;
    CCompetitionRegistry source{clubs};
    CCompetitionRegistry target{clubs};
};

TEST_F(CompetitionCopy, EveryIdOfTheSourceCountryMovesAndTheScriptGoesAlong) {
    target.Scripts().AppendList(std::vector<SScriptEntry>{{kGetHost, 0, 0}});
    auto& cup = static_cast<CDBCup&>(source.RegisterCompetition(
        std::make_unique<CDBCup>(Id(kFrom, kFaCupType, 0), Id(kFrom, kRootType, 0))));
    cup.AddSource(Id(kFrom, kLeagueType, 0));
    cup.AddSource(Id(kElsewhere, kLeagueType, 0));
    cup.AddSubCompetition(Id(kFrom, kRelegationType, 1));
    cup.SetFormatNumber(4);
    const std::vector<SScriptEntry> script = {
        {kGetChamp, Id(kFrom, kLeagueType, 1), 0},
        {kGetWinner, Id(kElsewhere, kFaCupType, 0), 0},
        {kGetInternationalTeams, (static_cast<std::uint32_t>(kFrom) << 24) | 0x10000, 7},
        {kGetTabLevelXToY, 0, MakeScriptArguments(1, 2, 3)},
    };
    cup.SetScriptStart(source.Scripts().AppendList(script));

    const std::unique_ptr<CDBCompetition> copy =
        cup.CopyForCountry(source, target, kFrom, kTo, MoveTeam);

    EXPECT_EQ(copy->Id(), Id(kTo, kFaCupType, 0));
    EXPECT_EQ(copy->ParentId(), Id(kTo, kRootType, 0));
    EXPECT_EQ(copy->Sources()[0], Id(kTo, kLeagueType, 0));
    EXPECT_EQ(copy->Sources()[1], Id(kElsewhere, kLeagueType, 0));
    EXPECT_EQ(copy->SourceCount(), 2);
    EXPECT_EQ(copy->SubCompetitions()[0], Id(kTo, kRelegationType, 1));
    EXPECT_EQ(static_cast<const CDBCup&>(*copy).FormatNumber(), 4);
    // The list stands in the target's table behind what was there.
    EXPECT_EQ(copy->ScriptStart(), 2);
    const std::vector<SScriptEntry> moved = {
        {kGetChamp, Id(kTo, kLeagueType, 1), 0},
        {kGetWinner, Id(kElsewhere, kFaCupType, 0), 0},
        {kGetInternationalTeams, (static_cast<std::uint32_t>(kTo) << 24) | 0x10000, 7},
        {kGetTabLevelXToY, 0, MakeScriptArguments(1, 2, 3)},
    };
    EXPECT_EQ(Script(target, *copy), moved);
    EXPECT_EQ(Script(source, cup), script) << "the source keeps its list";
    EXPECT_EQ(cup.Id(), Id(kFrom, kFaCupType, 0)) << "the source node is untouched";

    // Moved back it is the same node again (the script start is only a table position).
    EXPECT_TRUE(copy->CopyForCountry(target, source, kTo, kFrom, MoveTeam)->HasSameData(cup));
}

TEST_F(CompetitionCopy, WithinOneRegistryTheListIsReadBeforeTheTableGrows) {
    auto& league = static_cast<CDBLeague&>(source.RegisterCompetition(
        std::make_unique<CDBLeague>(Id(kFrom, kLeagueType, 0), Id(kFrom, kRootType, 0))));
    // A table at its capacity, so that appending moves it.
    std::vector<SScriptEntry> script;
    for (std::uint32_t i = 0; i + 1 < CScriptTable::kGrowth; ++i) {
        script.push_back({kGetPool, Id(kFrom, kPoolType, static_cast<int>(i)), 0});
    }
    league.SetScriptStart(source.Scripts().AppendList(script));
    ASSERT_EQ(source.Scripts().Size(), CScriptTable::kGrowth);

    const std::unique_ptr<CDBCompetition> copy =
        league.CopyForCountry(source, source, kFrom, kTo, MoveTeam);

    ASSERT_EQ(Script(source, *copy).size(), script.size());
    for (std::size_t i = 0; i < script.size(); ++i) {
        EXPECT_EQ(Script(source, *copy)[i].competition, Id(kTo, kPoolType, static_cast<int>(i)));
    }
    EXPECT_EQ(Script(source, league), script);
    EXPECT_EQ(source.Competitions().size(), 1u) << "the copy is the caller's to register";
}

TEST_F(CompetitionCopy, TeamsPassThroughTheMapDroppedOnesCloseTheGapAndRootsMove) {
    auto& league = static_cast<CDBLeague&>(source.RegisterCompetition(
        std::make_unique<CDBLeague>(Id(kFrom, kLeagueType, 0), Id(kFrom, kRootType, 0))));
    league.SetLeagueSize(4);
    for (const std::uint32_t team :
         {MakeClubId(kFrom, 1), MakeClubId(kFrom, 2), MakeClubId(kFrom, 3) | kSecondTeamFlag,
          MakeClubId(kElsewhere, 4)}) {
        ASSERT_TRUE(league.AddTeam(team));
    }
    auto& pool = static_cast<CDBPool&>(source.RegisterCompetition(
        std::make_unique<CDBPool>(Id(kFrom, kPoolType, 1), Id(kFrom, kRootType, 0))));
    pool.Teams() = {MakeClubId(kFrom, 2), MakeClubId(kFrom, 5)};
    pool.AddChecked(Id(kFrom, kLeagueType, 0));
    pool.AddChecked(Id(kElsewhere, kLeagueType, 0));

    const auto leagueCopy = league.CopyForCountry(source, target, kFrom, kTo, MoveTeam);
    const auto poolCopy = pool.CopyForCountry(source, target, kFrom, kTo, MoveTeam);

    EXPECT_EQ(static_cast<const CDBLeague&>(*leagueCopy).Teams(),
              (std::vector<std::uint32_t>{MakeClubId(kTo, 1), MakeClubId(kTo, 3) | kSecondTeamFlag,
                                          MakeClubId(kElsewhere, 4)}));
    EXPECT_EQ(static_cast<const CDBLeague&>(*leagueCopy).LeagueSize(), 4);
    EXPECT_EQ(leagueCopy->ScriptStart(), CDBCompetition::kNoScript);
    EXPECT_EQ(target.Scripts().Size(), 0u) << "a node without a script appends none";
    const auto& movedPool = static_cast<const CDBPool&>(*poolCopy);
    EXPECT_EQ(movedPool.Teams(), std::vector<std::uint32_t>{MakeClubId(kTo, 5)});
    EXPECT_EQ(movedPool.CheckedCount(), 2);
    EXPECT_EQ(movedPool.Checked()[0], Id(kTo, kLeagueType, 0));
    EXPECT_EQ(movedPool.Checked()[1], Id(kElsewhere, kLeagueType, 0));
    // A root takes the new country.
    const CDBRoot root(kFrom);
    const auto rootCopy = root.CopyForCountry(source, target, kFrom, kTo, MoveTeam);
    EXPECT_EQ(rootCopy->Id(), Id(kTo, kRootType, 0));
    EXPECT_EQ(rootCopy->ParentId(), 0u);
    EXPECT_EQ(static_cast<const CDBRoot&>(*rootCopy).CountryByte(), kTo);
}

using test::NodeText;
using test::ReadNodeLines;

constexpr std::uint32_t kFirstLeague = MakeCompetitionId(kCountry, kLeagueType, 0);

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
        auto& league = Add<CDBLeague>(kFirstLeague);
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
    auto& league = Add<CDBLeague>(kFirstLeague);
    league.AddTeam(MakeClubId(kCountry, 30));
    league.AddTeam(MakeClubId(kCountry, 30) | kSecondTeamFlag);
    league.AddTeam(MakeClubId(kCountry, 99));  // no such club
    const std::vector<std::string> lines = Lines(NodeText(world, league));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "50015,1050015,0"), lines.end());

    // Read back, the saved numbers are the indexes; the unknown club is no team.
    ASSERT_EQ(ReadNodeLines(world, lines), 1);
    EXPECT_EQ(Node<CDBLeague>(kFirstLeague).Teams(),
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
        world.RemoveCompetition(kFirstLeague);
        EXPECT_EQ(ReadNodeLines(world, edited, kCountry, nullptr, version), 1);
        return Node<CDBLeague>(kFirstLeague);
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
    auto& league = Add<CDBLeague>(kFirstLeague);
    league.SetLeagueSize(2);
    league.SetMeetings(4);
    ASSERT_EQ(league.LeagueMatchdays(), 4);
    const std::vector<std::string> lines = Lines(NodeText(world, league));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "0,0,0,0"), 2);
    world.RemoveCompetition(kFirstLeague);
    ASSERT_EQ(ReadNodeLines(world, Edited(lines, "0,0,0,0", "5,12,0,0")), 1);
    EXPECT_EQ(std::tuple(Node<CDBLeague>(kFirstLeague).CalendarValue(0, 5),
                         Node<CDBLeague>(kFirstLeague).CalendarValue(0, 12),
                         Node<CDBLeague>(kFirstLeague).EnteredMatchdays(0),
                         Node<CDBLeague>(kFirstLeague).EnteredMatchdays(1)),
              std::tuple(1, 2, 2, 0));

    world.RemoveCompetition(kFirstLeague);
    const std::vector<std::string> beyond =
        Edited(Edited(lines, "0,0,0,0", "400,-3,7,7"), "0,0,0,0", "1,2,3,4,5,6");
    ASSERT_EQ(ReadNodeLines(world, beyond), 1);
    const CDBLeague& read = Node<CDBLeague>(kFirstLeague);
    EXPECT_EQ(std::tuple(read.CalendarValue(0, 7), read.EnteredMatchdays(0),
                         read.EnteredMatchdays(1), read.CalendarValue(1, 5)),
              std::tuple(1, 1, 4, 0));
}

TEST_F(NodeTextForm, CupsEndAfterTheirSettingsOrWriteCalendarsAndUsedRoundSlots) {
    auto& leagueCup = Add<CDBCup>(MakeCompetitionId(kCountry, kLeagueCupType, 1));
    SetNames(leagueCup);
    leagueCup.SetSetting16(16);
    leagueCup.SetSetting32(-32);
    leagueCup.AddSource(kFirstLeague);
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
                         (std::array<std::uint32_t, 3>{kFirstLeague, kFirstLeague + 1,
                                                       kFirstLeague + 2})));
    EXPECT_EQ(std::tuple(pool.BaseSetting(), pool.Level(), pool.Sources()[0]),
              std::tuple(7, 2, MakeCompetitionId(kCountry, kLeagueType, 9)));
    // Written for another country, the country of its ids is replaced.
    auto& written = Add<CDBPool>(MakeCompetitionId(kCountry, kPoolType, 1));
    written.AddChecked(kFirstLeague);
    written.AddSource(kFirstLeague);
    written.AddSubCompetition(MakeCompetitionId(kCountry, kRelegationType, 0));
    const std::int32_t start =
        world.Scripts().AppendList(std::vector<SScriptEntry>{{kGetChamp, kFirstLeague, 0}});
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

void WriteInstalled(const test::TempDir& install, const std::string& relative,
                    const std::vector<std::string>& lines) {
    const std::filesystem::path path = install / relative;
    std::filesystem::create_directories(path.parent_path());
    test::WriteFile(path, JoinLines(lines));
}

int ReadFormats(const std::vector<std::string>& lines, CCupFormatTable& formats,
                CScriptTable& scripts) {
    CKLFile file;
    file.OpenForReadFromMemory(JoinLines(lines));
    return ReadCupFormats(file, formats, scripts);
}

TEST(CupAlloc, FormatsWithRoundsNamesAndScripts) {
    std::vector<std::string> lines = {
        "4", "%INDEX%CUP1", "FA", " ID_FACUP_GERMANY", "7", "2",
        "{ 64, 32, 1, 2, 3, 4, ROUND_1, BEG_WITH_1_LEG, BEG_WITH_EXTRA_TIME, BEG_WITH_PENALTY }",
        "{ 2, 1, 0, 0, 0, 0, ROUND_FINAL, BEG_WITH_2_LEG }", "1", "GET_WINNER, {-1, FA_CUP, 0}",
        "%INDEXEND%CUP1",
        // Number 2 has no section; number 3 lists more rounds than a format holds.
        "%INDEX%CUP3", "CC_FA", " ID_FRIENDLY", "0", "11"};
    for (int i = 0; i < 11; ++i) {
        lines.push_back("{ 1, 1, 0, 0, 0, 0, ROUND_QUALI2, 0 }");
    }
    lines.insert(lines.end(), {"1", "GET_CHAMP, {5, LEAGUE, 0}", "%INDEXEND%CUP3"});
    CCupFormatTable formats;
    CScriptTable scripts;
    // One as the count defines no format.
    EXPECT_EQ(ReadFormats({"1", "%INDEX%CUP1", "FA", "xPokal", "0", "0", "0", "%INDEXEND%CUP1"},
                          formats, scripts),
              0);
    EXPECT_EQ(formats.Format(1), nullptr);
    ASSERT_EQ(ReadFormats(lines, formats, scripts), 2);

    const CCupFormat* german = formats.Format(1);
    ASSERT_NE(german, nullptr);
    EXPECT_EQ(german->Category(), kCupCategoryFa);
    EXPECT_EQ(german->Name().View(), "Pokal Deutschland");
    EXPECT_EQ(german->Setting(), 7);
    ASSERT_EQ(german->RoundCount(), 2);
    const SCupRound& first = german->Rounds()[0];
    EXPECT_EQ(first, (SCupRound{64, 32, {1, 2, 3, 4}, 1 | 8 | 32, 5, 5}));
    EXPECT_TRUE(german->Rounds()[1].IsTwoLegged());
    EXPECT_EQ(german->MatchdayCount(), 3);
    const auto script = scripts.List(german->ScriptStart());
    ASSERT_EQ(script.size(), 1u);
    EXPECT_EQ(script[0].command, kGetWinner);
    // A format has no country: "own country" keeps the byte 0xFF.
    EXPECT_EQ(script[0].competition, MakeCompetitionId(0xFF, kFaCupType, 0));

    EXPECT_EQ(formats.Format(2), nullptr);
    const CCupFormat* own = formats.Format(3);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->Category(), kCupCategoryMisc);
    // A name keyword without a text of its own leaves the line as it is.
    EXPECT_EQ(std::tuple(own->Name().View(), own->RoundCount(), own->Rounds()[0].roundName),
              std::tuple(" ID_FRIENDLY", CCupFormat::kMaxRounds, 2));
    // The eleventh round line was read past: the script is found after it.
    const auto ownScript = scripts.List(own->ScriptStart());
    ASSERT_EQ(ownScript.size(), 1u);
    EXPECT_EQ(ownScript[0].competition, MakeCompetitionId(5, kLeagueType, 0));
}

// The master file takes the number of a format's round records from the second value of its first
// round: a format whose value differs from its round count is listed.
TEST(CupAlloc, FormatsWhoseFirstRoundStatesAnotherRoundCountAreListed) {
    const std::vector<std::string> lines = {
        "5", "%INDEX%CUP1", "FA", "Null", "0", "2", "{ 4, 0, 0, 0, 0, 0, ROUND_SEMIFINAL, 0 }",
        "{ 2, 0, 0, 0, 0, 0, ROUND_FINAL, 0 }", "0", "%INDEXEND%CUP1",
        // Right: two rounds, the first says 2.
        "%INDEX%CUP2", "FA", "Zwei", "0", "2", "{ 4, 2, 0, 0, 0, 0, ROUND_SEMIFINAL, 0 }",
        "{ 2, 0, 0, 0, 0, 0, ROUND_FINAL, 0 }", "0", "%INDEXEND%CUP2", "%INDEX%CUP3", "MISC",
        "Zuviel", "0", "1", "{ 2, 5, 0, 0, 0, 0, ROUND_FINAL, 0 }", "0", "%INDEXEND%CUP3",
        // Without rounds there is no first round to state anything.
        "%INDEX%CUP4", "MISC", "Leer", "0", "0", "0", "%INDEXEND%CUP4"};
    CCupFormatTable formats;
    CScriptTable scripts;
    ASSERT_EQ(ReadFormats(lines, formats, scripts), 4);
    EXPECT_EQ(RoundCountMismatches(formats),
              (std::vector<SRoundCountMismatch>{{1, 0, 2}, {3, 5, 1}}));
}

// The formats' scripts join the world-wide script table: read again on every load (and import),
// they would pile up there.
TEST(CupAlloc, TheWorldReadsItsFormatsOnceUntilItIsEmptied) {
    test::TempDir install;
    test::TempDir database;
    WriteInstalled(install, "Script/CUPALLOC.TXT",
                   {"2", "%INDEX%CUP1", "SUPERCUP", "Supercup", "0", "1",
                    "{ 2, 1, 0, 0, 0, 0, ROUND_FINAL, BEG_WITH_1_LEG }", "1",
                    "GET_CHAMP, {5, LEAGUE, 0}", "%INDEXEND%CUP1"});
    CWorld world(install.Path());
    world.InitialiseCountries();
    const std::size_t initialised = world.Scripts().Size();
    CSilentProgress progress;
    world.Load(database.Path(), progress);
    world.Load(database.Path(), progress);
    EXPECT_TRUE(world.LoadCupFormats());
    EXPECT_EQ(world.Scripts().Size(), initialised);
    const CCupFormat* supercup = world.CupFormats().Format(1);
    ASSERT_NE(supercup, nullptr);
    EXPECT_EQ(supercup->Category(), kCupCategorySupercup);
    ASSERT_EQ(world.Scripts().List(supercup->ScriptStart()).size(), 1u);
    EXPECT_EQ(world.Scripts().List(supercup->ScriptStart())[0].command, kGetChamp);

    // A new start, as an import makes it, reads them again into the emptied table.
    world.InitialiseCountries();
    world.Load(database.Path(), progress);
    EXPECT_EQ(world.Scripts().Size(), initialised);
    ASSERT_NE(world.CupFormats().Format(1), nullptr);

    CWorld bare(database.Path());
    EXPECT_FALSE(bare.LoadCupFormats());
    EXPECT_EQ(bare.CupFormats().SlotCount(), 0);
}

// A round in the layout of data version 0: days and flags interleaved, the level line present.
std::vector<std::string> OldRound(const std::string& id, const std::string& round, int day0,
                                  int day1, const std::vector<std::string>& script) {
    std::vector<std::string> lines = {"DB_ROUND", id, R"("R","R","R","R","R")", "0", round};
    // First days, mode flags, second days, an ignored line, state flags.
    lines.insert(lines.end(), {std::to_string(day0), std::to_string(day1), "BEG_WITH_1_LEG"});
    lines.insert(lines.end(), {"0", "0", "0", "0"});
    // The four values, then the tail: setting, level, sources, sub-competitions, script.
    lines.insert(lines.end(), {"0", "0", "0", "0"});
    lines.insert(lines.end(), {"3", "-1", "0", "0", script.empty() ? "0" : "1"});
    lines.insert(lines.end(), script.begin(), script.end());
    return lines;
}

std::vector<std::string> NodeList(const std::string& prefix,
                                  const std::vector<std::vector<std::string>>& nodes) {
    std::vector<std::string> lines = {std::to_string(nodes.size())};
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const std::string tag = prefix + std::to_string(k);
        lines.push_back("%INDEX%" + tag);
        lines.insert(lines.end(), nodes[k].begin(), nodes[k].end());
        lines.push_back("%INDEXEND%" + tag);
    }
    return lines;
}

TEST(InternationalStructures, FilesAreReadInTheOldLayoutUnderTheInternationalRoot) {
    test::TempDir install;
    WriteInstalled(install, "script/EuropeanCup.txt",
                   NodeList("EURO", {OldRound("{ -1, CHAMPIONSLEAGUE, 3 }", "ROUND_FINAL", 140, 0,
                                              {"GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y, "
                                               "{0, UEFA_CUP, 1)",
                                               "1", "2", "3"}),
                                     OldRound("{ 0, UIC, 0 }", "ROUND_QUALI", 150, 0, {})}));
    WriteInstalled(
        install, "script/wc.txt",
        NodeList("WORLD_CUP", {OldRound("{ 0, WORLD_CUP, 0 }", "ROUND_GROUP1", 160, 400, {})}));
    CWorld world(install.Path());
    world.InitialiseCountries();

    ASSERT_NE(world.Competition(kInternationalRootId), nullptr);
    const auto* final = dynamic_cast<const CDBRound*>(
        world.Competition(MakeCompetitionId(kInternationalCountry, kChampionsLeagueType, 3)));
    ASSERT_NE(final, nullptr);
    EXPECT_EQ(std::tuple(final->ParentId(), final->CalendarValue(0, 140), final->ModeFlags()),
              std::tuple(kInternationalRootId, 1, 1u));
    const auto script = world.Scripts().List(final->ScriptStart());
    ASSERT_EQ(script.size(), 1u);
    EXPECT_EQ(script[0].competition, MakeCompetitionId(0, kUefaCupType, 1));
    EXPECT_EQ(script[0].arguments, MakeScriptArguments(1, 2, 3));

    const InternationalDayTables& days = world.InternationalDays();
    EXPECT_EQ(int{days[0].tables[0][140]}, 31);
    EXPECT_EQ(int{days[0].tables[0][150]}, 34);
    // The world cup marks the second calendar only, its later season folded back.
    EXPECT_EQ(std::tuple(int{days[3].tables[0][160]}, int{days[3].tables[1][35]}, days[1].tables,
                         days[2].tables),
              std::tuple(0, 29, SDayOccupancy().tables, SDayOccupancy().tables));
}

// A pool: the leading 0, size, sort mode, no checked competitions, the four values, then the
// tail with a level of 2.
std::vector<std::string> ScriptPool(const std::string& id, int size) {
    std::vector<std::string> lines = {"DB_POOL", id, "0", std::to_string(size), "POOL_SORT_RANDOM"};
    lines.insert(lines.end(), {"0", "0", "0", "0", "0"});
    lines.insert(lines.end(), {"3", "2", "0", "0", "0"});
    return lines;
}

class LeagueScriptSelection : public ::testing::Test {
protected:
    LeagueScriptSelection() : world(install.Path()) {
        test::PrepareWorld(world);
        WriteInstalled(
            install, "script/lg3.txt",
            NodeList("LG", {ScriptPool("{ -1, POOL, 0 }", 4), ScriptPool("{ -1, POOL, 1 }", 6)}));
    }

    static constexpr std::uint32_t kPool0 = MakeCompetitionId(test::kCountry, kPoolType, 0);
    static constexpr std::uint32_t kPool1 = MakeCompetitionId(test::kCountry, kPoolType, 1);
    test::TempDir install;
    CWorld world;
};

TEST_F(LeagueScriptSelection, ChoosingReadsDroppingClearsAndAMissingFileChangesNothing) {
    const CCountry& country = world.Country(test::kCountry);
    ASSERT_TRUE(SelectLeagueScript(world, test::kCountry, 3));
    EXPECT_EQ(country.LeagueScript(), 3);
    const auto* pool = dynamic_cast<const CDBPool*>(world.Competition(kPool1));
    ASSERT_NE(pool, nullptr);
    EXPECT_EQ(pool->PoolSize(), 6);
    EXPECT_EQ(pool->ParentId(), test::kRoot);
    // Read in the old layout, which has the level line.
    EXPECT_EQ(pool->Level(), 2);

    // A node below a script node goes with the script.
    test::AddNode<CDBRound>(world, MakeCompetitionId(test::kCountry, kRelegationType, 0), kPool0);
    EXPECT_TRUE(SelectLeagueScript(world, test::kCountry, 3));
    EXPECT_FALSE(SelectLeagueScript(world, test::kCountry, 4));
    EXPECT_EQ(country.LeagueScript(), 3);
    EXPECT_NE(world.Competition(kPool0), nullptr);

    ASSERT_TRUE(SelectLeagueScript(world, test::kCountry, 0));
    EXPECT_EQ(
        std::tuple(country.LeagueScript(), world.Competition(kPool0), world.Competition(kPool1),
                   world.Competition(MakeCompetitionId(test::kCountry, kRelegationType, 0))),
        std::tuple(0, nullptr, nullptr, nullptr));
    EXPECT_NE(world.Competition(test::kRoot), nullptr);
    EXPECT_NE(world.Competition(MakeCompetitionId(6, kRootType, 0)), nullptr);
    EXPECT_FALSE(SelectLeagueScript(world, 0, 3));
}

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
    const std::vector<SScriptEntry> one = {{kGetChamp, kFirstLeague, 0}};
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
        {kGetChamp, kFirstLeague, 0},
        {kGetUefa5Tab, 0, MakeScriptArguments(1, 2, 3)},
        {kGetTabXToY, kFirstLeague, MakeScriptArguments(0, 1, 4)},
        {kGetTabSureXToYZ, kFirstLeague, 0x030201},
        {kGetTabLevelXToY, 0, MakeScriptArguments(4, 5, 6)},
        {kGetHost, 0, 0},
        {kGetUefa5ChampOrFinalist, 1234, MakeScriptArguments(2, 0, 0)},
        {kGetInternationalTabLevelXToY, MakeCompetitionId(0, kUefaCupType, 1),
         MakeScriptArguments(7, 8, 9)},
        {kGetInternationalSpare, kFirstLeague, MakeScriptArguments(0, 0, 5)},
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
        {kGetTabSureXToYZ, kFirstLeague, 0x00FF7F01},
        {kGetTabLevelIndoor, 0, MakeScriptArguments(1, 2, 3)},
        {kGetCcSpare, 0, 0},
        {kGetUefa5ChampOrFinalist, 0xFA000000u, MakeScriptArguments(6, 0, 0)},
        {kGetPool, MakeCompetitionId(5, kPoolType, 1), MakeScriptArguments(0, 1, 2)},
        {kGetNatUefa5WithHost, MakeCompetitionId(0, kQualiEcType, 2), MakeScriptArguments(0, 3, 4)},
        {kGetInternationalTabLevelXToY, MakeCompetitionId(0, kUefaCupType, 1),
         MakeScriptArguments(7, 8, 9)},
        {kGetInternationalSpare, kFirstLeague, MakeScriptArguments(0, 0, 5)},
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
    EXPECT_EQ(refs[1].competition, kFirstLeague);
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
