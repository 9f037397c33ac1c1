#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw {

class CDatabaseDocument;
class CWorld;

// "Spieler ohne Verein": the rows of the list and its two commands, each one edit of the document.

// One row: the person's short name, the nationality's name, the main position's abbreviation and
// the strength at it (Windows-1252 texts).
struct SWithoutClubRow {
    std::uint32_t personId = 0;
    std::string name;
    std::string nationality;
    std::string position;
    double strength = 0.0;
};

// The players without club in list order, names in `language`.
std::vector<SWithoutClubRow> WithoutClubRows(const CWorld& world, int language);
// The strength as the list shows it, one decimal.
std::string WithoutClubStrengthText(double strength);

// The row to select after a command changed the list from `before` to `after` (person ids in list
// order): the row at `previousRow`, moved up by the rows removed above it and kept inside the
// list; -1 for an empty list.
int WithoutClubRowAfterCommand(const std::vector<std::uint32_t>& before,
                               const std::vector<std::uint32_t>& after, int previousRow);

// "&Wechsel zu Verein": each of the persons that the club `clubId` has room for leaves the list
// and joins the club, in the team bit 24 of the id names (0 first, 1 second team). Room is checked
// before each one is added, so a full club leaves the person on the list. Persons no longer on the
// list and national teams are passed over. Returns the ids that moved (nothing recorded when none).
std::vector<std::uint32_t> MoveWithoutClubPlayersToClub(CDatabaseDocument& document,
                                                        const std::vector<std::uint32_t>& personIds,
                                                        std::uint32_t clubId);
// "&Löschen": each person still on the list leaves it and the world. Returns how many did.
int DeleteWithoutClubPlayers(CDatabaseDocument& document,
                             const std::vector<std::uint32_t>& personIds);

}  // namespace kw
