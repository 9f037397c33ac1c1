#include <QTableWidget>

#include "GuiTest.h"
#include "competition/Competition.h"
#include "editing/SeasonCalendar.h"
#include "gui/controls/DlgErrorSingle.h"
#include "gui/editors/DlgCalendar.h"

namespace kw {

using namespace test;

// The calendar view on the small demo's default country, driven with the mouse and the keyboard.
class CalendarDialogTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void monthsSeasonsAndTheComparisonAreShownWithoutAnEdit();
    void clicksInEachModeToggleTheirCompetitions();
    void aFaultAtOkStaysOnOkAndClosesOnEgalAlsoByEscapeAndTheCloseBox();

private:
    std::string Dump() const override { return DumpWorldJson(World(), kDefaultCountry); }
    std::uint32_t LeagueId(int index) const {
        return MakeCompetitionId(kDefaultCountry, kLeagueType, index);
    }
    std::int32_t Value(std::uint32_t id, int calendar, int day) const {
        return World().Competition(id)->CalendarValue(calendar, day);
    }
    std::unique_ptr<CDlgCalendar> Open();
    // A shown day of the dialog's month (after day 0) on which no competition of the country
    // plays; -1 when there is none.
    int FreeDay(const CDlgCalendar& dialog) const;
    static void ClickCell(CDlgCalendar& dialog, int row, int column);
};

std::unique_ptr<CDlgCalendar> CalendarDialogTest::Open() {
    auto dialog = std::make_unique<CDlgCalendar>(*m_document, kDefaultCountry);
    ShowActive(*dialog);
    return dialog;
}

int CalendarDialogTest::FreeDay(const CDlgCalendar& dialog) const {
    for (const int day : MonthDays(dialog.Calendar(), dialog.Month())) {
        bool free = day > 0;
        for (const SCalendarColumn& column :
             CalendarColumns(World(), kDefaultCountry, kDefaultLanguage)) {
            free = free && !World()
                                .Competition(column.competitionId)
                                ->PlaysOnDay(World().Registry(), dialog.Calendar(), day);
        }
        if (free) {
            return day;
        }
    }
    return -1;
}

void CalendarDialogTest::ClickCell(CDlgCalendar& dialog, int row, int column) {
    QTableWidget& table = dialog.Table();
    QTableWidgetItem* item = table.item(row, column);
    QVERIFY(item != nullptr);
    table.scrollToItem(item);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualItemRect(item).center());
}

