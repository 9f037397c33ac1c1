#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <numeric>
#include <optional>
#include <string>

#include "DemoDocumentTest.h"
#include "DemoInstallation.h"
#include "TempDir.h"
#include "competition/Competition.h"
#include "competition/CompetitionList.h"
#include "competition/League.h"
#include "editing/CompositionCommands.h"
#include "editing/LeagueComposition.h"
#include "editing/LeagueDataEdit.h"
#include "editing/LeagueDataRules.h"
#include "editing/LeagueSystemCommands.h"
#include "editing/LeagueSystemRules.h"
#include "editing/SeasonMarks.h"
#include "exports/master/MasterExport.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

constexpr int kDemoCountry = 14;

TEST(GenericLeagueSystems, MasksAllowExactlyMultiplesOfTheNextLevelsRatio) {
    for (const SGenericLeagueSystem& system : GenericLeagueSystems()) {
        std::string name;
        for (int level = 0; level < kLevelCount; ++level) {
            const int leagues = system.leagues[static_cast<std::size_t>(level)];
            if (leagues == 0) {
                EXPECT_EQ(system.relegationMasks[static_cast<std::size_t>(level)], 0)
                    << system.name;
                continue;
            }
            name += (name.empty() ? "" : "-") + std::to_string(leagues);
            const int next =
                level + 1 < kLevelCount ? system.leagues[static_cast<std::size_t>(level) + 1] : 0;
            for (int relegated = 0; relegated <= kMaxRelegated; ++relegated) {
                // The lowest level relegates into no league: any number.
                const bool fits = next == 0 || relegated == 0 || relegated % (next / leagues) == 0;
                EXPECT_EQ(IsRelegationAllowed(system, level, relegated), fits)
                    << system.name << " level " << level << " relegated " << relegated;
            }
        }
        EXPECT_EQ(system.name, name.empty() ? "-" : name);
    }
}

TEST(GenericLeagueSystems, PreselectionTakesTheFirstRowWithTheCountrysCounts) {
    EXPECT_EQ(PreselectedGenericSystem({1, 1, 2, 0, 0}), 7);
    EXPECT_EQ(GenericLeagueSystems()[7].name, "1-1-2");
    EXPECT_EQ(PreselectedGenericSystem({1, 1, 1, 4, 4}), 32);
    // No row has these: row 0.
    EXPECT_EQ(PreselectedGenericSystem({1, 2, 3, 0, 0}), 0);
    EXPECT_EQ(PreselectedGenericSystem({2, 0, 0, 0, 0}), 0);
}

