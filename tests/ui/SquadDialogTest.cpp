#include <map>

#include "SquadDrivers.h"
#include "editing/SquadCommands.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgManagerAbilities.h"
#include "gui/editors/DlgManagerAllRight.h"
#include "gui/editors/DlgPlayerList.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/editors/DlgShirtNo.h"

namespace kw {

using namespace test;

// The squad dialog on the small demo database, driven with the mouse and the keyboard.
class SquadDialogTest : public CSquadGuiTest {
    Q_OBJECT

private slots:
    void browsingShowsWhatNoRecordKeepsAndClosingLeavesTheDocumentClean();
    void menuActsOnThePointedPlayerReleasesAndCreates();
    void okListsTheSquadFaultsAndOnlyEgalClosesAndSeventyPersonsTakeNoNewPlayer();
    void oneUndoTakesBackTheWholeSession();
    void squadButtonOfTheMainWindowOpensTheDialogForAClub();

private:
    // A club of the demo with at least ten first-team players and another club in its country.
    CClub& DemoClub() const;
    // A new club of the demo's first country with `players` first-team players and `trainers`
    // trainers.
    CClub& NewSquad(int players, int trainers);
    // The context menu on the current row (a right click; the context menu key without one),
    // then the item with that text when it is enabled (Escape otherwise); returns whether it was
    // enabled.
    static bool ChooseFromMenu(CDlgPlayerList& list, const QString& text);
    // Presses the squad dialog's OK; a fault list that appears is answered with "Egal" unless
    // `stay`. Returns the fault list's text (empty without faults).
    static std::string PressOk(CDlgPlayerlistClub& dialog, bool stay = false);
    // "Spieler transferieren" on the current person, choosing `target` in the club chooser.
    static void Transfer(CDlgPlayerlistClub& dialog, std::uint32_t target);
};

CClub& SquadDialogTest::DemoClub() const {
    return *ClubsWhere(Live(), [this](const CClub& club) {
                return club.FirstTeam().size() >= 10 &&
                       Live().Country(club.Country()).ClubCount() >= 2;
            }).at(0);
}

CClub& SquadDialogTest::NewSquad(int players, int trainers) {
    CClub& club = *Live().Country(DemoClub().Country()).CreateClub();
    for (int i = 0; i < players; ++i) {
        AddPerson(club, 0);
    }
    for (int i = 0; i < trainers; ++i) {
        AddPerson(club, 1);
    }
    return club;
}

bool SquadDialogTest::ChooseFromMenu(CDlgPlayerList& list, const QString& text) {
    const int row = list.List().currentRow();
    std::map<QString, bool> items = UseContextMenu(
        list.List(), row, row >= 0 ? EMenuWay::kRightClick : EMenuWay::kMenuKey, text);
    [&] { QVERIFY(!items.empty()); }();
    return items[text];
}

std::string SquadDialogTest::PressOk(CDlgPlayerlistClub& dialog, bool stay) {
    const std::string shown = CloseWith(dialog, Qt::Key_Return, !stay);
    return shown.substr(shown.find('|') + 1);
}

void SquadDialogTest::Transfer(CDlgPlayerlistClub& dialog, std::uint32_t target) {
    bool chosen = false;
    QObject scope;
    WhenModal<CDlgSelectClub>(scope, [&chosen, target](CDlgSelectClub& chooser) {
        chosen = ChooseClub(chooser, target) == target;
    });
    const bool second = dialog.Teams().currentIndex() == 1;
    QVERIFY(ChooseFromMenu(dialog.List(second), QStringLiteral("Spieler transferieren")));
    QVERIFY(chosen);
}

void SquadDialogTest::browsingShowsWhatNoRecordKeepsAndClosingLeavesTheDocumentClean() {
    CClub& club = DemoClub();
    const std::string before = Dump();
    auto dialog = OpenSquad(club);
    CMyListBox& list = dialog->List(false).List();
    QVERIFY(list.count() >= 10);
    for (int row = 0; row < 10; ++row) {
        ClickRow(list, row);
        QCOMPARE(dialog->CurrentPerson(), dialog->List(false).Rows()[row].personId);
    }
    // Every order, the second team and the board once.
    for (const char* name : {"sortByStrength", "sortByPosition", "sortByNationality"}) {
        QTest::mouseClick(dialog->List(false).findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }
    QTabBar* tabs = dialog->Teams().tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QVERIFY(dialog->StaffList().count() > 0);
    // A transfer to the own club, either team, changes nothing.
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    ClickRow(list, 1);
    const std::uint32_t player = dialog->CurrentPerson();
    Transfer(*dialog, club.Id());
    Transfer(*dialog, club.Id() | kSecondTeamFlag);
    QVERIFY(club.HasPerson(player));
    QCOMPARE(dialog->CurrentPerson(), player);
    // Controls whose value has no field in the record show nothing of the person's other bytes.
    const auto expectNotStored = [](QWidget& scope, const QStringList& names) {
        for (const QString& name : names) {
            auto* control = scope.findChild<QWidget*>(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            QString shown;
            if (auto* spin = qobject_cast<CSpinEditCtrl*>(control)) {
                shown = spin->Field()->text();
            } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
                shown = edit->text();
            } else if (auto* label = qobject_cast<QLabel*>(control)) {
                shown = label->text();
            } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
                shown = combo->currentText();
            } else if (auto* box = qobject_cast<QCheckBox*>(control); box && box->isChecked()) {
                shown = QStringLiteral("checked");
            }
            QVERIFY2(shown.isEmpty(), qPrintable(name + QStringLiteral(": ") + shown));
            QVERIFY2(!control->isEnabled(), qPrintable(name));
            QCOMPARE(control->toolTip(), ResourceQString(ids::kValueNotStored));
        }
    };
    QStringList playerControls = {
        QStringLiteral("potential"),        QStringLiteral("teammateEffect"),
        QStringLiteral("transferFee"),      QStringLiteral("marketValue"),
        QStringLiteral("neverJoins"),       QStringLiteral("chooseNeverJoins"),
        QStringLiteral("favouriteCountry"), QStringLiteral("caps"),
        QStringLiteral("capGoals")};
    for (int flag = 0; flag < 23; ++flag) {
        playerControls << QStringLiteral("character%1").arg(flag);
    }
    expectNotStored(*dialog, playerControls);

    // The club's trainer on the board tab: neither abilities nor experience nor preferences.
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    CMyListBox& staff = dialog->StaffList();
    for (int row = 0; row < staff.count(); ++row) {
        ClickRow(staff, row);
        if (Live().Person(dialog->CurrentPerson())->Kind() == 1) {
            break;
        }
    }
    QCOMPARE(Live().Person(dialog->CurrentPerson())->Kind(), 1);
    auto* abilities = dialog->findChild<CDlgManagerAbilities*>();
    QVERIFY(abilities != nullptr && abilities->isVisible());
    expectNotStored(
        *abilities,
        {QStringLiteral("motivation"), QStringLiteral("trainingDesign"),
         QStringLiteral("goalkeeperTraining"), QStringLiteral("negotiation"),
         QStringLiteral("nationalExperienceText"), QStringLiteral("internationalExperienceText")});
    auto* preferences = dialog->findChild<CDlgManagerAllRight*>();
    QVERIFY(preferences != nullptr && preferences->isVisible());
    expectNotStored(*preferences,
                    {QStringLiteral("favouriteClub"), QStringLiteral("favouriteClubChoose"),
                     QStringLiteral("refusedClub"), QStringLiteral("favouritePlayer"),
                     QStringLiteral("formation")});
    // Escape takes the OK path; faults of the demo squad are waved through.
    CloseWith(*dialog, Qt::Key_Escape, true);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(Edits(), std::size_t{0});
    QVERIFY(!m_document->IsModified());
    QVERIFY(Dump() == before);
}

void SquadDialogTest::menuActsOnThePointedPlayerReleasesAndCreates() {
    CClub& club = DemoClub();
    auto dialog = OpenSquad(club);
    CDlgPlayerList& list = dialog->List(false);
    const QString toSecond = QStringLiteral("In 2. Mannschaft");
    // Row 0 selected; a right click on row 2, or either key with row 2 made current.
    for (const EMenuWay way : kMenuWays) {
        ClickRow(list.List(), 0);
        const std::uint32_t first = list.Rows()[0].personId;
        const std::uint32_t pointed = list.Rows()[2].personId;
        QVERIFY(UseContextMenu(list.List(), 2, way, toSecond)[toSecond]);
        QCOMPARE(int{m_document->World().Person(pointed)->TeamFlag()}, 1);
        QCOMPARE(int{m_document->World().Person(first)->TeamFlag()}, 0);
    }
    // A released player goes without club; a new player without selection keeps goal.
    ClickRow(list.List(), 2);
    const std::uint32_t released = dialog->CurrentPerson();
    Live().Person(released)->SetPosition(0, position::kStriker);
    QVERIFY(ChooseFromMenu(list, QStringLiteral("Eintrag l\u00f6schen")));
    ExpectSound();
    QVERIFY(!club.HasPerson(released));
    QCOMPARE(m_document->World().WithoutClub().Ids().back(), released);
    QCOMPARE(dialog->CurrentPerson(), 0u);
    QCOMPARE(list.List().currentRow(), -1);

    QVERIFY(ChooseFromMenu(list, QStringLiteral("Neuer Spieler")));
    ExpectSound();
    const std::uint32_t created = dialog->CurrentPerson();
    QVERIFY(created != 0 && club.HasPerson(created));
    QCOMPARE(int{m_document->World().Person(created)->MainPosition()}, position::kGoalkeeper);
    QCOMPARE(list.CurrentPerson(), created);
    // A player selected gives his position.
    ClickRow(list.List(), 0);
    Live().Person(dialog->CurrentPerson())->SetPosition(0, position::kLeftMidfield);
    QVERIFY(ChooseFromMenu(list, QStringLiteral("Neuer Spieler")));
    QCOMPARE(int{m_document->World().Person(dialog->CurrentPerson())->MainPosition()},
             position::kLeftMidfield);
    PressOk(*dialog);
    QCOMPARE(Edits(), std::size_t{1});
}

// Which faults and in which order: SquadRulesTest in tests/editing. Here the dialog lists what
// the check finds and closes only on "Egal", or at once without faults.
void SquadDialogTest::okListsTheSquadFaultsAndOnlyEgalClosesAndSeventyPersonsTakeNoNewPlayer() {
    auto dialog = OpenSquad(NewSquad(13, 2));
    const std::string first = PressOk(*dialog, true);
    QCOMPARE(first, std::string(GuiString(ids::kSquadFewPlayers)) + '\n' +
                        std::string(GuiString(ids::kSquadTrainers)) + '\n');
    QVERIFY(dialog->isVisible());
    // "OK" of the list kept the dialog; "Egal" closes it.
    QCOMPARE(PressOk(*dialog), first);
    QVERIFY(!dialog->isVisible());

    auto sound = OpenSquad(NewSquad(14, 1));
    QCOMPARE(PressOk(*sound), std::string());
    QVERIFY(!sound->isVisible());

    // No new player at seventy persons.
    CClub& club = NewSquad(60, 1);
    while (club.PersonIds().size() < 70) {
        AddPerson(club, 0, 1);
    }
    auto full = OpenSquad(club);
    const std::string before = Dump();
    QVERIFY(!ChooseFromMenu(full->List(false), QStringLiteral("Neuer Spieler")));
    full->NewPlayer(false);
    QCOMPARE(club.PersonIds().size(), std::size_t{70});
    QVERIFY(Dump() == before);
    // One less and it is offered again.
    const std::uint32_t last = club.PersonIds().back();
    club.RemovePerson(last);
    Live().RemovePerson(last);
    QVERIFY(ChooseFromMenu(full->List(false), QStringLiteral("Neuer Spieler")));
    QCOMPARE(club.PersonIds().size(), std::size_t{70});
    ExpectSound();
    // Fetching is offered while the club has room, not once it is full.
    CMyListBox& box = full->List(false).List();
    const QString fetch = QStringLiteral("Spieler holen");
    QVERIFY(UseContextMenu(box, box.currentRow(), EMenuWay::kMenuKey)[fetch]);
    while (HasRoomForPerson(club)) {
        AddPerson(club, 0, 1);
    }
    QVERIFY(!UseContextMenu(box, box.currentRow(), EMenuWay::kMenuKey)[fetch]);
    PressOk(*full);
}

void SquadDialogTest::oneUndoTakesBackTheWholeSession() {
    CClub& club = DemoClub();
    const CClub& other = OtherClub(club);
    const std::string before = Dump();
    auto dialog = OpenSquad(club);
    const CPlayer& first = *club.FirstTeam().front();
    const std::uint8_t number = first.ShirtNumbers()[0] == 77 ? 78 : 77;
    // The shirt numbers: Cancel writes nothing, OK the numbers.
    QObject cancel;
    WhenModal<CDlgShirtNo>(cancel, [](CDlgShirtNo& shirts) {
        shirts.DropPlayer(0, 55);
        QTest::keyClick(&shirts, Qt::Key_Escape);
    });
    Click(*dialog, QStringLiteral("shirtNumbers"));
    QVERIFY(Dump() == before);
    QObject ok;
    WhenModal<CDlgShirtNo>(ok, [number](CDlgShirtNo& shirts) {
        shirts.DropPlayer(0, number);
        QTest::keyClick(&shirts, Qt::Key_Return);
    });
    Click(*dialog, QStringLiteral("shirtNumbers"));
    QCOMPARE(first.ShirtNumbers()[0], number);
    ExpectSound();

    CDlgPlayerList& list = dialog->List(false);
    ClickRow(list.List(), 0);
    const std::uint32_t moved = dialog->CurrentPerson();
    Transfer(*dialog, other.Id() | kSecondTeamFlag);
    ExpectSound();
    QVERIFY(other.HasPerson(moved));
    QCOMPARE(int{m_document->World().Person(moved)->TeamFlag()}, 1);
    // The same row holds the next player now.
    QVERIFY(dialog->CurrentPerson() != moved && dialog->CurrentPerson() != 0);

    QVERIFY(ChooseFromMenu(list, QStringLiteral("Neuer Spieler")));
    ExpectSound();
    QVERIFY(ChooseFromMenu(list, QStringLiteral("In 2. Mannschaft")));
    ExpectSound();
    ClickRow(list.List(), 3);
    QVERIFY(ChooseFromMenu(list, QStringLiteral("Eintrag l\u00f6schen")));
    ExpectSound();
    QCOMPARE(Edits(), std::size_t{0});
    PressOk(*dialog);
    const std::string after = Dump();

    QCOMPARE(Edits(), std::size_t{1});
    QCOMPARE(m_document->UndoDescription().value_or(""), std::string("Spielerkader"));
    QVERIFY(m_document->Undo());
    QVERIFY(Dump() == before);
    ExpectSound();
    QVERIFY(m_document->Redo());
    QVERIFY(Dump() == after);
}

void SquadDialogTest::squadButtonOfTheMainWindowOpensTheDialogForAClub() {
    const std::unique_ptr<QTemporaryDir> install = CopyInstallation(m_demo.Path());
    QVERIFY(install != nullptr);
    SAppContext context = ContextFor(*install);
    CScriptedUserInterface ui;
    DlgMainMenu window(context, ui);
    ShowActive(window);
    auto* button = &Child<QPushButton>(window, QStringLiteral("editSquad"));
    auto* clubs = &Child<CMyListBox>(window, QStringLiteral("clubs"));

    // The national team heads the list (its squads: DlgMainMenuCommandsTest); a club below.
    const int clubRow = clubs->count() - 1;
    QVERIFY(clubRow >= 1 && !IsNationalTeam(clubs->item(clubRow)->data(Qt::UserRole).toUInt()));
    ClickRow(*clubs, clubRow);
    QVERIFY(button->isEnabled());

    int opened = 0;
    const auto squad = [&opened](QObject& scope) {
        WhenModal<CDlgPlayerlistClub>(scope, [&opened](CDlgPlayerlistClub& dialog) {
            ++opened;
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Kickwerk 06 - Spielerkader"));
            PressOk(dialog);
        });
    };
    QObject scope;
    squad(scope);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(opened, 1);
    // A double click on the club opens it as well.
    squad(scope);
    DoubleClickRow(*clubs, clubRow);
    QCOMPARE(opened, 2);
}

}  // namespace kw

KW_GUI_TEST(SquadDialogTest);

#include "SquadDialogTest.moc"
