#pragma once

#include <QStyledItemDelegate>

namespace kw {

class CMyListBox;

// Draws a row of a CMyListBox in the list's columns. The row's Windows-1252 bytes are kept in
// kRowRole; the display text (tabs shown as spaces) serves keyboard search and accessibility.
class CColumnRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kRowRole = Qt::UserRole + 1;

    explicit CColumnRowDelegate(CMyListBox& list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const CMyListBox& m_list;
};

}  // namespace kw
