#include "gui/editors/DlgPlayerlistClub.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>
#include <optional>
#include <utility>

#include "document/DatabaseDocument.h"
#include "document/RecordEdits.h"
#include "editing/SquadCommands.h"
#include "editing/SquadRules.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/DlgErrorMessage.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/MyListBox.h"
#include "gui/controls/ScrollingPage.h"
#include "gui/controls/SmallControls.h"
#include "gui/editors/DlgManagerList.h"
#include "gui/editors/DlgPlayerList.h"
#include "gui/editors/DlgPlayerSelect.h"
#include "gui/editors/DlgSearchResult.h"
#include "gui/editors/DlgSelectClub.h"
#include "gui/editors/DlgShirtNo.h"
#include "gui/editors/PlayerDouble.h"
#include "gui/editors/player/PersonPageTabs.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw {

namespace {

constexpr int kStaffTab = 2;

}  // namespace

CDlgPlayerlistClub::CDlgPlayerlistClub(CDatabaseDocument& document, std::uint32_t clubId,
                                       const CInstallationData& installation,
                                       CRenderManager* renderer,
                                       std::filesystem::path installDirectory, QWidget* parent)
    : CLiveEditDialog(document, QStringToCp1252(tr("Spielerkader")), parent),
      m_document(document),
      m_clubId(clubId) {
    setObjectName(QStringLiteral("DlgPlayerlistClub"));
    setWindowTitle(tr("Kickwerk 06 - Spielerkader"));
    setModal(true);
    m_teams = new QTabWidget(this);
    m_teams->setObjectName(QStringLiteral("teams"));
    m_teams->setAccessibleName(tr("Kader"));
    for (const bool secondTeam : {false, true}) {
        auto* list = new CDlgPlayerList(document, clubId, secondTeam, m_teams);
        list->setObjectName(secondTeam ? QStringLiteral("secondTeam")
                                       : QStringLiteral("firstTeam"));
        connect(
            list, &CDlgPlayerList::menuRequested, this,
            [this, secondTeam](const QPoint& position) { TeamMenu(secondTeam)->exec(position); });
        m_teams->addTab(list, secondTeam ? tr("2. Mannschaft") : tr("1. Mannschaft"));
        m_lists.push_back(list);
    }
    m_managers = new CDlgManagerList(document, clubId, m_teams);
    connect(m_managers, &CDlgManagerList::clubChanged, this, &CDlgPlayerlistClub::RebuildLists);
    const QString managersCaption = tr("Vorstand/Trainer");
    m_teams->addTab(m_managers, managersCaption);
    m_managers->List().setAccessibleName(managersCaption);
    connect(m_teams, &QTabWidget::currentChanged, this, &CDlgPlayerlistClub::ChooseTeamTab);

    m_pages =
        new CPersonPageTabs({document, installation, renderer, std::move(installDirectory)}, this);
    for (CDlgPlayerList* list : m_lists) {
        connect(list, &CDlgPlayerList::personChosen, m_pages, &CPersonPageTabs::ChoosePerson);
    }
    connect(m_managers, &CDlgManagerList::personChosen, m_pages, &CPersonPageTabs::ChoosePerson);
    connect(m_managers, &CDlgManagerList::aboutToChange, m_pages, &CPersonPageTabs::StoreShownPage);
    connect(m_pages, &CPersonPageTabs::personChanged, this, &CDlgPlayerlistClub::RebuildLists);

    auto* columns = new QHBoxLayout;
    columns->addWidget(m_teams, 2);
    columns->addWidget(m_pages, 3);

    auto* buttons = new QHBoxLayout;
    QPushButton* shirts = MakeButton(tr("Rückennr."), QStringLiteral("shirtNumbers"), this);
    connect(shirts, &QPushButton::clicked, this, &CDlgPlayerlistClub::EditShirtNumbers);
    buttons->addWidget(shirts);
    QPushButton* print = MakeButton(tr("Drucken"), QStringLiteral("print"), this);
    print->setEnabled(false);
    buttons->addWidget(print);
    QPushButton* duplicates =
        MakeButton(tr("Doppelte Spieler anzeigen"), QStringLiteral("duplicates"), this);
    connect(duplicates, &QPushButton::clicked, this, [this] {
        CPlayerDouble::Show(m_document.World(), m_document.Language(), ClubCountry(m_clubId),
                            m_clubId, this);
    });
    buttons->addWidget(duplicates);
    QPushButton* search = MakeButton(tr("Spieler suchen"), QStringLiteral("search"), this);
    connect(search, &QPushButton::clicked, this, &CDlgPlayerlistClub::SearchPlayers);
    buttons->addWidget(search);
    buttons->addStretch();
    QPushButton* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CDlgPlayerlistClub::accept);
    buttons->addWidget(ok);

    auto* hint = new QLabel(ResourceQString(ids::kSquadHint), this);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    layout->addWidget(hint);

    const std::vector<SSquadRow>& rows = List(false).Rows();
    List(false).SelectPerson(rows.empty() ? 0 : rows.front().personId);
    m_pages->ShowPerson(List(false).CurrentPerson());
    FitToScreen(*this);
}

