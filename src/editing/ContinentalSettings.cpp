#include "editing/ContinentalSettings.h"

#include <array>
#include <span>

#include "document/DatabaseDocument.h"
#include "editing/PlayerContractRules.h"
#include "model/Country.h"
#include "model/Rules.h"
#include "model/World.h"
#include "platform/ResourceTable.h"
#include "storage/FixedText.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// A competition row with its German label (UTF-8); ContinentalCompetitions shows it translated.
struct SCompetitionRow {
    int competition;
    const char* label;
    bool visible = true;
    bool hasVenue = false;
};

constexpr std::array<SCompetitionRow, 3> kEurope = {{
    {0, KW_RESOURCE_TEXT("kw::ContinentalSettings", "Meisterrunde"), true, true},
    {1, KW_RESOURCE_TEXT("kw::ContinentalSettings", "Europapokal"), true, true},
    {2, KW_RESOURCE_TEXT("kw::ContinentalSettings", "Europapokal-Qualifikation"), false, false},
}};
constexpr std::array<SCompetitionRow, 1> kSouthAmerica = {
    {{0, KW_RESOURCE_TEXT("kw::ContinentalSettings", "Südamerika Pokal")}}};
constexpr std::array<SCompetitionRow, 1> kNorthAmerica = {
    {{0, KW_RESOURCE_TEXT("kw::ContinentalSettings", "Nordamerika Pokal")}}};
constexpr std::array<SCompetitionRow, 1> kAfrica = {
    {{0, KW_RESOURCE_TEXT("kw::ContinentalSettings", "Afrikapokal")}}};
constexpr std::array<SCompetitionRow, 1> kAsia = {
    {{0, KW_RESOURCE_TEXT("kw::ContinentalSettings", "Asienpokal")}}};
constexpr std::array<SCompetitionRow, 1> kOceania = {
    {{0, KW_RESOURCE_TEXT("kw::ContinentalSettings", "Ozeanienpokal")}}};

std::span<const SCompetitionRow> CompetitionRows(int continent) {
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

}  // namespace

std::vector<SContinentalCompetition> ContinentalCompetitions(int continent) {
    std::vector<SContinentalCompetition> shown;
    for (const SCompetitionRow& row : CompetitionRows(continent)) {
        shown.push_back({row.competition, ShownText("kw::ContinentalSettings", row.label),
                         row.visible, row.hasVenue});
    }
    return shown;
}

std::string TitleHolderLabel(const SContinentalCompetition& row) {
    return FormatPrintf(ShownText("kw::ContinentalSettings", "Titelverteidiger %s").data(),
                        std::string(row.label).c_str());
}

std::string VenueLabel(const SContinentalCompetition& row) {
    return FormatPrintf(ShownText("kw::ContinentalSettings", "Endspielort %s").data(),
                        std::string(row.label).c_str());
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
    return document.Perform(std::string(ShownText("kw::Edit", "Kontinentale Einstellungen")),
                            std::move(scope), [&edited](CWorld& world) {
                                if (world.Rules() == edited) {
                                    return false;
                                }
                                world.Rules().CopyFrom(edited);
                                return true;
                            });
}

}  // namespace kw
