#include "gui/editors/ShirtNumberList.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>

namespace kw {

namespace {

const QString kMimeType = QStringLiteral("application/x-kw-shirt-player");
constexpr int kNumberRole = Qt::UserRole + 2;
constexpr int kPlayerRole = Qt::UserRole + 3;
constexpr int kNameEnd = 92;
constexpr int kLineWidth = 120;

}  // namespace

CShirtNumberList::CShirtNumberList(QWidget* parent) : CMyListBox(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    // Columns in dialog units: the number right-aligned, the name, the position.
    SetColumns({{0, 12, EColumnAlign::Right},
                {18, kNameEnd, EColumnAlign::Left},
                {kNameEnd + 4, kLineWidth, EColumnAlign::Left}});
    // A dialog unit is a quarter of the average character width.
    setMinimumWidth(fontMetrics().averageCharWidth() * kLineWidth / 4 + 2 * frameWidth() +
                    verticalScrollBar()->sizeHint().width());
}

void CShirtNumberList::AddLine(std::string_view text, int number, int player) {
    QListWidgetItem* line = item(AddRow(text));
    line->setData(kNumberRole, number);
    line->setData(kPlayerRole, player);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (player >= 0) {
        flags |= Qt::ItemIsDragEnabled;
    }
    if (number > 0) {
        flags |= Qt::ItemIsDropEnabled;
    }
    line->setFlags(flags);
}

int CShirtNumberList::DraggedPlayer(const QMimeData& data) {
    if (!data.hasFormat(kMimeType)) {
        return -1;
    }
    bool ok = false;
    const int player = QString::fromLatin1(data.data(kMimeType)).toInt(&ok);
    return ok && player >= 0 ? player : -1;
}

QStringList CShirtNumberList::mimeTypes() const {
    return {kMimeType};
}

QMimeData* CShirtNumberList::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty() || items.front()->data(kPlayerRole).toInt() < 0) {
        return nullptr;
    }
    auto* data = new QMimeData;
    data->setData(kMimeType, QByteArray::number(items.front()->data(kPlayerRole).toInt()));
    return data;
}

Qt::DropActions CShirtNumberList::supportedDropActions() const {
    return Qt::MoveAction;
}

void CShirtNumberList::startDrag(Qt::DropActions /*supportedActions*/) {
    QListWidgetItem* line = currentItem();
    QMimeData* data = line != nullptr ? mimeData({line}) : nullptr;
    if (data == nullptr) {
        return;
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

int CShirtNumberList::TargetNumber(const QPoint& point) const {
    const QListWidgetItem* line = itemAt(point);
    return line != nullptr ? line->data(kNumberRole).toInt() : 0;
}

void CShirtNumberList::dragEnterEvent(QDragEnterEvent* event) {
    if (DraggedPlayer(*event->mimeData()) >= 0) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CShirtNumberList::dragMoveEvent(QDragMoveEvent* event) {
    // The base scrolls near the edges; whether the line takes the drop is decided here.
    QListWidget::dragMoveEvent(event);
    if (DraggedPlayer(*event->mimeData()) >= 0 && TargetNumber(event->position().toPoint()) > 0) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CShirtNumberList::dropEvent(QDropEvent* event) {
    const int player = DraggedPlayer(*event->mimeData());
    const int number = TargetNumber(event->position().toPoint());
    if (player < 0 || number <= 0) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    // Told once the drag has ended: the dialog refills the list the drag came from.
    QTimer::singleShot(0, this, [this, player, number] { emit PlayerDropped(player, number); });
}

}  // namespace kw
