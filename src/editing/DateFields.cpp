#include "editing/DateFields.h"

#include <algorithm>
#include <cstdio>

namespace kw {

namespace {

constexpr int kLongestMonth = 31;
constexpr int kMonths = 12;

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

}  // namespace

int DaysInMonth(int month, int year) {
    switch (month) {
        case 2:
            return IsLeapYear(year) ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return kLongestMonth;
    }
}

SDateFields FieldsOfDate(CDate date, SYearRange years) {
    const CDate::Ymd parts = date.Split();
    return {std::clamp(parts.day, 1, kLongestMonth), std::clamp(parts.month, 1, kMonths),
            std::clamp(parts.year, years.first, years.last)};
}

CDate DateOfFields(const SDateFields& fields, SYearRange years) {
    const int year = std::clamp(fields.year, years.first, years.last);
    const int month = std::clamp(fields.month, 1, kMonths);
    const int day = std::clamp(fields.day, 1, DaysInMonth(month, year));
    return CDate::FromYmd(year, month, day);
}

std::string DateListText(CDate date) {
    if (!date.IsSet()) {
        return {};
    }
    const CDate::Ymd parts = date.Split();
    char text[24];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", parts.day, parts.month, parts.year);
    return text;
}

}  // namespace kw
