#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw {

class CDBCompetition;
class CWorld;

// "Ligazusammensetzung": which of a country's teams play in which of its leagues. Teams are club
// ids; the second-team bit names a club's reserve team, a team of its own.

// The country's leagues (0..19) that exist, in index order.
std::vector<const CDBCompetition*> CountryLeagues(const CWorld& world, int country);
// A league's name in `language` (German when that is empty).
std::string LeagueName(const CDBCompetition& league, int language);

// "Vereine ohne Liga": the country's teams (both teams of every club but the national team) that
// play in none of its leagues, in club order; reserve teams left out when hidden.
std::vector<std::uint32_t> TeamsWithoutLeague(const CWorld& world, int country, bool hideReserves);

// Whether the team may be put into the league: refused when the league is full, holds the team
// already, or the team's index (low 16 bits) is 0.
bool CanPlaceTeam(const CWorld& world, std::uint32_t leagueId, std::uint32_t team);
// Puts the team into the league at `position` (at the end when outside the list), the later
// teams moving down; a team of another league of the country leaves that one, so a team plays in
// one league only. False, changing nothing, when the league refuses it.
bool PlaceTeam(CWorld& world, std::uint32_t leagueId, std::uint32_t team, int position);
// Dropped on "Vereine ohne Liga": the team leaves every league of the country. False when it was
// in none.
bool RemoveTeamFromLeagues(CWorld& world, int country, std::uint32_t team);
// "Liga komplett löschen" and "Alle Ligen komplett löschen": no team is left in the league(s).
void ClearLeagueTeams(CWorld& world, std::uint32_t leagueId);
void ClearAllLeagueTeams(CWorld& world, int country);

// The check at OK: every league checked with the country's league-level limit; for too few
// teams and for reserve teams where none may play a message naming the league in `language`.
struct SCompositionFaults {
    std::vector<std::string> messages;  // Windows-1252
    // More than one message: the list is headed "Die folgenden Fehler sind aufgetreten!".
    bool headed = false;
};
SCompositionFaults CheckComposition(const CWorld& world, int country, int language);

}  // namespace kw
