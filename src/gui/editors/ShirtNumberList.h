#pragma once

#include "gui/controls/MyListBox.h"

class QMimeData;

namespace kw {

// One list of the shirt-number dialog: a line per number with the player shown on it. A line
// with a player can be dragged; dropping a line on a numbered line reports the dragged player and
// that number (after the drag has ended, since the dialog then refills its lists).
class CShirtNumberList : public CMyListBox {
    Q_OBJECT

public:
    explicit CShirtNumberList(QWidget* parent = nullptr);

    // A line for `number` (0: a line without number, which takes no drops) showing the player
    // with that index in the dialog's list (-1 for none).
    void AddLine(std::string_view text, int number, int player);

    // The index of the player a drag carries; -1 for other data.
    static int DraggedPlayer(const QMimeData& data);

signals:
    void PlayerDropped(int player, int number);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    Qt::DropActions supportedDropActions() const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The number of the line at the point, 0 when there is none or it takes no drops.
    int TargetNumber(const QPoint& point) const;
};

}  // namespace kw
