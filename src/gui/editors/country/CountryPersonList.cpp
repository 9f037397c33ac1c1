#include "gui/editors/country/CountryPersonList.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

#include "gui/controls/ColumnHeadings.h"
#include "gui/controls/MyListBox.h"

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

CCountryPersonListPage::CCountryPersonListPage(CDatabaseDocument& document, int country,
                                               const QString& listName,
                                               std::span<const SListColumn> columns,
                                               const std::vector<QString>& headings,
                                               QWidget* parent)
    : CCountryPage(parent),
      m_document(document),
      m_country(country),
      m_list(new CMyListBox(this)),
      m_new(new QPushButton(tr("&Neu"), this)),
      m_change(new QPushButton(tr("Ä&ndern"), this)),
      m_delete(new QPushButton(tr("&Löschen"), this)) {
    m_list->setObjectName(listName);
    QHBoxLayout* header = SetUpColumnList(*m_list, columns, headings, this);
    m_new->setObjectName(QStringLiteral("new"));
    m_change->setObjectName(QStringLiteral("change"));
    m_delete->setObjectName(QStringLiteral("delete"));
    auto* commands = new QVBoxLayout;
    commands->addWidget(m_new);
    commands->addWidget(m_change);
    commands->addWidget(m_delete);
    commands->addStretch(1);
    connect(m_change, &QPushButton::clicked, this, [this] { ChangeSelected(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { DeleteSelected(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { ChangeSelected(); });
    m_list->installEventFilter(new CEnterChangesRow(*m_list, [this] { ChangeSelected(); }));
    connect(m_list, &QListWidget::currentRowChanged, this, &CCountryPersonListPage::EnableButtons);

    auto* listLayout = new QVBoxLayout;
    listLayout->addLayout(header);
    listLayout->addWidget(m_list, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listLayout, 1);
    layout->addLayout(commands);
}

void CCountryPersonListPage::SelectRow(int found, int row) {
    m_list->setCurrentRow(found >= 0 ? found : std::min(row, m_list->count() - 1));
    EnableButtons();
}

void CCountryPersonListPage::EnableButtons() {
    const bool selected = m_list->currentRow() >= 0;
    m_change->setEnabled(selected);
    m_delete->setEnabled(selected);
}

}  // namespace kw
