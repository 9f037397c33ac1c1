#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/Country.h"

namespace kw {

class CWorld;

// A league system the editor can build without a league script: the leagues on each level and,
// per level, which numbers of relegated teams fit (bit k set: k teams may go down from each
// league). A number fits when it is 0 or a multiple of the ratio of leagues on the next level to
// leagues on this one.
struct SGenericLeagueSystem {
    std::string_view name;
    std::array<int, kLevelCount> leagues;
    std::array<std::uint8_t, kLevelCount> relegationMasks;
};

inline constexpr int kGenericSystemCount = 33;
// The most teams a league may relegate.
inline constexpr int kMaxRelegated = 5;
// The leagues of a country are numbered 0..19.
inline constexpr int kCountryLeagueCount = 20;

// "Generisches Spielsystem auswählen": row 0 "-" has no league.
const std::array<SGenericLeagueSystem, kGenericSystemCount>& GenericLeagueSystems();

// The number of the country's leagues (0..19) on each level.
std::array<int, kLevelCount> LeaguesPerLevel(const CWorld& world, int country);
// The first row whose league counts equal these; 0 when none does.
int PreselectedGenericSystem(const std::array<int, kLevelCount>& leaguesPerLevel);

bool IsRelegationAllowed(const SGenericLeagueSystem& system, int level, int relegated);
// The numbers the relegation list offers for the level, ascending.
std::vector<int> AllowedRelegations(const SGenericLeagueSystem& system, int level);
// What applying the system stores: each level's choice when the system allows it, else 0; 0 for
// the levels the system has no league on.
std::array<std::uint8_t, kLevelCount> RelegationsToApply(
    const SGenericLeagueSystem& system, const std::array<std::uint8_t, kLevelCount>& chosen);

// "Änderungen übernehmen": league script `script` (from 1) replaces the country's competitions;
// without one, a script in use is dropped (its leagues handing their data and teams on) and the
// leagues are rebuilt from the generic system with the relegations it allows. Row 0 builds nothing
// and is refused, as is a script whose file is missing; a refusal changes nothing.
enum class EApplyResult { kApplied, kNoSystemChosen, kScriptMissing };
EApplyResult ApplyLeagueSystem(CWorld& world, int country, int script, int genericRow,
                               const std::array<std::uint8_t, kLevelCount>& chosenRelegations);

// "Anzahl Vereine im derzeitigen Ligasystem": the sum of the sizes of the country's leagues.
int TeamsInLeagueSystem(const CWorld& world, int country);

}  // namespace kw
