#include <gtest/gtest.h>

#include "CompetitionTestSupport.h"
#include "competition/Cup.h"
#include "competition/League.h"
#include "competition/Round.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

using test::kCountry;

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

TEST_F(Check, SoundNodesRaiseNothing) {
    EXPECT_EQ(Faults(SoundLeague()), 0u);
    EXPECT_EQ(Faults(SoundLeague(), 1), 0u);
    EXPECT_EQ(Faults(SoundCup()), 0u);
    auto& round = Add<CDBRound>(MakeCompetitionId(0, kUefaCupType, 1));
    round.AddMatchday(0, 90);
    EXPECT_EQ(Faults(round), 0u);
}

TEST_F(Check, IncompleteFixtureList) {
    CDBLeague& league = SoundLeague();
    league.Fixtures().SetPairing(0, 0, 1, 0);
    EXPECT_EQ(Faults(league), kFaultFixtureIncomplete);
}

TEST_F(Check, MatchdaysEnteredDifferFromThoseRequired) {
    CDBLeague& league = SoundLeague();
    league.AddMatchday(0, 40);
    EXPECT_EQ(Faults(league), kFaultMatchdayCount);
    // Only the calendar asked about counts.
    EXPECT_EQ(Faults(league, 1), 0u);
}

TEST_F(Check, CupWithoutFormatOrWithMissingMatchdays) {
    CDBCup& cup = SoundCup();
    cup.RemoveMatchday(0, 10);
    EXPECT_EQ(Faults(cup), kFaultMatchdayCount);
    cup.AddMatchday(0, 10);
    cup.SetFormatNumber(0);
    EXPECT_EQ(Faults(cup), kFaultMatchdayCount);
    cup.SetFormatNumber(99);  // a number the world does not know
    EXPECT_EQ(Faults(cup), kFaultMatchdayCount);
}

TEST_F(Check, TeamCountDiffersFromTheSizeOfALeagueWithoutSource) {
    CDBLeague& league = SoundLeague();
    league.RemoveTeam(MakeClubId(kCountry, 2));
    EXPECT_EQ(Faults(league), kFaultTeamCount);
    // A league filled from a source is not counted.
    league.AddSource(MakeCompetitionId(kCountry, kLeagueType, 5));
    EXPECT_EQ(Faults(league), 0u);
}

TEST_F(Check, ReserveTeamsBelowTheLevelLimit) {
    CDBLeague& league = SoundLeague();
    league.RemoveTeam(MakeClubId(kCountry, 2));
    league.AddTeam(MakeClubId(kCountry, 2) | kSecondTeamFlag);
    EXPECT_EQ(Faults(league), kFaultReserveTeams);
    // Allowed from the limit on.
    EXPECT_EQ(league.Check(world.Registry(), 0, 1), 0u);
    // Only real countries 1 to 205 are checked.
    CDBLeague& elsewhere = SoundLeague(206);
    elsewhere.RemoveTeam(MakeClubId(206, 2));
    elsewhere.AddTeam(MakeClubId(206, 2) | kSecondTeamFlag);
    EXPECT_EQ(Faults(elsewhere), 0u);
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

TEST_F(Check, AllFaultsTogether) {
    auto& league = Add<CDBLeague>(MakeCompetitionId(kCountry, kLeagueType, 0));
    league.SetLevel(0);
    league.AddTeam(MakeClubId(kCountry, 1) | kSecondTeamFlag);
    EXPECT_EQ(Faults(league), kAllFaults);
}

}  // namespace
}  // namespace kw
