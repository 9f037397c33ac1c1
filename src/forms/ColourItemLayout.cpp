#include "forms/ColourItemLayout.h"

#include <algorithm>

namespace kw {

SColourItemLayout LayOutColourItem(const SPixelRect& item) {
    constexpr int kInset = 2;
    constexpr int kGap = 2;
    const SPixelRect inner{item.left + kInset, item.top + kInset,
                           std::max(item.width - 2 * kInset, 0),
                           std::max(item.height - 2 * kInset, 0)};
    const SPixelRect swatch{inner.left, inner.top, inner.width / 4, inner.height};
    const int textLeft = swatch.left + swatch.width + kGap;
    const SPixelRect text{textLeft, inner.top + kGap,
                          std::max(inner.left + inner.width - textLeft, 0),
                          std::max(inner.height - kGap, 0)};
    return SColourItemLayout{swatch, text};
}

}  // namespace kw