std::uint32_t CDlgPlayerlistClub::CurrentPerson() const {
    return m_pages->Person();
}

CMyListBox& CDlgPlayerlistClub::StaffList() const {
    return m_managers->List();
}

CDlgPlayerList& CDlgPlayerlistClub::List(bool secondTeam) const {
    return *m_lists.at(secondTeam ? 1 : 0);
}

const CClub* CDlgPlayerlistClub::Club() const {
    return m_document.World().Country(ClubCountry(m_clubId)).Club(m_clubId);
}

bool CDlgPlayerlistClub::ShownListIsSecondTeam() const {
    return m_teams->currentIndex() == 1;
}

std::unique_ptr<QMenu> CDlgPlayerlistClub::TeamMenu(bool secondTeam) {
    const CClub* club = Club();
    const bool selected = List(secondTeam).CurrentPerson() != 0;
    auto menu = std::make_unique<QMenu>(this);
    menu->addAction(tr("Neuer Spieler"), this, [this, secondTeam] { NewPlayer(secondTeam); })
        ->setEnabled(club != nullptr &&
                     club->PersonIds().size() < static_cast<std::size_t>(kSquadNewPlayerLimit));
    menu->addAction(tr("Spieler transferieren"), this, &CDlgPlayerlistClub::TransferPlayer)
        ->setEnabled(selected);
    menu->addAction(tr("Spieler holen"), this, &CDlgPlayerlistClub::FetchPlayer)
        ->setEnabled(club != nullptr && CanReceivePerson(*club));
    menu->addAction(secondTeam ? tr("In 1. Mannschaft") : tr("In 2. Mannschaft"), this,
                    &CDlgPlayerlistClub::SwitchTeam)
        ->setEnabled(selected);
    menu->addAction(tr("Eintrag löschen"), this, &CDlgPlayerlistClub::ReleasePerson)
        ->setEnabled(selected);
    return menu;
}

void CDlgPlayerlistClub::ChooseTeamTab(int index) {
    m_pages->ChoosePerson(index == kStaffTab ? m_managers->CurrentPerson()
                                             : List(index == 1).CurrentPerson());
}

void CDlgPlayerlistClub::RebuildLists() {
    for (CDlgPlayerList* list : m_lists) {
        list->Rebuild();
    }
    m_managers->Rebuild();
    const int tab = m_teams->currentIndex();
    const std::uint32_t shown =
        tab == kStaffTab ? m_managers->CurrentPerson() : List(tab == 1).CurrentPerson();
    if (shown != CurrentPerson()) {
        m_pages->ShowPerson(shown);
    }
}

void CDlgPlayerlistClub::NewPlayer(bool secondTeam) {
    m_pages->StoreShownPage();
    const std::uint32_t id =
        NewSquadPlayer(m_document, m_clubId, secondTeam, List(secondTeam).CurrentPerson());
    if (id == 0) {
        return;
    }
    RebuildLists();
    List(secondTeam).SelectPerson(id);
    m_pages->ShowPerson(id);
}

