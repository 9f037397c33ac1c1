#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include <algorithm>
#include <map>
#include <utility>
#include "CompetitionTestSupport.h"
#include "competition/Cup.h"
#include "competition/CupFormat.h"
#include "competition/FixtureCreator.h"
#include "competition/FixtureTemplates.h"
#include "competition/Fixturelist.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "competition/Round.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

using test::kCountry;
using ::testing::ElementsAre;

constexpr std::uint32_t kLeague0 = MakeCompetitionId(kCountry, kLeagueType, 0);

class Calendar : public test::CompetitionTest {};

TEST_F(Calendar, FixturesFollowSizeAndMeetingsAndMatchdaysStayInDayOrder) {
    auto& league = Add<CDBLeague>(kLeague0);
    EXPECT_EQ(
        std::tuple(league.LeagueSize(), league.Fixtures().Rows(), league.Fixtures().Columns()),
        std::tuple(18, 34, 9));
    league.Fixtures().SetPairing(1, 2, 3, 4);
    league.SetLeagueSize(7);
    EXPECT_EQ(std::tuple(league.Fixtures().Rows(), league.Fixtures().Columns()), std::tuple(14, 3));
    std::uint8_t home = 0;
    std::uint8_t away = 0;
    ASSERT_TRUE(league.Fixtures().GetPairing(1, 2, home, away));
    EXPECT_EQ(std::tuple(home, away), std::tuple(3, 4));
    league.SetLeagueSize(500);
    EXPECT_EQ(league.LeagueSize(), CDBLeagueBase::kMaxTeams);

    // Odd sizes play as the next even size.
    const auto matchdays = [&](int meetings, int size) {
        league.SetMeetings(meetings);
        league.SetLeagueSize(size);
        return league.MatchdayCount(world.Registry());
    };
    EXPECT_EQ(matchdays(2, 17), 34);
    EXPECT_EQ(matchdays(2, 18), 34);
    EXPECT_EQ(matchdays(3, 24), 69);
    EXPECT_EQ(matchdays(3, 0), 0);
    // Matchdays stay numbered in day order.
    auto& byDay = Add<CDBLeague>(kLeague0 + 1);
    EXPECT_TRUE(byDay.AddMatchday(0, 20));
    EXPECT_TRUE(byDay.AddMatchday(0, 40));
    // A day in between becomes matchday 2 and moves the later one on.
    EXPECT_TRUE(byDay.AddMatchday(0, 30));
    const auto values = [&] {
        return std::tuple(byDay.CalendarValue(0, 20), byDay.CalendarValue(0, 30),
                          byDay.CalendarValue(0, 40), byDay.EnteredMatchdays(0));
    };
    EXPECT_EQ(values(), std::tuple(1, 2, 3, 3));
    EXPECT_TRUE(byDay.RemoveMatchday(0, 20));
    EXPECT_EQ(values(), std::tuple(0, 1, 2, 2));
    // The other calendar is untouched.
    EXPECT_EQ(byDay.EnteredMatchdays(1), 0);
    // Refused days change nothing.
    auto& refused = Add<CDBLeague>(kLeague0 + 2);
    ASSERT_TRUE(refused.AddMatchday(1, 734));
    EXPECT_FALSE(refused.AddMatchday(1, 734));
    EXPECT_FALSE(refused.AddMatchday(0, 0));
    EXPECT_FALSE(refused.AddMatchday(0, 735));
    EXPECT_FALSE(refused.AddMatchday(0, -1));
    EXPECT_FALSE(refused.AddMatchday(2, 10));
    EXPECT_FALSE(refused.RemoveMatchday(0, 10));
    EXPECT_FALSE(refused.RemoveMatchday(-1, 734));
    EXPECT_EQ(std::tuple(refused.EnteredMatchdays(0), refused.EnteredMatchdays(1),
                         refused.CalendarValue(5, 734), refused.CalendarValue(1, 9999)),
              std::tuple(0, 1, 0, 0));
    // Queries by day.
    auto& queried = Add<CDBLeague>(kLeague0 + 3);
    queried.AddMatchday(0, 10);
    queried.AddMatchday(0, 17);
    EXPECT_EQ(std::tuple(queried.LastMatchdayBefore(0, 17), queried.LastMatchdayBefore(0, 18),
                         queried.LastMatchdayBefore(0, 10), queried.LastMatchdayBefore(0, 100000)),
              std::tuple(1, 2, -1, 2));
    EXPECT_EQ(std::tuple(queried.DayOfMatchday(0, 0), queried.DayOfMatchday(0, 1),
                         queried.DayOfMatchday(0, 2), queried.DayOfMatchday(0, -1)),
              std::tuple(10, 17, 0, 0));
}

