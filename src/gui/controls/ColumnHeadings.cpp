#include "gui/controls/ColumnHeadings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

#include "gui/controls/MyListBox.h"

namespace kw {

QHBoxLayout* ColumnHeadings(const CMyListBox& list, std::span<const SListColumn> columns,
                            const std::vector<QString>& texts, QWidget* parent) {
    const int unit = list.fontMetrics().averageCharWidth();
    auto* header = new QHBoxLayout;
    header->setSpacing(0);
    header->addSpacing(list.frameWidth());
    int previousEnd = 0;
    for (std::size_t column = 0; column < columns.size() && column < texts.size(); ++column) {
        header->addSpacing(unit * (columns[column].start - previousEnd) / 4);
        auto* label = new QLabel(texts[column], parent);
        label->setAlignment(columns[column].align == EColumnAlign::Right ? Qt::AlignRight
                                                                         : Qt::AlignLeft);
        label->setFixedWidth(unit * (columns[column].end - columns[column].start) / 4);
        header->addWidget(label);
        previousEnd = columns[column].end;
    }
    header->addStretch(1);
    return header;
}

QHBoxLayout* SetUpColumnList(CMyListBox& list, std::span<const SListColumn> columns,
                             const std::vector<QString>& headings, QWidget* parent) {
    list.SetColumns({columns.begin(), columns.end()});
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setMinimumWidth(list.fontMetrics().averageCharWidth() * columns.back().end / 4 +
                         list.style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                         2 * list.frameWidth());
    list.setMinimumHeight(list.fontMetrics().height() * 16);
    return ColumnHeadings(list, columns, headings, parent);
}

}  // namespace kw
