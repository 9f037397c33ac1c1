#pragma once

#include <QString>

#include <span>
#include <vector>

#include "forms/ListColumns.h"

class QHBoxLayout;
class QWidget;

namespace kw {

class CMyListBox;

// Headings over a column list: one label per column, as wide as the column and at its place
// (columns in dialog units, as the list draws them).
QHBoxLayout* ColumnHeadings(const CMyListBox& list, std::span<const SListColumn> columns,
                            const std::vector<QString>& texts, QWidget* parent);

// Gives the list its columns, a width that shows them without scrolling sideways and the height
// of 16 rows; returns the headings over them.
QHBoxLayout* SetUpColumnList(CMyListBox& list, std::span<const SListColumn> columns,
                             const std::vector<QString>& headings, QWidget* parent);

}  // namespace kw