TEST_F(Calendar, SubCompetitionsPlayForTheirParentAndPassOnTheirValue) {
    auto& league = Add<CDBLeague>(kLeague0);
    auto& relegation = Add<CDBCup>(MakeCompetitionId(kCountry, kRelegationType, 0));
    auto& deeper = Add<CDBRound>(MakeCompetitionId(kCountry, kRelegationType, 1));
    league.AddSubCompetition(relegation.Id());
    relegation.AddSubCompetition(deeper.Id());
    deeper.AddMatchday(0, 200);
    EXPECT_TRUE(league.PlaysOnDay(world.Registry(), 0, 200));
    EXPECT_FALSE(league.PlaysOnDay(world.Registry(), 1, 200) ||
                 league.PlaysOnDay(world.Registry(), 0, 201));
    // A hand-made cycle and a dangling id.
    deeper.AddSubCompetition(league.Id());
    deeper.AddSubCompetition(MakeCompetitionId(kCountry, kPoolType, 9));
    EXPECT_FALSE(league.PlaysOnDay(world.Registry(), 0, 201));
    // The inherited value comes from the first sub-competition of the same level.
    auto& top = Add<CDBLeague>(kLeague0 + 3);
    top.SetLevel(1);
    auto& otherLevel = Add<CDBLeague>(kLeague0 + 1);
    otherLevel.SetLevel(2);
    otherLevel.AddMatchday(0, 50);
    auto& sameLevel = Add<CDBLeague>(kLeague0 + 2);
    sameLevel.SetLevel(1);
    sameLevel.AddMatchday(0, 40);
    sameLevel.AddMatchday(0, 50);
    top.AddSubCompetition(otherLevel.Id());
    top.AddSubCompetition(sameLevel.Id());
    EXPECT_EQ(top.InheritedCalendarValue(world.Registry(), 0, 50), 2);
    top.AddMatchday(0, 50);
    EXPECT_EQ(top.InheritedCalendarValue(world.Registry(), 0, 50), 1);
    EXPECT_EQ(top.InheritedCalendarValue(world.Registry(), 0, 60), 0);
    sameLevel.AddSubCompetition(top.Id());
    EXPECT_EQ(top.InheritedCalendarValue(world.Registry(), 0, 60), 0);
}

TEST_F(Calendar, CupMatchdaysLabelsSlotsAndLevel) {
    auto& cup = Add<CDBCup>(MakeCompetitionId(kCountry, kFaCupType, 0));
    EXPECT_EQ(cup.MatchdayCount(world.Registry()), 0);
    EXPECT_EQ(cup.MatchdayLabel(world.Registry(), 1), "1");
    cup.SetFormatNumber(1);
    EXPECT_EQ(std::tuple(cup.MatchdayCount(world.Registry()), cup.UsedRoundSlots(world.Registry())),
              std::tuple(4, 3));
    std::vector<std::string> labels;
    for (int matchday = 1; matchday <= 5; ++matchday) {
        labels.push_back(cup.MatchdayLabel(world.Registry(), matchday));
    }
    EXPECT_THAT(labels, ElementsAre("1. Runde", "Viertelfinale", "Viertelfinale", "Finale", "5"));
    cup.SetFormatNumber(77);  // unknown
    EXPECT_EQ(std::tuple(cup.MatchdayCount(world.Registry()), cup.UsedRoundSlots(world.Registry())),
              std::tuple(0, 0));
    // A cup uses at most eight round slots.
    CCupFormat many;
    for (int round = 0; round < 12; ++round) {
        many.AddRound(SCupRound{.flags = 2, .roundName = 6});
    }
    EXPECT_EQ(many.RoundCount(), CCupFormat::kMaxRounds);
    EXPECT_EQ(many.MatchdayCount(), 20);
    ASSERT_TRUE(world.CupFormats().Set(3, many));
    auto& eight = Add<CDBCup>(MakeCompetitionId(kCountry, kFaCupType, 1));
    eight.SetFormatNumber(3);
    EXPECT_EQ(eight.UsedRoundSlots(world.Registry()), 8);
    eight.SetRoundValue(3, 7, 5);
    eight.SetRoundValue(4, 7, 6);
    eight.SetRoundValue(0, 8, 6);
    EXPECT_EQ(std::tuple(eight.RoundValue(3, 7), eight.RoundValue(4, 7), eight.RoundValue(0, 8)),
              std::tuple(5, 0, 0));
    // A cup's level comes from its source league.
    auto& league = Add<CDBLeague>(kLeague0);
    league.SetLevel(2);
    auto& leagueCup = Add<CDBCup>(MakeCompetitionId(kCountry, kLeagueCupType, 1));
    EXPECT_EQ(leagueCup.SourceLeagueLevel(world.Registry()), -1);
    leagueCup.AddSource(kLeague0);
    EXPECT_EQ(leagueCup.SourceLeagueLevel(world.Registry()), 2);
}

