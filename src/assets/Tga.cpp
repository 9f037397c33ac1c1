#include "assets/Tga.h"
#include "platform/ByteOrder.h"

#include <algorithm>

namespace kw {

namespace {

constexpr std::size_t kTgaHeaderSize = 18;
constexpr std::uint8_t kTypeTrueColour = 2;
constexpr std::uint8_t kTypeRunLength = 10;
constexpr std::uint8_t kTopLeftOrigin = 0x20;

std::uint16_t Little16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(ReadLittleEndian(bytes, 2));
}

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    WriteLittleEndian(out.data() + at, value, 2);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    WriteLittleEndian(out.data() + at, value, 4);
}

// Writes one source pixel as B, G, R.
void ConvertPixel(const std::uint8_t* source, int bytesPerPixel, std::uint8_t* target) {
    if (bytesPerPixel == 2) {
        const unsigned p = Little16(source);
        target[0] = static_cast<std::uint8_t>((p & 0x1F) << 3);
        target[1] = static_cast<std::uint8_t>((p >> 2) & 0xF8);
        target[2] = static_cast<std::uint8_t>((p >> 7) & 0xF8);
    } else {
        target[0] = source[0];
        target[1] = source[1];
        target[2] = source[2];
    }
}

// Pixels are written in stored order; this maps the n-th stored row to its place in the
// bottom-up bitmap.
class CDibRows {
public:
    CDibRows(std::vector<std::uint8_t>& dib, int width, int height, bool topFirst)
        : m_dib(dib),
          m_width(width),
          m_height(height),
          m_topFirst(topFirst),
          m_stride((3 * static_cast<std::size_t>(width) + 3) & ~std::size_t{3}) {}

    std::size_t Stride() const { return m_stride; }
    std::uint8_t* Pixel(std::size_t index) {
        const auto storedRow = static_cast<int>(index / static_cast<std::size_t>(m_width));
        const int row = m_topFirst ? m_height - 1 - storedRow : storedRow;
        return m_dib.data() + kDibHeaderSize + static_cast<std::size_t>(row) * m_stride +
               3 * (index % static_cast<std::size_t>(m_width));
    }

private:
    std::vector<std::uint8_t>& m_dib;
    int m_width;
    int m_height;
    bool m_topFirst;
    std::size_t m_stride;
};

void DecodeUncompressed(std::span<const std::uint8_t> data, int bytesPerPixel,
                        std::size_t pixelCount, CDibRows& rows) {
    const std::size_t available = std::min(pixelCount, data.size() / bytesPerPixel);
    for (std::size_t i = 0; i < available; ++i) {
        ConvertPixel(data.data() + i * bytesPerPixel, bytesPerPixel, rows.Pixel(i));
    }
}

// Packets run on across row ends; a packet running past the last pixel is cut there.
void DecodeRunLength(std::span<const std::uint8_t> data, int bytesPerPixel, std::size_t pixelCount,
                     CDibRows& rows) {
    const auto size = static_cast<std::size_t>(bytesPerPixel);
    std::size_t at = 0;
    std::size_t pixel = 0;
    while (pixel < pixelCount && at < data.size()) {
        const std::uint8_t head = data[at++];
        const std::size_t count = std::min<std::size_t>((head & 0x7F) + 1u, pixelCount - pixel);
        if (head & 0x80) {
            if (data.size() - at < size) {
                return;
            }
            for (std::size_t i = 0; i < count; ++i) {
                ConvertPixel(data.data() + at, bytesPerPixel, rows.Pixel(pixel++));
            }
            at += size;
        } else {
            const std::size_t stated = (head & 0x7Fu) + 1u;
            for (std::size_t i = 0; i < count && data.size() - at >= size; ++i) {
                ConvertPixel(data.data() + at, bytesPerPixel, rows.Pixel(pixel++));
                at += size;
            }
            if (count < stated) {
                return;
            }
        }
    }
}

void PutPixel(std::vector<std::uint8_t>& out, std::uint32_t argb, int bytesPerPixel) {
    out.push_back(static_cast<std::uint8_t>(argb));
    out.push_back(static_cast<std::uint8_t>(argb >> 8));
    out.push_back(static_cast<std::uint8_t>(argb >> 16));
    if (bytesPerPixel == 4) {
        out.push_back(static_cast<std::uint8_t>(argb >> 24));
    }
}

