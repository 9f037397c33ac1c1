#include "editing/ManagerRules.h"

#include <algorithm>

#include "editing/LanguageList.h"
#include "platform/ResourceTable.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"

namespace kw {

namespace {

constexpr std::array<const char*, kManagerAbilityCount> kAbilityLabels = {
    KW_RESOURCE_TEXT("kw::ManagerRules", "Motivation"),
    KW_RESOURCE_TEXT("kw::ManagerRules", "Trainingsgestaltung"),
    KW_RESOURCE_TEXT("kw::ManagerRules", "Torwarttraining"),
    KW_RESOURCE_TEXT("kw::ManagerRules", "Verhandlungsgeschick")};
constexpr std::array<const char*, kMaxStaffGrade + 1> kLevels = {
    KW_RESOURCE_TEXT("kw::ManagerRules", "Normal"),
    KW_RESOURCE_TEXT("kw::ManagerRules", "Kompetent"), KW_RESOURCE_TEXT("kw::ManagerRules", "Gut"),
    KW_RESOURCE_TEXT("kw::ManagerRules", "Außergewöhnlich"),
    KW_RESOURCE_TEXT("kw::ManagerRules", "Einer der Besten")};
constexpr std::array<const char*, kMaxStaffGrade + 1> kExperiences = {
    KW_RESOURCE_TEXT("kw::ManagerRules", "Neu"), KW_RESOURCE_TEXT("kw::ManagerRules", "Unerfahren"),
    KW_RESOURCE_TEXT("kw::ManagerRules", "Etabliert"),
    KW_RESOURCE_TEXT("kw::ManagerRules", "Viele Jahre Erfahrung"),
    KW_RESOURCE_TEXT("kw::ManagerRules", "Große Erfahrung")};

std::string_view GradeText(const std::array<const char*, kMaxStaffGrade + 1>& texts, int grade) {
    return grade >= 0 && grade <= kMaxStaffGrade
               ? ShownText("kw::ManagerRules", texts[static_cast<std::size_t>(grade)])
               : std::string_view();
}

}  // namespace

std::string_view ManagerAbilityLabel(int index) {
    return index >= 0 && index < kManagerAbilityCount
               ? ShownText("kw::ManagerRules", kAbilityLabels[static_cast<std::size_t>(index)])
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
