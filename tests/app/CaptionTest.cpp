#include <gtest/gtest.h>

#include "app/AppContext.h"

namespace kw {
namespace {

TEST(MainCaption, WordsOfTheDirectoryNameStartUpperCase) {
    EXPECT_EQ(CaptionWithDirectory("KW 06 Datenbank Editor", "meine datenbank neu"),
              "KW 06 Datenbank Editor - Meine Datenbank Neu");
    EXPECT_EQ(CaptionWithDirectory("KW 06 Datenbank Editor", "database"),
              "KW 06 Datenbank Editor - Database");
}

TEST(MainCaption, BaseCaptionStaysAsItIs) {
    EXPECT_EQ(CaptionWithDirectory("kw editor", "x"), "kw editor - X");
}

TEST(MainCaption, OnlyLettersAToZAfterABlankChange) {
    // Inside words, after other separators and non-ASCII letters nothing changes.
    EXPECT_EQ(CaptionWithDirectory("B", "mEINE_datenbank-neu 2te \xC3\xA4nderung\tzwei  drei"),
              "B - MEINE_datenbank-neu 2te \xC3\xA4nderung\tzwei  Drei");
}

TEST(MainCaption, EmptyDirectoryName) {
    EXPECT_EQ(CaptionWithDirectory("B", ""), "B - ");
}

TEST(SlotMenuLabel, NumberedFromOneWithWordsUpperCase) {
    EXPECT_EQ(SlotMenuLabel(0, "database"), "1. Database");
    EXPECT_EQ(SlotMenuLabel(5, "meine datenbank"), "6. Meine Datenbank");
}

TEST(SlotMenuLabel, LongNamesKeepTheirLast37Characters) {
    const std::string forty(40, 'x');
    EXPECT_EQ(SlotMenuLabel(0, forty), "1. X" + forty.substr(1));
    const std::string fifty = "abcdefghijklm" + std::string(37, 'y');
    EXPECT_EQ(SlotMenuLabel(1, fifty), "2. ..." + std::string(37, 'y'));
    // Counted by characters: 41 umlauts are cut on a character boundary, never inside one.
    std::string umlauts;
    for (int i = 0; i < 41; ++i) {
        umlauts += "\xC3\xA4";
    }
    EXPECT_EQ(SlotMenuLabel(2, umlauts), "3. ..." + umlauts.substr(8));
    EXPECT_EQ(SlotMenuLabel(2, umlauts.substr(2)), "3. " + umlauts.substr(2));
}

TEST(SlotMenuLabel, ABlankInTheKeptPartStillCapitalises) {
    EXPECT_EQ(SlotMenuLabel(0, std::string(30, 'a') + " zwei " + std::string(10, 'b')),
              "1. ..." + std::string(21, 'a') + " Zwei B" + std::string(9, 'b'));
}

}  // namespace
}  // namespace kw
