#include "gui/mainwindow/SelectDatabase.h"

#include <QStyle>

namespace kw {

namespace {

constexpr int kIconSize = 32;

}  // namespace

CSelectDatabase::CSelectDatabase(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(kIconSize, kIconSize));
    setUniformItemSizes(true);
}

void CSelectDatabase::SetNames(std::vector<std::string> names) {
    m_names = std::move(names);
    clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DirIcon);
    for (const std::string& name : m_names) {
        addItem(new QListWidgetItem(icon, QString::fromStdString(name)));
    }
}

std::optional<std::string> CSelectDatabase::SelectedName() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return m_names.at(static_cast<std::size_t>(row(selected.front())));
}

void CSelectDatabase::SelectRow(std::optional<std::size_t> row) {
    if (!row || *row >= m_names.size()) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(static_cast<int>(*row), QItemSelectionModel::ClearAndSelect);
}

}  // namespace kw
