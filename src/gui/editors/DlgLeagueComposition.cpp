#include "gui/editors/DlgLeagueComposition.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <array>
#include <string>
#include <vector>

#include "document/DatabaseDocument.h"
#include "editing/CompositionCommands.h"
#include "editing/LeagueComposition.h"
#include "gui/controls/ColumnHeadings.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/DlgErrorMessage.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/SmallControls.h"
#include "gui/editors/CompositionList.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

// "Verein", "Auf-/Abgestiegen", "Pokalerfolg"; in dialog units.
constexpr std::array kTeamColumns = {SListColumn{0, 124}, SListColumn{128, 204},
                                     SListColumn{208, 264}};
constexpr int kLeagueListWidth = 100;

CCompositionList* List(const QString& name, int widthInDialogUnits, QWidget* parent) {
    auto* list = new CCompositionList(parent);
    list->setObjectName(name);
    list->setMinimumWidth(list->fontMetrics().averageCharWidth() * widthInDialogUnits / 4 +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                          2 * list->frameWidth());
    return list;
}

// A team list under its column headers, each header as wide as its column. Screen readers do not
// name a list by the group box around it: the title names it.
QGroupBox* TeamGroup(const QString& title, CCompositionList* list, QWidget* parent) {
    list->SetColumns({kTeamColumns.begin(), kTeamColumns.end()});
    list->setAccessibleName(title);
    auto* layout = new QVBoxLayout;
    layout->addLayout(ColumnHeadings(
        *list, kTeamColumns,
        {QCoreApplication::translate("kw::CDlgLeagueComposition", "Verein"),
         QCoreApplication::translate("kw::CDlgLeagueComposition", "Auf-/Abgestiegen"),
         QCoreApplication::translate("kw::CDlgLeagueComposition", "Pokalerfolg")},
        parent));
    layout->addWidget(list, 1);
    auto* group = new QGroupBox(title, parent);
    group->setLayout(layout);
    return group;
}

void AddShortcut(QWidget& list, QKeySequence key, const std::function<void()>& act) {
    auto* action = new QAction(&list);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, &list, act);
    list.addAction(action);
}

}  // namespace

