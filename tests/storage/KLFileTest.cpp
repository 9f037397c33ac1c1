#include "storage/KLFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <numeric>
#include <random>
#include <string_view>
#include "CountriesData.h"
#include "KLText.h"
#include "TempDir.h"
#include "platform/AtomicFileBatch.h"
#include "platform/FileFaults.h"
#include "storage/PackedCodec.h"

namespace {

using kw::CKLFile;
using kw::test::JoinLines;
namespace fs = std::filesystem;

std::string WriteWith(const std::function<void(CKLFile&)>& body) {
    kw::test::TempDir dir;
    CKLFile file;
    EXPECT_TRUE(file.OpenForWrite(dir / "out.sav"));
    body(file);
    EXPECT_TRUE(file.Close());
    return kw::test::ReadFile(dir / "out.sav");
}

// Every write to `target` fails while the guard lives: the file joins the guard's batch, which
// hands it the faults.
class WriteFaultGuard {
public:
    explicit WriteFaultGuard(const fs::path& target)
        : m_faults(kw::FailWritesTo(target)),
          m_batch(target.parent_path(), {.faults = &m_faults}) {}

private:
    kw::CFileFaults m_faults;
    kw::CAtomicFileBatch m_batch;
};

// --- writing

TEST(KLFileWrite, EncodesEveryValueKindOnItsOwnCrLfLine) {
    const std::string data = WriteWith([](CKLFile& file) {
        EXPECT_TRUE(file.BeginSection("CLUBS"));
        EXPECT_TRUE(file.WriteNumber(std::int8_t{-128}));
        EXPECT_TRUE(file.WriteNumber(std::uint8_t{255}));
        EXPECT_TRUE(file.WriteNumber(std::int16_t{-32768}));
        EXPECT_TRUE(file.WriteNumber(std::uint16_t{65535}));
        EXPECT_TRUE(file.WriteNumber(static_cast<std::int32_t>(0x80000000u)));
        EXPECT_TRUE(file.WriteHex(0xFEFFFFFFu));
        EXPECT_TRUE(file.WriteHex(0));
        const std::uint8_t bytes[] = {3, 0, 12, 255};
        EXPECT_TRUE(file.WriteByteList(bytes, 4));
        EXPECT_TRUE(file.WriteByteLines(bytes, 2));
        EXPECT_TRUE(file.WriteByteLines(bytes, 0));
        // Quotes inside a field would end it early, line breaks would split the line.
        const char names[3][16] = {"say \"hi\"", "", "a\r\nb"};
        EXPECT_TRUE(file.WriteQuotedList(names[0], 3, sizeof names[0]));
        // Formatted lines are not escaped, so that comments can be written.
        EXPECT_TRUE(file.WriteFormatted("; { %d, %s }", 1, "LG"));
        EXPECT_TRUE(file.WriteText("Müller"));
        EXPECT_TRUE(file.EndSection("CLUBS"));
    });
    EXPECT_EQ(data,
              JoinLines({"%INDEX%CLUBS", "-128", "255", "-32768", "65535", "-2147483648",
                         "feffffff", "0", "3,0,12,255", "3", "0", "\"say 'hi'\",\"\",\"a  b\"",
                         "; { 1, LG }", "Müller", "%INDEXEND%CLUBS"}));
    // Every line is cut at 1023 characters, and lists keep whole numbers.
    const std::string longText(3000, 'q');
    const std::vector<std::uint8_t> tens(400, 10);
    const std::string cut = WriteWith([&](CKLFile& file) {
        file.WriteFormatted("%s%d", longText.c_str(), 5);
        file.WriteText(longText);
        file.WriteText(("%" + longText).c_str());
        file.BeginSection(longText);
        file.WriteByteList(tens.data(), static_cast<std::int16_t>(tens.size()));
    });
    std::string list = "10";
    while (list.size() + 3 <= CKLFile::kMaxLine) {
        list += ",10";
    }
    EXPECT_EQ(
        cut, JoinLines({std::string(1023, 'q'), std::string(1023, 'q'),
                        "\\%" + std::string(1021, 'q'), "%INDEX%" + std::string(1016, 'q'), list}));
}

// Long fields are shortened, the longest first, so that all five stay on the line, whole.
TEST(KLFileWrite, OverlongQuotedListStaysFiveWellFormedFieldsAndTheTargetAppearsOnClose) {
    const std::size_t stride = 700;
    std::vector<char> slots(5 * stride, '\0');
    for (int k : {1, 3}) {
        std::memset(&slots[k * stride], 'a' + k, stride - 1);
    }
    std::strcpy(&slots[4 * stride], "Kurz");
    const std::string data =
        WriteWith([&](CKLFile& file) { file.WriteQuotedList(slots.data(), 5, stride); });
    ASSERT_LE(data.size(), CKLFile::kMaxLine + 2);
    CKLFile reader;
    ASSERT_TRUE(reader.OpenForReadFromMemory(data));
    std::array<std::array<char, 1024>, 5> out{};
    ASSERT_TRUE(reader.ReadQuotedFive(out[0].data(), out[0].size()));
    EXPECT_STREQ(out[0].data(), "");
    EXPECT_STREQ(out[4].data(), "Kurz");
    for (int k : {1, 3}) {
        const std::string cut(out[k].data());
        EXPECT_GE(cut.size(), 450u);
        EXPECT_EQ(cut, std::string(cut.size(), static_cast<char>('a' + k)));
    }
    // The target appears only when closed, or destroyed without an exception.
    kw::test::TempDir dir;
    const auto path = dir / "late.sav";
    {
        CKLFile file;
        ASSERT_TRUE(file.OpenForWrite(path));
        file.WriteText("abc");
        EXPECT_FALSE(fs::exists(path));
        EXPECT_TRUE(file.Close());
        EXPECT_EQ(kw::test::ReadFile(path), "abc\r\n");
        ASSERT_TRUE(file.OpenForWrite(path));
        file.WriteNumber(std::int32_t{42});
    }
    EXPECT_EQ(kw::test::ReadFile(path), "42\r\n");
    try {
        CKLFile file;
        ASSERT_TRUE(file.OpenForWrite(path));
        file.WriteText("half");
        throw std::runtime_error("abandoned");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(kw::test::ReadFile(path), "42\r\n");
    EXPECT_EQ(kw::test::FileNames(dir.Path()).size(), 1u);
}

// A failure at the final write, one while lines are still being written, or at the final rename:
// Close reports it, the previous file stays and no temporary file is left behind.
TEST(KLFileWrite, FailedWritesKeepThePreviousFile) {
    for (const int lines : {1, 200}) {
        SCOPED_TRACE(lines);
        kw::test::TempDir dir;
        const auto path = dir / "Country14.sav";
        kw::test::WriteFile(path, "old\r\n");
        const WriteFaultGuard fault(path);
        CKLFile file;
        ASSERT_TRUE(file.OpenForWrite(path));
        int failedAt = -1;
        for (int i = 0; i < lines && failedAt < 0; ++i) {
            failedAt = file.WriteText(std::string(1000, 'z')) ? -1 : i;
        }
        if (lines > 1) {
            // A large file reports the failure long before Close, and stays failed.
            EXPECT_GE(failedAt, 0);
            EXPECT_LT(failedAt, 100);
            EXPECT_FALSE(file.WriteNumber(std::int32_t{1}));
            EXPECT_FALSE(file.BeginSection("X"));
        }
        EXPECT_FALSE(file.Close());
        EXPECT_EQ(kw::test::ReadFile(path), "old\r\n");
        EXPECT_EQ(kw::test::FileNames(dir.Path()).size(), 1u);
    }
    // A target that cannot be replaced at all, and one in a missing folder.
    kw::test::TempDir other;
    kw::test::WriteFile(other / "folder.sav" / "inside", "x");
    CKLFile file;
    ASSERT_TRUE(file.OpenForWrite(other / "folder.sav"));
    file.WriteText("new");
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(kw::test::ReadFile(other / "folder.sav" / "inside"), "x");
    EXPECT_EQ(kw::test::FileNames(other.Path()).size(), 1u);
    EXPECT_FALSE(file.OpenForWrite(other / "missing" / "x.sav"));
    EXPECT_FALSE(file.IsOpen());
}

// Writes need a file open for writing, reads one open for reading.
TEST(KLFileWrite, CallsInTheWrongModeFail) {
    CKLFile file;
    std::int32_t number = 9;
    std::uint8_t bytes[2] = {7, 7};
    char five[5][4];
    std::memset(five, 'x', sizeof five);
    EXPECT_FALSE(file.ReadNumber(number));
    EXPECT_EQ(number, 0);
    EXPECT_FALSE(file.ReadByteList(bytes, 2));
    EXPECT_EQ(bytes[0] + bytes[1], 0);
    EXPECT_FALSE(file.ReadQuotedFive(five[0], 4));
    EXPECT_STREQ(five[4], "");

    ASSERT_TRUE(file.OpenForReadFromMemory("%INDEX%A\n1\n%INDEXEND%A\n"));
    EXPECT_FALSE(file.BeginSection("A"));
    EXPECT_FALSE(file.EndSection("A"));
    EXPECT_FALSE(file.WriteText("x"));
    EXPECT_FALSE(file.WriteFormatted("%d", 1));
    EXPECT_FALSE(file.WriteHex(1));
    EXPECT_FALSE(file.WriteNumber(std::int32_t{1}));
    EXPECT_FALSE(file.WriteByteList(bytes, 1));
    EXPECT_FALSE(file.WriteByteLines(bytes, 1));
    EXPECT_FALSE(file.WriteQuotedList("a", 1, 2));

    kw::test::TempDir dir;
    ASSERT_TRUE(file.OpenForWrite(dir / "w.sav"));
    EXPECT_FALSE(file.ReadNumber(number));
    EXPECT_FALSE(file.FindSection("A"));
    EXPECT_FALSE(file.SkipToSectionEnd("A"));
    EXPECT_TRUE(file.Close());
}

// --- opening for reading

// Missing and empty files; large files are read to their last byte; only absurd sizes are
// refused, and then the open fails instead of handing out the start of the file.
TEST(KLFileOpen, MissingEmptyLargeAndAbsurdFiles) {
    kw::test::TempDir dir;
    CKLFile file;
    EXPECT_FALSE(file.OpenForRead(dir / "none.sav"));
    EXPECT_FALSE(file.OpenForRead(dir.Path()));
    EXPECT_FALSE(file.IsOpen());
    std::string line;
    kw::test::WriteFile(dir / "empty.sav", "");
    ASSERT_TRUE(file.OpenForRead(dir / "empty.sav"));
    EXPECT_FALSE(file.ReadLine(line));

    const std::string filler = "; " + std::string(1000, 'x') + "\r\n";
    std::string big;
    while (big.size() <= std::size_t{6} << 20) {
        big += filler;
    }
    kw::test::WriteFile(dir / "big.sav", big + "17\r\n99");
    ASSERT_TRUE(file.OpenForRead(dir / "big.sav"));
    std::int32_t value = 0;
    ASSERT_TRUE(file.ReadNumber(value));
    EXPECT_EQ(value, 17);
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line, "99");
    EXPECT_FALSE(file.ReadLine(line));

    // Sparse: the size alone decides, nothing is written to disk.
    const fs::path absurd = dir / "absurd.sav";
    kw::test::WriteFile(absurd, "1\r\n");
    fs::resize_file(absurd, CKLFile::kMaxFileSize + 1);
    EXPECT_FALSE(file.OpenForRead(absurd));
    EXPECT_FALSE(file.IsOpen());
}

// --- value reads

class KLFileRead : public ::testing::Test {
protected:
    void Load(std::string_view data) { ASSERT_TRUE(m_file.OpenForReadFromMemory(data)); }
    std::int32_t Number(bool expectRead = true) {
        std::int32_t value = -99;
        EXPECT_EQ(m_file.ReadNumber(value), expectRead);
        return value;
    }
    std::string Line() {
        std::string text = "(none)";
        m_file.ReadLine(text);
        return text;
    }
    CKLFile m_file;
};

// A value read right before the end line fails and yields zero (texts keep their value); the end
// line is still found next. Older files with fewer trailing values depend on this.
TEST_F(KLFileRead, EveryReadBeforeTheEndLineFailsAndRestoresThePosition) {
    std::int32_t i32 = 1;
    std::uint32_t u32 = 1;
    std::int16_t i16 = 1;
    std::uint16_t u16 = 1;
    std::int8_t i8 = 1;
    std::uint8_t u8 = 1;
    bool flag = true;
    char text[8] = "t";
    std::string line = "l";
    std::uint8_t bytes[3] = {1, 1, 1};
    char five[5][4];
    std::memset(five, 'x', sizeof five);
    const std::pair<const char*, std::function<bool()>> reads[] = {
        {"int32", [&] { return m_file.ReadNumber(i32); }},
        {"uint32", [&] { return m_file.ReadNumber(u32); }},
        {"int16", [&] { return m_file.ReadNumber(i16); }},
        {"uint16", [&] { return m_file.ReadNumber(u16); }},
        {"int8", [&] { return m_file.ReadNumber(i8); }},
        {"uint8", [&] { return m_file.ReadNumber(u8); }},
        {"flag", [&] { return m_file.ReadFlag(flag); }},
        {"text", [&] { return m_file.ReadText(text, sizeof text); }},
        {"line", [&] { return m_file.ReadLine(line); }},
        {"byte lines", [&] { return m_file.ReadByteLines(bytes, 3); }},
        {"byte list", [&] { return m_file.ReadByteList(bytes, 3); }},
        {"quoted five", [&] { return m_file.ReadQuotedFive(five[0], 4); }},
    };
    for (const auto& [name, read] : reads) {
        Load("%INDEX%S\n5\n%INDEXEND%S\n%INDEX%T\n8\n%INDEXEND%T\n");
        ASSERT_TRUE(m_file.FindSection("S"));
        EXPECT_EQ(Number(), 5);
        EXPECT_FALSE(read()) << name;
        // Restored: the end line itself is found next, not the one of the next section.
        EXPECT_TRUE(m_file.SkipToSectionEnd("S")) << name;
        ASSERT_TRUE(m_file.FindSection("T"));
        EXPECT_EQ(Number(), 8);
    }
    EXPECT_EQ(i32 | u32 | i16 | u16 | i8 | u8 | flag, 0u);
    EXPECT_STREQ(text, "t");
    EXPECT_EQ(line, "l");
    EXPECT_EQ(bytes[0] + bytes[1] + bytes[2], 0);
    for (const auto& field : five) {
        EXPECT_STREQ(field, "");
    }
}

TEST_F(KLFileRead, CommentsLineEndsAndTheEndOfTheData) {
    Load(";head\n;again\n4\n; between\n;\n5\nnext\n%percent\n");
    EXPECT_EQ(Number(), 4);
    EXPECT_EQ(Number(), 5);
    EXPECT_EQ(Line(), "next");
    EXPECT_EQ(Line(), "(none)");
    // Searches see comments as ordinary lines, never as markers.
    Load(";%INDEX%A\n%INDEX%A\n;x\n9\n;tail\n");
    ASSERT_TRUE(m_file.FindSection("A"));
    EXPECT_EQ(Number(), 9);
    EXPECT_EQ(Number(false), 0);
    // A value read at the end of the data fails instead of repeating the last line.
    Load("12\n");
    EXPECT_EQ(Number(), 12);
    EXPECT_EQ(Number(false), 0);
    char text[8] = "old";
    EXPECT_FALSE(m_file.ReadText(text, sizeof text));
    EXPECT_STREQ(text, "old");
    std::uint8_t bytes[2] = {9, 9};
    EXPECT_FALSE(m_file.ReadByteList(bytes, 2));
    EXPECT_EQ(bytes[0] + bytes[1], 0);
    // A search that runs into the end of the data leaves the position there.
    Load("%INDEX%A\n1\n");
    EXPECT_FALSE(m_file.FindSection("B"));
    EXPECT_FALSE(m_file.FindSection("A"));
    // LF or CR LF line ends, a stray CR, an overlong line, a zero byte and a last line without end.
    std::string longLine;
    for (int i = 0; i < 2000; ++i) {
        longLine.push_back(static_cast<char>('a' + i % 26));
    }
    Load("first\r\na\rb\r\n" + longLine + "\n" + std::string("ab\0cd\r\n", 7) + "-31\r");
    EXPECT_EQ(Line(), "first");
    EXPECT_EQ(Line(), "a b");
    EXPECT_EQ(Line(), longLine.substr(0, CKLFile::kMaxLine));
    EXPECT_EQ(Line(), "ab");
    EXPECT_EQ(Line(), "-31");
    EXPECT_EQ(Number(false), 0);
}

TEST_F(KLFileRead, ValuesAreCutToTheirDestination) {
    Load("ABCDEFGHIJK\nxy\n");
    char text[9];
    std::memset(text, '#', sizeof text);
    EXPECT_TRUE(m_file.ReadText(text, sizeof text));
    EXPECT_STREQ(text, "ABCDEFGH");
    char padded[6];
    std::memset(padded, '#', sizeof padded);
    EXPECT_TRUE(m_file.ReadText(padded, sizeof padded));
    EXPECT_EQ(std::string(padded, sizeof padded), std::string("xy\0\0\0\0", 6));
    // Numbers are converted and cut to their width.
    Load("-5\n 12abc\n70000\n4294967295\n+8\nabc\n300\n");
    std::uint8_t u8 = 0;
    std::uint16_t u16 = 0;
    std::uint32_t u32 = 0;
    std::int8_t i8 = 0;
    bool flag = false;
    EXPECT_TRUE(m_file.ReadNumber(u8));
    EXPECT_EQ(u8, 251);
    EXPECT_EQ(Number(), 12);
    EXPECT_TRUE(m_file.ReadNumber(u16));
    EXPECT_EQ(u16, 70000 - 65536);
    EXPECT_TRUE(m_file.ReadNumber(u32));
    EXPECT_EQ(u32, 0xFFFFFFFFu);
    EXPECT_TRUE(m_file.ReadFlag(flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(m_file.ReadFlag(flag));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(m_file.ReadNumber(i8));
    EXPECT_EQ(i8, 44);

    const std::pair<const char*, std::int32_t> decimals[] = {
        {" \t 42x", 42},           {"+17", 17},      {"--1", 0}, {"- 1", 0}, {"", 0}, {"x1", 0},
        {"2147483648", INT32_MIN}, {"4294967297", 1}};
    for (const auto& [text, value] : decimals) {
        EXPECT_EQ(CKLFile::ParseDecimal(text), value) << text;
    }
    // Far beyond 32 bits it still yields some value without undefined behaviour.
    (void)CKLFile::ParseDecimal("99999999999999999999999999999999");
    // A byte list is filled or cut to the count.
    Load("1,2\n1,2,3,4,5\n\n 7, 8 ,x,9\n");
    const std::vector<int> expected[] = {{1, 2, 0, 0}, {1, 2, 3, 4}, {0, 0, 0, 0}, {7, 8, 0, 9}};
    for (const auto& values : expected) {
        std::uint8_t bytes[4] = {9, 9, 9, 9};
        ASSERT_TRUE(m_file.ReadByteList(bytes, 4));
        EXPECT_EQ(std::vector<int>(bytes, bytes + 4), values);
    }
    // Byte lines zero what was not read when a line is missing.
    Load("%INDEX%B\n10\n;c\n20\n%INDEXEND%B\n");
    ASSERT_TRUE(m_file.FindSection("B"));
    std::uint8_t bytes[4] = {5, 5, 5, 5};
    EXPECT_FALSE(m_file.ReadByteLines(bytes, 4));
    EXPECT_EQ(std::vector<int>(bytes, bytes + 4), (std::vector<int>{10, 20, 0, 0}));
    EXPECT_TRUE(m_file.SkipToSectionEnd("B"));
    EXPECT_TRUE(m_file.ReadByteLines(bytes, 0));
}

TEST_F(KLFileRead, QuotedFiveTakesFewerFieldsOrAnUnquotedLine) {
    Load("\"A\",\"B\"\n\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"\nplain\n\"abcdefgh\",\"x\"\n");
    const std::vector<std::string> expected[] = {{"A", "B", "", "", ""},
                                                 {"1", "2", "3", "4", "5"},
                                                 {"plain", "plain", "plain", "plain", "plain"},
                                                 {"abcde", "x", "", "", ""}};
    for (const auto& fields : expected) {
        char five[5][6];
        std::memset(five, '#', sizeof five);
        ASSERT_TRUE(m_file.ReadQuotedFive(five[0], 6));
        EXPECT_EQ(std::vector<std::string>(std::begin(five), std::end(five)), fields);
    }
    // NextQuoted copies between delimiters, or the rest without moving the cursor.
    const char* line = "\"Erster\",\"Zweiter\", r\"est";
    const char* cursor = line;
    char out[5];
    for (const char* expected : {"Erst", "Zwei"}) {
        EXPECT_TRUE(CKLFile::NextQuoted(cursor, out, '"', sizeof out));
        EXPECT_STREQ(out, expected);
    }
    EXPECT_STREQ(cursor, ", r\"est");
    // With only one delimiter left, or '\0' as the delimiter, the rest is copied.
    for (const char delimiter : {'"', '\0'}) {
        EXPECT_FALSE(CKLFile::NextQuoted(cursor, out, delimiter, sizeof out));
        EXPECT_STREQ(out, ", r\"");
        EXPECT_EQ(cursor, line + 18);
    }
}

// --- searching

// An end line bounds the search: B behind C's end is not found from before C, and the position
// stays before C. The search does descend into a section that begins before any end line.
TEST_F(KLFileRead, FindSectionStopsAtTheNextEndLineAndRestores) {
    Load("%INDEX%C\n1\n%INDEXEND%C\n%INDEX%B\n2\n%INDEXEND%B\n");
    EXPECT_FALSE(m_file.FindSection("B"));
    ASSERT_TRUE(m_file.FindSection("C"));
    EXPECT_EQ(Number(), 1);
    EXPECT_TRUE(m_file.SkipToSectionEnd("C"));
    ASSERT_TRUE(m_file.FindSection("B"));
    EXPECT_EQ(Number(), 2);

    Load(
        "%INDEX%OUTER\n%INDEX%INNER\n1\n%INDEXEND%INNER\n%INDEXEND%OUTER\n"
        "%INDEX%LATER\n2\n%INDEXEND%LATER\n");
    ASSERT_TRUE(m_file.FindSection("OUTER"));
    EXPECT_FALSE(m_file.FindSection("LATER"));
    ASSERT_TRUE(m_file.FindSection("INNER"));
    EXPECT_EQ(Number(), 1);

    // Only the whole line matches.
    Load("%INDEX%CLUBS2\n%INDEX%CLUB \n%INDEX%CLUB\n5\n");
    ASSERT_TRUE(m_file.FindSection("CLUB"));
    EXPECT_EQ(Number(), 5);
    EXPECT_FALSE(m_file.FindSection("CLUB"));
    // SkipToSectionEnd passes nested sections and unread values.
    Load(
        "%INDEX%CLUB\n1\n%INDEX%PLAYER\n2\n%INDEXEND%PLAYER\n%INDEX%PLAYER\n%INDEXEND%PLAYER\n"
        "3\n%INDEXEND%CLUB\n44\n");
    ASSERT_TRUE(m_file.FindSection("CLUB"));
    EXPECT_TRUE(m_file.SkipToSectionEnd("CLUB"));
    EXPECT_EQ(Number(), 44);
    EXPECT_FALSE(m_file.SkipToSectionEnd("CLUB"));
}

// Text in memory and its line on disk: only what would read back as a comment, a marker or an
// escape gets the leading '\'.
const std::vector<std::pair<std::string, std::string>> kEscapes = {
    {";comment", "\\;comment"},
    {"%INDEX%X", "\\%INDEX%X"},
    {"\\;", "\\\\;"},
    {"\\%", "\\\\%"},
    {"\\\\", "\\\\\\"},
    {"\\x", "\\x"},
    {"\\", "\\"},
    {"C:\\Spiele", "C:\\Spiele"},
    {"x\\;", "x\\;"},
};

// --- text safety in a round trip

TEST(KLFileRoundTrip, DifficultTextsKeepEveryOtherValueIntactAndEscapesTravelBothWays) {
    std::string longText;
    for (int i = 0; i < 5000; ++i) {
        longText.push_back(static_cast<char>('A' + i % 23));
    }
    // Written text, and how it reads back when that differs.
    const std::vector<std::pair<std::string, std::string>> tricky = {
        {";looks like a comment", ""},
        {"%INDEXEND%RECORD", ""},
        {"%", ""},
        {"\\starts with a backslash", ""},
        {"\\;", ""},
        {"holds \"quotes\"", ""},
        {"two\r\nlines\nthree\rfour", "two  lines three four"},
        {longText, longText.substr(0, CKLFile::kMaxLine)},
        {";" + longText, ";" + longText.substr(0, CKLFile::kMaxLine - 2)},
        {"", ""},
        {"Gr\xFC\337e \x80", ""}};
    const std::string data = WriteWith([&](CKLFile& file) {
        for (int r = 0; r < static_cast<int>(tricky.size()); ++r) {
            const std::string& text = tricky[static_cast<std::size_t>(r)].first;
            file.BeginSection("RECORD");
            file.WriteNumber(std::int32_t{r * 1000});
            file.WriteText(text);
            file.WriteText(text.c_str());
            file.WriteNumber(static_cast<std::int16_t>(-r));
            file.EndSection("RECORD");
        }
    });

    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(data));
    for (int r = 0; r < static_cast<int>(tricky.size()); ++r) {
        SCOPED_TRACE(r);
        const auto& [written, read] = tricky[static_cast<std::size_t>(r)];
        const std::string& expected = read.empty() ? written : read;
        ASSERT_TRUE(file.FindSection("RECORD"));
        std::int32_t number = 0;
        std::string text;
        char fixed[2000];
        std::int16_t last = 1;
        EXPECT_TRUE(file.ReadNumber(number));
        EXPECT_EQ(number, r * 1000);
        EXPECT_TRUE(file.ReadLine(text));
        EXPECT_EQ(text, expected);
        EXPECT_TRUE(file.ReadText(fixed, sizeof fixed));
        EXPECT_EQ(std::string(fixed), expected);
        EXPECT_TRUE(file.ReadNumber(last));
        EXPECT_EQ(last, -r);
        EXPECT_TRUE(file.SkipToSectionEnd("RECORD"));
    }
    EXPECT_FALSE(file.FindSection("RECORD"));
    // The writer escapes only comment, marker and escape lookalikes; the reader removes the
    // backslash only before the three escaped characters.
    for (const auto& [written, line] : kEscapes) {
        // A structured binding cannot be captured by clang 14.
        const std::string text = written;
        SCOPED_TRACE(text);
        EXPECT_EQ(WriteWith([&](CKLFile& file) { file.WriteText(text); }), line + "\r\n");
        CKLFile file;
        ASSERT_TRUE(file.OpenForReadFromMemory(line + "\r\n" + line + "\r\n"));
        std::string read;
        char fixed[64];
        ASSERT_TRUE(file.ReadLine(read));
        EXPECT_EQ(read, text);
        ASSERT_TRUE(file.ReadText(fixed, sizeof fixed));
        EXPECT_EQ(std::string(fixed), text);
    }
    // Lines another writer made with a '\' that escapes nothing come back byte for byte after a
    // save.
    const std::string foreign =
        JoinLines({"%INDEX%CLUB", "\\x", "\\", "Pfad\\;", "Ordner\\Datei", "%INDEXEND%CLUB"});
    CKLFile reader;
    ASSERT_TRUE(reader.OpenForReadFromMemory(foreign));
    ASSERT_TRUE(reader.FindSection("CLUB"));
    std::vector<std::string> texts(4);
    for (std::string& text : texts) {
        ASSERT_TRUE(reader.ReadLine(text));
    }
    EXPECT_TRUE(reader.SkipToSectionEnd("CLUB"));
    const std::string written = WriteWith([&](CKLFile& file) {
        file.BeginSection("CLUB");
        for (const std::string& text : texts) {
            file.WriteText(text);
        }
        file.EndSection("CLUB");
    });
    EXPECT_EQ(written, foreign);
}

// Feeds random and cut input through every read and search; run under the sanitizers this shows
// that no input makes the reader touch memory outside its buffers.

constexpr std::array<std::string_view, 4> kTags = {"A", "CLUB", "PLAYER", ""};

std::string ValidFile() {
    return "%INDEX%CLUB\r\n"
           "; comment\r\n"
           "17\r\n"
           "\"Erster\",\"Zweiter\",\"Dritter\",\"Vierter\",\"F\xFCnfter\"\r\n"
           "1,2,3,255\r\n"
           "%INDEX%PLAYER\r\n"
           "-5\r\n"
           "\\;escaped\r\n"
           "%INDEXEND%PLAYER\r\n"
           "%INDEX%A\r\n"
           "%INDEXEND%A\r\n"
           "text value\r\n"
           "%INDEXEND%CLUB\r\n";
}

char BiasedByte(std::mt19937& random) {
    static constexpr std::string_view kFavourites = "0123456789\n\n\n\r;%\",-+ \\AZ";
    const unsigned pick = random() % 4;
    if (pick < 3) {
        return kFavourites[random() % kFavourites.size()];
    }
    return static_cast<char>(random() & 0xFF);
}

std::string RandomInput(std::mt19937& random) {
    std::string data;
    const std::size_t length = random() % 3000;
    while (data.size() < length) {
        const unsigned draw = random() % 1000;
        if (draw < 15) {
            data += "%INDEX%";
            data += kTags[random() % kTags.size()];
            data += "\r\n";
        } else if (draw < 30) {
            data += "%INDEXEND%";
            data += kTags[random() % kTags.size()];
            data += "\n";
        } else if (draw < 32) {
            // Long runs without a line end exercise the line limit.
            data.append(random() % 2500, BiasedByte(random));
        } else {
            data.push_back(BiasedByte(random));
        }
    }
    return data;
}

// Results are checked for the invariants every caller relies on: terminated texts, no bytes past
// the destination, no line breaks in values, list lengths within the line limit.
class Exerciser {
public:
    explicit Exerciser(std::mt19937& random) : m_random(random) {}

    // Successful searches and reads, to show that the inputs reach past the first line.
    int Successes() const { return m_successes; }

    // Entering a section first gets past the marker that begins every valid file.
    void Run(std::string_view data, int steps, std::string_view enter = {}) {
        CKLFile file;
        ASSERT_TRUE(file.OpenForReadFromMemory(data));
        if (!enter.empty()) {
            m_successes += file.FindSection(enter) ? 1 : 0;
        }
        for (int i = 0; i < steps; ++i) {
            Step(file);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }

private:
    static constexpr char kGuard = '\x5A';

    void Step(CKLFile& file) {
        const std::string_view tag = kTags[m_random() % kTags.size()];
        // Searches often run to the end of the data, so they are picked less often than reads.
        const unsigned draw = m_random() % 64;
        switch (draw < 2 ? draw : 2 + draw % 6) {
            case 0:
                m_successes += file.FindSection(tag) ? 1 : 0;
                break;
            case 1:
                m_successes += file.SkipToSectionEnd(tag) ? 1 : 0;
                break;
            case 2: {
                const std::size_t size = 1 + m_random() % 40;
                std::array<char, 48> text;
                text.fill(kGuard);
                if (file.ReadText(text.data(), size)) {
                    ++m_successes;
                    ASSERT_EQ(text[size - 1], '\0');
                    CheckValue(text.data());
                }
                for (std::size_t i = size; i < text.size(); ++i) {
                    ASSERT_EQ(text[i], kGuard);
                }
                break;
            }
            case 3: {
                std::string line;
                if (file.ReadLine(line)) {
                    ++m_successes;
                    ASSERT_LE(line.size(), CKLFile::kMaxLine);
                    CheckValue(line.c_str());
                }
                break;
            }
            case 4: {
                std::int32_t number = 0;
                std::uint8_t small = 0;
                bool flag = false;
                m_successes += file.ReadNumber(number) ? 1 : 0;
                file.ReadNumber(small);
                file.ReadFlag(flag);
                break;
            }
            case 5: {
                const int count = static_cast<int>(m_random() % 20);
                std::array<std::uint8_t, 24> bytes;
                bytes.fill(0xA5);
                const bool lines = m_random() % 2 == 0;
                const bool ok = lines ? file.ReadByteLines(bytes.data(), count)
                                      : file.ReadByteList(bytes.data(), count);
                for (std::size_t i = static_cast<std::size_t>(count); i < bytes.size(); ++i) {
                    ASSERT_EQ(bytes[i], 0xA5);
                }
                if (!ok && count > 0) {
                    // At least the last element was not read; a failed list zeroes them all.
                    ASSERT_EQ(bytes[static_cast<std::size_t>(count) - 1], 0);
                    if (!lines) {
                        ASSERT_EQ(bytes[0], 0);
                    }
                }
                break;
            }
            case 6: {
                const std::size_t size = 1 + m_random() % 31;
                std::array<char, 5 * 32 + 8> five;
                five.fill(kGuard);
                file.ReadQuotedFive(five.data(), size);
                for (std::size_t k = 0; k < 5; ++k) {
                    const char* field = five.data() + k * size;
                    ASSERT_NE(std::memchr(field, '\0', size), nullptr);
                    CheckValue(field);
                }
                for (std::size_t i = 5 * size; i < five.size(); ++i) {
                    ASSERT_EQ(five[i], kGuard);
                }
                break;
            }
            default: {
                std::array<char, 1024> line;
                if (file.ReadText(line.data(), line.size())) {
                    const char* cursor = line.data();
                    std::array<char, 12> part;
                    while (CKLFile::NextQuoted(cursor, part.data(), '"', part.size())) {
                        ASSERT_LE(std::strlen(part.data()), part.size() - 1);
                    }
                }
                break;
            }
        }
    }

    static void CheckValue(const char* text) {
        ASSERT_EQ(std::strpbrk(text, "\r\n"), nullptr) << text;
    }

    std::mt19937& m_random;
    int m_successes = 0;
};

TEST(KLFileRobustness, RandomInputsNeverBreakTheReader) {
    std::mt19937 random(20060004u);
    Exerciser exerciser(random);
    for (int round = 0; round < 3000; ++round) {
        const std::string data = RandomInput(random);
        exerciser.Run(data, 150);
        ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "round " << round;
    }
    EXPECT_GT(exerciser.Successes(), 5000);
}

TEST(KLFileRobustness, EveryTruncationOfAValidFileReadsSafely) {
    std::mt19937 random(14u);
    Exerciser exerciser(random);
    const std::string valid = ValidFile();
    for (std::size_t length = 0; length <= valid.size(); ++length) {
        for (int pass = 0; pass < 8; ++pass) {
            exerciser.Run(std::string_view(valid).substr(0, length), 150, pass % 2 ? "CLUB" : "");
            ASSERT_FALSE(::testing::Test::HasFatalFailure()) << "length " << length;
        }
    }
    EXPECT_GT(exerciser.Successes(), 1000);
}

using Bytes = std::vector<std::uint8_t>;

Bytes Counting(std::size_t count) {
    Bytes data(count);
    std::iota(data.begin(), data.end(), std::uint8_t{0});
    return data;
}

Bytes RandomBytes(std::mt19937& random, std::size_t count, unsigned alphabet = 256) {
    Bytes data(count);
    for (auto& byte : data) {
        byte = static_cast<std::uint8_t>(random() % alphabet);
    }
    return data;
}

// Like a KL country file: similar lines at many distances.
Bytes CountryText(std::mt19937& random, std::size_t count) {
    std::string text;
    while (text.size() < count) {
        // Drawn in separate statements: the order of operands within one expression is
        // left to the compiler, and the pinned digest below must not depend on it.
        const auto name = random() % 500;
        const auto id = random() % 100000;
        text += "%INDEX%PLAYER\r\n" + std::to_string(id) + "\r\n\"Spieler " + std::to_string(name) +
                "\",\"Player\"\r\n%INDEXEND%PLAYER\r\n";
    }
    text.resize(count);
    return Bytes(text.begin(), text.end());
}

// Rows of 32-bit pixels in flat colour areas with a noisy edge, as badge images are.
Bytes ImageRows(std::mt19937& random, std::size_t count) {
    const std::uint8_t colours[3][4] = {{200, 30, 30, 255}, {250, 250, 250, 255}, {0, 0, 0, 0}};
    Bytes image;
    while (image.size() < count) {
        const std::size_t edge = 10 + random() % 8;
        for (std::size_t x = 0; x < 64; ++x) {
            const auto& colour = colours[x < edge ? 2 : (x / 16) % 2];
            image.insert(image.end(), colour, colour + 4);
        }
    }
    image.resize(count);
    return image;
}

// The hand-made country files of the countries tests, as a real sample of KL text.
Bytes FixtureCountryFiles() {
    const auto folder = kw::test::CountriesData() / "database";
    Bytes all;
    for (int number = 5; number <= 8; ++number) {
        std::ifstream in(folder / ("Country" + std::to_string(number) + ".sav"), std::ios::binary);
        all.insert(all.end(), std::istreambuf_iterator<char>(in), {});
    }
    EXPECT_FALSE(all.empty()) << "no country files in " << folder;
    return all;
}

// Inputs of every kind the archives carry, at sizes from empty to beyond the chain window.
std::vector<Bytes> Corpus() {
    std::mt19937 random(1906);
    const Bytes country = FixtureCountryFiles();
    std::vector<Bytes> corpus;
    for (int i = 0; i < 240; ++i) {
        const std::size_t size =
            i < 60 ? static_cast<std::size_t>(i) : random() % (i < 230 ? 20000 : 200000);
        switch (i % 6) {
            case 0:
                corpus.push_back(RandomBytes(random, size));
                break;
            case 1:
                corpus.push_back(RandomBytes(random, size, 2 + i % 5));
                break;
            case 2:
                corpus.push_back(CountryText(random, size));
                break;
            case 3:
                corpus.push_back(ImageRows(random, size));
                break;
            case 4:
                corpus.push_back(Bytes(size, static_cast<std::uint8_t>(i)));
                break;
            default: {
                const std::size_t start = random() % std::max<std::size_t>(country.size(), 1);
                Bytes slice(country.begin() + static_cast<std::ptrdiff_t>(start), country.end());
                slice.resize(std::min(size, slice.size()));
                corpus.push_back(std::move(slice));
            }
        }
    }
    corpus.push_back(country);
    return corpus;
}

// No copy starts with fewer than 8 input bytes left, and none reaches into the last 4.
void ExpectCopiesLeaveTheTail(const Bytes& packed, std::size_t size) {
    std::size_t in = (packed[0] & 0x80) != 0 ? 6 : 5;
    std::size_t out = 0;
    while (in < packed.size()) {
        const std::uint8_t b0 = packed[in];
        std::size_t command = 1;
        std::size_t literals = b0 & 3;
        std::size_t copy = 0;
        if (b0 < 0x80) {
            command = 2;
            copy = ((b0 >> 2) & 7) + 3;
        } else if (b0 < 0xC0) {
            command = 3;
            literals = packed[in + 1] >> 6;
            copy = (b0 & 0x3F) + 4;
        } else if (b0 < 0xE0) {
            command = 4;
            copy = ((b0 & 0x0C) << 6) + packed[in + 3] + 5;
        } else if (b0 < 0xFC) {
            literals = ((b0 & 0x1F) + 1) * 4;
        }
        in += command + literals;
        out += literals;
        if (copy != 0) {
            EXPECT_LE(out + 8, size);
            EXPECT_LE(out + copy + 4, size);
            out += copy;
        }
        if (b0 >= 0xFC) {
            break;
        }
    }
    EXPECT_EQ(out, size);
}

// Other readers of the format depend on the exact bytes, so a faster search must not change a
// single one: the digest of the corpus packed by the straightforward search (before any speed-up).
TEST(PackedCodec, RoundTripPropertyOverSizesAndKindsAndTheOutputBytesStay) {
    std::uint64_t digest = 14695981039346656037u;
    for (const Bytes& data : Corpus()) {
        const Bytes packed = kw::PackData(data);
        for (const std::uint8_t byte : packed) {
            digest = (digest ^ byte) * 1099511628211u;
        }
        ASSERT_FALSE(packed.empty());
        EXPECT_LE(packed.size(), kw::PackDataBound(data.size()));
        EXPECT_EQ(packed.size(), kw::PackedDataLength(data));
        EXPECT_EQ(kw::UnpackedDataSize(packed), data.size());
        ASSERT_EQ(kw::UnpackData(packed), data) << "size " << data.size();
        ExpectCopiesLeaveTheTail(packed, data.size());
    }
    EXPECT_EQ(digest, 4099863744924390447u);
}

TEST(PackedCodec, PinsTheEncoderOutput) {
    EXPECT_EQ(kw::PackData(Bytes{}), (Bytes{0x10, 0xFB, 0, 0, 0, 0xFC}));
    EXPECT_EQ(kw::PackData(Bytes{'a', 'b', 'c'}),
              (Bytes{0x10, 0xFB, 0, 0, 3, 0xFF, 'a', 'b', 'c'}));
    // A repeated byte: one literal inside an overlapping 4-byte copy at offset 0, then the tail.
    EXPECT_EQ(kw::PackData(Bytes(1000, 'a')), (Bytes{0x10, 0xFB, 0x00, 0x03, 0xE8, 0xCD, 0, 0, 0xDE,
                                                     'a', 0xE0, 'a', 'a', 'a', 'a', 0xFC}));
    // The longest copy is 1028 bytes.
    const Bytes packed = kw::PackData(Bytes(3000, 'z'));
    EXPECT_EQ((Bytes(packed.begin() + 5, packed.begin() + 10)), (Bytes{0xCD, 0, 0, 0xFF, 'z'}));

    // A match may start with 8 bytes left but not with 7; the last 4 bytes stay literal.
    Bytes data = Counting(40);
    data.insert(data.end(), {0, 1, 2, 3, 4, 5, 6, 7});
    Bytes expected{0x10, 0xFB, 0, 0, 48, 0xE9};
    expected.insert(expected.end(), data.begin(), data.begin() + 40);
    expected.insert(expected.end(), {0x04, 39, 0xE0, 4, 5, 6, 7, 0xFC});
    EXPECT_EQ(kw::PackData(data), expected);
    data.pop_back();
    expected = {0x10, 0xFB, 0, 0, 47, 0xEA};
    expected.insert(expected.end(), data.begin(), data.begin() + 44);
    expected.insert(expected.end(), {0xFF, 4, 5, 6});
    EXPECT_EQ(kw::PackData(data), expected);
    // Sizes above twenty-four bits use the long header.
    data.assign(0x1000001, 1);
    const Bytes large = kw::PackData(data);
    ASSERT_GE(large.size(), 6u);
    EXPECT_EQ((Bytes(large.begin(), large.begin() + 6)), (Bytes{0x90, 0xFB, 1, 0, 0, 1}));
    EXPECT_EQ(kw::UnpackData(large), data);
}

TEST(PackedCodec, IncompressibleInputStaysWithinTheBound) {
    std::mt19937 random(11);
    const Bytes data = RandomBytes(random, 1 << 20);
    const std::size_t length = kw::PackedDataLength(data);
    // A buffer of the input length plus 1032 bytes would be overrun.
    EXPECT_GT(length, data.size() + 1032);
    EXPECT_LE(length, kw::PackDataBound(data.size()));
    Bytes exact(length);
    EXPECT_EQ(kw::PackData(data, exact), length);
    Bytes tooSmall(length - 1);
    EXPECT_EQ(kw::PackData(data, tooSmall), 0u);
    EXPECT_EQ(kw::UnpackData(exact), data);
}

TEST(PackedCodec, HeaderVariantsTheSizeQueryAndDamagedStreams) {
    // Bit 0 of the type adds a packed-size field of the same width before the unpacked size.
    Bytes packed = kw::PackData(Counting(100));
    packed[0] = 0x11;
    packed.insert(packed.begin() + 2, {0, 0, 99});
    packed.push_back(0xAB);  // whatever follows the stream is not consumed
    EXPECT_EQ(kw::UnpackedDataSize(packed), 100u);
    Bytes out(100);
    const auto result = kw::UnpackData(packed, out);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->packedLength, packed.size() - 1);
    EXPECT_EQ(out, Counting(100));

    EXPECT_EQ(kw::UnpackedDataSize(Bytes{0x46, 0xFB, 1, 2, 3}), 0x010203u);
    EXPECT_EQ(kw::UnpackedDataSize(Bytes{0xB5, 0xFB, 9, 9, 9, 9, 1, 2, 3, 4}), 0x01020304u);
    EXPECT_EQ(kw::UnpackedDataSize(Bytes{0xC8, 0xFB, 1, 2, 3, 4}), 0u);
    EXPECT_EQ(kw::UnpackedDataSize(Bytes{0x10, 0xFA, 1, 2, 3}), 0u);
    // Family members other than 0x10 and 0x90 are known by size but not unpacked.
    packed[0] = 0x18;
    EXPECT_FALSE(kw::UnpackData(packed, out));
    // Damaged streams are refused.
    // Copy from before the start of the output.
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 4, 0x01, 0x05, 'a', 0xFC}, out));
    // Commands or literals that run past the input.
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 8, 0xE1, 'a', 'b'}, out));
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 8, 0xC0, 0}, out));
    // Output beyond the stated size, a stop short of it, a destination smaller than it.
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 2, 0xFF, 'a', 'b', 'c'}, out));
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 4, 0xFF, 'a', 'b', 'c'}, out));
    Bytes small(2);
    EXPECT_FALSE(kw::UnpackData(Bytes{0x10, 0xFB, 0, 0, 3, 0xFF, 'a', 'b', 'c'}, small));
    // Stated sizes the input could never produce, or above the limit, are refused up front.
    EXPECT_FALSE(kw::UnpackData(Bytes{0x90, 0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFC}));
    EXPECT_FALSE(kw::UnpackData(kw::PackData(Bytes(5000, 0)), 4999));
}

// Cut, flipped and random streams must fail or succeed cleanly; under the sanitizers this shows
// that no input makes the unpacker touch memory outside its buffers.
TEST(PackedCodec, HostileInputNeverEscapesTheBuffers) {
    std::mt19937 random(2006);
    const Bytes valid = kw::PackData(CountryText(random, 3000));
    for (int round = 0; round < 20000; ++round) {
        Bytes packed = valid;
        if (round % 3 == 0) {
            packed = RandomBytes(random, 5 + random() % 64);
            packed[0] = 0x10;
            packed[1] = 0xFB;
            packed[2] = 0;
        } else if (round % 3 == 1) {
            packed.resize(random() % packed.size());
        } else {
            for (unsigned flips = 1 + random() % 4; flips > 0; --flips) {
                packed[2 + random() % (packed.size() - 2)] ^= 1 << (random() % 8);
            }
        }
        if (const auto unpacked = kw::UnpackData(packed)) {
            EXPECT_EQ(unpacked->size(), kw::UnpackedDataSize(packed));
        }
    }
}

}  // namespace
