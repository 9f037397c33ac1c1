#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "storage/TextCollation.h"
#include "storage/TextHelpers.h"

namespace {

using kw::CompareFolded;
using kw::FoldAccents;
using kw::FoldForSearch;
using kw::MatchWildcard;

TEST(FoldAccents, FoldsThroughTheOneTableKeepingCaseWithinTheFieldAndCompares) {
    EXPECT_EQ(FoldAccents("M\xFCller \xC0\xE7\xD7\x8A\xFF`\x93\x96"), "Muller AcxSy'\"-");
    EXPECT_EQ(FoldAccents("Stra\337e \x8C \x9C \xC6 \xE6"), "Strasse CE ce AE ae");
    EXPECT_EQ(FoldAccents("plain ASCII \xA9"), "plain ASCII \xA9");
    // Folding for a search also upper-cases and keeps a field of 127 characters.
    EXPECT_EQ(FoldForSearch("M\xFCller"), "MULLER");
    EXPECT_EQ(FoldForSearch("muller"), FoldForSearch("M\xDCLLER"));
    EXPECT_EQ(FoldForSearch("Stra\337e *"), "STRASSE *");
    EXPECT_EQ(FoldForSearch(std::string(200, 'a')), std::string(127, 'A'));
    EXPECT_EQ(FoldForSearch(""), "");
    // The field size limits the length, and expansions are written only when both letters fit.
    EXPECT_EQ(FoldAccents("M\xFCller", 0), "");
    EXPECT_EQ(FoldAccents("M\xFCller", 1), "");
    EXPECT_EQ(FoldAccents("M\xFCller", 4), "Mul");
    EXPECT_EQ(FoldAccents("M\xFCller", 100), "Muller");
    // Two letters left for ß: written out; only one left: the byte itself.
    EXPECT_EQ(FoldAccents("a\337b", 4), "ass");
    EXPECT_EQ(FoldAccents("a\337b", 3), "a\xDF");
    // Compared folded, expansions match their two letters only, case counts and the sign orders.
    EXPECT_EQ(CompareFolded("Wei\xDF", "Weiss"), 0);
    EXPECT_EQ(CompareFolded("Weiss", "Wei\xDF"), 0);
    EXPECT_EQ(CompareFolded("\xC6", "AE"), 0);
    EXPECT_EQ(CompareFolded("M\xFCller", "Muller"), 0);
    EXPECT_EQ(CompareFolded("", ""), 0);
    // An expansion that meets only its first letter differs.
    EXPECT_NE(CompareFolded("\306b", "Ab"), 0);
    EXPECT_NE(CompareFolded("Ab", "\306b"), 0);
    EXPECT_NE(CompareFolded("\xDF", "s"), 0);
    // Case counts, and the sign orders the texts.
    EXPECT_NE(CompareFolded("\xE6", "AE"), 0);
    EXPECT_NE(CompareFolded("Mueller", "M\xFCller"), 0);
    EXPECT_LT(CompareFolded("Abel", "\304bt"), 0);
    EXPECT_GT(CompareFolded("\304bt", "Abel"), 0);
    EXPECT_LT(CompareFolded("Ab", "Abc"), 0);
    // Bytes compare unsigned: a high byte that folds to itself sorts after ASCII.
    EXPECT_GT(CompareFolded("\xA9", "z"), 0);
}

TEST(MatchWildcard, MatchesTheWholeTextByteForByteAStarTryingEveryLaterPosition) {
    EXPECT_TRUE(MatchWildcard("M\xFCller", "M*r"));
    EXPECT_TRUE(MatchWildcard("M\xFCller", "M?ller"));
    EXPECT_FALSE(MatchWildcard("Mueller", "M?ller"));
    EXPECT_FALSE(MatchWildcard("M\xFCller", "Muller"));
    EXPECT_FALSE(MatchWildcard("M\xFCller", "m*"));
    EXPECT_FALSE(MatchWildcard("M\xFCller", "M*l"));
    EXPECT_FALSE(MatchWildcard("M\xFCll", "M\xFCller"));
    EXPECT_FALSE(MatchWildcard("", "?"));
    EXPECT_FALSE(MatchWildcard("a", ""));
    EXPECT_TRUE(MatchWildcard("", "*"));
    EXPECT_TRUE(MatchWildcard("abc", "a*?"));
    EXPECT_TRUE(MatchWildcard("abc", "*?c"));
    // A star tries every later position.
    EXPECT_TRUE(MatchWildcard("abcabd", "a*d"));
    EXPECT_TRUE(MatchWildcard("Schmidt-Schmitt", "S*mitt"));
    EXPECT_TRUE(MatchWildcard("abcbc", "a*bc*c"));
    // Of two stars in a row the second only matches a literal star.
    EXPECT_TRUE(MatchWildcard("a*c", "a**c"));
    EXPECT_FALSE(MatchWildcard("abc", "a**c"));
}

std::vector<std::string> AllLines(std::string_view data, std::size_t limit) {
    kw::CTextFileLines lines;
    lines.OpenFromMemory(data);
    std::vector<std::string> read;
    for (std::string line; lines.ReadLine(line, limit);) {
        read.push_back(line);
    }
    return read;
}

TEST(TextLines, SpacesCollapseLineEndsGoAndLongLinesContinue) {
    std::string text = "  Anna \t  Maria \r\n";
    EXPECT_TRUE(kw::NormaliseSpaces(text));
    EXPECT_EQ(text, "Anna Maria");
    EXPECT_FALSE(kw::NormaliseSpaces(text));
    text = "\t";
    EXPECT_TRUE(kw::NormaliseSpaces(text));
    EXPECT_EQ(text, "");
    // Stripping a line end removes one trailing control character.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"abc\n", "abc"},     {"abc\n\n", "abc\n"}, {"abc\x1F", "abc"}, {"abc ", "abc "},
        {"ab\xFC", "ab\xFC"}, {"ab\x81", "ab\x81"}, {"", ""},           {"a\x7F", "a\x7F"},
    };
    for (const auto& [input, expected] : cases) {
        text = input;
        kw::StripLineEnd(text);
        EXPECT_EQ(text, expected) << input;
    }
    // Text file lines: CR LF and LF end lines alike, and long lines continue.
    EXPECT_EQ(AllLines("one\r\ntwo\nth\rree\r\n\r\nlast", 100),
              (std::vector<std::string>{"one\n", "two\n", "three\n", "\n", "last"}));
    // "abc" and its LF are exactly 4 characters; "abcd" fills the limit without it.
    EXPECT_EQ(AllLines("abcdef\r\nabc\r\n", 4),
              (std::vector<std::string>{"abcd", "ef\n", "abc\n"}));

