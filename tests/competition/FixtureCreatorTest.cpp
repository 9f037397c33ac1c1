#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "CompetitionTestSupport.h"
#include "competition/FixtureCreator.h"
#include "competition/FixtureTemplates.h"
#include "competition/Fixturelist.h"
#include "competition/League.h"

namespace kw {
namespace {

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
    for (int teams = 3; teams <= 40; ++teams) {
        for (int meetings = 1; meetings <= 4; ++meetings) {
            SCOPED_TRACE(testing::Message() << teams << " teams, " << meetings << " meetings");
            CFixtureCreator creator;
            if (!creator.Generate(teams, meetings)) {
                EXPECT_EQ(creator.Failure(), EFailure::kRuns);
                continue;
            }
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
