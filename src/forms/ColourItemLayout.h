#pragma once

namespace kw {

struct SPixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const SPixelRect&) const = default;
};

// Where an item of the colour chooser puts its parts: the item inset by 2 pixels, a swatch a
// quarter of that wide at its left, and the name from 2 pixels past the swatch and 2 below the top.
struct SColourItemLayout {
    SPixelRect swatch;
    SPixelRect text;

    bool operator==(const SColourItemLayout&) const = default;
};

SColourItemLayout LayOutColourItem(const SPixelRect& item);

}  // namespace kw
