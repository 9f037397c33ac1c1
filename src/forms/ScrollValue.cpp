#include "forms/ScrollValue.h"

#include <algorithm>
#include <cstdint>

namespace kw {

namespace {

int Clamp(std::int64_t value, const SScrollRange& range) {
    const std::int64_t low = std::min(range.minimum, range.maximum);
    const std::int64_t high = std::max(range.minimum, range.maximum);
    return static_cast<int>(std::clamp(value, low, high));
}

// The thumb mapping is its own inverse.
std::int64_t Mirror(const SScrollRange& range, int position) {
    return std::int64_t{range.minimum} + range.maximum - position;
}

}  // namespace

int ScrollValue(EScrollDirection direction, EScrollAction action, const SScrollRange& range,
                int value, int thumb) {
    // A reversed bar moves its value the other way for every action.
    const std::int64_t sign = direction == EScrollDirection::Plain ? 1 : -1;
    const std::int64_t current = value;
    switch (action) {
        case EScrollAction::LineTowardsStart:
            return Clamp(current - sign, range);
        case EScrollAction::LineTowardsEnd:
            return Clamp(current + sign, range);
        case EScrollAction::PageTowardsStart:
            return Clamp(current - sign * range.page, range);
        case EScrollAction::PageTowardsEnd:
            return Clamp(current + sign * range.page, range);
        case EScrollAction::Thumb:
            return Clamp(direction == EScrollDirection::Plain ? thumb : Mirror(range, thumb),
                         range);
        case EScrollAction::ToStart:
            return direction == EScrollDirection::Plain ? range.minimum : range.maximum;
        case EScrollAction::ToEnd:
            return direction == EScrollDirection::Plain ? range.maximum : range.minimum;
    }
    return Clamp(current, range);
}

int ThumbPosition(EScrollDirection direction, const SScrollRange& range, int value) {
    const int clamped = Clamp(value, range);
    return direction == EScrollDirection::Plain ? clamped : Clamp(Mirror(range, clamped), range);
}

}  // namespace kw
