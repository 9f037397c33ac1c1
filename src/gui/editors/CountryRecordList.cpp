#include "gui/editors/CountryRecordList.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/DatabaseDocument.h"
#include "gui/controls/ColumnHeadings.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/MyListBox.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

CCountryRecordList::CCountryRecordList(CDatabaseDocument& document, int country,
                                       const QString& what, const QString& listName, ERole role,
                                       QWidget* parent)
    : CDialogB(parent, role),
      m_document(document),
      m_country(country),
      m_list(new CMyListBox(this)) {
    setWindowTitle(Cp1252ToQString(document.World().Country(country).Name(document.Language())) +
                   what);
    m_list->setObjectName(listName);
    // The list's own caption is `what` without the dash that follows the country.
    QString caption = what.trimmed();
    if (caption.startsWith(QLatin1Char('-'))) {
        caption = caption.mid(1).trimmed();
    }
    m_list->setAccessibleName(caption);
}

QVBoxLayout* CCountryRecordList::ListUnderHeadings(std::span<const SListColumn> columns,
                                                   const std::vector<QString>& headings) {
    auto* layout = new QVBoxLayout;
    layout->addLayout(SetUpColumnList(*m_list, columns, headings, this));
    layout->addWidget(m_list, 1);
    return layout;
}

QDialogButtonBox* CCountryRecordList::AddCloseButton(QVBoxLayout& layout) {
    if (IsPage()) {
        return nullptr;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Close)->setText(tr("Schließen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout.addWidget(buttons);
    return buttons;
}

void CCountryRecordList::SetChangeButton(QPushButton& change) {
    m_change = &change;
    m_change->setObjectName(QStringLiteral("change"));
    m_change->setDefault(true);
}

void CCountryRecordList::keyPressEvent(QKeyEvent* event) {
    if (IsPage() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        if (m_change != nullptr && m_change->isEnabled()) {
            m_change->click();
        }
        return;
    }
    CDialogB::keyPressEvent(event);
}

}  // namespace kw
