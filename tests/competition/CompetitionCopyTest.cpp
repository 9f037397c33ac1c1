#include <gtest/gtest.h>

#include <vector>

#include "competition/CompetitionRegistry.h"
#include "competition/Cup.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

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

TEST_F(CompetitionCopy, TeamsPassThroughTheMapAndDroppedOnesCloseTheGap) {
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
}

TEST_F(CompetitionCopy, ARootTakesTheNewCountry) {
    const CDBRoot root(kFrom);
    const auto copy = root.CopyForCountry(source, target, kFrom, kTo, MoveTeam);
    EXPECT_EQ(copy->Id(), Id(kTo, kRootType, 0));
    EXPECT_EQ(copy->ParentId(), 0u);
    EXPECT_EQ(static_cast<const CDBRoot&>(*copy).CountryByte(), kTo);
}

}  // namespace
}  // namespace kw
