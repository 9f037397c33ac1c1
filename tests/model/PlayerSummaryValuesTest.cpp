#include <gtest/gtest.h>

#include <array>
#include <string>

#include "DemoInstallation.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/PlayerSummaryValues.h"
#include "model/World.h"

namespace kw {
namespace {

using Abilities = std::array<std::uint8_t, kAbilityCount>;

constexpr int kReflexes = 10;
constexpr int kGoalkeeper = 1;
constexpr int kStriker = 17;

Abilities Uniform(std::uint8_t value) {
    Abilities abilities{};
    abilities.fill(value);
    return abilities;
}

TEST(PlayerSummaryValuesTest, LabelsAreTheSixteenOfTheComparison) {
    const std::array<std::string, kSummaryValueCount> expected = {
        "Passspiel",        "Kopfball",        "Schussst\xE4rke", "Schussgenauigkeit",
        "Antritt",          "Schnelligkeit",   "Def. Zweikampf",  "Off. Zweikampf",
        "Technik",          "Flanken",         "Reflexe",         "Flugparaden",
        "Strafraumbeherr.", "Eins gegen eins", "Abst\xF6\337e",   "Abw\xFCrfe"};
    for (int value = 0; value < kSummaryValueCount; ++value) {
        EXPECT_EQ(SummaryValueLabel(value), expected[static_cast<std::size_t>(value)]);
    }
    EXPECT_TRUE(SummaryValueLabel(-1).empty());
    EXPECT_TRUE(SummaryValueLabel(kSummaryValueCount).empty());
}

// Every value rests on some abilities, and its main ability is one the strength model weighs at
// some position: the values speak of what the strengths are made of.
TEST(PlayerSummaryValuesTest, EveryValueUsesAbilitiesTheStrengthModelWeighs) {
    for (int value = 0; value < kSummaryValueCount; ++value) {
        int heaviest = -1;
        int heaviestWeight = 0;
        for (int ability = 0; ability < kAbilityCount; ++ability) {
            const int weight = SummaryValueWeight(value, ability);
            EXPECT_GE(weight, 0);
            EXPECT_LE(weight, 5);
            if (weight > heaviestWeight) {
                heaviest = ability;
                heaviestWeight = weight;
            }
        }
        ASSERT_GE(heaviest, 0) << SummaryValueLabel(value);
        bool weighed = false;
        for (int position = 1; position <= kLastPosition; ++position) {
            weighed = weighed || PositionWeight(position, heaviest) > 0;
        }
        EXPECT_TRUE(weighed) << SummaryValueLabel(value);
    }
    EXPECT_EQ(SummaryValueWeight(kSummaryValueCount, 0), 0);
    EXPECT_EQ(SummaryValueWeight(0, kAbilityCount), 0);
}

TEST(PlayerSummaryValuesTest, ValuesStayWithinTheirRange) {
    for (const std::uint8_t level : {0, 1, 50, 98, 99, 100, 255}) {
        for (const double value : PlayerSummaryValues(Uniform(level))) {
            EXPECT_GE(value, 0.0);
            EXPECT_LE(value, 100.0);
        }
    }
    for (const double value : PlayerSummaryValues(Uniform(0))) {
        EXPECT_DOUBLE_EQ(value, 0.0);
    }
    for (const double value : PlayerSummaryValues(Uniform(99))) {
        EXPECT_DOUBLE_EQ(value, 100.0);
    }
    // Above 99 counts as 99, as in the strengths.
    EXPECT_EQ(PlayerSummaryValues(Uniform(255)), PlayerSummaryValues(Uniform(99)));
}

// Raising one ability raises exactly the values that use it and leaves the others alone.
TEST(PlayerSummaryValuesTest, ValuesRiseWithTheAbilitiesTheyUseAndNoOther) {
    for (const std::uint8_t level : {0, 40, 98}) {
        const SummaryValues before = PlayerSummaryValues(Uniform(level));
        for (int ability = 0; ability < kAbilityCount; ++ability) {
            Abilities raised = Uniform(level);
            raised[static_cast<std::size_t>(ability)] = static_cast<std::uint8_t>(level + 1);
            const SummaryValues after = PlayerSummaryValues(raised);
            for (int value = 0; value < kSummaryValueCount; ++value) {
                const auto v = static_cast<std::size_t>(value);
                if (SummaryValueWeight(value, ability) > 0) {
                    EXPECT_GT(after[v], before[v]) << SummaryValueLabel(value) << " " << ability;
                } else {
                    EXPECT_DOUBLE_EQ(after[v], before[v])
                        << SummaryValueLabel(value) << " " << ability;
                }
            }
        }
    }
}

TEST(PlayerSummaryValuesTest, AGoalkeepersReflexesBeatAStrikers) {
    // Built: each as strong as can be at his own position and weak elsewhere.
    Abilities keeper = Uniform(30);
    Abilities striker = Uniform(30);
    for (int ability = 0; ability < kAbilityCount; ++ability) {
        if (PositionWeight(kGoalkeeper, ability) > 0) {
            keeper[static_cast<std::size_t>(ability)] = 90;
        }
        if (PositionWeight(kStriker, ability) > 0) {
            striker[static_cast<std::size_t>(ability)] = 90;
        }
    }
    EXPECT_GT(PlayerSummaryValues(keeper)[kReflexes], PlayerSummaryValues(striker)[kReflexes]);

    // The demo's goalkeepers against its strikers, on average.
    const std::unique_ptr<CWorld> world = test::LoadSmallDemo();
    double keepers = 0.0;
    double strikers = 0.0;
    int keeperCount = 0;
    int strikerCount = 0;
    for (const auto& entry : world->Persons()) {
        const CPlayer& player = *entry.second;
        if (!player.IsPlayer()) {
            continue;
        }
        const double reflexes = PlayerSummaryValues(player)[kReflexes];
        if (player.MainPosition() == kGoalkeeper) {
            keepers += reflexes;
            ++keeperCount;
        } else if (player.MainPosition() == kStriker) {
            strikers += reflexes;
            ++strikerCount;
        }
    }
    ASSERT_GT(keeperCount, 0);
    ASSERT_GT(strikerCount, 0);
    EXPECT_GT(keepers / keeperCount, strikers / strikerCount + 10.0);
}

}  // namespace
}  // namespace kw
