#include <QDragEnterEvent>
#include <QMimeData>

#include "GuiTest.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "editing/LeagueComposition.h"
#include "editing/SeasonMarks.h"
#include "gui/editors/CompositionList.h"
#include "gui/editors/DlgLeagueComposition.h"

namespace kw {

using namespace test;

// The league composition dialog on the small demo's default country, driven with the mouse, the
// keyboard and drops as they reach its lists.
class LeagueCompositionTest : public CDemoGuiTest {
    Q_OBJECT

private:
    void Opened() override;

private slots:
    void theListsShowTheLeaguesAndAFullLeagueRefuses();
    void aTeamDroppedOnTheFreeListLeavesAndJoinsALeagueWithRoom();
    void cupWinnerFromTheMenuKeyClearsTheOtherWinner();
    void hidingReservesAndKeyboardMoves();
    void theSessionIsOneUndoStepAndEmptiedLeaguesAreNamed();

private:
    std::uint32_t LeagueId(int index) const {
        return MakeCompetitionId(kDefaultCountry, kLeagueType, index);
    }
    const CDBLeagueBase& League(int index) const {
        return dynamic_cast<const CDBLeagueBase&>(*World().Competition(LeagueId(index)));
    }
    int LastLeague() const {
        return static_cast<int>(CountryLeagues(World(), kDefaultCountry).size()) - 1;
    }
    const CClub& ClubOf(std::uint32_t team) const {
        return *World().Country(kDefaultCountry).Club(team & kClubIdMask);
    }
    std::string Dump() const override { return DumpWorldJson(World(), kDefaultCountry); }
    std::unique_ptr<CDlgLeagueComposition> Open();
    static std::vector<std::uint32_t> Values(const CCompositionList& list);
    // The team of the source row dropped on the target row (-1: below the last), as a drop
    // reaches the list, and the dialog's answer awaited.
    static void Drop(CCompositionList& source, int sourceRow, CCompositionList& target,
                     int targetRow);
    static QString ActionTexts(const QMenu& menu);
};

void LeagueCompositionTest::Opened() {
    QVERIFY(LastLeague() >= 1);
    QVERIFY(League(0).IsFull());
}

std::unique_ptr<CDlgLeagueComposition> LeagueCompositionTest::Open() {
    auto dialog = std::make_unique<CDlgLeagueComposition>(*m_document, kDefaultCountry);
    ShowActive(*dialog);
    return dialog;
}

std::vector<std::uint32_t> LeagueCompositionTest::Values(const CCompositionList& list) {
    std::vector<std::uint32_t> values;
    for (int row = 0; row < list.count(); ++row) {
        values.push_back(list.Value(row));
    }
    return values;
}

void LeagueCompositionTest::Drop(CCompositionList& source, int sourceRow, CCompositionList& target,
                                 int targetRow) {
    std::unique_ptr<QMimeData> data(
        source.model()->mimeData({source.model()->index(sourceRow, 0)}));
    QVERIFY(data != nullptr);
    const QPoint at = targetRow >= 0 ? target.visualItemRect(target.item(targetRow)).center()
                                     : QPoint(5, target.viewport()->height() - 2);
    QVERIFY(targetRow >= 0 || target.itemAt(at) == nullptr);
    QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target.viewport(), &move);
    QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target.viewport(), &drop);
    QVERIFY(drop.isAccepted());
    // The dialog hears of the drop once the drag has ended.
    QTest::qWait(20);
}

QString LeagueCompositionTest::ActionTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << action->text();
    }
    return texts.join(QLatin1Char('|'));
}

void LeagueCompositionTest::theListsShowTheLeaguesAndAFullLeagueRefuses() {
    const std::string before = Dump();
    auto dialog = Open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Kickwerk 06 - Ligazusammensetzung"));
    QCOMPARE(dialog->Leagues().count(), LastLeague() + 1);
    QCOMPARE(dialog->Leagues().currentRow(), 0);
    QCOMPARE(QString::fromStdString(dialog->Leagues().Row(0)),
             QString::fromStdString(LeagueName(League(0), kDefaultLanguage)));
    QCOMPARE(Values(dialog->LeagueTeams()), League(0).Teams());
    const std::uint32_t first = League(0).Teams().front();
    QCOMPARE(dialog->LeagueTeams().Row(0),
             std::string(ClubOf(first).Name(kDefaultLanguage)) + "\t" +
                 std::string(LeagueMarkText(ClubOf(first), false)) + "\t" +
                 std::string(CupMarkText(ClubOf(first), false)));
    // The reserve teams play nowhere in the demo.
    QCOMPARE(Values(dialog->TeamsWithoutLeague()),
             TeamsWithoutLeague(World(), kDefaultCountry, false));
    QVERIFY(dialog->TeamsWithoutLeague().count() > 0);

    // A full league refuses more teams.
    const int free = dialog->TeamsWithoutLeague().count();
    QVERIFY(free > 0);
    Drop(dialog->TeamsWithoutLeague(), 0, dialog->LeagueTeams(), 2);
    Drop(dialog->TeamsWithoutLeague(), 0, dialog->Leagues(), 0);
    // A team already in the league, dropped on it in "Ligen".
    Drop(dialog->LeagueTeams(), 1, dialog->Leagues(), 0);
    QCOMPARE(dialog->TeamsWithoutLeague().count(), free);
    QCOMPARE(Values(dialog->LeagueTeams()), League(0).Teams());

    // Choosing another league shows its teams; nothing was recorded.
    ClickRow(dialog->Leagues(), 1);
    QCOMPARE(Values(dialog->LeagueTeams()), League(1).Teams());
    QCOMPARE(CloseWith(*dialog, Qt::Key_Return, false), std::string());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(Dump(), before);
    QVERIFY(!m_document->History().CanUndo());
}

