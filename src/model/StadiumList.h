#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/Stadium.h"

namespace kw {

// The installation's list of stadiums that the stadium chooser offers, read from
// "<database folder>/<language folder>/StadiumList.txt", together with the two built-in stadium
// templates.
class CStadiumList {
public:
    struct SEntry {
        std::string name;
        bool flag = false;
        std::uint8_t number = 0;

        friend bool operator==(const SEntry&, const SEntry&) = default;
    };

    CStadiumList();

    // The file holds KL value lines: the number of entries, then per entry its name, its flag
    // (non-zero is set) and its number. The file is found in any letter case. A missing file
    // leaves the list empty (false); a count larger than the entries present takes those that
    // are there. The templates are set up either way.
    bool Load(const std::filesystem::path& databaseDirectory, std::string_view languageDirectory);
    // With the interface language's folder ("ger").
    bool Load(const std::filesystem::path& databaseDirectory);
    void Clear() { m_entries.clear(); }

    const std::vector<SEntry>& Entries() const { return m_entries; }
    const std::array<CStadium, CStadium::kTemplateCount>& Templates() const { return m_templates; }

private:
    std::vector<SEntry> m_entries;
    std::array<CStadium, CStadium::kTemplateCount> m_templates;
};

}  // namespace kw
