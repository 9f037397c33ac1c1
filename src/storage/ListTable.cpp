#include "storage/ListTable.h"

#include <cstddef>

namespace kw {

std::string_view SListTable::Cell(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) {
        return {};
    }
    const auto& cells = rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size()) {
        return {};
    }
    return cells[static_cast<std::size_t>(column)];
}

}  // namespace kw