void CDlgPlayerlistClub::TransferPlayer() {
    m_pages->StoreShownPage();
    const std::uint32_t person = CurrentPerson();
    if (person == 0) {
        return;
    }
    const std::optional<std::uint32_t> target = CDlgSelectClub::Choose(
        m_document.World(), m_document.Language(), ClubCountry(m_clubId), this);
    if (target && TransferSquadPlayer(m_document, m_clubId, person, *target)) {
        RebuildLists();
    }
}

void CDlgPlayerlistClub::FetchPlayer() {
    m_pages->StoreShownPage();
    const std::optional<std::uint32_t> chosen = CDlgPlayerSelect::Choose(
        m_document.World(), m_document.Language(), ClubCountry(m_clubId), this);
    if (chosen && FetchSquadPlayer(m_document, m_clubId, *chosen)) {
        RebuildLists();
    }
}

void CDlgPlayerlistClub::SearchPlayers() {
    m_pages->StoreShownPage();
    if (CDlgSearchResult::RunSearchLoop(m_document, m_clubId, false, this).changed) {
        RebuildLists();
    }
}

void CDlgPlayerlistClub::SwitchTeam() {
    m_pages->StoreShownPage();
    if (CurrentPerson() != 0 && SwitchSquadTeam(m_document, m_clubId, CurrentPerson())) {
        RebuildLists();
    }
}

void CDlgPlayerlistClub::ReleasePerson() {
    m_pages->StoreShownPage();
    if (CurrentPerson() == 0 || !ReleaseSquadPerson(m_document, m_clubId, CurrentPerson())) {
        return;
    }
    for (CDlgPlayerList* list : m_lists) {
        list->Rebuild();
    }
    m_managers->Rebuild();
    if (m_teams->currentIndex() != kStaffTab) {
        List(ShownListIsSecondTeam()).SelectPerson(0);
    }
    m_pages->ShowPerson(0);
}

void CDlgPlayerlistClub::EditShirtNumbers() {
    m_pages->StoreShownPage();
    const CClub* club = Club();
    if (club == nullptr) {
        return;
    }
    // The dialog writes its numbers into the persons it is given: copies, so that what it wrote
    // becomes edits of the document.
    std::vector<std::unique_ptr<CPlayer>> copies;
    std::vector<CPlayer*> players;
    for (const std::uint32_t id : club->PersonIds()) {
        const CPlayer* person = m_document.World().Person(id);
        if (person != nullptr && person->IsPlayer()) {
            copies.push_back(person->Clone());
            players.push_back(copies.back().get());
        }
    }
    CDlgShirtNo dialog(players, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    for (const auto& copy : copies) {
        const CPlayer* person = m_document.World().Person(copy->Id());
        if (person != nullptr && !person->HasSameData(*copy)) {
            m_document.Do(
                std::make_unique<CPersonValuesEdit>(QStringToCp1252(tr("Rückennummern")), *copy));
        }
    }
    RebuildLists();
    m_pages->ShowPerson(CurrentPerson());
}

bool CDlgPlayerlistClub::CheckBeforeClosing() {
    m_pages->StoreShownPage();
    const CClub* club = Club();
    const std::vector<int> faults = club != nullptr ? CheckSquad(*club) : std::vector<int>{};
    if (faults.empty()) {
        return true;
    }
    CDlgErrorMessage messages(this);
    messages.setObjectName(QStringLiteral("squadFaults"));
    messages.SetButtonTexts(ids::kOk, ids::kNoMatter);
    for (const int fault : faults) {
        messages.AddMessage(fault);
    }
    // "OK" goes back to the squad, "Egal" closes all the same.
    return messages.exec() != QDialog::Accepted;
}

void CDlgPlayerlistClub::accept() {
    if (CheckBeforeClosing()) {
        QDialog::accept();
    }
}

}  // namespace kw
