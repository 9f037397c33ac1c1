#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "competition/Fixturelist.h"
#include "editing/FixtureListEditing.h"

namespace kw {
namespace {

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

TEST(FixtureListEditingTest, AListWithoutMatchdaysShowsNoneAndEveryCommandLeavesIt) {
    CDBFixturelist list(0, 9);
    EXPECT_EQ(MatchdayCount(list), 0);
    EXPECT_FALSE(HasMatchday(list, 0));
    EXPECT_TRUE(MatchdayPairings(list, 0).empty());
    EXPECT_TRUE(TeamsWithoutPairing(list, 0, 18).empty());
    EXPECT_FALSE(PlaceTeamOnMatchday(list, 0, 1));
    EXPECT_FALSE(FreePairing(list, 0, 0));
    EXPECT_FALSE(CanMirrorFirstHalf(list));
    EXPECT_FALSE(MirrorFirstHalf(list));
    EXPECT_EQ(list, CDBFixturelist(0, 9));
}

TEST(FixtureListEditingTest, AMatchdayListsItsPairingsAndTheTeamsWithoutOne) {
    CDBFixturelist list(3, 3);
    list.SetPairing(1, 0, 4, 2);
    list.SetPairing(1, 2, 0, 6);
    const std::vector<SPairingRow> expected = {{0, 4, 2}, {1, 0, 0}, {2, 0, 6}};
    EXPECT_EQ(MatchdayPairings(list, 1), expected);
    EXPECT_EQ(TeamsWithoutPairing(list, 1, 6), (std::vector<int>{1, 3, 5}));
    // Every team of the league is free on an empty matchday; none outside the list.
    EXPECT_EQ(TeamsWithoutPairing(list, 0, 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(TeamsWithoutPairing(list, 3, 6).empty());
    EXPECT_TRUE(TeamsWithoutPairing(list, -1, 6).empty());
    EXPECT_TRUE(MatchdayPairings(list, 3).empty());
}

TEST(FixtureListEditingTest, PlacingFillsFreeHomePlacesFirstThenAwayPlacesUntilFull) {
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
}

TEST(FixtureListEditingTest, FreeingAPairingEmptiesBothPlacesOnly) {
    CDBFixturelist list(2, 2);
    list.SetPairing(0, 0, 1, 2);
    list.SetPairing(0, 1, 3, 4);
    list.SetPairing(1, 1, 2, 1);
    ASSERT_TRUE(FreePairing(list, 0, 1));
    EXPECT_EQ(MatchdayPairings(list, 0), (std::vector<SPairingRow>{{0, 1, 2}, {1, 0, 0}}));
    EXPECT_EQ(TeamsOn(list, 1), (std::vector<int>{1, 2}));
    // Freed already, or not in the list.
    EXPECT_FALSE(FreePairing(list, 0, 1));
    EXPECT_FALSE(FreePairing(list, 0, 2));
    EXPECT_FALSE(FreePairing(list, 2, 0));
}

TEST(FixtureListEditingTest, TheSecondHalfOfThirtyFourMatchdaysMirrorsTheFirst) {
    constexpr int kRows = 34;
    constexpr int kColumns = 9;
    CDBFixturelist list(kRows, kColumns);
    // A first half of distinct pairings, a second half of leftovers that must be overwritten.
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int home = (row + 2 * column) % 18 + 1;
            const int away = (row + 2 * column + 1) % 18 + 1;
            list.SetPairing(row, column, static_cast<std::uint8_t>(row < 17 ? home : 7),
                            static_cast<std::uint8_t>(row < 17 ? away : 0));
        }
    }
    const CDBFixturelist before = list;
    ASSERT_TRUE(CanMirrorFirstHalf(list));
    ASSERT_TRUE(MirrorFirstHalf(list));
    for (int row = 0; row < 17; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            std::uint8_t mirroredHome = 0;
            std::uint8_t mirroredAway = 0;
            before.GetPairing(row, column, home, away);
            list.GetPairing(row + 17, column, mirroredHome, mirroredAway);
            EXPECT_EQ(std::make_pair(mirroredHome, mirroredAway), std::make_pair(away, home))
                << "matchday " << row + 18 << " pairing " << column;
        }
        EXPECT_EQ(MatchdayPairings(list, row), MatchdayPairings(before, row));
    }
    EXPECT_TRUE(list.IsComplete());
}

TEST(FixtureListEditingTest, AnOddNumberOfMatchdaysIsNotMirrored) {
    // One meeting of 18 teams: the whole list is a single round.
    CDBFixturelist list;
    ASSERT_TRUE(GenerateFixtures(list, 18, 1));
    ASSERT_EQ(list.Rows(), 17);
    const CDBFixturelist before = list;
    EXPECT_FALSE(CanMirrorFirstHalf(list));
    EXPECT_FALSE(MirrorFirstHalf(list));
    EXPECT_EQ(list, before);
}

TEST(FixtureListEditingTest, GeneratingGivesACompleteListInWhichEveryPairMeetsAtHomeOnce) {
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
}

TEST(FixtureListEditingTest, ALeagueSizeWithoutTemplateLeavesTheListAsItWas) {
    CDBFixturelist list(10, 3);
    list.SetPairing(4, 1, 6, 5);
    const CDBFixturelist before = list;
    EXPECT_FALSE(CanGenerateFixtures(7));
    EXPECT_FALSE(CanGenerateFixtures(25));
    EXPECT_TRUE(CanGenerateFixtures(8));
    EXPECT_TRUE(CanGenerateFixtures(24));
    EXPECT_FALSE(GenerateFixtures(list, 7, 2));
    EXPECT_FALSE(GenerateFixtures(list, 25, 2));
    EXPECT_EQ(list, before);
}

TEST(FixtureListEditingTest, ClearingOneMatchdayOrAllFreesEveryPlace) {
    CDBFixturelist list;
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
}

}  // namespace
}  // namespace kw
