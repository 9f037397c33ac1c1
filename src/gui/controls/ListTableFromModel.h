#pragma once

#include "storage/ListTable.h"

class QAbstractItemModel;

namespace kw {

// The top-level rows of any item model (a QTreeWidget's, a QTableView's, ...) as the list output
// takes them: the horizontal header texts as headings, the header's horizontal alignment as the
// column's, the shown texts as cells.
SListTable ListTableFromModel(const QAbstractItemModel& model);

}  // namespace kw
