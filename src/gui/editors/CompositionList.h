#pragma once

#include <cstdint>

#include "gui/controls/MyListBox.h"

class QMimeData;

namespace kw {

// A list of the league composition dialog. Rows may carry a team, which can then be dragged;
// a team dropped on the list is reported with the row it was dropped on (-1 below the last
// row), after the drag has ended, since the dialog then refills its lists.
class CCompositionList : public CMyListBox {
    Q_OBJECT

public:
    explicit CCompositionList(QWidget* parent = nullptr);

    // A row carrying `value` (a team, or a league for the league list) whose team can be
    // dragged when `draggable`.
    void AddValueRow(std::string_view text, std::uint32_t value, bool draggable);
    std::uint32_t Value(int row) const;
    // The row carrying the value, -1 when there is none.
    int RowOf(std::uint32_t value) const;

    // The team a drag carries; 0 for other data.
    static std::uint32_t DraggedTeam(const QMimeData& data);
    // The drag data of a team, as a drag from one of these lists carries it.
    static QMimeData* TeamData(std::uint32_t team);

signals:
    void TeamDropped(std::uint32_t team, int row);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    Qt::DropActions supportedDropActions() const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace kw
