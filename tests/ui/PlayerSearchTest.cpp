#include <QContextMenuEvent>
#include <QTreeView>

#include "GuiTest.h"
#include "gui/editors/DlgPlayerSearch.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/editors/DlgSearchResult.h"
#include "gui/mainwindow/MainMenuView.h"
#include "model/WithoutClub.h"

namespace kw {

using namespace test;

// The player search and its result list on the small demo, driven with the keyboard and mouse.
class PlayerSearchTest : public CDemoGuiTest {
    Q_OBJECT

private:
    void Opened() override;

private slots:
    void searchTakesAndKeepsTheCriteriaAndHeaderClicksSortTheResults();
    void fetchAndDeleteChangeTheWorldAndRunTheSearchAgain();
    void browsingAndShowingAClubLeaveTheDocumentClean();
    void theMainWindowAndTheSquadDialogSearch();

private:
    // Three players of two clubs named "Qxa…" (the only ones), with first names in reverse order.
    void NameThreePlayers();
    std::unique_ptr<CDlgSearchResult> OpenResults(const std::string& surname,
                                                  std::uint32_t targetClub, bool offerShowClub);
    static void WaitForResults(CDlgSearchResult& dialog);
    // Answers the next search dialog with the surname alone (the criteria of an earlier search
    // are kept), counting it.
    static void SearchBySurname(QObject& scope, const QString& surname, int& searches);
    static void ClickRow(CDlgSearchResult& dialog, int row);
    // Opens the context menu (by the context menu key or the right mouse button on the selected
    // row) and chooses `text` when enabled; returns whether it was enabled.
    static bool ChooseFromMenu(CDlgSearchResult& dialog, const QString& text, bool byKeyboard);
    static QStringList Column(const CDlgSearchResult& dialog, int column);
    std::uint32_t RowPerson(const CDlgSearchResult& dialog, int row) const;
    void ExpectSound() const;
    CWorld& Live() const { return m_document->WorldForOperations(); }

    CClub* m_home = nullptr;
    CClub* m_away = nullptr;
    std::vector<CPlayer*> m_named;
};

void PlayerSearchTest::Opened() {
    const std::vector<CClub*> clubs =
        ClubsWhere(Live(), [](const CClub& club) { return club.FirstTeam().size() >= 2; });
    QVERIFY(clubs.size() >= 2);
    m_home = clubs[0];
    m_away = clubs[1];
    NameThreePlayers();
}

void PlayerSearchTest::NameThreePlayers() {
    // Set up outside the history: the document stays clean.
    m_named = {m_away->FirstTeam()[0], m_away->FirstTeam()[1], m_home->FirstTeam()[0]};
    const char* surnames[] = {"Qxa", "Qxb", "Qxc"};
    const char* firstNames[] = {"Carl", "Bodo", "Anton"};
    for (std::size_t index = 0; index < m_named.size(); ++index) {
        m_named[index]->SetSurname(surnames[index]);
        m_named[index]->SetFirstName(firstNames[index]);
    }
}

std::unique_ptr<CDlgSearchResult> PlayerSearchTest::OpenResults(const std::string& surname,
                                                                std::uint32_t targetClub,
                                                                bool offerShowClub) {
    auto dialog = std::make_unique<CDlgSearchResult>(*m_document, SSearchCriteria{{}, surname, {}},
                                                     targetClub, offerShowClub);
    ShowActive(*dialog);
    WaitForResults(*dialog);
    return dialog;
}

void PlayerSearchTest::WaitForResults(CDlgSearchResult& dialog) {
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsSearching(), 10000);
}

void PlayerSearchTest::SearchBySurname(QObject& scope, const QString& surname, int& searches) {
    WhenModal<CDlgPlayerSearch>(scope, [surname, &searches](CDlgPlayerSearch& dialog) {
        ++searches;
        for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
            field->clear();
        }
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("surname"));
        QTest::keyClicks(field, surname);
        QTest::keyClick(field, Qt::Key_Return);
    });
}

void PlayerSearchTest::ClickRow(CDlgSearchResult& dialog, int row) {
    QTreeView& list = dialog.List();
    const QModelIndex index = list.model()->index(row, 1);
    list.scrollTo(index);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(index).center());
}

bool PlayerSearchTest::ChooseFromMenu(CDlgSearchResult& dialog, const QString& text,
                                      bool byKeyboard) {
    QTreeView& list = dialog.List();
    const std::map<QString, bool> items =
        UseContextMenu(list, list.currentIndex().row(),
                       byKeyboard ? EMenuWay::kMenuKey : EMenuWay::kRightClick, text);
    [&] { QVERIFY(!items.empty()); }();
    const auto item = items.find(text);
    return item != items.end() && item->second;
}

