#include <QMouseEvent>

#include <set>

#include "GuiTest.h"
#include "editing/FiveYearRules.h"
#include "editing/PersonClub.h"
#include "editing/PlayerHistoryRules.h"
#include "gui/editors/Dlg5Year.h"
#include "gui/editors/Dlg5YearChange.h"
#include "gui/editors/DlgNationalteam.h"
#include "model/WorldPart.h"
#include "reports/WorldStatistics.h"
#include "storage/TextCollation.h"

namespace kw {

using namespace test;

// The five-year ranking, its change dialog and the national team dialog on the small demo
// database, driven with the mouse and the keyboard.
class FiveYearNationalTeamTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void typedValuesMoveTheBarAndTheRankingChangesOnOkOnly();
    void theNationalSquadListsSortsAndRemovesFlaggedPlayers();

private:
    // A country of the demo with at least `count` players of its nationality in clubs.
    int NationWithPlayers(std::size_t count) const;
    // Players of the nationality in clubs, in the order of countries, clubs and persons.
    std::vector<std::uint32_t> PlayersOf(int nationality) const;
    // Sets the flag of the persons as one edit (test set-up); the history is counted after it.
    void Flag(const std::vector<std::uint32_t>& ids, bool set);
    bool Flagged(std::uint32_t id) const;
    // Replaces the field's text by typing, then leaves it with Tab.
    static void TypeInto(QLineEdit& field, const QString& text);
};

std::vector<std::uint32_t> FiveYearNationalTeamTest::PlayersOf(int nationality) const {
    std::vector<std::uint32_t> ids;
    for (const CClub* club : ClubsWhere(World())) {
        for (const std::uint32_t id : club->PersonIds()) {
            const CPlayer* person = World().Person(id);
            if (person != nullptr && person->IsPlayer() && person->Nationality() == nationality) {
                ids.push_back(id);
            }
        }
    }
    return ids;
}

int FiveYearNationalTeamTest::NationWithPlayers(std::size_t count) const {
    for (int number = 1; number <= kCountryCount; ++number) {
        if (PlayersOf(number).size() >= count) {
            return number;
        }
    }
    throw std::runtime_error("the demo lacks such a nation");
}

void FiveYearNationalTeamTest::Flag(const std::vector<std::uint32_t>& ids, bool set) {
    SWorldScope scope;
    for (const std::uint32_t id : ids) {
        scope.countries.push_back(ClubHoldingPerson(m_document->World(), id)->Country());
    }
    std::sort(scope.countries.begin(), scope.countries.end());
    scope.countries.erase(std::unique(scope.countries.begin(), scope.countries.end()),
                          scope.countries.end());
    m_document->Perform("set-up", scope, [&ids, set](CWorld& world) {
        for (const std::uint32_t id : ids) {
            CPlayer& person = *world.Person(id);
            const std::uint8_t flags = person.NationalTeamBytes()[kNationalFlagsByte];
            person.SetNationalTeamByte(
                kNationalFlagsByte, set ? flags | kInNationalTeamBit
                                        : flags & static_cast<std::uint8_t>(~kInNationalTeamBit));
        }
        return true;
    });
}

bool FiveYearNationalTeamTest::Flagged(std::uint32_t id) const {
    return (m_document->World().Person(id)->NationalTeamBytes()[kNationalFlagsByte] &
            kInNationalTeamBit) != 0;
}

void FiveYearNationalTeamTest::TypeInto(QLineEdit& field, const QString& text) {
    Retype(field, text);
    QTest::keyClick(&field, Qt::Key_Tab);
}

