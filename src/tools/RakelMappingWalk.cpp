#include "tools/RakelMappingWalk.h"

#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw {

SWorldScope MappedCountries() {
    std::vector<int> countries;
    for (int number = 1; number <= kCountryCount; ++number) {
        countries.push_back(number);
    }
    return SWorldScope::Countries(std::move(countries));
}

void ForEachMappedClub(CWorld& world, const std::function<void(CClub&)>& visit) {
    // Country 0 means none; every real country, the last one included, is walked.
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam()) {
                visit(*entry.second);
            }
        }
    }
}

void ForEachMappedPlayer(CWorld& world, const std::function<void(CPlayer&)>& visit) {
    ForEachMappedClub(world, [&world, &visit](CClub& club) {
        for (const std::uint32_t id : club.PersonIds()) {
            CPlayer* person = world.Person(id);
            if (person != nullptr && person->IsPlayer()) {
                visit(*person);
            }
        }
    });
}

}  // namespace kw
