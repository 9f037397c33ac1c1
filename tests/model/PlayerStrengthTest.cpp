#include <gtest/gtest.h>

#include "PersonsTestSupport.h"
#include "model/PlayerStrength.h"

namespace kw {
namespace {

using Abilities = std::array<std::uint8_t, kAbilityCount>;

constexpr int kGoalkeeping[] = {35, 36, 37, 38, 39, 40, 41, 42};
constexpr int kStriking[] = {0, 1, 2, 3, 6, 15, 16, 18, 19, 25, 27};
constexpr int kDefending[] = {13, 14, 15, 21, 23, 25, 28};

template <std::size_t N>
Abilities Profile(const int (&strong)[N], std::uint8_t high, std::uint8_t low) {
    Abilities abilities;
    abilities.fill(low);
    for (const int index : strong) {
        abilities[static_cast<std::size_t>(index)] = high;
    }
    return abilities;
}

// A goalkeeper is strong in goal and weak up front, a striker the other way round, a defender
// stronger at the back than anywhere else.
TEST(PlayerStrength, EachProfileIsStrongAtItsOwnPosition) {
    const Abilities keeper = Profile(kGoalkeeping, 90, 30);
    EXPECT_GT(StrengthAt(keeper, position::kGoalkeeper), 70.0);
    EXPECT_LT(StrengthAt(keeper, position::kStriker), 35.0);
    // Goalkeeping counts nowhere else.
    for (int pos = position::kRightBack; pos <= kLastPosition; ++pos) {
        EXPECT_NEAR(StrengthAt(keeper, pos), 30.0 * 100.0 / 99.0, 1e-9) << PositionCode(pos);
    }

    const Abilities striker = Profile(kStriking, 90, 30);
    EXPECT_GT(StrengthAt(striker, position::kStriker), 75.0);
    EXPECT_LT(StrengthAt(striker, position::kGoalkeeper), 40.0);
    EXPECT_GT(StrengthAt(striker, position::kStriker), StrengthAt(striker, position::kCentreBack));

    const Abilities defender = Profile(kDefending, 90, 35);
    const double centreBack = StrengthAt(defender, position::kCentreBack);
    for (const int other : {position::kStriker, position::kRightWing, position::kAttackingMidfield,
                            position::kGoalkeeper}) {
        EXPECT_GT(centreBack, StrengthAt(defender, other)) << PositionCode(other);
    }
}

TEST(PlayerStrength, RangeIsZeroToHundredAndAbilitiesAbove99CountAs99) {
    Abilities all;
    for (int pos = 1; pos <= kLastPosition; ++pos) {
        all.fill(99);
        EXPECT_DOUBLE_EQ(StrengthAt(all, pos), 100.0) << PositionCode(pos);
        all.fill(255);
        EXPECT_DOUBLE_EQ(StrengthAt(all, pos), 100.0) << PositionCode(pos);
        all.fill(0);
        EXPECT_DOUBLE_EQ(StrengthAt(all, pos), 0.0) << PositionCode(pos);
    }
    all.fill(99);
    EXPECT_DOUBLE_EQ(StrengthAt(all, position::kNone), 0.0);
    EXPECT_DOUBLE_EQ(StrengthAt(all, kLastPosition + 1), 0.0);
    EXPECT_DOUBLE_EQ(StrengthAt(all, -1), 0.0);
}

TEST(PlayerStrength, WeightsMatchTheRoles) {
    EXPECT_EQ(PositionWeight(position::kGoalkeeper, 41), 5);       // saves
    EXPECT_EQ(PositionWeight(position::kGoalkeeper, 6), 0);        // finishing
    EXPECT_EQ(PositionWeight(position::kCentreBack, 13), 5);       // tackling
    EXPECT_EQ(PositionWeight(position::kCentreBack, 14), 5);       // marking
    EXPECT_EQ(PositionWeight(position::kCentralMidfield, 10), 5);  // passing
    EXPECT_EQ(PositionWeight(position::kStriker, 6), 5);           // finishing
    EXPECT_EQ(PositionWeight(position::kNone, 6), 0);
    EXPECT_EQ(PositionWeight(position::kStriker, kAbilityCount), 0);
}

class PlayerStrengthOfPerson : public test::PersonsTest {};

TEST_F(PlayerStrengthOfPerson, StrengthIsTheOneAtTheFirstMainPosition) {
    CPlayer& p = world.CreatePerson(0, true);
    const Abilities keeper = Profile(kGoalkeeping, 95, 20);
    for (int i = 0; i < kAbilityCount; ++i) {
        p.SetAbility(i, keeper[static_cast<std::size_t>(i)]);
    }
    p.SetPosition(0, position::kStriker);
    p.SetPosition(3, position::kGoalkeeper);
    EXPECT_DOUBLE_EQ(PlayerStrength(p), StrengthAt(keeper, position::kStriker));
    p.SetPosition(0, position::kGoalkeeper);
    EXPECT_DOUBLE_EQ(PlayerStrength(p), StrengthAt(keeper, position::kGoalkeeper));

    const SBestPosition best = BestStrength(p);
    EXPECT_EQ(best.position, position::kGoalkeeper);
    EXPECT_DOUBLE_EQ(best.strength, StrengthAt(keeper, position::kGoalkeeper));

    // With no main position the strength is 0; with all abilities 0 there is no best position.
    p.SetPosition(0, position::kNone);
    EXPECT_DOUBLE_EQ(PlayerStrength(p), 0.0);
    for (int i = 0; i < kAbilityCount; ++i) {
        p.SetAbility(i, 0);
    }
    EXPECT_EQ(BestStrength(p).position, 0);
    EXPECT_DOUBLE_EQ(BestStrength(p).strength, 0.0);
}

TEST_F(PlayerStrengthOfPerson, TalentLivesInTheLowBitsOfTheFootAndFormByte) {
    CPlayer& p = world.CreatePerson(0, true);
    EXPECT_EQ(Talent(p), 2);  // the default byte 2
    p.SetFootAndForm(0xC0 | (2 << 3) | 3);
    EXPECT_EQ(Talent(p), 3);
    SetTalent(p, 9);
    EXPECT_EQ(Talent(p), 4);
    EXPECT_EQ(p.FootAndForm(), 0xC0 | (2 << 3) | 4);
    SetTalent(p, -1);
    EXPECT_EQ(Talent(p), 0);
    EXPECT_EQ(p.Foot(), 2);
    // A stored value beyond 4 (before reading mended it) still counts as the top class.
    p.SetFootAndForm(7);
    EXPECT_EQ(Talent(p), 4);
}

}  // namespace
}  // namespace kw
