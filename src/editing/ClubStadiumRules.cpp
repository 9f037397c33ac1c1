#include "editing/ClubStadiumRules.h"

#include <algorithm>

#include "forms/SpinEditValue.h"
#include "model/Club.h"
#include "model/ClubNames.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {

std::uint8_t WithStadiumFlag(std::uint8_t flags, std::uint8_t bit, bool set) {
    return static_cast<std::uint8_t>(set ? flags | bit : flags & ~bit);
}

std::int32_t StadiumCapacityFromText(std::string_view text) {
    return std::clamp(ParseSpinText(text), 0, CClub::kMaxStadiumCapacity);
}

std::vector<SEditChoice> StadiumTypeChoices() {
    return {{std::string(ShownText("kw::ClubStadiumRules", "Oval")), 0},
            {std::string(ShownText("kw::ClubStadiumRules", "Runde Ecken")), 1},
            {std::string(ShownText("kw::ClubStadiumRules", "Fußballstadion")), 2}};
}

std::vector<SEditChoice> StadiumChoices(const CCountry& country) {
    std::vector<SEditChoice> choices{{std::string(ResourceString(ids::kNotAvailable)), 0}};
    int number = 0;
    for (const CStadium& stadium : country.Stadiums()) {
        choices.push_back({std::string(stadium.Name().View()), ++number});
    }
    return choices;
}

std::vector<SEditChoice> SurroundingChoices(int area) {
    std::vector<SEditChoice> choices;
    for (int level = 0; level <= kMaxSurroundingLevel; ++level) {
        choices.push_back({std::string(SurroundingLevelShownName(area, level)), level});
    }
    return choices;
}

std::vector<SEditChoice> CountryChoices(const CWorld& world, int language) {
    std::vector<SEditChoice> countries;
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world.Country(number);
        const bool named =
            language >= 0 && language < kLanguageCount && !country.Name(language).empty();
        countries.push_back({named ? country.Name(language) : country.Name(0), number});
    }
    std::stable_sort(
        countries.begin(), countries.end(),
        [](const SEditChoice& a, const SEditChoice& b) { return CollateText(a.text, b.text) < 0; });
    countries.insert(countries.begin(), {std::string(ResourceString(ids::kNotAvailable)), 0});
    return countries;
}

std::int32_t CoordinateFromTexts(bool negative, std::string_view degrees, std::string_view minutes,
                                 int limit) {
    return MakeCoordinate(negative, std::clamp(ParseSpinText(degrees), 0, limit),
                          std::clamp(ParseSpinText(minutes), 0, kMaxCoordinateMinutes));
}

}  // namespace kw
