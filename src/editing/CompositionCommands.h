#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/SeasonMarks.h"

namespace kw {

class CDatabaseDocument;
class CWorld;

// What the lists of the league composition dialog show and what its drops, buttons and club menu
// do, each change one `Perform` of the document over the country (inside the dialog's group).
// A command that changes nothing records nothing.

// A club row of "Vereine der Liga" or "Vereine ohne Liga": the team and the tab-separated columns
// "Verein" (a reserve team under the club's second-team name), "Auf-/Abgestiegen" and
// "Pokalerfolg" in Windows-1252. `position` is the team's place in its league (-1 without one).
struct SCompositionRow {
    std::uint32_t team = 0;
    int position = -1;
    std::string text;
};

// A row of "Ligen": a league of the country by its name in the language asked for.
struct SLeagueRow {
    std::uint32_t leagueId = 0;
    std::string name;
};

std::vector<SLeagueRow> LeagueRows(const CWorld& world, int country, int language);
// The league's teams in league order, named in `language`; reserve teams left out when hidden.
std::vector<SCompositionRow> LeagueTeamRows(const CWorld& world, std::uint32_t leagueId,
                                            bool hideReserves, int language);
// "Vereine ohne Liga" in club order.
std::vector<SCompositionRow> RowsWithoutLeague(const CWorld& world, int country, bool hideReserves,
                                               int language);

// A team dropped on a league of "Ligen": it joins at the end (leaving another league of the
// country). Refused, as PlaceTeam refuses, when the league is full or holds it already.
bool AddTeamToLeague(CDatabaseDocument& document, std::uint32_t leagueId, std::uint32_t team);
// A team dropped at `position` of the league's list (the end when outside it): a team from
// elsewhere is inserted there, the later teams moving down; a team of this league moves there,
// so the list is reordered (the team ends where the row it was dropped on stood).
bool DropTeamInLeague(CDatabaseDocument& document, std::uint32_t leagueId, std::uint32_t team,
                      int position);
// A team dropped on "Vereine ohne Liga": it leaves its league.
bool DropTeamWithoutLeague(CDatabaseDocument& document, int country, std::uint32_t team);
// "Liga komplett löschen" and "Alle Ligen komplett löschen".
bool ClearLeague(CDatabaseDocument& document, std::uint32_t leagueId);
bool ClearAllLeagues(CDatabaseDocument& document, int country);
// The club menu's season marks on the team of `country`.
bool SetSeasonMark(CDatabaseDocument& document, int country, std::uint32_t team, ESeasonMark mark);

}  // namespace kw
