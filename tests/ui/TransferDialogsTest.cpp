#include "GuiTest.h"
#include "editing/FastTransfer.h"
#include "editing/SquadCommands.h"
#include "gui/editors/DlgFastTransfer.h"
#include "gui/editors/DlgPlayerWithoutClub.h"

namespace kw {

using namespace test;

// "Spieler ohne Verein" and "Schnelle Transfers" on the small demo database, driven with the
// mouse and the keyboard.
class TransferDialogsTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void withoutClubListsEveryPlayerAndDeletesTheChosenOnes();
    void movingToAChosenClubKeepsWhomAFullClubRefuses();
    void fastTransferOffersFreeNumbersAndTransfersRepeatedlyAndNothingWithoutAChoice();

private:
    // Appends `count` players to the list of players without club (set-up outside the history).
    std::vector<std::uint32_t> AddWithoutClub(int count);
    // A club other than `except` with at least two first-team players and fewer than 60 persons.
    std::uint32_t ClubWithPlayers(std::uint32_t except) const;
    void FillClub(std::uint32_t clubId, std::size_t count);
    void ExpectSound() const;
    std::vector<std::uint32_t> ListIds() const { return m_document->World().WithoutClub().Ids(); }
};

std::vector<std::uint32_t> TransferDialogsTest::AddWithoutClub(int count) {
    CWorld& world = m_document->WorldForOperations();
    std::vector<std::uint32_t> ids;
    for (int n = 0; n < count; ++n) {
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        person.Reset(0, kDefaultCountry);
        person.SetSurname("Ohneverein" + std::to_string(n));
        world.WithoutClub().Append(person);
        ids.push_back(person.Id());
    }
    return ids;
}

std::uint32_t TransferDialogsTest::ClubWithPlayers(std::uint32_t except) const {
    const CWorld& world = m_document->World();
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            const CClub& club = *entry.second;
            if (!club.IsNationalTeam() && entry.first != except && club.FirstTeam().size() >= 2 &&
                club.PersonIds().size() < 60) {
                return entry.first;
            }
        }
    }
    throw std::runtime_error("the demo lacks such a club");
}

void TransferDialogsTest::FillClub(std::uint32_t clubId, std::size_t count) {
    CWorld& world = m_document->WorldForOperations();
    CClub& club = *FindLiveClub(world, clubId);
    while (club.PersonIds().size() < count) {
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        person.Reset(0, club.Country());
        club.AddPerson(person);
    }
}

void TransferDialogsTest::ExpectSound() const {
    const std::vector<std::string> faults = ReferenceFaults(m_document->World());
    QVERIFY2(faults.empty(), faults.empty() ? "" : faults.front().c_str());
}

