#include "gui/editors/player/DateFields.h"

#include "editing/DateFields.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

#include "editing/PersonalDataRules.h"
#include "gui/controls/SpinEditCtrl.h"

namespace kw {

namespace {

CSpinEditCtrl* MakeField(const char* name, int minimum, int maximum, const QString& widest,
                         QWidget* parent) {
    auto* field = new CSpinEditCtrl(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->SetRange(minimum, maximum);
    // The arrows stay beside the digits.
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(widest) + 40);
    return field;
}

}  // namespace

CDateFields::CDateFields(int firstYear, int lastYear, QWidget* parent)
    : QWidget(parent),
      m_firstYear(firstYear),
      m_lastYear(lastYear),
      m_day(MakeField("day", 1, 31, QStringLiteral("00"), this)),
      m_month(MakeField("month", 1, 12, QStringLiteral("00"), this)),
      m_year(MakeField("year", firstYear, lastYear, QStringLiteral("0000"), this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_day);
    layout->addWidget(new QLabel(QStringLiteral("."), this));
    layout->addWidget(m_month);
    layout->addWidget(new QLabel(QStringLiteral("."), this));
    layout->addWidget(m_year);
    layout->addStretch(1);
    setFocusProxy(m_day);
    connect(m_day, &CSpinEditCtrl::SpinEditChanged, this, &CDateFields::DateChanged);
    connect(m_month, &CSpinEditCtrl::SpinEditChanged, this, [this] {
        FitDay();
        emit DateChanged();
    });
    connect(m_year, &CSpinEditCtrl::SpinEditChanged, this, [this] {
        FitDay();
        emit DateChanged();
    });
}

void CDateFields::SetDate(CDate date, CDate fallback) {
    const CDate::Ymd shown = (date.IsSet() ? date : fallback).Split();
    const QSignalBlocker quietDay(m_day);
    const QSignalBlocker quietMonth(m_month);
    const QSignalBlocker quietYear(m_year);
    m_year->SetValue(std::clamp(shown.year, m_firstYear, m_lastYear));
    m_month->SetValue(shown.month);
    m_day->SetRange(1, DaysInMonth(m_month->StoredValue(), m_year->StoredValue()));
    m_day->SetValue(ClampDay(shown.day, m_month->StoredValue(), m_year->StoredValue()));
    // A field that held the same number keeps an emptied text otherwise.
    m_year->Field()->setText(QString::number(m_year->StoredValue()));
    m_month->Field()->setText(QString::number(m_month->StoredValue()));
    m_day->Field()->setText(QString::number(m_day->StoredValue()));
}

CDate CDateFields::Date() const {
    const int year = std::clamp(m_year->GetValue(), m_firstYear, m_lastYear);
    const int month = std::clamp(m_month->GetValue(), 1, 12);
    return CDate::FromYmd(year, month, ClampDay(m_day->GetValue(), month, year));
}

void CDateFields::Clear() {
    for (CSpinEditCtrl* field : {m_day, m_month, m_year}) {
        field->Field()->clear();
    }
}

void CDateFields::FitDay() {
    const int length = DaysInMonth(m_month->StoredValue(), m_year->StoredValue());
    m_day->SetRange(1, length);
    const QSignalBlocker quiet(m_day);
    m_day->SetValue(std::min(m_day->GetValue(), length));
}

}  // namespace kw