TEST(CupFormats, NumberZeroNeverHoldsOne) {
    CCupFormatTable formats;
    EXPECT_FALSE(formats.Set(0, CCupFormat{}));
    EXPECT_FALSE(formats.Set(256, CCupFormat{}));
    EXPECT_TRUE(formats.Set(4, CCupFormat{}));
    EXPECT_EQ(std::tuple(formats.Format(0), formats.Format(3)), std::tuple(nullptr, nullptr));
    ASSERT_NE(formats.Format(4), nullptr);
    EXPECT_EQ(formats.Format(4)->Category(), kCupCategoryMisc);
    EXPECT_EQ(LookupKeyword(CupCategoryKeywords(), "CC_FA"), kCupCategoryMisc);
    EXPECT_EQ(LookupKeyword(CupCategoryKeywords(), "LEAGUE"), kCupCategoryLeague);
}

class Teams : public test::CompetitionTest {
protected:
    CDBLeague& league = Add<CDBLeague>(kLeague0);
};

TEST_F(Teams, InsertionRemovalPositionsValuesAndRefusedAdditions) {
    league.AddTeam(MakeClubId(kCountry, 1));
    league.AddTeam(MakeClubId(kCountry, 3));
    league.AddTeam(MakeClubId(kCountry, 2), 1);
    league.AddTeam(MakeClubId(kCountry, 4), 99);
    EXPECT_EQ(league.Teams(),
              (std::vector<std::uint32_t>{MakeClubId(kCountry, 1), MakeClubId(kCountry, 2),
                                          MakeClubId(kCountry, 3), MakeClubId(kCountry, 4)}));
    EXPECT_TRUE(league.RemoveTeam(MakeClubId(kCountry, 2)));
    EXPECT_FALSE(league.RemoveTeam(MakeClubId(kCountry, 2)));
    EXPECT_EQ(
        std::tuple(league.PositionOfTeam(MakeClubId(kCountry, 3)),
                   league.PositionOfTeam(MakeClubId(kCountry, 2)), league.Team(2), league.Team(3)),
        std::tuple(1, -1, MakeClubId(kCountry, 4), 0u));
    // Nodes without a team list answer 0.
    EXPECT_EQ(Add<CDBPool>(MakeCompetitionId(kCountry, kPoolType, 0)).PositionOfTeam(1), 0);
    // Four values and links are bounded.
    league.SetValue(3, 9);
    league.SetValue(4, 9);
    EXPECT_EQ(std::tuple(league.Value(3), league.Value(4), league.Value(-1)), std::tuple(9, 0, 0));
    for (int i = 0; i < CDBCompetition::kMaxLinks; ++i) {
        EXPECT_TRUE(league.AddSource(kLeague0 + 1 + static_cast<std::uint32_t>(i)));
    }
    EXPECT_FALSE(league.AddSource(kLeague0 + 20));
    EXPECT_FALSE(league.AddSubCompetition(0));
    EXPECT_EQ(league.SourceCount(), CDBCompetition::kMaxLinks);
    // Additions are refused for index zero, duplicates and a full league.
    auto& full = Add<CDBLeague>(kLeague0 + 1);
    full.SetLeagueSize(2);
    EXPECT_FALSE(full.AddTeam(MakeClubId(kCountry, 0)));
    EXPECT_TRUE(full.AddTeam(MakeClubId(kCountry, 1)));
    EXPECT_FALSE(full.AddTeam(MakeClubId(kCountry, 1)));
    EXPECT_TRUE(full.AddTeam(MakeClubId(kCountry, 1) | kSecondTeamFlag));
    EXPECT_TRUE(full.IsFull());
    EXPECT_FALSE(full.AddTeam(MakeClubId(kCountry, 3)));
    EXPECT_EQ(full.TeamCount(), 2);
}