CDlgLeagueComposition::CDlgLeagueComposition(CDatabaseDocument& document, int country,
                                             QWidget* parent)
    : CLiveEditDialog(document, QStringToCp1252(tr("Ligazusammensetzung")), parent),
      m_document(document),
      m_country(country) {
    setObjectName(QStringLiteral("DlgLeagueComposition"));
    setWindowTitle(tr("Kickwerk 06 - Ligazusammensetzung"));
    setModal(true);

    const int teamWidth = kTeamColumns.back().end;
    m_leagueTeams = List(QStringLiteral("leagueTeams"), teamWidth, this);
    m_leagues = List(QStringLiteral("leagues"), kLeagueListWidth, this);
    // The group's title names the list, as for the team lists.
    const QString leaguesTitle = tr("Ligen");
    m_leagues->setAccessibleName(leaguesTitle);
    m_withoutLeague = List(QStringLiteral("withoutLeague"), teamWidth, this);

    m_clearLeague = MakeButton(tr("Liga komplett löschen"), QStringLiteral("clearLeague"), this);
    m_clearAll = MakeButton(tr("Alle Ligen komplett löschen"), QStringLiteral("clearAll"), this);
    connect(m_clearLeague, &QPushButton::clicked, this, &CDlgLeagueComposition::ClearLeague);
    connect(m_clearAll, &QPushButton::clicked, this, &CDlgLeagueComposition::ClearAllLeagues);

    auto* leagueLayout = new QVBoxLayout;
    leagueLayout->addWidget(m_leagues, 1);
    leagueLayout->addWidget(m_clearLeague);
    leagueLayout->addWidget(m_clearAll);
    auto* leagueGroup = new QGroupBox(leaguesTitle, this);
    leagueGroup->setLayout(leagueLayout);

    auto* lists = new QHBoxLayout;
    lists->addWidget(TeamGroup(tr("Vereine der Liga"), m_leagueTeams, this), 3);
    lists->addWidget(leagueGroup, 2);
    lists->addWidget(TeamGroup(tr("Vereine ohne Liga"), m_withoutLeague, this), 3);

    m_hideReserves = new QCheckBox(tr("Reservevereine ausblenden"), this);
    m_hideReserves->setObjectName(QStringLiteral("hideReserves"));
    connect(m_hideReserves, &QCheckBox::toggled, this, [this] { FillTeams(0); });
    QPushButton* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CDlgLeagueComposition::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_hideReserves);
    bottom->addStretch();
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);

    setTabOrder(m_leagueTeams, m_leagues);
    setTabOrder(m_leagues, m_clearLeague);
    setTabOrder(m_clearLeague, m_clearAll);
    setTabOrder(m_clearAll, m_withoutLeague);
    setTabOrder(m_withoutLeague, m_hideReserves);
    setTabOrder(m_hideReserves, ok);

    connect(m_leagueTeams, &CCompositionList::TeamDropped, this,
            &CDlgLeagueComposition::DropOnLeagueTeams);
    connect(m_leagues, &CCompositionList::TeamDropped, this, &CDlgLeagueComposition::DropOnLeagues);
    connect(m_withoutLeague, &CCompositionList::TeamDropped, this,
            [this](std::uint32_t team, int /*row*/) { DropOnTeamsWithoutLeague(team); });
    connect(m_leagues, &QListWidget::currentRowChanged, this, [this] { FillTeams(0); });
    for (CCompositionList* list : {m_leagueTeams, m_withoutLeague}) {
        connect(list, &CMyListBox::ContextMenuRequested, this,
                [this, list](const QPoint& at) { ShowClubMenu(*list, at); });
    }
    // Without a mouse: Delete takes the current team out of its league, Insert puts the current
    // team without league into the chosen league.
    AddShortcut(*m_leagueTeams, QKeySequence(Qt::Key_Delete), [this] {
        if (m_leagueTeams->currentRow() >= 0) {
            DropOnTeamsWithoutLeague(m_leagueTeams->Value(m_leagueTeams->currentRow()));
        }
    });
    AddShortcut(*m_withoutLeague, QKeySequence(Qt::Key_Insert), [this] {
        if (m_withoutLeague->currentRow() >= 0) {
            DropOnLeagues(m_withoutLeague->Value(m_withoutLeague->currentRow()),
                          m_leagues->currentRow());
        }
    });

    Refill();
}

void CDlgLeagueComposition::Edit(CDatabaseDocument& document, int country, QWidget* parent) {
    CDlgLeagueComposition dialog(document, country, parent);
    dialog.exec();
}

std::uint32_t CDlgLeagueComposition::CurrentLeague() const {
    return m_leagues->currentRow() >= 0 ? m_leagues->Value(m_leagues->currentRow()) : 0;
}

void CDlgLeagueComposition::Refill(std::uint32_t team) {
    const std::uint32_t league = CurrentLeague();
    {
        const QSignalBlocker quiet(m_leagues);
        m_leagues->clear();
        for (const SLeagueRow& row :
             LeagueRows(m_document.World(), m_country, m_document.Language())) {
            m_leagues->AddValueRow(row.name, row.leagueId, false);
        }
        const int chosen = m_leagues->RowOf(league);
        m_leagues->setCurrentRow(chosen >= 0 ? chosen : (m_leagues->count() > 0 ? 0 : -1));
    }
    FillTeams(team);
}

void CDlgLeagueComposition::FillTeams(std::uint32_t team) {
    const bool hide = m_hideReserves->isChecked();
    const std::uint32_t league = CurrentLeague();
    for (CCompositionList* list : {m_leagueTeams, m_withoutLeague}) {
        const int row = list->currentRow();
        const std::vector<SCompositionRow> rows =
            list == m_leagueTeams
                ? LeagueTeamRows(m_document.World(), league, hide, m_document.Language())
                : RowsWithoutLeague(m_document.World(), m_country, hide, m_document.Language());
        list->clear();
        for (const SCompositionRow& entry : rows) {
            list->AddValueRow(entry.text, entry.team, true);
        }
        // The moved team where it went; elsewhere the row nearest to the one chosen before.
        const int shown = list->RowOf(team);
        list->setCurrentRow(shown >= 0 ? shown : std::min(row, list->count() - 1));
    }
    m_clearLeague->setEnabled(league != 0);
    m_clearAll->setEnabled(m_leagues->count() > 0);
}

