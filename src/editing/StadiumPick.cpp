#include "editing/StadiumPick.h"

#include "editing/ClubStadiumRules.h"
#include "model/Country.h"
#include "model/Rules.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

int StadiumCount(const CWorld& world, int country) {
    return static_cast<int>(world.Country(country).Stadiums().size());
}

}  // namespace

std::vector<SEditChoice> PickCountries(const CWorld& world, int language) {
    std::vector<SEditChoice> countries = CountryChoices(world, language);
    // The combos' leading " nicht vorhanden ": a venue always lies in a country.
    countries.erase(countries.begin());
    return countries;
}

std::vector<SEditChoice> PickStadiums(const CCountry& country) {
    std::vector<SEditChoice> stadiums = StadiumChoices(country);
    stadiums.erase(stadiums.begin());
    return stadiums;
}

SStadiumPick StartingPick(const CWorld& world, int country, int stadium) {
    SStadiumPick pick{IsRealCountry(country) ? country : kDefaultCountry, stadium};
    const int count = StadiumCount(world, pick.country);
    if (stadium < 1 || stadium > count) {
        pick.stadium = count > 0 ? 1 : 0;
    }
    return pick;
}

std::optional<std::uint32_t> PickedVenue(const CWorld& world, const SStadiumPick& pick) {
    if (!IsRealCountry(pick.country) || pick.stadium < 1 ||
        pick.stadium > StadiumCount(world, pick.country)) {
        return std::nullopt;
    }
    return MakeStadiumRef(pick.country, pick.stadium);
}

}  // namespace kw
