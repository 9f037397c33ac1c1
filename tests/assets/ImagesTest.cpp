#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "assets/BadgeNames.h"
#include "assets/Dib.h"
#include "assets/ImageKey.h"
#include "assets/Tga.h"

namespace kw {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Bgr = std::array<std::uint8_t, 3>;

Bytes TgaHeader(std::uint8_t type, int width, int height, int bits, std::uint8_t descriptor = 0,
                std::uint8_t idLength = 0) {
    Bytes tga(18, 0);
    tga[0] = idLength;
    tga[2] = type;
    tga[12] = static_cast<std::uint8_t>(width);
    tga[13] = static_cast<std::uint8_t>(width >> 8);
    tga[14] = static_cast<std::uint8_t>(height);
    tga[15] = static_cast<std::uint8_t>(height >> 8);
    tga[16] = static_cast<std::uint8_t>(bits);
    tga[17] = descriptor;
    tga.resize(tga.size() + idLength, 'i');
    return tga;
}

std::uint32_t Read32(const Bytes& bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
           (std::uint32_t{bytes[at + 3]} << 24);
}

// The pixel of a 24-bit bottom-up bitmap as {B, G, R}; row 0 is the bottom row.
std::array<std::uint8_t, 3> Pixel(const Bytes& dib, int x, int row) {
    const std::size_t stride = (3 * Read32(dib, 18) + 3) & ~3u;
    const std::size_t at = 54 + row * stride + 3 * x;
    return {dib[at], dib[at + 1], dib[at + 2]};
}

TEST(Tga, UncompressedRowsGoBottomFirstBehindExactHeaders) {
    Bytes tga = TgaHeader(2, 3, 2, 24, 0, 5);
    for (std::uint8_t i = 0; i < 18; ++i) {
        tga.push_back(i);
    }
    const auto dib = ConvertTgaToDib(tga);
    ASSERT_TRUE(dib);
    // Stride of 3 pixels: 9 bytes rounded up to 12.
    ASSERT_EQ(dib->size(), 54u + 12 * 2);
    EXPECT_EQ((*dib)[0], 'B');
    EXPECT_EQ((*dib)[1], 'M');
    EXPECT_EQ(Read32(*dib, 2), 78u);
    EXPECT_EQ(Read32(*dib, 6), 0u);
    EXPECT_EQ(Read32(*dib, 10), 54u);
    EXPECT_EQ(Read32(*dib, 14), 40u);
    EXPECT_EQ(Read32(*dib, 18), 3u);
    EXPECT_EQ(Read32(*dib, 22), 2u);
    EXPECT_EQ(Read32(*dib, 26), 1u | (24u << 16));
    EXPECT_EQ(Read32(*dib, 30), 0u);
    EXPECT_EQ(Read32(*dib, 34), 24u);
    for (std::size_t at = 38; at < 54; at += 4) {
        EXPECT_EQ(Read32(*dib, at), 0u);
    }
    // Stored row 0 (bytes 0..8) is the bottom row; padding stays zero.
    EXPECT_EQ(Pixel(*dib, 0, 0), (Bgr{0, 1, 2}));
    EXPECT_EQ(Pixel(*dib, 2, 1), (Bgr{15, 16, 17}));
    EXPECT_EQ((Bytes(dib->begin() + 63, dib->begin() + 66)), (Bytes{0, 0, 0}));

    // A top-left origin flips the rows into place.
    tga[17] = 0x20;
    EXPECT_EQ(Pixel(*ConvertTgaToDib(tga), 0, 1), (Bgr{0, 1, 2}));
}

TEST(Tga, PixelSizesAlphaAndTheSixteenBitFormula) {
    Bytes tga32 = TgaHeader(2, 2, 1, 32);
    tga32.insert(tga32.end(), {10, 20, 30, 0x80, 40, 50, 60, 0});
    const auto dib32 = ConvertTgaToDib(tga32);
    EXPECT_EQ(Pixel(*dib32, 0, 0), (Bgr{10, 20, 30}));
    EXPECT_EQ(Pixel(*dib32, 1, 0), (Bgr{40, 50, 60}));
    EXPECT_EQ(Read32(*dib32, 28) & 0xFFFF, 24u);

    // 5 bits each: blue low, green middle, red high; the low three output bits are zero.
    Bytes tga16 = TgaHeader(2, 4, 1, 16);
    tga16.insert(tga16.end(), {0x1F, 0x00, 0xE0, 0x03, 0x00, 0x7C, 0x21, 0x84});
    const auto dib16 = ConvertTgaToDib(tga16);
    EXPECT_EQ(Pixel(*dib16, 0, 0), (Bgr{0xF8, 0, 0}));
    EXPECT_EQ(Pixel(*dib16, 1, 0), (Bgr{0, 0xF8, 0}));
    EXPECT_EQ(Pixel(*dib16, 2, 0), (Bgr{0, 0, 0xF8}));
    EXPECT_EQ(Pixel(*dib16, 3, 0), (Bgr{0x08, 0x08, 0x08}));

    Bytes tga8 = TgaHeader(2, 5, 3, 8);
    tga8.resize(tga8.size() + 15, 0xFF);
    const auto dib8 = ConvertTgaToDib(tga8);
    ASSERT_EQ(dib8->size(), 54u + 16 * 3);
    EXPECT_TRUE(std::all_of(dib8->begin() + 54, dib8->end(), [](auto b) { return b == 0; }));
}

TEST(Tga, RunLengthPacketsContinueAcrossRowEnds) {
    Bytes tga = TgaHeader(10, 2, 2, 24);
    // Three red pixels (two rows' worth and one more), then one raw blue pixel.
    tga.insert(tga.end(), {0x82, 0, 0, 255, 0x00, 255, 0, 0});
    const auto dib = ConvertTgaToDib(tga);
    EXPECT_EQ(Pixel(*dib, 0, 0), (Bgr{0, 0, 255}));
    EXPECT_EQ(Pixel(*dib, 1, 0), (Bgr{0, 0, 255}));
    EXPECT_EQ(Pixel(*dib, 0, 1), (Bgr{0, 0, 255}));
    EXPECT_EQ(Pixel(*dib, 1, 1), (Bgr{255, 0, 0}));
}

TEST(Tga, LyingFilesStopCleanly) {
    EXPECT_FALSE(ConvertTgaToDib(Bytes{}));
    EXPECT_FALSE(ConvertTgaToDib(Bytes(17, 0)));
    EXPECT_FALSE(ConvertTgaToDib(TgaHeader(2, 0, 5, 24)));
    EXPECT_FALSE(ConvertTgaToDib(TgaHeader(2, 8193, 1, 24)));
    Bytes widest = TgaHeader(2, 8192, 1, 24);
    widest.resize(widest.size() + 8192 * 3);
    EXPECT_TRUE(ConvertTgaToDib(widest));

    // Less data than the stated size needs: cut pixels, an ID field past the end, or fewer
    // bytes than run-length packets of 128 pixels could fill the image with.
    widest.pop_back();
    EXPECT_FALSE(ConvertTgaToDib(widest));
    Bytes longId = TgaHeader(2, 1, 1, 24);
    longId.insert(longId.end(), {1, 2, 3});
    EXPECT_TRUE(ConvertTgaToDib(longId));
    longId[0] = 1;
    EXPECT_FALSE(ConvertTgaToDib(longId));
    Bytes sparse = TgaHeader(10, 8192, 8192, 24);
    sparse.insert(sparse.end(), {0xFF, 1, 2, 3, 0xFF, 1, 2, 3});
    EXPECT_FALSE(ConvertTgaToDib(sparse));
    EXPECT_FALSE(ConvertTgaToDib(TgaHeader(2, 64, 64, 8)));

    // A run of 128 pixels into a 3-pixel image, and a raw packet whose pixels are missing.
    Bytes runs = TgaHeader(10, 3, 1, 32);
    runs.insert(runs.end(), {0xFF, 9, 9, 9, 9, 0x7F, 1, 2, 3});
    auto dib = ConvertTgaToDib(runs);
    EXPECT_EQ(dib->size(), 54u + 12);
    EXPECT_EQ(Pixel(*dib, 2, 0), (Bgr{9, 9, 9}));
    runs = TgaHeader(10, 3, 1, 24);
    runs.insert(runs.end(), {0x7F, 1, 2, 3, 4});
    dib = ConvertTgaToDib(runs);
    EXPECT_EQ(Pixel(*dib, 0, 0), (Bgr{1, 2, 3}));
    EXPECT_EQ(Pixel(*dib, 1, 0), (Bgr{0, 0, 0}));
}

TEST(Tga, EncodedImagesConvertBackInBothCodings) {
    std::mt19937 random(5);
    SImage image(131, 7);
    for (auto& pixel : image.pixels) {
        // Few colours, so that both run and raw packets occur, some longer than 128.
        pixel = random() % 3 == 0 ? random() : 0xFF102030;
    }
    for (int row = 0; row < 3; ++row) {
        std::fill_n(image.pixels.begin() + row * 131, 131, 0xFF000000u + row);
    }
    for (const auto coding : {TgaCoding::Uncompressed, TgaCoding::RunLength}) {
        for (const int bits : {24, 32}) {
            const auto dib = ConvertTgaToDib(EncodeTga(image, bits, coding));
            ASSERT_TRUE(dib);
            for (int y = 0; y < image.height; ++y) {
                for (int x = 0; x < image.width; ++x) {
                    const std::uint32_t p = image.At(x, y);
                    ASSERT_EQ(Pixel(*dib, x, image.height - 1 - y),
                              (Bgr{std::uint8_t(p), std::uint8_t(p >> 8), std::uint8_t(p >> 16)}));
                }
            }
        }
    }
}

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, int count = 4) {
    for (int i = 0; i < count; ++i) {
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// An info-header BMP of 4-bit pixels, 3 x 2, with a 3-colour table.
Bytes PaletteBmp(std::int32_t height = 2) {
    Bytes bmp(14 + 40 + 3 * 4 + 2 * 4, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    Put(bmp, 2, static_cast<std::uint32_t>(bmp.size()));
    Put(bmp, 10, 66);
    Put(bmp, 14, 40);
    Put(bmp, 18, 3);
    Put(bmp, 22, static_cast<std::uint32_t>(height));
    Put(bmp, 26, 1, 2);
    Put(bmp, 28, 4, 2);
    Put(bmp, 46, 3);
    Put(bmp, 54, 0x00FF0000);  // blue-green-red-reserved: red
    Put(bmp, 58, 0x0000FF00);  // green
    Put(bmp, 62, 0x000000FF);  // blue
    bmp[66] = 0x01;            // first stored row: red, green, red
    bmp[67] = 0x00;
    bmp[70] = 0x22;  // second: blue, blue, colour 15 (outside the table: black)
    bmp[71] = 0xF0;
    return bmp;
}

TEST(Dib, ReadsPaletteAndRowsInEitherOrder) {
    CDib dib;
    ASSERT_TRUE(dib.LoadFromMemory(PaletteBmp()));
    EXPECT_EQ(dib.BitsPerPixel(), 4);
    EXPECT_EQ(dib.Palette(), (std::vector<std::uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF}));
    EXPECT_EQ(dib.Image().At(0, 1), 0xFFFF0000u);
    EXPECT_EQ(dib.Image().At(1, 1), 0xFF00FF00u);
    EXPECT_EQ(dib.Image().At(1, 0), 0xFF0000FFu);
    EXPECT_EQ(dib.Image().At(2, 0), 0xFF000000u);
    ASSERT_TRUE(dib.LoadFromMemory(PaletteBmp(-2)));
    EXPECT_EQ(dib.Image().At(0, 0), 0xFFFF0000u);

    // A 5-6-5 bit-field pixel.
    Bytes masked(14 + 40 + 12 + 4, 0);
    masked[0] = 'B';
    masked[1] = 'M';
    Put(masked, 10, 66);
    Put(masked, 14, 40);
    Put(masked, 18, 1);
    Put(masked, 22, 1);
    Put(masked, 28, 16, 2);
    Put(masked, 30, 3);
    Put(masked, 54, 0xF800);
    Put(masked, 58, 0x07E0);
    Put(masked, 62, 0x001F);
    Put(masked, 66, 0xFFE0, 2);
    ASSERT_TRUE(dib.LoadFromMemory(masked));
    EXPECT_EQ(dib.Image().At(0, 0), 0xFFFFFF00u);
    EXPECT_TRUE(dib.Palette().empty());
}

TEST(Dib, ReadsTheConvertedBadges) {
    SImage image(5, 3);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 0x030507);
    }
    CDib dib;
    ASSERT_TRUE(dib.LoadFromMemory(*ConvertTgaToDib(EncodeTga(image, 24, TgaCoding::RunLength))));
    EXPECT_EQ(dib.Image().pixels, image.pixels);
}

