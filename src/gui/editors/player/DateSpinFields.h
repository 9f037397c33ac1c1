#pragma once

#include <QWidget>

#include <array>

#include "editing/DateFields.h"

namespace kw {

class CSpinEditCtrl;

// A date as three numeric fields with arrows: day (1 to 31), month (1 to 12) and year (the range
// given). The fields remember the date they were loaded with, so the page can tell whether the
// user changed it.
class CDateSpinFields : public QWidget {
    Q_OBJECT

public:
    CDateSpinFields(SYearRange years, QWidget* parent);

    // Shows the date (each part held within its field) without announcing it.
    void Load(CDate date);
    // The date the fields stand for; the day is held within the month's length.
    CDate Date() const;
    // The fields differ from what was loaded.
    bool IsChanged() const;

    CSpinEditCtrl& Day() const { return *m_fields[0]; }
    CSpinEditCtrl& Month() const { return *m_fields[1]; }
    CSpinEditCtrl& Year() const { return *m_fields[2]; }

signals:
    // The user changed one of the fields.
    void DateEdited();

private:
    SDateFields Fields() const;

    SYearRange m_years;
    std::array<CSpinEditCtrl*, 3> m_fields{};
    SDateFields m_loaded;
};

// Narrows a numeric field to what `digits` digits and its arrows need.
void FitSpinToDigits(CSpinEditCtrl& field, int digits);

}  // namespace kw
