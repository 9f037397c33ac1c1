#pragma once

#include <QTreeWidget>

#include <functional>
#include <optional>
#include <vector>

#include "tools/DatabaseSync.h"

namespace kw {

// One database's tree in the synchronisation dialog. Its nodes carry their record; a node dragged
// from here or from another such tree is dropped on a node (highlighted while the drag is over
// it), and the tree tells what was dropped on what. It never moves nodes itself.
class CSyncTreeWidget : public QTreeWidget {
    Q_OBJECT

public:
    using DragImage = std::function<QPixmap(const QString&)>;

    CSyncTreeWidget(DragImage dragImage, QWidget* parent);

    void Fill(const std::vector<SSyncNode>& nodes);
    // The node of that record, its ancestors expanded, selected and scrolled into view.
    QTreeWidgetItem* Reveal(const SSyncItem& record);
    QTreeWidgetItem* Find(const SSyncItem& record) const;
    // The node the drag is over, nothing outside a drag.
    QTreeWidgetItem* DropHighlight() const { return m_highlighted; }

    static SSyncItem Record(const QTreeWidgetItem& item);
    static std::optional<SSyncItem> DraggedRecord(const QMimeData& data);

signals:
    void Dropped(const kw::SSyncItem& dragged, const kw::SSyncItem& target);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Highlight(QTreeWidgetItem* item);
    void AddNodes(QTreeWidgetItem* parent, const std::vector<SSyncNode>& nodes);

    DragImage m_dragImage;
    QTreeWidgetItem* m_highlighted = nullptr;
};

}  // namespace kw