TEST(GenericLeagueSystems, ApplyingKeepsOnlyRelegationsTheRowAllows) {
    const SGenericLeagueSystem& oneTwo = GenericLeagueSystems()[3];
    EXPECT_EQ(AllowedRelegations(oneTwo, 0), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(AllowedRelegations(oneTwo, 1), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(AllowedRelegations(oneTwo, 2).empty());
    const std::array<std::uint8_t, kLevelCount> applied =
        RelegationsToApply(oneTwo, {3, 5, 2, 1, 0});
    EXPECT_EQ(applied, (std::array<std::uint8_t, kLevelCount>{0, 5, 0, 0, 0}));
    EXPECT_EQ(RelegationsToApply(oneTwo, {4, 6, 0, 0, 0})[0], 4);
    EXPECT_EQ(RelegationsToApply(oneTwo, {4, 6, 0, 0, 0})[1], 0);
    EXPECT_FALSE(IsRelegationAllowed(oneTwo, -1, 0));
    EXPECT_FALSE(IsRelegationAllowed(oneTwo, kLevelCount, 0));
}

TEST(LeagueData, MoreThan46MatchdaysFallBackToTwoMeetings) {
    EXPECT_EQ(MeetingsWithinMatchdayLimit(24, 3), 2);  // 69 matchdays
    EXPECT_EQ(MeetingsWithinMatchdayLimit(24, 2), 2);  // 46, the limit itself
    EXPECT_EQ(MeetingsWithinMatchdayLimit(23, 3), 2);  // played as 24
    EXPECT_EQ(MeetingsWithinMatchdayLimit(16, 3), 3);  // 45
    EXPECT_EQ(MeetingsWithinMatchdayLimit(12, 4), 4);  // 44
    EXPECT_EQ(MeetingsWithinMatchdayLimit(13, 4), 2);  // 52
}

TEST(LeagueData, ReserveTeamSwitchMovesTheLevelLimit) {
    // On for the top level with the limit at 3, then off again.
    const std::uint8_t on = SwitchReserveTeams(3, 0, true);
    EXPECT_EQ(on, 0);
    EXPECT_EQ(SwitchReserveTeams(on, 0, false), 1);
    // A level already allowed stays; switching off a level below... above the limit changes
    // nothing.
    EXPECT_EQ(SwitchReserveTeams(2, 3, true), 2);
    EXPECT_EQ(SwitchReserveTeams(2, 3, false), 2);
    EXPECT_EQ(SwitchReserveTeams(2, 1, false), 2);
    EXPECT_TRUE(ReserveTeamsAllowed(2, 2));
    EXPECT_FALSE(ReserveTeamsAllowed(2, 1));
}

TEST(LeagueData, LoanRulesSetTheirFieldAndNothingElseMirroredOnesShowOne) {
    const std::uint32_t pattern1 = 0x9E3779B9;
    const std::uint32_t pattern2 = 0x7F4A7C15;
    for (const SLoanRule& rule : LoanRules()) {
        const int last = LoanRuleChoiceCount(rule) - 1;
        EXPECT_EQ(last, rule.width == 4 ? 15 : 30) << rule.label;
        for (const int value : {0, 1, last, last + 7, -3}) {
            std::uint32_t word1 = pattern1;
            std::uint32_t word2 = pattern2;
            SetLoanRuleValue(rule, value, word1, word2);
            EXPECT_EQ(LoanRuleValue(rule, word1, word2), std::clamp(value, 0, last)) << rule.label;
            const std::uint32_t field = ((1u << rule.width) - 1u) << rule.shift;
            const std::uint32_t changed = (word1 ^ pattern1) | (word2 ^ pattern2);
            EXPECT_EQ(changed & ~field, 0u) << rule.label;
            EXPECT_EQ(rule.word == 1 ? word2 : word1, rule.word == 1 ? pattern2 : pattern1);
        }
    }
    // Bits 12..15 of the second word belong to no list.
    for (const SLoanRule& rule : LoanRules()) {
        EXPECT_FALSE(rule.word == 2 && rule.shift <= 12 && rule.shift + rule.width > 12)
            << rule.label;
    }
    // Mirrored lists show one field.
    const auto& rules = LoanRules();
    const auto find = [&rules](std::string_view label) {
        return *std::find_if(rules.begin(), rules.end(),
                             [label](const SLoanRule& rule) { return rule.label == label; });
    };
    const SLoanRule& other = find(
        "Leihgesch\xE4"
        "fte mit anderer Liga");
    const SLoanRule& together = find(
        "Gleichzeitige Leihgesch\xE4"
        "fte mit anderer Liga");
    std::uint32_t word1 = 0;
    std::uint32_t word2 = 0xFFFFFFFF;
    SetLoanRuleValue(together, 6, word1, word2);
    EXPECT_EQ(LoanRuleValue(other, word1, word2), 6);
    // A five-bit field holding 31 shows as "-", the last entry.
    const SLoanRule& under21 = find("Mindestanzahl Spieler unter 21 Jahren");
    EXPECT_EQ(LoanRuleValue(under21, 0, 0xFFFFFFFF), 30);
}

// The rules that work on a country's leagues and clubs, on the small demo database.
class CountryLeaguesTest : public ::testing::Test {
protected:
    CDBLeagueBase& League(int index) {
        auto* league = dynamic_cast<CDBLeagueBase*>(
            world.Competition(MakeCompetitionId(kDemoCountry, kLeagueType, index)));
        if (league == nullptr) {
            throw std::runtime_error("no such league");
        }
        return *league;
    }

    std::unique_ptr<CWorld> owned = test::LoadSmallDemo();
    CWorld& world = *owned;
};

TEST_F(CountryLeaguesTest, SystemCountsAndTeamsFollowTheLeagues) {
    const std::vector<const CDBCompetition*> leagues = CountryLeagues(world, kDemoCountry);
    ASSERT_GE(leagues.size(), 2u);
    std::array<int, kLevelCount> counts{};
    int size = 0;
    for (const CDBCompetition* league : leagues) {
        ++counts[static_cast<std::size_t>(league->Level())];
        size += dynamic_cast<const CDBLeagueBase&>(*league).LeagueSize();
    }
    EXPECT_EQ(LeaguesPerLevel(world, kDemoCountry), counts);
    EXPECT_EQ(TeamsInLeagueSystem(world, kDemoCountry), size);
    EXPECT_FALSE(LeagueName(*leagues.front(), kDefaultLanguage).empty());
}

TEST_F(CountryLeaguesTest, PlacingATeamMovesItAndRefusesWhatTheLeagueCannotTake) {
    CDBLeagueBase& top = League(0);
    CDBLeagueBase& second = League(1);
    ASSERT_TRUE(top.IsFull());
    const std::uint32_t promoted = second.Team(0);
    // A full league takes nobody.
    EXPECT_FALSE(PlaceTeam(world, top.Id(), promoted, 0));
    EXPECT_EQ(second.Team(0), promoted);

    const std::uint32_t dropped = top.Team(3);
    EXPECT_TRUE(RemoveTeamFromLeagues(world, kDemoCountry, dropped));
    EXPECT_FALSE(RemoveTeamFromLeagues(world, kDemoCountry, dropped));
    const std::vector<std::uint32_t> without = TeamsWithoutLeague(world, kDemoCountry, true);
    EXPECT_NE(std::find(without.begin(), without.end(), dropped), without.end());
    EXPECT_EQ(std::find(without.begin(), without.end(), promoted), without.end());

    const std::uint32_t wasSecond = top.Team(1);
    EXPECT_TRUE(PlaceTeam(world, top.Id(), promoted, 1));
    EXPECT_EQ(top.Team(1), promoted);
    EXPECT_EQ(top.Team(2), wasSecond);
    EXPECT_LT(second.PositionOfTeam(promoted), 0);
    // Already in it, and an index of 0.
    EXPECT_TRUE(RemoveTeamFromLeagues(world, kDemoCountry, wasSecond));
    EXPECT_FALSE(PlaceTeam(world, top.Id(), promoted, 0));
    EXPECT_FALSE(PlaceTeam(world, top.Id(), promoted & 0xFFFF0000u, 0));
}

TEST_F(CountryLeaguesTest, CompositionCheckNamesEveryFaultyLeague) {
    EXPECT_TRUE(CheckComposition(world, kDemoCountry, kDefaultLanguage).messages.empty());
    ClearLeagueTeams(world, League(1).Id());
    SCompositionFaults faults = CheckComposition(world, kDemoCountry, kDefaultLanguage);
    ASSERT_EQ(faults.messages.size(), 1u);
    EXPECT_FALSE(faults.headed);
    EXPECT_EQ(faults.messages.front(),
              LeagueName(League(1), kDefaultLanguage) + ": Nicht gen\xFCgend Vereine in der Liga!");

    // A reserve team where none may play.
    world.Country(kDemoCountry).Settings().leagueLevelLimit = kLevelCount;
    CDBLeagueBase& top = League(0);
    const std::uint32_t first = top.Team(0);
    ASSERT_TRUE(RemoveTeamFromLeagues(world, kDemoCountry, first));
    ASSERT_TRUE(PlaceTeam(world, top.Id(), first | kSecondTeamFlag, 0));
    faults = CheckComposition(world, kDemoCountry, kDefaultLanguage);
    ASSERT_EQ(faults.messages.size(), 2u);
    EXPECT_TRUE(faults.headed);
    EXPECT_EQ(faults.messages.front(), LeagueName(top, kDefaultLanguage) +
                                           ": Reserveteams d\xFCrfen nicht in der Liga spielen!");

    ClearAllLeagueTeams(world, kDemoCountry);
    for (const CDBCompetition* league : CountryLeagues(world, kDemoCountry)) {
        EXPECT_EQ(dynamic_cast<const CDBLeagueBase&>(*league).TeamCount(), 0);
    }
}

TEST_F(CountryLeaguesTest, CupMarksAreTheCountrysOnlyOnesAndLeagueMarksExcludeEachOther) {
    CCountry& country = world.Country(kDemoCountry);
    const std::uint32_t a = League(0).Team(0);
    const std::uint32_t b = League(0).Team(1);
    CClub& clubA = *country.Club(a);
    CClub& clubB = *country.Club(b);
    // The demo draws marks of its own.
    clubA.SetStatusFlags(CClub::kNoItCupFlag);
    clubB.SetStatusFlags(0);
    ApplySeasonMark(country, a, ESeasonMark::kCupWinner);
    ApplySeasonMark(country, b | kSecondTeamFlag, ESeasonMark::kCupFinalist);
    EXPECT_EQ(CupMarkText(clubA, false), "Pokalsieger");
    EXPECT_EQ(CupMarkText(clubB, true), "Pokalfinalist");
    EXPECT_EQ(CupMarkText(clubB, false), "");

    // The reserve team wins: the first team of A is no winner any more, B's finalist mark goes.
    ApplySeasonMark(country, b | kSecondTeamFlag, ESeasonMark::kCupWinner);
    EXPECT_EQ(CupMarkText(clubA, false), "");
    EXPECT_EQ(CupMarkText(clubB, true), "Pokalsieger");

    ApplySeasonMark(country, a, ESeasonMark::kPromoted);
    EXPECT_EQ(LeagueMarkText(clubA, false), "Aufsteiger");
    EXPECT_EQ(LeagueMarkText(clubA, true), "");
    ApplySeasonMark(country, a, ESeasonMark::kRelegated);
    EXPECT_EQ(LeagueMarkText(clubA, false), "Absteiger");
    const std::uint16_t beforeNothing = clubA.StatusFlags();
    ApplySeasonMark(country, a, ESeasonMark::kNoLeagueMark);
    EXPECT_EQ(LeagueMarkText(clubA, false), "");
    // The cup marks and the other flags stay.
    EXPECT_EQ(clubA.StatusFlags(), beforeNothing & ~0x5u);
}

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

// The small demo as a document for the league-system page, "Ligadaten" and the league
// composition: each apply or store one undoable edit.
class LeagueSystemTest : public test::DemoDocumentTest {
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
    static std::uint32_t LeagueId(int index) {
        return MakeCompetitionId(kDemoCountry, kLeagueType, index);
    }
    const CDBLeagueBase& League(int index) const {
        return dynamic_cast<const CDBLeagueBase&>(*World().Competition(LeagueId(index)));
    }
    const CDBLeague& FullLeague(int index) const {
        return dynamic_cast<const CDBLeague&>(*World().Competition(LeagueId(index)));
    }
    CDBLeague& EditableLeague(int index) {
        return dynamic_cast<CDBLeague&>(*Live().Competition(LeagueId(index)));
    }
    SCountrySettings& Settings() { return Live().Country(kDemoCountry).Settings(); }
    std::array<int, kLevelCount> Counts() const { return LeaguesPerLevel(World(), kDemoCountry); }
    int LowestLevel() const {
        int lowest = 0;
        for (int level = 0; level < kLevelCount; ++level) {
            lowest = Counts()[static_cast<std::size_t>(level)] > 0 ? level : lowest;
        }
        return lowest;
    }
    // The row of the structure with the lowest level's count set to `count` (0 drops it).
    int RowWithLowestLevel(int count) const {
        std::array<int, kLevelCount> counts = Counts();
        counts[static_cast<std::size_t>(LowestLevel())] = count;
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
        EXPECT_EQ(BuildMasterFile(Live(), request, progress, ui), EMasterResult::kWritten);
        std::fclose(console);
    }
    SLeagueData Read(int index) const {
        const std::optional<SLeagueData> data =
            ReadLeagueData(World(), LeagueId(index), kDefaultLanguage);
        EXPECT_TRUE(data.has_value());
        return data.value_or(SLeagueData{});
    }
    // The structure "1-2" built by hand, without the document.
    void BuildOneTwo() {
        ASSERT_EQ(ApplyLeagueSystem(Live(), kDemoCountry, 0, 3, {}), EApplyResult::kApplied);
        ASSERT_EQ(Counts(), (std::array<int, kLevelCount>{1, 2, 0, 0, 0}));
    }
    const CClub& ClubOf(std::uint32_t team) const {
        return *World().Country(kDemoCountry).Club(team & kClubIdMask);
    }
    std::vector<std::uint32_t> Teams(const std::vector<SCompositionRow>& rows) const {
        std::vector<std::uint32_t> teams;
        for (const SCompositionRow& row : rows) {
            teams.push_back(row.team);
        }
        return teams;
    }
    // A first team of the country in no league: the demo places all, so the last of the last
    // league leaves it (one edit).
    std::uint32_t FreeFirstTeam() {
        const SLeagueRow last = LeagueRows(World(), kDemoCountry, kDefaultLanguage).back();
        const std::uint32_t team =
            LeagueTeamRows(World(), last.leagueId, true, kDefaultLanguage).back().team;
        EXPECT_TRUE(DropTeamWithoutLeague(document, kDemoCountry, team));
        return team;
    }
};

TEST_F(LeagueSystemTest, DroppingTheLowestLevelKeepsTheOtherLeaguesWithTheirTeams) {
    ASSERT_TRUE(World().Country(kDemoCountry).IsComplete());
    const std::string before = DumpWorldJson(World());
    const int row = RowWithLowestLevel(0);
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

TEST_F(LeagueSystemTest, AFurtherLeagueTakesTheLevelsSettingsButNoTeams) {
    const int row = RowWithLowestLevel(Counts()[static_cast<std::size_t>(LowestLevel())] + 1);
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

TEST_F(LeagueSystemTest, ANewLevelGetsDefaultLeaguesAndRowZeroIsRefused) {
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

TEST_F(LeagueSystemTest, AScriptReplacesAGenericSystemWithMoreLeaguesAndKeepsTheCups) {
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

TEST_F(LeagueSystemTest, TheTreeListsEachLevelWithItsLeagues) {
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

TEST_F(LeagueSystemTest, OnlyLosingLeaguesOrChangingScriptsIsAsked) {
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

TEST_F(LeagueSystemTest, RefusalsRecordNothingAndAnApplyIsOneUndoStep) {
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

TEST_F(LeagueSystemTest, TheCheckAfterARebuildNamesTheLeaguesThatLackTeams) {
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

TEST_F(LeagueSystemTest, ReadsTheLeagueAndItsLevelAndTheReserveSwitchMovesTheLimit) {
    Settings().tieBreak[0] = 1;
    Settings().nonEuropeanLimit[0] = 4;
    Settings().leagueLevelLimit = 1;
    EditableLeague(0).SetValue(2, 777);
    const SLeagueData data = Read(0);
    EXPECT_EQ(data.size, FullLeague(0).LeagueSize());
    EXPECT_EQ(data.meetings, FullLeague(0).Meetings());
    EXPECT_EQ(data.values[1], 777);
    EXPECT_EQ(data.tieBreak, 1);
    EXPECT_EQ(data.nonEuropeanLimit, 4);
    EXPECT_FALSE(data.reserveTeams);
    EXPECT_FALSE(ReadLeagueData(World(), MakeCompetitionId(kDemoCountry, kLeagueType, 19),
                                kDefaultLanguage));
    EXPECT_FALSE(
        ReadLeagueData(World(), MakeCompetitionId(kDemoCountry, kPoolType, 0), kDefaultLanguage));

    // The reserve teams switch moves the level limit.
    Settings().leagueLevelLimit = 3;
    const SLeagueData shown = Read(0);
    ASSERT_FALSE(shown.reserveTeams);
    SLeagueData edited = shown;
    edited.reserveTeams = true;
    ASSERT_TRUE(StoreLeagueData(document, LeagueId(0), shown, edited));
    EXPECT_EQ(World().Country(kDemoCountry).Settings().leagueLevelLimit, 0);
    EXPECT_TRUE(Read(0).reserveTeams);
}

TEST_F(LeagueSystemTest, TooManyMatchdaysFallBackToTwoMeetings) {
    const SLeagueData shown = Read(0);
    SLeagueData edited = shown;
    edited.size = 24;
    edited.meetings = 3;
    ASSERT_TRUE(StoreLeagueData(document, LeagueId(0), shown, edited));
    EXPECT_EQ(FullLeague(0).LeagueSize(), 24);
    // 23 x 3 = 69 matchdays pass 46; 23 x 2 = 46 is the limit.
    EXPECT_EQ(FullLeague(0).Meetings(), 2);
    EXPECT_EQ(FullLeague(0).LeagueMatchdays(), 46);

    // 15 x 3 = 45 fits.
    const SLeagueData small = Read(0);
    edited = small;
    edited.size = 16;
    edited.meetings = 3;
    ASSERT_TRUE(StoreLeagueData(document, LeagueId(0), small, edited));
    EXPECT_EQ(FullLeague(0).Meetings(), 3);
    EXPECT_EQ(FullLeague(0).Fixtures().Rows(), 45);
    EXPECT_EQ(document.History().Count(), 2u);
}

TEST_F(LeagueSystemTest, RelegationOnlyAsTheMatchingSystemAllows) {
    BuildOneTwo();
    EXPECT_EQ(RelegationChoices(World(), LeagueId(0)), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(RelegationChoices(World(), LeagueId(1)), (std::vector<int>{0, 1, 2, 3, 4, 5}));

    const SLeagueData shown = Read(0);
    SLeagueData edited = shown;
    edited.relegated = 3;
    StoreLeagueData(document, LeagueId(0), shown, edited);
    EXPECT_EQ(World().Country(kDemoCountry).Settings().relegated[0], 0);

    edited = Read(0);
    edited.relegated = 4;
    StoreLeagueData(document, LeagueId(0), Read(0), edited);
    EXPECT_EQ(World().Country(kDemoCountry).Settings().relegated[0], 4);
    // The structure stays as it is: OK does not rebuild.
    EXPECT_EQ(LeaguesPerLevel(World(), kDemoCountry),
              (std::array<int, kLevelCount>{1, 2, 0, 0, 0}));
}

TEST_F(LeagueSystemTest, OnlyChangedValuesAreStoredAndNoChangeRecordsNothing) {
    EditableLeague(0).SetSpectatorMultiplier(0);
    EditableLeague(0).SetBaseSetting(40);
    const std::string before = DumpWorldJson(World(), kDemoCountry);
    const SLeagueData shown = Read(0);
    EXPECT_FALSE(StoreLeagueData(document, LeagueId(0), shown, shown));
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);

    SLeagueData edited = shown;
    edited.name = "Eine sehr lange Ligabezeichnung mit Zusatz";
    edited.values = {1000, 50, 12345678};
    edited.signingFlags = static_cast<std::uint8_t>(shown.signingFlags ^ 4);
    ASSERT_TRUE(StoreLeagueData(document, LeagueId(0), shown, edited));
    EXPECT_EQ(FullLeague(0).SpectatorMultiplier(), 0);
    EXPECT_EQ(FullLeague(0).BaseSetting(), 40);
    EXPECT_EQ(FullLeague(0).Names()[kDefaultLanguage].View(), edited.name.substr(0, 29));
    EXPECT_EQ(FullLeague(0).Value(1), 1000);
    EXPECT_EQ(FullLeague(0).Value(3), 12345678);
    EXPECT_EQ(FullLeague(0).SigningFlags(), edited.signingFlags);
    EXPECT_EQ(document.UndoDescription(), std::optional<std::string>("Ligadaten"));
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);
}

TEST(MoneyFromTextTest, LeadingDigitsHeldToThirtyTwoBits) {
    EXPECT_EQ(MoneyFromText("12345678"), 12345678);
    EXPECT_EQ(MoneyFromText("12ab"), 12);
    EXPECT_EQ(MoneyFromText(""), 0);
    EXPECT_EQ(MoneyFromText("x1"), 0);
    EXPECT_EQ(MoneyFromText("-250"), -250);
    EXPECT_EQ(MoneyFromText("99999999999"), INT_MAX);
    EXPECT_EQ(MoneyFromText("-99999999999"), INT_MIN);
}

TEST_F(LeagueSystemTest, RowsShowTheLeaguesAndTheirTeamsInOrderWithNamesAndMarks) {
    const std::vector<SLeagueRow> leagues = LeagueRows(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_FALSE(leagues.empty());
    EXPECT_EQ(leagues.front().leagueId, LeagueId(0));
    EXPECT_EQ(leagues.front().name,
              LeagueName(*World().Competition(LeagueId(0)), kDefaultLanguage));

    const std::vector<SCompositionRow> rows =
        LeagueTeamRows(World(), LeagueId(0), false, kDefaultLanguage);
    ASSERT_EQ(rows.size(), League(0).Teams().size());
    EXPECT_EQ(Teams(rows), League(0).Teams());
    for (std::size_t index = 0; index < rows.size(); ++index) {
        EXPECT_EQ(rows[index].position, static_cast<int>(index));
    }
    const std::uint32_t first = rows.front().team;
    ASSERT_TRUE(document.Perform("mark", SWorldScope::Countries({kDemoCountry}), [&](CWorld& w) {
        ApplySeasonMark(w.Country(kDemoCountry), first, ESeasonMark::kRelegated);
        ApplySeasonMark(w.Country(kDemoCountry), first, ESeasonMark::kCupFinalist);
        return true;
    }));
    const SCompositionRow marked =
        LeagueTeamRows(World(), LeagueId(0), false, kDefaultLanguage).front();
    EXPECT_EQ(marked.text,
              std::string(ClubOf(first).Name(kDefaultLanguage)) + "\tAbsteiger\tPokalfinalist");

    // A reserve team under the club's second-team name; hidden, it leaves no row, the others
    // keeping their league positions.
    const std::uint32_t reserve = FreeFirstTeam() | kSecondTeamFlag;
    const std::uint32_t last = leagues.back().leagueId;
    ASSERT_TRUE(DropTeamInLeague(document, last, reserve, 1));
    const std::vector<SCompositionRow> shown =
        LeagueTeamRows(World(), last, false, kDefaultLanguage);
    ASSERT_GT(shown.size(), 2u);
    EXPECT_EQ(shown[1].team, reserve);
    EXPECT_EQ(shown[1].text, ClubOf(reserve).SecondTeamName(kDefaultLanguage) + "\t\t");
    const std::vector<SCompositionRow> hidden =
        LeagueTeamRows(World(), last, true, kDefaultLanguage);
    ASSERT_EQ(hidden.size(), shown.size() - 1);
    EXPECT_EQ(hidden[1].team, shown[2].team);
    EXPECT_EQ(hidden[1].position, 2);
}

TEST_F(LeagueSystemTest, RowsWithoutLeagueFollowTheTeamsWithoutLeague) {
    for (const bool hide : {false, true}) {
        const std::vector<SCompositionRow> rows =
            RowsWithoutLeague(World(), kDemoCountry, hide, kDefaultLanguage);
        EXPECT_EQ(rows.empty(), hide);
        EXPECT_EQ(Teams(rows), TeamsWithoutLeague(World(), kDemoCountry, hide));
        for (const SCompositionRow& row : rows) {
            EXPECT_EQ(row.position, -1);
            if (hide) {
                EXPECT_EQ(row.team & kSecondTeamFlag, 0u);
            }
        }
    }
}

TEST_F(LeagueSystemTest, AddingDroppingAndRemovingAreEditsOnlyWhenSomethingChanges) {
    const std::string before = DumpWorldJson(World(), kDemoCountry);
    const std::uint32_t team = FreeFirstTeam();
    ClearLeague(document, LeagueId(0));
    const std::size_t start = Edits();

    ASSERT_TRUE(AddTeamToLeague(document, LeagueId(0), team));
    EXPECT_EQ(League(0).Teams(), std::vector<std::uint32_t>{team});
    EXPECT_FALSE(AddTeamToLeague(document, LeagueId(0), team));  // already in it
    EXPECT_FALSE(AddTeamToLeague(document, LeagueId(0), MakeClubId(kDemoCountry, 0)));
    EXPECT_EQ(Edits(), start + 1);

    // Into another league (the one it came from has room): it leaves the first one.
    const std::uint32_t last = LeagueRows(World(), kDemoCountry, kDefaultLanguage).back().leagueId;
    ASSERT_TRUE(DropTeamInLeague(document, last, team, 0));
    EXPECT_TRUE(League(0).Teams().empty());
    EXPECT_EQ(LeagueTeamRows(World(), last, false, kDefaultLanguage).front().team, team);

    ASSERT_TRUE(DropTeamWithoutLeague(document, kDemoCountry, team));
    EXPECT_NE(LeagueTeamRows(World(), last, false, kDefaultLanguage).front().team, team);
    EXPECT_FALSE(DropTeamWithoutLeague(document, kDemoCountry, team));
    EXPECT_EQ(Edits(), start + 3);

    while (document.Undo()) {
    }
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);
}

TEST_F(LeagueSystemTest, AFullLeagueRefusesAndInsertingMovesTheLaterTeamsDown) {
    const std::uint32_t team = FreeFirstTeam();
    ASSERT_TRUE(League(0).IsFull());
    const std::vector<std::uint32_t> full = League(0).Teams();
    const std::size_t start = Edits();
    EXPECT_FALSE(AddTeamToLeague(document, LeagueId(0), team));
    EXPECT_FALSE(DropTeamInLeague(document, LeagueId(0), team, 2));
    EXPECT_EQ(League(0).Teams(), full);
    EXPECT_EQ(Edits(), start);

    ASSERT_TRUE(DropTeamWithoutLeague(document, kDemoCountry, full[5]));
    ASSERT_TRUE(DropTeamInLeague(document, LeagueId(0), team, 2));
    std::vector<std::uint32_t> expected = full;
    expected.erase(expected.begin() + 5);
    expected.insert(expected.begin() + 2, team);
    EXPECT_EQ(League(0).Teams(), expected);
}

TEST_F(LeagueSystemTest, DroppingATeamOfTheLeagueOnItReordersIt) {
    const std::vector<std::uint32_t> teams = League(0).Teams();
    ASSERT_GE(teams.size(), 6u);
    const auto Moved = [&teams](std::size_t from, std::size_t to) {
        std::vector<std::uint32_t> moved = teams;
        const std::uint32_t team = moved[from];
        moved.erase(moved.begin() + static_cast<std::ptrdiff_t>(from));
        moved.insert(moved.begin() + static_cast<std::ptrdiff_t>(to), team);
        return moved;
    };
    // On itself, on its successor, the last behind the last row: no change, no edit.
    const std::size_t start = Edits();
    EXPECT_FALSE(DropTeamInLeague(document, LeagueId(0), teams[2], 2));
    EXPECT_FALSE(DropTeamInLeague(document, LeagueId(0), teams[2], 3));
    EXPECT_FALSE(DropTeamInLeague(document, LeagueId(0), teams.back(), -1));
    EXPECT_EQ(League(0).Teams(), teams);
    EXPECT_EQ(Edits(), start);
    // Down: it takes the place before the row it was dropped on.
    ASSERT_TRUE(DropTeamInLeague(document, LeagueId(0), teams[1], 4));
    EXPECT_EQ(League(0).Teams(), Moved(1, 3));
    document.Undo();
    // Up: it takes the row's place.
    ASSERT_TRUE(DropTeamInLeague(document, LeagueId(0), teams[4], 1));
    EXPECT_EQ(League(0).Teams(), Moved(4, 1));
    document.Undo();
    // Behind the last row: to the end.
    ASSERT_TRUE(DropTeamInLeague(document, LeagueId(0), teams[0], -1));
    EXPECT_EQ(League(0).Teams(), Moved(0, teams.size() - 1));
    document.Undo();
    EXPECT_EQ(League(0).Teams(), teams);
}

TEST_F(LeagueSystemTest, ClearingEmptiesLeaguesOnceAndTheCheckNamesThem) {
    const std::vector<SLeagueRow> leagues = LeagueRows(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_GE(leagues.size(), 2u);
    const std::size_t start = Edits();
    ASSERT_TRUE(ClearLeague(document, LeagueId(0)));
    EXPECT_TRUE(League(0).Teams().empty());
    EXPECT_FALSE(League(1).Teams().empty());
    EXPECT_FALSE(ClearLeague(document, LeagueId(0)));
    const SCompositionFaults one = CheckComposition(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_EQ(one.messages.size(), 1u);
    EXPECT_FALSE(one.headed);

    ASSERT_TRUE(ClearAllLeagues(document, kDemoCountry));
    for (const SLeagueRow& league : leagues) {
        EXPECT_TRUE(LeagueTeamRows(World(), league.leagueId, false, kDefaultLanguage).empty());
    }
    EXPECT_FALSE(ClearAllLeagues(document, kDemoCountry));
    EXPECT_EQ(Edits(), start + 2);
    EXPECT_EQ(CheckComposition(World(), kDemoCountry, kDefaultLanguage).messages.size(),
              leagues.size());
}

TEST_F(LeagueSystemTest, SeasonMarksRecordAnEditOnlyWhenAFlagChanges) {
    // Two teams that do not hold the cup yet.
    std::vector<std::uint32_t> teams;
    for (const std::uint32_t team : League(0).Teams()) {
        if (CupMarkText(ClubOf(team), false) != "Pokalsieger") {
            teams.push_back(team);
        }
    }
    ASSERT_GE(teams.size(), 2u);
    const std::size_t start = Edits();
    ASSERT_TRUE(SetSeasonMark(document, kDemoCountry, teams[0], ESeasonMark::kCupWinner));
    ASSERT_TRUE(SetSeasonMark(document, kDemoCountry, teams[1], ESeasonMark::kCupWinner));
    EXPECT_EQ(CupMarkText(ClubOf(teams[0]), false), "");
    EXPECT_EQ(CupMarkText(ClubOf(teams[1]), false), "Pokalsieger");
    EXPECT_FALSE(SetSeasonMark(document, kDemoCountry, teams[1], ESeasonMark::kCupWinner));
    EXPECT_EQ(Edits(), start + 2);
}

}  // namespace
}  // namespace kw