TEST(Fixturelist, AccessorsIgnorePositionsOutsideTheTableAndCompleteMeansNoZeros) {
    CDBFixturelist list(2, 3);
    list.SetPairing(2, 0, 1, 1);
    list.SetPairing(0, -1, 1, 1);
    std::uint8_t home = 7;
    std::uint8_t away = 8;
    EXPECT_FALSE(list.GetPairing(0, 3, home, away));
    EXPECT_EQ(std::tuple(home, away), std::tuple(7, 8));
    EXPECT_EQ(list, CDBFixturelist(2, 3));

    // Complete only without zeros.
    EXPECT_TRUE(CDBFixturelist().IsComplete());
    list = CDBFixturelist(1, 1);
    list.SetPairing(0, 0, 3, 0);
    EXPECT_FALSE(list.IsComplete());
    list.SetPairing(0, 0, 3, 1);
    EXPECT_TRUE(list.IsComplete());
    CDBFixturelist copy;
    copy.Assign(list);
    EXPECT_EQ(copy, list);
    copy.ClearRow(0);
    EXPECT_FALSE(copy.IsComplete());
    list.ClearAll();
    EXPECT_FALSE(list.IsComplete());
}

constexpr std::uint32_t kAllFaults =
    kFaultFixtureIncomplete | kFaultMatchdayCount | kFaultTeamCount | kFaultReserveTeams;

// Each case starts from a sound two-team league of level 1 (one meeting, one matchday, a full
// schedule) and a sound cup, and breaks exactly one thing.
class Check : public test::CompetitionTest {
protected:
    static constexpr int kLimit = 2;

    CDBLeague& SoundLeague(int country = kCountry, int index = 0) {
        auto& league = Add<CDBLeague>(MakeCompetitionId(country, kLeagueType, index),
                                      MakeCompetitionId(country, kRootType, 0));
        league.SetLeagueSize(2);
        league.SetMeetings(1);
        league.SetLevel(1);
        league.AddTeam(MakeClubId(country, 1));
        league.AddTeam(MakeClubId(country, 2));
        league.Fixtures().SetPairing(0, 0, 1, 2);
        league.AddMatchday(0, 30);
        league.AddMatchday(1, 30);
        return league;
    }

    CDBCup& SoundCup() {
        auto& cup = Add<CDBCup>(MakeCompetitionId(kCountry, kSupercupType, 0));
        cup.SetFormatNumber(2);
        cup.AddMatchday(0, 3);
        cup.AddMatchday(0, 10);
        return cup;
    }

    std::uint32_t Faults(const CDBCompetition& node, int calendar = 0) const {
        return node.Check(world.Registry(), calendar, kLimit);
    }
};

