#include "gui/editors/DlgFixturelist.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "editing/CompositionCommands.h"
#include "editing/FixtureListEditing.h"
#include "gui/controls/MyListBox.h"
#include "gui/controls/SmallControls.h"
#include "gui/controls/ValueScrollBar.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// Home name, "-", away name; in dialog units.
const std::vector<SListColumn> kPairingColumns = {SListColumn{0, 110}, SListColumn{114, 120},
                                                  SListColumn{124, 234}};
constexpr int kTeamListWidth = 120;
constexpr int kLeagueListWidth = 100;

CMyListBox* MakeList(const QString& name, int widthInDialogUnits, QWidget* parent) {
    auto* list = new CMyListBox(parent);
    list->setObjectName(name);
    list->setMinimumWidth(list->fontMetrics().averageCharWidth() * widthInDialogUnits / 4);
    return list;
}

// The list in a group box. Screen readers do not name a list by the group box around it: the
// title names it.
QGroupBox* Group(const QString& title, QWidget* content, QWidget* parent) {
    content->setAccessibleName(title);
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

// What a row stands for: a league id, a pairing's column or a team's position.
std::uint32_t RowValue(const CMyListBox& list, int row) {
    const QListWidgetItem* item = list.item(row);
    return item != nullptr ? item->data(Qt::UserRole).toUInt() : 0;
}

void AddValueRow(CMyListBox& list, std::string_view text, std::uint32_t value) {
    list.item(list.AddRow(text))->setData(Qt::UserRole, value);
}

void AddKey(QWidget& list, const QList<QKeySequence>& keys, const std::function<void()>& act) {
    auto* action = new QAction(&list);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, &list, act);
    list.addAction(action);
}

}  // namespace

