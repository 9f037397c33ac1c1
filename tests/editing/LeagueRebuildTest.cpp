#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>

#include "DemoDocumentTest.h"
#include "TempDir.h"
#include "competition/Competition.h"
#include "competition/CompetitionList.h"
#include "competition/League.h"
#include "editing/LeagueComposition.h"
#include "editing/LeagueSystemRules.h"
#include "exports/master/MasterExport.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

constexpr int kDemoCountry = 14;

// Dumps compared by line: a failure names the first line that differs, not a diff of megabytes.
::testing::AssertionResult SameDump(const std::string& actual, const std::string& expected) {
    std::size_t line = 1;
    for (std::size_t at = 0; at < std::min(actual.size(), expected.size()); ++at) {
        if (actual[at] != expected[at]) {
            const std::size_t start = actual.rfind('\n', at) + 1;
            return ::testing::AssertionFailure()
                   << "line " << line << ": " << actual.substr(start, 120) << " | expected "
                   << expected.substr(start, 120);
        }
        line += actual[at] == '\n' ? 1 : 0;
    }
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure()
               << "lengths " << actual.size() << " and " << expected.size();
    }
    return ::testing::AssertionSuccess();
}

// "Änderungen übernehmen" on the small demo, each apply one undoable operation of the document.
class LeagueRebuildTest : public test::DemoDocumentTest {
protected:
    EApplyResult Apply(int row, std::array<std::uint8_t, kLevelCount> relegations = {},
                       int script = 0) {
        EApplyResult result = EApplyResult::kApplied;
        document.Perform("Ligasystem", SWorldScope::Countries({kDemoCountry}), [&](CWorld& world) {
            result = ApplyLeagueSystem(world, kDemoCountry, script, row, relegations);
            return result == EApplyResult::kApplied;
        });
        return result;
    }

    const CDBLeagueBase& League(int index) const {
        return dynamic_cast<const CDBLeagueBase&>(
            *World().Competition(MakeCompetitionId(kDemoCountry, kLeagueType, index)));
    }

    // The row of the demo country's structure with `extra` more leagues on its lowest level, or
    // with that level dropped for a negative count.
    int RowChangingLowestLevel(int extra) const {
        std::array<int, kLevelCount> counts = LeaguesPerLevel(World(), kDemoCountry);
        int lowest = kLevelCount - 1;
        while (lowest > 0 && counts[static_cast<std::size_t>(lowest)] == 0) {
            --lowest;
        }
        counts[static_cast<std::size_t>(lowest)] =
            extra < 0 ? 0 : counts[static_cast<std::size_t>(lowest)] + extra;
        return PreselectedGenericSystem(counts);
    }

    void ExpectMasterBuilds() {
        test::TempDir out;
        SMasterRequest request;
        request.batch = true;
        request.output = out / "Master.dat";
        request.sideFolder = out.Path();
        std::FILE* console = std::tmpfile();
        request.console = console;
        CSilentProgress progress;
        CScriptedUserInterface ui;
        EXPECT_EQ(BuildMasterFile(document.WorldForOperations(), request, progress, ui),
                  EMasterResult::kWritten);
        std::fclose(console);
    }
};

TEST_F(LeagueRebuildTest, DroppingTheLowestLevelKeepsTheOtherLeaguesWithTheirTeams) {
    ASSERT_TRUE(World().Country(kDemoCountry).IsComplete());
    const std::string before = DumpWorldJson(World());
    const int row = RowChangingLowestLevel(-1);
    ASSERT_GT(row, 0);
    const SGenericLeagueSystem& system = GenericLeagueSystems()[static_cast<std::size_t>(row)];
    const std::vector<std::uint32_t> topTeams = League(0).Teams();
    const std::string topName = LeagueName(League(0), kDefaultLanguage);

    ASSERT_EQ(Apply(row, {5, 5, 5, 5, 5}), EApplyResult::kApplied);
    EXPECT_EQ(LeaguesPerLevel(World(), kDemoCountry), system.leagues);
    EXPECT_EQ(League(0).Teams(), topTeams);
    EXPECT_EQ(LeagueName(League(0), kDefaultLanguage), topName);
    // Five relegated teams stand only where the system allows them.
    for (int level = 0; level < kLevelCount && system.leagues[static_cast<std::size_t>(level)] > 0;
         ++level) {
        EXPECT_EQ(
            World().Country(kDemoCountry).Settings().relegated[static_cast<std::size_t>(level)],
            IsRelegationAllowed(system, level, 5) ? 5 : 0);
    }
    EXPECT_TRUE(World().Country(kDemoCountry).IsComplete());

    const std::string rebuilt = DumpWorldJson(World());
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(SameDump(DumpWorldJson(World()), before));
    ASSERT_TRUE(document.Redo());
    EXPECT_TRUE(SameDump(DumpWorldJson(World()), rebuilt));
    // Last: the build writes back what it corrects.
    ExpectMasterBuilds();
}

