#include <gtest/gtest.h>

#include "assets/BadgeNames.h"

namespace kw {
namespace {

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
