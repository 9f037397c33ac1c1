#include "gui/mainwindow/SyncTreeWidget.h"

#include <QDataStream>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <utility>

#include "gui/mainwindow/QtText.h"

namespace kw {

namespace {

const QString kMimeType = QStringLiteral("application/x-kickwerk-sync-node");

enum ERecordRole { kSlotRole = Qt::UserRole, kContinentRole, kCountryRole, kClubRole };

}  // namespace

CSyncTreeWidget::CSyncTreeWidget(DragImage dragImage, QWidget* parent)
    : QTreeWidget(parent), m_dragImage(std::move(dragImage)) {
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(false);
}

void CSyncTreeWidget::Fill(const std::vector<SSyncNode>& nodes) {
    m_highlighted = nullptr;
    clear();
    AddNodes(nullptr, nodes);
}

void CSyncTreeWidget::AddNodes(QTreeWidgetItem* parent, const std::vector<SSyncNode>& nodes) {
    for (const SSyncNode& node : nodes) {
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, FromCp1252(node.name));
        item->setData(0, kSlotRole, node.item.slot);
        item->setData(0, kContinentRole, node.item.continent);
        item->setData(0, kCountryRole, node.item.country);
        item->setData(0, kClubRole, node.item.club);
        AddNodes(item, node.children);
    }
}

SSyncItem CSyncTreeWidget::Record(const QTreeWidgetItem& item) {
    return {item.data(0, kSlotRole).toInt(),
            static_cast<std::uint16_t>(item.data(0, kContinentRole).toUInt()),
            static_cast<std::uint16_t>(item.data(0, kCountryRole).toUInt()),
            item.data(0, kClubRole).toUInt()};
}

QTreeWidgetItem* CSyncTreeWidget::Find(const SSyncItem& record) const {
    for (QTreeWidgetItemIterator it(const_cast<CSyncTreeWidget*>(this)); *it != nullptr; ++it) {
        if (Record(**it) == record) {
            return *it;
        }
    }
    return nullptr;
}

QTreeWidgetItem* CSyncTreeWidget::Reveal(const SSyncItem& record) {
    QTreeWidgetItem* item = Find(record);
    if (item == nullptr) {
        return nullptr;
    }
    for (QTreeWidgetItem* parent = item->parent(); parent != nullptr; parent = parent->parent()) {
        parent->setExpanded(true);
    }
    setCurrentItem(item);
    scrollToItem(item);
    return item;
}

QStringList CSyncTreeWidget::mimeTypes() const {
    return {kMimeType};
}

QMimeData* CSyncTreeWidget::mimeData(const QList<QTreeWidgetItem*>& items) const {
    if (items.isEmpty()) {
        return nullptr;
    }
    const SSyncItem record = Record(*items.front());
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << record.slot << record.continent << record.country << record.club;
    auto* data = new QMimeData;
    data->setData(kMimeType, bytes);
    return data;
}

std::optional<SSyncItem> CSyncTreeWidget::DraggedRecord(const QMimeData& data) {
    if (!data.hasFormat(kMimeType)) {
        return std::nullopt;
    }
    const QByteArray bytes = data.data(kMimeType);
    QDataStream stream(bytes);
    SSyncItem record;
    stream >> record.slot >> record.continent >> record.country >> record.club;
    if (stream.status() != QDataStream::Ok) {
        return std::nullopt;
    }
    return record;
}

void CSyncTreeWidget::startDrag(Qt::DropActions /*supportedActions*/) {
    QTreeWidgetItem* item = currentItem();
    if (item == nullptr) {
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData({item}));
    const QPixmap image = m_dragImage(item->text(0));
    if (!image.isNull()) {
        drag->setPixmap(image);
        drag->setHotSpot(QPoint(-8, image.height() / 2));
    }
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void CSyncTreeWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (DraggedRecord(*event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CSyncTreeWidget::dragMoveEvent(QDragMoveEvent* event) {
    // The base scrolls the tree near its edges; whether the drop is taken is decided here.
    QTreeWidget::dragMoveEvent(event);
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    if (target != nullptr && DraggedRecord(*event->mimeData())) {
        Highlight(target);
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        Highlight(nullptr);
        event->ignore();
    }
}

void CSyncTreeWidget::dragLeaveEvent(QDragLeaveEvent* event) {
    Highlight(nullptr);
    QTreeWidget::dragLeaveEvent(event);
}

void CSyncTreeWidget::dropEvent(QDropEvent* event) {
    Highlight(nullptr);
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    const std::optional<SSyncItem> dragged = DraggedRecord(*event->mimeData());
    if (target == nullptr || !dragged) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Told once the drag has ended: what follows may open dialogs and refill this tree.
    const SSyncItem draggedRecord = *dragged;
    const SSyncItem targetRecord = Record(*target);
    QTimer::singleShot(0, this, [this, draggedRecord, targetRecord] {
        emit Dropped(draggedRecord, targetRecord);
    });
}

void CSyncTreeWidget::Highlight(QTreeWidgetItem* item) {
    if (item == m_highlighted) {
        return;
    }
    if (m_highlighted != nullptr) {
        m_highlighted->setData(0, Qt::BackgroundRole, QVariant());
        m_highlighted->setData(0, Qt::ForegroundRole, QVariant());
    }
    m_highlighted = item;
    if (item != nullptr) {
        item->setBackground(0, palette().brush(QPalette::Highlight));
        item->setForeground(0, palette().brush(QPalette::HighlightedText));
    }
}

}  // namespace kw
