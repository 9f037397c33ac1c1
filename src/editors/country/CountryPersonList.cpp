#include "editors/country/CountryPersonList.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "controls/ColumnHeadings.h"
#include "controls/MyListBox.h"

namespace kw {

namespace {

// Enter on a current row: the change, and the key goes no further.
class CEnterChangesRow : public QObject {
public:
    CEnterChangesRow(CMyListBox& list, std::function<void()> change)
        : QObject(&list), m_list(list), m_change(std::move(change)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && m_list.currentRow() >= 0) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_change();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    CMyListBox& m_list;
    std::function<void()> m_change;
};

}  // namespace

QHBoxLayout* PersonListHeadings(CMyListBox& list, std::span<const SListColumn> columns,
                                const std::vector<QString>& headings, QWidget* parent) {
    list.SetColumns({columns.begin(), columns.end()});
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setMinimumWidth(list.fontMetrics().averageCharWidth() * columns.back().end / 4 +
                         list.style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                         2 * list.frameWidth());
    list.setMinimumHeight(list.fontMetrics().height() * 16);
    return ColumnHeadings(list, columns, headings, parent);
}

QVBoxLayout* PersonListCommands(QPushButton& create, QPushButton& change, QPushButton& remove) {
    create.setObjectName(QStringLiteral("new"));
    change.setObjectName(QStringLiteral("change"));
    remove.setObjectName(QStringLiteral("delete"));
    auto* commands = new QVBoxLayout;
    commands->addWidget(&create);
    commands->addWidget(&change);
    commands->addWidget(&remove);
    commands->addStretch(1);
    return commands;
}

void OnRowActivated(CMyListBox& list, std::function<void()> change) {
    QObject::connect(&list, &QListWidget::itemDoubleClicked, &list,
                     [change](QListWidgetItem*) { change(); });
    list.installEventFilter(new CEnterChangesRow(list, std::move(change)));
}

void LayOutPersonList(QWidget& page, QHBoxLayout* headings, CMyListBox& list,
                      QVBoxLayout* commands) {
    auto* listLayout = new QVBoxLayout;
    listLayout->addLayout(headings);
    listLayout->addWidget(&list, 1);
    auto* layout = new QHBoxLayout(&page);
    layout->addLayout(listLayout, 1);
    layout->addLayout(commands);
}

}  // namespace kw