QStringList PlayerSearchTest::Column(const CDlgSearchResult& dialog, int column) {
    QStringList texts;
    const QAbstractItemModel& model = *dialog.List().model();
    for (int row = 0; row < model.rowCount(); ++row) {
        texts << model.index(row, column).data().toString();
    }
    return texts;
}

std::uint32_t PlayerSearchTest::RowPerson(const CDlgSearchResult& dialog, int row) const {
    const QString first = dialog.List().model()->index(row, 0).data().toString();
    for (const CPlayer* player : m_named) {
        if (QString::fromLatin1(player->FirstName().View().data()) == first) {
            return player->Id();
        }
    }
    return 0;
}

void PlayerSearchTest::ExpectSound() const {
    const std::vector<std::string> faults = ReferenceFaults(m_document->World());
    QVERIFY2(faults.empty(), faults.empty() ? "" : faults.front().c_str());
}

void PlayerSearchTest::searchTakesAndKeepsTheCriteriaAndHeaderClicksSortTheResults() {
    std::optional<SSearchCriteria> taken;
    WhenModal<CDlgPlayerSearch>(*this, [](CDlgPlayerSearch& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kickwerk 06 - Spieler suchen"));
        auto* surname = &Child<QLineEdit>(dialog, QStringLiteral("surname"));
        auto* stage = &Child<QLineEdit>(dialog, QStringLiteral("stageName"));
        surname->setFocus();
        QTest::keyClicks(surname, QStringLiteral("M"));
        // QTest types only ASCII characters; a key with the text "ü" as a German keyboard sends.
        QTest::sendKeyEvent(QTest::Press, surname, Qt::Key_Udiaeresis, QStringLiteral("\u00fc"),
                            Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, surname, Qt::Key_Udiaeresis, QStringLiteral("\u00fc"),
                            Qt::NoModifier);
        QTest::keyClicks(surname, QStringLiteral("*r"));
        stage->setFocus();
        QTest::keyClicks(stage, QStringLiteral("Bomber"));
        QTest::keyClick(stage, Qt::Key_Return);
    });
    taken = CDlgPlayerSearch::Ask(nullptr);
    QVERIFY(taken.has_value());
    QCOMPARE(taken->surname, std::string("M\xFC*r"));
    QCOMPARE(taken->stageName, std::string("Bomber"));
    QVERIFY(taken->firstName.empty());

    // The next search starts with them; Escape leaves them as they were.
    WhenModal<CDlgPlayerSearch>(*this, [](CDlgPlayerSearch& dialog) {
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("surname"))->text(),
                 QStringLiteral("M\u00fc*r"));
        auto* first = dialog.findChild<QLineEdit*>(QStringLiteral("firstName"));
        QTest::keyClicks(first, QStringLiteral("Hans"));
        QTest::keyClick(first, Qt::Key_Escape);
    });
    QVERIFY(!CDlgPlayerSearch::Ask(nullptr).has_value());
    QVERIFY(CDlgPlayerSearch::KeptCriteria().firstName.empty());
    QCOMPARE(CDlgPlayerSearch::KeptCriteria().surname, std::string("M\xFC*r"));

    // The results arrive; header clicks sort and reverse them.
    const auto dialog = OpenResults("qx*", 0, true);
    QCOMPARE(dialog->List().model()->headerData(2, Qt::Horizontal).toString(),
             QStringLiteral("K\u00fcnstlername"));
    QCOMPARE(dialog->List().model()->columnCount(), 7);
    // At first by surname.
    QCOMPARE(Column(*dialog, 1),
             (QStringList{QStringLiteral("Qxa"), QStringLiteral("Qxb"), QStringLiteral("Qxc")}));
    const QString homeName = QString::fromLatin1(std::string(m_home->Name(0)).c_str());
    QCOMPARE(Column(*dialog, 5).count(homeName), 1);
    ClickHeader(dialog->List(), 0);
    QCOMPARE(Column(*dialog, 0), (QStringList{QStringLiteral("Anton"), QStringLiteral("Bodo"),
                                              QStringLiteral("Carl")}));
    ClickHeader(dialog->List(), 0);
    QCOMPARE(Column(*dialog, 0), (QStringList{QStringLiteral("Carl"), QStringLiteral("Bodo"),
                                              QStringLiteral("Anton")}));
    QCOMPARE(dialog->List().header()->sortIndicatorOrder(), Qt::DescendingOrder);
    ClickHeader(dialog->List(), 1);
    QCOMPARE(Column(*dialog, 1).first(), QStringLiteral("Qxa"));
}

