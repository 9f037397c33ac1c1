#pragma once

#include <array>
#include <cstdint>

#include "model/Date.h"
#include "model/Player.h"

namespace kw {

class CCountry;
class CDatabaseDocument;
class CLEcuyerRandom;

using Abilities = std::array<std::uint8_t, kAbilityCount>;

// "-10%" and "+10%": a non-zero ability loses or gains a tenth of itself (rounded half up), at
// least 1, and stays within 0..99; zero stays zero.
std::uint8_t AbilityLessTenPercent(std::uint8_t value);
std::uint8_t AbilityMoreTenPercent(std::uint8_t value);

// Full years from the birth date to `day`; 0 for an unset birth date or one after `day`.
int AgeOn(CDate birth, CDate day);
// The national experience a player of that age has: 0 below 19 ... 6 from 34.
int NationalExperienceForAge(int age);

// "Berechne Potenzial": the best strength plus a bonus for youth, larger with talent, at most 100.
int CalculatePotential(double bestStrength, int talent, int age);

// What the random calculation's target strength depends on.
struct STargetStrength {
    bool hasClub = false;
    int talent = 0;           // 0..4
    int averageStrength = 0;  // of the club's country, 0..100
    int age = 0;
    // How often the club's league lies a level lower than those before it (LowerLevelsAbove).
    int lowerLevels = 0;
};
// The strength the random abilities are scaled to; draws the random part (0..10) only for a
// player with a club.
double TargetStrength(const STargetStrength& input, CLEcuyerRandom& random);
// Going through the country's leagues from the top until the one the club plays in: how many
// times a league of a new, lower level was reached. A club in no league passes them all.
int LowerLevelsAbove(const CCountry& country, std::uint32_t clubId);

// Abilities for the position, drawn around the position's weights, then scaled so that the
// strength at the position is `target` (for position 0, their average). Every value is 0..99.
Abilities GenerateAbilities(int position, double target, CLEcuyerRandom& random);

// "Zufällige Berechnung" for the player of `club` (null: no club) on the game's day `today`.
void RandomiseAbilities(CPlayer& player, const CCountry* country, std::uint32_t clubId, CDate today,
                        CLEcuyerRandom& random);
// The same for the document's person as one edit that also advances the world's ability generator
// (`CAbilityDrawEdit`): undo takes both back. False for a person the world lacks.
bool DrawRandomAbilities(CDatabaseDocument& document, std::uint32_t personId, CDate today);

}  // namespace kw
