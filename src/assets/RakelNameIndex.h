#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kw {

// Names sorted for lookups that ignore the case of A to Z (other letters compare as they are),
// each pointing at its entry in the list the names came from.
class CRakelNameIndex {
public:
    // Name i belongs to entry i; empty names are left out (no lookup finds them).
    void Build(const std::vector<std::string>& names);

    // The entry of the name; of several entries with the name, the first in the list.
    std::optional<std::size_t> Find(std::string_view name) const;
    // Every name that more than one entry carries, once, in the index's order, as first spelt.
    const std::vector<std::string>& Duplicates() const { return m_duplicates; }

private:
    std::vector<std::pair<std::string, std::size_t>> m_sorted;
    std::vector<std::string> m_duplicates;
};

// Orders texts by their bytes with A to Z taken as a to z: negative, 0 or positive.
int CompareIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace kw