void FiveYearNationalTeamTest::typedValuesMoveTheBarAndTheRankingChangesOnOkOnly() {
    CDlg5YearChange dialog(QStringLiteral("Land"), {100, 200, 300, 400, 500, 600});
    ShowActive(dialog);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("5-Jahres-Wertung \u00e4ndern"));
    QCOMPARE(dialog.Field(0).text(), QStringLiteral("1.00"));
    QCOMPARE(dialog.FirstSeasonText().text(), QStringLiteral("20.00"));

    // Typing reaches the rule (FiveYearRules in tests/editing pins its table): leaving the field
    // shows the value as stored, and the bar and the first season follow.
    TypeInto(dialog.Field(1), QStringLiteral("1,234"));
    QCOMPARE(dialog.Values(), (FiveYearValues{100, 123, 300, 400, 500, 600}));
    QCOMPARE(dialog.Field(1).text(), QStringLiteral("1.23"));
    QCOMPARE(dialog.Bar(1).Value(), 123);
    QCOMPARE(dialog.FirstSeasonText().text(), QStringLiteral("19.23"));

    QTest::keyClicks(&dialog.Field(3), QStringLiteral("1234567"));
    QCOMPARE(dialog.Field(3).text().size(), kFiveYearFieldLength);

    // The bar moves the field and the field the bar.
    dialog.close();
    CDlg5YearChange empty(QStringLiteral("Land"), {0, 0, 0, 0, 0, 0});
    ShowActive(empty);
    CValueScrollBar& bar = empty.Bar(5);
    bar.setFocus();
    QTest::keyClick(&bar, Qt::Key_PageDown);
    QTest::keyClick(&bar, Qt::Key_Right);
    QCOMPARE(empty.Field(5).text(), QStringLiteral("1.01"));
    QCOMPARE(empty.FirstSeasonText().text(), QStringLiteral("1.01"));
    QTest::keyClick(&bar, Qt::Key_End);
    QCOMPARE(empty.Field(5).text(), QStringLiteral("20.00"));
    QCOMPARE(empty.Values()[5], 2000);
    QTest::keyClick(&bar, Qt::Key_PageDown);
    QCOMPARE(empty.Values()[5], 2000);
    // Typing moves the bar while the field keeps what is typed.
    empty.Field(5).setFocus();
    QTest::keyClick(&empty.Field(5), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&empty.Field(5), QStringLiteral("7,5"));
    QCOMPARE(bar.Value(), 750);
    QCOMPARE(empty.Field(5).text(), QStringLiteral("7,5"));
    // Tab from a field goes to its bar.
    QTest::keyClick(&empty.Field(5), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&empty.Field(5)));
    QTest::keyClick(&empty.Field(5), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&bar));

    // Cancel and an unedited OK record nothing; an edited OK is one undoable edit and the list
    // ranks anew.
    const int country = 14;
    const int continent = m_document->World().Country(country).Continent();
    // A stored value beyond what a field takes (as a file may hold it).
    QVERIFY(m_document->Perform("set-up", SWorldScope::Countries({country}), [](CWorld& world) {
        world.Country(country).Settings().slotValues = {5000, 1, 2, 3, 4, 5};
        return true;
    }));
    const std::string before = Dump();
    const std::size_t edits = Edits();
    CDlg5Year ranking(*m_document, country);
    ShowActive(ranking);
    QCOMPARE(ranking.windowTitle(), QStringLiteral("5-Jahres-Wertung"));
    QTreeWidget& list = ranking.List();
    QCOMPARE(list.headerItem()->text(7), QStringLiteral("Punkte 1. Saison"));
    int members = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        members += m_document->World().Country(number).Continent() == continent ? 1 : 0;
    }
    QCOMPARE(list.topLevelItemCount(), members);
    QCOMPARE(ranking.SelectedCountry(), country);
    int row = 0;
    while (list.topLevelItem(row)->data(0, Qt::UserRole).toInt() != country) {
        ++row;
    }

    // Cancel after typing.
    bool cancelled = false;
    WhenModal<CDlg5YearChange>(*this, [&cancelled](CDlg5YearChange& change) {
        TypeInto(change.Field(0), QStringLiteral("7"));
        TypeInto(change.Field(4), QStringLiteral("9"));
        QTest::keyClick(&change, Qt::Key_Escape);
        cancelled = !change.isVisible();
    });
    DoubleClickRow(list, row);
    QVERIFY(cancelled);
    QCOMPARE(Edits(), edits);
    QCOMPARE(Dump(), before);

    // OK without an edit, though the field shows the stored 50.00 it could not take.
    bool shown = false;
    WhenModal<CDlg5YearChange>(*this, [&shown](CDlg5YearChange& change) {
        shown = change.Field(0).text() == QStringLiteral("50.00");
        QTest::keyClick(&change.Field(0), Qt::Key_Return);
    });
    QTest::mouseClick(ranking.findChild<QPushButton*>(QStringLiteral("change")), Qt::LeftButton);
    QVERIFY(shown);
    QCOMPARE(Edits(), edits);
    QCOMPARE(Dump(), before);

    // Editing another field keeps the stored value.
    WhenModal<CDlg5YearChange>(*this, [](CDlg5YearChange& change) {
        TypeInto(change.Field(5), QStringLiteral("0,5"));
        QTest::keyClick(&change.Field(5), Qt::Key_Return);
    });
    ranking.ChangeSelected();
    QCOMPARE(Edits(), edits + 1);
    QCOMPARE(m_document->World().Country(country).Settings().slotValues,
             (FiveYearValues{5000, 1, 2, 3, 4, 50}));
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);

    // Enough points to lead the continent.
    WhenModal<CDlg5YearChange>(*this, [](CDlg5YearChange& change) {
        TypeInto(change.Field(0), QStringLiteral("3"));
        TypeInto(change.Field(1), QStringLiteral("20"));
        TypeInto(change.Field(2), QStringLiteral("19,5"));
        for (int field = 3; field < 6; ++field) {
            TypeInto(change.Field(field), QStringLiteral("20"));
        }
        QTest::mouseClick(change.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    QTest::mouseClick(ranking.findChild<QPushButton*>(QStringLiteral("change")), Qt::LeftButton);
    QCOMPARE(Edits(), edits + 1);
    QCOMPARE(m_document->World().Country(country).Settings().slotValues,
             (FiveYearValues{300, 2000, 1950, 2000, 2000, 2000}));
    QCOMPARE(ranking.SelectedCountry(), country);
    const QTreeWidgetItem* first = list.topLevelItem(0);
    QCOMPARE(first->data(0, Qt::UserRole).toInt(), country);
    QVERIFY(first->text(0).startsWith(QStringLiteral("1. ")));
    QCOMPARE(first->text(1), QStringLiteral("3.00"));
    // The points column falls from line to line.
    for (int line = 1; line < list.topLevelItemCount(); ++line) {
        QVERIFY(list.topLevelItem(line)->text(7).toDouble() <=
                list.topLevelItem(line - 1)->text(7).toDouble());
    }
    ExpectUndoneAndSound(before, country);
}

// One nation's squad walked through: listed, sorted, players removed by the button and by the
// context menu, then another country shown.
void FiveYearNationalTeamTest::theNationalSquadListsSortsAndRemovesFlaggedPlayers() {
    const int nation = NationWithPlayers(8);
    const std::vector<std::uint32_t> players = PlayersOf(nation);
    Flag(players, false);
    const std::vector<std::uint32_t> flagged(players.begin(), players.begin() + 7);
    Flag(flagged, true);
    const std::size_t edits = Edits();
    const int clubCountry = ClubHoldingPerson(m_document->World(), flagged[0])->Country();
    // Taken before the dump: the master build draws values outside the history.
    const QString fault = CountryFault(*m_document, clubCountry);
    const std::string before = Dump();

    CDlgNationalteam dialog(*m_document, nation);
    ShowActive(dialog);
    QVERIFY(dialog.windowTitle().endsWith(QStringLiteral("Nationalmannschaften")));
    QCOMPARE(dialog.Country(), nation);
    QTreeWidget& list = dialog.List();
    QCOMPARE(list.headerItem()->text(6), QStringLiteral("L\u00e4nderspiele"));
    QCOMPARE(list.topLevelItemCount(), 7);
    QCOMPARE(dialog.PlayerCount().text(), QStringLiteral("7"));
    std::set<std::uint32_t> shown;
    for (const SNationalSquadRow& row : dialog.Rows()) {
        shown.insert(row.personId);
    }
    QCOMPARE(shown, std::set<std::uint32_t>(flagged.begin(), flagged.end()));
    // The eighth player of the nationality lacks the flag.
    QVERIFY(shown.count(players[7]) == 0);

    // Header clicks sort and a second click reverses (the orders: EmptyWorldTest in
    // tests/editing/CountryPagesTest.cpp); the shown cells follow the rows.
    for (const int order : {1, -1}) {
        ClickHeader(list, 4);
        for (int row = 1; row < list.topLevelItemCount(); ++row) {
            QVERIFY(order * list.topLevelItem(row - 1)->text(4).toInt() <=
                    order * list.topLevelItem(row)->text(4).toInt());
        }
    }
    QCOMPARE(list.header()->sortIndicatorSection(), 4);
    QCOMPARE(list.header()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(Edits(), edits);
    QCOMPARE(Dump(), before);

    // Two selected rows removed by the button: only their flags are cleared, as one edit
    // (EmptyWorldTest in tests/editing/CountryPagesTest.cpp).
    QVERIFY(!dialog.RemoveButton().isEnabled());
    ClickRow(list, 0);
    ClickRow(list, 2, Qt::ControlModifier);
    QVERIFY(dialog.RemoveButton().isEnabled());
    const std::vector<std::uint32_t> removed{dialog.Rows()[0].personId, dialog.Rows()[2].personId};
    QTest::mouseClick(&dialog.RemoveButton(), Qt::LeftButton);
    QCOMPARE(Edits(), edits + 1);
    QCOMPARE(list.topLevelItemCount(), 5);
    QCOMPARE(dialog.PlayerCount().text(), QStringLiteral("5"));
    for (const std::uint32_t id : flagged) {
        QCOMPARE(Flagged(id), std::count(removed.begin(), removed.end(), id) == 0);
    }
    // Undone, the flags are back; redone, the country is as sound as it was.
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QVERIFY(m_document->Redo());
    QCOMPARE(CountryFault(*m_document, clubCountry), fault);

    const QString remove = QStringLiteral("Aus Nationalmannschaft &entfernen");
    // Row 0 selected; a right click on row 1, or either key with row 1 made current, removes
    // row 1's player alone.
    for (const EMenuWay way : kMenuWays) {
        ClickRow(list, 0);
        const std::uint32_t chosen = dialog.Rows()[1].personId;
        QVERIFY(UseContextMenu(list, 1, way, remove)[remove]);
        QVERIFY(!Flagged(chosen));
    }
    QCOMPARE(list.topLevelItemCount(), 2);

    // Another country in the combo shows its own squad: here none.
    int other = 1;
    while (other == nation) {
        ++other;
    }
    Flag(PlayersOf(other), false);
    QComboBox& countries = dialog.Countries();
    countries.setFocus();
    countries.setCurrentIndex(countries.findData(other));
    QCOMPARE(dialog.Country(), other);
    QCOMPARE(list.topLevelItemCount(), 0);
    QCOMPARE(dialog.PlayerCount().text(), QStringLiteral("0"));
    QVERIFY(!dialog.RemoveButton().isEnabled());
    dialog.accept();
}

}  // namespace kw

KW_GUI_TEST(FiveYearNationalTeamTest);

#include "FiveYearNationalTeamTest.moc"
