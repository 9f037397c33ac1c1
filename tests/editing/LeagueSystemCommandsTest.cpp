#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "DemoDocumentTest.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "editing/LeagueComposition.h"
#include "editing/LeagueSystemCommands.h"

namespace kw {
namespace {

constexpr int kDemoCountry = 14;

// The league-system page's tree, its question before an apply, the apply as an edit and the
// check after it, on the small demo.
class LeagueSystemCommandsTest : public test::DemoDocumentTest {
protected:
    std::array<int, kLevelCount> Counts() const { return LeaguesPerLevel(World(), kDemoCountry); }
    int LowestLevel() const {
        int lowest = 0;
        for (int level = 0; level < kLevelCount; ++level) {
            lowest = Counts()[static_cast<std::size_t>(level)] > 0 ? level : lowest;
        }
        return lowest;
    }
    // The row of the structure with the lowest level's count changed by `extra` (0 drops it).
    int RowWithLowestLevel(int count) const {
        std::array<int, kLevelCount> counts = Counts();
        counts[static_cast<std::size_t>(LowestLevel())] = count;
        return PreselectedGenericSystem(counts);
    }
};

TEST_F(LeagueSystemCommandsTest, TheTreeListsEachLevelWithItsLeagues) {
    document.WorldForOperations()
        .Country(kDemoCountry)
        .SetLevelName(0, kDefaultLanguage, "Oberste Spielklasse");
    const std::vector<SLevelRow> levels =
        LeagueSystemLevels(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_EQ(static_cast<int>(levels.size()), LowestLevel() + 1);
    EXPECT_EQ(levels[0].name, "Oberste Spielklasse");
    std::vector<std::uint32_t> listed;
    for (const SLevelRow& level : levels) {
        EXPECT_EQ(static_cast<int>(level.leagues.size()),
                  Counts()[static_cast<std::size_t>(level.level)]);
        for (const SLeagueRow& league : level.leagues) {
            EXPECT_EQ(World().Competition(league.leagueId)->Level(), level.level);
            EXPECT_EQ(league.name,
                      LeagueName(*World().Competition(league.leagueId), kDefaultLanguage));
            listed.push_back(league.leagueId);
        }
    }
    std::vector<std::uint32_t> leagues;
    for (const CDBCompetition* league : CountryLeagues(World(), kDemoCountry)) {
        leagues.push_back(league->Id());
    }
    EXPECT_EQ(listed, leagues);
}

TEST_F(LeagueSystemCommandsTest, OnlyLosingLeaguesOrChangingScriptsIsAsked) {
    // The demo country is built by script 1: giving it up is asked whatever the row.
    EXPECT_TRUE(
        ApplyNeedsConfirmation(World(), kDemoCountry, 0, PreselectedGenericSystem(Counts())));
    EXPECT_FALSE(ApplyNeedsConfirmation(World(), kDemoCountry, 1, 0));
    document.WorldForOperations().Country(kDemoCountry).SetLeagueScript(0);
    const int same = PreselectedGenericSystem(Counts());
    ASSERT_GT(same, 0);
    const int lowest = Counts()[static_cast<std::size_t>(LowestLevel())];
    EXPECT_FALSE(ApplyNeedsConfirmation(World(), kDemoCountry, 0, same));
    EXPECT_FALSE(ApplyNeedsConfirmation(World(), kDemoCountry, 0, 0));
    EXPECT_TRUE(ApplyNeedsConfirmation(World(), kDemoCountry, 0, RowWithLowestLevel(0)));
    const int more = RowWithLowestLevel(lowest + 1);
    if (more > 0) {
        EXPECT_FALSE(ApplyNeedsConfirmation(World(), kDemoCountry, 0, more));
    }
    EXPECT_TRUE(ApplyNeedsConfirmation(World(), kDemoCountry, 2, 0));
    document.WorldForOperations().Country(kDemoCountry).SetLeagueScript(2);
    EXPECT_FALSE(ApplyNeedsConfirmation(World(), kDemoCountry, 2, 0));
    EXPECT_TRUE(ApplyNeedsConfirmation(World(), kDemoCountry, 0, same));
}

TEST_F(LeagueSystemCommandsTest, RefusalsRecordNothingAndAnApplyIsOneUndoStep) {
    const std::string before = DumpWorldJson(World(), kDemoCountry);
    EXPECT_EQ(ApplyLeagueSystemEdit(document, kDemoCountry, 0, 0), EApplyResult::kNoSystemChosen);
    EXPECT_EQ(ApplyLeagueSystemEdit(document, kDemoCountry, 999, 0), EApplyResult::kScriptMissing);
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);

    const int fewer = RowWithLowestLevel(0);
    ASSERT_GT(fewer, 0);
    ASSERT_EQ(ApplyLeagueSystemEdit(document, kDemoCountry, 0, fewer), EApplyResult::kApplied);
    EXPECT_EQ(Counts(), GenericLeagueSystems()[static_cast<std::size_t>(fewer)].leagues);
    EXPECT_EQ(document.History().Count(), 1u);
    EXPECT_EQ(document.UndoDescription(), std::optional<std::string>("Ligasystem"));
    // Dropping a level keeps the other leagues whole: nothing to report.
    EXPECT_TRUE(CheckAfterRebuild(World(), kDemoCountry, kDefaultLanguage).messages.empty());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);
}

TEST_F(LeagueSystemCommandsTest, TheCheckAfterARebuildNamesTheLeaguesThatLackTeams) {
    EXPECT_TRUE(CheckAfterRebuild(World(), kDemoCountry, kDefaultLanguage).messages.empty());
    // The first system with more leagues somewhere and none fewer: the further ones have no teams.
    const std::array<int, kLevelCount> counts = Counts();
    int row = 1;
    for (; row < kGenericSystemCount; ++row) {
        const auto& leagues = GenericLeagueSystems()[static_cast<std::size_t>(row)].leagues;
        if (leagues != counts && std::equal(leagues.begin(), leagues.end(), counts.begin(),
                                            [](int wanted, int now) { return wanted >= now; })) {
            break;
        }
    }
    ASSERT_LT(row, kGenericSystemCount);
    ASSERT_EQ(ApplyLeagueSystemEdit(document, kDemoCountry, 0, row), EApplyResult::kApplied);
    const SCompositionFaults faults = CheckAfterRebuild(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_FALSE(faults.messages.empty());
    EXPECT_EQ(faults.headed, faults.messages.size() > 1);
    const std::string lacking = ": Nicht gen\xFCgend Vereine in der Liga!";
    EXPECT_TRUE(
        std::any_of(faults.messages.begin(), faults.messages.end(),
                    [&lacking](const std::string& message) { return message.ends_with(lacking); }));
}

}  // namespace
}  // namespace kw
