#include "editors/DlgStadiumlist.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <span>
#include <vector>

#include "controls/ColumnHeadings.h"
#include "controls/ControlText.h"
#include "controls/MyListBox.h"
#include "document/DatabaseDocument.h"
#include "editing/StadiumRules.h"
#include "editors/DlgStadium.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// Number, name, city, total capacity; in dialog units.
constexpr std::array kColumns = {SListColumn{0, 20, EColumnAlign::Right}, SListColumn{28, 148},
                                 SListColumn{152, 272}, SListColumn{276, 364, EColumnAlign::Right}};
constexpr std::array kHeaders = {"Nr.", "Name", "Ort", "Gesamtkapazit\xC3\xA4t"};

}  // namespace

CDlgStadiumlist::CDlgStadiumlist(CDatabaseDocument& document, int country, QWidget* parent,
                                 ERole role)
    : CDialogB(parent, role),
      m_document(document),
      m_country(country),
      m_list(new CMyListBox(this)),
      m_change(new QPushButton(QStringLiteral("\u00c4&ndern"), this)) {
    setObjectName(QStringLiteral("DlgStadiumlist"));
    setWindowTitle(Cp1252ToQString(
                       document.World().Country(country).Name(document.World().CurrentLanguage())) +
                   QStringLiteral(" - Stadienliste"));

    m_list->setObjectName(QStringLiteral("stadiums"));
    m_list->SetColumns({kColumns.begin(), kColumns.end()});
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * kColumns.back().end / 4 +
                            m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                            2 * m_list->frameWidth());
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 16);
    std::vector<QString> headings;
    for (const char* heading : kHeaders) {
        headings.push_back(QString::fromUtf8(heading));
    }
    QHBoxLayout* header = ColumnHeadings(*m_list, kColumns, headings, this);

    m_change->setObjectName(QStringLiteral("change"));
    // Enter opens the selected stadium.
    m_change->setDefault(true);
    connect(m_change, &QPushButton::clicked, this, &CDlgStadiumlist::ChangeSelected);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CDlgStadiumlist::ChangeSelected);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_change->setEnabled(row >= 0); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_list, 1);
    if (role == ERole::Window) {
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
        buttons->setObjectName(QStringLiteral("buttons"));
        buttons->addButton(m_change, QDialogButtonBox::ActionRole);
        buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schlie\u00dfen"));
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons);
    } else {
        auto* commands = new QHBoxLayout;
        commands->addStretch(1);
        commands->addWidget(m_change);
        layout->addLayout(commands);
    }
    Fill();
    m_list->setCurrentRow(m_list->count() > 0 ? 0 : -1);
    m_change->setEnabled(m_list->currentRow() >= 0);
    m_list->setFocus();
}

void CDlgStadiumlist::Edit(CDatabaseDocument& document, int country, QWidget* parent) {
    CDlgStadiumlist dialog(document, country, parent);
    dialog.exec();
}

void CDlgStadiumlist::Reload() {
    Fill();
    if (m_list->currentRow() < 0 && m_list->count() > 0) {
        m_list->setCurrentRow(0);
    }
    m_change->setEnabled(m_list->currentRow() >= 0);
}

void CDlgStadiumlist::Fill() {
    const int current = m_list->currentRow();
    m_list->clear();
    const std::vector<CStadium>& stadiums = m_document.World().Country(m_country).Stadiums();
    for (std::size_t index = 0; index < stadiums.size(); ++index) {
        m_list->AddRow(StadiumListRow(stadiums[index], static_cast<int>(index) + 1));
    }
    if (current >= 0 && current < m_list->count()) {
        m_list->setCurrentRow(current);
    }
}

void CDlgStadiumlist::ChangeSelected() {
    const int row = m_list->currentRow();
    if (row < 0) {
        return;
    }
    if (CDlgStadium::Edit(m_document, m_country, static_cast<std::size_t>(row), this)) {
        Fill();
    }
}

void CDlgStadiumlist::keyPressEvent(QKeyEvent* event) {
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
