#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <numeric>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "DemoDocumentTest.h"
#include "DemoInstallation.h"
#include "RowTable.h"
#include "TempDir.h"
#include "competition/Competition.h"
#include "competition/CompetitionList.h"
#include "competition/Fixturelist.h"
#include "competition/League.h"
#include "editing/CalendarCheck.h"
#include "editing/CalendarCommands.h"
#include "editing/CompositionCommands.h"
#include "editing/FixtureListEditing.h"
#include "editing/FixtureListSession.h"
#include "editing/LeagueComposition.h"
#include "editing/LeagueDataEdit.h"
#include "editing/LeagueDataRules.h"
#include "editing/LeagueSystemCommands.h"
#include "editing/LeagueSystemRules.h"
#include "editing/SeasonCalendar.h"
#include "editing/SeasonMarks.h"
#include "editing/StadiumPick.h"
#include "exports/master/MasterExport.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Rules.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {
namespace {

constexpr int kDemoCountry = 14;

TEST(LeagueSystemRules, GenericSystemsMatchdayLimitReserveSwitchLoanRulesAndMoney) {
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

    // Preselection takes the first row of the country's counts, applying its relegations.
    EXPECT_EQ(PreselectedGenericSystem({1, 1, 2, 0, 0}), 7);
    EXPECT_EQ(GenericLeagueSystems()[7].name, "1-1-2");
    EXPECT_EQ(PreselectedGenericSystem({1, 1, 1, 4, 4}), 32);
    // No row has these: row 0.
    EXPECT_EQ(PreselectedGenericSystem({1, 2, 3, 0, 0}), 0);
    EXPECT_EQ(PreselectedGenericSystem({2, 0, 0, 0, 0}), 0);
    // Applying keeps only the relegations the row allows.
    const SGenericLeagueSystem& oneTwo = GenericLeagueSystems()[3];
    EXPECT_EQ(AllowedRelegations(oneTwo, 0), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(AllowedRelegations(oneTwo, 1), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(AllowedRelegations(oneTwo, 2).empty());
    using Relegations = std::array<std::uint8_t, kLevelCount>;
    EXPECT_EQ(RelegationsToApply(oneTwo, {3, 5, 2, 1, 0}), (Relegations{0, 5, 0, 0, 0}));
    EXPECT_EQ(RelegationsToApply(oneTwo, {4, 6, 0, 0, 0}), (Relegations{4, 0, 0, 0, 0}));
    EXPECT_FALSE(IsRelegationAllowed(oneTwo, -1, 0));
    EXPECT_FALSE(IsRelegationAllowed(oneTwo, kLevelCount, 0));

    // League data: the matchday limit, the reserve switch, loan rules and money.
    EXPECT_EQ(MeetingsWithinMatchdayLimit(24, 3), 2);  // 69 matchdays
    EXPECT_EQ(MeetingsWithinMatchdayLimit(24, 2), 2);  // 46, the limit itself
    EXPECT_EQ(MeetingsWithinMatchdayLimit(23, 3), 2);  // played as 24
    EXPECT_EQ(MeetingsWithinMatchdayLimit(16, 3), 3);  // 45
    EXPECT_EQ(MeetingsWithinMatchdayLimit(12, 4), 4);  // 44
    EXPECT_EQ(MeetingsWithinMatchdayLimit(13, 4), 2);  // 52
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

    // Loan rules set their field and nothing else; mirrored ones show one.
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

    // Money: leading digits held to thirty-two bits.
    const test::Rows<const char*, int> typed = {{"12345678", 12345678},
                                                {"12ab", 12},
                                                {"", 0},
                                                {"x1", 0},
                                                {"-250", -250},
                                                {"99999999999", INT_MAX},
                                                {"-99999999999", INT_MIN}};
    test::ExpectRows(MoneyFromText, typed);
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

// The small demo as a document for the league-system page, "Ligadaten", the league
// composition, the calendar and the fixture lists: each apply or store one undoable edit. The
// rules under them work on `world`, outside the history.
class LeagueSystemTest : public test::DemoDocumentTest {
protected:
    EApplyResult Apply(int row, int script = 0) {
        return ApplyLeagueSystemEdit(document, kDemoCountry, script, row);
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
        const std::array<int, kLevelCount> counts = Counts();
        return static_cast<int>(std::find(counts.begin(), counts.end(), 0) - counts.begin()) - 1;
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
    const CClub& ClubOf(std::uint32_t team) const {
        return *World().Country(kDemoCountry).Club(team & kClubIdMask);
    }
    std::vector<std::uint32_t> Teams(const std::vector<SCompositionRow>& rows) const {
        return test::Column(rows, &SCompositionRow::team);
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
    std::vector<SCalendarColumn> Columns() const {
        return CalendarColumns(World(), kDemoCountry, kDefaultLanguage);
    }
    const CDBCompetition& Node(std::uint32_t id) const { return *World().Competition(id); }
    // A day of calendar 0 on which no column has a matchday.
    int FreeDay() const {
        for (int day = 1; day < kShownSeasonDays; ++day) {
            bool free = true;
            for (const SCalendarColumn& column : Columns()) {
                free = free && !Node(column.competitionId).PlaysOnDay(World().Registry(), 0, day);
            }
            if (free) {
                return day;
            }
        }
        return -1;
    }
    std::vector<std::string> Lines() const {
        return CheckCalendars(World(), kDemoCountry, ECalendarCheck::kAtClose, kDefaultLanguage)
            .lines;
    }
    std::string CountryDump() const { return DumpWorldJson(World(), kDemoCountry); }

    CWorld& world = Live();
};

TEST_F(LeagueSystemTest, PlacingATeamMovesItAndRefusesWhatTheLeagueCannotTake) {
    const CDBLeagueBase& top = League(0);
    const CDBLeagueBase& second = League(1);
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

TEST_F(LeagueSystemTest, DroppingTheLowestLevelKeepsTheOtherLeaguesWithTheirTeamsAsOneEdit) {
    ASSERT_TRUE(World().Country(kDemoCountry).IsComplete());
    Settings().relegated = {5, 5, 5, 5, 5};
    const std::string before = DumpWorldJson(World());
    EXPECT_EQ(Apply(0), EApplyResult::kNoSystemChosen);
    EXPECT_EQ(Apply(0, 999), EApplyResult::kScriptMissing);
    EXPECT_EQ(Edits(), 0u);
    const int row = RowWithLowestLevel(0);
    ASSERT_GT(row, 0);
    const SGenericLeagueSystem& system = GenericLeagueSystems()[static_cast<std::size_t>(row)];
    const std::vector<std::uint32_t> topTeams = League(0).Teams();
    const std::string topName = LeagueName(League(0), kDefaultLanguage);

    ASSERT_EQ(Apply(row), EApplyResult::kApplied);
    EXPECT_EQ(Edits(), 1u);
    EXPECT_EQ(document.UndoDescription(), std::optional<std::string>("Ligasystem"));
    EXPECT_EQ(Counts(), system.leagues);
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
    // The other leagues are whole: nothing to report.
    EXPECT_TRUE(CheckAfterRebuild(World(), kDemoCountry, kDefaultLanguage).messages.empty());

    const std::string rebuilt = DumpWorldJson(World());
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(SameDump(DumpWorldJson(World()), before));
    ASSERT_TRUE(document.Redo());
    EXPECT_TRUE(SameDump(DumpWorldJson(World()), rebuilt));
    // Last: the build writes back what it corrects.
    ExpectMasterBuilds();
}

TEST_F(LeagueSystemTest, AFurtherLeagueTakesTheLevelsSettingsButNoTeamsAndTheCheckNamesIt) {
    EXPECT_TRUE(CheckAfterRebuild(World(), kDemoCountry, kDefaultLanguage).messages.empty());
    const int row = RowWithLowestLevel(Counts()[static_cast<std::size_t>(LowestLevel())] + 1);
    ASSERT_GT(row, 0);
    const std::array<int, kLevelCount> old = Counts();
    const int lowest = LowestLevel();
    const int firstOfLowest = std::accumulate(old.begin(), old.begin() + lowest, 0);
    const int size = League(firstOfLowest).LeagueSize();
    const int added = firstOfLowest + old[static_cast<std::size_t>(lowest)];

    ASSERT_EQ(Apply(row), EApplyResult::kApplied);
    const CDBLeagueBase& further = League(added);
    EXPECT_EQ(std::tuple(further.Level(), further.LeagueSize(), further.TeamCount()),
              std::tuple(lowest, size, 0));
    EXPECT_NE(LeagueName(further, kDefaultLanguage),
              LeagueName(League(firstOfLowest), kDefaultLanguage));
    // The check after the rebuild names it.
    const SCompositionFaults faults = CheckAfterRebuild(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_FALSE(faults.messages.empty());
    EXPECT_EQ(faults.headed, faults.messages.size() > 1);
    EXPECT_NE(std::find(faults.messages.begin(), faults.messages.end(),
                        LeagueName(further, kDefaultLanguage) +
                            ": Nicht gen\xFCgend Vereine in der Liga!"),
              faults.messages.end());
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

TEST_F(LeagueSystemTest, ANewLevelGetsDefaultLeaguesAndAScriptReplacesAGenericSystemKeepingCups) {
    const std::string before = DumpWorldJson(World());
    // Five levels of one league each: the levels the demo lacks get fresh leagues.
    const std::array<int, kLevelCount> old = Counts();
    ASSERT_EQ(Apply(27), EApplyResult::kApplied);
    EXPECT_EQ(Counts(), (std::array<int, kLevelCount>{1, 1, 1, 1, 1}));
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

    // The demo country is built by its script, beside its cups.
    const int script = World().Country(kDemoCountry).LeagueScript();
    ASSERT_GT(script, 0);
    const std::vector<std::uint32_t> scripted =
        CountryCompetitionIds(World().Registry(), kDemoCountry);
    const auto leagueCount = [](const std::array<int, kLevelCount>& counts) {
        return std::accumulate(counts.begin(), counts.end(), 0);
    };
    // The first generic system with four levels and more leagues than the script.
    const int scriptLeagues = leagueCount(Counts());
    int row = 1;
    for (; row < kGenericSystemCount; ++row) {
        const auto& leagues = GenericLeagueSystems()[static_cast<std::size_t>(row)].leagues;
        if (leagues[3] > 0 && leagueCount(leagues) > scriptLeagues) {
            break;
        }
    }
    ASSERT_LT(row, kGenericSystemCount);
    // Rebuilt without a script, the country keeps its cups.
    world.Country(kDemoCountry).SetLeagueScript(0);
    ASSERT_EQ(Apply(row), EApplyResult::kApplied);
    const std::string generic = DumpWorldJson(World());

    ASSERT_EQ(Apply(0, script), EApplyResult::kApplied);
    EXPECT_EQ(CountryCompetitionIds(World().Registry(), kDemoCountry), scripted);
    EXPECT_TRUE(World().Country(kDemoCountry).IsComplete());
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(SameDump(DumpWorldJson(World()), generic));
    ASSERT_TRUE(document.Redo());
    ExpectMasterBuilds();
}

TEST_F(LeagueSystemTest, TheTreeListsEachLevelsLeaguesAndOnlyLosingLeaguesOrScriptsIsAsked) {
    world.Country(kDemoCountry).SetLevelName(0, kDefaultLanguage, "Oberste Spielklasse");
    const std::vector<SLevelRow> levels =
        LeagueSystemLevels(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_EQ(static_cast<int>(levels.size()), LowestLevel() + 1);
    EXPECT_EQ(levels[0].name, "Oberste Spielklasse");
    EXPECT_FALSE(levels[0].leagues.front().name.empty());
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
    std::array<int, kLevelCount> counts{};
    int size = 0;
    for (const CDBCompetition* league : CountryLeagues(World(), kDemoCountry)) {
        leagues.push_back(league->Id());
        ++counts[static_cast<std::size_t>(league->Level())];
        size += dynamic_cast<const CDBLeagueBase&>(*league).LeagueSize();
    }
    EXPECT_EQ(listed, leagues);
    EXPECT_EQ(Counts(), counts);
    EXPECT_EQ(TeamsInLeagueSystem(World(), kDemoCountry), size);

    // Only losing leagues or changing scripts is asked.
    // The demo country is built by script 1: giving it up is asked whatever the row.
    EXPECT_TRUE(
        ApplyNeedsConfirmation(World(), kDemoCountry, 0, PreselectedGenericSystem(Counts())));
    EXPECT_FALSE(ApplyNeedsConfirmation(World(), kDemoCountry, 1, 0));
    world.Country(kDemoCountry).SetLeagueScript(0);
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
    world.Country(kDemoCountry).SetLeagueScript(2);
    EXPECT_FALSE(ApplyNeedsConfirmation(World(), kDemoCountry, 2, 0));
    EXPECT_TRUE(ApplyNeedsConfirmation(World(), kDemoCountry, 0, same));
}

TEST_F(LeagueSystemTest, LeagueDataShowsTheLeagueAndItsLevelAndStoresOnlyChangedValues) {
    Settings().tieBreak[0] = 1;
    Settings().nonEuropeanLimit[0] = 4;
    Settings().leagueLevelLimit = 1;
    EditableLeague(0).SetValue(2, 777);
    EditableLeague(0).SetSpectatorMultiplier(0);
    EditableLeague(0).SetBaseSetting(40);
    const SLeagueData shown = Read(0);
    EXPECT_EQ(std::tuple(shown.size, shown.meetings, shown.values[1], shown.tieBreak,
                         shown.nonEuropeanLimit, shown.reserveTeams),
              std::tuple(FullLeague(0).LeagueSize(), FullLeague(0).Meetings(), 777, 1, 4, false));
    EXPECT_FALSE(ReadLeagueData(World(), LeagueId(19), kDefaultLanguage));
    EXPECT_FALSE(
        ReadLeagueData(World(), MakeCompetitionId(kDemoCountry, kPoolType, 0), kDefaultLanguage));
    const std::string before = CountryDump();
    EXPECT_FALSE(StoreLeagueData(document, LeagueId(0), shown, shown));
    EXPECT_EQ(Edits(), 0u);
    EXPECT_EQ(CountryDump(), before);

    SLeagueData edited = shown;
    edited.name = "Eine sehr lange Ligabezeichnung mit Zusatz";
    edited.values = {1000, 50, 12345678};
    edited.signingFlags = static_cast<std::uint8_t>(shown.signingFlags ^ 4);
    // 23 x 3 = 69 matchdays pass 46: two meetings, 23 x 2 = 46 the limit itself.
    edited.size = 24;
    edited.meetings = 3;
    ASSERT_TRUE(StoreLeagueData(document, LeagueId(0), shown, edited));
    const CDBLeague& league = FullLeague(0);
    EXPECT_EQ(std::tuple(league.SpectatorMultiplier(), league.BaseSetting(), league.Value(1),
                         league.Value(3), league.SigningFlags()),
              std::tuple(0, 40, 1000, 12345678, edited.signingFlags));
    EXPECT_EQ(league.Names()[kDefaultLanguage].View(), edited.name.substr(0, 29));
    EXPECT_EQ(std::tuple(league.LeagueSize(), league.Meetings(), league.LeagueMatchdays()),
              std::tuple(24, 2, 46));
    EXPECT_EQ(Edits(), 1u);
    EXPECT_EQ(document.UndoDescription(), std::optional<std::string>("Ligadaten"));
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(CountryDump(), before);

    // The reserve teams switch moves the level limit.
    Settings().leagueLevelLimit = 3;
    const SLeagueData limited = Read(0);
    ASSERT_FALSE(limited.reserveTeams);
    SLeagueData reserves = limited;
    reserves.reserveTeams = true;
    ASSERT_TRUE(StoreLeagueData(document, LeagueId(0), limited, reserves));
    EXPECT_EQ(World().Country(kDemoCountry).Settings().leagueLevelLimit, 0);
    EXPECT_TRUE(Read(0).reserveTeams);
}

TEST_F(LeagueSystemTest, RelegationOnlyAsTheMatchingSystemAllows) {
    // The structure "1-2" built by hand, without the document.
    ASSERT_EQ(ApplyLeagueSystem(world, kDemoCountry, 0, 3, {}), EApplyResult::kApplied);
    ASSERT_EQ(Counts(), (std::array<int, kLevelCount>{1, 2, 0, 0, 0}));
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
    EXPECT_EQ(Counts(), (std::array<int, kLevelCount>{1, 2, 0, 0, 0}));
}

TEST_F(LeagueSystemTest, RowsShowTheLeaguesTheirTeamsInOrderWithNamesAndMarksAndTheOthers) {
    // The demo places every first team: the teams without league are reserve teams.
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

TEST_F(LeagueSystemTest, AddingDroppingAndRemovingAreEditsOnlyWhenSomethingChanges) {
    const std::string before = DumpWorldJson(World(), kDemoCountry);
    const std::uint32_t free = FreeFirstTeam();
    ClearLeague(document, LeagueId(0));
    const std::size_t added = Edits();

    ASSERT_TRUE(AddTeamToLeague(document, LeagueId(0), free));
    EXPECT_EQ(League(0).Teams(), std::vector<std::uint32_t>{free});
    EXPECT_FALSE(AddTeamToLeague(document, LeagueId(0), free));  // already in it
    EXPECT_FALSE(AddTeamToLeague(document, LeagueId(0), MakeClubId(kDemoCountry, 0)));
    EXPECT_EQ(Edits(), added + 1);

    // Into another league (the one it came from has room): it leaves the first one.
    const std::uint32_t last = LeagueRows(World(), kDemoCountry, kDefaultLanguage).back().leagueId;
    ASSERT_TRUE(DropTeamInLeague(document, last, free, 0));
    EXPECT_TRUE(League(0).Teams().empty());
    EXPECT_EQ(LeagueTeamRows(World(), last, false, kDefaultLanguage).front().team, free);

    ASSERT_TRUE(DropTeamWithoutLeague(document, kDemoCountry, free));
    EXPECT_NE(LeagueTeamRows(World(), last, false, kDefaultLanguage).front().team, free);
    EXPECT_FALSE(DropTeamWithoutLeague(document, kDemoCountry, free));
    EXPECT_EQ(Edits(), added + 3);

    while (document.Undo()) {
    }
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);

    // Dropped on its own league: reordered.
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

    // A full league refuses; inserting moves the later teams down.
    const std::uint32_t team = FreeFirstTeam();
    ASSERT_TRUE(League(0).IsFull());
    const std::size_t edits = Edits();
    EXPECT_FALSE(AddTeamToLeague(document, LeagueId(0), team));
    EXPECT_FALSE(DropTeamInLeague(document, LeagueId(0), team, 2));
    EXPECT_EQ(League(0).Teams(), teams);
    EXPECT_EQ(Edits(), edits);
    ASSERT_TRUE(DropTeamWithoutLeague(document, kDemoCountry, teams[5]));
    ASSERT_TRUE(DropTeamInLeague(document, LeagueId(0), team, 2));
    std::vector<std::uint32_t> expected = teams;
    expected.erase(expected.begin() + 5);
    expected.insert(expected.begin() + 2, team);
    EXPECT_EQ(League(0).Teams(), expected);
}

TEST_F(LeagueSystemTest, ClearingEmptiesLeaguesOnceAndTheCheckNamesEveryFaultyLeague) {
    const std::vector<SLeagueRow> leagues = LeagueRows(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_GE(leagues.size(), 2u);
    EXPECT_TRUE(CheckComposition(World(), kDemoCountry, kDefaultLanguage).messages.empty());
    ASSERT_TRUE(ClearLeague(document, LeagueId(1)));
    EXPECT_TRUE(League(1).Teams().empty());
    EXPECT_FALSE(League(0).Teams().empty());
    EXPECT_FALSE(ClearLeague(document, LeagueId(1)));
    SCompositionFaults faults = CheckComposition(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_EQ(faults.messages.size(), 1u);
    EXPECT_FALSE(faults.headed);
    EXPECT_EQ(faults.messages.front(),
              LeagueName(League(1), kDefaultLanguage) + ": Nicht gen\xFCgend Vereine in der Liga!");

    // A reserve team where none may play.
    Settings().leagueLevelLimit = kLevelCount;
    const std::uint32_t first = League(0).Team(0);
    ASSERT_TRUE(RemoveTeamFromLeagues(world, kDemoCountry, first));
    ASSERT_TRUE(PlaceTeam(world, LeagueId(0), first | kSecondTeamFlag, 0));
    faults = CheckComposition(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_EQ(faults.messages.size(), 2u);
    EXPECT_TRUE(faults.headed);
    EXPECT_EQ(faults.messages.front(), LeagueName(League(0), kDefaultLanguage) +
                                           ": Reserveteams d\xFCrfen nicht in der Liga spielen!");

    ASSERT_TRUE(ClearAllLeagues(document, kDemoCountry));
    for (const SLeagueRow& league : leagues) {
        EXPECT_TRUE(LeagueTeamRows(World(), league.leagueId, false, kDefaultLanguage).empty());
    }
    EXPECT_FALSE(ClearAllLeagues(document, kDemoCountry));
    EXPECT_EQ(Edits(), 2u);
    EXPECT_EQ(CheckComposition(World(), kDemoCountry, kDefaultLanguage).messages.size(),
              leagues.size());
}

TEST_F(LeagueSystemTest, CupAndLeagueMarksExcludeEachOtherAndOnlyAChangeIsAnEdit) {
    const std::uint32_t a = League(0).Team(0);
    const std::uint32_t b = League(0).Team(1);
    // The demo draws marks of its own.
    world.Country(kDemoCountry).Club(a)->SetStatusFlags(CClub::kNoItCupFlag);
    world.Country(kDemoCountry).Club(b)->SetStatusFlags(0);
    const auto mark = [this](std::uint32_t team, ESeasonMark which) {
        return SetSeasonMark(document, kDemoCountry, team, which);
    };
    ASSERT_TRUE(mark(a, ESeasonMark::kCupWinner));
    ASSERT_TRUE(mark(b | kSecondTeamFlag, ESeasonMark::kCupFinalist));
    EXPECT_EQ(CupMarkText(ClubOf(a), false), "Pokalsieger");
    EXPECT_EQ(CupMarkText(ClubOf(b), true), "Pokalfinalist");
    EXPECT_EQ(CupMarkText(ClubOf(b), false), "");
    // The reserve team wins: the first team of A is no winner any more, B's finalist mark goes.
    ASSERT_TRUE(mark(b | kSecondTeamFlag, ESeasonMark::kCupWinner));
    EXPECT_EQ(CupMarkText(ClubOf(a), false), "");
    EXPECT_EQ(CupMarkText(ClubOf(b), true), "Pokalsieger");
    EXPECT_FALSE(mark(b | kSecondTeamFlag, ESeasonMark::kCupWinner));
    EXPECT_EQ(Edits(), 3u);

    ASSERT_TRUE(mark(a, ESeasonMark::kPromoted));
    EXPECT_EQ(LeagueMarkText(ClubOf(a), false), "Aufsteiger");
    EXPECT_EQ(LeagueMarkText(ClubOf(a), true), "");
    ASSERT_TRUE(mark(a, ESeasonMark::kRelegated));
    EXPECT_EQ(LeagueMarkText(ClubOf(a), false), "Absteiger");
    const std::uint16_t beforeNothing = ClubOf(a).StatusFlags();
    ASSERT_TRUE(mark(a, ESeasonMark::kNoLeagueMark));
    EXPECT_EQ(LeagueMarkText(ClubOf(a), false), "");
    // The cup marks and the other flags stay.
    EXPECT_EQ(ClubOf(a).StatusFlags(), beforeNothing & ~0x5u);
}

constexpr const char* kOverlap =
    "Spieltag \xFC"
    "berlappt mit internationalem Spieltag.";
constexpr const char* kMatchdayCount = "Anzahl Spieltage ist nicht korrekt!";

// --- days, dates and months

// --- the international days

// Files in their order: continental club cups, South American club cups, continental
// championship qualifiers, world cup.
InternationalDayTables Tables() {
    InternationalDayTables tables{};
    tables[0].tables[0][10] = 12;  // a last-16 day of the continental cups
    tables[1].tables[0][10] = 5;
    tables[1].tables[0][20] = 7;
    tables[2].tables[0][30] = kNationalTeamDay;
    tables[3].tables[0][10] = kNationalTeamDay;
    tables[3].tables[1][40] = kNationalTeamDay;
    return tables;
}

TEST(SeasonCalendar, DaysMonthsAndInternationalDaysAndTheModeDecidesWhatAClickToggles) {
    EXPECT_EQ(SeasonLabel(0), "2006/2007");
    EXPECT_EQ(SeasonLabel(1), "2005/2006");
    const SCalendarDate first = DateOfDay(0, 0);
    EXPECT_EQ(std::tuple(first.day, first.month, first.year, DateOfDay(1, 0).year),
              std::tuple(1, 7, 2006, 2005));
    // 1 July 2006 was a Saturday, 30 June 2007 a Saturday too.
    EXPECT_EQ(DayText(0, 0), "Sa 01.07.2006");
    EXPECT_EQ(DayText(0, 364), "Sa 30.06.2007");
    EXPECT_EQ(DayText(1, 0), "Fr 01.07.2005");
    // The last slot: one ordinary year and the leap year 2008 later, plus three days.
    EXPECT_EQ(DayText(0, 734), "Fr 04.07.2008");
    // The twelve months cover the season once, in order.
    for (int calendar = 0; calendar < kCalendarViewCount; ++calendar) {
        std::vector<int> all;
        for (const int month : {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6}) {
            const std::vector<int> days = MonthDays(calendar, month);
            ASSERT_FALSE(days.empty());
            for (const int day : days) {
                EXPECT_EQ(DateOfDay(calendar, day).month, month);
            }
            all.insert(all.end(), days.begin(), days.end());
        }
        ASSERT_EQ(all.size(), static_cast<std::size_t>(kShownSeasonDays));
        for (std::size_t i = 0; i < all.size(); ++i) {
            EXPECT_EQ(all[i], static_cast<int>(i));
        }
    }
    // July..December hold 184 days.
    EXPECT_EQ(std::tuple(MonthDays(0, 1).front(), MonthDays(0, 2).size(), MonthDays(0, 6).back()),
              std::tuple(184, 28u, 364));
    EXPECT_TRUE(MonthDays(0, 0).empty());
    EXPECT_TRUE(MonthDays(0, 13).empty());

    // The international days: each continent merges its files; the overlap looks at the neighbours.
    const InternationalDayTables tables = Tables();
    // Days 10, 20, 30, 40: the world cup day wins over the cup round; the South American file
    // is not Europe's; day 40 is marked in calendar 1 only.
    const auto days = [&tables](int continent, int calendar) {
        const InternationalDayTable merged = MergedInternationalDays(tables, continent, calendar);
        return std::vector<int>{merged[10], merged[20], merged[30], merged[40]};
    };
    constexpr int N = kNationalTeamDay;
    EXPECT_EQ(days(0, 0), (std::vector<int>{N, 0, N, 0}));
    EXPECT_EQ(days(1, 0), (std::vector<int>{N, 7, 0, 0}));
    EXPECT_EQ(days(4, 0), (std::vector<int>{N, 0, 0, 0}));
    EXPECT_EQ(days(4, 1)[3], N);

    // Without a national-team day the first file's value stands.
    InternationalDayTables cups{};
    cups[0].tables[0][50] = 12;
    cups[3].tables[0][50] = 6;
    EXPECT_EQ(MergedInternationalDays(cups, 0, 0)[50], 12);
    EXPECT_EQ(InternationalDayText(0), "");
    // The overlap looks at the neighbours within the table only.
    InternationalDayTable table{};
    table[0] = kNationalTeamDay;
    table[364] = kNationalTeamDay;
    // The second year folds onto the season, as the files mark it; its last days have no slot.
    const test::Rows<int, bool> overlaps = {{0, true},    {1, true},    {2, false},  {362, false},
                                            {363, true},  {364, true},  {365, true}, {729, true},
                                            {731, false}, {734, false}, {-1, false}, {735, false}};
    test::ExpectRows([&table](int day) { return OverlapsInternationalDay(table, day); }, overlaps);

    InternationalDayTable last{};
    last[364] = kNationalTeamDay;
    EXPECT_FALSE(OverlapsInternationalDay(last, 0));
    EXPECT_FALSE(OverlapsInternationalDay(last, 734));

    // The mode decides which columns a click toggles.
    const auto league = [](int index, int level) {
        return SCalendarColumn{MakeCompetitionId(1, kLeagueType, index), true, level, ""};
    };
    const std::uint32_t cup = MakeCompetitionId(1, kFaCupType, 0);
    const std::vector<SCalendarColumn> columns = {
        league(0, 0), league(1, 1), league(2, 1), league(3, 2), {cup, false, -1, ""}};
    const std::uint32_t second = columns[1].competitionId;
    EXPECT_EQ(ToggledCompetitions(columns, second, ECalendarMode::kOneLeague),
              std::vector<std::uint32_t>{second});
    EXPECT_EQ(ToggledCompetitions(columns, second, ECalendarMode::kSameLevel),
              (std::vector<std::uint32_t>{second, columns[2].competitionId}));
    EXPECT_EQ(ToggledCompetitions(columns, second, ECalendarMode::kAllLeagues),
              (std::vector<std::uint32_t>{columns[0].competitionId, second,
                                          columns[2].competitionId, columns[3].competitionId}));
    EXPECT_EQ(ToggledCompetitions(columns, cup, ECalendarMode::kAllLeagues),
              std::vector<std::uint32_t>{cup});
    EXPECT_TRUE(ToggledCompetitions(columns, MakeCompetitionId(2, kLeagueType, 0),
                                    ECalendarMode::kAllLeagues)
                    .empty());
}

// --- columns and toggling

TEST_F(LeagueSystemTest, CalendarLeaguesComeFirstThenTheCupsAndAClickTogglesWhatTheModeSays) {
    const std::vector<SCalendarColumn> columns = Columns();
    ASSERT_GE(columns.size(), 3u);
    std::size_t leagues = 0;
    while (leagues < columns.size() && columns[leagues].league) {
        EXPECT_EQ(columns[leagues].competitionId, LeagueId(static_cast<int>(leagues)));
        ++leagues;
    }
    ASSERT_GE(leagues, 2u);
    EXPECT_EQ(columns[0].level, 0);
    EXPECT_EQ(columns[leagues].competitionId, MakeCompetitionId(kDemoCountry, kFaCupType, 0));
    for (std::size_t i = leagues; i < columns.size(); ++i) {
        EXPECT_FALSE(columns[i].league);
        EXPECT_NE(CompetitionType(columns[i].competitionId), kLeagueType);
        EXPECT_NE(World().Competition(columns[i].competitionId), nullptr);
    }
    EXPECT_EQ(CompetitionType(columns.back().competitionId), kSupercupType);

    // The same level: only the leagues of the clicked level.
    const auto levelOne = std::find_if(columns.begin(), columns.end(), [](const auto& column) {
        return column.league && column.level == 1;
    });
    ASSERT_NE(levelOne, columns.end());
    const int day = FreeDay();
    ASSERT_GT(day, 0);
    const std::string before = CountryDump();
    ASSERT_TRUE(ToggleCalendarDay(document, kDemoCountry, levelOne->competitionId,
                                  ECalendarMode::kSameLevel, 0, day));
    EXPECT_EQ(Edits(), 1u);
    for (const SCalendarColumn& column : columns) {
        const bool toggled = column.league && column.level == 1;
        EXPECT_EQ(Node(column.competitionId).CalendarValue(0, day) != 0, toggled) << column.name;
        EXPECT_EQ(Node(column.competitionId).CalendarValue(1, day), 0) << column.name;
    }
    // The second click takes them away again: the matchdays of the day before renumbered back.
    ASSERT_TRUE(ToggleCalendarDay(document, kDemoCountry, levelOne->competitionId,
                                  ECalendarMode::kSameLevel, 0, day));
    EXPECT_EQ(CountryDump(), before);
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(CountryDump(), before);

    // A day taken by the sub-competition chain is not added, and day 0 never carries a matchday:
    // nothing is recorded.
    ASSERT_TRUE(Live().Competition(LeagueId(1))->AddMatchday(0, day));
    ASSERT_TRUE(Live().Competition(LeagueId(0))->AddSubCompetition(LeagueId(1)));
    EXPECT_EQ(CompetitionCellText(World(), LeagueId(0), 0, day), "*");
    for (const int clicked : {day, 0}) {
        EXPECT_FALSE(ToggleCalendarDay(document, kDemoCountry, LeagueId(0),
                                       ECalendarMode::kOneLeague, 0, clicked));
    }
    EXPECT_EQ(Node(LeagueId(0)).CalendarValue(0, day), 0);
    EXPECT_FALSE(document.History().CanUndo());
}

TEST_F(LeagueSystemTest, ATopMatchdayBeforeANationalTeamDayOverlapsAndAnIncompleteListIsTold) {
    // The demo is sound, and on demand the check says so.
    EXPECT_TRUE(Lines().empty());
    const SCalendarCheckResult onDemand =
        CheckCalendars(World(), kDemoCountry, ECalendarCheck::kOnDemand, kDefaultLanguage);
    EXPECT_FALSE(onDemand.faultsListed);
    EXPECT_EQ(onDemand.lines, std::vector<std::string>{"Keine Fehler gefunden"});
    const InternationalDayTable international = MergedInternationalDays(
        World().InternationalDays(), World().Country(kDemoCountry).Continent(), 0);
    const std::uint32_t top = MakeCompetitionId(kDemoCountry, kLeagueType, 0);
    // A national-team day whose day before and day before that are free of any top matchday,
    // and not next to another national-team day.
    int qualifier = -1;
    for (int day = 3; day + 1 < kShownSeasonDays && qualifier < 0; ++day) {
        if (international[static_cast<std::size_t>(day)] == kNationalTeamDay &&
            international[static_cast<std::size_t>(day - 2)] != kNationalTeamDay &&
            international[static_cast<std::size_t>(day - 3)] != kNationalTeamDay &&
            Node(top).CalendarValue(0, day - 1) == 0) {
            qualifier = day;
        }
    }
    ASSERT_GT(qualifier, 0) << "the demo has national-team days in the season";
    EXPECT_FALSE(OverlapsInternationalDays(Node(top), 0, international));

    // One matchday moved there: the count stays right, only the overlap is told.
    CDBCompetition& league = *Live().Competition(top);
    ASSERT_TRUE(league.RemoveMatchday(0, league.DayOfMatchday(0, 0)));
    ASSERT_TRUE(league.AddMatchday(0, qualifier - 1));
    const SCalendarCheckResult result =
        CheckCalendars(World(), kDemoCountry, ECalendarCheck::kAtClose, kDefaultLanguage);
    const std::string name = Columns().front().name;
    EXPECT_EQ(result.lines, (std::vector<std::string>{"2006/2007", name, kOverlap, ""}));
    EXPECT_TRUE(result.faultsListed);
    EXPECT_FALSE(result.headed);

    // Two days before is clear of it.
    ASSERT_TRUE(league.RemoveMatchday(0, qualifier - 1));
    ASSERT_TRUE(league.AddMatchday(0, qualifier - 2));
    EXPECT_TRUE(Lines().empty());

    // An incomplete fixture list is told in the first season only and not counted.
    auto& full = dynamic_cast<CDBLeague&>(*Live().Competition(Columns()[0].competitionId));
    full.Fixtures().ClearRow(0);
    const SCalendarCheckResult incomplete =
        CheckCalendars(World(), kDemoCountry, ECalendarCheck::kAtClose, kDefaultLanguage);
    EXPECT_EQ(incomplete.lines, (std::vector<std::string>{"2006/2007", Columns()[0].name,
                                                          "Spielplan ist nicht vollst\xE4ndig!"}));
    EXPECT_EQ(incomplete.counted, 0);
    EXPECT_FALSE(incomplete.headed);
    EXPECT_TRUE(incomplete.faultsListed);
}

TEST_F(LeagueSystemTest, TwoFailingLeaguesAreListedUnderTheirSeasonsWithTheHeading) {
    const std::vector<SCalendarColumn> columns = Columns();
    CDBCompetition& first = *Live().Competition(columns[0].competitionId);
    CDBCompetition& second = *Live().Competition(columns[1].competitionId);
    ASSERT_TRUE(first.RemoveMatchday(0, first.DayOfMatchday(0, 3)));
    ASSERT_TRUE(second.RemoveMatchday(0, second.DayOfMatchday(0, 3)));
    ASSERT_TRUE(second.RemoveMatchday(1, second.DayOfMatchday(1, 0)));

    const SCalendarCheckResult result =
        CheckCalendars(World(), kDemoCountry, ECalendarCheck::kOnDemand, kDefaultLanguage);
    EXPECT_EQ(result.lines, (std::vector<std::string>{
                                "2006/2007", columns[0].name, kMatchdayCount, columns[1].name,
                                kMatchdayCount, "", "2005/2006", columns[1].name, kMatchdayCount}));
    EXPECT_EQ(result.counted, 3);
    EXPECT_TRUE(result.headed);
    EXPECT_TRUE(result.faultsListed);
}

TEST_F(LeagueSystemTest, ComparisonCountriesAreTheOthersWithTenClubsByName) {
    const std::vector<SComparisonCountry> countries = ComparisonCountries(World(), kDemoCountry, 0);
    ASSERT_FALSE(countries.empty());
    std::set<int> listed;
    for (std::size_t i = 0; i < countries.size(); ++i) {
        EXPECT_NE(countries[i].number, kDemoCountry);
        EXPECT_EQ(countries[i].name, World().Country(countries[i].number).Name(0));
        EXPECT_GE(World().Country(countries[i].number).Clubs().size(), 11u);
        if (i > 0) {
            EXPECT_LE(CollateText(countries[i - 1].name, countries[i].name), 0);
        }
        listed.insert(countries[i].number);
    }
    for (int number = 1; number <= 206; ++number) {
        if (number != kDemoCountry && listed.count(number) == 0) {
            EXPECT_LT(World().Country(number).Clubs().size(), 11u) << number;
        }
    }
}

// Every team of the matchday's pairings, free places left out.
std::vector<int> TeamsOn(const CDBFixturelist& list, int matchday) {
    std::vector<int> teams;
    for (const SPairingRow& row : MatchdayPairings(list, matchday)) {
        for (const int team : {row.home, row.away}) {
            if (team != 0) {
                teams.push_back(team);
            }
        }
    }
    std::sort(teams.begin(), teams.end());
    return teams;
}

TEST(FixtureListEditingTest, MatchdaysListPairingsAndFreeTeamsPlacingFillsFreeingEmpties) {
    CDBFixturelist list(2, 3);
    list.SetPairing(0, 0, 5, 0);
    // Home places of columns 1 and 2 are free: they come first, in column order.
    ASSERT_TRUE(PlaceTeamOnMatchday(list, 0, 2));
    ASSERT_TRUE(PlaceTeamOnMatchday(list, 0, 3));
    ASSERT_TRUE(PlaceTeamOnMatchday(list, 0, 1));
    EXPECT_EQ(MatchdayPairings(list, 0),
              (std::vector<SPairingRow>{{0, 5, 1}, {1, 2, 0}, {2, 3, 0}}));
    // A team on the matchday already, no position and a position beyond a cell are refused.
    const CDBFixturelist before = list;
    EXPECT_FALSE(PlaceTeamOnMatchday(list, 0, 2));
    EXPECT_FALSE(PlaceTeamOnMatchday(list, 0, 0));
    EXPECT_FALSE(PlaceTeamOnMatchday(list, 0, 256));
    EXPECT_EQ(list, before);
    // The other matchday is untouched by all of it.
    EXPECT_EQ(TeamsOn(list, 1), std::vector<int>());

    // Freeing a pairing empties both places only; freed already, or not in the list: refused.
    list.SetPairing(1, 1, 2, 1);
    ASSERT_TRUE(FreePairing(list, 0, 0));
    EXPECT_EQ(MatchdayPairings(list, 0),
              (std::vector<SPairingRow>{{0, 0, 0}, {1, 2, 0}, {2, 3, 0}}));
    EXPECT_EQ(TeamsOn(list, 1), (std::vector<int>{1, 2}));
    EXPECT_FALSE(FreePairing(list, 0, 0));
    EXPECT_FALSE(FreePairing(list, 0, 3));
    EXPECT_FALSE(FreePairing(list, 2, 0));

    // A full matchday takes no further team.
    CDBFixturelist small(1, 2);
    for (const int team : {1, 2, 3, 4}) {
        ASSERT_TRUE(PlaceTeamOnMatchday(small, 0, team));
    }
    const CDBFixturelist full = small;
    EXPECT_TRUE(full.IsComplete());
    EXPECT_FALSE(PlaceTeamOnMatchday(small, 0, 5));
    EXPECT_EQ(small, full);
    EXPECT_TRUE(TeamsWithoutPairing(small, 0, 4).empty());
    EXPECT_EQ(TeamsWithoutPairing(small, 0, 5), std::vector<int>{5});

    // A matchday lists its pairings and the free teams; an empty list has none.
    CDBFixturelist pairings(3, 3);
    pairings.SetPairing(1, 0, 4, 2);
    pairings.SetPairing(1, 2, 0, 6);
    const std::vector<SPairingRow> expected = {{0, 4, 2}, {1, 0, 0}, {2, 0, 6}};
    EXPECT_EQ(MatchdayPairings(pairings, 1), expected);
    EXPECT_EQ(TeamsWithoutPairing(pairings, 1, 6), (std::vector<int>{1, 3, 5}));
    // Every team of the league is free on an empty matchday; none outside the list.
    EXPECT_EQ(TeamsWithoutPairing(pairings, 0, 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(TeamsWithoutPairing(pairings, 3, 6).empty());
    EXPECT_TRUE(TeamsWithoutPairing(pairings, -1, 6).empty());
    EXPECT_TRUE(MatchdayPairings(pairings, 3).empty());
    // A list without matchdays shows none, and every command leaves it.
    CDBFixturelist empty(0, 9);
    EXPECT_EQ(MatchdayCount(empty), 0);
    EXPECT_FALSE(HasMatchday(empty, 0));
    EXPECT_TRUE(MatchdayPairings(empty, 0).empty());
    EXPECT_TRUE(TeamsWithoutPairing(empty, 0, 18).empty());
    EXPECT_FALSE(PlaceTeamOnMatchday(empty, 0, 1));
    EXPECT_FALSE(FreePairing(empty, 0, 0));
    EXPECT_FALSE(CanMirrorFirstHalf(empty));
    EXPECT_FALSE(MirrorFirstHalf(empty));
    EXPECT_EQ(empty, CDBFixturelist(0, 9));
}

TEST(FixtureListEditingTest, GeneratedListsAreCompleteAndEvenOnesMirrorTheirFirstHalf) {
    for (const int teams : {8, 9, 10, 18, 24}) {
        SCOPED_TRACE(teams);
        CDBFixturelist list(3, 2);
        list.SetPairing(0, 0, 1, 2);
        ASSERT_TRUE(GenerateFixtures(list, teams, 2));
        const int even = (teams + 1) / 2 * 2;
        EXPECT_EQ(MatchdayCount(list), 2 * (even - 1));
        EXPECT_EQ(list.Columns(), teams / 2);
        EXPECT_TRUE(list.IsComplete());
        std::set<std::pair<int, int>> meetings;
        for (int matchday = 0; matchday < list.Rows(); ++matchday) {
            const std::vector<int> on = TeamsOn(list, matchday);
            // Nobody twice on a matchday; an odd field leaves exactly one team out.
            EXPECT_EQ(std::adjacent_find(on.begin(), on.end()), on.end());
            EXPECT_EQ(static_cast<int>(on.size()), teams / 2 * 2);
            EXPECT_EQ(TeamsWithoutPairing(list, matchday, teams).size(),
                      static_cast<std::size_t>(teams % 2));
            for (const SPairingRow& row : MatchdayPairings(list, matchday)) {
                EXPECT_TRUE(meetings.emplace(row.home, row.away).second);
            }
        }
        EXPECT_EQ(meetings.size(), static_cast<std::size_t>(teams * (teams - 1)));
    }
    // A league size without template leaves the list as it was.
    CDBFixturelist list(10, 3);
    list.SetPairing(4, 1, 6, 5);
    const CDBFixturelist before = list;
    for (const int teams : {7, 25}) {
        EXPECT_FALSE(CanGenerateFixtures(teams));
        EXPECT_FALSE(GenerateFixtures(list, teams, 2));
    }
    EXPECT_EQ(list, before);
    EXPECT_TRUE(CanGenerateFixtures(8));
    EXPECT_TRUE(CanGenerateFixtures(24));

    // Clearing one matchday or all frees every place.
    ASSERT_TRUE(GenerateFixtures(list, 10, 2));
    list.ClearRow(3);
    EXPECT_TRUE(TeamsOn(list, 3).empty());
    EXPECT_EQ(TeamsWithoutPairing(list, 3, 10).size(), 10u);
    EXPECT_EQ(TeamsOn(list, 4).size(), 10u);
    list.ClearAll();
    for (int matchday = 0; matchday < list.Rows(); ++matchday) {
        EXPECT_TRUE(TeamsOn(list, matchday).empty());
    }
    EXPECT_EQ(list.Rows(), 18);

    // The second half of an even number of matchdays mirrors the first.
    constexpr int kRows = 34;
    constexpr int kColumns = 9;
    CDBFixturelist mirrored(kRows, kColumns);
    // A first half of distinct pairings, a second half of leftovers that must be overwritten.
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int home = (row + 2 * column) % 18 + 1;
            const int away = (row + 2 * column + 1) % 18 + 1;
            mirrored.SetPairing(row, column, static_cast<std::uint8_t>(row < 17 ? home : 7),
                                static_cast<std::uint8_t>(row < 17 ? away : 0));
        }
    }
    const CDBFixturelist firstHalf = mirrored;
    ASSERT_TRUE(CanMirrorFirstHalf(mirrored));
    ASSERT_TRUE(MirrorFirstHalf(mirrored));
    for (int row = 0; row < 17; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            std::uint8_t mirroredHome = 0;
            std::uint8_t mirroredAway = 0;
            firstHalf.GetPairing(row, column, home, away);
            mirrored.GetPairing(row + 17, column, mirroredHome, mirroredAway);
            EXPECT_EQ(std::make_pair(mirroredHome, mirroredAway), std::make_pair(away, home))
                << "matchday " << row + 18 << " pairing " << column;
        }
        EXPECT_EQ(MatchdayPairings(mirrored, row), MatchdayPairings(firstHalf, row));
    }
    EXPECT_TRUE(mirrored.IsComplete());

    // One meeting of 18 teams: the whole list is a single round of 17, not mirrored.
    CDBFixturelist single;
    ASSERT_TRUE(GenerateFixtures(single, 18, 1));
    ASSERT_EQ(single.Rows(), 17);
    const CDBFixturelist generated = single;
    EXPECT_FALSE(CanMirrorFirstHalf(single));
    EXPECT_FALSE(MirrorFirstHalf(single));
    EXPECT_EQ(single, generated);
}

TEST_F(LeagueSystemTest, FixtureCopiesAreMadeOnceStoredAsOneUndoStepAndShowTheTeamsNames) {
    const std::string before = CountryDump();
    CFixtureListSession session(kDemoCountry);
    CDBFixturelist* first = session.List(World(), LeagueId(0));
    ASSERT_NE(first, nullptr);
    ASSERT_GT(first->Rows(), 0);
    EXPECT_EQ(*first, FullLeague(0).Fixtures());
    // Another country's league and a cup are no leagues of this session.
    EXPECT_EQ(session.List(World(), MakeCompetitionId(kDemoCountry + 1, kLeagueType, 0)), nullptr);
    EXPECT_EQ(session.List(World(), MakeCompetitionId(kDemoCountry, kFaCupType, 0)), nullptr);
    // Changed and changed back: equal to the world again, nothing to store.
    CDBFixturelist* second = session.List(World(), LeagueId(1));
    ASSERT_NE(second, nullptr);
    const CDBFixturelist original = *first;
    first->ClearRow(0);
    *first = original;
    EXPECT_FALSE(session.Store(document));
    EXPECT_FALSE(document.History().CanUndo());
    EXPECT_FALSE(document.IsModified());

    // A changed copy leaves the world alone; chosen again after another league, it is the same.
    first->ClearAll();
    EXPECT_EQ(CountryDump(), before);
    EXPECT_EQ(session.List(World(), LeagueId(0)), first);
    EXPECT_EQ(session.ChangedLeagues(World()), std::vector<std::uint32_t>{LeagueId(0)});
    ASSERT_TRUE(FreePairing(*second, 0, 0));
    const CDBFixturelist firstCopy = *first;
    const CDBFixturelist secondCopy = *second;
    ASSERT_TRUE(session.Store(document));
    EXPECT_EQ(FullLeague(0).Fixtures(), firstCopy);
    EXPECT_EQ(FullLeague(1).Fixtures(), secondCopy);
    EXPECT_EQ(Edits(), 1u);
    EXPECT_EQ(document.UndoDescription(), std::optional<std::string>("Spielplan"));
    EXPECT_TRUE(session.ChangedLeagues(World()).empty());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(CountryDump(), before);

    // Pairings show the names of the league's teams and reserve teams.
    const CDBLeague& league = FullLeague(0);
    ASSERT_GE(league.TeamCount(), 2);
    const CClub* home = World().Country(kDemoCountry).Club(league.Team(0));
    const CClub* away = World().Country(kDemoCountry).Club(league.Team(1));
    ASSERT_NE(home, nullptr);
    ASSERT_NE(away, nullptr);
    EXPECT_EQ(PairingText(World(), league, 1, 2, kDefaultLanguage),
              std::string(home->Name(kDefaultLanguage)) + "\t-\t" +
                  std::string(away->Name(kDefaultLanguage)));
    // Free places and positions beyond the team list show no name.
    EXPECT_EQ(PairingText(World(), league, 0, 2, kDefaultLanguage),
              "\t-\t" + std::string(away->Name(kDefaultLanguage)));
    EXPECT_EQ(FixtureTeamName(World(), league, league.TeamCount() + 1, kDefaultLanguage), "");
    EXPECT_EQ(FixtureTeamName(World(), league, -3, kDefaultLanguage), "");
    // A reserve team shows its second-team name.
    CDBLeague reserves(LeagueId(7), 0);
    ASSERT_TRUE(reserves.AddTeam(league.Team(0) | kSecondTeamFlag));
    EXPECT_EQ(FixtureTeamName(World(), reserves, 1, kDefaultLanguage),
              home->SecondTeamName(kDefaultLanguage));
}

TEST_F(LeagueSystemTest, PicksOfferCountriesByNameAndStadiumsFromOneAndGiveAVenueTheRulesKeep) {
    const std::vector<SEditChoice> countries = PickCountries(world, 0);
    ASSERT_EQ(countries.size(), static_cast<std::size_t>(kCountryCount));
    std::set<int> numbers;
    for (std::size_t index = 0; index < countries.size(); ++index) {
        numbers.insert(countries[index].value);
        EXPECT_EQ(countries[index].text, world.Country(countries[index].value).Name(0));
        if (index > 0) {
            EXPECT_LT(CollateText(countries[index - 1].text, countries[index].text), 0);
        }
    }
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), kCountryCount);
    EXPECT_EQ(numbers.size(), countries.size());
    // Stadiums are numbered from one.
    const CCountry& country = world.Country(kDemoCountry);
    const std::vector<SEditChoice> stadiums = PickStadiums(country);
    const int last = static_cast<int>(country.Stadiums().size());
    ASSERT_EQ(static_cast<int>(stadiums.size()), last);
    ASSERT_GE(last, 2);
    for (std::size_t index = 0; index < stadiums.size(); ++index) {
        EXPECT_EQ(stadiums[index].value, static_cast<int>(index) + 1);
        EXPECT_EQ(stadiums[index].text, std::string(country.Stadiums()[index].Name().View()));
    }
    // The starting choice is held to what exists.
    EXPECT_EQ(StartingPick(world, kDemoCountry, last), (SStadiumPick{kDemoCountry, last}));
    EXPECT_EQ(StartingPick(world, kDemoCountry, last + 1), (SStadiumPick{kDemoCountry, 1}));
    EXPECT_EQ(StartingPick(world, kDemoCountry, 0), (SStadiumPick{kDemoCountry, 1}));
    // No venue yet: neither country nor stadium.
    EXPECT_EQ(StartingPick(world, 0, 0), (SStadiumPick{kDefaultCountry, 1}));
    EXPECT_EQ(StartingPick(world, kCountryCount + 1, 2), (SStadiumPick{kDefaultCountry, 2}));
    world.Country(3).Stadiums().clear();
    EXPECT_EQ(StartingPick(world, 3, 1), (SStadiumPick{3, 0}));

    // The picked stadium is a venue the rules keep.
    const std::optional<std::uint32_t> venue = PickedVenue(world, {kDemoCountry, last});
    ASSERT_TRUE(venue.has_value());
    EXPECT_EQ(StadiumRefCountry(*venue), kDemoCountry);
    EXPECT_EQ(StadiumRefNumber(*venue), last);
    // The rules record keeps it through the check after loading.
    CRules rules;
    rules.SetVenue(0, 0, *venue);
    rules.Complete(world);
    EXPECT_EQ(rules.Venue(0, 0), *venue);

    for (const SStadiumPick missing : std::vector<SStadiumPick>{
             {kDemoCountry, last + 1}, {kDemoCountry, 0}, {0, 1}, {kCountryCount + 1, 1}}) {
        EXPECT_FALSE(PickedVenue(world, missing).has_value());
    }
}

}  // namespace
}  // namespace kw
