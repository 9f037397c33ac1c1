#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kw {

class CClub;

// The staff roles of a club, person kinds 1 (trainer) to 18 (fan officer); kind 0 is a player.
inline constexpr int kFirstStaffKind = 1;
inline constexpr int kLastStaffKind = 18;
// A new staff member is made only while the club holds fewer persons than this.
inline constexpr std::size_t kPersonsForNewStaff = 70;

struct SStaffKind {
    int kind = 0;
    int rowTextId = 0;  // "%s\t<role>": the short name, a tab and the role
    // The context menu's command making one, German in UTF-8 (NewStaffCommandText shows it).
    std::string_view createCommand;
};

// Kinds 1 to 18 in kind order.
std::span<const SStaffKind> StaffKinds();
// The kind's entry; null for a player and unknown kinds.
const SStaffKind* FindStaffKind(int kind);
// The kind's creating command as shown ("Neuer Trainer" ..., Windows-1252); empty for unknown
// kinds.
std::string NewStaffCommandText(int kind);
// The manager list's row of a person: short name, tab, role; empty for unknown kinds.
std::string StaffRowText(std::string_view shortName, int kind);

// Managers and trainers carry the national and international experience.
bool HasManagerExperience(int kind);
// The other staff below the president carry a level and an experience grade.
bool HasStaffGrades(int kind);
// Whether the club may get a new staff member of the kind: no national team, a known kind, none of
// that kind yet (one person per kind) and fewer than `kPersonsForNewStaff` persons.
bool CanCreateStaffKind(const CClub& club, int kind);

}  // namespace kw
