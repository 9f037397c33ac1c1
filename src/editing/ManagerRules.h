#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kw {

// The manager pages: four abilities ("Motivation", "Trainingsgestaltung", "Torwarttraining",
// "Verhandlungsgeschick") 0..15, the national (0..6) and international (0..4) experience with
// their texts, four language slots.
inline constexpr int kManagerAbilityCount = 4;
inline constexpr int kMaxManagerAbility = 15;
inline constexpr int kMaxManagerNationalExperience = 6;
inline constexpr int kMaxManagerInternationalExperience = 4;

using ManagerLanguages = std::array<std::uint8_t, 4>;

// The ability's label (Windows-1252); empty outside 0..3.
std::string_view ManagerAbilityLabel(int index);
// A typed or stored ability held to 0..15.
std::uint8_t ClampManagerAbility(int value);
// "keine" ... "alles erlebt" for 0..6; a stored value outside shows as the nearest end.
std::string_view ManagerNationalExperienceText(int value);
// "keine" ... "Europapokale gewonnen" for 0..4; likewise held to the range.
std::string_view ManagerInternationalExperienceText(int value);
// The four chosen languages as the record keeps them: a language repeated in a later slot is
// dropped and the ones after it move up. Numbers outside the language list count as none.
ManagerLanguages LanguageSlotsToStore(const ManagerLanguages& chosen);

// The level and experience grades 0..4 of the other staff ("Level", "Erfahrung").
inline constexpr int kMaxStaffGrade = 4;
// "Normal" ... "Einer der Besten"; empty outside 0..4.
std::string_view StaffLevelText(int grade);
// "Neu" ... "Große Erfahrung"; empty outside 0..4.
std::string_view StaffExperienceText(int grade);
// A stored grade as the combo shows it: above 4 as 4.
int ShownStaffGrade(int stored);

}  // namespace kw
