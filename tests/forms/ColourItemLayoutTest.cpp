#include <gtest/gtest.h>

#include "forms/ColourItemLayout.h"

namespace {

using kw::LayOutColourItem;
using kw::SColourItemLayout;
using kw::SPixelRect;

TEST(LayOutColourItem, SwatchTakesAQuarterOfTheInsetItemTheNameFollowsNeverNegative) {
    EXPECT_EQ(LayOutColourItem(SPixelRect{0, 0, 100, 20}),
              (SColourItemLayout{SPixelRect{2, 2, 24, 16}, SPixelRect{28, 4, 70, 14}}));
    EXPECT_EQ(LayOutColourItem(SPixelRect{10, 40, 202, 18}),
              (SColourItemLayout{SPixelRect{12, 42, 49, 14}, SPixelRect{63, 44, 147, 12}}));
    // Items smaller than the inset give empty parts, not negative ones.
    const SColourItemLayout layout = LayOutColourItem(SPixelRect{0, 0, 3, 3});
    EXPECT_EQ(layout.swatch.width, 0);
    EXPECT_EQ(layout.swatch.height, 0);
    EXPECT_EQ(layout.text.width, 0);
    EXPECT_EQ(layout.text.height, 0);
}

}  // namespace
