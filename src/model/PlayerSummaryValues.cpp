#include "model/PlayerSummaryValues.h"

#include <algorithm>
#include <initializer_list>

#include "platform/ResourceTable.h"

namespace kw {

namespace {

// Ability indexes of the abilities table.
enum Ability : std::uint8_t {
    kShotPower = 0,
    kLongShots = 1,
    kDribbling = 2,
    kTechnique = 3,
    kCrossing = 4,
    kCreativity = 5,
    kFinishing = 6,
    kCorners = 8,
    kPenalties = 9,
    kPassing = 10,
    kLongPasses = 11,
    kFlair = 12,
    kTackling = 13,
    kMarking = 14,
    kHeading = 15,
    kBallControl = 16,
    kAcceleration = 18,
    kPace = 19,
    kStamina = 20,
    kStrength = 21,
    kAgility = 22,
    kJumping = 23,
    kPositioning = 25,
    kAggression = 26,
    kComposure = 27,
    kConcentration = 28,
    kDecisions = 29,
    kLeadership = 34,
    kCommandOfArea = 35,
    kHandling = 36,
    kGoalKicks = 37,
    kOneOnOne = 38,
    kGoalkeeperPositioning = 39,
    kPunching = 40,
    kSaves = 41,
    kThrowing = 42,
};

struct SWeight {
    Ability ability;
    std::uint8_t weight;
};

using Weights = std::array<std::uint8_t, kAbilityCount>;

constexpr Weights MakeWeights(std::initializer_list<SWeight> weights) {
    Weights row{};
    for (const SWeight& entry : weights) {
        row[entry.ability] = entry.weight;
    }
    return row;
}

struct SSummaryValue {
    const char* label;
    Weights weights;
};

const std::array<SSummaryValue, kSummaryValueCount> kValues = {{
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Passspiel"),
     MakeWeights(
         {{kPassing, 5}, {kLongPasses, 3}, {kCreativity, 2}, {kBallControl, 1}, {kDecisions, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Kopfball"),
     MakeWeights({{kHeading, 5}, {kJumping, 3}, {kPositioning, 1}, {kStrength, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Schussstärke"),
     MakeWeights({{kShotPower, 5}, {kLongShots, 3}, {kStrength, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Schussgenauigkeit"),
     MakeWeights(
         {{kFinishing, 5}, {kLongShots, 2}, {kComposure, 2}, {kTechnique, 1}, {kPenalties, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Antritt"),
     MakeWeights({{kAcceleration, 5}, {kAgility, 2}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Schnelligkeit"),
     MakeWeights({{kPace, 5}, {kAcceleration, 1}, {kStamina, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Def. Zweikampf"),
     MakeWeights(
         {{kTackling, 5}, {kMarking, 4}, {kStrength, 2}, {kAggression, 2}, {kPositioning, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Off. Zweikampf"),
     MakeWeights({{kDribbling, 5}, {kBallControl, 3}, {kStrength, 2}, {kAgility, 2}, {kFlair, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Technik"),
     MakeWeights({{kTechnique, 5}, {kBallControl, 4}, {kDribbling, 2}, {kFlair, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Flanken"),
     MakeWeights({{kCrossing, 5}, {kCorners, 2}, {kLongPasses, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Reflexe"),
     MakeWeights({{kSaves, 5}, {kAgility, 2}, {kConcentration, 2}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Flugparaden"),
     MakeWeights({{kSaves, 3}, {kJumping, 3}, {kAgility, 3}, {kHandling, 2}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Strafraumbeherr."),
     MakeWeights(
         {{kCommandOfArea, 5}, {kPunching, 2}, {kHandling, 2}, {kJumping, 1}, {kLeadership, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Eins gegen eins"),
     MakeWeights({{kOneOnOne, 5}, {kGoalkeeperPositioning, 2}, {kComposure, 2}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Abstöße"),
     MakeWeights({{kGoalKicks, 5}, {kLongPasses, 1}})},
    {KW_RESOURCE_TEXT("kw::PlayerSummaryValues", "Abwürfe"),
     MakeWeights({{kThrowing, 5}, {kDecisions, 1}})},
}};

constexpr double kMaxAbilityValue = 99.0;

}  // namespace

std::string_view SummaryValueLabel(int value) {
    if (value < 0 || value >= kSummaryValueCount) {
        return {};
    }
    return ShownText("kw::PlayerSummaryValues", kValues[static_cast<std::size_t>(value)].label);
}

int SummaryValueWeight(int value, int ability) {
    if (value < 0 || value >= kSummaryValueCount || ability < 0 || ability >= kAbilityCount) {
        return 0;
    }
    return kValues[static_cast<std::size_t>(value)].weights[static_cast<std::size_t>(ability)];
}

SummaryValues PlayerSummaryValues(const std::array<std::uint8_t, kAbilityCount>& abilities) {
    SummaryValues values{};
    for (std::size_t v = 0; v < kValues.size(); ++v) {
        const Weights& weights = kValues[v].weights;
        int weighted = 0;
        int total = 0;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            weighted += weights[i] * std::min<int>(abilities[i], 99);
            total += weights[i];
        }
        values[v] = 100.0 * weighted / (kMaxAbilityValue * total);
    }
    return values;
}

SummaryValues PlayerSummaryValues(const CPlayer& player) {
    return PlayerSummaryValues(player.Abilities());
}

}  // namespace kw
