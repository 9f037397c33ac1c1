#include "gui/controls/MyListBox.h"

#include <QMouseEvent>

#include <utility>

#include "gui/controls/ColumnRowDelegate.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/ListContextMenu.h"

namespace kw {

CMyListBox::CMyListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new CColumnRowDelegate(*this));
    setUniformItemSizes(true);
    ConnectContextMenu(*this, [this](const QPoint& at) { emit ContextMenuRequested(at); });
}

void CMyListBox::SetColumns(std::vector<SListColumn> columns) {
    m_columns.Set(std::move(columns));
    viewport()->update();
}

int CMyListBox::AddRow(std::string_view row) {
    QString display = Cp1252ToQString(row);
    display.replace(QLatin1Char('\t'), QLatin1Char(' '));
    auto* item = new QListWidgetItem(display, this);
    item->setData(CColumnRowDelegate::kRowRole,
                  QByteArray(row.data(), static_cast<qsizetype>(row.size())));
    return count() - 1;
}

std::string CMyListBox::Row(int index) const {
    const QListWidgetItem* row = item(index);
    if (row == nullptr) {
        return {};
    }
    return row->data(CColumnRowDelegate::kRowRole).toByteArray().toStdString();
}

void CMyListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_forwardLeftClicks) {
        emit LeftButtonPressed(event->globalPosition().toPoint());
        return;
    }
    QListWidget::mousePressEvent(event);
}

}  // namespace kw
