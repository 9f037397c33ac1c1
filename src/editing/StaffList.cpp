#include "editing/StaffList.h"

#include "editing/SquadChoices.h"
#include "editing/StaffKinds.h"

#include <algorithm>

#include "model/Player.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

std::string StaffRowText(const CPlayer& person) {
    std::string row = StaffRowText(person.ShortName(), person.Kind());
    return row.empty() ? person.ShortName() + '\t' : row;
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
