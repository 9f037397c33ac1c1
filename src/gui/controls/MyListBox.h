#pragma once

#include <QListWidget>

#include <string>
#include <string_view>
#include <vector>

#include "forms/ListColumns.h"

namespace kw {

// A list whose rows are tab-separated texts in the model's Windows-1252, drawn in columns: piece
// i of a row in column i with that column's alignment, clipped to the column; pieces beyond the
// last column are not drawn. The row with the focus is framed in red.
//
// The owner opens its context menu on ContextMenuRequested, which a right button press (after
// selecting the row under the pointer), the context menu key and Shift+F10 (at the current row)
// send; see ConnectContextMenu. Left presses select as usual unless SetForwardLeftClicks(true) was
// called, in which case they are passed on through LeftButtonPressed instead. Both signals carry a
// global position.
class CMyListBox : public QListWidget {
    Q_OBJECT

public:
    explicit CMyListBox(QWidget* parent = nullptr);

    // Columns in dialog units (see SListColumn); at most 100 are kept.
    void SetColumns(std::vector<SListColumn> columns);
    void SetForwardLeftClicks(bool forward) { m_forwardLeftClicks = forward; }

    // Appends a row; returns its index.
    int AddRow(std::string_view row);
    // The row's text as added.
    std::string Row(int index) const;

    const CListColumns& Columns() const { return m_columns; }

signals:
    void ContextMenuRequested(const QPoint& globalPos);
    void LeftButtonPressed(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    CListColumns m_columns;
    bool m_forwardLeftClicks = false;
};

}  // namespace kw
