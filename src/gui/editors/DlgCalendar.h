#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "editing/CalendarCommands.h"
#include "editing/SeasonCalendar.h"
#include "gui/editors/LiveEditDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace kw {

class CDatabaseDocument;
class CValueScrollBar;

// "Kickwerk 06 - Rahmenterminkalender": the days of one month of a season, one row each, with
// the merged international day of the country's continent ("Int. Wettb.") and the matchday
// numbers of the country's competitions. Clicking a competition cell (or Space on it) toggles a
// matchday there in the way the mode says. "Vergleich mit Liga" adds the first league of another
// country as a last, read-only column.
// The dialog edits the live country: one undo takes the whole session back. OK, Escape and the
// close box check both calendars; with faults the message list offers "OK" (stay) and "Egal"
// (close all the same). "Prüfen" runs the same check at any time.
class CDlgCalendar : public CLiveEditDialog {
    Q_OBJECT

public:
    CDlgCalendar(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    // Opens the calendar of the country and returns once it is closed.
    static void Edit(CDatabaseDocument& document, int country, QWidget* parent);

    QTableWidget& Table() const { return *m_table; }
    QPushButton& MonthButton(int month) const { return *m_months.at(month - 1); }
    CValueScrollBar& SeasonBar() const { return *m_seasonBar; }
    QLabel& SeasonLabel() const { return *m_seasonLabel; }
    QRadioButton& ModeButton(ECalendarMode mode) const {
        return *m_modes.at(static_cast<std::size_t>(mode));
    }
    QComboBox& Comparison() const { return *m_comparison; }
    QPushButton& CheckButton() const { return *m_check; }

    int Month() const { return m_month; }
    int Calendar() const { return m_calendar; }
    void ShowMonth(int month);
    // The table column of a competition; -1 when it has none.
    int ColumnOf(std::uint32_t competitionId) const;
    // The table row of a day of the shown month; -1 when it is not shown.
    int RowOf(int day) const;

    void accept() override;

private:
    void ShowCalendar(int calendar);
    void Fill();
    void FillInternational(int row, int day, const InternationalDayTable& international);
    void FillComparison(int row, int day);
    void Toggle(int row, int column);
    ECalendarMode Mode() const;
    void CheckOnDemand();
    bool CheckBeforeClosing();

    CDatabaseDocument& m_document;
    int m_country;
    int m_month = 7;
    int m_calendar = 0;
    std::vector<SCalendarColumn> m_columns;
    std::vector<int> m_days;
    std::vector<SComparisonCountry> m_comparisonCountries;
    std::array<QPushButton*, 12> m_months{};
    std::array<QRadioButton*, 3> m_modes{};
    CValueScrollBar* m_seasonBar = nullptr;
    QLabel* m_seasonLabel = nullptr;
    QComboBox* m_comparison = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_check = nullptr;
};

}  // namespace kw