TEST_F(Check, SoundNodesRaiseNothingAndEachBreakItsOwnFault) {
    CDBLeague& sound = SoundLeague();
    EXPECT_EQ(Faults(sound), 0u);
    EXPECT_EQ(Faults(sound, 1), 0u);
    auto& round = Add<CDBRound>(MakeCompetitionId(0, kUefaCupType, 1));
    round.AddMatchday(0, 90);
    EXPECT_EQ(Faults(round), 0u);

    CDBLeague& incomplete = SoundLeague(kCountry, 1);
    incomplete.Fixtures().SetPairing(0, 0, 1, 0);
    EXPECT_EQ(Faults(incomplete), kFaultFixtureIncomplete);

    // Matchdays entered differ from those required; only the calendar asked about counts.
    CDBLeague& extraDay = SoundLeague(kCountry, 2);
    extraDay.AddMatchday(0, 40);
    EXPECT_EQ(Faults(extraDay), kFaultMatchdayCount);
    EXPECT_EQ(Faults(extraDay, 1), 0u);

    // A cup with missing matchdays, without a format, or with one the world does not know.
    CDBCup& cup = SoundCup();
    EXPECT_EQ(Faults(cup), 0u);
    cup.RemoveMatchday(0, 10);
    EXPECT_EQ(Faults(cup), kFaultMatchdayCount);
    cup.AddMatchday(0, 10);
    cup.SetFormatNumber(0);
    EXPECT_EQ(Faults(cup), kFaultMatchdayCount);
    cup.SetFormatNumber(99);
    EXPECT_EQ(Faults(cup), kFaultMatchdayCount);

    // A team count that differs from the size counts only for a league without source.
    CDBLeague& shortOne = SoundLeague(kCountry, 3);
    shortOne.RemoveTeam(MakeClubId(kCountry, 2));
    EXPECT_EQ(Faults(shortOne), kFaultTeamCount);
    shortOne.AddSource(MakeCompetitionId(kCountry, kLeagueType, 5));
    EXPECT_EQ(Faults(shortOne), 0u);

    // Reserve teams below the level limit; allowed from the limit on, and only real countries 1
    // to 205 are checked.
    for (const int country : {kCountry, 206}) {
        CDBLeague& reserves = SoundLeague(country, 4);
        reserves.RemoveTeam(MakeClubId(country, 2));
        reserves.AddTeam(MakeClubId(country, 2) | kSecondTeamFlag);
        EXPECT_EQ(Faults(reserves), country == kCountry ? kFaultReserveTeams : 0u);
        EXPECT_EQ(reserves.Check(world.Registry(), 0, 1), 0u);
    }

    // All faults together.
    auto& broken = Add<CDBLeague>(MakeCompetitionId(kCountry, kLeagueType, 9));
    broken.SetLevel(0);
    broken.AddTeam(MakeClubId(kCountry, 1) | kSecondTeamFlag);
    EXPECT_EQ(Faults(broken), kAllFaults);
}

TEST_F(Check, FirstSubCompetitionIsCheckedWithItsParent) {
    CDBLeague& league = SoundLeague();
    CDBLeague& faulty = SoundLeague(kCountry, 1);
    faulty.Fixtures().ClearAll();
    CDBCup& cup = SoundCup();
    cup.SetFormatNumber(0);
    // Only the first sub-competition counts, and its own first one in turn.
    league.AddSubCompetition(faulty.Id());
    league.AddSubCompetition(cup.Id());
    EXPECT_EQ(Faults(league), kFaultFixtureIncomplete);
    faulty.AddSubCompetition(cup.Id());
    EXPECT_EQ(Faults(league), kFaultFixtureIncomplete | kFaultMatchdayCount);
    // A cycle back to the top ends the walk.
    cup.AddSubCompetition(league.Id());
    EXPECT_EQ(Faults(league), kFaultFixtureIncomplete | kFaultMatchdayCount);
}

using EFailure = CFixtureCreator::EFailure;

// The 4-team schedule itself is pinned by the kwtool.fixtures.schedule test, the mirrored second
// meeting for every size below.
TEST(FixtureCreator, CellsOutsideAreEmptyByesFallLastAndInputIsChecked) {
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Generate(4, 2));
    ASSERT_EQ(std::tuple(creator.Rows(), creator.Columns()), std::tuple(6, 2));
    EXPECT_EQ(creator.Cell(6, 0), (SFixturePairing{-1, -1}));
    EXPECT_EQ(creator.Cell(0, 2), (SFixturePairing{-1, -1}));
    // The schedule's text: one line per matchday, 1-based positions and 0 for a bye side.
    ASSERT_TRUE(creator.Generate(3, 1));
    EXPECT_EQ(FormatSchedule(creator), "2-1 0-3\n1-3 0-2\n3-2 0-1\n");
    // Nine teams sit out once each, always in the last pairing.
    ASSERT_TRUE(creator.Generate(9, 1));
    ASSERT_EQ(creator.Rows(), 9);
    ASSERT_EQ(creator.Columns(), 5);
    std::map<int, int> sittingOut;
    for (int row = 0; row < creator.Rows(); ++row) {
        int byes = 0;
        for (int column = 0; column < creator.Columns(); ++column) {
            const SFixturePairing pairing = creator.Cell(row, column);
            if (pairing.home == -1 || pairing.away == -1) {
                ++byes;
                EXPECT_EQ(column, 4) << "matchday " << row;
                ++sittingOut[pairing.home == -1 ? pairing.away : pairing.home];
            }
        }
        EXPECT_EQ(byes, 1) << "matchday " << row;
    }
    EXPECT_EQ(sittingOut.size(), 9u);
    for (const auto& [team, count] : sittingOut) {
        EXPECT_EQ(count, 1) << "team " << team;
    }
    // Refused input and the run check.
    EXPECT_FALSE(creator.Generate(2, 2));
    EXPECT_EQ(creator.Failure(), EFailure::kRefused);
    EXPECT_FALSE(creator.Generate(4, 0));
    EXPECT_EQ(creator.Failure(), EFailure::kRefused);
    // More than a league can hold would only ask for absurd amounts of memory.
    EXPECT_FALSE(creator.Generate(100000, 4));
    EXPECT_EQ(creator.Failure(), EFailure::kRefused);
    // A bye does not break a run, so five teams end up with a run of four.
    EXPECT_FALSE(creator.Generate(5, 1));
    EXPECT_EQ(creator.Failure(), EFailure::kRuns);
}

