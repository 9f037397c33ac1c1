#pragma once

namespace kw {

// What the user did to a scroll bar used as a value picker. "Start" is the top or left end.
enum class EScrollAction {
    LineTowardsStart,
    LineTowardsEnd,
    PageTowardsStart,
    PageTowardsEnd,
    Thumb,
    ToStart,
    ToEnd,
};

// Plain bars grow towards their end; reversed bars (the value bars of the editor pages) grow
// towards their start, so their largest value sits at the top.
enum class EScrollDirection { Plain, Reversed };

struct SScrollRange {
    int minimum = 0;
    int maximum = 0;
    int page = 1;
};

// The value after `action`, clamped to the range. `thumb` is the thumb's position for
// EScrollAction::Thumb (unused otherwise). A reversed bar's thumb at position p stands for
// minimum + maximum - p, so both ends of the bar give both ends of the range whatever the minimum.
int ScrollValue(EScrollDirection direction, EScrollAction action, const SScrollRange& range,
                int value, int thumb);

// Where the thumb sits for `value`; the inverse of the thumb mapping above.
int ThumbPosition(EScrollDirection direction, const SScrollRange& range, int value);

}  // namespace kw
