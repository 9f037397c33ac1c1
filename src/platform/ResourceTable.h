#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

// One text of a resource table. The literals are UTF-8 whatever the compiler's execution
// character set; the table converts them to Windows-1252 once.
struct SResourceRow {
    int id;
    std::u8string_view text;
};

// Whether the rows are sorted by id without duplicates, for a static_assert beside each table.
constexpr bool SortedByUniqueId(std::span<const SResourceRow> rows) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i - 1].id >= rows[i].id) {
            return false;
        }
    }
    return true;
}

// The texts of one table by id, as Windows-1252 bytes.
class CResourceTable {
public:
    explicit CResourceTable(std::span<const SResourceRow> rows);

    // The text with that id, or nothing for an id the table has not. The view is zero-terminated
    // (usable as a printf format) and lives as long as the table.
    std::optional<std::string_view> Find(int id) const;

private:
    std::span<const SResourceRow> m_rows;
    std::vector<std::string> m_texts;
};

}  // namespace kw
