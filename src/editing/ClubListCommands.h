#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace kw {

class CClub;
class CCountry;
class CDatabaseDocument;

// The main window's club list commands, each one undoable edit of the country.

// The club list shows the national team and every club; "Neuer Verein" is offered while it has
// fewer than 511 rows.
inline constexpr int kMaxClubListRows = 511;
bool CanCreateClub(const CCountry& country);

// "Neuer Verein": a club named `name` in every language, carrying the mark of a club made in the
// editor (so that "Verein löschen" may remove it again). Returns its id, 0 when the country has no
// room.
std::uint32_t CreateClub(CDatabaseDocument& document, int country, std::string_view name);

// "Verein löschen" is only for clubs made in the editor; never for the national team.
bool CanDeleteClub(const CClub& club);
// Removes the club with its persons; false (nothing recorded) for a club it may not delete.
bool DeleteClub(CDatabaseDocument& document, int country, std::uint32_t club);

// "Spieler/Manager löschen": every person of the club leaves the database. False (nothing
// recorded) when the club has none.
bool RemoveClubPersons(CDatabaseDocument& document, int country, std::uint32_t club);

// "Verein überschreiben": the club read over from a club file (LoadClubFile); false (nothing
// recorded) when the club is not there or the file cannot be read.
bool OverwriteClub(CDatabaseDocument& document, int country, std::uint32_t club,
                   const std::filesystem::path& file);

}  // namespace kw
