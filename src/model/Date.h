#pragma once

#include <cstdint>
#include <string>

namespace kw {

class CKLFile;

// A day of the Gregorian calendar as its Julian day number; 0 means no date.
class CDate {
public:
    constexpr CDate() = default;
    constexpr explicit CDate(std::int32_t julianDay) : m_value(julianDay) {}
    static CDate FromYmd(int year, int month, int day);

    std::int32_t Value() const { return m_value; }
    bool IsSet() const { return m_value != 0; }

    struct Ymd {
        int year = 0;
        int month = 0;
        int day = 0;
    };
    Ymd Split() const;
    int Year() const { return Split().year; }
    int Month() const { return Split().month; }
    int Day() const { return Split().day; }
    // 0 Monday ... 6 Sunday.
    int Weekday() const { return static_cast<int>(((m_value % 7) + 7) % 7); }
    // The resource pattern "%4 %1/%2": weekday abbreviation, day, month (and %3 the year).
    std::string Text() const;
    // "YYYY-MM-DD" as printf's "%04d-%02d-%02d" of the split date; empty when unset.
    std::string IsoText() const;

    // DATE section: day, month, year.
    bool Write(CKLFile& file) const;
    // Missing lines leave 1 January 2000; a year below 100 is of the 1900s; a year outside
    // 1700..2100 becomes 2000, a month outside 1..12 January, a day outside 1..31 the first.
    // An unset date (written as 0/0/0) reads back unset.
    static CDate Read(CKLFile& file);
    // The career history's reader: the values as they are, and no date when the section is
    // missing.
    static CDate ReadHistory(CKLFile& file);

    friend constexpr bool operator==(CDate a, CDate b) = default;
    friend constexpr auto operator<=>(CDate a, CDate b) = default;

private:
    std::int32_t m_value = 0;
};

}  // namespace kw