void LeagueCompositionTest::aTeamDroppedOnTheFreeListLeavesAndJoinsALeagueWithRoom() {
    auto dialog = Open();
    const std::uint32_t leaving = League(0).Teams()[3];
    // From the top league onto "Vereine ohne Liga": it leaves the league.
    Drop(dialog->LeagueTeams(), 3, dialog->TeamsWithoutLeague(), 0);
    QCOMPARE(League(0).PositionOfTeam(leaving), -1);
    QVERIFY(!Values(dialog->LeagueTeams()).empty());
    QVERIFY(dialog->TeamsWithoutLeague().RowOf(leaving) >= 0);
    QCOMPARE(dialog->TeamsWithoutLeague().currentRow(),
             dialog->TeamsWithoutLeague().RowOf(leaving));

    // Back from "Vereine ohne Liga" onto the row of the sixth team: it is inserted there.
    const std::vector<std::uint32_t> before = League(0).Teams();
    Drop(dialog->TeamsWithoutLeague(), dialog->TeamsWithoutLeague().RowOf(leaving),
         dialog->LeagueTeams(), 5);
    std::vector<std::uint32_t> expected = before;
    expected.insert(expected.begin() + 5, leaving);
    QCOMPARE(League(0).Teams(), expected);
    QCOMPARE(Values(dialog->LeagueTeams()), expected);
    QCOMPARE(dialog->TeamsWithoutLeague().RowOf(leaving), -1);

    // A team of another league dropped on the emptied place of league 1 in "Ligen" moves there.
    const std::uint32_t freed = League(1).Teams().back();
    ClickRow(dialog->Leagues(), 1);
    Drop(dialog->LeagueTeams(), dialog->LeagueTeams().count() - 1, dialog->TeamsWithoutLeague(), 0);
    QCOMPARE(League(1).PositionOfTeam(freed), -1);
    ClickRow(dialog->Leagues(), 0);
    Drop(dialog->LeagueTeams(), dialog->LeagueTeams().RowOf(expected[0]), dialog->Leagues(), 1);
    QCOMPARE(League(0).PositionOfTeam(expected[0]), -1);
    QCOMPARE(League(1).Teams().back(), expected[0]);
    QVERIFY(League(1).IsFull());
    CloseWith(*dialog, Qt::Key_Return, true);
}

void LeagueCompositionTest::cupWinnerFromTheMenuKeyClearsTheOtherWinner() {
    auto dialog = Open();
    CCompositionList& list = dialog->LeagueTeams();
    const std::uint32_t a = League(0).Teams()[0];
    const std::uint32_t b = League(0).Teams()[1];
    // The second team by a right click while the first is current, the first by the context
    // menu key, the second by Shift+F10: each on its row, which becomes the current one.
    const QString winner = QStringLiteral("Pokalsieger");
    // The right click selects the team it points at, also when the menu is left unused.
    list.setCurrentRow(0);
    QVERIFY(!UseContextMenu(list, 1, EMenuWay::kRightClick).empty());
    QCOMPARE(list.currentRow(), 1);
    list.setCurrentRow(0);
    using enum EMenuWay;
    for (const auto& [way, row] :
         {std::pair{kRightClick, 1}, std::pair{kMenuKey, 0}, std::pair{kShiftF10, 1}}) {
        QVERIFY(UseContextMenu(list, row, way, winner)[winner]);
        QCOMPARE(list.currentRow(), row);
        QCOMPARE(CupMarkText(ClubOf(row == 0 ? a : b), false), std::string_view("Pokalsieger"));
    }
    QCOMPARE(CupMarkText(ClubOf(a), false), std::string_view());
    QCOMPARE(CupMarkText(ClubOf(b), false), std::string_view("Pokalsieger"));
    QVERIFY(QString::fromStdString(list.Row(1)).endsWith(QStringLiteral("\tPokalsieger")));
    QVERIFY(!QString::fromStdString(list.Row(0)).endsWith(QStringLiteral("Pokalsieger")));

    // The league group: "Absteiger", then its "Nichts" clears it; the cup group's "Nichts"
    // changes nothing.
    const auto Choose = [&dialog, b](int index) {
        std::unique_ptr<QMenu> menu = dialog->ClubMenu(b);
        menu->actions().at(index)->trigger();
    };
    Choose(5);
    QCOMPARE(LeagueMarkText(ClubOf(b), false), std::string_view("Absteiger"));
    QCOMPARE(ActionTexts(*dialog->ClubMenu(b)),
             QStringLiteral("Pokalsieger|Pokalfinalist|Nichts||Aufsteiger|Absteiger|Nichts"));
    Choose(6);
    QCOMPARE(LeagueMarkText(ClubOf(b), false), std::string_view());
    Choose(2);
    QCOMPARE(CupMarkText(ClubOf(b), false), std::string_view("Pokalsieger"));
}

