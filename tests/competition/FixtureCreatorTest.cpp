#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "competition/FixtureCreator.h"

namespace kw {
namespace {

using EFailure = CFixtureCreator::EFailure;

// The 4-team schedule itself is pinned by the kwtool.fixtures.schedule test, the mirrored second
// meeting for every size below.
TEST(FixtureCreator, CellsOutsideTheScheduleAreEmpty) {
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Generate(4, 2));
    ASSERT_EQ(std::tuple(creator.Rows(), creator.Columns()), std::tuple(6, 2));
    EXPECT_EQ(creator.Cell(6, 0), (SFixturePairing{-1, -1}));
    EXPECT_EQ(creator.Cell(0, 2), (SFixturePairing{-1, -1}));
}

TEST(FixtureCreator, NineTeamsSitOutOnceEachAlwaysInTheLastPairing) {
    CFixtureCreator creator;
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
}

TEST(FixtureCreator, RefusedInputAndTheRunCheck) {
    CFixtureCreator creator;
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
TEST(FixtureCreator, EverySuccessIsARoundRobinAndEveryFailureTheRunCheck) {
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
}

TEST(FixtureChecks, FindMissingOrRepeatedPairsAndRunsAcrossAByeDay) {
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

TEST(FixtureSchedule, OneLinePerMatchdayWithOneBasedPositionsAndZeroForAByeSide) {
    CFixtureCreator creator;
    ASSERT_TRUE(creator.Generate(3, 1));
    EXPECT_EQ(FormatSchedule(creator), "2-1 0-3\n1-3 0-2\n3-2 0-1\n");
}

}  // namespace
}  // namespace kw
