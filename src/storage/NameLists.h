#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Random.h"

namespace kw {

// One of the game's name lists (first names or surnames): names filed under group numbers, in
// practice nationalities, with group 0 as the fall-back. A group keeps its names in the order they
// were added, and a name may occur more than once.
//
// File: one name a line (at most kLineLimit characters; a longer line continues as the next),
// spaces normalised; a line "%<number>" switches to that group, the lines before the first such
// line belong to group 0. A line that is empty after normalising is kept as an empty name.
class CNameList {
public:
    static constexpr std::size_t kLineLimit = 254;

    // Replaces the list by the file's names. False when the file cannot be opened; the list is
    // then empty.
    bool Load(const std::filesystem::path& path);
    // Replaces the list by the names in the given bytes, read as the file would be.
    void LoadFromMemory(std::string_view data);

    void Add(std::int32_t group, std::string name);
    void Clear() { m_groups.clear(); }

    // The names of a group; empty when it has none.
    std::span<const std::string> Names(std::int32_t group) const;
    std::size_t Count(std::int32_t group) const { return Names(group).size(); }
    bool IsEmpty() const { return m_groups.empty(); }

private:
    std::map<std::int32_t, std::vector<std::string>> m_groups;
};

// The index a random number in 0..32767 picks among `count` names: r * count / 32767, held below
// count. `count` must be at least 1.
std::size_t RandomNameIndex(int randomNumber, std::size_t count);

// A random name of `group` drawn with the program's random generator, or of group 0 when `group`
// has none; nothing when group 0 has none either.
std::optional<std::string> PickRandomName(const CNameList& list, std::int32_t group,
                                          CRandom& random);

}  // namespace kw