TEST_F(LeagueRebuildTest, AFurtherLeagueTakesTheLevelsSettingsButNoTeams) {
    const int row = RowChangingLowestLevel(1);
    ASSERT_GT(row, 0);
    const std::array<int, kLevelCount> old = LeaguesPerLevel(World(), kDemoCountry);
    int firstOfLowest = 0;
    int lowest = 0;
    for (int level = 0; level < kLevelCount; ++level) {
        if (old[static_cast<std::size_t>(level)] > 0) {
            lowest = level;
        }
    }
    for (int level = 0; level < lowest; ++level) {
        firstOfLowest += old[static_cast<std::size_t>(level)];
    }
    const int size = League(firstOfLowest).LeagueSize();
    const int added = firstOfLowest + old[static_cast<std::size_t>(lowest)];

    ASSERT_EQ(Apply(row), EApplyResult::kApplied);
    const CDBLeagueBase& further = League(added);
    EXPECT_EQ(further.Level(), lowest);
    EXPECT_EQ(further.LeagueSize(), size);
    EXPECT_EQ(further.TeamCount(), 0);
    EXPECT_NE(LeagueName(further, kDefaultLanguage),
              LeagueName(League(firstOfLowest), kDefaultLanguage));
    // Filled from the teams without league, the country is complete again and builds.
    const std::vector<std::uint32_t> free = TeamsWithoutLeague(World(), kDemoCountry, true);
    document.Perform("Liga", SWorldScope::Countries({kDemoCountry}), [&](CWorld& world) {
        for (const std::uint32_t team : free) {
            PlaceTeam(world, further.Id(), team, -1);
        }
        return true;
    });
    if (further.IsFull()) {
        EXPECT_TRUE(World().Country(kDemoCountry).IsComplete());
    }
    ExpectMasterBuilds();
}

TEST_F(LeagueRebuildTest, ANewLevelGetsDefaultLeaguesAndRowZeroIsRefused) {
    const std::string before = DumpWorldJson(World());
    EXPECT_EQ(Apply(0), EApplyResult::kNoSystemChosen);
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_TRUE(SameDump(DumpWorldJson(World()), before));

    // Five levels of one league each: the levels the demo lacks get fresh leagues.
    const std::array<int, kLevelCount> old = LeaguesPerLevel(World(), kDemoCountry);
    ASSERT_EQ(Apply(27), EApplyResult::kApplied);
    EXPECT_EQ(LeaguesPerLevel(World(), kDemoCountry),
              (std::array<int, kLevelCount>{1, 1, 1, 1, 1}));
    const CDBLeague fresh(0, 0);
    for (int level = 0; level < kLevelCount; ++level) {
        if (old[static_cast<std::size_t>(level)] == 0) {
            EXPECT_EQ(League(level).LeagueSize(), fresh.LeagueSize());
            EXPECT_EQ(League(level).TeamCount(), 0);
        }
    }
    // One pool per level.
    for (int level = 0; level < kLevelCount; ++level) {
        EXPECT_NE(World().Competition(MakeCompetitionId(kDemoCountry, kPoolType, level)), nullptr);
    }
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(SameDump(DumpWorldJson(World()), before));
}

TEST_F(LeagueRebuildTest, AScriptReplacesAGenericSystemWithMoreLeaguesAndKeepsTheCups) {
    // The demo country is built by its script, beside its cups.
    const int script = World().Country(kDemoCountry).LeagueScript();
    ASSERT_GT(script, 0);
    const std::vector<std::uint32_t> scripted =
        CountryCompetitionIds(World().Registry(), kDemoCountry);
    const auto leagueCount = [](const std::array<int, kLevelCount>& counts) {
        return std::accumulate(counts.begin(), counts.end(), 0);
    };
    // The first generic system with four levels and more leagues than the script.
    const int scriptLeagues = leagueCount(LeaguesPerLevel(World(), kDemoCountry));
    int row = 1;
    for (; row < kGenericSystemCount; ++row) {
        const auto& leagues = GenericLeagueSystems()[static_cast<std::size_t>(row)].leagues;
        if (leagues[3] > 0 && leagueCount(leagues) > scriptLeagues) {
            break;
        }
    }
    ASSERT_LT(row, kGenericSystemCount);
    // Rebuilt without a script, the country keeps its cups.
    document.WorldForOperations().Country(kDemoCountry).SetLeagueScript(0);
    ASSERT_EQ(Apply(row), EApplyResult::kApplied);
    const std::string generic = DumpWorldJson(World());

    ASSERT_EQ(Apply(0, {}, script), EApplyResult::kApplied);
    EXPECT_EQ(CountryCompetitionIds(World().Registry(), kDemoCountry), scripted);
    EXPECT_TRUE(World().Country(kDemoCountry).IsComplete());
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(SameDump(DumpWorldJson(World()), generic));
    ASSERT_TRUE(document.Redo());
    ExpectMasterBuilds();
}

}  // namespace
}  // namespace kw
