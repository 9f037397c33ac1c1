// TGA images: the badges are true-colour TGA files, converted to 24-bit bitmaps for display.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "assets/Image.h"

namespace kw {

// Size of the two headers that begin a converted bitmap; its pixel rows follow directly.
inline constexpr std::size_t kDibHeaderSize = 54;

// Converts a true-colour TGA (type 10 run-length coded, any other type read as uncompressed) of
// 16, 24 or 32 bits into a complete 24-bit BMP file image with bottom-up rows; other pixel sizes
// give a black image of the stated size. Rows are stored bottom first unless the descriptor
// marks a top-left origin.
//
// The file comes from disk or an archive and may lie. Nothing is given for a header shorter than
// 18 bytes, a width or height of 0 or above kMaxImageDimension, or less data than the stated size
// needs (for run-length data: than packets of 128 pixels would); run-length packets that end early
// leave the rest of the image black, and a packet running past the last pixel is cut there.
std::optional<std::vector<std::uint8_t>> ConvertTgaToDib(std::span<const std::uint8_t> tga);

enum class TgaCoding { Uncompressed, RunLength };

// A TGA file of the image (24 or 32 bits per pixel; 32 keeps the alpha), rows bottom first.
// Run-length packets end at every row end, as other readers expect.
std::vector<std::uint8_t> EncodeTga(const SImage& image, int bitsPerPixel, TgaCoding coding);

}  // namespace kw
