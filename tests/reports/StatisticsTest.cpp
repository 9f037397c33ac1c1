#include <gtest/gtest.h>

#include "CountriesTestSupport.h"
#include "model/PlayerStrength.h"
#include "reports/WorldStatistics.h"

namespace kw {
namespace {

using test::Club;
using test::kCountry;

class Statistics : public test::CountriesTest {
protected:
    CPlayer& AddRatedPlayer(CClub& club, std::uint8_t ability, int talent, std::int8_t team = 0) {
        CPlayer& player = AddPlayer(club);
        player.SetPosition(0, position::kCentreForward);
        for (int index = 0; index < kAbilityCount; ++index) {
            player.SetAbility(index, ability);
        }
        SetTalent(player, talent);
        player.SetTeamFlag(team);
        return player;
    }
};

TEST_F(Statistics, CountryFiguresAreThoseOfTheMainWindow) {
    AddClubs({1, 2, 3});
    AddLeague(0, 0, {});
    AddLeague(1, 1, {});
    AddLeague(3, 2, {});  // behind a gap: not counted
    AddRatedPlayer(*Country().Club(Club(1)), 99, 4);
    AddRatedPlayer(*Country().Club(Club(1)), 0, 1, 1);  // second team: a player, not club strength
    AddRatedPlayer(*Country().Club(Club(2)), 99, 1);
    AddPlayer(*Country().Club(Club(2))).SetKind(1);   // staff is no player
    AddRatedPlayer(Country().NationalTeam(), 99, 2);  // the national team is no club

    const SStatistics s = CountryStatistics(Country());
    EXPECT_EQ(s.leagues, 2);
    EXPECT_EQ(s.clubs, 3);
    EXPECT_EQ(s.players, 3);
    EXPECT_EQ(s.talents, (std::array<int, 5>{0, 2, 0, 0, 1}));
    // Clubs 1 and 2 have strength 100, club 3 none.
    EXPECT_NEAR(s.AverageClubStrength(), 200.0 / 3, 1e-9);
    EXPECT_NEAR(s.AveragePlayerStrength(), 200.0 / 3, 1e-9);

    world.Country(6).AddClub(1);
    const SStatistics total = TotalStatistics(world);
    EXPECT_EQ(total.clubs, 4);
    EXPECT_EQ(total.players, 3);
    EXPECT_NEAR(total.AverageClubStrength(), 50.0, 1e-9);
    EXPECT_EQ(SStatistics{}.AverageClubStrength(), 0.0);
}

TEST_F(Statistics, CheckListsTheCompetitionsInFileOrderWithTheirFaults) {
    AddClubs({1, 2});
    AddLeague(0, 0, {Club(1)});  // one team in a league of one: no fixture, no matchdays
    world.RegisterCompetition(
        std::make_unique<CDBLeague>(MakeCompetitionId(kCountry, kRelegationType, 0),
                                    MakeCompetitionId(kCountry, kRootType, 0)));
    const SCountryCheck check = CheckCountry(Country());
    EXPECT_FALSE(check.complete);
    ASSERT_EQ(check.competitions.size(), 2u);
    EXPECT_EQ(check.competitions[0].id, MakeCompetitionId(kCountry, kLeagueType, 0));
    EXPECT_EQ(check.competitions[1].id, MakeCompetitionId(kCountry, kRelegationType, 0));
    // The relegation league has 18 places and no team.
    EXPECT_NE(check.competitions[1].faults[0] & kFaultTeamCount, 0u);
    EXPECT_NE(check.competitions[1].faults[1] & kFaultTeamCount, 0u);
}

}  // namespace
}  // namespace kw
