#include "editing/PersonClub.h"

#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

const CClub* ClubHoldingPerson(const CWorld& world, std::uint32_t personId) {
    if (!world.IsLoaded()) {
        return nullptr;
    }
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            const CClub& club = *entry.second;
            if (!club.IsNationalTeam() && club.HasPerson(personId)) {
                return &club;
            }
        }
    }
    return nullptr;
}

}  // namespace kw
