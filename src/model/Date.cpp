#include "model/Date.h"

#include <cstdio>

#include "platform/ResourceTable.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr char kDateTag[] = "DATE";
// Monday to Sunday, as the date text abbreviates them.
constexpr const char* kWeekdays[] = {
    KW_RESOURCE_TEXT("kw::Date", "Mo"), KW_RESOURCE_TEXT("kw::Date", "Di"),
    KW_RESOURCE_TEXT("kw::Date", "Mi"), KW_RESOURCE_TEXT("kw::Date", "Do"),
    KW_RESOURCE_TEXT("kw::Date", "Fr"), KW_RESOURCE_TEXT("kw::Date", "Sa"),
    KW_RESOURCE_TEXT("kw::Date", "So")};
constexpr std::int32_t kJulianOffset = 1721119;

// Replaces %1 to %9 of a resource pattern by the given texts.
std::string FormatPositional(std::string_view pattern, std::initializer_list<std::string> args) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            text += *(args.begin() + index);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace

CDate CDate::FromYmd(int year, int month, int day) {
    // No date is written as 0/0/0 and must read back as no date.
    if (year == 0 && month == 0 && day == 0) {
        return CDate();
    }
    if (month < 3) {
        month += 9;
        year -= 1;
    } else {
        month -= 3;
    }
    const std::int64_t century = year / 100;
    const std::int64_t yearOfCentury = year % 100;
    const std::int64_t value = 146097 * century / 4 + 1461 * yearOfCentury / 4 +
                               (153 * month + 2) / 5 + day + kJulianOffset;
    return CDate(static_cast<std::int32_t>(value));
}

CDate::Ymd CDate::Split() const {
    if (m_value == 0) {
        return {};
    }
    std::int64_t j = static_cast<std::int64_t>(m_value) - kJulianOffset;
    std::int64_t year = (4 * j - 1) / 146097;
    j = 4 * j - 1 - 146097 * year;
    std::int64_t day = j / 4;
    j = (4 * day + 3) / 1461;
    day = 4 * day + 3 - 1461 * j;
    day = (day + 4) / 4;
    std::int64_t month = (5 * day - 3) / 153;
    day = 5 * day - 3 - 153 * month;
    day = (day + 5) / 5;
    year = 100 * year + j;
    if (month < 10) {
        month += 3;
    } else {
        month -= 9;
        year += 1;
    }
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

std::string CDate::Text() const {
    if (!IsSet()) {
        return {};
    }
    const Ymd date = Split();
    return FormatPositional(
        ResourceString(ids::kDateFormat),
        {std::to_string(date.day), std::to_string(date.month), std::to_string(date.year),
         std::string(ShownText("kw::Date", kWeekdays[Weekday()]))});
}

std::string CDate::IsoText() const {
    if (!IsSet()) {
        return {};
    }
    const Ymd date = Split();
    if (date.year < 0 || date.year > 9999) {
        char text[40];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
        return text;
    }
    // Without printf: the JSON dump formats every date of a whole database.
    const auto digit = [](int value) { return static_cast<char>('0' + value % 10); };
    return {digit(date.year / 1000),
            digit(date.year / 100),
            digit(date.year / 10),
            digit(date.year),
            '-',
            digit(date.month / 10),
            digit(date.month),
            '-',
            digit(date.day / 10),
            digit(date.day)};
}

bool CDate::Write(CKLFile& file) const {
    const Ymd date = Split();
    return file.BeginSection(kDateTag) && file.WriteNumber(std::int32_t{date.day}) &&
           file.WriteNumber(std::int32_t{date.month}) &&
           file.WriteNumber(std::int32_t{date.year}) && file.EndSection(kDateTag);
}

CDate CDate::Read(CKLFile& file) {
    std::int32_t day = 1;
    std::int32_t month = 1;
    std::int32_t year = 2000;
    if (file.FindSection(kDateTag)) {
        std::int32_t value = 0;
        if (file.ReadNumber(value)) {
            day = value;
        }
        if (file.ReadNumber(value)) {
            month = value;
        }
        if (file.ReadNumber(value)) {
            year = value;
        }
        file.SkipToSectionEnd(kDateTag);
        // An unset date is written as 0/0/0 and stays unset.
        if (day == 0 && month == 0 && year == 0) {
            return CDate();
        }
    }
    if (year >= 0 && year < 100) {
        year += 1900;
    }
    if (year < 1700 || year > 2100) {
        year = 2000;
    }
    if (month < 1 || month > 12) {
        month = 1;
    }
    if (day < 1 || day > 31) {
        day = 1;
    }
    return FromYmd(year, month, day);
}

CDate CDate::ReadHistory(CKLFile& file) {
    if (!file.FindSection(kDateTag)) {
        return CDate();
    }
    std::uint8_t day = 0;
    std::uint8_t month = 0;
    std::int32_t year = 0;
    file.ReadNumber(day);
    file.ReadNumber(month);
    file.ReadNumber(year);
    file.SkipToSectionEnd(kDateTag);
    return FromYmd(year, month, day);
}

}  // namespace kw
