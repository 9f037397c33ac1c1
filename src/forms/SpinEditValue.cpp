#include "forms/SpinEditValue.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kw {

namespace {

int Saturate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

int ParseSpinText(std::string_view text) {
    text = text.substr(0, kSpinTextLength);
    std::size_t position = 0;
    while (position < text.size() && IsBlank(text[position])) {
        ++position;
    }
    bool negative = false;
    if (position < text.size() && (text[position] == '-' || text[position] == '+')) {
        negative = text[position] == '-';
        ++position;
    }
    // Accumulating stops growing once past the int range, so no digit count can overflow.
    constexpr std::int64_t kBeyondRange = std::int64_t{std::numeric_limits<int>::max()} + 2;
    std::int64_t magnitude = 0;
    for (; position < text.size() && text[position] >= '0' && text[position] <= '9'; ++position) {
        magnitude = std::min(magnitude * 10 + (text[position] - '0'), kBeyondRange);
    }
    return Saturate(negative ? -magnitude : magnitude);
}

int ClampToSpinRange(int value, int minimum, int maximum) {
    return std::clamp(value, std::min(minimum, maximum), std::max(minimum, maximum));
}

std::optional<int> ClampedEditValue(std::string_view text, int lower, int upper) {
    const int typed = ParseSpinText(text);
    const int clamped = ClampToSpinRange(typed, lower, upper);
    if (clamped == typed) {
        return std::nullopt;
    }
    return clamped;
}

void CSpinEditValue::SetRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
}

std::optional<int> CSpinEditValue::SetValue(int value) {
    if (value == m_value && !m_empty) {
        return std::nullopt;
    }
    m_empty = false;
    m_value = ClampToSpinRange(value, m_minimum, m_maximum);
    return m_value;
}

bool CSpinEditValue::StaysEmpty(std::string_view text) const {
    return m_empty && std::all_of(text.begin(), text.end(), IsBlank);
}

int CSpinEditValue::ArrowValue(int shown, ESpinArrow arrow) const {
    const int towardsMaximum = m_minimum <= m_maximum ? 1 : -1;
    const int step = arrow == ESpinArrow::Up ? towardsMaximum : -towardsMaximum;
    return Saturate(std::int64_t{shown} + step);
}

}  // namespace kw