void CalendarDialogTest::monthsSeasonsAndTheComparisonAreShownWithoutAnEdit() {
    auto dialog = Open();
    QTableWidget& table = dialog->Table();
    const std::vector<SCalendarColumn> columns =
        CalendarColumns(World(), kDefaultCountry, kDefaultLanguage);
    QCOMPARE(table.columnCount(), 2 + static_cast<int>(columns.size()));
    QCOMPARE(table.horizontalHeaderItem(0)->text(), QStringLiteral("Datum"));
    QCOMPARE(table.horizontalHeaderItem(1)->text(), QStringLiteral("Int. Wettb."));
    QCOMPARE(table.horizontalHeaderItem(2)->text(), Cp1252ToQString(columns[0].name));
    QCOMPARE(dialog->SeasonLabel().text(), QStringLiteral("2006/2007"));
    QCOMPARE(table.rowCount(), 31);
    QCOMPARE(table.item(0, 0)->text(), QStringLiteral("Sa 01.07.2006"));

    // A month shows its days with the international day and the matchday numbers (which days
    // and which international day: SeasonCalendarTest in tests/editing).
    const InternationalDayTable international = MergedInternationalDays(
        World().InternationalDays(), World().Country(kDefaultCountry).Continent(), 0);
    QTest::mouseClick(&dialog->MonthButton(10), Qt::LeftButton);
    QCOMPARE(dialog->Month(), 10);
    QVERIFY(dialog->MonthButton(10).isChecked());
    const std::vector<int> days = MonthDays(0, 10);
    QCOMPARE(table.rowCount(), static_cast<int>(days.size()));
    bool sawLeagueDay = false;
    for (std::size_t row = 0; row < days.size(); ++row) {
        const int r = static_cast<int>(row);
        const std::uint8_t code = international[static_cast<std::size_t>(days[row])];
        QCOMPARE(table.item(r, 1)->text(), Cp1252ToQString(InternationalDayText(code)));
        const std::int32_t matchday = Value(columns[0].competitionId, 0, days[row]);
        QCOMPARE(table.item(r, 2)->text(),
                 matchday != 0 ? QString::number(matchday) : table.item(r, 2)->text());
        sawLeagueDay |= matchday != 0;
    }
    QVERIFY(sawLeagueDay);
    QCOMPARE(table.item(0, 0)->text(), QStringLiteral("So 01.10.2006"));

    // The season bar by keyboard: the earlier season, the same month.
    dialog->SeasonBar().setFocus();
    QTest::keyClick(&dialog->SeasonBar(), Qt::Key_Right);
    QCOMPARE(dialog->Calendar(), 1);
    QCOMPARE(dialog->SeasonLabel().text(), QStringLiteral("2005/2006"));
    QCOMPARE(table.item(0, 0)->text(), QStringLiteral("Sa 01.10.2005"));
    QTest::keyClick(&dialog->SeasonBar(), Qt::Key_Right);
    QCOMPARE(dialog->Calendar(), 1);
    QTest::keyClick(&dialog->SeasonBar(), Qt::Key_Left);
    QCOMPARE(dialog->SeasonLabel().text(), QStringLiteral("2006/2007"));

    // The comparison column is read-only, and the check confirms a sound calendar.
    QComboBox& comparison = dialog->Comparison();
    QVERIFY(comparison.count() > 1);
    QCOMPARE(comparison.currentIndex(), 0);
    const int shown = dialog->Table().columnCount();
    comparison.setFocus();
    QTest::keyClick(&comparison, Qt::Key_Down);
    QCOMPARE(comparison.currentIndex(), 1);
    const int other = comparison.currentData().toInt();
    QVERIFY(other != kDefaultCountry);
    QCOMPARE(dialog->Table().columnCount(), shown + 1);
    QVERIFY(dialog->Table().horizontalHeaderItem(shown)->text().startsWith(
        Cp1252ToQString(World().Country(other).Name(kDefaultLanguage))));

    // Its numbers are the other league's, in a month where it plays; clicks there do nothing.
    const std::uint32_t otherLeague = MakeCompetitionId(other, kLeagueType, 0);
    QTest::mouseClick(&dialog->MonthButton(10), Qt::LeftButton);
    const std::string before = DumpWorldJson(World(), other) + Dump();
    bool sawMatchday = false;
    for (int row = 0; row < dialog->Table().rowCount(); ++row) {
        const int day = MonthDays(0, 10)[static_cast<std::size_t>(row)];
        const std::int32_t matchday = World().Competition(otherLeague)->CalendarValue(0, day);
        QCOMPARE(dialog->Table().item(row, shown)->text(),
                 matchday != 0 ? QString::number(matchday) : QString());
        sawMatchday |= matchday != 0;
        ClickCell(*dialog, row, shown);
    }
    QVERIFY(sawMatchday);
    QCOMPARE(DumpWorldJson(World(), other) + Dump(), before);
    QTest::keyClick(&comparison, Qt::Key_Home);
    QCOMPARE(dialog->Table().columnCount(), shown);

    QTest::mouseClick(&dialog->MonthButton(3), Qt::LeftButton);
    QTest::mouseClick(&dialog->ModeButton(ECalendarMode::kAllLeagues), Qt::LeftButton);
    QString confirmation;
    {
        QObject scope;
        WhenModal<CDlgErrorSingle>(scope, [&confirmation](CDlgErrorSingle& message) {
            confirmation = Cp1252ToQString(message.Text());
            QTest::mouseClick(message.OkButton(), Qt::LeftButton);
        });
        QTest::mouseClick(&dialog->CheckButton(), Qt::LeftButton);
    }
    QCOMPARE(confirmation, QStringLiteral("Keine Fehler gefunden\n"));
    QVERIFY(dialog->isVisible());
    // OK after only looking leaves the document clean.
    QCOMPARE(CloseWith(*dialog, Qt::Key_Return, false), std::string());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(DumpWorldJson(World(), other) + Dump(), before);
    QVERIFY(!m_document->IsModified());
    QVERIFY(!m_document->History().CanUndo());
}

