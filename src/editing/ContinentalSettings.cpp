#include "editing/ContinentalSettings.h"

#include <array>

#include "document/DatabaseDocument.h"
#include "editing/PlayerContractRules.h"
#include "model/Country.h"
#include "model/Rules.h"
#include "model/World.h"
#include "storage/FixedText.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

constexpr std::array<SContinentalCompetition, 3> kEurope = {{
    {0, "Meisterrunde", true, true},
    {1, "Europapokal", true, true},
    {2, "Europapokal-Qualifikation", false, false},
}};
constexpr std::array<SContinentalCompetition, 1> kSouthAmerica = {{{0,
                                                                    "S\xFC"
                                                                    "damerika Pokal"}}};
constexpr std::array<SContinentalCompetition, 1> kNorthAmerica = {{{0, "Nordamerika Pokal"}}};
constexpr std::array<SContinentalCompetition, 1> kAfrica = {{{0, "Afrikapokal"}}};
constexpr std::array<SContinentalCompetition, 1> kAsia = {{{0, "Asienpokal"}}};
constexpr std::array<SContinentalCompetition, 1> kOceania = {{{0, "Ozeanienpokal"}}};

}  // namespace

std::span<const SContinentalCompetition> ContinentalCompetitions(int continent) {
    switch (continent) {
        case 0:
            return kEurope;
        case 1:
            return kSouthAmerica;
        case 2:
            return kNorthAmerica;
        case 3:
            return kAfrica;
        case 4:
            return kAsia;
        case 5:
            return kOceania;
        default:
            return {};
    }
}

std::string TitleHolderLabel(const SContinentalCompetition& row) {
    return "Titelverteidiger " + std::string(row.label);
}

std::string VenueLabel(const SContinentalCompetition& row) {
    return "Endspielort " + std::string(row.label);
}

std::string TitleHolderText(const CWorld& world, std::uint32_t club, int language) {
    return ShownClubName(world, club, language);
}

std::string VenueText(const CWorld& world, std::uint32_t venue, int language) {
    const int country = StadiumRefCountry(venue);
    const int number = StadiumRefNumber(venue);
    if (venue == 0 || country < 1 || country > kCountryCount) {
        return {};
    }
    const CCountry& owner = world.Country(country);
    if (number < 1 || number > static_cast<int>(owner.Stadiums().size())) {
        return {};
    }
    const bool named = language >= 0 && language < kLanguageCount && !owner.Name(language).empty();
    const std::string& countryName = named ? owner.Name(language) : owner.Name(0);
    return std::string(owner.Stadiums()[static_cast<std::size_t>(number - 1)].Name().View()) +
           " (" + countryName + ")";
}

int ContinentRankingCountry(const CWorld& world, int continent) {
    for (int country = 1; country <= kCountryCount; ++country) {
        if (world.Country(country).Continent() == continent) {
            return country;
        }
    }
    return kDefaultCountry;
}

bool StoreContinentalSettings(CDatabaseDocument& document, const CRules& edited) {
    SWorldScope scope;
    scope.rules = true;
    return document.Perform("Kontinentale Einstellungen", std::move(scope),
                            [&edited](CWorld& world) {
                                if (world.Rules() == edited) {
                                    return false;
                                }
                                world.Rules().CopyFrom(edited);
                                return true;
                            });
}

}  // namespace kw