// Looking and Enter change nothing; deleting the selected rows reselects and undo brings them
// back; deleting the last row selects the new last one; the menu deletes the row pointed at.
void TransferDialogsTest::withoutClubListsEveryPlayerAndDeletesTheChosenOnes() {
    AddWithoutClub(6);
    const std::string before = Dump();
    const std::vector<std::uint32_t> listBefore = ListIds();
    const int count = static_cast<int>(listBefore.size());
    QVERIFY(count >= 6);
    {
        CDlgPlayerWithoutClub dialog(*m_document, kDefaultCountry);
        ShowActive(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Spieler ohne Verein"));
        QTreeWidget& list = dialog.List();
        QCOMPARE(list.columnCount(), 4);
        QCOMPARE(list.headerItem()->text(1), QStringLiteral("Nationalität"));
        QCOMPARE(list.topLevelItemCount(), count);
        QCOMPARE(list.topLevelItem(count - 1)->text(0), QStringLiteral("Ohneverein5, V."));
        QCOMPARE(list.topLevelItem(count - 1)->text(1),
                 Cp1252ToQString(
                     m_document->World().Country(kDefaultCountry).Name(m_document->Language())));
        // Selecting rows with the mouse and the keyboard enables the commands only.
        ClickRow(list, 0);
        QVERIFY(dialog.DeleteButton().isEnabled());
        QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(list.selectedItems().size(), 2);
        // Enter closes the window without starting a command.
        QTest::keyClick(&list, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }
    QCOMPARE(Dump(), before);
    QCOMPARE(Edits(), std::size_t{0});
    QVERIFY(!m_document->IsModified());

    {
        CDlgPlayerWithoutClub dialog(*m_document, kDefaultCountry);
        ShowActive(dialog);
        QTreeWidget& list = dialog.List();
        // Rows count-5 and count-3 selected, the current row count-3: one removed row above it.
        ClickRow(list, count - 5);
        ClickRow(list, count - 3, Qt::ControlModifier);
        QTest::mouseClick(&dialog.DeleteButton(), Qt::LeftButton);
        ExpectSound();
        QCOMPARE(Edits(), std::size_t{1});
        QCOMPARE(list.topLevelItemCount(), count - 2);
        QCOMPARE(m_document->World().Person(listBefore[static_cast<std::size_t>(count - 5)]),
                 nullptr);
        QCOMPARE(list.indexOfTopLevelItem(list.currentItem()), count - 4);
        QCOMPARE(list.currentItem()->text(0),
                 Cp1252ToQString(m_document->World()
                                     .Person(listBefore[static_cast<std::size_t>(count - 2)])
                                     ->ShortName()));

        QVERIFY(m_document->Undo());
        QCOMPARE(Dump(), before);
        QCOMPARE(ListIds(), listBefore);
        ExpectSound();
    }
    // The list shows what it holds when opened.
    CDlgPlayerWithoutClub dialog(*m_document, kDefaultCountry);
    ShowActive(dialog);
    QTreeWidget& list = dialog.List();
    ClickRow(list, count - 1);
    // "&Löschen" with the keyboard: Tab past "&Wechsel zu Verein", then Space.
    ShowActive(dialog);
    QTest::keyClick(&list, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&dialog.DeleteButton()));
    QTest::keyClick(&dialog.DeleteButton(), Qt::Key_Space);
    QCOMPARE(list.topLevelItemCount(), count - 1);
    QCOMPARE(list.indexOfTopLevelItem(list.currentItem()), count - 2);
    QVERIFY(list.currentItem()->isSelected());
    ExpectSound();

    const QString remove = QStringLiteral("&L\u00f6schen");
    // Row 0 selected; a right click on row 1, or either key with row 1 made current.
    for (const EMenuWay way : kMenuWays) {
        ClickRow(list, 0);
        const std::uint32_t pointed = dialog.Rows()[1].personId;
        QVERIFY(UseContextMenu(list, 1, way, remove)[remove]);
        QCOMPARE(m_document->World().Person(pointed), nullptr);
    }
    QCOMPARE(list.topLevelItemCount(), count - 4);
    ExpectSound();
}

void TransferDialogsTest::movingToAChosenClubKeepsWhomAFullClubRefuses() {
    const std::vector<std::uint32_t> added = AddWithoutClub(3);
    const std::uint32_t clubId = ClubWithPlayers(0);
    FillClub(clubId, CClub::kMaxPersons - 1);
    const std::size_t persons = m_document->World().Persons().size();
    CDlgPlayerWithoutClub dialog(*m_document, ClubCountry(clubId));
    ShowActive(dialog);
    QTreeWidget& list = dialog.List();
    const int count = list.topLevelItemCount();
    ClickRow(list, count - 3);
    ClickRow(list, count - 1, Qt::ShiftModifier);
    QCOMPARE(list.selectedItems().size(), 3);
    {
        // The chooser opens on the given country; its second team is chosen.
        QObject scope;
        WhenModal<CDlgSelectClub>(scope, [clubId](CDlgSelectClub& chooser) {
            QListWidget& clubs = chooser.Clubs();
            const int row = RowWithData(clubs, clubId | kSecondTeamFlag);
            QVERIFY(row >= 0);
            clubs.setCurrentRow(row);
            QTest::keyClick(&clubs, Qt::Key_Return);
        });
        QTest::mouseClick(&dialog.MoveButton(), Qt::LeftButton);
    }
    const CClub& club = *FindLiveClub(m_document->World(), clubId);
    // Room for one: the first joins the second team, the others stay listed and in the world.
    QVERIFY(club.HasPerson(added[0]));
    QCOMPARE(m_document->World().Person(added[0])->TeamFlag(), std::int8_t{1});
    QVERIFY(m_document->World().WithoutClub().Contains(added[1]));
    QVERIFY(m_document->World().WithoutClub().Contains(added[2]));
    QCOMPARE(m_document->World().Persons().size(), persons);
    QCOMPARE(list.topLevelItemCount(), count - 1);
    QCOMPARE(list.indexOfTopLevelItem(list.currentItem()), count - 2);
    QCOMPARE(Edits(), std::size_t{1});
    ExpectSound();

    // Cancelling the chooser changes nothing.
    ClickRow(list, 0);
    {
        QObject scope;
        WhenModal<CDlgSelectClub>(scope, [](CDlgSelectClub& chooser) { chooser.reject(); });
        QTest::mouseClick(&dialog.MoveButton(), Qt::LeftButton);
    }
    QCOMPARE(Edits(), std::size_t{1});
}

void TransferDialogsTest::
    fastTransferOffersFreeNumbersAndTransfersRepeatedlyAndNothingWithoutAChoice() {
    const std::uint32_t fromId = ClubWithPlayers(0);
    const int home = ClubCountry(fromId);
    std::uint32_t toId = 0;
    for (int number = 1; number <= kCountryCount && toId == 0; ++number) {
        if (number == home) {
            continue;
        }
        for (const auto& entry : m_document->World().Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam() && entry.second->PersonIds().size() < 60) {
                toId = entry.first;
                break;
            }
        }
    }
    QVERIFY(toId != 0);
    const std::string before = Dump();
    // Which numbers are free: FastTransferTest in tests/editing; the dialog offers the first.
    CDlgFastTransfer dialog(*m_document, home);
    ShowActive(dialog);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Kickwerk 06 - Schnelle Transfers"));
    QCOMPARE(dialog.SourceCountries().currentData().toInt(), home);
    QCOMPARE(dialog.CurrentNumber().text(), QStringLiteral("-"));
    QTreeWidget& players = dialog.Players();
    QCOMPARE(players.topLevelItemCount(),
             static_cast<int>(FastTransferPlayers(m_document->World(), home, 0).size()));
    // Nothing chosen: nothing happens (which choices a transfer refuses, a full club among them:
    // FastTransferTest in tests/editing).
    QTest::mouseClick(&dialog.TransferButton(), Qt::LeftButton);
    QCOMPARE(Edits(), std::size_t{0});

    // Two transfers in a row, each chosen with the mouse.
    for (int transfer = 0; transfer < 2; ++transfer) {
        ClickRow(players, 0);
        const std::uint32_t personId = players.topLevelItem(0)->data(0, Qt::UserRole).toUInt();
        const CPlayer& person = *m_document->World().Person(personId);
        QCOMPARE(dialog.CurrentNumber().text(), QString::number(person.ShirtNumbers()[0]));
        const QString line = players.topLevelItem(0)->text(0);
        QVERIFY(line.startsWith(Cp1252ToQString(person.ShortName()) + QStringLiteral(" (")));
        ClickRow(
            dialog.TargetCountries(),
            RowWithData(dialog.TargetCountries(), static_cast<std::uint32_t>(ClubCountry(toId))));
        ClickRow(dialog.TargetClubs(), RowWithData(dialog.TargetClubs(), toId));
        const int offered = FreeShirtNumbers(*FindLiveClub(m_document->World(), toId)).front();
        QCOMPARE(dialog.FreeNumbers().currentData().toInt(), offered);
        QTest::mouseClick(&dialog.TransferButton(), Qt::LeftButton);
        ExpectSound();
        QCOMPARE(Edits(), static_cast<std::size_t>(transfer + 1));
        const CPlayer& moved = *m_document->World().Person(personId);
        QVERIFY(FindLiveClub(m_document->World(), toId)->HasPerson(personId));
        QCOMPARE(static_cast<int>(moved.ShirtNumbers()[0]), offered);
        QCOMPARE(dialog.CurrentNumber().text(), QStringLiteral("-"));
        QVERIFY(players.selectedItems().isEmpty());
        for (int row = 0; row < players.topLevelItemCount(); ++row) {
            QVERIFY(players.topLevelItem(row)->data(0, Qt::UserRole).toUInt() != personId);
        }
        // The number taken is offered no more.
        QVERIFY(dialog.FreeNumbers().findData(offered) < 0);
    }

    // Both transfers are undone one by one.
    QVERIFY(m_document->Undo());
    QVERIFY(m_document->Undo());
    QVERIFY(!m_document->UndoDescription().has_value());
    ExpectSound();

    // A player chosen, then another source country: the list changes and the choice is gone.
    ClickRow(players, 0);
    QVERIFY(dialog.CurrentNumber().text() != QStringLiteral("-"));
    QComboBox& countries = dialog.SourceCountries();
    countries.setFocus();
    const bool last = countries.currentIndex() == countries.count() - 1;
    QTest::keyClick(&countries, last ? Qt::Key_Up : Qt::Key_Down);
    QVERIFY(countries.currentData().toInt() != home);
    QCOMPARE(dialog.CurrentNumber().text(), QStringLiteral("-"));
    QTest::mouseClick(&dialog.TransferButton(), Qt::LeftButton);
    QVERIFY(!m_document->UndoDescription().has_value());
    QCOMPARE(Dump(), before);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

}  // namespace kw

KW_GUI_TEST(TransferDialogsTest);

#include "TransferDialogsTest.moc"
