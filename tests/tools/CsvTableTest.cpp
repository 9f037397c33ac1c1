#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/CsvCells.h"
#include "tools/CsvTable.h"

namespace kw {
namespace {

std::vector<std::vector<std::string>> Cells(const SCsvParseResult& result) {
    std::vector<std::vector<std::string>> cells;
    for (const SCsvRow& row : result.rows) {
        cells.push_back(row.cells);
    }
    return cells;
}

TEST(CsvTableTest, CellsWithSeparatorsQuotesAndLineEndsComeBackAsWritten) {
    const std::vector<std::vector<std::string>> rows = {
        {"id", "text", "empty"},
        {"1", "a;b", ""},
        {"2", "say \"hi\"", " padded "},
        {"3", "two\r\nlines", "lone\nfeed"},
    };
    const std::string text = WriteCsv(rows);
    EXPECT_EQ(text.substr(0, 3), kUtf8ByteOrderMark);
    EXPECT_NE(text.find("\"say \"\"hi\"\"\""), std::string::npos);
    const SCsvParseResult parsed = ParseCsv(text);
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_EQ(Cells(parsed), rows);
    // The last row starts on line 4 of the file; the quoted line end in it is line 5.
    EXPECT_EQ(parsed.rows[3].line, 4);
}

TEST(CsvTableTest, ReadsEveryLineEndAndAFileWithoutByteOrderMark) {
    const std::vector<std::vector<std::string>> expected = {{"a", "b"}, {"1", "2"}, {"3", ""}};
    for (const std::string text : {"a;b\r\n1;2\r\n3;\r\n", "a;b\n1;2\n3;", "a;b\r1;2\r3;\r",
                                   "\xEF\xBB\xBF"
                                   "a;b\n1;2\n3;\n"}) {
        const SCsvParseResult parsed = ParseCsv(text);
        EXPECT_TRUE(parsed.error.empty());
        EXPECT_EQ(Cells(parsed), expected) << text;
    }
}

TEST(CsvTableTest, AQuoteLeftOpenIsAnError) {
    const SCsvParseResult parsed = ParseCsv("a;b\n1;\"open\n");
    EXPECT_NE(parsed.error.find("line 2"), std::string::npos) << parsed.error;
}

TEST(CsvCellsTest, FormulaTextsAreEscapedAndReadBackUnchanged) {
    for (const std::string text :
         {"=SUM(A1:A9)", "+49 30 1234", "-5", "@user", "'quoted", "''", "plain", "", "a=b"}) {
        const std::string cell = EscapeFormulaText(text);
        EXPECT_EQ(UnescapeFormulaText(cell), text);
        if (!cell.empty()) {
            const char first = cell.front();
            EXPECT_TRUE(first != '=' && first != '+' && first != '-' && first != '@') << cell;
        }
    }
    EXPECT_EQ(EscapeFormulaText("=1"), "'=1");
    EXPECT_EQ(EscapeFormulaText("plain"), "plain");
}

TEST(CsvCellsTest, OnlyWindows1252CharactersConvert) {
    EXPECT_EQ(StrictUtf8ToCp1252("M\xC3\xBCller \xE2\x82\xAC"), std::string("M\xFCller \x80"));
    EXPECT_FALSE(StrictUtf8ToCp1252("\xCE\xA9mega"));            // Greek capital omega
    EXPECT_FALSE(StrictUtf8ToCp1252("smile \xF0\x9F\x98\x80"));  // an emoji
    EXPECT_FALSE(StrictUtf8ToCp1252("broken \xC3"));
}

TEST(CsvCellsTest, LineEndsBecomeCrLf) {
    EXPECT_EQ(NormaliseLineEnds("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
}

TEST(CsvCellsTest, NumbersAreWholeAndWithinSixtyFourBits) {
    EXPECT_EQ(ParseCsvNumber(" 42 "), 42);
    EXPECT_EQ(ParseCsvNumber("-7"), -7);
    EXPECT_FALSE(ParseCsvNumber(""));
    EXPECT_FALSE(ParseCsvNumber("4,5"));
    EXPECT_FALSE(ParseCsvNumber("12abc"));
    EXPECT_FALSE(ParseCsvNumber("99999999999999999999"));
}

TEST(CsvCellsTest, DatesInIsoAndGermanFormAndTheirLimits) {
    const CDate date = CDate::FromYmd(1988, 2, 29);
    EXPECT_EQ(FormatCsvDate(date), "1988-02-29");
    EXPECT_EQ(ParseCsvDate("1988-02-29").date, date);
    EXPECT_EQ(ParseCsvDate("29.2.1988").date, date);
    EXPECT_EQ(ParseCsvDate("").result, ECsvDateParse::kOk);
    EXPECT_FALSE(ParseCsvDate("").date.IsSet());
    EXPECT_EQ(ParseCsvDate("1987-02-29").result, ECsvDateParse::kOutOfRange);
    EXPECT_EQ(ParseCsvDate("1600-01-01").result, ECsvDateParse::kOutOfRange);
    EXPECT_EQ(ParseCsvDate("yesterday").result, ECsvDateParse::kMalformed);
    EXPECT_EQ(ParseCsvDate("1988/02/29").result, ECsvDateParse::kMalformed);
}

}  // namespace
}  // namespace kw
