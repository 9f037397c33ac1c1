#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/Date.h"
#include "model/Player.h"

namespace kw {

class CWorld;

// What the personal-data page of the person editor computes; the page only shows and collects.

// --- birth date: day, month and year fields.
inline constexpr int kBirthYearMinimum = 1900;

// The day kept within 1 and the month's length, as the day field is when month or year change.
int ClampDay(int day, int month, int year);

// --- nationalities and languages.
// The second nationality as stored: the same country as the first means none.
std::uint8_t SecondNationalityToStore(std::uint8_t first, std::uint8_t second);
// The languages after a change of nationality: the main language of the first nationality's
// country, then that of the second's when it has one and it differs, then the languages the
// person spoke before, in their order; repeated languages and gaps removed. 0 means none.
using LanguageSlots = std::array<std::uint8_t, kLanguageSlots>;
LanguageSlots LanguagesForNationalities(const LanguageSlots& before, std::uint8_t firstMain,
                                        std::uint8_t secondMain);
// The main language of a country (its first attribute), 0 for no or an unknown country.
std::uint8_t MainLanguageOf(const CWorld& world, int country);
// Nationalities chosen for the person: the first as chosen, the second as it may be stored, the
// languages following both.
void StoreNationalities(const CWorld& world, CPlayer& person, std::uint8_t first,
                        std::uint8_t second);
// A birth date chosen for the person; a player's national experience follows his age on `today`.
void StoreBirthDate(CPlayer& person, CDate birth, CDate today);

// --- flags of the origin byte (bit 2 marks staff and is not a page flag) and the youth flag.
inline constexpr std::uint8_t kHomeGrownBit = 0x01;  // "Fußballinländer"
inline constexpr std::uint8_t kBasqueBit = 0x02;     // "Baske"
// The byte with `bit` set or cleared, every other bit kept.
std::uint8_t WithOriginBit(std::uint8_t origin, std::uint8_t bit, bool set);

// --- the player panel.
// Talent 0 "Normal" ... 4 "Gigantisch" (the talent itself lives in the foot and form byte).
std::string_view TalentText(int talent);
// The player's effect on his team-mates, 0 "-" ... 9; the record has no field for it.
inline constexpr int kTeammateEffectCount = 10;
std::string_view TeammateEffectText(int effect);
// The potential field's range; the record has no field for it either.
inline constexpr int kMinPotential = 1;
inline constexpr int kMaxPotential = 100;

}  // namespace kw
