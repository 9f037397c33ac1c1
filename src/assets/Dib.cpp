#include "assets/Dib.h"
#include "platform/ByteOrder.h"
#include "platform/FileContents.h"

#include <bit>
#include <optional>

namespace kw {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;
constexpr std::size_t kMaxPaletteEntries = 256;

std::uint32_t Little(std::span<const std::uint8_t> bytes, std::size_t at, int count) {
    return ReadLittleEndian(bytes.data() + at, static_cast<std::size_t>(count));
}

// One colour channel of a bit-field pixel, scaled to 8 bits.
class CChannel {
public:
    explicit CChannel(std::uint32_t mask)
        : m_mask(mask),
          m_shift(mask ? std::countr_zero(mask) : 0),
          m_max(mask ? mask >> m_shift : 0) {}
    // A mask must be one run of bits.
    bool IsValid() const { return m_mask == 0 || (m_max & (m_max + 1)) == 0; }
    std::uint8_t From(std::uint32_t pixel) const {
        if (m_max == 0) {
            return 0;
        }
        const std::uint64_t value = (pixel & m_mask) >> m_shift;
        return static_cast<std::uint8_t>((value * 255 + m_max / 2) / m_max);
    }

private:
    std::uint32_t m_mask;
    int m_shift;
    std::uint32_t m_max;
};

struct SHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t coloursUsed = 0;
    std::uint32_t masks[3] = {};
    std::size_t paletteAt = 0;
    std::size_t paletteEntrySize = 4;
};

std::optional<SHeader> ReadHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t headerSize = Little(bytes, kFileHeaderSize, 4);
    if (headerSize > bytes.size() - kFileHeaderSize) {
        return std::nullopt;
    }
    SHeader header;
    const std::size_t at = kFileHeaderSize;
    if (headerSize == kCoreHeaderSize) {
        header.width = Little(bytes, at + 4, 2);
        header.height = static_cast<std::int16_t>(Little(bytes, at + 6, 2));
        header.bitsPerPixel = static_cast<int>(Little(bytes, at + 10, 2));
        header.paletteEntrySize = 3;
        header.paletteAt = at + headerSize;
        return header;
    }
    if (headerSize < kInfoHeaderSize) {
        return std::nullopt;
    }
    header.width = static_cast<std::int32_t>(Little(bytes, at + 4, 4));
    header.height = static_cast<std::int32_t>(Little(bytes, at + 8, 4));
    header.bitsPerPixel = static_cast<int>(Little(bytes, at + 14, 2));
    header.compression = Little(bytes, at + 16, 4);
    header.coloursUsed = Little(bytes, at + 32, 4);
    header.paletteAt = at + headerSize;
    if (header.compression == kBitFields || header.compression == kAlphaBitFields) {
        // The masks follow a plain info header and sit inside the later ones.
        std::size_t masksAt = at + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            header.paletteAt += header.compression == kBitFields ? 12 : 16;
        }
        if (masksAt + 12 > bytes.size()) {
            return std::nullopt;
        }
        for (std::uint32_t& mask : header.masks) {
            mask = Little(bytes, masksAt, 4);
            masksAt += 4;
        }
    }
    return header;
}

std::uint32_t Opaque(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Argb(r, g, b);
}

}  // namespace

bool CDib::LoadFromFile(const std::filesystem::path& path) {
    Clear();
    const auto bytes = ReadFileBytes(path);
    return bytes && LoadFromMemory(*bytes);
}

void CDib::Clear() {
    m_image = {};
    m_palette.clear();
    m_bitsPerPixel = 0;
}

bool CDib::LoadFromMemory(std::span<const std::uint8_t> bytes) {
    Clear();
    const auto header = ReadHeader(bytes);
    if (!header) {
        return false;
    }
    const int bits = header->bitsPerPixel;
    const std::int64_t width = header->width;
    const std::int64_t height = header->height < 0 ? -header->height : header->height;
    const bool bitFields =
        header->compression == kBitFields || header->compression == kAlphaBitFields;
    if (width < 1 || height < 1 || width > kMaxImageDimension || height > kMaxImageDimension ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) ||
        !(header->compression == kRgb || (bitFields && (bits == 16 || bits == 32)))) {
        return false;
    }

    std::size_t entries = header->coloursUsed;
    if (bits <= 8 && (entries == 0 || entries > (std::size_t{1} << bits))) {
        entries = std::size_t{1} << bits;
    }
    entries = std::min(entries, kMaxPaletteEntries);
    const std::size_t pixelsAt = Little(bytes, 10, 4);
    if (header->paletteAt > bytes.size() ||
        entries > (bytes.size() - header->paletteAt) / header->paletteEntrySize) {
        return false;
    }
    std::vector<std::uint32_t> palette;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t at = header->paletteAt + i * header->paletteEntrySize;
        palette.push_back(Opaque(bytes[at + 2], bytes[at + 1], bytes[at]));
    }

    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (pixelsAt > bytes.size() ||
        stride * static_cast<std::size_t>(height) > bytes.size() - pixelsAt) {
        return false;
    }

    std::uint32_t masks[3] = {header->masks[0], header->masks[1], header->masks[2]};
    if (!bitFields) {
        if (bits == 16) {
            masks[0] = 0x7C00;
            masks[1] = 0x03E0;
            masks[2] = 0x001F;
        } else {
            masks[0] = 0xFF0000;
            masks[1] = 0x00FF00;
            masks[2] = 0x0000FF;
        }
    }
    const CChannel red(masks[0]), green(masks[1]), blue(masks[2]);
    if (!red.IsValid() || !green.IsValid() || !blue.IsValid()) {
        return false;
    }

    SImage image(static_cast<int>(width), static_cast<int>(height));
    const bool bottomUp = header->height > 0;
    for (int row = 0; row < image.height; ++row) {
        const int y = bottomUp ? image.height - 1 - row : row;
        const std::uint8_t* source =
            bytes.data() + pixelsAt + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t colour = 0;
            if (bits <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const unsigned index =
                    (source[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                colour = index < palette.size() ? palette[index] : Opaque(0, 0, 0);
            } else if (bits == 24) {
                const std::uint8_t* p = source + 3 * x;
                colour = Opaque(p[2], p[1], p[0]);
            } else {
                const std::size_t size = static_cast<std::size_t>(bits / 8);
                const std::uint32_t value =
                    Little(std::span(source, stride), static_cast<std::size_t>(x) * size,
                           static_cast<int>(size));
                colour = Opaque(red.From(value), green.From(value), blue.From(value));
            }
            image.At(x, y) = colour;
        }
    }
    m_image = std::move(image);
    m_palette = std::move(palette);
    m_bitsPerPixel = bits;
    return true;
}

}  // namespace kw
