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

}  // namespace
}  // namespace kw
