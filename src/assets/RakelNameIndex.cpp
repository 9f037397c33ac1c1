#include "assets/RakelNameIndex.h"

#include <algorithm>

#include "platform/AsciiCase.h"

namespace kw {

int CompareIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto left = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto right = static_cast<unsigned char>(AsciiLower(b[i]));
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void CRakelNameIndex::Build(const std::vector<std::string>& names) {
    m_sorted.clear();
    m_duplicates.clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!names[i].empty()) {
            m_sorted.emplace_back(names[i], i);
        }
    }
    // Stable, so equal names keep the list's order and a lookup finds the first entry.
    std::stable_sort(m_sorted.begin(), m_sorted.end(), [](const auto& a, const auto& b) {
        return CompareIgnoringAsciiCase(a.first, b.first) < 0;
    });
    for (std::size_t i = 1; i < m_sorted.size(); ++i) {
        const bool same = CompareIgnoringAsciiCase(m_sorted[i - 1].first, m_sorted[i].first) == 0;
        const bool first =
            i < 2 || CompareIgnoringAsciiCase(m_sorted[i - 2].first, m_sorted[i].first) != 0;
        if (same && first) {
            m_duplicates.push_back(m_sorted[i - 1].first);
        }
    }
}

std::optional<std::size_t> CRakelNameIndex::Find(std::string_view name) const {
    const auto found = std::lower_bound(m_sorted.begin(), m_sorted.end(), name,
                                        [](const auto& entry, std::string_view key) {
                                            return CompareIgnoringAsciiCase(entry.first, key) < 0;
                                        });
    if (name.empty() || found == m_sorted.end() ||
        CompareIgnoringAsciiCase(found->first, name) != 0) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace kw
