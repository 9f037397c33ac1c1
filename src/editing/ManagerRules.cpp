#include "editing/ManagerRules.h"

#include <algorithm>

#include "editing/LanguageList.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"

namespace kw {

namespace {

constexpr std::array<std::string_view, kManagerAbilityCount> kAbilityLabels = {
    "Motivation", "Trainingsgestaltung", "Torwarttraining", "Verhandlungsgeschick"};
constexpr std::array<std::string_view, kMaxStaffGrade + 1> kLevels = {"Normal", "Kompetent", "Gut",
                                                                      "Au\xDF"
                                                                      "ergew\xF6hnlich",
                                                                      "Einer der Besten"};
constexpr std::array<std::string_view, kMaxStaffGrade + 1> kExperiences = {
    "Neu", "Unerfahren", "Etabliert", "Viele Jahre Erfahrung",
    "Gro\xDF"
    "e Erfahrung"};

std::string_view GradeText(const std::array<std::string_view, kMaxStaffGrade + 1>& texts,
                           int grade) {
    return grade >= 0 && grade <= kMaxStaffGrade ? texts[static_cast<std::size_t>(grade)]
                                                 : std::string_view();
}

}  // namespace

std::string_view ManagerAbilityLabel(int index) {
    return index >= 0 && index < kManagerAbilityCount
               ? kAbilityLabels[static_cast<std::size_t>(index)]
               : std::string_view();
}

std::uint8_t ClampManagerAbility(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, kMaxManagerAbility));
}

std::string_view ManagerNationalExperienceText(int value) {
    return ResourceString(ids::kManagerNationalExperience +
                          std::clamp(value, 0, kMaxManagerNationalExperience));
}

std::string_view ManagerInternationalExperienceText(int value) {
    return ResourceString(ids::kManagerInternationalExperience +
                          std::clamp(value, 0, kMaxManagerInternationalExperience));
}

ManagerLanguages LanguageSlotsToStore(const ManagerLanguages& chosen) {
    ManagerLanguages slots = chosen;
    for (std::uint8_t& language : slots) {
        if (language >= kLanguageListCount) {
            language = 0;
        }
    }
    RemoveDuplicateSlots(slots);
    return slots;
}

std::string_view StaffLevelText(int grade) {
    return GradeText(kLevels, grade);
}

std::string_view StaffExperienceText(int grade) {
    return GradeText(kExperiences, grade);
}

int ShownStaffGrade(int stored) {
    return std::clamp(stored, 0, kMaxStaffGrade);
}

}  // namespace kw
