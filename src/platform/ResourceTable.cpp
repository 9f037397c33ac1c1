#include "platform/ResourceTable.h"

#include <algorithm>

#include "platform/Cp1252.h"

namespace kw {

CResourceTable::CResourceTable(std::span<const SResourceRow> rows) : m_rows(rows) {
    m_texts.reserve(rows.size());
    for (const SResourceRow& row : rows) {
        m_texts.push_back(Utf8ToCp1252(
            std::string_view(reinterpret_cast<const char*>(row.text.data()), row.text.size())));
    }
}

std::optional<std::string_view> CResourceTable::Find(int id) const {
    const auto row = std::lower_bound(
        m_rows.begin(), m_rows.end(), id,
        [](const SResourceRow& candidate, int wanted) { return candidate.id < wanted; });
    if (row == m_rows.end() || row->id != id) {
        return std::nullopt;
    }
    return m_texts[static_cast<std::size_t>(row - m_rows.begin())];
}

}  // namespace kw
