#pragma once

#include <cstdint>

#include "assets/Image.h"

namespace kw {

// The colour that pictures drawn over a background leave transparent: RGB(8, 8, 8).
inline constexpr std::uint32_t kTransparentKey = Argb(8, 8, 8);

// Every pixel of the key colour (alpha ignored) becomes `background`; the others stay as they are.
void ReplaceKeyColour(SImage& image, std::uint32_t key, std::uint32_t background);

}  // namespace kw
