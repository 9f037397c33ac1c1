// BMP files as the editors show them (pictures, kit previews): pixels and colour table in memory;
// drawing them is the GUI's part.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "assets/Image.h"

namespace kw {

class CDib {
public:
    // Uncompressed BMP files of 1, 4, 8, 16, 24 or 32 bits with a core, info or later header
    // (bit-field masks included). Every header field is checked against the data, so a damaged
    // or lying file gives false and leaves the object empty.
    bool LoadFromFile(const std::filesystem::path& path);
    bool LoadFromMemory(std::span<const std::uint8_t> bytes);
    void Clear();

    bool IsLoaded() const { return m_image.width > 0; }
    int Width() const { return m_image.width; }
    int Height() const { return m_image.height; }
    int BitsPerPixel() const { return m_bitsPerPixel; }
    // The file's colour table (at most 256 entries, 0xFFRRGGBB); empty when it has none.
    const std::vector<std::uint32_t>& Palette() const { return m_palette; }
    // The pixels, rows top first, opaque.
    const SImage& Image() const { return m_image; }

private:
    SImage m_image;
    std::vector<std::uint32_t> m_palette;
    int m_bitsPerPixel = 0;
};

}  // namespace kw
