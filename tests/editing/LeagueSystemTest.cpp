#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <string>

#include "DemoInstallation.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "editing/LeagueComposition.h"
#include "editing/LeagueDataRules.h"
#include "editing/LeagueSystemRules.h"
#include "editing/SeasonMarks.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
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

}  // namespace
}  // namespace kw