TEST(Dib, LyingHeadersAreRefused) {
    const Bytes good = PaletteBmp();
    const auto patched = [&](std::size_t at, std::uint32_t value, int count = 4) {
        Bytes bytes = good;
        Put(bytes, at, value, count);
        return bytes;
    };
    CDib dib;
    for (const Bytes& bytes :
         {Bytes(good.begin(), good.begin() + 20), patched(0, 'B' | ('X' << 8), 2),
          patched(10, 0xFFFFFFF0), patched(10, 67), patched(14, 0x7FFFFFFF), patched(14, 20),
          patched(18, 0), patched(18, 9000), patched(22, 3), patched(22, 0x80000000),
          patched(28, 7, 2), patched(30, 1), patched(46, 0x10000000)}) {
        ASSERT_TRUE(dib.LoadFromMemory(good));
        EXPECT_FALSE(dib.LoadFromMemory(bytes));
        EXPECT_FALSE(dib.IsLoaded());
    }
    // Random damage never reads outside the buffer (run under the sanitizers).
    std::mt19937 random(3);
    for (int round = 0; round < 5000; ++round) {
        Bytes bytes = good;
        for (int flips = 0; flips < 3; ++flips) {
            bytes[random() % bytes.size()] ^= 1 << (random() % 8);
        }
        bytes.resize(random() % (bytes.size() + 1));
        if (dib.LoadFromMemory(bytes)) {
            EXPECT_EQ(dib.Image().pixels.size(),
                      static_cast<std::size_t>(dib.Width()) * dib.Height());
        }
    }
}

