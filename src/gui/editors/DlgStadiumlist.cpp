#include "gui/editors/DlgStadiumlist.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <span>
#include <vector>

#include "document/DatabaseDocument.h"
#include "editing/StadiumRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgStadium.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// Number, name, city, total capacity; in dialog units.
constexpr std::array kStadiumColumns = {SListColumn{0, 20, EColumnAlign::Right},
                                        SListColumn{28, 148}, SListColumn{152, 272},
                                        SListColumn{276, 364, EColumnAlign::Right}};
constexpr std::array kStadiumHeaders = {
    QT_TRANSLATE_NOOP("kw::CDlgStadiumlist", "Nr."),
    QT_TRANSLATE_NOOP("kw::CDlgStadiumlist", "Name"),
    QT_TRANSLATE_NOOP("kw::CDlgStadiumlist", "Ort"),
    QT_TRANSLATE_NOOP("kw::CDlgStadiumlist", "Gesamtkapazität")};

}  // namespace

CDlgStadiumlist::CDlgStadiumlist(CDatabaseDocument& document, int country, QWidget* parent,
                                 ERole role)
    : CCountryRecordList(document, country, tr(" - Stadienliste"), QStringLiteral("stadiums"), role,
                         parent),
      m_change(new QPushButton(tr("Ä&ndern"), this)) {
    setObjectName(QStringLiteral("DlgStadiumlist"));
    List().setAccessibleName(tr("Stadien"));
    std::vector<QString> headings;
    for (const char* heading : kStadiumHeaders) {
        headings.push_back(tr(heading));
    }
    QVBoxLayout* layout = ListUnderHeadings(kStadiumColumns, headings);
    setLayout(layout);

    // Enter opens the selected stadium.
    SetChangeButton(*m_change);
    connect(m_change, &QPushButton::clicked, this, &CDlgStadiumlist::ChangeSelected);
    connect(&List(), &QListWidget::itemDoubleClicked, this, &CDlgStadiumlist::ChangeSelected);
    connect(&List(), &QListWidget::currentRowChanged, this,
            [this](int row) { m_change->setEnabled(row >= 0); });

    if (QDialogButtonBox* buttons = AddCloseButton(*layout)) {
        buttons->addButton(m_change, QDialogButtonBox::ActionRole);
    } else {
        auto* commands = new QHBoxLayout;
        commands->addStretch(1);
        commands->addWidget(m_change);
        layout->addLayout(commands);
    }
    Fill();
    List().setCurrentRow(List().count() > 0 ? 0 : -1);
    m_change->setEnabled(List().currentRow() >= 0);
    List().setFocus();
}

void CDlgStadiumlist::Reload() {
    Fill();
    if (List().currentRow() < 0 && List().count() > 0) {
        List().setCurrentRow(0);
    }
    m_change->setEnabled(List().currentRow() >= 0);
}

void CDlgStadiumlist::Fill() {
    const int current = List().currentRow();
    List().clear();
    const std::vector<CStadium>& stadiums = m_document.World().Country(m_country).Stadiums();
    for (std::size_t index = 0; index < stadiums.size(); ++index) {
        List().AddRow(StadiumListRow(stadiums[index], static_cast<int>(index) + 1));
    }
    if (current >= 0 && current < List().count()) {
        List().setCurrentRow(current);
    }
}

void CDlgStadiumlist::ChangeSelected() {
    const int row = List().currentRow();
    if (row < 0) {
        return;
    }
    if (CDlgStadium::Edit(m_document, m_country, static_cast<std::size_t>(row), this)) {
        Fill();
    }
}

}  // namespace kw
