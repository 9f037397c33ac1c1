#pragma once

#include <QWidget>

#include "model/Date.h"

namespace kw {

class CSpinEditCtrl;

// A date as day, month and year fields with spin buttons. The day's range is the month's length;
// when month or year change and the day exceeds the new length, the day becomes the length.
class CDateFields : public QWidget {
    Q_OBJECT

public:
    CDateFields(int firstYear, int lastYear, QWidget* parent = nullptr);

    // An unset date shows `fallback`. Quiet: DateChanged is not emitted.
    void SetDate(CDate date, CDate fallback);
    // The date the fields show, typed numbers included (held to the fields' ranges).
    CDate Date() const;
    // Emptied fields, as a page without a person shows them.
    void Clear();

    CSpinEditCtrl* DayField() const { return m_day; }
    CSpinEditCtrl* MonthField() const { return m_month; }
    CSpinEditCtrl* YearField() const { return m_year; }

signals:
    void DateChanged();

private:
    void FitDay();

    int m_firstYear;
    int m_lastYear;
    CSpinEditCtrl* m_day;
    CSpinEditCtrl* m_month;
    CSpinEditCtrl* m_year;
};

}  // namespace kw
