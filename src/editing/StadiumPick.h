#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "editing/EditChoice.h"

namespace kw {

class CCountry;
class CWorld;

// "Stadion auswählen": a country, then one of its stadiums; the choice is a stadium reference as
// the rules record keeps final venues (country in bits 16..23, stadium number from 1).

// "Land": the countries 1..206 by their name in the language (German when that is empty), in the
// name order of the lists.
std::vector<SEditChoice> PickCountries(const CWorld& world, int language);

// "Stadion": the country's stadium list in its order by name, valued by the number clubs and
// venues name a stadium by (its position from 1).
std::vector<SEditChoice> PickStadiums(const CCountry& country);

// What the picker shows first for a venue given as country and stadium number: a country outside
// 1..206 becomes the default country; a number the country's list does not reach becomes its
// first stadium, or 0 when it has none.
struct SStadiumPick {
    int country = 0;
    int stadium = 0;

    friend bool operator==(const SStadiumPick&, const SStadiumPick&) = default;
};
SStadiumPick StartingPick(const CWorld& world, int country, int stadium);

// The reference of the chosen stadium; nothing unless the country is real and has that stadium.
std::optional<std::uint32_t> PickedVenue(const CWorld& world, const SStadiumPick& pick);

}  // namespace kw
