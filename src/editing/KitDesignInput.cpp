#include "editing/KitDesignInput.h"

#include <algorithm>
#include <cctype>

#include "forms/SpinEditValue.h"

namespace kw {

namespace {

bool HoldsNumber(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return false;
    }
    std::size_t digit = start;
    if (text[digit] == '-' || text[digit] == '+') {
        ++digit;
    }
    return digit < text.size() && std::isdigit(static_cast<unsigned char>(text[digit])) != 0;
}

}  // namespace

int KitDesignSliderPosition(int design, SKitDesignRange range) {
    return std::clamp(design, range.minimum, range.maximum);
}

std::optional<STypedKitDesign> TypeKitDesign(std::string_view text, SKitDesignRange range,
                                             int sliderPosition) {
    if (!HoldsNumber(text)) {
        return std::nullopt;
    }
    const int typed = ParseSpinText(text);
    if (typed > range.maximum) {
        return STypedKitDesign{sliderPosition, range.maximum};
    }
    return STypedKitDesign{std::max(typed, range.minimum), std::nullopt};
}

}  // namespace kw
