// The kit page's design controls: a slider and a field per shirt, shorts and socks design.
#pragma once

#include <optional>
#include <string_view>

namespace kw {

struct SKitDesignRange {
    int minimum = 1;
    int maximum = 1;
};

inline constexpr SKitDesignRange kShirtDesigns{1, 42};
inline constexpr SKitDesignRange kShortsDesigns{1, 13};
inline constexpr SKitDesignRange kSocksDesigns{1, 4};

// Where the slider stands for a stored design; a design outside the range shows at its nearer
// end (and is stored again only when the user moves the slider).
int KitDesignSliderPosition(int design, SKitDesignRange range);

struct STypedKitDesign {
    int sliderPosition = 0;
    // The text the field is reset to, when it is.
    std::optional<int> fieldValue;
};

// A number typed into a design field: below the minimum the slider goes to the minimum; above the
// maximum the field is reset to the maximum and the slider stays where it was; otherwise the
// slider follows. Nothing for a text that is no number (an emptied field while typing).
std::optional<STypedKitDesign> TypeKitDesign(std::string_view text, SKitDesignRange range,
                                             int sliderPosition);

}  // namespace kw