void LeagueCompositionTest::hidingReservesAndKeyboardMoves() {
    auto dialog = Open();
    CCompositionList& free = dialog->TeamsWithoutLeague();
    const int all = free.count();
    QTest::mouseClick(&dialog->HideReserves(), Qt::LeftButton);
    QCOMPARE(Values(free), TeamsWithoutLeague(World(), kDefaultCountry, true));
    QVERIFY(free.count() < all);

    // Delete takes the current team out of the league, Insert puts it back at the end.
    CCompositionList& list = dialog->LeagueTeams();
    list.setFocus();
    list.setCurrentRow(2);
    const std::uint32_t team = list.Value(2);
    QTest::keyClick(&list, Qt::Key_Delete);
    QCOMPARE(League(0).PositionOfTeam(team), -1);
    QCOMPARE(free.currentRow(), free.RowOf(team));
    free.setFocus();
    QTest::keyClick(&free, Qt::Key_Insert);
    QCOMPARE(League(0).Teams().back(), team);
    QCOMPARE(free.RowOf(team), -1);
}

// Untouched, the dialog records nothing; its session is one undo step. An emptied league keeps
// the dialog open on "OK" of the message list and lets it close on "Egal" (which leagues the check
// names: CompositionCommandsTest in tests/editing).
void LeagueCompositionTest::theSessionIsOneUndoStepAndEmptiedLeaguesAreNamed() {
    const std::string before = Dump();
    {
        auto dialog = Open();
        QCOMPARE(CloseWith(*dialog, Qt::Key_Escape, false), std::string());
        QVERIFY(!dialog->isVisible());
    }
    QVERIFY(!m_document->History().CanUndo());
    QVERIFY(!m_document->IsModified());
    {
        auto dialog = Open();
        Drop(dialog->LeagueTeams(), 0, dialog->TeamsWithoutLeague(), 0);
        Drop(dialog->LeagueTeams(), 4, dialog->LeagueTeams(), 1);
        // "Pokalfinalist" on a team without league.
        dialog->ClubMenu(dialog->TeamsWithoutLeague().Value(0))->actions().at(1)->trigger();
        Click(*dialog, QStringLiteral("clearLeague"));
        QVERIFY(League(0).Teams().empty());
        QCOMPARE(dialog->LeagueTeams().count(), 0);
        const auto missing = [this](int league) {
            return LeagueName(League(league), kDefaultLanguage) +
                   ": Nicht gen\xFCgend Vereine in der Liga!\n";
        };
        // "OK" of the list: the dialog stays.
        std::string shown = CloseWith(*dialog, Qt::Key_Return, false);
        QVERIFY2(shown.ends_with(missing(0)), shown.c_str());
        QVERIFY(shown.find("folgenden") == std::string::npos);
        QVERIFY(dialog->isVisible());
        // More leagues failing head the list; Escape takes the same path, "Egal" closes.
        Click(*dialog, QStringLiteral("clearAll"));
        const SCompositionFaults faults =
            CheckComposition(World(), kDefaultCountry, kDefaultLanguage);
        std::string all;
        for (const std::string& message : faults.messages) {
            all += message + "\n";
        }
        QVERIFY(all.starts_with(missing(0) + missing(1)));
        shown = CloseWith(*dialog, Qt::Key_Escape, true);
        QVERIFY2(shown.starts_with("Die folgenden Fehler sind aufgetreten!|"), shown.c_str());
        QCOMPARE(shown.substr(shown.find('|') + 1), all);
        QVERIFY(!dialog->isVisible());
    }
    QVERIFY(Dump() != before);
    QCOMPARE(m_document->UndoDescription(), std::optional<std::string>("Ligazusammensetzung"));
    QVERIFY(m_document->Undo());
    QVERIFY(!m_document->History().CanUndo());
    QVERIFY(Dump() == before);
}

}  // namespace kw

KW_GUI_TEST(LeagueCompositionTest);

#include "LeagueCompositionTest.moc"
