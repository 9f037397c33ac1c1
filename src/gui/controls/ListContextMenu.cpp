#include "gui/controls/ListContextMenu.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace kw {

namespace {

class CListMenuFilter : public QObject {
public:
    CListMenuFilter(QAbstractItemView& list, std::function<void(const QPoint&)> open)
        : QObject(&list), m_list(list), m_open(std::move(open)) {
        list.installEventFilter(this);
        list.viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                const auto* press = static_cast<QMouseEvent*>(event);
                if (watched != m_list.viewport() || press->button() != Qt::RightButton) {
                    return false;
                }
                SelectRowAt(press->position().toPoint());
                m_open(press->globalPosition().toPoint());
                return true;
            }
            case QEvent::KeyPress: {
                const auto* key = static_cast<QKeyEvent*>(event);
                const bool menuKey =
                    key->key() == Qt::Key_Menu ||
                    (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
                if (watched != &m_list || !menuKey) {
                    return false;
                }
                m_open(CurrentRowPosition());
                return true;
            }
            case QEvent::ContextMenu:
                if (static_cast<QContextMenuEvent*>(event)->reason() ==
                    QContextMenuEvent::Keyboard) {
                    m_open(CurrentRowPosition());
                }
                return true;
            default:
                return false;
        }
    }

private:
    void SelectRowAt(const QPoint& at) const {
        const QModelIndex row = m_list.indexAt(at);
        QItemSelectionModel* selection = m_list.selectionModel();
        if (!row.isValid() || selection == nullptr) {
            return;
        }
        const bool keep = m_list.selectionMode() != QAbstractItemView::SingleSelection &&
                          selection->isSelected(row);
        selection->setCurrentIndex(
            row, keep ? QItemSelectionModel::NoUpdate
                      : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    QPoint CurrentRowPosition() const {
        const QModelIndex current = m_list.currentIndex();
        if (current.isValid()) {
            m_list.scrollTo(current);
        }
        const QRect row = m_list.visualRect(current);
        return m_list.viewport()->mapToGlobal(row.isValid() ? row.center()
                                                            : m_list.viewport()->rect().center());
    }

    QAbstractItemView& m_list;
    std::function<void(const QPoint&)> m_open;
};

}  // namespace

void ConnectContextMenu(QAbstractItemView& list, std::function<void(const QPoint&)> open) {
    new CListMenuFilter(list, std::move(open));
}

}  // namespace kw
