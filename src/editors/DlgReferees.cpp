#include "editors/DlgReferees.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "controls/ColumnHeadings.h"
#include "controls/ControlText.h"
#include "controls/MyListBox.h"
#include "document/DatabaseDocument.h"
#include "editing/CountryListCommands.h"
#include "editing/RefereeRules.h"
#include "editors/DlgRefereeChange.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// "Name" and "Besonderheit", 160 dialog units each.
constexpr std::array kColumns = {SListColumn{0, 160}, SListColumn{160, 320}};
constexpr std::array kHeaders = {ids::kColumnName, ids::kSpecialityColumn};

}  // namespace

CDlgReferees::CDlgReferees(CDatabaseDocument& document, int country, QWidget* parent, ERole role)
    : CDialogB(parent, role),
      m_document(document),
      m_country(country),
      m_list(new CMyListBox(this)),
      m_new(new QPushButton(QStringLiteral("&Neu"), this)),
      m_change(new QPushButton(QStringLiteral("\u00c4&ndern"), this)),
      m_delete(new QPushButton(QStringLiteral("&L\u00f6schen"), this)) {
    setObjectName(QStringLiteral("DlgReferees"));
    setWindowTitle(Cp1252ToQString(
                       document.World().Country(country).Name(document.World().CurrentLanguage())) +
                   QStringLiteral(" - Schiedsrichter"));

    m_list->setObjectName(QStringLiteral("referees"));
    m_list->SetColumns({kColumns.begin(), kColumns.end()});
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * kColumns.back().end / 4 +
                            m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                            2 * m_list->frameWidth());
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 16);
    QHBoxLayout* header = ColumnHeadings(
        *m_list, kColumns, {ResourceQString(kHeaders[0]), ResourceQString(kHeaders[1])}, this);

    m_new->setObjectName(QStringLiteral("new"));
    m_change->setObjectName(QStringLiteral("change"));
    m_delete->setObjectName(QStringLiteral("delete"));
    // Enter changes the selected referee.
    m_change->setDefault(true);
    auto* commands = new QVBoxLayout;
    commands->addWidget(m_new);
    commands->addWidget(m_change);
    commands->addWidget(m_delete);
    commands->addStretch(1);
    connect(m_new, &QPushButton::clicked, this, &CDlgReferees::NewReferee);
    connect(m_change, &QPushButton::clicked, this, &CDlgReferees::ChangeSelected);
    connect(m_delete, &QPushButton::clicked, this, &CDlgReferees::DeleteSelected);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CDlgReferees::ChangeSelected);
    connect(m_list, &QListWidget::currentRowChanged, this, &CDlgReferees::EnableButtons);

    auto* listLayout = new QVBoxLayout;
    listLayout->addLayout(header);
    listLayout->addWidget(m_list, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(listLayout, 1);
    body->addLayout(commands);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    if (role == ERole::Window) {
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
        buttons->setObjectName(QStringLiteral("buttons"));
        buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schlie\u00dfen"));
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
    }
    Fill(0);
    m_list->setFocus();
}

void CDlgReferees::Edit(CDatabaseDocument& document, int country, QWidget* parent) {
    CDlgReferees dialog(document, country, parent);
    dialog.exec();
}

void CDlgReferees::Reload() {
    Fill(std::max(m_list->currentRow(), 0));
}

void CDlgReferees::Fill(int row) {
    m_list->clear();
    for (const CReferee& referee : m_document.World().Country(m_country).Referees()) {
        m_list->AddRow(RefereeListRow(referee));
    }
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
    EnableButtons();
}

void CDlgReferees::EnableButtons() {
    const bool selected = m_list->currentRow() >= 0;
    m_change->setEnabled(selected);
    m_delete->setEnabled(selected);
}

void CDlgReferees::NewReferee() {
    CReferee blank;
    blank.SetCharacter(CReferee::kNoCharacter);
    const std::optional<CReferee> referee = CDlgRefereeChange::Ask(blank, this);
    if (referee && AddReferee(m_document, m_country, *referee)) {
        Fill(m_list->count());
    }
}

void CDlgReferees::ChangeSelected() {
    const int row = m_list->currentRow();
    if (row < 0) {
        return;
    }
    const std::size_t index = static_cast<std::size_t>(row);
    const std::optional<CReferee> referee =
        CDlgRefereeChange::Ask(m_document.World().Country(m_country).Referees().at(index), this);
    if (referee && ReplaceReferee(m_document, m_country, index, *referee)) {
        Fill(row);
    }
}

void CDlgReferees::DeleteSelected() {
    const int row = m_list->currentRow();
    if (row >= 0 && RemoveReferee(m_document, m_country, static_cast<std::size_t>(row))) {
        Fill(row);
    }
}

void CDlgReferees::keyPressEvent(QKeyEvent* event) {
    if (IsPage() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        if (m_change->isEnabled()) {
            m_change->click();
        }
        return;
    }
    CDialogB::keyPressEvent(event);
}

}  // namespace kw
