#include "forms/ListColumns.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace kw {

namespace {

int UnitsToPixels(int units, int averageCharWidth) {
    const std::int64_t quarters = std::int64_t{std::max(units, 0)} * averageCharWidth;
    return static_cast<int>(std::min<std::int64_t>((quarters + 2) / 4, INT32_MAX));
}

}  // namespace

void CListColumns::Set(std::vector<SListColumn> columns) {
    if (columns.size() > kMaxListColumns) {
        columns.resize(kMaxListColumns);
    }
    m_columns = std::move(columns);
}

std::vector<std::string_view> CListColumns::Pieces(std::string_view row) const {
    return SplitRowPieces(row, std::max<std::size_t>(m_columns.size(), 1));
}

std::vector<SColumnSpan> CListColumns::Spans(int averageCharWidth, int listWidth) const {
    const int width = std::max(listWidth, 0);
    if (m_columns.empty()) {
        return {SColumnSpan{0, width}};
    }
    std::vector<SColumnSpan> spans;
    spans.reserve(m_columns.size());
    for (const SListColumn& column : m_columns) {
        const int left = std::min(UnitsToPixels(column.start, averageCharWidth), width);
        const int right = std::min(UnitsToPixels(column.end, averageCharWidth), width);
        spans.push_back(SColumnSpan{left, std::max(left, right)});
    }
    return spans;
}

EColumnAlign CListColumns::Align(std::size_t column) const {
    return column < m_columns.size() ? m_columns[column].align : EColumnAlign::Left;
}

std::vector<std::string_view> SplitRowPieces(std::string_view row, std::size_t maxPieces) {
    std::vector<std::string_view> pieces;
    while (pieces.size() < maxPieces) {
        const std::size_t tab = row.find('\t');
        pieces.push_back(row.substr(0, tab));
        if (tab == std::string_view::npos) {
            break;
        }
        row.remove_prefix(tab + 1);
    }
    return pieces;
}

}  // namespace kw
