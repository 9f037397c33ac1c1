#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "storage/TextCollation.h"

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

TEST(CollateTexts, BytesBreakTiesOnlyWhenEveryKeyTies) {
    EXPECT_LT(CollateTexts({"M\374ller", "Anton"}, {"Muller", "Karl"}), 0);
    EXPECT_GT(CollateTexts({"Muller", "Karl"}, {"M\374ller", "Anton"}), 0);
    EXPECT_LT(CollateTexts({"Muller", "Karl"}, {"M\374ller", "Karl"}), 0);
    EXPECT_LT(CollateTexts({"Mull", "Zeno"}, {"Muller", "Anton"}), 0);
    EXPECT_EQ(CollateTexts({"Muller", "Karl"}, {"Muller", "Karl"}), 0);
}

TEST(CollateUtf8Text, FolderNamesSortAsTheirWindows1252FormThenByTheirBytes) {
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
