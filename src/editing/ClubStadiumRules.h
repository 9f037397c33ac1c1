#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "editing/EditChoice.h"

namespace kw {

class CCountry;
class CWorld;

// What the club editor's page "Stadion/Umgebung" offers and how its fields map to the club record.

// The two option bits of the club's stadium flags that the page edits: bit 0 is the check box
// "grosse Haupttribüne", bit 1 the hidden "Nationalteamstadium". Other bits (bit 7 marks a club
// made in the editor) are never touched by the page.
inline constexpr std::uint8_t kBigMainStandFlag = 0x01;
inline constexpr std::uint8_t kNationalStadiumFlag = 0x02;
std::uint8_t WithStadiumFlag(std::uint8_t flags, std::uint8_t bit, bool set);

// "Stadionkapazität" as typed (at most 7 digits): read as a decimal number and held within the
// record's 0..150000; text that is no number gives 0.
inline constexpr int kCapacityDigits = 7;
std::int32_t StadiumCapacityFromText(std::string_view text);

// 0 "Oval", 1 "Runde Ecken", 2 "Fußballstadion".
std::vector<SEditChoice> StadiumTypeChoices();

// "Spielort": " nicht vorhanden " (0), then the stadiums of the club's country's stadium list by
// name, numbered from 1 as the club's stadium number counts them.
std::vector<SEditChoice> StadiumChoices(const CCountry& country);

// Levels 0..5 of a surrounding area (0 "Vereinszentrum" ... 6 "Forschung") by their names.
std::vector<SEditChoice> SurroundingChoices(int area);

// Countries for the youth and preferred-transfer combos: " nicht vorhanden " (0) first, then the
// countries 1..206 by their name in the language, in the name order of the lists (accents
// folded); a country without a name in that language shows its German one.
std::vector<SEditChoice> CountryChoices(const CWorld& world, int language);

// A latitude or longitude part as typed: decimal, held within 0..limit degrees and 0..59
// minutes; text that is no number gives 0.
inline constexpr int kMaxLatitudeDegrees = 90;
inline constexpr int kMaxLongitudeDegrees = 180;
inline constexpr int kMaxCoordinateMinutes = 59;
std::int32_t CoordinateFromTexts(bool negative, std::string_view degrees, std::string_view minutes,
                                 int limit);

}  // namespace kw
