#include "editing/PlayerPositionRules.h"

#include <algorithm>

#include "platform/StringTable.h"

namespace kw {

PositionSlots PositionsToStore(const PositionSlots& chosen) {
    PositionSlots stored{};
    stored[0] = static_cast<std::uint8_t>(std::clamp<int>(chosen[0], 1, kLastPosition));
    std::size_t filled = 1;
    for (std::size_t slot = 1; slot < chosen.size(); ++slot) {
        const std::uint8_t code = chosen[slot];
        const auto end = stored.begin() + static_cast<std::ptrdiff_t>(filled);
        if (code == position::kNone || code > kLastPosition ||
            std::find(stored.begin(), end, code) != end) {
            continue;
        }
        stored[filled++] = code;
    }
    return stored;
}

std::string_view NationalExperienceText(int value) {
    return value >= 0 && value <= kMaxNationalExperience
               ? ResourceString(ids::kNationalExperience + value)
               : std::string_view();
}

std::string_view InternationalExperienceText(int value) {
    return value >= 0 && value <= kMaxInternationalExperience
               ? ResourceString(ids::kInternationalExperience + value)
               : std::string_view();
}

std::string PositionStrengthText(int position, double strength) {
    const std::string name(ResourceString(ids::kPositionNames + position));
    return FormatPrintf("%s\t%2.1f", name.c_str(), strength);
}

}  // namespace kw
