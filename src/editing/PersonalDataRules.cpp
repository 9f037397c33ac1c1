#include "editing/PersonalDataRules.h"

#include "editing/DateFields.h"

#include <algorithm>

#include "editing/PlayerAbilities.h"
#include "model/Country.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"

namespace kw {

namespace {}  // namespace

int ClampDay(int day, int month, int year) {
    return std::clamp(day, 1, DaysInMonth(month, year));
}

std::uint8_t SecondNationalityToStore(std::uint8_t first, std::uint8_t second) {
    return second == first ? 0 : second;
}

LanguageSlots LanguagesForNationalities(const LanguageSlots& before, std::uint8_t firstMain,
                                        std::uint8_t secondMain) {
    // Up to two new languages first, then what the person spoke; the duplicates fall out below.
    std::array<std::uint8_t, 2 + kLanguageSlots> candidates{};
    candidates[0] = firstMain;
    candidates[1] = secondMain;
    std::copy(before.begin(), before.end(), candidates.begin() + 2);
    LanguageSlots result{};
    for (const std::uint8_t language : candidates) {
        const auto free = std::find(result.begin(), result.end(), std::uint8_t{0});
        if (free == result.end()) {
            break;
        }
        // A language already held falls out again here; gaps close up.
        *free = language;
        RemoveDuplicateSlots(result);
    }
    return result;
}

std::uint8_t MainLanguageOf(const CWorld& world, int country) {
    if (!world.IsLoaded() || country < 1 || country > kCountryCount) {
        return 0;
    }
    return world.Country(country).FirstAttribute();
}

void StoreNationalities(const CWorld& world, CPlayer& person, std::uint8_t first,
                        std::uint8_t second) {
    person.SetNationality(first);
    person.SetSecondNationality(SecondNationalityToStore(first, second));
    const std::uint8_t secondStored = person.SecondNationality();
    const LanguageSlots languages = LanguagesForNationalities(
        person.Languages(), MainLanguageOf(world, first),
        secondStored != 0 ? MainLanguageOf(world, secondStored) : std::uint8_t{0});
    for (std::size_t slot = 0; slot < languages.size(); ++slot) {
        person.SetLanguage(static_cast<int>(slot), languages[slot]);
    }
}

void StoreBirthDate(CPlayer& person, CDate birth, CDate today) {
    person.SetBirthDate(birth);
    if (person.IsPlayer()) {
        person.SetNationalExperience(
            static_cast<std::int8_t>(NationalExperienceForAge(AgeOn(birth, today))));
    }
}

std::uint8_t WithOriginBit(std::uint8_t origin, std::uint8_t bit, bool set) {
    return static_cast<std::uint8_t>(set ? origin | bit : origin & ~bit);
}

std::string_view TalentText(int talent) {
    return talent >= 0 && talent <= kMaxTalent ? ResourceString(ids::kTalentNames + talent)
                                               : std::string_view();
}

std::string_view TeammateEffectText(int effect) {
    return effect >= 0 && effect < kTeammateEffectCount
               ? ResourceString(ids::kTeammateEffects + effect)
               : std::string_view();
}

}  // namespace kw
