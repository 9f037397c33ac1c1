// References of a database that name no club, person or stadium it has.
#pragma once

#include <vector>

#include "tools/ValidationFinding.h"

namespace kw {

class CWorld;

// The references of one country (its clubs with their persons, the cup final, the player pool,
// its competitions' team lists) as errors of kind `kReference`, each pointing at the window that
// holds the reference; clubs named in `language`.
void FindCountryReferenceFaults(const CWorld& world, int country, int language,
                                std::vector<SFinding>& findings);
// The references outside the countries: the players without club and the rules' title holders
// and final venues (country 0).
void FindWorldReferenceFaults(const CWorld& world, std::vector<SFinding>& findings);

}  // namespace kw