    const kw::test::TempDir dir;
    kw::CTextFileLines lines;
    EXPECT_FALSE(lines.Open(dir / "missing.txt"));
    EXPECT_FALSE(lines.ReadLine(text, 10));
}

TEST(FormatNumbers, GroupsThousandsWritesImperialUnitsAndClosesUpSlots) {
    const std::pair<int, const char*> cases[] = {{999, "999"},
                                                 {1000, "1.000"},
                                                 {-2500, "- 2.500"},
                                                 {-999, "- 999"},
                                                 {1005, "1.005"},
                                                 {12003045, "12.003.045"},
                                                 {1234567890, "1234.567.890"},
                                                 {INT_MIN, "- 2147.483.648"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(kw::FormatThousands(value), text);
    }
    // Imperial heights and weights.
    EXPECT_EQ(std::tuple(kw::FormatHeightImperial(180), kw::FormatHeightImperial(152),
                         kw::FormatHeightImperial(183)),
              std::tuple("5' 10''", "4' 11''", "6' 0''"));
    EXPECT_EQ(std::tuple(kw::FormatWeightImperial(70), kw::FormatWeightImperial(80),
                         kw::FormatWeightImperial(65)),
              std::tuple("11st", "12st 8lbs", "10st 3lbs"));
    // Duplicate slots are dropped and the rest closes up.
    using Slots = std::array<std::uint8_t, 4>;
    const std::vector<std::pair<Slots, Slots>> slotCases = {
        {{3, 3, 5, 3}, {3, 5, 0, 0}}, {{0, 2, 0, 2}, {2, 0, 0, 0}}, {{4, 0, 4, 1}, {4, 1, 0, 0}},
        {{1, 2, 3, 4}, {1, 2, 3, 4}}, {{0, 0, 0, 7}, {7, 0, 0, 0}},
    };
    for (const auto& [input, expected] : slotCases) {
        Slots slots = input;
        kw::RemoveDuplicateSlots(slots);
        EXPECT_EQ(slots, expected) << int{input[0]} << int{input[1]} << int{input[2]};
    }
}

TEST(WriteFileCreatingDirs, CreatesMissingFoldersOnlyWhenAskedAndRefusesEmptyPathOrData) {
    const kw::test::TempDir dir;
    const auto path = dir / "a" / "out.bin";
    EXPECT_FALSE(kw::WriteFileCreatingDirs(path, "data", false));
    EXPECT_FALSE(std::filesystem::exists(dir / "a"));
    EXPECT_TRUE(kw::WriteFileCreatingDirs(path, std::string("a\0b", 3), true));
    EXPECT_EQ(kw::test::ReadFile(path), std::string("a\0b", 3));
    EXPECT_TRUE(kw::WriteFileCreatingDirs(path, "x", false));
    EXPECT_EQ(kw::test::ReadFile(path), "x");
    // Folders given with Windows separators are folders too.
    const std::filesystem::path windows = dir.Path().string() + "/badges\\club\\1.tga";
    EXPECT_TRUE(kw::WriteFileCreatingDirs(windows, "TGA", true));
    EXPECT_EQ(kw::test::ReadFile(dir / "badges" / "club" / "1.tga"), "TGA");
    // An empty path or empty data is refused.
    EXPECT_FALSE(kw::WriteFileCreatingDirs({}, "data", true));
    EXPECT_FALSE(kw::WriteFileCreatingDirs(dir / "empty.txt", "", true));
    EXPECT_FALSE(std::filesystem::exists(dir / "empty.txt"));
}

}  // namespace

