#include "assets/Dib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "assets/Tga.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, int count = 4) {
    for (int i = 0; i < count; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
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
    kw::CDib dib;
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
    kw::SImage image(5, 3);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        image.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 0x030507);
    }
    kw::CDib dib;
    ASSERT_TRUE(dib.LoadFromMemory(
        *kw::ConvertTgaToDib(kw::EncodeTga(image, 24, kw::TgaCoding::RunLength))));
    EXPECT_EQ(dib.Image().pixels, image.pixels);
}

TEST(Dib, LyingHeadersAreRefused) {
    const Bytes good = PaletteBmp();
    const auto patched = [&](std::size_t at, std::uint32_t value, int count = 4) {
        Bytes bytes = good;
        Put(bytes, at, value, count);
        return bytes;
    };
    kw::CDib dib;
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

}  // namespace
