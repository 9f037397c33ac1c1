#include <gtest/gtest.h>

#include <array>

#include "model/PersonNames.h"

namespace kw {
namespace {

TEST(ShortNames, SurnameCommaBlankInitialPointAndForPoolEntriesNoBlank) {
    EXPECT_EQ(ShortName("Hans", "M\xFCller"), "M\xFCller, H.");
    EXPECT_EQ(ShortName("\xC9mile", "Zola"), "Zola, \xC9.");
    EXPECT_EQ(ShortName("", "M\xFCller"), "M\xFCller");
    EXPECT_EQ(ShortName("Hans", ""), "Hans");
    EXPECT_EQ(ShortName("", ""), "");
    // Pool entries have no blank after the comma.
    EXPECT_EQ(PoolShortName("Hans", "M\xFCller"), "M\xFCller,H.");
    EXPECT_EQ(PoolShortName("", "M\xFCller"), "M\xFCller");
}

TEST(NameCleaning, TrimRemovesBlanksAtBothEndsOnlyAndPlayerNamesLoseRunsOfBlanks) {
    EXPECT_EQ(TrimName("\xA0 Otto \xA0"), "Otto");
    EXPECT_EQ(TrimName("Otto  von\240Bismarck"), "Otto  von\240Bismarck");
    EXPECT_EQ(TrimName(" \xA0 "), "");
    // Player names lose line breaks, tabs and runs of blanks too.
    EXPECT_EQ(CleanPlayerName("  Hans \t  Peter\r\n"), "Hans Peter");
    EXPECT_EQ(CleanPlayerName("\xA0\tJan\nvan   Wetering\t"), "Jan van Wetering");
    EXPECT_EQ(CleanPlayerName("\t\r\n"), "");
    EXPECT_EQ(CleanPlayerName("Zelino"), "Zelino");
}

TEST(FoldedName, IsWrittenWithExpansionsAndCutToTheBuffer) {
    std::array<char, 32> buffer{};
    EXPECT_EQ(WriteFoldedName("Stra\337e M\xFCller", buffer.data(), buffer.size()), 14u);
    EXPECT_STREQ(buffer.data(), "Strasse Muller");

    buffer.fill('#');
    EXPECT_EQ(WriteFoldedName("Stra\337e", buffer.data(), 6), 5u);
    EXPECT_STREQ(buffer.data(), "Stras");
    EXPECT_EQ(buffer[6], '#');

    EXPECT_EQ(WriteFoldedName("abc", buffer.data(), 1), 0u);
    EXPECT_STREQ(buffer.data(), "");
    EXPECT_EQ(WriteFoldedName("abc", nullptr, 8), 0u);
    buffer[0] = '#';
    EXPECT_EQ(WriteFoldedName("abc", buffer.data(), 0), 0u);
    EXPECT_EQ(buffer[0], '#');
}

}  // namespace
}  // namespace kw
