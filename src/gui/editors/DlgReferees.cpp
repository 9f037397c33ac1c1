#include "gui/editors/DlgReferees.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "document/DatabaseDocument.h"
#include "editing/CountryListCommands.h"
#include "editing/RefereeRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgRefereeChange.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// "Name" and "Besonderheit", 160 dialog units each.
constexpr std::array kRefereeColumns = {SListColumn{0, 160}, SListColumn{160, 320}};
constexpr std::array kRefereeHeaders = {ids::kColumnName, ids::kSpecialityColumn};

}  // namespace

CDlgReferees::CDlgReferees(CDatabaseDocument& document, int country, QWidget* parent, ERole role)
    : CCountryRecordList(document, country, tr(" - Schiedsrichter"), QStringLiteral("referees"),
                         role, parent),
      m_new(new QPushButton(tr("&Neu"), this)),
      m_change(new QPushButton(tr("Ä&ndern"), this)),
      m_delete(new QPushButton(tr("&Löschen"), this)) {
    setObjectName(QStringLiteral("DlgReferees"));
    List().setAccessibleName(tr("Schiedsrichter"));
    QVBoxLayout* listLayout = ListUnderHeadings(
        kRefereeColumns,
        {ResourceQString(kRefereeHeaders[0]), ResourceQString(kRefereeHeaders[1])});

    m_new->setObjectName(QStringLiteral("new"));
    // Enter changes the selected referee.
    SetChangeButton(*m_change);
    m_delete->setObjectName(QStringLiteral("delete"));
    auto* commands = new QVBoxLayout;
    commands->addWidget(m_new);
    commands->addWidget(m_change);
    commands->addWidget(m_delete);
    commands->addStretch(1);
    connect(m_new, &QPushButton::clicked, this, &CDlgReferees::NewReferee);
    connect(m_change, &QPushButton::clicked, this, &CDlgReferees::ChangeSelected);
    connect(m_delete, &QPushButton::clicked, this, &CDlgReferees::DeleteSelected);
    connect(&List(), &QListWidget::itemDoubleClicked, this, &CDlgReferees::ChangeSelected);
    connect(&List(), &QListWidget::currentRowChanged, this, &CDlgReferees::EnableButtons);

    auto* body = new QHBoxLayout;
    body->addLayout(listLayout, 1);
    body->addLayout(commands);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    AddCloseButton(*layout);
    Fill(0);
    List().setFocus();
}

void CDlgReferees::Reload() {
    Fill(std::max(List().currentRow(), 0));
}

void CDlgReferees::Fill(int row) {
    List().clear();
    for (const CReferee& referee : m_document.World().Country(m_country).Referees()) {
        List().AddRow(RefereeListRow(referee));
    }
    List().setCurrentRow(std::min(row, List().count() - 1));
    EnableButtons();
}

void CDlgReferees::EnableButtons() {
    const bool selected = List().currentRow() >= 0;
    m_change->setEnabled(selected);
    m_delete->setEnabled(selected);
}

void CDlgReferees::NewReferee() {
    CReferee blank;
    blank.SetCharacter(CReferee::kNoCharacter);
    const std::optional<CReferee> referee = CDlgRefereeChange::Ask(blank, this);
    if (referee && AddReferee(m_document, m_country, *referee)) {
        Fill(List().count());
    }
}

void CDlgReferees::ChangeSelected() {
    const int row = List().currentRow();
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
    const int row = List().currentRow();
    if (row >= 0 && RemoveReferee(m_document, m_country, static_cast<std::size_t>(row))) {
        Fill(row);
    }
}

}  // namespace kw
