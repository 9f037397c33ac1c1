#include "gui/editors/PlayerDouble.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

#include "gui/controls/ControlText.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/ListExportDialog.h"
#include "gui/controls/ListPrinting.h"
#include "gui/controls/ListTableFromModel.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// Column widths in average characters, and how each column aligns its texts.
constexpr std::array<int, kDuplicateColumnCount> kColumnChars = {38, 45, 45, 19, 19, 11, 11};
constexpr std::array<Qt::Alignment::Int, kDuplicateColumnCount> kAlignments = {
    Qt::AlignLeft,  Qt::AlignLeft,    Qt::AlignLeft,   Qt::AlignRight,
    Qt::AlignRight, Qt::AlignHCenter, Qt::AlignHCenter};

QString OnlyOf(std::string_view name) {
    return QCoreApplication::translate("kw::CPlayerDouble", "Nur von %1")
        .arg(Cp1252ToQString(name));
}

}  // namespace

CPlayerDouble::CPlayerDouble(const CWorld& world, int language, int country, std::uint32_t club,
                             QWidget* parent)
    : CDialogB(parent),
      m_world(world),
      m_language(language),
      m_country(country),
      m_club(club & ~kSecondTeamFlag),
      m_candidates(DuplicateCandidates(world)),
      m_all(new QRadioButton(tr("Alle"), this)),
      m_countryScope(new QRadioButton(this)),
      m_clubScope(new QRadioButton(this)),
      m_sameBirthDate(new QCheckBox(tr("Nur Spieler mit gleichem Geburtsdatum anzeigen"), this)),
      m_list(new QTreeWidget(this)),
      m_print(new QPushButton(tr("Drucken"), this)),
      m_save(new QPushButton(tr("Speichern"), this)) {
    setObjectName(QStringLiteral("PlayerDouble"));
    setWindowTitle(tr("Kickwerk 06 - Spieler doppelt"));

    const SDuplicateScopes scopes = OfferedDuplicateScopes(world, country, m_club);
    m_all->setObjectName(QStringLiteral("all"));
    m_countryScope->setObjectName(QStringLiteral("countryScope"));
    m_countryScope->setText(scopes.country ? OnlyOf(world.Country(country).Name(language))
                                           : OnlyOf("-"));
    m_countryScope->setEnabled(scopes.country);
    m_clubScope->setObjectName(QStringLiteral("clubScope"));
    m_clubScope->setText(scopes.club ? OnlyOf(world.Country(country).Club(m_club)->Name(language))
                                     : OnlyOf("-"));
    m_clubScope->setEnabled(scopes.club);
    ScopeButton(scopes.preselected).setChecked(true);
    m_sameBirthDate->setObjectName(QStringLiteral("sameBirthDate"));

    m_list->setObjectName(QStringLiteral("duplicates"));
    m_list->setAccessibleName(tr("Doppelte Spieler"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    QStringList headers;
    for (const std::string& heading : DuplicateColumnHeadings()) {
        headers << Cp1252ToQString(heading);
    }
    m_list->setHeaderLabels(headers);
    QHeaderView* header = m_list->header();
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    const int charWidth = m_list->fontMetrics().averageCharWidth();
    int width = 0;
    for (int column = 0; column < kDuplicateColumnCount; ++column) {
        const auto index = static_cast<std::size_t>(column);
        m_list->setColumnWidth(column, kColumnChars[index] * charWidth);
        // The list output takes each column's alignment from its heading.
        m_list->headerItem()->setTextAlignment(
            column, Qt::Alignment(kAlignments[index]) | Qt::AlignVCenter);
        width += kColumnChars[index] * charWidth;
    }
    m_list->setMinimumSize(width + 4 * charWidth, m_list->fontMetrics().height() * 20);

    m_print->setObjectName(QStringLiteral("print"));
    m_print->setAutoDefault(false);
    m_save->setObjectName(QStringLiteral("save"));
    m_save->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(ResourceQString(ids::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* scopeRow = new QHBoxLayout;
    for (QRadioButton* button : {m_all, m_countryScope, m_clubScope}) {
        scopeRow->addWidget(button);
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                Rebuild();
            }
        });
    }
    scopeRow->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_print);
    bottom->addWidget(m_save);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(scopeRow);
    layout->addWidget(m_sameBirthDate);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);

    connect(m_sameBirthDate, &QCheckBox::toggled, this, &CPlayerDouble::Rebuild);
    connect(header, &QHeaderView::sectionClicked, this, &CPlayerDouble::SortBy);
    connect(m_print, &QPushButton::clicked, this, &CPlayerDouble::Print);
    connect(m_save, &QPushButton::clicked, this, &CPlayerDouble::Save);
    Rebuild();
}

void CPlayerDouble::Show(const CWorld& world, int language, int country, std::uint32_t club,
                         QWidget* parent) {
    CPlayerDouble dialog(world, language, country, club, parent);
    dialog.exec();
}

QRadioButton& CPlayerDouble::ScopeButton(EDuplicateScope scope) const {
    switch (scope) {
        case EDuplicateScope::Country:
            return *m_countryScope;
        case EDuplicateScope::Club:
            return *m_clubScope;
        case EDuplicateScope::All:
            break;
    }
    return *m_all;
}

void CPlayerDouble::Rebuild() {
    SDuplicateFilter filter;
    filter.scope = m_clubScope->isChecked()      ? EDuplicateScope::Club
                   : m_countryScope->isChecked() ? EDuplicateScope::Country
                                                 : EDuplicateScope::All;
    filter.country = m_country;
    filter.club = m_club;
    filter.sameBirthDate = m_sameBirthDate->isChecked();
    m_pairs = FindDuplicatePairs(m_candidates, filter);
    m_order.Sort(m_pairs, m_world, m_language);
    ShowRows();
}

void CPlayerDouble::ShowRows() {
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_pairs.size()));
    for (const SDuplicatePair& pair : m_pairs) {
        auto* item = new QTreeWidgetItem;
        const DuplicateRowTexts cells = DuplicateRowCells(pair, m_world, m_language);
        for (int column = 0; column < kDuplicateColumnCount; ++column) {
            item->setText(column, Cp1252ToQString(cells[static_cast<std::size_t>(column)]));
            item->setTextAlignment(
                column,
                Qt::Alignment(kAlignments[static_cast<std::size_t>(column)]) | Qt::AlignVCenter);
        }
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    m_list->header()->setSortIndicator(
        m_order.Column(), m_order.Ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CPlayerDouble::SortBy(int column) {
    if (column < 0 || column >= kDuplicateColumnCount) {
        return;
    }
    m_order.ClickColumn(column);
    m_order.Sort(m_pairs, m_world, m_language);
    ShowRows();
}

void CPlayerDouble::Print() {
    PrintList(ListTableFromModel(*m_list->model()),
              {std::string(GuiString(ids::kDuplicatesTitle)), 70, "Arial", 0.75, 1.0}, this);
}

void CPlayerDouble::Save() {
    ExportList(ListTableFromModel(*m_list->model()), GuiString(ids::kDuplicatesTitle), this);
}

}  // namespace kw
