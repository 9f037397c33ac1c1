// The clubs of the demo world: every field of the club record with a plausible value.
#pragma once

#include <cstdint>

namespace kw {
class CClub;
class CCountry;
}  // namespace kw

namespace kw::demo {

class CDemoRandom;
struct SClubName;

// How good and how big a club is: its league level (0 top) and the base ability of its players
// (about 30 to 85).
struct SClubProfile {
    int level = 0;
    int strength = 50;
};

// Names, contact data, finances, colours and kits, a stadium of its own (added to the
// country's list), surroundings, location and history. Persons come later.
void FillClub(CCountry& country, CClub& club, const SClubName& name, const SClubProfile& profile,
              CDemoRandom& random);
// Fan friendships and arch rivals among the country's clubs, once all of them exist.
void LinkClubs(CCountry& country, CDemoRandom& random);
// The national team: the biggest stadium of the country, colours and kits.
void FillNationalTeam(CCountry& country, CDemoRandom& random);

}  // namespace kw::demo
