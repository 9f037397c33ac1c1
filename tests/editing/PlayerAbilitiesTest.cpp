#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "DemoDocumentTest.h"
#include "competition/Competition.h"
#include "editing/PlayerAbilities.h"
#include "model/GameDate.h"
#include "model/PlayerStrength.h"
#include "platform/LEcuyerRandom.h"

namespace kw {
namespace {

TEST(PlayerAbilities, TenPercentStepsAreAtLeastOneAndStayInRange) {
    EXPECT_EQ(AbilityMoreTenPercent(95), 99);
    EXPECT_EQ(AbilityMoreTenPercent(3), 4);
    EXPECT_EQ(AbilityLessTenPercent(1), 0);
    EXPECT_EQ(AbilityLessTenPercent(15), 13);
    // 5 × 0.1 rounds half up to 1; 25 × 0.1 = 2.5 to 3.
    EXPECT_EQ(AbilityLessTenPercent(5), 4);
    EXPECT_EQ(AbilityMoreTenPercent(25), 28);
    for (int value = 0; value <= 99; ++value) {
        const auto v = static_cast<std::uint8_t>(value);
        const int less = AbilityLessTenPercent(v);
        const int more = AbilityMoreTenPercent(v);
        if (value == 0) {
            EXPECT_EQ(less, 0);
            EXPECT_EQ(more, 0);
            continue;
        }
        EXPECT_LT(less, value);
        EXPECT_GE(less, 0);
        EXPECT_LE(more, 99);
        EXPECT_TRUE(more > value || value == 99) << value;
    }
}

TEST(PlayerAbilities, AgeCountsFullYearsAndExperienceFollowsIt) {
    const CDate birth = CDate::FromYmd(1984, 7, 15);
    EXPECT_EQ(AgeOn(birth, CDate::FromYmd(2005, 7, 14)), 20);
    EXPECT_EQ(AgeOn(birth, CDate::FromYmd(2005, 7, 15)), 21);
    EXPECT_EQ(AgeOn(birth, CDate::FromYmd(2005, 6, 30)), 20);
    EXPECT_EQ(AgeOn(CDate(), CDate::FromYmd(2005, 1, 1)), 0);
    EXPECT_EQ(AgeOn(CDate::FromYmd(2010, 1, 1), CDate::FromYmd(2005, 1, 1)), 0);

    const std::pair<int, int> boundaries[] = {{0, 0},  {18, 0}, {19, 1}, {20, 2}, {21, 3}, {23, 3},
                                              {24, 4}, {29, 4}, {30, 5}, {33, 5}, {34, 6}, {45, 6}};
    for (const auto& boundary : boundaries) {
        EXPECT_EQ(NationalExperienceForAge(boundary.first), boundary.second)
            << "age " << boundary.first;
    }
}

TEST(PlayerAbilities, PotentialAddsAYouthBonusThatTalentEnlarges) {
    // Age 20: bonus (22 - 20) × 4 + 14 = 22, with talent 2 worth 22 × 1.4 = 30.8.
    EXPECT_EQ(CalculatePotential(60.0, 2, 20), 91);
    // Age 24: (26 - 24) × 2 + 6 = 10; age 28: 32 - 28 = 4; from 32 on nothing.
    EXPECT_EQ(CalculatePotential(60.0, 0, 24), 70);
    EXPECT_EQ(CalculatePotential(60.0, 0, 28), 64);
    EXPECT_EQ(CalculatePotential(60.4, 4, 32), 60);
    EXPECT_EQ(CalculatePotential(60.5, 4, 40), 61);
    EXPECT_EQ(CalculatePotential(90.0, 4, 17), 100);
    EXPECT_EQ(CalculatePotential(-5.0, 0, 32), 0);
}

TEST(PlayerAbilities, TargetStrengthCorrectsForAgeBeforeTheLimitsAndLevels) {
    CLEcuyerRandom random;
    STargetStrength young;
    young.age = 21;
    // No club: 70, a 21-year-old 25 % less, a 34-year-old 20 % less.
    EXPECT_DOUBLE_EQ(TargetStrength(young, random), 70.0 * 0.75);
    STargetStrength old;
    old.age = 34;
    EXPECT_NEAR(TargetStrength(old, random), 70.0 * 0.8, 1e-4);

    // With a club the random part r (0..10) is drawn: (5 × talent + r + 90) × average / 100.
    STargetStrength star{true, 4, 100, 27, 0};
    CLEcuyerRandom same;
    const int r = same.Below(11);
    CLEcuyerRandom drawing;
    EXPECT_DOUBLE_EQ(TargetStrength(star, drawing), std::min(90.0, 110.0 + r));
    star.lowerLevels = 2;
    EXPECT_DOUBLE_EQ(TargetStrength(star, drawing), 90.0 * 0.8 * 0.8);
    STargetStrength weak{true, 0, 10, 27, 3};
    EXPECT_DOUBLE_EQ(TargetStrength(weak, drawing), 20.0);
}

using PlayerAbilitiesDemo = test::DemoDocumentTest;

TEST_F(PlayerAbilitiesDemo, LevelsCountFromTheTopToTheClubsLeague) {
    const CCountry& country = World().Country(kDefaultCountry);
    int checked = 0;
    const CDBCompetition* last = nullptr;
    for (int index = 0; index < 20; ++index) {
        const CDBCompetition* league =
            World().Competition(MakeCompetitionId(country.Number(), kLeagueType, index));
        if (league == nullptr) {
            break;
        }
        last = league;
        for (const auto& entry : country.Clubs()) {
            if (league->PositionOfTeam(entry.first) >= 0) {
                // The demo numbers its levels from 0 without gaps.
                EXPECT_EQ(LowerLevelsAbove(country, entry.first), league->Level());
                ++checked;
                break;
            }
        }
    }
    EXPECT_GE(checked, 2);
    // The national team plays in no league: it passes every level.
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(LowerLevelsAbove(country, MakeClubId(country.Number(), kNationalTeamIndex)),
              last->Level());
}

TEST(PlayerAbilities, GeneratedAbilitiesReachTheTargetAtTheirPosition) {
    CLEcuyerRandom random;
    for (int position = 0; position <= kLastPosition; ++position) {
        for (double target : {20.0, 45.0, 70.0, 90.0}) {
            const Abilities abilities = GenerateAbilities(position, target, random);
            EXPECT_LE(*std::max_element(abilities.begin(), abilities.end()), 99);
            if (position != 0) {
                EXPECT_NEAR(StrengthAt(abilities, position), target, 1.0)
                    << "position " << position << " target " << target;
            }
        }
    }
    // A goalkeeper's goalkeeping is better than a striker's of the same strength.
    const Abilities keeper = GenerateAbilities(position::kGoalkeeper, 70.0, random);
    const Abilities striker = GenerateAbilities(position::kStriker, 70.0, random);
    EXPECT_GT(keeper[41], striker[41]);
    EXPECT_GT(striker[6], keeper[6]);
    // The same generator state gives the same player.
    CLEcuyerRandom first;
    CLEcuyerRandom second;
    EXPECT_EQ(GenerateAbilities(position::kCentreBack, 55.0, first),
              GenerateAbilities(position::kCentreBack, 55.0, second));
}

TEST_F(PlayerAbilitiesDemo, RandomCalculationScalesAPlayerWithoutClubTo70CorrectedForAge) {
    CPlayer& player = *ClubWithPlayers(kDefaultCountry).FirstTeam().front();
    player.SetPosition(0, position::kCentralMidfield);
    player.SetBirthDate(CDate::FromYmd(1984, 1, 1));
    CLEcuyerRandom random;
    RandomiseAbilities(player, nullptr, 0, CDate::FromYmd(2005, 7, 1), random);
    EXPECT_NEAR(PlayerStrength(player), 70.0 * 0.75, 1.0);
}

TEST_F(PlayerAbilitiesDemo, UndoTakesTheDrawBackWithTheGeneratorsAdvance) {
    const std::uint32_t id = ClubWithPlayers().FirstTeam().front()->Id();
    const auto draw = [&] { ASSERT_TRUE(DrawRandomAbilities(document, id, GameToday())); };
    const std::string before = Dump();
    draw();
    const std::string first = Dump();
    draw();
    const std::string second = Dump();
    EXPECT_EQ(Edits(), 2u);
    EXPECT_NE(first, before);
    EXPECT_NE(second, first);
    // Undone, the generator stands where it stood before the draw: drawing again draws the same.
    ASSERT_TRUE(document.Undo());
    draw();
    EXPECT_EQ(Dump(), second);
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
    // Redone, it stands after the draw again.
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(Dump(), first);
    draw();
    EXPECT_EQ(Dump(), second);
}

}  // namespace
}  // namespace kw
