#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "editing/SquadChoices.h"

namespace kw {

class CClub;
class CPlayer;
class CWorld;

// The club staff's person kinds: 1 (trainer) to 18 (fan officer); 0 is a player.
inline constexpr int kFirstStaffKind = 1;
inline constexpr int kLastStaffKind = 18;
// Creating a person is offered while a club holds fewer persons than this (the record's limit of
// 256 is for moves).
inline constexpr int kStaffNewPersonLimit = 70;

// The string id of the kind's row text ("%s\tTrainer" ...); 0 outside 1..18.
int StaffRowStringId(int kind);
// The row of the manager list: the short name, a tab and the kind's role.
std::string StaffRowText(const CPlayer& person);
// The creating command of the kind: "Neuer Trainer" ... "Neuer Fanbeauftragter" (Windows-1252).
std::string NewStaffCommandText(int kind);
// The club holds a person of that kind (any team).
bool ClubHasStaffKind(const CClub& club, int kind);
// "Neuer ..." is enabled: a staff kind the club lacks, while it holds fewer than
// kStaffNewPersonLimit persons.
bool CanCreateStaff(const CClub& club, int kind);

// Two staff persons that look like one entered twice: the same surname and first name (compared
// byte by byte, as the duplicate finder compares players) and the same birth date.
struct SStaffDuplicate {
    std::uint32_t first = 0;
    std::uint32_t second = 0;

    friend bool operator==(const SStaffDuplicate&, const SStaffDuplicate&) = default;
};
// The pairs among the listed persons: sorted by surname then first name, neighbours of equal
// name and birth date are paired (three alike give two pairs). Ids the world lacks and players
// are skipped.
std::vector<SStaffDuplicate> FindStaffDuplicates(const CWorld& world,
                                                 const std::vector<std::uint32_t>& personIds);
// One line of the duplicate message: "Surname, First name (birth date): role / role".
std::string StaffDuplicateText(const CWorld& world, const SStaffDuplicate& pair);

}  // namespace kw