void PlayerSearchTest::fetchAndDeleteChangeTheWorldAndRunTheSearchAgain() {
    const std::string before = Dump();
    CPlayer& player = *m_named[0];
    player.SetContractUntil(2001);
    player.SetShirtNumber(0, 7);
    const std::string prepared = Dump();
    const auto dialog = OpenResults("qxa", m_home->Id(), true);
    QCOMPARE(dialog->List().model()->rowCount(), 1);
    ClickRow(*dialog, 0);
    QVERIFY(ChooseFromMenu(*dialog, QStringLiteral("Spieler holen"), true));
    WaitForResults(*dialog);
    ExpectSound();
    QVERIFY(m_home->HasPerson(player.Id()));
    QVERIFY(!m_away->HasPerson(player.Id()));
    QCOMPARE(player.ShirtNumbers()[0], std::uint8_t{0});
    QCOMPARE(player.ContractUntil(), std::uint16_t{2003});
    QVERIFY(dialog->Outcome().changed);
    // The search ran again: the row names the new club.
    const QString homeName = QString::fromLatin1(std::string(m_home->Name(0)).c_str());
    QCOMPARE(Column(*dialog, 5), QStringList{homeName});
    // Fetching him again into his own club would do nothing: it is not offered.
    ClickRow(*dialog, 0);
    QVERIFY(!ChooseFromMenu(*dialog, QStringLiteral("Spieler holen"), false));
    QCOMPARE(Edits(), std::size_t{1});
    dialog->reject();
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), prepared);
    QVERIFY(before != prepared);

    // Deleting removes the player and the search runs again.
    m_home->FirstTeam()[1]->SetSurname("Qxd");
    const std::string unchanged = Dump();
    const auto results = OpenResults("qx*", 0, false);
    QCOMPARE(results->List().model()->rowCount(), 4);
    const QString remove = QStringLiteral("Spieler l\u00f6schen");
    // Row 0 selected; a right click on row 1, or either key with row 1 made current.
    for (const EMenuWay way : kMenuWays) {
        ClickRow(*results, 0);
        const std::uint32_t victim = RowPerson(*results, 1);
        QVERIFY(UseContextMenu(results->List(), 1, way, remove)[remove]);
        WaitForResults(*results);
        QVERIFY(m_document->World().Person(victim) == nullptr);
    }
    QCOMPARE(results->List().model()->rowCount(), 1);
    ExpectSound();
    QVERIFY(results->Outcome().changed);
    results->reject();
    for (int deleted = 0; deleted < 3; ++deleted) {
        QVERIFY(m_document->Undo());
    }
    QCOMPARE(Dump(), unchanged);
}

