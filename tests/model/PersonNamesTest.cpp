#include <gtest/gtest.h>

#include <array>

#include "model/PersonNames.h"

namespace kw {
namespace {

TEST(ShortNames, SurnameCommaBlankInitialPoint) {
    EXPECT_EQ(ShortName("Hans", "M\xFCller"), "M\xFCller, H.");
    EXPECT_EQ(ShortName("\xC9mile", "Zola"), "Zola, \xC9.");
    EXPECT_EQ(ShortName("", "M\xFCller"), "M\xFCller");
    EXPECT_EQ(ShortName("Hans", ""), "Hans");
    EXPECT_EQ(ShortName("", ""), "");
}

TEST(ShortNames, PoolEntriesHaveNoBlankAfterTheComma) {
    EXPECT_EQ(PoolShortName("Hans", "M\xFCller"), "M\xFCller,H.");
    EXPECT_EQ(PoolShortName("", "M\xFCller"), "M\xFCller");
}

TEST(NameCleaning, TrimRemovesBlanksAndNonBreakingBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimName("\xA0 Otto \xA0"), "Otto");
    EXPECT_EQ(TrimName("Otto  von\xA0"
                       "Bismarck"),
              "Otto  von\xA0"
              "Bismarck");
    EXPECT_EQ(TrimName(" \xA0 "), "");
}

TEST(NameCleaning, PlayerNamesLoseLineBreaksTabsAndRunsOfBlanks) {
    EXPECT_EQ(CleanPlayerName("  Hans \t  Peter\r\n"), "Hans Peter");
    EXPECT_EQ(CleanPlayerName("\xA0\tJan\nvan   Dijk\t"), "Jan van Dijk");
    EXPECT_EQ(CleanPlayerName("\t\r\n"), "");
    EXPECT_EQ(CleanPlayerName("Ronaldo"), "Ronaldo");
}

TEST(NameOrder, DiacriticsAreIgnoredAndCaseIsKept) {
    EXPECT_EQ(CompareNames("M\xFCller", "Muller"), 0);
    EXPECT_EQ(CompareNames("\xC9mile \xC7\xE0r\xF8", "Emile Caro"), 0);
    EXPECT_EQ(CompareNames("\x8A\x9E\x9F", "SzY"), 0);
    EXPECT_EQ(CompareNames("\x93Ze\x94 \x96 \x91"
                           "a\x92",
                           "\"Ze\" - 'a'"),
              0);
    // Upper case sorts before lower case: a plain code comparison.
    EXPECT_LT(CompareNames("Berg", "berg"), 0);
    EXPECT_EQ(CompareNames("a", "c"), 'a' - 'c');
    EXPECT_GT(CompareNames("Zola", "\xC9mile"), 0);
    // A name that begins another sorts first.
    EXPECT_LT(CompareNames("Ma", "Mai"), 0);
    EXPECT_GT(CompareNames("Mai", "Ma"), 0);
    EXPECT_EQ(CompareNames("", ""), 0);
}

TEST(NameOrder, FiveCharactersCountAsTwoLetters) {
    EXPECT_EQ(CompareNames("Stra\xDF"
                           "e",
                           "Strasse"),
              0);
    EXPECT_EQ(CompareNames("\xC6rger", "AErger"), 0);
    EXPECT_EQ(CompareNames("\xE6", "ae"), 0);
    EXPECT_EQ(CompareNames("\x8C"
                           "uvre",
                           "CEuvre"),
              0);
    EXPECT_EQ(CompareNames("c\x9C", "cce"), 0);
    // The second letter takes part in the order.
    EXPECT_LT(CompareNames("Ma\xDF", "Mast"), 0);
    EXPECT_GT(CompareNames("Ma\xDFt", "Mass"), 0);
}

TEST(NameOrder, FoldedFormIsWrittenWithExpansionsAndCutToTheBuffer) {
    std::array<char, 32> buffer{};
    EXPECT_EQ(WriteFoldedName("Stra\xDF"
                              "e M\xFCller",
                              buffer.data(), buffer.size()),
              14u);
    EXPECT_STREQ(buffer.data(), "Strasse Muller");

    buffer.fill('#');
    EXPECT_EQ(WriteFoldedName("Stra\xDF"
                              "e",
                              buffer.data(), 6),
              5u);
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
