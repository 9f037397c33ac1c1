#include "gui/editors/DlgPlayerList.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <utility>

#include "document/DatabaseDocument.h"
#include "gui/controls/MyListBox.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

// Short name, position, nationality, strength; in dialog units.
constexpr std::array kPlayerColumns = {
    SListColumn{0, 92}, SListColumn{92, 116, EColumnAlign::Centre}, SListColumn{116, 184},
    SListColumn{184, 208, EColumnAlign::Right}};
constexpr std::array kOrders = {
    std::pair{QT_TRANSLATE_NOOP("kw::CDlgPlayerList", "Name"), ESquadOrder::kName},
    std::pair{QT_TRANSLATE_NOOP("kw::CDlgPlayerList", "Pos."), ESquadOrder::kPosition},
    std::pair{QT_TRANSLATE_NOOP("kw::CDlgPlayerList", "Nat."), ESquadOrder::kNationality},
    std::pair{QT_TRANSLATE_NOOP("kw::CDlgPlayerList", "Stärke"), ESquadOrder::kStrength},
};
// What the header buttons do, for a screen reader: their captions are abbreviated.
constexpr std::array kOrderActions = {
    QT_TRANSLATE_NOOP("kw::CDlgPlayerList", "Nach Name sortieren"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerList", "Nach Position sortieren"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerList", "Nach Nationalität sortieren"),
    QT_TRANSLATE_NOOP("kw::CDlgPlayerList", "Nach Stärke sortieren"),
};
constexpr std::array kOrderNames = {"sortByName", "sortByPosition", "sortByNationality",
                                    "sortByStrength"};

}  // namespace

CDlgPlayerList::CDlgPlayerList(const CDatabaseDocument& document, std::uint32_t clubId,
                               bool secondTeam, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_clubId(clubId),
      m_secondTeam(secondTeam),
      m_list(new CMyListBox(this)),
      m_count(new QLabel(this)),
      m_average(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* header = new QHBoxLayout;
    header->setSpacing(0);
    for (std::size_t column = 0; column < kOrders.size(); ++column) {
        auto* button = new QPushButton(tr(kOrders[column].first), this);
        button->setObjectName(QString::fromLatin1(kOrderNames[column]));
        button->setAccessibleName(tr(kOrderActions[column]));
        button->setAutoDefault(false);
        const ESquadOrder order = kOrders[column].second;
        connect(button, &QPushButton::clicked, this, [this, order] { SortBy(order); });
        header->addWidget(button, kPlayerColumns[column].end - kPlayerColumns[column].start);
    }
    layout->addLayout(header);

    m_list->setObjectName(QStringLiteral("players"));
    m_list->setAccessibleName(secondTeam ? tr("Kader 2. Mannschaft") : tr("Kader 1. Mannschaft"));
    m_list->SetColumns({kPlayerColumns.begin(), kPlayerColumns.end()});
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setMinimumWidth(
        m_list->fontMetrics().averageCharWidth() * kPlayerColumns.back().end / 4 +
        m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_list->frameWidth());
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        ShowCurrentRow(row);
        emit personChosen(m_current);
    });
    connect(m_list, &CMyListBox::ContextMenuRequested, this, &CDlgPlayerList::menuRequested);
    layout->addWidget(m_list, 1);

    auto* footer = new QGridLayout;
    m_count->setObjectName(QStringLiteral("playerCount"));
    m_average->setObjectName(QStringLiteral("averageStrength"));
    footer->addWidget(new QLabel(tr("Spieleranzahl"), this), 0, 0);
    footer->addWidget(m_count, 0, 1, Qt::AlignRight);
    footer->addWidget(new QLabel(tr("Durchsch. Stärke"), this), 1, 0);
    footer->addWidget(m_average, 1, 1, Qt::AlignRight);
    layout->addLayout(footer);
    Rebuild();
}

void CDlgPlayerList::Rebuild() {
    const CWorld& world = m_document.World();
    const CClub* club = world.Country(ClubCountry(m_clubId)).Club(m_clubId);
    m_rows = club != nullptr ? SquadRows(*club, m_secondTeam, m_document.Language())
                             : std::vector<SSquadRow>{};
    SortSquadRows(m_rows, m_order);
    const int row = RowToReselect(m_rows, m_current, m_currentRow);
    const int scrolled = m_list->verticalScrollBar()->value();
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const SSquadRow& entry : m_rows) {
            m_list->AddRow(SquadRowText(entry));
        }
        SetCurrentRow(row);
    }
    m_list->doItemsLayout();
    m_list->verticalScrollBar()->setValue(scrolled);
    if (row >= 0) {
        m_list->scrollToItem(m_list->item(row));
    }
    ShowCurrentRow(row);
    m_count->setText(QString::number(m_rows.size()));
    m_average->setText(QString::asprintf("%2.1f", AverageSquadStrength(m_rows)));
}

void CDlgPlayerList::SelectPerson(std::uint32_t personId) {
    int row = -1;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].personId == personId) {
            row = static_cast<int>(i);
        }
    }
    {
        const QSignalBlocker blocker(m_list);
        SetCurrentRow(row);
    }
    ShowCurrentRow(row);
}

void CDlgPlayerList::SetCurrentRow(int row) {
    if (row >= 0) {
        m_list->setCurrentRow(row);
        return;
    }
    // Set through the view, so that the list does not pick its first row itself when it gets
    // the focus back (after a context menu, for example).
    m_list->setCurrentIndex(QModelIndex());
    m_list->clearSelection();
}

void CDlgPlayerList::SortBy(ESquadOrder order) {
    m_order = order;
    Rebuild();
}

void CDlgPlayerList::ShowCurrentRow(int row) {
    m_currentRow = row;
    m_current = row >= 0 && row < static_cast<int>(m_rows.size())
                    ? m_rows[static_cast<std::size_t>(row)].personId
                    : 0;
}

}  // namespace kw