void CalendarDialogTest::clicksInEachModeToggleTheirCompetitions() {
    auto dialog = Open();
    const std::vector<SCalendarColumn> columns =
        CalendarColumns(World(), kDefaultCountry, kDefaultLanguage);
    const int day = FreeDay(*dialog);
    QVERIFY(day > 0);
    const int row = dialog->RowOf(day);
    const auto played = [this, &columns, day] {
        std::vector<bool> on;
        for (const SCalendarColumn& column : columns) {
            on.push_back(Value(column.competitionId, 0, day) != 0);
        }
        return on;
    };
    const auto only = [&columns](const auto& chosen) {
        std::vector<bool> on;
        for (const SCalendarColumn& column : columns) {
            on.push_back(chosen(column));
        }
        return on;
    };

    // Clicks on the date, the international day and day 0 change nothing.
    const std::string before = Dump();
    ClickCell(*dialog, row, 0);
    ClickCell(*dialog, row, 1);
    ClickCell(*dialog, dialog->RowOf(0), dialog->ColumnOf(LeagueId(0)));
    QCOMPARE(Dump(), before);

    // One league: the second league only; the cell shows its number; a second click removes it.
    const int second = dialog->ColumnOf(LeagueId(1));
    ClickCell(*dialog, row, second);
    QCOMPARE(played(),
             only([this](const SCalendarColumn& c) { return c.competitionId == LeagueId(1); }));
    QCOMPARE(dialog->Table().item(row, second)->text(),
             QString::number(Value(LeagueId(1), 0, day)));
    QCOMPARE(Value(LeagueId(1), 1, day), 0);
    ClickCell(*dialog, row, second);
    QCOMPARE(Dump(), before);

    // Which columns each mode toggles: SeasonCalendarColumns in tests/editing.
    // All leagues, by the keyboard: Space on the current cell.
    dialog->ModeButton(ECalendarMode::kAllLeagues).setFocus();
    QTest::keyClick(&dialog->ModeButton(ECalendarMode::kAllLeagues), Qt::Key_Space);
    QVERIFY(dialog->ModeButton(ECalendarMode::kAllLeagues).isChecked());
    dialog->Table().setFocus();
    dialog->Table().setCurrentCell(row, dialog->ColumnOf(LeagueId(0)));
    QTest::keyClick(&dialog->Table(), Qt::Key_Space);
    QCOMPARE(played(), only([](const SCalendarColumn& c) { return c.league; }));
    QTest::keyClick(&dialog->Table(), Qt::Key_Space);
    QCOMPARE(Dump(), before);

    CloseWith(*dialog, Qt::Key_Return, true);
}

void CalendarDialogTest::aFaultAtOkStaysOnOkAndClosesOnEgalAlsoByEscapeAndTheCloseBox() {
    const std::string before = Dump();
    auto dialog = Open();
    const int day = FreeDay(*dialog);
    QVERIFY(day > 0);
    ClickCell(*dialog, dialog->RowOf(day), dialog->ColumnOf(LeagueId(0)));
    const std::string name =
        CalendarColumns(World(), kDefaultCountry, kDefaultLanguage).front().name;
    const std::string expected = "2006/2007\n" + name + "\nAnzahl Spieltage ist nicht korrekt!\n\n";
    // One counted message: no heading of its own.
    std::string shown = CloseWith(*dialog, Qt::Key_Return, false);
    QVERIFY2(shown.ends_with("|" + expected), shown.c_str());
    QVERIFY(shown.find("folgenden") == std::string::npos);
    QVERIFY(dialog->isVisible());
    shown = CloseWith(*dialog, Qt::Key_Escape, false);
    QVERIFY(shown.ends_with(expected));
    QVERIFY(dialog->isVisible());

    // A second league failing as well heads the list.
    ClickCell(*dialog, dialog->RowOf(day), dialog->ColumnOf(LeagueId(1)));
    shown = CloseWith(*dialog, 0, false);
    QVERIFY2(shown.starts_with("Die folgenden Fehler sind aufgetreten!|"), shown.c_str());
    QVERIFY(dialog->isVisible());
    // More of the session, in another mode and season: all of it is one edit.
    QTest::mouseClick(&dialog->ModeButton(ECalendarMode::kAllLeagues), Qt::LeftButton);
    ClickCell(*dialog, dialog->RowOf(day + 1), dialog->ColumnOf(LeagueId(1)));
    dialog->SeasonBar().SetValue(1);
    ClickCell(*dialog, dialog->RowOf(day), dialog->ColumnOf(LeagueId(1)));
    QVERIFY(Value(LeagueId(1), 1, day) != 0);
    shown = CloseWith(*dialog, 0, true);
    QVERIFY(!shown.empty());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(Value(LeagueId(0), 0, day) != 0, true);
    QCOMPARE(m_document->UndoDescription(), std::optional<std::string>("Rahmenterminkalender"));
    // "Egal" keeps the faulty calendar, and the country check finds it too.
    QVERIFY(!CountryFault(*m_document, kDefaultCountry).isEmpty());
    QVERIFY(m_document->Undo());
    QCOMPARE(Dump(), before);
    QCOMPARE(CountryFault(*m_document, kDefaultCountry), QString());
    QVERIFY(!m_document->History().CanUndo());
}

}  // namespace kw

KW_GUI_TEST(CalendarDialogTest);

#include "CalendarDialogTest.moc"
