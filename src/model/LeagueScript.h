#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "model/Country.h"

namespace kw {

class CWorld;

// "script/Lg<k>.txt" below the installation folder: the predefined competitions of league
// script k; nothing when the file does not exist.
std::optional<std::filesystem::path> LeagueScriptPath(const CWorld& world, int number);

// Makes league script k the source of a country's competitions. Choosing the active number
// changes nothing. Otherwise an active script's competitions (everything below the country's
// root) are dropped and the number becomes 0; then, for k > 0, a league system built without a
// script is dropped (its leagues and level pools, the cups stay), the script's nodes are read
// under the root (sections "LG0", "LG1", ...) and the number becomes k.
//
// A script whose file is missing is refused before anything is dropped, so a failed choice never
// leaves the country without its competitions. False for that, for a country outside 1..206
// and for a number beyond 16 bits.
bool SelectLeagueScript(CWorld& world, int country, int number);

// Builds a country's leagues without a script: `leagues[L]` leagues on each level L from 0 up to
// the first level with none, numbered 0, 1, ... across the levels, each level storing its number
// of relegated teams. The i-th new league of a level takes over the data and teams of the i-th
// league that level had (the first ten of each level count); a further league gets the settings
// of the level's first old league without its teams and name, or the defaults on a level that
// had none. Old leagues left over are deleted, the level pools rebuilt. References to leagues by
// number (relegation, scripts) are not followed: the league check shows what they miss.
void RebuildLeagueSystem(CWorld& world, int country, const std::array<int, kLevelCount>& leagues,
                         const std::array<std::uint8_t, kLevelCount>& relegated);

}  // namespace kw
