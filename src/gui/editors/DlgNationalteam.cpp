#include "gui/editors/DlgNationalteam.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <cstdint>

#include "document/DatabaseDocument.h"
#include "editing/PersonalDataRules.h"
#include "forms/ListColumns.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/ListContextMenu.h"
#include "model/GameDate.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// Opened for no country or an invalid one, the dialog shows the default country.
int ShownCountry(int country) {
    return country >= 1 ? ValidCountry(country) : kDefaultCountry;
}

// Headings in the order of ENationalSquadColumn.
constexpr std::array<int, kNationalSquadColumnCount> kHeadings = {
    ids::kColumnName, ids::kColumnClub,   ids::kColumnPosition, ids::kColumnStrength,
    ids::kColumnAge,  ids::kColumnTalent, ids::kColumnCaps};

// Column widths in average characters.
constexpr std::array<int, kNationalSquadColumnCount> kColumnChars = {22, 24, 6, 8, 7, 12, 13};

}  // namespace

CDlgNationalteam::CDlgNationalteam(CDatabaseDocument& document, int country, QWidget* parent)
    : CDialogB(parent),
      m_document(document),
      m_countries(new QComboBox(this)),
      m_list(new QTreeWidget(this)),
      m_count(new QLabel(this)),
      m_remove(new QPushButton(tr("Aus Nationalmannschaft &entfernen"), this)) {
    setObjectName(QStringLiteral("DlgNationalteam"));
    setWindowTitle(tr("Kickwerk 06 - Nationalmannschaften"));
    const CWorld& world = document.World();
    m_countries->setObjectName(QStringLiteral("country"));
    for (const SChoiceEntry& entry : NationalTeamCountries(world, document.Language())) {
        m_countries->addItem(Cp1252ToQString(entry.text), entry.value);
    }
    m_countries->setCurrentIndex(m_countries->findData(ShownCountry(country)));
    auto* countryLabel = new QLabel(tr("&Land"), this);
    countryLabel->setBuddy(m_countries);

    m_list->setObjectName(QStringLiteral("squad"));
    m_list->setAccessibleName(tr("Kader der Nationalmannschaft"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QStringList headers;
    for (const int heading : kHeadings) {
        headers << ResourceQString(heading);
    }
    m_list->setHeaderLabels(headers);
    QHeaderView* header = m_list->header();
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    const int charWidth = m_list->fontMetrics().averageCharWidth();
    for (std::size_t column = 0; column < kColumnChars.size(); ++column) {
        m_list->setColumnWidth(static_cast<int>(column), kColumnChars[column] * charWidth);
    }
    m_list->setMinimumSize(95 * charWidth, m_list->fontMetrics().height() * 18);

    m_count->setObjectName(QStringLiteral("playerCount"));
    m_remove->setObjectName(QStringLiteral("remove"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(ResourceQString(ids::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(countryLabel);
    top->addWidget(m_countries, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(tr("Aktuelle Anzahl Spieler:"), this));
    bottom->addWidget(m_count);
    bottom->addStretch(1);
    bottom->addWidget(m_remove);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);
    layout->addWidget(buttons);

    connect(m_countries, &QComboBox::currentIndexChanged, this, &CDlgNationalteam::Rebuild);
    connect(header, &QHeaderView::sectionClicked, this, &CDlgNationalteam::SortBy);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_list->selectedItems().isEmpty()); });
    ConnectContextMenu(*m_list, [this](const QPoint& at) { ShowMenu(at); });
    connect(m_remove, &QPushButton::clicked, this, &CDlgNationalteam::RemoveSelected);
    Rebuild();
    m_countries->setFocus();
}

void CDlgNationalteam::Show(CDatabaseDocument& document, int country, QWidget* parent) {
    CDlgNationalteam dialog(document, country, parent);
    dialog.exec();
}

int CDlgNationalteam::Country() const {
    return m_countries->currentData().toInt();
}

void CDlgNationalteam::RemoveSelected() {
    std::vector<std::uint32_t> chosen;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        if (m_list->topLevelItem(row)->isSelected()) {
            chosen.push_back(m_rows[static_cast<std::size_t>(row)].personId);
        }
    }
    if (!chosen.empty()) {
        RemoveFromNationalSquad(m_document, chosen);
        Rebuild();
    }
}

void CDlgNationalteam::Rebuild() {
    const CWorld& world = m_document.World();
    m_rows = NationalSquad(world, Country(), m_document.Language(), GameToday());
    SortNationalSquad(m_rows, m_order);
    ShowRows();
}

void CDlgNationalteam::ShowRows() {
    m_list->clear();
    for (const SNationalSquadRow& row : m_rows) {
        auto* item = new QTreeWidgetItem(m_list);
        const std::string text = NationalSquadRowText(row);
        const std::vector<std::string_view> cells = SplitRowPieces(text, kHeadings.size());
        for (std::size_t column = 0; column < cells.size(); ++column) {
            item->setText(static_cast<int>(column), Cp1252ToQString(cells[column]));
        }
        for (const ENationalSquadColumn number :
             {ENationalSquadColumn::kStrength, ENationalSquadColumn::kAge,
              ENationalSquadColumn::kCaps}) {
            item->setTextAlignment(static_cast<int>(number), Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    m_list->header()->setSortIndicator(
        static_cast<int>(m_order.Column()),
        m_order.Ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    m_count->setText(QString::number(m_rows.size()));
    m_remove->setEnabled(false);
}

void CDlgNationalteam::SortBy(int column) {
    if (column < 0 || column >= kNationalSquadColumnCount) {
        return;
    }
    m_order.Click(static_cast<ENationalSquadColumn>(column));
    SortNationalSquad(m_rows, m_order);
    ShowRows();
}

void CDlgNationalteam::ShowMenu(const QPoint& globalPos) {
    QMenu menu(this);
    AddMenuItemFromControl(menu, *m_remove, m_remove->isEnabled());
    menu.exec(globalPos);
}

}  // namespace kw
