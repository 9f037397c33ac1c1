#pragma once

#include <cstdint>

namespace kw {

class CClub;
class CWorld;

// The club whose person list holds the person (national teams, which list players of other
// clubs, are not counted); null for a person without club.
const CClub* ClubHoldingPerson(const CWorld& world, std::uint32_t personId);

}  // namespace kw
