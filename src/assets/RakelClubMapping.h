#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assets/RakelNameIndex.h"

namespace kw {

struct SRakelClub {
    std::int32_t id = 0;
    std::string name;
    std::string secondName;
};

// The other game's clubs with their identifiers, looked up by name (A to Z in any case). Read
// from "RakelClubs.txt": "id;name;second name" a line (docs/MAPPING_FILES.md).
class CRakelClubMapping {
public:
    // False when the file cannot be read; the list is then empty.
    bool Load(const std::filesystem::path& path);
    void LoadFromText(std::string_view text, std::string fileName);

    bool IsLoaded() const { return !m_clubs.empty(); }
    const std::string& FileName() const { return m_fileName; }
    const std::vector<SRakelClub>& Clubs() const { return m_clubs; }
    // The entry of the club of that name, the first of several.
    std::optional<std::size_t> Find(std::string_view name) const { return m_byName.Find(name); }

private:
    std::string m_fileName;
    std::vector<SRakelClub> m_clubs;
    CRakelNameIndex m_byName;
};

}  // namespace kw
