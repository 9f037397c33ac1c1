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
#include "platform/StringTable.h"

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

// --- managers. What the two records do differently: club staff keep the abilities in the
// person's ability array and only the languages in their file; MANAGER records keep everything,
// the abilities as their training values.

bool KeepsValue(const CPlayer&, EManagerValue value) {
    return value == EManagerValue::kLanguages;
}

bool KeepsValue(const CManager&, EManagerValue) {
    return true;
}

std::uint8_t AbilityOf(const CPlayer& person, int index) {
    return person.Ability(index);
}

std::uint8_t AbilityOf(const CManager& manager, int index) {
    return index >= 0 && index < kManagerAbilityCount
               ? manager.TrainingValues()[static_cast<std::size_t>(index)]
               : std::uint8_t{0};
}

void StoreAbility(CPlayer& person, int index, std::uint8_t value) {
    person.SetAbility(index, value);
}

void StoreAbility(CManager& manager, int index, std::uint8_t value) {
    manager.SetTrainingValue(index, value);
}

}  // namespace

template <typename Record>
bool CManagerAdapter<Record>::Keeps(EManagerValue value) const {
    return KeepsValue(m_record, value);
}

template <typename Record>
std::string CManagerAdapter<Record>::FirstName() const {
    return std::string(m_record.FirstName().View());
}

template <typename Record>
std::string CManagerAdapter<Record>::Surname() const {
    return std::string(m_record.Surname().View());
}

template <typename Record>
std::size_t CManagerAdapter<Record>::FirstNameLimit() const {
    return FieldLimit(m_record.FirstName());
}

template <typename Record>
std::size_t CManagerAdapter<Record>::SurnameLimit() const {
    return FieldLimit(m_record.Surname());
}

template <typename Record>
void CManagerAdapter<Record>::SetNames(std::string_view firstName, std::string_view surname) {
    m_record.SetFirstName(firstName);
    m_record.SetSurname(surname);
}

template <typename Record>
std::uint8_t CManagerAdapter<Record>::Ability(int index) const {
    return AbilityOf(m_record, index);
}

template <typename Record>
void CManagerAdapter<Record>::SetAbility(int index, std::uint8_t value) {
    if (index >= 0 && index < kManagerAbilityCount) {
        StoreAbility(m_record, index, ClampManagerAbility(value));
    }
}

template <typename Record>
ManagerLanguages CManagerAdapter<Record>::Languages() const {
    return m_record.Languages();
}

template <typename Record>
void CManagerAdapter<Record>::SetLanguages(const ManagerLanguages& languages) {
    const ManagerLanguages stored = LanguageSlotsToStore(languages);
    for (std::size_t slot = 0; slot < stored.size(); ++slot) {
        m_record.SetLanguage(static_cast<int>(slot), stored[slot]);
    }
}

template <typename Record>
int CManagerAdapter<Record>::NationalExperience() const {
    return m_record.NationalExperience();
}

template <typename Record>
int CManagerAdapter<Record>::InternationalExperience() const {
    return m_record.InternationalExperience();
}

template <typename Record>
void CManagerAdapter<Record>::SetExperience(int national, int international) {
    // Signed bytes in a person, unsigned ones in a MANAGER record.
    using Experience = decltype(m_record.NationalExperience());
    m_record.SetNationalExperience(
        static_cast<Experience>(std::clamp(national, 0, kMaxManagerNationalExperience)));
    m_record.SetInternationalExperience(
        static_cast<Experience>(std::clamp(international, 0, kMaxManagerInternationalExperience)));
}

template class CManagerAdapter<CPlayer>;
template class CManagerAdapter<CManager>;

// --- staff grades.

namespace {

// `grade` is kLevelByte or kExperienceByte.
int GradeOf(const CPlayer& person, int grade) {
    return person.StaffBytes()[static_cast<std::size_t>(grade)];
}

int GradeOf(const CStaffEntry& entry, int grade) {
    return grade == kLevelByte ? entry.GradeA() : entry.GradeB();
}

void StoreGrade(CPlayer& person, int grade, int value) {
    person.SetStaffByte(grade, StoredGrade(value));
}

void StoreGrade(CStaffEntry& entry, int grade, int value) {
    if (grade == kLevelByte) {
        entry.SetGradeA(StoredGrade(value));
    } else {
        entry.SetGradeB(StoredGrade(value));
    }
}

}  // namespace

template <typename Record>
int CStaffGradesAdapter<Record>::Level() const {
    return GradeOf(m_record, kLevelByte);
}

template <typename Record>
int CStaffGradesAdapter<Record>::Experience() const {
    return GradeOf(m_record, kExperienceByte);
}

template <typename Record>
void CStaffGradesAdapter<Record>::SetLevel(int grade) {
    StoreGrade(m_record, kLevelByte, grade);
}

template <typename Record>
void CStaffGradesAdapter<Record>::SetExperience(int grade) {
    StoreGrade(m_record, kExperienceByte, grade);
}

template class CStaffGradesAdapter<CPlayer>;
template class CStaffGradesAdapter<CStaffEntry>;

// --- edits.

bool EditManagerRecord(CDatabaseDocument& document, const SManagerRef& ref,
                       const std::function<void(CManager&)>& write) {
    if (FindManager(document.World(), ref) == nullptr) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Manager bearbeiten")),
                            SWorldScope::Countries({ref.country}), [&ref, &write](CWorld& world) {
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
