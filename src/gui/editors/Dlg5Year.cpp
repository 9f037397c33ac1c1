#include "gui/editors/Dlg5Year.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

#include "document/DatabaseDocument.h"
#include "forms/ListColumns.h"
#include "gui/controls/ControlText.h"
#include "gui/editors/Dlg5YearChange.h"
#include "model/Country.h"
#include "model/Rules.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// Opened for no country or an invalid one, the dialog shows the default country.
int ShownCountry(int country) {
    return country >= 1 ? ValidCountry(country) : kDefaultCountry;
}

constexpr std::array<const char*, 8> kYearColumns = {
    QT_TRANSLATE_NOOP("kw::CDlg5Year", "Land"),
    QT_TRANSLATE_NOOP("kw::CDlg5Year", "Letztes Jahr"),
    QT_TRANSLATE_NOOP("kw::CDlg5Year", "-2 Jhr."),
    QT_TRANSLATE_NOOP("kw::CDlg5Year", "-3 Jhr."),
    QT_TRANSLATE_NOOP("kw::CDlg5Year", "-4 Jhr."),
    QT_TRANSLATE_NOOP("kw::CDlg5Year", "-5 Jhr."),
    QT_TRANSLATE_NOOP("kw::CDlg5Year", "-6 Jhr."),
    QT_TRANSLATE_NOOP("kw::CDlg5Year", "Punkte 1. Saison")};

}  // namespace

CDlg5Year::CDlg5Year(CDatabaseDocument& document, int country, QWidget* parent)
    : CDialogB(parent),
      m_document(document),
      m_continent(document.World().Country(ShownCountry(country)).Continent()),
      m_list(new QTreeWidget(this)),
      m_change(new QPushButton(tr("Ä&ndern"), this)) {
    setObjectName(QStringLiteral("Dlg5Year"));
    setWindowTitle(tr("5-Jahres-Wertung"));
    auto* continent = new QLabel(Cp1252ToQString(ContinentName(m_continent)), this);
    continent->setObjectName(QStringLiteral("continent"));

    m_list->setObjectName(QStringLiteral("ranking"));
    m_list->setAccessibleName(tr("Rangliste"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList headers;
    for (const char* column : kYearColumns) {
        headers << tr(column);
    }
    m_list->setHeaderLabels(headers);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setStretchLastSection(false);
    m_change->setObjectName(QStringLiteral("change"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(ResourceQString(ids::kOk));
    buttons->addButton(m_change, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_change, &QPushButton::clicked, this, &CDlg5Year::ChangeSelected);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CDlg5Year::ChangeSelected);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_change->setEnabled(SelectedCountry() != 0); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(continent);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);

    Fill(ShownCountry(country));
    for (int column = 0; column < m_list->columnCount(); ++column) {
        m_list->resizeColumnToContents(column);
    }
    int width = 0;
    for (int column = 0; column < m_list->columnCount(); ++column) {
        width += m_list->columnWidth(column);
    }
    m_list->setMinimumSize(width + 30, m_list->fontMetrics().height() * 16);
    m_list->setFocus();
}

void CDlg5Year::Edit(CDatabaseDocument& document, int country, QWidget* parent) {
    CDlg5Year dialog(document, country, parent);
    dialog.exec();
}

int CDlg5Year::SelectedCountry() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? 0 : selected.front()->data(0, Qt::UserRole).toInt();
}

void CDlg5Year::ChangeSelected() {
    const int country = SelectedCountry();
    if (country != 0 && CDlg5YearChange::Change(m_document, country, this)) {
        Fill(country);
    }
}

void CDlg5Year::Fill(int selectedCountry) {
    const CWorld& world = m_document.World();
    m_list->clear();
    const std::vector<SFiveYearRow> rows =
        FiveYearRanking(world, m_continent, m_document.Language());
    QTreeWidgetItem* selected = nullptr;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const std::string line = FiveYearLine(static_cast<int>(index) + 1, rows[index]);
        auto* item = new QTreeWidgetItem(m_list);
        const std::vector<std::string_view> cells = SplitRowPieces(line, kYearColumns.size());
        for (std::size_t column = 0; column < cells.size(); ++column) {
            item->setText(static_cast<int>(column), Cp1252ToQString(cells[column]));
            if (column > 0) {
                item->setTextAlignment(static_cast<int>(column), Qt::AlignRight | Qt::AlignVCenter);
            }
        }
        item->setData(0, Qt::UserRole, rows[index].country);
        if (rows[index].country == selectedCountry) {
            selected = item;
        }
    }
    if (selected == nullptr && m_list->topLevelItemCount() > 0) {
        selected = m_list->topLevelItem(0);
    }
    if (selected != nullptr) {
        m_list->setCurrentItem(selected);
        m_list->scrollToItem(selected);
    }
    m_change->setEnabled(SelectedCountry() != 0);
}

}  // namespace kw