// Every size and meeting count a league can ask for: a success is a sound round-robin, a
// failure is only ever the run check.
TEST(FixtureCreator, EverySuccessIsARoundRobinEveryFailureTheRunCheckAndTheChecksWork) {
    int successes = 0;
    for (int teams = 3; teams <= 40; ++teams) {
        for (int meetings = 1; meetings <= 4; ++meetings) {
            SCOPED_TRACE(testing::Message() << teams << " teams, " << meetings << " meetings");
            CFixtureCreator creator;
            if (!creator.Generate(teams, meetings)) {
                EXPECT_EQ(creator.Failure(), EFailure::kRuns);
                continue;
            }
            ++successes;
            const int perMeeting = creator.MatchdaysPerMeeting();
            ASSERT_EQ(creator.Rows(), perMeeting * meetings);
            std::map<std::pair<int, int>, int> meets;
            for (int row = 0; row < creator.Rows(); ++row) {
                for (int column = 0; column < creator.Columns(); ++column) {
                    const SFixturePairing cell = creator.Cell(row, column);
                    if (row >= perMeeting) {
                        const SFixturePairing before = creator.Cell(row - perMeeting, column);
                        ASSERT_EQ(cell, (SFixturePairing{before.away, before.home}));
                    }
                    if (cell.home != -1 && cell.away != -1) {
                        ++meets[std::minmax(cell.home, cell.away)];
                    }
                }
            }
            EXPECT_EQ(meets.size(), static_cast<std::size_t>(teams * (teams - 1) / 2));
            for (const auto& [pair, count] : meets) {
                ASSERT_NE(pair.first, pair.second);
                ASSERT_EQ(count, meetings);
            }
            EXPECT_LE(LongestRun(creator.Meeting(0), creator.Columns(), teams), 3);
        }
    }
    // Most sizes succeed, so the round-robin checks above ran.
    EXPECT_GT(successes, 38 * 4 / 2);
    // The checks find missing or repeated pairs, and runs across a bye day.
    // Three teams as four: 0-1, 2 free; 2-0, 1 free; 1-2, 0 free.
    const std::vector<SFixturePairing> sound = {{0, 1}, {2, -1}, {2, 0}, {-1, 1}, {1, 2}, {0, -1}};
    EXPECT_TRUE(EveryPairMeetsOnce(sound, 2, 3));
    std::vector<SFixturePairing> repeated = sound;
    repeated[4] = {1, 0};
    EXPECT_FALSE(EveryPairMeetsOnce(repeated, 2, 3));
    std::vector<SFixturePairing> self = sound;
    self[0] = {0, 0};
    EXPECT_FALSE(EveryPairMeetsOnce(self, 2, 3));
    std::vector<SFixturePairing> outside = sound;
    outside[0] = {0, 7};
    EXPECT_FALSE(EveryPairMeetsOnce(outside, 2, 3));

    // Team 0 plays home, sits out, plays home again: one run of two.
    const std::vector<SFixturePairing> acrossBye = {{0, 1},  {2, -1}, {1, 2},
                                                    {0, -1}, {0, 2},  {1, -1}};
    EXPECT_EQ(LongestRun(acrossBye, 2, 3), 2);
}