void PlayerSearchTest::browsingAndShowingAClubLeaveTheDocumentClean() {
    const std::string before = Dump();
    {
        const auto dialog = OpenResults("*", m_home->Id(), true);
        QVERIFY(dialog->List().model()->rowCount() > 3);
        ClickHeader(dialog->List(), 4);
        ClickHeader(dialog->List(), 6);
        ClickRow(*dialog, 2);
        QTest::keyClick(&dialog->List(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!dialog->IsSearching());
    }
    // Closing while the search still runs stops it as well.
    {
        CDlgSearchResult dialog(*m_document, SSearchCriteria{{}, "*", {}}, 0, true);
        dialog.show();
        dialog.reject();
        QVERIFY(!dialog.IsSearching());
    }
    QCOMPARE(Edits(), std::size_t{0});
    QVERIFY(!m_document->IsModified());
    QCOMPARE(Dump(), before);

    // Showing the club closes with it, and is only offered when asked for.
    {
        const auto dialog = OpenResults("qxc", 0, false);
        ClickRow(*dialog, 0);
        // Neither fetching without a target club nor showing a club without the offer.
        QVERIFY(!ChooseFromMenu(*dialog, QStringLiteral("Spieler holen"), true));
        QVERIFY(!ChooseFromMenu(*dialog, QStringLiteral("Verein anzeigen"), true));
        DoubleClickRow(dialog->List(), 0);
        QVERIFY(dialog->isVisible());
        dialog->reject();
    }
    const auto dialog = OpenResults("qxc", m_away->Id(), true);
    DoubleClickRow(dialog->List(), 0);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(dialog->Outcome().clubToShow, m_home->Id());
    QVERIFY(!dialog->Outcome().changed);

    // A player without club has no club to show, and a national team takes nobody.
    RemovePersonFromClub(Live(), *m_home, m_named[2]->Id(), EPersonRemoval::kWithoutClub);
    const auto withoutClub =
        OpenResults("qxc", Live().Country(m_home->Country()).NationalTeam().Id(), true);
    ClickRow(*withoutClub, 0);
    QVERIFY(!ChooseFromMenu(*withoutClub, QStringLiteral("Verein anzeigen"), true));
    QVERIFY(!ChooseFromMenu(*withoutClub, QStringLiteral("Spieler holen"), true));
}

void PlayerSearchTest::theMainWindowAndTheSquadDialogSearch() {
    const std::unique_ptr<QTemporaryDir> install = CopyInstallation(m_demo.Path());
    QVERIFY(install != nullptr);
    SAppContext context = ContextFor(*install);
    CScriptedUserInterface ui;
    DlgMainMenu window(context, ui);
    ShowActive(window);
    auto* button = &Child<QPushButton>(window, QStringLiteral("searchPlayers"));
    auto* view = window.findChild<CMainMenuView*>();
    QVERIFY(view != nullptr && button->isEnabled());

    // A player of a club in another country than the one shown, named as nobody else.
    const CClub* club =
        ClubsWhere(window.World(), [view](const CClub& candidate) {
            return candidate.Country() != view->SelectedCountry() && !candidate.FirstTeam().empty();
        }).at(0);
    club->FirstTeam().front()->SetSurname("Zyxw");
    const std::uint32_t clubId = club->Id();

    QObject scope;
    int searches = 0;
    int squads = 0;
    std::uint32_t squadClub = 0;
    const auto secondRound = [&] {
        // Criteria kept: Return searches again.
        WhenModal<CDlgPlayerSearch>(scope, [&searches](CDlgPlayerSearch& dialog) {
            ++searches;
            QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("surname")),
                            Qt::Key_Return);
        });
        WhenModal<CDlgSearchResult>(scope, [&](CDlgSearchResult& results) {
            WaitForResults(results);
            DoubleClickRow(results.List(), 0);
            WhenModal<CDlgPlayerlistClub>(scope, [&](CDlgPlayerlistClub& squad) {
                ++squads;
                squadClub = view->SelectedClub();
                QCOMPARE(squad.windowTitle(), QStringLiteral("Kickwerk 06 - Spielerkader"));
                Click(squad, QStringLiteral("ok"));
            });
        });
    };
    SearchBySurname(scope, QStringLiteral("zyxw"), searches);
    WhenModal<CDlgSearchResult>(scope, [&](CDlgSearchResult& results) {
        WaitForResults(results);
        QCOMPARE(results.List().model()->rowCount(), 1);
        // Confirmed without a club: the search dialog opens again.
        QTest::keyClick(&results.List(), Qt::Key_Return);
        secondRound();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(searches, 2);
    QCOMPARE(squads, 1);
    QVERIFY(SameClub(squadClub, clubId));
    QCOMPARE(view->SelectedCountry(), ClubCountry(clubId));

    // The squad dialog searches with its club as the target.
    CDlgPlayerlistClub squad(*m_document, m_home->Id(), m_demo.Installation(), nullptr,
                             m_demo.Context().installDirectory);
    ShowActive(squad);
    auto* search = &Child<QPushButton>(squad, QStringLiteral("search"));
    QVERIFY(search->isEnabled());
    searches = 0;
    bool fetched = false;
    SearchBySurname(*this, QStringLiteral("qxb"), searches);
    WhenModal<CDlgSearchResult>(*this, [&](CDlgSearchResult& results) {
        WaitForResults(results);
        QCOMPARE(results.List().model()->rowCount(), 1);
        ClickRow(results, 0);
        fetched = ChooseFromMenu(results, QStringLiteral("Spieler holen"), true);
        WaitForResults(results);
        // Not offered from the squad dialog.
        QVERIFY(!ChooseFromMenu(results, QStringLiteral("Verein anzeigen"), true));
        results.reject();
    });
    QTest::mouseClick(search, Qt::LeftButton);
    QCOMPARE(searches, 1);
    QVERIFY(fetched);
    QVERIFY(m_home->HasPerson(m_named[1]->Id()));
    ExpectSound();
}

}  // namespace kw

KW_GUI_TEST(PlayerSearchTest);

#include "PlayerSearchTest.moc"
