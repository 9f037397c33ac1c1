#include "gui/editors/player/DateSpinFields.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/controls/SpinEditCtrl.h"

namespace kw {

namespace {

constexpr int kLongestMonth = 31;
constexpr int kMonths = 12;

}  // namespace

CDateSpinFields::CDateSpinFields(SYearRange years, QWidget* parent)
    : QWidget(parent), m_years(years) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<int, int>, 3> ranges = {
        {{1, kLongestMonth}, {1, kMonths}, {years.first, years.last}}};
    const std::array<int, 3> digits = {2, 2, 4};
    for (std::size_t part = 0; part < m_fields.size(); ++part) {
        auto* field = new CSpinEditCtrl(this);
        field->SetRange(ranges[part].first, ranges[part].second);
        field->Field()->setMaxLength(digits[part]);
        FitSpinToDigits(*field, digits[part]);
        connect(field, &CSpinEditCtrl::SpinEditChanged, this, &CDateSpinFields::DateEdited);
        layout->addWidget(field);
        m_fields[part] = field;
    }
    layout->addStretch(1);
    setFocusProxy(m_fields[0]);
    Load(CDate::FromYmd(years.first, 1, 1));
}

void CDateSpinFields::Load(CDate date) {
    m_loaded = FieldsOfDate(date, m_years);
    const std::array<int, 3> values = {m_loaded.day, m_loaded.month, m_loaded.year};
    for (std::size_t part = 0; part < m_fields.size(); ++part) {
        const QSignalBlocker blocker(m_fields[part]);
        m_fields[part]->SetValue(values[part]);
    }
}

SDateFields CDateSpinFields::Fields() const {
    return {m_fields[0]->StoredValue(), m_fields[1]->StoredValue(), m_fields[2]->StoredValue()};
}

CDate CDateSpinFields::Date() const {
    return DateOfFields(Fields(), m_years);
}

bool CDateSpinFields::IsChanged() const {
    return Fields() != m_loaded;
}

void FitSpinToDigits(CSpinEditCtrl& field, int digits) {
    // The digits, the field's margins and the arrows beside it.
    const int text =
        field.Field()->fontMetrics().horizontalAdvance(QString(digits + 2, QChar('0')));
    field.setFixedWidth(text + field.Field()->fontMetrics().height() + 4);
}

}  // namespace kw
