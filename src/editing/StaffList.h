#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kw {

class CPlayer;
class CWorld;

// The row of the manager list: the short name, a tab and the role of the person's kind (the
// kinds' table is in StaffKinds.h).
std::string StaffRowText(const CPlayer& person);

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
