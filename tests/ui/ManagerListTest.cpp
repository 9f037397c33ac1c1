#include <map>

#include "SquadDrivers.h"
#include "editing/SquadCommands.h"
#include "editing/SquadRules.h"
#include "editing/StaffKinds.h"
#include "editing/StaffList.h"
#include "gui/controls/DlgErrorSingle.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgManagAll.h"
#include "gui/editors/DlgManagerList.h"
#include "gui/editors/DlgPlayerSearch.h"
#include "gui/editors/DlgPlayerSelect.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/editors/player/PersonPageTabs.h"
#include "gui/editors/player/PlayerPage.h"
#include "model/WithoutClub.h"

namespace kw {

using namespace test;

// The manager list in the squad dialog's "Vorstand/Trainer" tab and in the club's staff dialog,
// on the small demo database, driven with the mouse and the keyboard.
class ManagerListTest : public CSquadGuiTest {
    Q_OBJECT

private slots:
    void aFetchedTrainerGreysNewTrainerAndCoTrainerStaysOfferedUntilOneExists();
    void menuActsOnThePersonPointedAtAndCreatesAndFetchesOnlyIntoRoom();
    void oneUndoTakesBackTheSquadSessionsCreateTransferAndDeletion();
    void staffDialogShowsDuplicatesAndIsOneUndoableSession();

private:
    // A new club in the demo's country of a squad with `players` first-team players and one
    // person of each kind in `kinds`.
    CClub& NewClub(int players, std::initializer_list<int> kinds);
    // The squad dialog on its "Vorstand/Trainer" tab.
    std::unique_ptr<CDlgPlayerlistClub> OpenBoard(const CClub& club);
    static void ClickPerson(CDlgManagerList& list, std::uint32_t personId);
    // The context menu on the current row (a right click; the context menu key without one): the
    // enabled state of every item by its text, and the item `choose` chosen when it is enabled
    // (Escape otherwise).
    static std::map<QString, bool> Menu(CDlgManagerList& list, const QString& choose = {});
    // Chooses in the club chooser, or in the person chooser, the entry with that value.
    static void ChooseIn(QListWidget& list, std::uint32_t value);
    static void Transfer(CDlgManagerList& list, std::uint32_t target);
    // Closes the squad dialog with OK, waving its squad faults through.
    static void CloseSquad(CDlgPlayerlistClub& dialog);
    int DemoCountry() const;
};

int ManagerListTest::DemoCountry() const {
    for (int country = 1; country <= kCountryCount; ++country) {
        if (Live().Country(country).ClubCount() >= 2) {
            return country;
        }
    }
    throw std::runtime_error("demo without two clubs in a country");
}

CClub& ManagerListTest::NewClub(int players, std::initializer_list<int> kinds) {
    CClub& club = *Live().Country(DemoCountry()).CreateClub();
    for (int i = 0; i < players; ++i) {
        AddPerson(club, 0);
    }
    for (const int kind : kinds) {
        AddPerson(club, kind);
    }
    return club;
}

std::unique_ptr<CDlgPlayerlistClub> ManagerListTest::OpenBoard(const CClub& club) {
    auto dialog = OpenSquad(club);
    QTabBar* tabs = dialog->Teams().tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    [&] { QCOMPARE(dialog->Teams().currentWidget(), &dialog->ManagerList()); }();
    return dialog;
}

void ManagerListTest::ClickPerson(CDlgManagerList& list, std::uint32_t personId) {
    ChooseIn(list.List(), personId);
    QCOMPARE(list.CurrentPerson(), personId);
}

std::map<QString, bool> ManagerListTest::Menu(CDlgManagerList& list, const QString& choose) {
    const int row = list.List().currentRow();
    const std::map<QString, bool> items = UseContextMenu(
        list.List(), row, row >= 0 ? EMenuWay::kRightClick : EMenuWay::kMenuKey, choose);
    [&] { QVERIFY(!items.empty()); }();
    return items;
}

void ManagerListTest::ChooseIn(QListWidget& list, std::uint32_t value) {
    const int row = RowWithData(list, value);
    QVERIFY(row >= 0);
    ClickRow(list, row);
}

void ManagerListTest::Transfer(CDlgManagerList& list, std::uint32_t target) {
    bool chosen = false;
    QObject scope;
    WhenModal<CDlgSelectClub>(scope, [&chosen, target](CDlgSelectClub& chooser) {
        chosen = ChooseClub(chooser, target) == target;
    });
    QVERIFY(Menu(list, QStringLiteral("Person transferieren"))
                .at(QStringLiteral("Person transferieren")));
    QVERIFY(chosen);
}

void ManagerListTest::CloseSquad(CDlgPlayerlistClub& dialog) {
    CloseWith(dialog, Qt::Key_Return, true);
    QVERIFY(!dialog.isVisible());
}

// A trainer fetched in the staff mode chooser greys "Neuer Trainer"; "Neuer Co-Trainer" stays
// offered until one exists.
void ManagerListTest::aFetchedTrainerGreysNewTrainerAndCoTrainerStaysOfferedUntilOneExists() {
    CClub& club = NewClub(14, {personkind::kPresident});
    CClub& other = OtherClub(club);
    const std::uint32_t trainer = AddPerson(other, personkind::kTrainer).Id();
    auto dialog = OpenBoard(club);
    CDlgManagerList& list = dialog->ManagerList();
    QCOMPARE(list.List().count(), 1);
    // Eighteen creating commands, then the three others.
    std::map<QString, bool> items = Menu(list);
    QCOMPARE(items.size(), std::size_t{21});
    QVERIFY(items.at(QStringLiteral("Neuer Trainer")));
    QVERIFY(items.at(QStringLiteral("Neuer Spezialist Kn\u00f6chel")));
    QVERIFY(items.at(QStringLiteral("Person holen")));
    // Nobody chosen yet: nothing to transfer or delete.
    QVERIFY(!items.at(QStringLiteral("Person transferieren")));
    QVERIFY(!items.at(QStringLiteral("Eintrag l\u00f6schen")));

    bool staffOnly = false;
    QObject scope;
    WhenModal<CDlgPlayerSelect>(scope, [&](CDlgPlayerSelect& chooser) {
        ChooseIn(chooser.Countries(), static_cast<std::uint32_t>(other.Country()));
        ChooseIn(chooser.Clubs(), other.Id());
        // The staff mode lists the club's staff, not its players.
        staffOnly = chooser.Mode() == EPersonChoice::kStaff &&
                    chooser.Players().count() == static_cast<int>(other.Staff().size());
        ChooseIn(chooser.Players(), trainer);
        QTest::keyClick(&chooser, Qt::Key_Return);
    });
    QVERIFY(Menu(list, QStringLiteral("Person holen")).at(QStringLiteral("Person holen")));
    QVERIFY(staffOnly);
    ExpectSound();
    QVERIFY(club.HasPerson(trainer));
    QVERIFY(!other.HasPerson(trainer));
    QCOMPARE(list.CurrentPerson(), trainer);
    QCOMPARE(dialog->CurrentPerson(), trainer);
    items = Menu(list);
    QVERIFY(!items.at(QStringLiteral("Neuer Trainer")));
    QVERIFY(items.at(QStringLiteral("Neuer Co-Trainer")));

    QVERIFY(Menu(list, QStringLiteral("Neuer Co-Trainer")).at(QStringLiteral("Neuer Co-Trainer")));
    ExpectSound();
    const std::uint32_t created = dialog->CurrentPerson();
    const CPlayer* coTrainer = m_document->World().Person(created);
    QVERIFY(coTrainer != nullptr && club.HasPerson(created));
    QCOMPARE(int{coTrainer->Kind()}, 4);
    QCOMPARE(list.CurrentPerson(), created);
    QCOMPARE(list.List().Row(list.List().currentRow()), coTrainer->ShortName() + "\tCo-Trainer");
    // The pages show the new person.
    auto* page = qobject_cast<CPlayerPage*>(dialog->Pages().Page(dialog->Pages().currentIndex()));
    QVERIFY(page != nullptr);
    QCOMPARE(page->PlayerId(), created);
    QVERIFY(!Menu(list).at(QStringLiteral("Neuer Co-Trainer")));
    CloseSquad(*dialog);
    QCOMPARE(Edits(), std::size_t{1});
}

void ManagerListTest::menuActsOnThePersonPointedAtAndCreatesAndFetchesOnlyIntoRoom() {
    CClub& club = NewClub(14, {personkind::kTrainer, 8, 9, 13});
    auto dialog = OpenBoard(club);
    CMyListBox& list = dialog->ManagerList().List();
    const QString remove = QStringLiteral("Eintrag l\u00f6schen");
    // Row 0 selected; a right click on row 1, or either key with row 1 made current.
    for (const EMenuWay way : kMenuWays) {
        ClickRow(list, 0);
        const std::uint32_t first = list.item(0)->data(Qt::UserRole).toUInt();
        const std::uint32_t pointed = list.item(1)->data(Qt::UserRole).toUInt();
        QVERIFY(UseContextMenu(list, 1, way, remove)[remove]);
        QCOMPARE(m_document->World().Person(pointed), nullptr);
        QVERIFY(club.HasPerson(first));
    }
    // At seventy persons no staff member is created, by the menu or otherwise.
    while (club.PersonIds().size() < kPersonsForNewStaff) {
        AddPerson(club, personkind::kPlayer);
    }
    const std::string before = Dump();
    const std::map<QString, bool> items = Menu(dialog->ManagerList());
    for (int kind = kFirstStaffKind; kind <= kLastStaffKind; ++kind) {
        QVERIFY(!items.at(Cp1252ToQString(NewStaffCommandText(kind))));
    }
    dialog->ManagerList().NewPerson(personkind::kPresident);
    QCOMPARE(club.PersonIds().size(), std::size_t{kPersonsForNewStaff});
    QVERIFY(Dump() == before);
    // A full club takes nobody: fetching is offered no longer.
    QVERIFY(items.at(QStringLiteral("Person holen")));
    while (HasRoomForPerson(club)) {
        AddPerson(club, personkind::kPlayer);
    }
    QVERIFY(!Menu(dialog->ManagerList()).at(QStringLiteral("Person holen")));
    CloseSquad(*dialog);
}

void ManagerListTest::oneUndoTakesBackTheSquadSessionsCreateTransferAndDeletion() {
    CClub& club = NewClub(14, {personkind::kTrainer, 5, 13});
    const std::uint32_t keeperTrainer = club.PersonIds()[15];
    const std::uint32_t masseur = club.PersonIds()[16];
    CClub& other = OtherClub(club);
    const std::string before = Dump();
    auto dialog = OpenBoard(club);
    CDlgManagerList& list = dialog->ManagerList();

    QVERIFY(Menu(list, QStringLiteral("Neuer Psychologe")).at(QStringLiteral("Neuer Psychologe")));
    ExpectSound();
    const std::uint32_t psychologist = list.CurrentPerson();
    QVERIFY(psychologist != 0 && club.HasPerson(psychologist));
    ClickPerson(list, keeperTrainer);
    // Into the own club changes nothing and keeps the selection (which transfers apply:
    // StaffCommandsTest in tests/editing).
    const std::string created = Dump();
    Transfer(list, club.Id() | kSecondTeamFlag);
    QVERIFY(Dump() == created);
    QCOMPARE(list.CurrentPerson(), keeperTrainer);
    Transfer(list, other.Id());
    ExpectSound();
    QVERIFY(other.HasPerson(keeperTrainer));
    QCOMPARE(int{m_document->World().Person(keeperTrainer)->TeamFlag()}, 0);
    ClickPerson(list, masseur);
    QVERIFY(Menu(list, QStringLiteral("Eintrag l\u00f6schen"))
                .at(QStringLiteral("Eintrag l\u00f6schen")));
    ExpectSound();
    // A deleted masseur leaves the world, not for the list without club (StaffCommandsTest).
    QCOMPARE(m_document->World().Person(masseur), nullptr);
    QCOMPARE(dialog->CurrentPerson(), 0u);
    QCOMPARE(Edits(), std::size_t{0});
    CloseSquad(*dialog);
    const std::string after = Dump();

    QCOMPARE(Edits(), std::size_t{1});
    QVERIFY(m_document->Undo());
    QVERIFY(Dump() == before);
    ExpectSound();
    QVERIFY(m_document->Redo());
    QVERIFY(Dump() == after);
    // The staff as the session left them still make a master file.
    const QString fault = MasterBuildFault(Live());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void ManagerListTest::staffDialogShowsDuplicatesAndIsOneUndoableSession() {
    CClub& club = NewClub(14, {personkind::kTrainer, 4, 7});
    const std::uint32_t trainer = club.PersonIds()[14];
    const std::uint32_t coTrainer = club.PersonIds()[15];
    for (const std::uint32_t id : {trainer, coTrainer}) {
        Live().Person(id)->SetSurname("Meyer");
        Live().Person(id)->SetFirstName("Jan");
    }
    const std::string before = Dump();

    // Browsing every person and closing leaves no edit.
    {
        CDlgManagAll dialog(*m_document, club.Id(), m_demo.Installation(), nullptr,
                            m_demo.Context().installDirectory);
        ShowActive(dialog);
        QCOMPARE(dialog.ManagerList().List().count(), 3);
        QCOMPARE(dialog.CurrentPerson(), trainer);
        // "Suchen" opens the player search; cancelled, it changes nothing.
        bool searchShown = false;
        QObject search;
        WhenModal<CDlgPlayerSearch>(search, [&searchShown](CDlgPlayerSearch& criteria) {
            searchShown = true;
            criteria.reject();
        });
        Click(dialog, QStringLiteral("search"));
        QVERIFY(searchShown);
        for (int row = 0; row < 3; ++row) {
            ClickRow(dialog.ManagerList().List(), row);
            QCOMPARE(dialog.CurrentPerson(), club.PersonIds()[14 + row]);
        }
        std::string text;
        QObject scope;
        WhenModal<CDlgErrorSingle>(scope, [&text](CDlgErrorSingle& box) {
            text = box.Text();
            QTest::mouseClick(box.OkButton(), Qt::LeftButton);
        });
        Click(dialog, QStringLiteral("duplicates"));
        QVERIFY(text.find("Meyer, Jan") != std::string::npos);
        QVERIFY(text.find("Trainer / Co-Trainer") != std::string::npos);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }
    QCOMPARE(Edits(), std::size_t{0});
    QVERIFY(Dump() == before);

    // A creation and a deletion in one session: one undo.
    QObject scope;
    WhenModal<CDlgManagAll>(scope, [this, coTrainer](CDlgManagAll& dialog) {
        CDlgManagerList& list = dialog.ManagerList();
        QVERIFY(Menu(list, QStringLiteral("Neuer Masseur")).at(QStringLiteral("Neuer Masseur")));
        QCOMPARE(m_document->World().Person(dialog.CurrentPerson())->Kind(), 13);
        ClickPerson(list, coTrainer);
        QVERIFY(Menu(list, QStringLiteral("Eintrag l\u00f6schen"))
                    .at(QStringLiteral("Eintrag l\u00f6schen")));
        ExpectSound();
        Click(dialog, QStringLiteral("ok"));
    });
    CDlgManagAll::Edit(*m_document, club.Id(), m_demo.Installation(), nullptr,
                       m_demo.Context().installDirectory, nullptr);
    QCOMPARE(Edits(), std::size_t{1});
    QCOMPARE(m_document->UndoDescription().value_or(""), std::string("Personal"));
    QCOMPARE(m_document->World().Person(coTrainer), nullptr);
    QVERIFY(m_document->Undo());
    QVERIFY(Dump() == before);
    ExpectSound();
    // A national team has no staff dialog.
    CDlgManagAll::Edit(*m_document, MakeClubId(club.Country(), kNationalTeamIndex),
                       m_demo.Installation(), nullptr, m_demo.Context().installDirectory, nullptr);
    QCOMPARE(Edits(), std::size_t{1});
}

}  // namespace kw

KW_GUI_TEST(ManagerListTest);

#include "ManagerListTest.moc"
