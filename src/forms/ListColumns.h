#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace kw {

// A column list holds at most this many columns; further ones are dropped.
inline constexpr std::size_t kMaxListColumns = 100;

enum class EColumnAlign { Left, Centre, Right };

// A column's left and right edge in dialog units: a quarter of the list font's average character
// width, so column layouts scale with the font.
struct SListColumn {
    int start = 0;
    int end = 0;
    EColumnAlign align = EColumnAlign::Left;
};

// A column's horizontal extent in pixels; nothing is drawn in an empty one.
struct SColumnSpan {
    int left = 0;
    int right = 0;

    bool Empty() const { return right <= left; }
    bool operator==(const SColumnSpan&) const = default;
};

// The columns of a list whose rows are tab-separated texts, piece i shown in column i. A list
// without columns shows the first piece of each row across its whole width.
class CListColumns {
public:
    void Set(std::vector<SListColumn> columns);

    // One column per piece at most: pieces beyond the last column are dropped.
    std::vector<std::string_view> Pieces(std::string_view row) const;

    // The columns' pixel extents in a list `listWidth` pixels wide, cut at its edges; a column
    // that starts beyond the list, or ends before it starts, is empty.
    std::vector<SColumnSpan> Spans(int averageCharWidth, int listWidth) const;

    EColumnAlign Align(std::size_t column) const;
    std::size_t Count() const { return m_columns.size(); }

private:
    std::vector<SListColumn> m_columns;
};

// Splits a row at its tabs into at most `maxPieces` pieces.
std::vector<std::string_view> SplitRowPieces(std::string_view row, std::size_t maxPieces);

}  // namespace kw
