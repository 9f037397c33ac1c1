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

}  // namespace
}  // namespace kw
