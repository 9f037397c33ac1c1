#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "platform/Cp1252.h"

namespace {

using kw::Cp1252ToCodePoint;
using kw::Cp1252ToUtf8;
using kw::IsRepresentableInCp1252;
using kw::Utf8ToCp1252;

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    std::set<char32_t> codePoints;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
        const char32_t codePoint = Cp1252ToCodePoint(static_cast<unsigned char>(byte));
        codePoints.insert(codePoint);
        EXPECT_EQ(kw::CodePointToCp1252(codePoint), byte);
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(codePoints.size(), 256u) << "two bytes share a code point";
}

// The five codes Windows-1252 leaves undefined map to the C1 control of the same value.
TEST(Cp1252, KnownCharactersMapBothWays) {
    const std::pair<char, std::string> cases[] = {
        {'\x80', "€"},        {'\xE4', "ä"},        {'\x9F', "Ÿ"},        {'\x8A', "Š"},
        {'\x99', "™"},        {'\x85', "…"},        {'\x93', "“"},        {'\xDF', "ß"},
        {'\xA0', "\u00A0"},   {'\xFF', "ÿ"},        {'\x81', "\xC2\x81"}, {'\x8D', "\xC2\x8D"},
        {'\x8F', "\xC2\x8F"}, {'\x90', "\xC2\x90"}, {'\x9D', "\xC2\x9D"},
    };
    for (const auto& [byte, utf8] : cases) {
        EXPECT_EQ(Cp1252ToUtf8(std::string(1, byte)), utf8);
        EXPECT_EQ(Utf8ToCp1252(utf8), std::string(1, byte)) << utf8;
    }
}

// One '?' per character without a code and per malformed sequence.
TEST(Cp1252, UnrepresentableAndMalformedTextBecomesQuestionMarks) {
    const std::pair<std::string, std::string> cases[] = {
        {"a中b", "a?b"},
        {"\xF0\x9F\x98\x80", "?"},  // one four-byte character
        {"\xC2\x80", "?"},          // U+0080: 0x80 is the euro sign
        {"Ā", "?"},
        {"\x80", "?"},
        {"a\xC3", "a?"},  // cut at the end
        {"\xE2\x82"
         "A",
         "?A"},                        // cut before an ASCII letter
        {"\xC0\xAF", "??"},            // overlong '/'
        {"\xE0\x80\xAF", "???"},       // overlong three-byte form
        {"\xED\xA0\x80", "???"},       // surrogate
        {"\xF4\x90\x80\x80", "????"},  // above U+10FFFF
        {"\xFF\xFE", "??"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& [utf8, cp1252] : cases) {
        EXPECT_EQ(Utf8ToCp1252(utf8), cp1252) << utf8;
    }
    EXPECT_EQ(kw::CodePointToCp1252(0x80), -1);
    EXPECT_EQ(kw::CodePointToCp1252(0x110000), -1);
}

TEST(Cp1252, RepresentabilityOfDirectoryNames) {
    EXPECT_TRUE(IsRepresentableInCp1252(""));
    EXPECT_TRUE(IsRepresentableInCp1252("/home/jürgen/Eigene Dateien/Straße €"));
    EXPECT_FALSE(IsRepresentableInCp1252("/home/用户/Documents"));
    EXPECT_FALSE(IsRepresentableInCp1252("/home/\xC3"));  // broken UTF-8 cannot be shown either
    EXPECT_FALSE(IsRepresentableInCp1252("/tmp/\xC2\x80"));
}

}  // namespace
