#pragma once

#include <string>
#include <vector>

namespace kw {
class CWorld;
}

namespace kw::test {

// Every reference of the database that names nothing it has, one line each: club references of
// clubs, persons, player pools, competition team lists and the rules' title holders; stadium
// numbers of clubs, cup finals and final venues; competition links; persons and managers that
// are registered without an owner or owned twice, and owners whose person or manager is missing.
// Empty for a sound database.
std::vector<std::string> ReferenceFaults(const CWorld& world);

}  // namespace kw::test
