#include <gtest/gtest.h>

#include <algorithm>

#include "CompetitionTestSupport.h"
#include "competition/CompetitionRegistry.h"
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

}  // namespace
}  // namespace kw
