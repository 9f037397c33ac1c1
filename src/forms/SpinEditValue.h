#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kw {

// Only this many characters of a numeric field are read.
inline constexpr std::size_t kSpinTextLength = 63;

// The number a numeric field's text stands for: after leading blanks an optional sign and decimal
// digits, read from the first 63 characters; text that is no number reads as 0, and "12abc" as 12.
// A number beyond the int range gives the nearer end of the range instead of a wrapped value.
int ParseSpinText(std::string_view text);

// `value` brought into the range of the two bounds, whichever of them is the larger.
int ClampToSpinRange(int value, int minimum, int maximum);

// The bound that replaces a typed number outside the range of a spin partner, or nothing when the
// number lies inside it.
std::optional<int> ClampedEditValue(std::string_view text, int lower, int upper);

enum class ESpinArrow { Up, Down };

// Value and range of a numeric field with spin arrows.
class CSpinEditValue {
public:
    // Both bounds are kept as given; the stored value is not touched.
    void SetRange(int minimum, int maximum);

    // Nothing happens when `value` equals the stored value. Otherwise the value is clamped,
    // stored and returned: the field shows it and its listener hears of it, also when clamping
    // gave back the value stored before (a typed number is announced once the field is left).
    // A field that shows no value takes any value.
    std::optional<int> SetValue(int value);

    // The field shows no value (it is empty) until the next SetValue: for a value no record keeps.
    void Clear() { m_empty = true; }
    bool IsEmpty() const { return m_empty; }
    // Whether leaving the field with `text` keeps it empty: it showed no value and nothing but
    // blanks was typed.
    bool StaysEmpty(std::string_view text) const;

    // What an arrow asks for, starting from the number the field shows: the up arrow moves one
    // step towards the maximum, the down arrow one towards the minimum.
    int ArrowValue(int shown, ESpinArrow arrow) const;

    int Value() const { return m_value; }
    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }

private:
    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 100;
    bool m_empty = false;
};

}  // namespace kw
