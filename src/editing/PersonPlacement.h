#pragma once

#include <string>
#include <vector>

namespace kw {

class CWorld;

// Where the persons of a world stand: every person of the person table in exactly one club's list
// or on the list of players without club, and every id of those lists naming a person of the
// table. One line per fault (empty when the world is sound), for the tests of every command that
// moves persons.
std::vector<std::string> PersonPlacementFaults(const CWorld& world);

}  // namespace kw