void CDlgLeagueComposition::DropOnLeagueTeams(std::uint32_t team, int row) {
    const std::uint32_t league = CurrentLeague();
    if (league == 0) {
        return;
    }
    const std::vector<SCompositionRow> rows = LeagueTeamRows(
        m_document.World(), league, m_hideReserves->isChecked(), m_document.Language());
    const int position = row >= 0 && row < static_cast<int>(rows.size())
                             ? rows[static_cast<std::size_t>(row)].position
                             : -1;
    if (DropTeamInLeague(m_document, league, team, position)) {
        Refill(team);
    }
}

void CDlgLeagueComposition::DropOnLeagues(std::uint32_t team, int row) {
    if (row >= 0 && AddTeamToLeague(m_document, m_leagues->Value(row), team)) {
        Refill(team);
    }
}

void CDlgLeagueComposition::DropOnTeamsWithoutLeague(std::uint32_t team) {
    if (DropTeamWithoutLeague(m_document, m_country, team)) {
        Refill(team);
    }
}

void CDlgLeagueComposition::ClearLeague() {
    if (kw::ClearLeague(m_document, CurrentLeague())) {
        Refill();
    }
}

void CDlgLeagueComposition::ClearAllLeagues() {
    if (kw::ClearAllLeagues(m_document, m_country)) {
        Refill();
    }
}

void CDlgLeagueComposition::SetMark(std::uint32_t team, ESeasonMark mark) {
    if (SetSeasonMark(m_document, m_country, team, mark)) {
        Refill(team);
    }
}

std::unique_ptr<QMenu> CDlgLeagueComposition::ClubMenu(std::uint32_t team) {
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("clubMenu"));
    const auto Add = [this, &menu, team](const QString& text, ESeasonMark mark) {
        menu->addAction(text, this, [this, team, mark] { SetMark(team, mark); });
    };
    Add(tr("Pokalsieger"), ESeasonMark::kCupWinner);
    Add(tr("Pokalfinalist"), ESeasonMark::kCupFinalist);
    // The cup group's "Nichts" leaves the marks as they are.
    menu->addAction(tr("Nichts"));
    menu->addSeparator();
    Add(tr("Aufsteiger"), ESeasonMark::kPromoted);
    Add(tr("Absteiger"), ESeasonMark::kRelegated);
    Add(tr("Nichts"), ESeasonMark::kNoLeagueMark);
    return menu;
}

void CDlgLeagueComposition::ShowClubMenu(const CCompositionList& list, const QPoint& globalPos) {
    const QListWidgetItem* row = list.itemAt(list.viewport()->mapFromGlobal(globalPos));
    if (row == nullptr) {
        return;
    }
    const std::uint32_t team = list.Value(list.row(row));
    ClubMenu(team)->exec(globalPos);
}

bool CDlgLeagueComposition::CheckBeforeClosing() {
    const SCompositionFaults faults =
        CheckComposition(m_document.World(), m_country, m_document.Language());
    if (faults.messages.empty()) {
        return true;
    }
    CDlgErrorMessage messages(this);
    messages.setObjectName(QStringLiteral("compositionFaults"));
    messages.SetButtonTexts(ids::kOk, ids::kNoMatter);
    if (faults.headed) {
        messages.SetHeading(QStringToCp1252(tr("Die folgenden Fehler sind aufgetreten!")));
    }
    for (const std::string& message : faults.messages) {
        messages.AddText(message);
    }
    // "OK" goes back to the leagues, "Egal" closes all the same.
    return messages.exec() != QDialog::Accepted;
}

void CDlgLeagueComposition::accept() {
    if (CheckBeforeClosing()) {
        QDialog::accept();
    }
}

}  // namespace kw
