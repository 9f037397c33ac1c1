#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "storage/RecordVersion.h"

namespace kw {

class CClub;
class CPlayer;
class CWorld;

// The players without club: persons of the world's person table that belong to no club, in list
// order. The list holds their ids; the world owns the persons.
class CWithoutClubList {
public:
    explicit CWithoutClubList(CWorld& world) : m_world(world) {}
    CWithoutClubList(const CWithoutClubList&) = delete;
    CWithoutClubList& operator=(const CWithoutClubList&) = delete;

    int Count() const { return static_cast<int>(m_ids.size()); }
    const std::vector<std::uint32_t>& Ids() const { return m_ids; }
    // The list's ids for others held elsewhere (the persons stay where they are).
    void SwapIds(std::vector<std::uint32_t>& ids) { m_ids.swap(ids); }
    // Nothing for an index out of range or a person the world no longer has.
    CPlayer* At(int index) const;
    bool Contains(std::uint32_t id) const;
    void Append(const CPlayer& person);
    // The person stays in the world.
    void RemoveAt(int index);
    // The first entry of that person; the person stays in the world.
    void Remove(std::uint32_t id);
    void Clear() { m_ids.clear(); }

    // "Without.sav" of the directory: the WITHOUT section with the count and each person's
    // PLAYER section, without ids. False when the file cannot be written.
    bool Save(const std::filesystem::path& directory) const;
    // Replaces the list (its persons leave the world) by the file's persons, each made under the
    // world's next free id (so they get new ids on every load). A missing file leaves the list
    // empty and counts as read; false when a file is there but cannot be opened or holds no WITHOUT
    // section.
    // The file has no VERSION section of its own: its records are read in `recordVersion`, the
    // version of the rules file read before it.
    bool Load(const std::filesystem::path& directory, std::uint32_t recordVersion = kDataVersion);

private:
    CWorld& m_world;
    std::vector<std::uint32_t> m_ids;
};

// What becomes of a person taken out of a club: "Löschen" removes it from the world as well,
// "Kein Verein" puts it on the list of players without club.
enum class EPersonRemoval { kDelete, kWithoutClub };
void RemovePersonFromClub(CWorld& world, CClub& club, std::uint32_t personId,
                          EPersonRemoval removal);
// "Wechsel zu Verein": the person leaves the list and joins the club. Refused (false, nothing
// changed) for a person not on the list or a club that holds CClub::kMaxPersons already.
bool MoveWithoutClubToClub(CWorld& world, std::uint32_t personId, CClub& club);
// "Löschen" in the list: the person leaves the list and the world.
void DeleteWithoutClub(CWorld& world, std::uint32_t personId);

}  // namespace kw
