#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>

#include "platform/Cp1252.h"

namespace {

using kw::Cp1252ToCodePoint;
using kw::Cp1252ToUtf8;
using kw::IsRepresentableInCp1252;
using kw::Utf8ToCp1252;

constexpr unsigned char kUndefined[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);

    std::set<char32_t> codePoints;
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t codePoint = Cp1252ToCodePoint(static_cast<unsigned char>(byte));
        codePoints.insert(codePoint);
        EXPECT_EQ(kw::CodePointToCp1252(codePoint), byte);
    }
    EXPECT_EQ(codePoints.size(), 256u) << "two bytes share a code point";
}

TEST(Cp1252, KnownCharactersMapBothWays) {
    const struct {
        char byte;
        const char* utf8;
    } cases[] = {
        {'\x80', "€"}, {'\xE4', "ä"}, {'\x9F', "Ÿ"}, {'\x8A', "Š"},      {'\x99', "™"},
        {'\x85', "…"}, {'\x93', "“"}, {'\xDF', "ß"}, {'\xA0', "\u00A0"}, {'\xFF', "ÿ"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1252ToUtf8(std::string(1, c.byte)), c.utf8);
        EXPECT_EQ(Utf8ToCp1252(c.utf8), std::string(1, c.byte)) << c.utf8;
    }
}

TEST(Cp1252, UndefinedCodesBecomeControlCodePointsOfTheSameValue) {
    for (const unsigned char byte : kUndefined) {
        EXPECT_EQ(Cp1252ToCodePoint(byte), char32_t{byte});
        const std::string utf8 = Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
        EXPECT_EQ(utf8, std::string({'\xC2', static_cast<char>(byte)}));
        EXPECT_EQ(Utf8ToCp1252(utf8), std::string(1, static_cast<char>(byte)));
    }
    // The other codes of 0x80..0x9F are printable characters outside Latin-1.
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        if (std::find(std::begin(kUndefined), std::end(kUndefined), byte) == std::end(kUndefined)) {
            EXPECT_GE(Cp1252ToCodePoint(static_cast<unsigned char>(byte)), 0x100u) << byte;
        }
    }
}

TEST(Cp1252, CharactersWithoutACodeBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a中b"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // one four-byte character, one mark
    EXPECT_EQ(Utf8ToCp1252("\xC2\x80"), "?");          // U+0080: 0x80 is the euro sign
    EXPECT_EQ(Utf8ToCp1252("Ā"), "?");
    EXPECT_EQ(kw::CodePointToCp1252(0x80), -1);
    EXPECT_EQ(kw::CodePointToCp1252(0x110000), -1);
}

TEST(Cp1252, MalformedUtf8BecomesOneMarkPerBrokenSequence) {
    EXPECT_EQ(Utf8ToCp1252("\x80"), "?");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");  // cut at the end
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"
                           "A"),
              "?A");                                      // cut before an ASCII letter
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");            // overlong '/'
    EXPECT_EQ(Utf8ToCp1252("\xE0\x80\xAF"), "???");       // overlong three-byte form
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");       // surrogate
    EXPECT_EQ(Utf8ToCp1252("\xF4\x90\x80\x80"), "????");  // above U+10FFFF
    EXPECT_EQ(Utf8ToCp1252("\xFF\xFE"), "??");
    EXPECT_EQ(Utf8ToCp1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252, RepresentabilityOfDirectoryNames) {
    EXPECT_TRUE(IsRepresentableInCp1252(""));
    EXPECT_TRUE(IsRepresentableInCp1252("/home/jürgen/Eigene Dateien/Straße €"));
    EXPECT_FALSE(IsRepresentableInCp1252("/home/用户/Documents"));
    EXPECT_FALSE(IsRepresentableInCp1252("/home/\xC3"));  // broken UTF-8 cannot be shown either
    EXPECT_FALSE(IsRepresentableInCp1252("/tmp/\xC2\x80"));
}

}  // namespace
