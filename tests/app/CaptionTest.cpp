#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/AppContext.h"

namespace kw {
namespace {

// Only the letters a to z after a blank (or at the start) become upper case: inside words, after
// other separators and in non-ASCII letters nothing changes; the base caption stays as it is.
TEST(MainCaption, WordsOfTheDirectoryNameStartUpperCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"meine datenbank neu", "KW 06 Datenbank Editor - Meine Datenbank Neu"},
        {"database", "KW 06 Datenbank Editor - Database"},
        {"mEINE_datenbank-neu 2te \xC3\xA4nderung\tzwei  drei",
         "KW 06 Datenbank Editor - MEINE_datenbank-neu 2te \xC3\xA4nderung\tzwei  Drei"},
        {"", "KW 06 Datenbank Editor - "}};
    for (const auto& [directory, caption] : cases) {
        EXPECT_EQ(CaptionWithDirectory("KW 06 Datenbank Editor", directory), caption);
    }
    EXPECT_EQ(CaptionWithDirectory("kw editor", "x"), "kw editor - X");

    // Slot menu labels are numbered from one with words upper case and the last 37 characters.
    EXPECT_EQ(SlotMenuLabel(0, "database"), "1. Database");
    EXPECT_EQ(SlotMenuLabel(5, "meine datenbank"), "6. Meine Datenbank");
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
    // A blank in the kept part still capitalises.
    EXPECT_EQ(SlotMenuLabel(0, std::string(30, 'a') + " zwei " + std::string(10, 'b')),
              "1. ..." + std::string(21, 'a') + " Zwei B" + std::string(9, 'b'));
}

}  // namespace
}  // namespace kw
