#include "tools/CsvCells.h"

#include <charconv>

#include "platform/Cp1252.h"

namespace kw {

namespace {

bool StartsFormula(char c) {
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\'';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<int> Digits(std::string_view text) {
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool IsCalendarDay(int year, int month, int day) {
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > kDays[month - 1]) {
        return false;
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day <= 28 || leap;
}

}  // namespace

std::string EscapeFormulaText(std::string_view text) {
    if (!text.empty() && StartsFormula(text.front())) {
        return "'" + std::string(text);
    }
    return std::string(text);
}

std::string UnescapeFormulaText(std::string_view cell) {
    if (!cell.empty() && cell.front() == '\'') {
        cell.remove_prefix(1);
    }
    return std::string(cell);
}

std::string NormaliseLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            out += "\r\n";
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::optional<std::string> StrictUtf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t position = 0;
    while (position < utf8.size()) {
        const char32_t codePoint = DecodeUtf8At(utf8, position);
        const int byte = codePoint == kInvalidCodePoint ? -1 : CodePointToCp1252(codePoint);
        if (byte < 0) {
            return std::nullopt;
        }
        out.push_back(static_cast<char>(byte));
    }
    return out;
}

std::optional<std::int64_t> ParseCsvNumber(std::string_view cell) {
    const std::string_view text = Trimmed(cell);
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string FormatCsvDate(CDate date) {
    return date.IsoText();
}

SCsvDate ParseCsvDate(std::string_view cell) {
    const std::string_view text = Trimmed(cell);
    if (text.empty()) {
        return {ECsvDateParse::kOk, CDate()};
    }
    const bool iso = text.find('-') != std::string_view::npos;
    const char separator = iso ? '-' : '.';
    const std::size_t first = text.find(separator);
    const std::size_t second =
        first == std::string_view::npos ? first : text.find(separator, first + 1);
    if (second == std::string_view::npos) {
        return {};
    }
    const auto a = Digits(text.substr(0, first));
    const auto b = Digits(text.substr(first + 1, second - first - 1));
    const auto c = Digits(text.substr(second + 1));
    if (!a || !b || !c) {
        return {};
    }
    const int year = iso ? *a : *c;
    const int month = *b;
    const int day = iso ? *c : *a;
    if (year < 1700 || year > 2100 || !IsCalendarDay(year, month, day)) {
        return {ECsvDateParse::kOutOfRange, CDate()};
    }
    return {ECsvDateParse::kOk, CDate::FromYmd(year, month, day)};
}

}  // namespace kw
