#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assets/RakelNameIndex.h"

namespace kw {

struct SRakelPlayer {
    std::int32_t id = 0;
    // First name, a blank, surname, with spaces normalised.
    std::string fullName;
    std::string nickname;
};

// The other game's players with their identifiers, looked up by full name and by nickname (A to
// Z in any case). Read from "RakelPlayers.txt": "id;first name;surname;nickname" a line
// (docs/MAPPING_FILES.md).
class CRakelPlayerMapping {
public:
    // False when the file cannot be read; the list is then empty.
    bool Load(const std::filesystem::path& path);
    void LoadFromText(std::string_view text, std::string fileName);

    bool IsLoaded() const { return !m_players.empty(); }
    const std::string& FileName() const { return m_fileName; }
    int Count() const { return static_cast<int>(m_players.size()); }
    const std::vector<SRakelPlayer>& Players() const { return m_players; }

    // The identifier of the first entry with that full name or nickname.
    std::optional<std::int32_t> FindByFullName(std::string_view name) const;
    std::optional<std::int32_t> FindByNickname(std::string_view nickname) const;

    // Full names and nicknames that several entries of the file share ("Double names", "Double
    // nicks" of the report).
    const std::vector<std::string>& DoubleNames() const { return m_byFullName.Duplicates(); }
    const std::vector<std::string>& DoubleNicks() const { return m_byNickname.Duplicates(); }

private:
    std::optional<std::int32_t> IdOf(std::optional<std::size_t> entry) const;

    std::string m_fileName;
    std::vector<SRakelPlayer> m_players;
    CRakelNameIndex m_byFullName;
    CRakelNameIndex m_byNickname;
};

}  // namespace kw