CDlgFixturelist::CDlgFixturelist(CDatabaseDocument& document, int country, std::uint32_t league,
                                 QWidget* parent)
    : CDialogB(parent), m_document(document), m_session(country) {
    setObjectName(QStringLiteral("DlgFixturelist"));
    setWindowTitle(tr("Kickwerk 06 - Spielplan"));
    setModal(true);

    m_leagues = MakeList(QStringLiteral("leagues"), kLeagueListWidth, this);
    m_pairings = MakeList(QStringLiteral("pairings"), kPairingColumns.back().end, this);
    m_pairings->SetColumns(kPairingColumns);
    m_teams = MakeList(QStringLiteral("teams"), kTeamListWidth, this);

    auto* matchdayLabel = new QLabel(tr("&Spieltag:"), this);
    m_matchdayNumber = new QLabel(this);
    m_matchdayNumber->setObjectName(QStringLiteral("matchday"));
    m_matchdayNumber->setMinimumWidth(m_matchdayNumber->fontMetrics().horizontalAdvance("000"));
    m_matchdayBar = new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal, this);
    m_matchdayBar->setObjectName(QStringLiteral("matchdayBar"));
    m_matchdayBar->setPageStep(1);
    matchdayLabel->setBuddy(m_matchdayBar);
    auto* matchdayRow = new QHBoxLayout;
    matchdayRow->addWidget(matchdayLabel);
    matchdayRow->addWidget(m_matchdayNumber);
    matchdayRow->addWidget(m_matchdayBar, 1);

    m_clearMatchday =
        MakeButton(tr("Spieltag komplett löschen"), QStringLiteral("clearMatchday"), this);
    m_clearAll = MakeButton(tr("Alle Spieltage löschen"), QStringLiteral("clearAll"), this);
    m_generate =
        MakeButton(tr("Vom Computer generierter Spielplan"), QStringLiteral("generate"), this);
    m_mirror = MakeButton(tr("Rückrunde wie Hinrunde"), QStringLiteral("mirror"), this);
    QPushButton* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("ok"), this);
    ok->setDefault(true);
    QPushButton* cancel = MakeButton(tr("Abbruch"), QStringLiteral("cancel"), this);
    connect(m_clearMatchday, &QPushButton::clicked, this, &CDlgFixturelist::ClearMatchday);
    connect(m_clearAll, &QPushButton::clicked, this, &CDlgFixturelist::ClearAllMatchdays);
    connect(m_generate, &QPushButton::clicked, this, &CDlgFixturelist::Generate);
    connect(m_mirror, &QPushButton::clicked, this, &CDlgFixturelist::Mirror);
    connect(ok, &QPushButton::clicked, this, &CDlgFixturelist::accept);
    connect(cancel, &QPushButton::clicked, this, &CDlgFixturelist::reject);

    auto* lists = new QHBoxLayout;
    lists->addWidget(Group(tr("Spielpaarungen"), m_pairings, this), 3);
    lists->addWidget(Group(tr("Vereine"), m_teams, this), 2);
    auto* schedule = new QVBoxLayout;
    schedule->addLayout(matchdayRow);
    schedule->addLayout(lists, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(Group(tr("Ligen"), m_leagues, this), 1);
    top->addLayout(schedule, 4);

    auto* commands = new QHBoxLayout;
    for (QPushButton* button : {m_clearMatchday, m_clearAll, m_generate, m_mirror}) {
        commands->addWidget(button);
    }
    commands->addStretch();
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(ok);
    closing->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(commands);
    layout->addLayout(closing);

    setTabOrder(m_leagues, m_matchdayBar);
    setTabOrder(m_matchdayBar, m_pairings);
    setTabOrder(m_pairings, m_teams);
    setTabOrder(m_teams, m_clearMatchday);
    setTabOrder(m_clearMatchday, m_clearAll);
    setTabOrder(m_clearAll, m_generate);
    setTabOrder(m_generate, m_mirror);
    setTabOrder(m_mirror, ok);
    setTabOrder(ok, cancel);

    connect(m_leagues, &QListWidget::currentRowChanged, this, &CDlgFixturelist::ChooseLeague);
    connect(m_matchdayBar, &CValueScrollBar::BarValueChanged, this, &CDlgFixturelist::ShowMatchday);
    connect(m_teams, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { PlaceTeam(m_teams->row(item)); });
    connect(m_pairings, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { FreePairing(m_pairings->row(item)); });
    // Enter places the team instead of closing the dialog through the default button.
    AddKey(*m_teams, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
           [this] { PlaceTeam(m_teams->currentRow()); });
    AddKey(*m_pairings, {QKeySequence(Qt::Key_Delete)},
           [this] { FreePairing(m_pairings->currentRow()); });

    {
        const QSignalBlocker quiet(m_leagues);
        for (const SLeagueRow& row :
             LeagueRows(m_document.World(), country, m_document.Language())) {
            AddValueRow(*m_leagues, row.name, row.leagueId);
        }
        int chosen = 0;
        for (int row = 0; row < m_leagues->count(); ++row) {
            if (RowValue(*m_leagues, row) == league) {
                chosen = row;
            }
        }
        m_leagues->setCurrentRow(m_leagues->count() > 0 ? chosen : -1);
    }
    ChooseLeague();
}

void CDlgFixturelist::Edit(CDatabaseDocument& document, int country, QWidget* parent,
                           std::uint32_t league) {
    if (country < 1 || country > kCountryCount) {
        return;
    }
    CDlgFixturelist dialog(document, country, league, parent);
    dialog.exec();
}

std::uint32_t CDlgFixturelist::CurrentLeague() const {
    return RowValue(*m_leagues, m_leagues->currentRow());
}

const CDBLeague* CDlgFixturelist::League() const {
    return FixtureLeague(m_document.World(), m_session.Country(), CurrentLeague());
}

CDBFixturelist* CDlgFixturelist::CurrentList() {
    return m_session.List(m_document.World(), CurrentLeague());
}

