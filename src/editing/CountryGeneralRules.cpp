#include "editing/CountryGeneralRules.h"

#include <algorithm>
#include <array>

#include "editing/AssignChanged.h"
#include "model/Country.h"
#include "platform/ResourceTable.h"

namespace kw {

namespace {

std::vector<SEditChoice> NumberedResourceChoices(int firstId, int count) {
    std::vector<SEditChoice> choices;
    for (int value = 0; value < count; ++value) {
        choices.push_back({std::string(ResourceString(firstId + value)), value});
    }
    return choices;
}

template <typename Field>
Field Held(int value, int maximum) {
    return static_cast<Field>(std::clamp(value, 0, maximum));
}

// Stores a text into a fixed field only when the user changed it.
template <typename Text>
bool StoreText(Text& field, const std::string& loaded, const std::string& edited) {
    return loaded != edited && AssignChanged(field, Text(edited));
}

template <typename Field>
bool StoreNumber(Field& field, int loaded, int edited, int maximum) {
    return loaded != edited && AssignChanged(field, Held<Field>(edited, maximum));
}

bool StoreFlag(std::uint8_t& flags, std::uint8_t flag, bool loaded, bool edited) {
    const auto value = static_cast<std::uint8_t>(edited ? flags | flag : flags & ~flag);
    return loaded != edited && AssignChanged(flags, value);
}

bool StoreLanguages(SCountrySettings& s, const SLanguageRows& loaded, const SLanguageRows& edited) {
    if (loaded == edited) {
        return false;
    }
    const SLanguageRows rows = NormaliseLanguageRows(edited);
    std::array<std::uint8_t, kCountryLanguageRows> languages{};
    std::array<std::uint8_t, kCountryLanguageRows> shares{};
    for (std::size_t row = 0; row < languages.size(); ++row) {
        languages[row] = static_cast<std::uint8_t>(rows.languages[row]);
        shares[row] = static_cast<std::uint8_t>(rows.shares[row]);
    }
    const bool changed = AssignChanged(s.languages, languages);
    return AssignChanged(s.languageShares, shares) || changed;
}

}  // namespace

std::vector<SEditChoice> ClimateChoices() {
    return NumberedResourceChoices(ids::kClimates, ids::kClimateCount);
}

std::vector<SEditChoice> ReserveSwitchChoices() {
    return NumberedResourceChoices(ids::kReserveSwitches, ids::kReserveSwitchCount);
}

std::string_view CountryContinentName(int continent) {
    static constexpr std::array<const char*, kContinentCount> kNames = {
        KW_RESOURCE_TEXT("kw::CountryGeneralRules", "Europa"),
        KW_RESOURCE_TEXT("kw::CountryGeneralRules", "Südamerika"),
        KW_RESOURCE_TEXT("kw::CountryGeneralRules", "Nord und Mittelamerika"),
        KW_RESOURCE_TEXT("kw::CountryGeneralRules", "Afrika"),
        KW_RESOURCE_TEXT("kw::CountryGeneralRules", "Asien"),
        KW_RESOURCE_TEXT("kw::CountryGeneralRules", "Ozeanien")};
    if (continent < 0 || continent >= kContinentCount) {
        return {};
    }
    return ShownText("kw::CountryGeneralRules", kNames[static_cast<std::size_t>(continent)]);
}

SLanguageRows NormaliseLanguageRows(const SLanguageRows& rows) {
    SLanguageRows normal;
    for (std::size_t row = 0; row < rows.languages.size(); ++row) {
        const int language = rows.languages[row];
        const auto earlier = rows.languages.begin() + static_cast<std::ptrdiff_t>(row);
        const bool repeated =
            language != 0 && std::find(rows.languages.begin(), earlier, language) != earlier;
        if (!repeated) {
            normal.languages[row] = language;
            normal.shares[row] = std::clamp(rows.shares[row], 0, kMaxLanguageShare);
        }
    }
    return normal;
}

std::string NotesForEditor(std::string_view stored) {
    std::string shown;
    for (const char c : stored) {
        if (c != '\r') {
            shown += c;
        }
    }
    return shown;
}

std::string NotesFromEditor(std::string_view typed) {
    std::string notes;
    for (const char c : typed) {
        if (c == '\n') {
            notes += "\r\n";
        } else if (c != '\r') {
            notes += c;
        }
    }
    return notes;
}

SCountryGeneralValues ReadGeneralValues(const CCountry& country) {
    const SCountrySettings& s = country.Settings();
    SCountryGeneralValues values;
    values.associationName = s.associationName.View();
    values.presidentSurname = s.president.surname.View();
    values.presidentFirstName = s.president.firstName.View();
    values.presidentBirthDate = s.presidentBirthDate;
    for (std::size_t row = 0; row < s.languages.size(); ++row) {
        values.languages.languages[row] = s.languages[row];
        values.languages.shares[row] = s.languageShares[row];
    }
    values.climate = s.climate;
    std::copy(s.titles.begin(), s.titles.end(), values.titles.begin());
    values.abroadProbability = s.abroadProbability;
    values.reserveSwitch = s.reserveSwitch;
    values.noStandingPlaces = (s.optionFlags & kNoStandingPlacesFlag) != 0;
    values.generateNames = (s.optionFlags & kGenerateNamesFlag) != 0;
    values.averageStrength = s.averageStrength;
    values.notes = s.notes;
    return values;
}

bool StoreChangedGeneralValues(CCountry& country, const SCountryGeneralValues& loaded,
                               const SCountryGeneralValues& edited) {
    SCountrySettings& s = country.Settings();
    bool changed = StoreText(s.associationName, loaded.associationName, edited.associationName);
    changed |= StoreText(s.president.surname, loaded.presidentSurname, edited.presidentSurname);
    changed |=
        StoreText(s.president.firstName, loaded.presidentFirstName, edited.presidentFirstName);
    if (loaded.presidentBirthDate != edited.presidentBirthDate) {
        changed |= AssignChanged(s.presidentBirthDate, edited.presidentBirthDate);
    }
    changed |= StoreLanguages(s, loaded.languages, edited.languages);
    changed |= StoreNumber(s.climate, loaded.climate, edited.climate, 255);
    for (std::size_t title = 0; title < s.titles.size(); ++title) {
        changed |= StoreNumber(s.titles[title], loaded.titles[title], edited.titles[title],
                               kMaxTitleCount);
    }
    changed |= StoreNumber(s.abroadProbability, loaded.abroadProbability, edited.abroadProbability,
                           kMaxAbroadProbability);
    changed |= StoreNumber(s.reserveSwitch, loaded.reserveSwitch, edited.reserveSwitch, 255);
    changed |= StoreFlag(s.optionFlags, kNoStandingPlacesFlag, loaded.noStandingPlaces,
                         edited.noStandingPlaces);
    changed |=
        StoreFlag(s.optionFlags, kGenerateNamesFlag, loaded.generateNames, edited.generateNames);
    changed |= StoreNumber(s.averageStrength, loaded.averageStrength, edited.averageStrength,
                           kMaxAverageStrength);
    if (loaded.notes != edited.notes) {
        changed |= AssignChanged(s.notes, edited.notes);
    }
    return changed;
}

}  // namespace kw
