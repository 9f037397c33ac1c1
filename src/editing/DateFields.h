#pragma once

#include <string>

#include "model/Date.h"

namespace kw {

// A date as the editor pages enter it: day, month and year in three numeric fields.
struct SDateFields {
    int day = 1;
    int month = 1;
    int year = 1980;

    friend bool operator==(const SDateFields&, const SDateFields&) = default;
};

// The years a date field offers.
struct SYearRange {
    int first = 1980;
    int last = 2015;
};

// Days of the month in the Gregorian calendar (February has 29 in years divisible by 4, and by 400
// when divisible by 100); 31 for a month outside 1..12.
int DaysInMonth(int month, int year);

// The fields of a date, each held within its field's range (day 1..31, month 1..12, the years):
// an unset or strange date still shows something the fields can hold.
SDateFields FieldsOfDate(CDate date, SYearRange years);

// The date the fields stand for: day, month and year held within their ranges, then the day
// within the month's length (31 April is 30 April).
CDate DateOfFields(const SDateFields& fields, SYearRange years);

// "01.07.2005" for lists; empty for no date.
std::string DateListText(CDate date);

}  // namespace kw
