// A plain true-colour image in memory, the form in which images are drawn and written.
#pragma once

#include <cstdint>
#include <vector>

namespace kw {

// Largest width and height any reader here accepts: files state their size, and a lying header
// must not make a reader allocate gigabytes.
inline constexpr int kMaxImageDimension = 8192;

struct SImage {
    int width = 0;
    int height = 0;
    // Rows top first, each pixel 0xAARRGGBB.
    std::vector<std::uint32_t> pixels;

    SImage() = default;
    SImage(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

constexpr std::uint32_t Argb(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                             std::uint8_t a = 0xFF) {
    return (std::uint32_t{a} << 24) | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}

}  // namespace kw
