#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "storage/ListExport.h"

namespace kw {

enum class EColumnAlignment { Left, Right, Centre };

struct STableColumn {
    std::string heading;  // Windows-1252
    EColumnAlignment alignment = EColumnAlignment::Left;
};

// The rows and columns a list shows, taken out of whatever widget shows them, so that the list
// can be exported or printed without knowing the widget. Texts are Windows-1252.
struct SListTable {
    std::vector<STableColumn> columns;
    std::vector<std::vector<std::string>> rows;

    int ColumnCount() const { return static_cast<int>(columns.size()); }
    int RowCount() const { return static_cast<int>(rows.size()); }
    bool IsEmpty() const { return columns.empty() || rows.empty(); }
    // A row shorter than the header reads as empty cells; cells beyond the header do not count.
    std::string_view Cell(int row, int column) const;
};

// Hands a table to the list export.
class CListTableSource final : public IListSource {
public:
    explicit CListTableSource(const SListTable& table) : m_table(table) {}
    int ColumnCount() const override { return m_table.ColumnCount(); }
    int RowCount() const override { return m_table.RowCount(); }
    std::string CellText(int row, int column) const override {
        return std::string(m_table.Cell(row, column));
    }

private:
    const SListTable& m_table;
};

}  // namespace kw
