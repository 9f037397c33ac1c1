#include "editing/StaffList.h"

#include <algorithm>
#include <array>

#include "model/Club.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

// Row strings in kind order 1..18; their ids do not follow the kinds.
constexpr std::array<int, kLastStaffKind> kRowIds = {
    ids::kStaffRowTrainer,        ids::kStaffRowManager,           ids::kStaffRowPresident,
    ids::kStaffRowCoTrainer,      ids::kStaffRowGoalkeeperTrainer, ids::kStaffRowReserveTrainer,
    ids::kStaffRowYouthTrainer,   ids::kStaffRowChiefScout,        ids::kStaffRowDoctor,
    ids::kStaffRowKneeSpecialist, ids::kStaffRowAnkleSpecialist,   ids::kStaffRowMuscleSpecialist,
    ids::kStaffRowMasseur,        ids::kStaffRowPsychologist,      ids::kStaffRowManagingDirector,
    ids::kStaffRowMarketing,      ids::kStaffRowStadiumManager,    ids::kStaffRowFanOfficer};

bool IsStaffKind(int kind) {
    return kind >= kFirstStaffKind && kind <= kLastStaffKind;
}

}  // namespace

int StaffRowStringId(int kind) {
    return IsStaffKind(kind) ? kRowIds[static_cast<std::size_t>(kind - 1)] : 0;
}

std::string StaffRowText(const CPlayer& person) {
    const int id = StaffRowStringId(person.Kind());
    if (id == 0) {
        return person.ShortName() + '\t';
    }
    return FormatPrintf(ResourceString(id).data(), person.ShortName().c_str());
}

std::string NewStaffCommandText(int kind) {
    return IsStaffKind(kind) ? "Neuer " + std::string(StaffRoleName(kind)) : std::string();
}

bool ClubHasStaffKind(const CClub& club, int kind) {
    const std::vector<CPlayer*> staff = club.Staff();
    return std::any_of(staff.begin(), staff.end(),
                       [kind](const CPlayer* person) { return person->Kind() == kind; });
}

bool CanCreateStaff(const CClub& club, int kind) {
    return IsStaffKind(kind) && !ClubHasStaffKind(club, kind) &&
           club.PersonIds().size() < static_cast<std::size_t>(kStaffNewPersonLimit);
}

std::vector<SStaffDuplicate> FindStaffDuplicates(const CWorld& world,
                                                 const std::vector<std::uint32_t>& personIds) {
    std::vector<const CPlayer*> persons;
    for (const std::uint32_t id : personIds) {
        const CPlayer* person = world.Person(id);
        if (person != nullptr && !person->IsPlayer()) {
            persons.push_back(person);
        }
    }
    const auto nameKey = [](const CPlayer* person) {
        return std::pair{person->Surname().View(), person->FirstName().View()};
    };
    // Byte order: case and accents count, as for players.
    std::stable_sort(
        persons.begin(), persons.end(),
        [&nameKey](const CPlayer* a, const CPlayer* b) { return nameKey(a) < nameKey(b); });
    std::vector<SStaffDuplicate> pairs;
    for (std::size_t i = 0; i + 1 < persons.size(); ++i) {
        const CPlayer* a = persons[i];
        const CPlayer* b = persons[i + 1];
        if (nameKey(a) == nameKey(b) && a->BirthDate() == b->BirthDate()) {
            pairs.push_back({a->Id(), b->Id()});
        }
    }
    return pairs;
}

std::string StaffDuplicateText(const CWorld& world, const SStaffDuplicate& pair) {
    const CPlayer* a = world.Person(pair.first);
    const CPlayer* b = world.Person(pair.second);
    if (a == nullptr || b == nullptr) {
        return {};
    }
    return std::string(a->Surname().View()) + ", " + std::string(a->FirstName().View()) + " (" +
           a->BirthDate().Text() + "): " + std::string(StaffRoleName(a->Kind())) + " / " +
           std::string(StaffRoleName(b->Kind()));
}

}  // namespace kw
