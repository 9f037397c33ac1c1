#pragma once

#include <cstdint>

#include "model/WorldPart.h"

namespace kw {

class CCountry;

// The parts of the target's database that target.CopyFrom(source, flags) may change, taken
// before the copy runs: the target country; with countrycopy::kClubs also every further country
// whose clubs, persons, player pool or competitions name a club the copy removes (the source
// among them when it is of the same database), the players without club when one of them names
// such a club, and the rules when a title holder is such a club; with countrycopy::kStadiums the
// rules when a final venue names a stadium of the target that the new list lacks.
SWorldScope CountryCopyScope(const CCountry& target, const CCountry& source, std::uint32_t flags);

}  // namespace kw