void CDlgFixturelist::ChooseLeague() {
    const CDBFixturelist* list = CurrentList();
    const int count = list != nullptr ? MatchdayCount(*list) : 0;
    {
        const QSignalBlocker quiet(m_matchdayBar);
        m_matchdayBar->setRange(0, std::max(count - 1, 0));
        m_matchdayBar->SetValue(0);
    }
    m_matchdayBar->setEnabled(count > 0);
    ShowMatchday(count > 0 ? 0 : -1);
}

void CDlgFixturelist::ShowMatchday(int matchday) {
    CDBFixturelist* list = CurrentList();
    const CDBLeague* league = League();
    m_matchday = list != nullptr && HasMatchday(*list, matchday) ? matchday : -1;
    m_matchdayNumber->setText(m_matchday >= 0 ? QString::number(m_matchday + 1) : QString());

    const int pairingRow = m_pairings->currentRow();
    const int teamRow = m_teams->currentRow();
    m_pairings->clear();
    m_teams->clear();
    if (list != nullptr && league != nullptr) {
        for (const SPairingRow& row : MatchdayPairings(*list, m_matchday)) {
            AddValueRow(
                *m_pairings,
                PairingText(m_document.World(), *league, row.home, row.away, m_document.Language()),
                static_cast<std::uint32_t>(row.column));
        }
        for (const int position : TeamsWithoutPairing(*list, m_matchday, league->TeamCount())) {
            AddValueRow(
                *m_teams,
                FixtureTeamName(m_document.World(), *league, position, m_document.Language()),
                static_cast<std::uint32_t>(position));
        }
    }
    // The row that was chosen, or the nearest, so Enter can place one team after the other.
    m_pairings->setCurrentRow(std::min(std::max(pairingRow, 0), m_pairings->count() - 1));
    m_teams->setCurrentRow(std::min(std::max(teamRow, 0), m_teams->count() - 1));

    m_clearMatchday->setEnabled(m_matchday >= 0);
    m_clearAll->setEnabled(list != nullptr && MatchdayCount(*list) > 0);
    m_generate->setEnabled(league != nullptr && CanGenerateFixtures(league->LeagueSize()));
    m_mirror->setEnabled(list != nullptr && CanMirrorFirstHalf(*list));
}

void CDlgFixturelist::PlaceTeam(int row) {
    CDBFixturelist* list = CurrentList();
    if (list != nullptr && row >= 0 &&
        PlaceTeamOnMatchday(*list, m_matchday, static_cast<int>(RowValue(*m_teams, row)))) {
        ShowMatchday(m_matchday);
    }
}

void CDlgFixturelist::FreePairing(int row) {
    CDBFixturelist* list = CurrentList();
    if (list != nullptr && row >= 0 &&
        kw::FreePairing(*list, m_matchday, static_cast<int>(RowValue(*m_pairings, row)))) {
        ShowMatchday(m_matchday);
    }
}

void CDlgFixturelist::ClearMatchday() {
    if (CDBFixturelist* list = CurrentList()) {
        list->ClearRow(m_matchday);
        ShowMatchday(m_matchday);
    }
}

void CDlgFixturelist::ClearAllMatchdays() {
    if (CDBFixturelist* list = CurrentList()) {
        list->ClearAll();
        ShowMatchday(m_matchday);
    }
}

void CDlgFixturelist::Generate() {
    CDBFixturelist* list = CurrentList();
    const CDBLeague* league = League();
    if (list != nullptr && league != nullptr &&
        GenerateFixtures(*list, league->LeagueSize(), league->Meetings())) {
        // The list may have changed its size with the league's: the range follows it.
        const int matchday = m_matchday;
        ChooseLeague();
        m_matchdayBar->SetValue(std::max(matchday, 0));
    }
}

void CDlgFixturelist::Mirror() {
    if (CDBFixturelist* list = CurrentList(); list != nullptr && MirrorFirstHalf(*list)) {
        ShowMatchday(m_matchday);
    }
}

void CDlgFixturelist::accept() {
    m_session.Store(m_document);
    QDialog::accept();
}

}  // namespace kw
