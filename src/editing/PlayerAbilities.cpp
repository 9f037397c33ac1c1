#include "editing/PlayerAbilities.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "document/RecordEdits.h"
#include "editing/PersonClub.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Date.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/LEcuyerRandom.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr int kMaxAbility = 99;
constexpr double kLowestTarget = 20.0;
constexpr double kHighestTarget = 90.0;
constexpr double kNoClubTarget = 70.0;
constexpr double kLevelFactor = 0.8;
constexpr int kMaxLeagues = 20;
// A few passes bring the strength to the target although clamping at 0 and 99 bends the scale.
constexpr int kScalePasses = 16;

int TenthOf(std::uint8_t value) {
    return std::max(1, static_cast<int>(std::floor(value * 0.1 + 0.5)));
}

double StrengthOf(const Abilities& abilities, int position) {
    if (position == position::kNone) {
        const int sum = std::accumulate(abilities.begin(), abilities.end(), 0);
        return 100.0 / kMaxAbility * sum / kAbilityCount;
    }
    return StrengthAt(abilities, position);
}

}  // namespace

std::uint8_t AbilityLessTenPercent(std::uint8_t value) {
    if (value == 0) {
        return 0;
    }
    return static_cast<std::uint8_t>(std::max(0, value - TenthOf(value)));
}

std::uint8_t AbilityMoreTenPercent(std::uint8_t value) {
    if (value == 0) {
        return 0;
    }
    return static_cast<std::uint8_t>(std::min(kMaxAbility, value + TenthOf(value)));
}

int AgeOn(CDate birth, CDate day) {
    if (!birth.IsSet() || birth > day) {
        return 0;
    }
    const CDate::Ymd born = birth.Split();
    const CDate::Ymd now = day.Split();
    int age = now.year - born.year;
    if (now.month < born.month || (now.month == born.month && now.day < born.day)) {
        --age;
    }
    return age;
}

int NationalExperienceForAge(int age) {
    if (age < 19) {
        return 0;
    }
    if (age <= 20) {
        return age - 18;
    }
    if (age <= 23) {
        return 3;
    }
    if (age <= 29) {
        return 4;
    }
    return age <= 33 ? 5 : 6;
}

int CalculatePotential(double bestStrength, int talent, int age) {
    int bonus = 0;
    if (age < 22) {
        bonus = (22 - age) * 4 + 14;
    } else if (age <= 25) {
        bonus = (26 - age) * 2 + 6;
    } else if (age <= 31) {
        bonus = 32 - age;
    }
    const double potential = std::max(bestStrength, 0.0) + bonus * (1.0 + 0.2 * talent);
    return std::min(100, static_cast<int>(std::floor(potential + 0.5)));
}

double TargetStrength(const STargetStrength& input, CLEcuyerRandom& random) {
    double target = kNoClubTarget;
    if (input.hasClub) {
        const int r = random.Below(11);
        target = (5.0 * input.talent + r + 90.0) * input.averageStrength / 100.0;
    }
    if (input.age < 26) {
        target -= (26 - input.age) * target * 0.05;
    } else if (input.age >= 32) {
        target -= (input.age - 31) * target * 0.0666667;
    }
    target = std::clamp(target, kLowestTarget, kHighestTarget);
    for (int level = 0; level < input.lowerLevels; ++level) {
        target = std::max(kLowestTarget, target * kLevelFactor);
    }
    return target;
}

int LowerLevelsAbove(const CCountry& country, std::uint32_t clubId) {
    const CWorld& world = country.World();
    int lowerLevels = 0;
    int deepest = -1;
    for (int index = 0; index < kMaxLeagues; ++index) {
        const CDBCompetition* league =
            world.Competition(MakeCompetitionId(country.Number(), kLeagueType, index));
        if (league == nullptr) {
            break;
        }
        if (index == 0) {
            deepest = league->Level();
        } else if (league->Level() > deepest) {
            deepest = league->Level();
            ++lowerLevels;
        }
        if (league->PositionOfTeam(clubId) >= 0) {
            break;
        }
    }
    return lowerLevels;
}

Abilities GenerateAbilities(int position, double target, CLEcuyerRandom& random) {
    // Essential abilities start high, ignored ones low; the spread keeps players of one position
    // apart.
    std::array<double, kAbilityCount> drawn{};
    for (int ability = 0; ability < kAbilityCount; ++ability) {
        const int weight = position == position::kNone ? 3 : PositionWeight(position, ability);
        drawn[static_cast<std::size_t>(ability)] = 25.0 + weight * 10.0 + random.Below(15) - 7;
    }
    Abilities abilities{};
    double factor = 1.0;
    for (int pass = 0; pass < kScalePasses; ++pass) {
        for (std::size_t i = 0; i < abilities.size(); ++i) {
            abilities[i] = static_cast<std::uint8_t>(
                std::clamp(std::lround(drawn[i] * factor), 0L, static_cast<long>(kMaxAbility)));
        }
        const double strength = StrengthOf(abilities, position);
        if (strength <= 0.0 || std::abs(strength - target) < 0.25) {
            break;
        }
        factor *= target / strength;
    }
    return abilities;
}

void RandomiseAbilities(CPlayer& player, const CCountry* country, std::uint32_t clubId, CDate today,
                        CLEcuyerRandom& random) {
    STargetStrength input;
    input.hasClub = country != nullptr;
    input.talent = Talent(player);
    input.age = AgeOn(player.BirthDate(), today);
    if (country != nullptr) {
        input.averageStrength = country->Settings().averageStrength;
        input.lowerLevels = LowerLevelsAbove(*country, clubId);
    }
    const double target = TargetStrength(input, random);
    const Abilities abilities = GenerateAbilities(player.MainPosition(), target, random);
    for (int ability = 0; ability < kAbilityCount; ++ability) {
        player.SetAbility(ability, abilities[static_cast<std::size_t>(ability)]);
    }
}

bool DrawRandomAbilities(CDatabaseDocument& document, std::uint32_t personId, CDate today) {
    const CWorld& world = document.World();
    const CPlayer* player = world.Person(personId);
    if (player == nullptr) {
        return false;
    }
    const CClub* club = ClubHoldingPerson(world, personId);
    const CCountry* country = club != nullptr ? &world.Country(club->Country()) : nullptr;
    // Drawn from a copy of the generator: the world changes only when the edit is applied.
    CLEcuyerRandom random = world.AbilityRandom();
    const std::unique_ptr<CPlayer> drawn = player->Clone();
    RandomiseAbilities(*drawn, country, club != nullptr ? club->Id() : 0, today, random);
    document.Do(std::make_unique<CAbilityDrawEdit>(
        std::string(ShownText("kw::Edit", "Spieler bearbeiten")), *drawn, random));
    return true;
}

}  // namespace kw
