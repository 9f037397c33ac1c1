#pragma once

#include <filesystem>
#include <optional>

namespace kw {

class CWorld;

// "script/Lg<k>.txt" below the installation folder: the predefined competitions of league
// script k; nothing when the file does not exist.
std::optional<std::filesystem::path> LeagueScriptPath(const CWorld& world, int number);

// Makes league script k the source of a country's competitions. Choosing the active number
// changes nothing. Otherwise an active script's competitions (everything below the country's
// root) are dropped and the number becomes 0; then, for k > 0, the script's nodes are read
// under the root (sections "LG0", "LG1", ...) and the number becomes k.
//
// A script whose file is missing is refused before anything is dropped, so a failed choice never
// leaves the country without its competitions. False for that, for a country outside 1..206
// and for a number beyond 16 bits.
bool SelectLeagueScript(CWorld& world, int country, int number);

}  // namespace kw
