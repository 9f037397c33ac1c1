#include <gtest/gtest.h>

#include "assets/ImageKey.h"

namespace kw {
namespace {

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

}  // namespace
}  // namespace kw