namespace kw {
namespace {

// Two Windows-1252 texts in the order a reader of the interface's language expects them.
struct SOrderedPair {
    std::string_view before;
    std::string_view after;
};

std::ostream& operator<<(std::ostream& out, const SOrderedPair& pair) {
    return out << '"' << pair.before << "\" < \"" << pair.after << '"';
}

class CollateText : public ::testing::TestWithParam<SOrderedPair> {};

TEST_P(CollateText, SortsThePairInTheReadersOrderBothWaysAndByItsKeys) {
    const SOrderedPair& pair = GetParam();
    EXPECT_LT(kw::CollateText(pair.before, pair.after), 0);
    EXPECT_GT(kw::CollateText(pair.after, pair.before), 0);
    EXPECT_EQ(kw::CollateText(pair.before, pair.before), 0);
    const std::string keyBefore = CollationKey(pair.before);
    const std::string keyAfter = CollationKey(pair.after);
    EXPECT_TRUE(keyBefore < keyAfter || (keyBefore == keyAfter && pair.before < pair.after));
}

INSTANTIATE_TEST_SUITE_P(AccentsAsBaseLetters, CollateText,
                         ::testing::Values(SOrderedPair{"D\344nemark", "Deutschland"},
                                           SOrderedPair{"F\344r\366er", "Frankreich"},
                                           SOrderedPair{"Norwegen", "\326sterreich"},
                                           SOrderedPair{"\326sterreich", "Polen"},
                                           SOrderedPair{"\326sterreich", "Zypern"},
                                           SOrderedPair{"\311mile", "Fabio"},
                                           SOrderedPair{"\212a", "Sb"},
                                           SOrderedPair{"Stra\337e", "Strasser"},
                                           SOrderedPair{"\306rger", "Af"}));

INSTANTIATE_TEST_SUITE_P(
    CaseIgnored, CollateText,
    ::testing::Values(SOrderedPair{"de Jong", "Zola"}, SOrderedPair{"abc", "ABD"},
                      SOrderedPair{"\376a", "\336b"}, SOrderedPair{"_Nord", "abc"},
                      SOrderedPair{"1. FC Nord", "Adler"}, SOrderedPair{"Ma", "mai"}));

INSTANTIATE_TEST_SUITE_P(BytesBreakTies, CollateText,
                         ::testing::Values(SOrderedPair{"Muller", "M\374ller"},
                                           SOrderedPair{"M\374ller", "muller"},
                                           SOrderedPair{"Strasse", "Stra\337e"},
                                           SOrderedPair{"AErger", "\306rger"},
                                           SOrderedPair{"\336or", "\376or"}));

TEST(CollateTexts, BytesBreakTiesOnlyWhenEveryKeyTiesAndFolderNamesSortAsWindows1252) {
    EXPECT_LT(CollateTexts({"M\374ller", "Anton"}, {"Muller", "Karl"}), 0);
    EXPECT_GT(CollateTexts({"Muller", "Karl"}, {"M\374ller", "Anton"}), 0);
    EXPECT_LT(CollateTexts({"Muller", "Karl"}, {"M\374ller", "Karl"}), 0);
    EXPECT_LT(CollateTexts({"Mull", "Zeno"}, {"Muller", "Anton"}), 0);
    EXPECT_EQ(CollateTexts({"Muller", "Karl"}, {"Muller", "Karl"}), 0);
    // "Übung" before "Uc", "Ça va" before "Cb", "Ubung" before "übung".
    EXPECT_LT(CollateUtf8Text("\303\234bung", "Uc"), 0);
    EXPECT_LT(CollateUtf8Text("\303\207a va", "Cb"), 0);
    EXPECT_LT(CollateUtf8Text("Ubung", "\303\274bung"), 0);
    EXPECT_GT(CollateUtf8Text("\303\274bung", "Ubung"), 0);
    // Ł and ő have no Windows-1252 code: their UTF-8 bytes decide.
    EXPECT_LT(CollateUtf8Text("\305\201", "\305\221"), 0);
    EXPECT_EQ(CollateUtf8Text("\305\201", "\305\201"), 0);
}

}  // namespace
}  // namespace kw
