// The persons of the demo world: squads, club staff, players without club.
#pragma once

#include <cstdint>
#include <vector>

namespace kw {
class CClub;
class CPlayer;
class CWorld;
}  // namespace kw

namespace kw::demo {

class CDemoRandom;

// What one player is made of.
struct SPlayerProfile {
    int nationality = 0;
    int position = 0;
    int age = 25;
    // Base ability around which his abilities lie (about 30 to 85).
    int strength = 50;
    // His club, or 0 for a player without club.
    std::uint32_t club = 0;
    // Clubs of his country he may have played for before (his career stations).
    const std::vector<std::uint32_t>* formerClubs = nullptr;
};

// Every field of a player (person kind 0) from his profile.
void FillPlayer(CPlayer& player, const SPlayerProfile& profile, CDemoRandom& random);

// A squad of `size` players (goalkeepers, defenders, midfielders, forwards) around the club's
// strength, young reserves in the second team of a big squad, mostly of the club's country.
void FillSquad(CWorld& world, CClub& club, int size, int strength,
               const std::vector<std::uint32_t>& countryClubs, CDemoRandom& random);
// The club's staff: trainer, manager and president always, the other roles the more often the
// higher the club plays.
void FillStaff(CWorld& world, CClub& club, int level, CDemoRandom& random);

}  // namespace kw::demo
