#include "gui/controls/ColumnRowDelegate.h"

#include <QPainter>

#include <cstddef>
#include <string_view>
#include <vector>

#include "gui/controls/ControlText.h"
#include "gui/controls/MyListBox.h"

namespace kw {

namespace {

Qt::Alignment ToQt(EColumnAlign align) {
    switch (align) {
        case EColumnAlign::Centre:
            return Qt::AlignHCenter;
        case EColumnAlign::Right:
            return Qt::AlignRight;
        case EColumnAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

CColumnRowDelegate::CColumnRowDelegate(CMyListBox& list)
    : QStyledItemDelegate(&list), m_list(list) {}

void CColumnRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
    painter->setPen(selected ? palette.color(QPalette::HighlightedText)
                             : palette.color(QPalette::Text));
    painter->setFont(option.font);

    const QByteArray bytes = index.data(kRowRole).toByteArray();
    const std::string_view row(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const CListColumns& columns = m_list.Columns();
    const std::vector<std::string_view> pieces = columns.Pieces(row);
    const std::vector<SColumnSpan> spans =
        columns.Spans(option.fontMetrics.averageCharWidth(), option.rect.width());
    for (std::size_t i = 0; i < pieces.size() && i < spans.size(); ++i) {
        if (spans[i].Empty()) {
            continue;
        }
        const QRect cell(option.rect.left() + spans[i].left, option.rect.top(),
                         spans[i].right - spans[i].left, option.rect.height());
        painter->setClipRect(cell);
        // Plain text: an ampersand is shown, not taken as a mnemonic.
        painter->drawText(cell, int(ToQt(columns.Align(i)) | Qt::AlignVCenter),
                          Cp1252ToQString(pieces[i]));
    }
    painter->setClipping(false);
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter->setPen(QColor(255, 0, 0));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize CColumnRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& /*index*/) const {
    // Every row is one line of the list's font high.
    return QSize(option.rect.width(), option.fontMetrics.height());
}

}  // namespace kw
