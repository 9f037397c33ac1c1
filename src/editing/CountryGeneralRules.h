#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editing/EditChoice.h"
#include "model/Date.h"
#include "model/Rules.h"

namespace kw {

class CCountry;

// The general page of the country window: what it shows, how typed values are kept and which of
// them are written back.

// Typing limits of the text fields. The president's first name lives in 16 bytes, so of its 19
// typed characters 15 are kept; the surname's 19 fit its 20 bytes.
inline constexpr int kAssociationNameTyping = 9;
inline constexpr int kPresidentNameTyping = 19;

inline constexpr int kCountryLanguageRows = 4;
inline constexpr int kMaxLanguageShare = 100;
// The bars of the title counts and of the probability of moving abroad.
inline constexpr int kMaxTitleCount = 99;
inline constexpr int kMaxAbroadProbability = 100;
inline constexpr int kMaxAverageStrength = 100;
// Bits of the country's option flags the page shows.
inline constexpr std::uint8_t kGenerateNamesFlag = 0x02;     // "Namen generieren"
inline constexpr std::uint8_t kNoStandingPlacesFlag = 0x04;  // "Keine Stehplätze erlaubt"

// "Klima" (the position is the value) and "Wechsel 1./2. Mannschaft".
std::vector<SEditChoice> ClimateChoices();
std::vector<SEditChoice> ReserveSwitchChoices();
// "Europa" ... "Ozeanien" for the continents 0..5 of the continent byte.
std::string_view CountryContinentName(int continent);

// The rows "Sprache"/"Anteil" as the country stores them.
struct SLanguageRows {
    std::array<int, kCountryLanguageRows> languages{};
    std::array<int, kCountryLanguageRows> shares{};
    friend bool operator==(const SLanguageRows&, const SLanguageRows&) = default;
};
// Each language once: a row that repeats the language of an earlier row becomes an empty row
// (no language, share 0), so the first row of a language is the one that counts and no share is
// counted twice. Every other row keeps its place and its share as typed, held to 0..100.
SLanguageRows NormaliseLanguageRows(const SLanguageRows& rows);

// The notes as the multi-line field shows them ("\n" between lines) and as the country keeps
// them ("\r\n"); a lone "\r" is dropped.
std::string NotesForEditor(std::string_view stored);
std::string NotesFromEditor(std::string_view typed);

// The general page's values. Texts are Windows-1252.
struct SCountryGeneralValues {
    std::string associationName;
    std::string presidentSurname;
    std::string presidentFirstName;
    CDate presidentBirthDate;
    SLanguageRows languages;
    int climate = 0;
    // In the country's order: continental titles and finals, world championships and finals.
    std::array<int, 4> titles{};
    int abroadProbability = 0;
    int reserveSwitch = 0;
    bool noStandingPlaces = false;
    bool generateNames = false;
    int averageStrength = 0;
    std::string notes;  // "\r\n" between lines

    friend bool operator==(const SCountryGeneralValues&, const SCountryGeneralValues&) = default;
};

SCountryGeneralValues ReadGeneralValues(const CCountry& country);
// Writes each value that differs between `loaded` and `edited` (what the controls showed after
// loading and what they show now), so a stored value the controls cannot show stays until the
// user edits it. Texts are cut to their fields, numbers held to their ranges, the language rows
// normalised. True when anything in the country changed.
bool StoreChangedGeneralValues(CCountry& country, const SCountryGeneralValues& loaded,
                               const SCountryGeneralValues& edited);

}  // namespace kw
