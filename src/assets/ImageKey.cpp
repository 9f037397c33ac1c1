#include "assets/ImageKey.h"

#include <algorithm>

namespace kw {

void ReplaceKeyColour(SImage& image, std::uint32_t key, std::uint32_t background) {
    constexpr std::uint32_t kColourBits = 0x00FFFFFF;
    std::replace_if(
        image.pixels.begin(), image.pixels.end(),
        [key](std::uint32_t pixel) { return (pixel & kColourBits) == (key & kColourBits); },
        background);
}

}  // namespace kw
