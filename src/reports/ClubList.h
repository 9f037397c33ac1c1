#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw {

class CCountry;

// One row of the main window's club list.
struct SClubListEntry {
    std::uint32_t clubId = 0;
    bool nationalTeam = false;
    // Windows-1252, in the language the list was made for.
    std::string name;
    // The first league, by league index 0 upward, whose teams hold the club; 0 for none.
    std::uint32_t leagueId = 0;
    std::string leagueName;
    double strength = 0.0;
};

enum class EClubListOrder { kName = 0, kLeague = 1, kStrength = 2 };

// Every club of the country with its league and strength, in the country's order.
std::vector<SClubListEntry> ClubListEntries(const CCountry& country, int language);

// The national team first in every order. By name: CollateText. By league: clubs with a league
// by ascending league id, then clubs without; within one league the stronger first. By strength:
// the stronger first. Strengths are compared as shown, to two decimals (a tolerance would not be
// a strict ordering), and ties go by name; the sort is stable.
void SortClubList(std::vector<SClubListEntry>& entries, EClubListOrder order);

// The row the list selects when it is filled anew, so that an edit never moves the selection to
// another club: the first club that `listedBefore` lacks (a new club, or one an undo brought
// back), else the club selected before, else the row selected before, which after a deletion
// holds its neighbour (the last row when it was the last). `listedBefore` holds the clubs the
// list showed of the same country, none when it showed another. -1 for an empty list.
int ClubListRowToSelect(const std::vector<SClubListEntry>& entries,
                        std::vector<std::uint32_t> listedBefore, std::uint32_t selectedBefore,
                        int rowBefore);

// The row's tab-separated text: "<name>\t<league or ->\t<strength %2.2f>", the national team
// "<name>\t\t".
std::string ClubListRowText(const SClubListEntry& entry);

}  // namespace kw
