#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CClub;
class CRandom;
struct SCountrySettings;

// Person kinds the squad check counts (players are kind 0).
namespace personkind {
inline constexpr int kPlayer = 0;
inline constexpr int kTrainer = 1;
inline constexpr int kManager = 2;
inline constexpr int kPresident = 3;
}  // namespace personkind

// The position's abbreviation as the squad list shows it ("TO" ... "ST"), "-" for none and
// unknown codes.
std::string PositionAbbreviation(int code);

// The faults of the club's squad that the squad dialog lists when it is closed, as string ids in
// the order they are checked: an incomplete name, fewer than 14 first-team players, more than one
// trainer, manager or president in the first team, a president in the second team.
std::vector<int> CheckSquad(const CClub& club);

// One row of a squad list.
struct SSquadRow {
    std::uint32_t personId = 0;
    std::string shortName;  // "Surname, F."
    std::string surname;    // the sort keys of "Name"
    std::string firstName;
    int mainPosition = 0;
    std::string nationality;  // the country's name in the list's language
    double strength = 0.0;    // at the main position
};

enum class ESquadOrder { kName, kPosition, kNationality, kStrength };

// The club's players of the first (team flag 0) or the second team, in the club's order.
std::vector<SSquadRow> SquadRows(const CClub& club, bool secondTeam, int language);
// "Name" by surname then first name, "Nat." by country name (both by CollateText), "Pos."
// ascending, "Stärke" descending. Stable, so equal keys keep the club's order.
void SortSquadRows(std::vector<SSquadRow>& rows, ESquadOrder order);
// "%s\t%s\t%s\t%d": short name, position, nationality, the strength cut to a whole number.
std::string SquadRowText(const SSquadRow& row);
// The players' average strength; 0 without players.
double AverageSquadStrength(const std::vector<SSquadRow>& rows);
// The row to select after a rebuild: the remembered person's, else the same index, else the
// last row; -1 for an empty list.
int RowToReselect(const std::vector<SSquadRow>& rows, std::uint32_t personId, int previousRow);

// "Neuer Spieler": the main position of the selected player (0 when none is selected), with
// "TO" in place of none and of codes from 18 on.
int NewPlayerMainPosition(int selectedMainPosition);
// The new player's face, hair colour, haircut and beard, each drawn among the values the
// country's look sets allow (value v when bit v modulo 32 is set); nothing when a set allows none.
struct SDrawnLook {
    int face = 0;
    int hairColour = 0;
    int haircut = 0;
    int beard = 0;
};
std::optional<SDrawnLook> DrawNewPlayerLook(const SCountrySettings& country, CRandom& random);
// Height and weight around the country's averages: at most 3 % and 6 % either way, cut to whole
// numbers. An average height outside 150..220 cm or weight outside 50..150 kg (a file without
// them holds 0) counts as 180 cm and 75 kg.
struct SBody {
    int height = 0;
    int weight = 0;
};
SBody DrawNewPlayerBody(int averageHeight, int averageWeight, CRandom& random);

}  // namespace kw
