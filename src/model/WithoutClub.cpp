#include "model/WithoutClub.h"

#include <algorithm>

#include "model/Club.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Paths.h"
#include "storage/KLFile.h"

namespace kw {

namespace {
constexpr char kWithoutTag[] = "WITHOUT";
constexpr char kWithoutFile[] = "Without.sav";
}  // namespace

CPlayer* CWithoutClubList::At(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return m_world.Person(m_ids[static_cast<std::size_t>(index)]);
}

bool CWithoutClubList::Contains(std::uint32_t id) const {
    return std::find(m_ids.begin(), m_ids.end(), id) != m_ids.end();
}

void CWithoutClubList::Append(const CPlayer& person) {
    m_ids.push_back(person.Id());
}

void CWithoutClubList::RemoveAt(int index) {
    if (index >= 0 && index < Count()) {
        m_ids.erase(m_ids.begin() + index);
    }
}

void CWithoutClubList::Remove(std::uint32_t id) {
    const auto found = std::find(m_ids.begin(), m_ids.end(), id);
    if (found != m_ids.end()) {
        m_ids.erase(found);
    }
}

bool CWithoutClubList::Save(const std::filesystem::path& directory) const {
    std::vector<const CPlayer*> persons;
    for (const std::uint32_t id : m_ids) {
        if (const CPlayer* person = m_world.Person(id)) {
            persons.push_back(person);
        }
    }
    CKLFile file;
    if (!file.OpenForWrite(PathForWriting(directory, kWithoutFile))) {
        return false;
    }
    bool ok = file.BeginSection(kWithoutTag) &&
              file.WriteNumber(static_cast<std::int32_t>(persons.size()));
    for (const CPlayer* person : persons) {
        ok = ok && person->Write(file);
    }
    ok = ok && file.EndSection(kWithoutTag);
    return file.Close() && ok;
}

bool CWithoutClubList::Load(const std::filesystem::path& directory, std::uint32_t recordVersion) {
    // The persons of the list it replaces would stay in the world with no list or club.
    for (const std::uint32_t id : m_ids) {
        m_world.RemovePerson(id);
    }
    m_ids.clear();
    const auto path = FindExisting(directory, kWithoutFile);
    if (!path) {
        return true;
    }
    CKLFile file;
    if (!file.OpenForRead(*path) || !file.FindSection(kWithoutTag)) {
        return false;
    }
    file.SetRecordVersion(recordVersion);
    std::int32_t count = 0;
    file.ReadNumber(count);
    for (std::int32_t i = 0; i < count; ++i) {
        CPlayer& person = m_world.CreatePerson(m_world.NextFreePersonId(), false);
        // A count larger than the persons present makes no persons out of nothing.
        if (!person.Read(file)) {
            m_world.RemovePerson(person.Id());
            break;
        }
        m_ids.push_back(person.Id());
    }
    return true;
}

void RemovePersonFromClub(CWorld& world, CClub& club, std::uint32_t personId,
                          EPersonRemoval removal) {
    if (!club.HasPerson(personId)) {
        return;
    }
    club.RemovePerson(personId);
    if (removal == EPersonRemoval::kDelete) {
        world.RemovePerson(personId);
    } else if (const CPlayer* person = world.Person(personId)) {
        world.WithoutClub().Append(*person);
    }
}

bool MoveWithoutClubToClub(CWorld& world, std::uint32_t personId, CClub& club) {
    const CPlayer* person = world.Person(personId);
    // A full club would destroy the person it refuses.
    if (person == nullptr || !world.WithoutClub().Contains(personId) ||
        club.PersonIds().size() >= static_cast<std::size_t>(CClub::kMaxPersons)) {
        return false;
    }
    world.WithoutClub().Remove(personId);
    return club.AddPerson(*person);
}

void DeleteWithoutClub(CWorld& world, std::uint32_t personId) {
    world.WithoutClub().Remove(personId);
    world.RemovePerson(personId);
}

}  // namespace kw