void EncodeRowRunLength(std::span<const std::uint32_t> row, std::uint32_t mask, int bytesPerPixel,
                        std::vector<std::uint8_t>& out) {
    constexpr std::size_t kMaxPacket = 128;
    std::size_t i = 0;
    while (i < row.size()) {
        std::size_t run = 1;
        while (i + run < row.size() && run < kMaxPacket && ((row[i + run] ^ row[i]) & mask) == 0) {
            ++run;
        }
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
            PutPixel(out, row[i], bytesPerPixel);
            i += run;
            continue;
        }
        // Literal pixels up to the next pair of equal ones.
        std::size_t count = 1;
        while (
            i + count < row.size() && count < kMaxPacket &&
            !(i + count + 1 < row.size() && ((row[i + count] ^ row[i + count + 1]) & mask) == 0)) {
            ++count;
        }
        out.push_back(static_cast<std::uint8_t>(count - 1));
        for (std::size_t k = 0; k < count; ++k) {
            PutPixel(out, row[i + k], bytesPerPixel);
        }
        i += count;
    }
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ConvertTgaToDib(std::span<const std::uint8_t> tga) {
    if (tga.size() < kTgaHeaderSize) {
        return std::nullopt;
    }
    const int width = Little16(tga.data() + 12);
    const int height = Little16(tga.data() + 14);
    if (width < 1 || height < 1 || width > kMaxImageDimension || height > kMaxImageDimension) {
        return std::nullopt;
    }
    const std::uint8_t type = tga[2];
    const int bitsPerPixel = tga[16];
    const bool topFirst = (tga[17] & kTopLeftOrigin) != 0;
    const std::size_t start = kTgaHeaderSize + tga[0];
    const std::size_t pixelCount = static_cast<std::size_t>(width) * height;
    // A stated size that the data cannot fill is a lie (or a cut file); refusing it keeps the
    // bitmap's size in proportion to the file's.
    const std::size_t dataSize = start < tga.size() ? tga.size() - start : 0;
    const std::size_t bytesPerPixel = std::max(1, (bitsPerPixel + 7) / 8);
    const std::size_t leastData = type == kTypeRunLength
                                      ? (pixelCount + 127) / 128 * (1 + bytesPerPixel)
                                      : pixelCount * bytesPerPixel;
    if (dataSize < leastData) {
        return std::nullopt;
    }

    const std::size_t stride = (3 * static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    const std::size_t imageSize = stride * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> dib(kDibHeaderSize + imageSize, 0);
    dib[0] = 'B';
    dib[1] = 'M';
    Put32(dib, 2, static_cast<std::uint32_t>(dib.size()));
    Put32(dib, 10, kDibHeaderSize);
    Put32(dib, 14, 40);
    Put32(dib, 18, static_cast<std::uint32_t>(width));
    Put32(dib, 22, static_cast<std::uint32_t>(height));
    Put16(dib, 26, 1);
    Put16(dib, 28, 24);
    Put32(dib, 34, static_cast<std::uint32_t>(imageSize));

    if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) {
        return dib;
    }
    const std::span<const std::uint8_t> data = tga.subspan(start);
    CDibRows rows(dib, width, height, topFirst);
    if (type == kTypeRunLength) {
        DecodeRunLength(data, bitsPerPixel / 8, pixelCount, rows);
    } else {
        DecodeUncompressed(data, bitsPerPixel / 8, pixelCount, rows);
    }
    return dib;
}

std::vector<std::uint8_t> EncodeTga(const SImage& image, int bitsPerPixel, TgaCoding coding) {
    const int bytesPerPixel = bitsPerPixel == 32 ? 4 : 3;
    const std::uint32_t mask = bytesPerPixel == 4 ? 0xFFFFFFFF : 0x00FFFFFF;
    std::vector<std::uint8_t> out(kTgaHeaderSize, 0);
    out[2] = coding == TgaCoding::RunLength ? kTypeRunLength : kTypeTrueColour;
    Put16(out, 12, static_cast<std::uint32_t>(image.width));
    Put16(out, 14, static_cast<std::uint32_t>(image.height));
    out[16] = static_cast<std::uint8_t>(8 * bytesPerPixel);
    out[17] = bytesPerPixel == 4 ? 8 : 0;  // alpha bits; bottom-left origin
    for (int y = image.height - 1; y >= 0; --y) {
        const std::span<const std::uint32_t> row(
            image.pixels.data() + static_cast<std::size_t>(y) * image.width,
            static_cast<std::size_t>(image.width));
        if (coding == TgaCoding::RunLength) {
            EncodeRowRunLength(row, mask, bytesPerPixel, out);
        } else {
            for (const std::uint32_t pixel : row) {
                PutPixel(out, pixel, bytesPerPixel);
            }
        }
    }
    return out;
}

}  // namespace kw
