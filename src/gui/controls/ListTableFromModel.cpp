#include "gui/controls/ListTableFromModel.h"

#include <QAbstractItemModel>
#include <QVariant>

#include "platform/Cp1252.h"

namespace kw {

namespace {

std::string ToCp1252(const QVariant& value) {
    return Utf8ToCp1252(value.toString().toStdString());
}

EColumnAlignment ColumnAlignment(const QVariant& value) {
    const auto flags = Qt::Alignment::fromInt(value.toInt());
    if (flags.testFlag(Qt::AlignHCenter)) {
        return EColumnAlignment::Centre;
    }
    return flags.testFlag(Qt::AlignRight) ? EColumnAlignment::Right : EColumnAlignment::Left;
}

}  // namespace

SListTable ListTableFromModel(const QAbstractItemModel& model) {
    SListTable table;
    const int columns = model.columnCount();
    for (int column = 0; column < columns; ++column) {
        table.columns.push_back(
            {ToCp1252(model.headerData(column, Qt::Horizontal, Qt::DisplayRole)),
             ColumnAlignment(model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole))});
    }
    const int rows = model.rowCount();
    table.rows.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        std::vector<std::string> cells;
        cells.reserve(static_cast<std::size_t>(columns));
        for (int column = 0; column < columns; ++column) {
            cells.push_back(ToCp1252(model.data(model.index(row, column), Qt::DisplayRole)));
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

}  // namespace kw
