#include "editing/ManagerRecord.h"

#include <algorithm>
#include <type_traits>

#include "document/DatabaseDocument.h"
#include "model/Country.h"
#include "model/Manager.h"
#include "model/Player.h"
#include "model/StaffEntry.h"
#include "model/World.h"
#include "model/WorldPart.h"

namespace kw {

namespace {

constexpr int kLevelByte = 0;       // staff byte 1
constexpr int kExperienceByte = 1;  // staff byte 2

template <typename FixedText>
constexpr std::size_t FieldLimit(const FixedText&) {
    return std::remove_cvref_t<FixedText>::kCapacity - 1;
}

std::uint8_t StoredGrade(int grade) {
    return static_cast<std::uint8_t>(std::clamp(grade, 0, kMaxStaffGrade));
}

// The manager of `ref` in a const or a mutable world; null when there is none.
template <typename World>
auto* FindManager(World& world, const SManagerRef& ref) {
    using Manager = std::conditional_t<std::is_const_v<World>, const CManager, CManager>;
    if (ref.country < 1 || ref.country > kCountryCount) {
        return static_cast<Manager*>(nullptr);
    }
    auto& country = world.Country(ref.country);
    if (!ref.managerId) {
        return static_cast<Manager*>(&country.Settings().nationalCoach);
    }
    const auto& managers = country.ManagerIds();
    if (std::find(managers.begin(), managers.end(), *ref.managerId) == managers.end()) {
        return static_cast<Manager*>(nullptr);
    }
    return static_cast<Manager*>(world.Manager(*ref.managerId));
}

}  // namespace

// --- club staff.

bool CClubStaffManager::Keeps(EManagerValue value) const {
    return value == EManagerValue::kLanguages;
}

std::string CClubStaffManager::FirstName() const {
    return std::string(m_person.FirstName().View());
}

std::string CClubStaffManager::Surname() const {
    return std::string(m_person.Surname().View());
}

std::size_t CClubStaffManager::FirstNameLimit() const {
    return FieldLimit(m_person.FirstName());
}

std::size_t CClubStaffManager::SurnameLimit() const {
    return FieldLimit(m_person.Surname());
}

void CClubStaffManager::SetNames(std::string_view firstName, std::string_view surname) {
    m_person.SetFirstName(firstName);
    m_person.SetSurname(surname);
}

std::uint8_t CClubStaffManager::Ability(int index) const {
    return m_person.Ability(index);
}

void CClubStaffManager::SetAbility(int index, std::uint8_t value) {
    if (index >= 0 && index < kManagerAbilityCount) {
        m_person.SetAbility(index, ClampManagerAbility(value));
    }
}

ManagerLanguages CClubStaffManager::Languages() const {
    return m_person.Languages();
}

void CClubStaffManager::SetLanguages(const ManagerLanguages& languages) {
    const ManagerLanguages stored = LanguageSlotsToStore(languages);
    for (std::size_t slot = 0; slot < stored.size(); ++slot) {
        m_person.SetLanguage(static_cast<int>(slot), stored[slot]);
    }
}

int CClubStaffManager::NationalExperience() const {
    return m_person.NationalExperience();
}

int CClubStaffManager::InternationalExperience() const {
    return m_person.InternationalExperience();
}

void CClubStaffManager::SetExperience(int national, int international) {
    m_person.SetNationalExperience(
        static_cast<std::int8_t>(std::clamp(national, 0, kMaxManagerNationalExperience)));
    m_person.SetInternationalExperience(
        static_cast<std::int8_t>(std::clamp(international, 0, kMaxManagerInternationalExperience)));
}

// --- MANAGER records.

bool CManagerRecordAdapter::Keeps(EManagerValue) const {
    return true;
}

std::string CManagerRecordAdapter::FirstName() const {
    return std::string(m_manager.FirstName().View());
}

std::string CManagerRecordAdapter::Surname() const {
    return std::string(m_manager.Surname().View());
}

std::size_t CManagerRecordAdapter::FirstNameLimit() const {
    return FieldLimit(m_manager.FirstName());
}

std::size_t CManagerRecordAdapter::SurnameLimit() const {
    return FieldLimit(m_manager.Surname());
}

void CManagerRecordAdapter::SetNames(std::string_view firstName, std::string_view surname) {
    m_manager.SetFirstName(firstName);
    m_manager.SetSurname(surname);
}

std::uint8_t CManagerRecordAdapter::Ability(int index) const {
    return index >= 0 && index < kManagerAbilityCount
               ? m_manager.TrainingValues()[static_cast<std::size_t>(index)]
               : std::uint8_t{0};
}

void CManagerRecordAdapter::SetAbility(int index, std::uint8_t value) {
    if (index >= 0 && index < kManagerAbilityCount) {
        m_manager.SetTrainingValue(index, ClampManagerAbility(value));
    }
}

ManagerLanguages CManagerRecordAdapter::Languages() const {
    return m_manager.Languages();
}

void CManagerRecordAdapter::SetLanguages(const ManagerLanguages& languages) {
    const ManagerLanguages stored = LanguageSlotsToStore(languages);
    for (std::size_t slot = 0; slot < stored.size(); ++slot) {
        m_manager.SetLanguage(static_cast<int>(slot), stored[slot]);
    }
}

int CManagerRecordAdapter::NationalExperience() const {
    return m_manager.NationalExperience();
}

int CManagerRecordAdapter::InternationalExperience() const {
    return m_manager.InternationalExperience();
}

void CManagerRecordAdapter::SetExperience(int national, int international) {
    m_manager.SetNationalExperience(
        static_cast<std::uint8_t>(std::clamp(national, 0, kMaxManagerNationalExperience)));
    m_manager.SetInternationalExperience(static_cast<std::uint8_t>(
        std::clamp(international, 0, kMaxManagerInternationalExperience)));
}

// --- staff grades.

int CClubStaffGrades::Level() const {
    return m_person.StaffBytes()[kLevelByte];
}

int CClubStaffGrades::Experience() const {
    return m_person.StaffBytes()[kExperienceByte];
}

void CClubStaffGrades::SetLevel(int grade) {
    m_person.SetStaffByte(kLevelByte, StoredGrade(grade));
}

void CClubStaffGrades::SetExperience(int grade) {
    m_person.SetStaffByte(kExperienceByte, StoredGrade(grade));
}

int CCountryStaffGrades::Level() const {
    return m_entry.GradeA();
}

int CCountryStaffGrades::Experience() const {
    return m_entry.GradeB();
}

void CCountryStaffGrades::SetLevel(int grade) {
    m_entry.SetGradeA(StoredGrade(grade));
}

void CCountryStaffGrades::SetExperience(int grade) {
    m_entry.SetGradeB(StoredGrade(grade));
}

// --- edits.

bool EditManagerRecord(CDatabaseDocument& document, const SManagerRef& ref,
                       const std::function<void(CManager&)>& write) {
    if (FindManager(document.World(), ref) == nullptr) {
        return false;
    }
    return document.Perform("Manager bearbeiten", SWorldScope::Countries({ref.country}),
                            [&ref, &write](CWorld& world) {
                                CManager* manager = FindManager(world, ref);
                                const CManager before = *manager;
                                write(*manager);
                                return !(*manager == before);
                            });
}

bool EditManager(CDatabaseDocument& document, const SManagerRef& ref,
                 const std::function<void(IManagerRecord&)>& write) {
    return EditManagerRecord(document, ref, [&write](CManager& manager) {
        CManagerRecordAdapter record(manager);
        write(record);
    });
}

}  // namespace kw