TEST(ImageKey, OnlyTheKeyColourTurnsIntoTheBackgroundWhateverItsAlpha) {
    SImage image(2, 2);
    image.At(0, 0) = Argb(8, 8, 8);
    image.At(1, 0) = Argb(8, 8, 8, 0);
    image.At(0, 1) = Argb(8, 8, 9);
    image.At(1, 1) = Argb(0, 0, 0);
    const std::uint32_t white = Argb(255, 255, 255);

    ReplaceKeyColour(image, kTransparentKey, white);

    EXPECT_EQ(image.At(0, 0), white);
    EXPECT_EQ(image.At(1, 0), white);
    EXPECT_EQ(image.At(0, 1), Argb(8, 8, 9));
    EXPECT_EQ(image.At(1, 1), Argb(0, 0, 0));
}

// Other sizes replace the first marker whatever its case; a path without one has no sizes.
TEST(BadgeNames, OtherSizesReplaceTheFirstMarkerWhateverItsCase) {
    EXPECT_EQ(BadgePathForSize("Ger\\badge256\\x.tga", 128), "Ger\\Badge128\\x.tga");
    EXPECT_EQ(BadgePathForSize("Ger\\BADGE256\\Badge256.tga", 32), "Ger\\Badge32\\Badge256.tga");
    EXPECT_EQ(BadgePathForSize("Badge256", 64), "Badge64");
    EXPECT_FALSE(BadgePathForSize("Ger\\Badge25\\x.tga", 128));
    EXPECT_FALSE(BadgePathForSize("", 256));
}

}  // namespace
}  // namespace kw
