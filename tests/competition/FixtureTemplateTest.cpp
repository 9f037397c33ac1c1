#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "CompetitionTestSupport.h"
#include "competition/FixtureCreator.h"
#include "competition/FixtureTemplates.h"
#include "competition/Fixturelist.h"
#include "competition/League.h"

namespace kw {
namespace {

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

TEST(FixtureTemplate, EveryHalfOfEveryTemplateIsASoundRoundRobin) {
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
}

TEST(FixtureTemplate, SmallFieldsComeFromTheCreatorAndTenTeamsStartAsGiven) {
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
}

TEST(FixtureTemplate, MeetingsAlternateBetweenTheHalvesAndFillTheWholeList) {
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
