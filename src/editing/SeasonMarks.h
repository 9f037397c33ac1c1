#pragma once

#include <cstdint>
#include <string_view>

namespace kw {

class CClub;
class CCountry;

// The marks of last season a club's teams carry in its status flags, first team and reserve team
// apart: promoted/relegated bits 0/2 (reserve 1/3), cup winner/finalist bits 4/5 (reserve 6/7),
// each pair exclusive. A team id with the second-team bit names the reserve team.
enum class ESeasonMark { kCupWinner, kCupFinalist, kPromoted, kRelegated, kNoLeagueMark };

// The commands of the league composition's club menu. A cup winner or finalist is the country's
// only one: that mark is first cleared from every team of the country. "Nichts" of the league
// group clears promoted and relegated.
void ApplySeasonMark(CCountry& country, std::uint32_t team, ESeasonMark mark);

// The columns "Auf-/Abgestiegen" and "Pokalerfolg" of a team; empty without a mark.
std::string_view LeagueMarkText(const CClub& club, bool reserveTeam);
std::string_view CupMarkText(const CClub& club, bool reserveTeam);

}  // namespace kw
