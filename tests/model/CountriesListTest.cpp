#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/CountriesList.h"

namespace kw {
namespace {

using Names = std::array<std::string, 5>;

// The first field names every language without its own; empty fields vanish as with a tokenizer;
// short codes keep three characters.
TEST(CountriesList, FirstFieldNamesEveryLanguageWithoutItsOwn) {
    const auto entries = ParseCountriesList(
        "Deutschland,Germany\nDEU,GER\n1\n2\n3\n4\nA,,C,D\nLONG,AB,xyzw\n0\n0\n0\n0\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].names,
              (Names{"Deutschland", "Germany", "Deutschland", "Deutschland", "Deutschland"}));
    EXPECT_EQ(entries[0].shortNames, (Names{"DEU", "GER", "DEU", "DEU", "DEU"}));
    EXPECT_EQ(entries[1].names, (Names{"A", "C", "D", "A", "A"}));
    EXPECT_EQ(entries[1].shortNames, (Names{"LON", "AB", "xyz", "LON", "LON"}));
}

TEST(CountriesList, AttributeLinesAndContinentByte) {
    // Line 3 is A, line 6 is B: the continent byte is B * 8 + A.
    const auto entries = ParseCountriesList("N\nNNN\n3\n17\n42\n5\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].firstAttribute, 17);
    EXPECT_EQ(entries[0].secondAttribute, 42);
    EXPECT_EQ(entries[0].continentByte, 5 * 8 + 3);

    // Values far outside a byte (found by the fuzzer: 0x55555555 * 8 overflowed) keep the low
    // byte of B * 8 + A, as small ones do.
    const auto huge = ParseCountriesList("N\nNNN\n3\n0\n0\n1431655765\n");
    ASSERT_EQ(huge.size(), 1u);
    EXPECT_EQ(huge[0].continentByte, 0xAB);  // 0x2AAAAAAA8 + 3
}

TEST(CountriesList, CrLfLinesAndSuccessiveRecords) {
    const auto entries = ParseCountriesList(
        "Albanien\r\nALB\r\n0\r\n1\r\n2\r\n0\r\nAndorra\r\nAND\r\n0\r\n1\r\n2\r\n0\r\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].names[0], "Albanien");
    EXPECT_EQ(entries[1].names[0], "Andorra");
    EXPECT_EQ(entries[1].shortNames[0], "AND");
}

TEST(CountriesList, CutRecordKeepsWhatItHasAndLongLinesAreCut) {
    const std::string longName(1500, 'x');
    const auto entries = ParseCountriesList(longName + "\nLLL\n4");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].names[0].size(), 998u);
    EXPECT_EQ(entries[0].shortNames[0], "LLL");
    EXPECT_EQ(entries[0].continentByte, 4);
}

TEST(CountriesList, AtMost206Records) {
    std::string content;
    for (int i = 0; i < 210; ++i) {
        content += "C" + std::to_string(i) + "\nCCC\n0\n0\n0\n0\n";
    }
    const auto entries = ParseCountriesList(content);
    ASSERT_EQ(entries.size(), 206u);
    EXPECT_EQ(entries.back().names[0], "C205");
}

}  // namespace
}  // namespace kw
