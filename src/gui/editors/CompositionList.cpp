#include "gui/editors/CompositionList.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTimer>

#include "gui/controls/ControlText.h"
#include "gui/controls/DialogB.h"

namespace kw {

namespace {

const QString kMimeType = QStringLiteral("application/x-kw-team");
constexpr int kValueRole = Qt::UserRole + 2;
constexpr int kDraggableRole = Qt::UserRole + 3;

}  // namespace

CCompositionList::CCompositionList(QWidget* parent) : CMyListBox(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CCompositionList::AddValueRow(std::string_view text, std::uint32_t value, bool draggable) {
    QListWidgetItem* row = item(AddRow(text));
    row->setData(kValueRole, value);
    row->setData(kDraggableRole, draggable);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    if (draggable) {
        flags |= Qt::ItemIsDragEnabled;
    }
    row->setFlags(flags);
}

std::uint32_t CCompositionList::Value(int row) const {
    const QListWidgetItem* line = item(row);
    return line != nullptr ? line->data(kValueRole).toUInt() : 0;
}

int CCompositionList::RowOf(std::uint32_t value) const {
    for (int row = 0; row < count(); ++row) {
        if (Value(row) == value) {
            return row;
        }
    }
    return -1;
}

std::uint32_t CCompositionList::DraggedTeam(const QMimeData& data) {
    if (!data.hasFormat(kMimeType)) {
        return 0;
    }
    bool ok = false;
    const std::uint32_t team = QString::fromLatin1(data.data(kMimeType)).toUInt(&ok);
    return ok ? team : 0;
}

QMimeData* CCompositionList::TeamData(std::uint32_t team) {
    auto* data = new QMimeData;
    data->setData(kMimeType, QByteArray::number(team));
    return data;
}

QStringList CCompositionList::mimeTypes() const {
    return {kMimeType};
}

QMimeData* CCompositionList::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty() || !items.front()->data(kDraggableRole).toBool()) {
        return nullptr;
    }
    return TeamData(items.front()->data(kValueRole).toUInt());
}

Qt::DropActions CCompositionList::supportedDropActions() const {
    return Qt::MoveAction;
}

void CCompositionList::startDrag(Qt::DropActions /*supportedActions*/) {
    QListWidgetItem* row = currentItem();
    QMimeData* data = row != nullptr ? mimeData({row}) : nullptr;
    if (data == nullptr) {
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    // The club's name under the pointer, as the dialog writes it.
    if (const auto* dialog = qobject_cast<const CDialogB*>(window())) {
        const std::string text = Row(this->row(row));
        const QPixmap image =
            dialog->MakeDragImage(Cp1252ToQString(text.substr(0, text.find('\t'))));
        if (!image.isNull()) {
            drag->setPixmap(image);
        }
    }
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

void CCompositionList::dragEnterEvent(QDragEnterEvent* event) {
    if (DraggedTeam(*event->mimeData()) != 0) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CCompositionList::dragMoveEvent(QDragMoveEvent* event) {
    // The base scrolls near the edges and places the indicator; the dialog decides on the drop.
    QListWidget::dragMoveEvent(event);
    if (DraggedTeam(*event->mimeData()) != 0) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CCompositionList::dropEvent(QDropEvent* event) {
    const std::uint32_t team = DraggedTeam(*event->mimeData());
    if (team == 0) {
        event->ignore();
        return;
    }
    const QListWidgetItem* target = itemAt(event->position().toPoint());
    const int row = target != nullptr ? this->row(target) : -1;
    event->setDropAction(Qt::MoveAction);
    event->accept();
    QTimer::singleShot(0, this, [this, team, row] { emit TeamDropped(team, row); });
}

}  // namespace kw