// One half of a template as the creator's checks see it: 0-based positions, no bye pairing.
std::vector<SFixturePairing> Half(const CFixtureTemplate& schedule, int half) {
    std::vector<SFixturePairing> cells;
    const int perMeeting = schedule.MatchdaysPerMeeting();
    for (int r = 0; r < perMeeting; ++r) {
        const auto row = schedule.Row(half * perMeeting + r);
        for (int c = 0; c < schedule.Pairings(); ++c) {
            cells.push_back({row[2 * c] - 1, row[2 * c + 1] - 1});
        }
    }
    return cells;
}

TEST(FixtureTemplate, EveryHalfIsASoundRoundRobinAndMeetingsAlternateBetweenHalves) {
    for (int teams = 8; teams <= 24; ++teams) {
        SCOPED_TRACE(testing::Message() << teams << " teams");
        const auto schedule = FixtureTemplate(teams);
        ASSERT_TRUE(schedule.has_value());
        const int perMeeting = ((teams + 1) & ~1) - 1;
        ASSERT_EQ(schedule->Rows(), 2 * perMeeting);
        for (int half = 0; half < 2; ++half) {
            const auto cells = Half(*schedule, half);
            EXPECT_TRUE(EveryPairMeetsOnce(cells, schedule->Pairings(), teams)) << "half " << half;
            EXPECT_LE(LongestRun(cells, schedule->Pairings(), teams), 3) << "half " << half;
        }
        // The last byte of an odd field's row is the one team without a match that day.
        for (int row = 0; teams % 2 != 0 && row < schedule->Rows(); ++row) {
            std::vector<std::uint8_t> bytes(schedule->Row(row).begin(), schedule->Row(row).end());
            std::sort(bytes.begin(), bytes.end());
            EXPECT_EQ(std::adjacent_find(bytes.begin(), bytes.end()), bytes.end()) << row;
            EXPECT_EQ(bytes.front(), 1);
            EXPECT_EQ(bytes.back(), teams);
        }
    }
    EXPECT_FALSE(FixtureTemplate(7).has_value());
    EXPECT_FALSE(FixtureTemplate(25).has_value());
    // Small fields come from the creator; ten teams start as given.
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Generate(9, 2));
    const auto nine = FixtureTemplate(9);
    ASSERT_EQ(nine->Rows(), 18);
    for (int row = 0; row < 18; ++row) {
        const auto bytes = nine->Row(row);
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(bytes[2 * c], creator.Cell(row, c).home + 1);
            EXPECT_EQ(bytes[2 * c + 1], creator.Cell(row, c).away + 1);
        }
        const SFixturePairing bye = creator.Cell(row, 4);
        EXPECT_EQ(bytes[8], std::max(bye.home, bye.away) + 1);
    }
    EXPECT_EQ(FixtureTemplate(8)->Rows(), 14);

    const auto ten = FixtureTemplate(10);
    const auto first = ten->Row(0);
    EXPECT_EQ(std::vector<int>(first.begin(), first.end()),
              (std::vector<int>{7, 9, 3, 2, 10, 4, 6, 8, 5, 1}));
    // Filled into a league, meetings alternate between the halves and fill the whole list.
    CDBLeague league(MakeCompetitionId(5, kLeagueType, 0), test::kRoot);
    league.SetLeagueSize(11);
    league.SetMeetings(3);
    ASSERT_TRUE(FillFromTemplate(league));
    const CDBFixturelist& list = league.Fixtures();
    ASSERT_EQ(list.Rows(), 33);
    ASSERT_EQ(list.Columns(), 5);
    EXPECT_TRUE(list.IsComplete());
    const auto schedule = FixtureTemplate(11);
    for (int row = 0; row < 33; ++row) {
        // Meeting 0 the first half, meeting 1 the second, meeting 2 the first again.
        const int source = row < 22 ? row : row - 22;
        const auto bytes = schedule->Row(source);
        for (int c = 0; c < 5; ++c) {
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            list.GetPairing(row, c, home, away);
            EXPECT_EQ(home, bytes[2 * c]) << row;
            EXPECT_EQ(away, bytes[2 * c + 1]) << row;
        }
    }

    // Without a template the list stays as it was.
    CDBFixturelist untouched(3, 2);
    untouched.SetPairing(0, 0, 1, 2);
    const CDBFixturelist before = untouched;
    EXPECT_FALSE(FillFromTemplate(untouched, 30, 2));
    EXPECT_EQ(untouched, before);
}

}  // namespace
}  // namespace kw
