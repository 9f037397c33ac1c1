#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kw {

class CDatabaseDocument;
class CNameList;
class CRandom;
class CWorld;

// Bulk repairs of one country's clubs and stadiums. National teams are passed over. Each document
// function is one undoable edit over the country and records nothing when nothing changes.

// A stadium's name after renaming: a name starting with "!!" loses that mark; any other becomes
// the initials of its words ("S. a. P. ") followed by the city. A word starts at the beginning or
// after a blank, and only a first character from "A" up within 7-bit ASCII gives an initial (no
// digits, no umlauts); at most kMaxStadiumInitials of them. Cut to kStadiumNameLength characters.
inline constexpr std::size_t kMaxStadiumInitials = 9;
inline constexpr std::size_t kStadiumNameLength = 29;
std::string RenamedStadium(std::string_view name, std::string_view city);

// Every stadium of the country renamed; returns how many names changed.
int RenameStadiums(CWorld& world, int country);
int RenameStadiums(CDatabaseDocument& document, std::string description, int country);

// The names the staff renaming draws from.
struct SStaffNameLists {
    const CNameList& firstNames;
    const CNameList& surnames;
};

// Every club staff member (not a player) gets a first name and a surname drawn from the group of
// the main language of his nationality (group 0 when it has none). When no name can be drawn the
// old one stays. Returns how many staff members got another name.
int RenameStaff(CWorld& world, int country, const SStaffNameLists& names, CRandom& random);
// Draws from the database's own generator.
int RenameStaff(CDatabaseDocument& document, std::string description, int country,
                const SStaffNameLists& names);

// The five record results of every club emptied; returns how many clubs changed.
int ClearMatchRecords(CWorld& world, int country);
int ClearMatchRecords(CDatabaseDocument& document, std::string description, int country);

// The five first-league statistics of every club set to 0; returns how many clubs changed.
int ClearFirstLeagueStatistics(CWorld& world, int country);
int ClearFirstLeagueStatistics(CDatabaseDocument& document, std::string description, int country);

}  // namespace kw
