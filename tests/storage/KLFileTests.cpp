#include "storage/KLFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "platform/AtomicFile.h"

namespace {

using kw::CKLFile;

std::string WriteWith(const std::function<void(CKLFile&)>& body) {
    kw::test::TempDir dir;
    const auto path = dir / "out.sav";
    CKLFile file;
    EXPECT_TRUE(file.OpenForWrite(path));
    body(file);
    EXPECT_TRUE(file.Close());
    return kw::test::ReadFile(path);
}

std::vector<std::string> SplitCrLf(const std::string& data) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < data.size()) {
        const std::size_t end = data.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(data.substr(start));
            break;
        }
        lines.push_back(data.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// --- writing

TEST(KLFileWrite, EncodesEveryValueKindOnItsOwnCrLfLine) {
    const std::string data = WriteWith([](CKLFile& file) {
        EXPECT_TRUE(file.BeginSection("CLUBS"));
        EXPECT_TRUE(file.WriteNumber(std::int8_t{-128}));
        EXPECT_TRUE(file.WriteNumber(std::uint8_t{255}));
        EXPECT_TRUE(file.WriteNumber(std::int16_t{-32768}));
        EXPECT_TRUE(file.WriteNumber(std::uint16_t{65535}));
        EXPECT_TRUE(file.WriteNumber(std::int32_t{-7}));
        EXPECT_TRUE(file.WriteNumber(static_cast<std::int32_t>(0x80000000u)));
        EXPECT_TRUE(file.WriteHex(0xFEFFFFFFu));
        EXPECT_TRUE(file.WriteHex(0));
        const std::uint8_t bytes[] = {3, 0, 12, 255};
        EXPECT_TRUE(file.WriteByteList(bytes, 4));
        EXPECT_TRUE(file.WriteByteLines(bytes, 2));
        EXPECT_TRUE(file.WriteByteLines(bytes, 0));
        const char names[3][8] = {"Ab", "", "Cd e"};
        EXPECT_TRUE(file.WriteQuotedList(names[0], 3, sizeof names[0]));
        EXPECT_TRUE(file.WriteFormatted("{ %d, %s, %d }", 1, "LG", 2));
        EXPECT_TRUE(file.WriteText("Müller"));
        EXPECT_TRUE(file.WriteText(std::string("plain")));
        EXPECT_TRUE(file.EndSection("CLUBS"));
    });
    const std::vector<std::string> expected = {"%INDEX%CLUBS",
                                               "-128",
                                               "255",
                                               "-32768",
                                               "65535",
                                               "-7",
                                               "-2147483648",
                                               "feffffff",
                                               "0",
                                               "3,0,12,255",
                                               "3",
                                               "0",
                                               "\"Ab\",\"\",\"Cd e\"",
                                               "{ 1, LG, 2 }",
                                               "Müller",
                                               "plain",
                                               "%INDEXEND%CLUBS"};
    EXPECT_EQ(SplitCrLf(data), expected);
    for (std::size_t i = data.find('\n'); i != std::string::npos; i = data.find('\n', i + 1)) {
        EXPECT_EQ(data[i - 1], '\r') << "line feed at " << i;
    }
}

TEST(KLFileWrite, EveryLineIsCutAt1023Characters) {
    const std::string longText(3000, 'q');
    const std::string data = WriteWith([&](CKLFile& file) {
        file.WriteFormatted("%s%d", longText.c_str(), 5);
        file.WriteText(longText);
        file.WriteText(("%" + longText).c_str());
        file.BeginSection(longText);
    });
    const std::vector<std::string> expected = {std::string(1023, 'q'), std::string(1023, 'q'),
                                               "\\%" + std::string(1021, 'q'),
                                               "%INDEX%" + std::string(1016, 'q')};
    EXPECT_EQ(SplitCrLf(data), expected);
}

TEST(KLFileWrite, FormattedLineIsNotEscapedSoCommentsCanBeWritten) {
    const std::string data =
        WriteWith([](CKLFile& file) { file.WriteFormatted("; how many comps to check"); });
    EXPECT_EQ(data, "; how many comps to check\r\n");
}

TEST(KLFileWrite, ByteListKeepsOnlyWholeNumbersWithinTheLineLimit) {
    std::vector<std::uint8_t> bytes(400, 200);
    const std::string data = WriteWith([&](CKLFile& file) {
        file.WriteByteList(bytes.data(), static_cast<std::int16_t>(bytes.size()));
    });
    const std::string line = SplitCrLf(data).at(0);
    EXPECT_LE(line.size(), CKLFile::kMaxLine);
    EXPECT_EQ(line.substr(line.size() - 4), ",200");
}

TEST(KLFileWrite, QuotedListReplacesQuotesAndLineBreaks) {
    const char fields[5][16] = {"say \"hi\"", "a\r\nb", "", "x", "y"};
    const std::string data =
        WriteWith([&](CKLFile& file) { file.WriteQuotedList(fields[0], 5, sizeof fields[0]); });
    EXPECT_EQ(data, "\"say 'hi'\",\"a  b\",\"\",\"x\",\"y\"\r\n");
}

TEST(KLFileWrite, OverlongQuotedListStaysFiveWellFormedFields) {
    const std::size_t stride = 700;
    std::vector<char> slots(5 * stride, '\0');
    const std::string shortOne = "Kurz";
    for (int k : {1, 3}) {
        std::memset(&slots[k * stride], 'a' + k, stride - 1);
    }
    for (int k : {0, 2, 4}) {
        std::memcpy(&slots[k * stride], shortOne.c_str(), shortOne.size() + 1);
    }
    kw::test::TempDir dir;
    CKLFile writer;
    ASSERT_TRUE(writer.OpenForWrite(dir / "q.sav"));
    writer.WriteQuotedList(slots.data(), 5, stride);
    ASSERT_TRUE(writer.Close());

    const std::string line = SplitCrLf(kw::test::ReadFile(dir / "q.sav")).at(0);
    EXPECT_LE(line.size(), CKLFile::kMaxLine);
    EXPECT_EQ(line.front(), '"');
    EXPECT_EQ(line.back(), '"');

    CKLFile reader;
    ASSERT_TRUE(reader.OpenForRead(dir / "q.sav"));
    std::array<std::array<char, 1024>, 5> out{};
    ASSERT_TRUE(reader.ReadQuotedFive(out[0].data(), out[0].size()));
    for (int k : {0, 2, 4}) {
        EXPECT_EQ(std::string(out[k].data()), shortOne);
    }
    for (int k : {1, 3}) {
        const std::string cut(out[k].data());
        EXPECT_GE(cut.size(), 450u);
        EXPECT_EQ(cut, std::string(cut.size(), static_cast<char>('a' + k)));
    }
}

TEST(KLFileWrite, WritesFailWithoutAnOpenWriter) {
    CKLFile file;
    const std::uint8_t bytes[] = {1};
    EXPECT_FALSE(file.BeginSection("A"));
    EXPECT_FALSE(file.WriteText("x"));
    EXPECT_FALSE(file.WriteNumber(std::int32_t{1}));
    EXPECT_FALSE(file.WriteByteLines(bytes, 1));
    EXPECT_FALSE(file.WriteQuotedList("a", 1, 2));

    ASSERT_TRUE(file.OpenForReadFromMemory("1\n"));
    EXPECT_FALSE(file.WriteText("x"));
    EXPECT_FALSE(file.WriteFormatted("%d", 1));
    EXPECT_FALSE(file.EndSection("A"));
    EXPECT_FALSE(file.WriteHex(1));
    EXPECT_FALSE(file.WriteByteList(bytes, 1));
}

TEST(KLFileWrite, ReadsFailOnAFileOpenForWriting) {
    kw::test::TempDir dir;
    CKLFile file;
    ASSERT_TRUE(file.OpenForWrite(dir / "w.sav"));
    std::int32_t number = 9;
    std::string line = "keep";
    std::uint8_t bytes[2] = {7, 7};
    EXPECT_FALSE(file.ReadNumber(number));
    EXPECT_EQ(number, 0);
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_EQ(line, "keep");
    EXPECT_FALSE(file.ReadByteList(bytes, 2));
    EXPECT_EQ(bytes[0], 0);
    EXPECT_FALSE(file.FindSection("A"));
    EXPECT_FALSE(file.SkipToSectionEnd("A"));
    EXPECT_TRUE(file.Close());
}

TEST(KLFileWrite, TargetAppearsOnlyAtClose) {
    kw::test::TempDir dir;
    const auto path = dir / "late.sav";
    CKLFile file;
    ASSERT_TRUE(file.OpenForWrite(path));
    file.WriteText("abc");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(kw::test::ReadFile(path), "abc\r\n");
}

TEST(KLFileWrite, DestructorCommitsLikeClose) {
    kw::test::TempDir dir;
    const auto path = dir / "d.sav";
    {
        CKLFile file;
        ASSERT_TRUE(file.OpenForWrite(path));
        file.WriteNumber(std::int32_t{42});
    }
    EXPECT_EQ(kw::test::ReadFile(path), "42\r\n");
}

// --- write failures

class WriteFaultGuard {
public:
    explicit WriteFaultGuard(std::filesystem::path target) {
        kw::SetWriteFaultForTesting(
            [target = std::move(target)](const std::filesystem::path& p) { return p == target; });
    }
    ~WriteFaultGuard() { kw::SetWriteFaultForTesting({}); }
};

std::size_t FilesIn(const std::filesystem::path& dir) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++count;
    }
    return count;
}

TEST(KLFileWriteFailure, FailedFinalWriteKeepsThePreviousFile) {
    kw::test::TempDir dir;
    const auto path = dir / "Country14.sav";
    kw::test::WriteFile(path, "old content\r\n");
    {
        const WriteFaultGuard fault(path);
        CKLFile file;
        ASSERT_TRUE(file.OpenForWrite(path));
        EXPECT_TRUE(file.WriteText("new"));
        EXPECT_FALSE(file.Close());
    }
    EXPECT_EQ(kw::test::ReadFile(path), "old content\r\n");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(KLFileWriteFailure, WritesReportTheFailureAndStayFailed) {
    kw::test::TempDir dir;
    const auto path = dir / "big.sav";
    kw::test::WriteFile(path, "old\r\n");
    const std::string line(1000, 'z');
    {
        const WriteFaultGuard fault(path);
        CKLFile file;
        ASSERT_TRUE(file.OpenForWrite(path));
        int failedAt = -1;
        for (int i = 0; i < 200 && failedAt < 0; ++i) {
            if (!file.WriteText(line)) {
                failedAt = i;
            }
        }
        ASSERT_GE(failedAt, 0) << "a buffered megabyte never reached the file";
        EXPECT_LT(failedAt, 100);
        EXPECT_FALSE(file.WriteNumber(std::int32_t{1}));
        EXPECT_FALSE(file.BeginSection("X"));
        EXPECT_FALSE(file.Close());
    }
    EXPECT_EQ(kw::test::ReadFile(path), "old\r\n");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(KLFileWriteFailure, OpenFailsInAMissingFolder) {
    kw::test::TempDir dir;
    CKLFile file;
    EXPECT_FALSE(file.OpenForWrite(dir / "missing" / "x.sav"));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.WriteText("x"));
}

// --- opening for reading

TEST(KLFileOpen, EmptyFileOpensWithoutLines) {
    kw::test::TempDir dir;
    kw::test::WriteFile(dir / "e.sav", "");
    CKLFile file;
    ASSERT_TRUE(file.OpenForRead(dir / "e.sav"));
    std::string line = "keep";
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_EQ(line, "keep");
    EXPECT_FALSE(file.FindSection("A"));
}

TEST(KLFileOpen, MissingFileOrFolderDoesNotOpen) {
    kw::test::TempDir dir;
    CKLFile file;
    EXPECT_FALSE(file.OpenForRead(dir / "none.sav"));
    EXPECT_FALSE(file.OpenForRead(dir.Path()));
    EXPECT_FALSE(file.IsOpen());
}

TEST(KLFileOpen, FileBeyondTheLoadLimitIsCut) {
    kw::test::TempDir dir;
    std::string data(CKLFile::kLoadLimit - 2, 'x');
    data += "\n17\n99\n";
    kw::test::WriteFile(dir / "huge.sav", data);
    CKLFile file;
    ASSERT_TRUE(file.OpenForRead(dir / "huge.sav"));
    std::string first;
    std::int32_t number = 0;
    ASSERT_TRUE(file.ReadLine(first));
    EXPECT_EQ(first.size(), CKLFile::kMaxLine);
    // Only "1" of "17" lies within the limit.
    EXPECT_TRUE(file.ReadNumber(number));
    EXPECT_EQ(number, 1);
    EXPECT_FALSE(file.ReadNumber(number));
}

TEST(KLFileOpen, ReadsFailWhenNothingIsOpen) {
    CKLFile file;
    std::int32_t number = 5;
    std::uint8_t bytes[3] = {1, 2, 3};
    std::array<char, 20> five{};
    five.fill('x');
    char text[4] = "abc";
    EXPECT_FALSE(file.ReadNumber(number));
    EXPECT_EQ(number, 0);
    EXPECT_FALSE(file.ReadByteLines(bytes, 3));
    EXPECT_EQ(bytes[2], 0);
    EXPECT_FALSE(file.ReadQuotedFive(five.data(), 4));
    EXPECT_EQ(five[0], '\0');
    EXPECT_EQ(five[16], '\0');
    EXPECT_FALSE(file.ReadText(text, sizeof text));
    EXPECT_STREQ(text, "abc");
    EXPECT_FALSE(file.FindSection("A"));
    EXPECT_TRUE(file.Close());
}

// --- value reads

class KLFileRead : public ::testing::Test {
protected:
    void Load(std::string_view data) { ASSERT_TRUE(m_file.OpenForReadFromMemory(data)); }
    CKLFile m_file;
};

TEST_F(KLFileRead, NumberBeforeTheEndLineFailsAndTheSectionEndIsStillFound) {
    Load("%INDEX%X\n5\n%INDEXEND%X\n%INDEX%Y\n8\n%INDEXEND%Y\n");
    ASSERT_TRUE(m_file.FindSection("X"));
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 5);
    value = 77;
    EXPECT_FALSE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(m_file.SkipToSectionEnd("X"));
    ASSERT_TRUE(m_file.FindSection("Y"));
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 8);
}

TEST_F(KLFileRead, EveryTypedReadRestoresThePositionWhenItFails) {
    const auto check = [this](const char* name, const std::function<bool()>& read) {
        Load("%INDEX%S\n%INDEXEND%S\n");
        ASSERT_TRUE(m_file.FindSection("S"));
        EXPECT_FALSE(read()) << name;
        // Restored: the end line itself is found next, nothing after it.
        EXPECT_TRUE(m_file.SkipToSectionEnd("S")) << name;
    };
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
    char five[5][4] = {};
    check("int32", [&] { return m_file.ReadNumber(i32); });
    check("uint32", [&] { return m_file.ReadNumber(u32); });
    check("int16", [&] { return m_file.ReadNumber(i16); });
    check("uint16", [&] { return m_file.ReadNumber(u16); });
    check("int8", [&] { return m_file.ReadNumber(i8); });
    check("uint8", [&] { return m_file.ReadNumber(u8); });
    check("flag", [&] { return m_file.ReadFlag(flag); });
    check("text", [&] { return m_file.ReadText(text, sizeof text); });
    check("line", [&] { return m_file.ReadLine(line); });
    check("byte lines", [&] { return m_file.ReadByteLines(bytes, 3); });
    check("byte list", [&] { return m_file.ReadByteList(bytes, 3); });
    check("quoted five", [&] { return m_file.ReadQuotedFive(five[0], 4); });
    EXPECT_EQ(i32, 0);
    EXPECT_EQ(u32, 0u);
    EXPECT_EQ(i16, 0);
    EXPECT_EQ(u16, 0);
    EXPECT_EQ(i8, 0);
    EXPECT_EQ(u8, 0);
    EXPECT_FALSE(flag);
    EXPECT_STREQ(text, "t");
    EXPECT_EQ(line, "l");
    EXPECT_EQ(bytes[0] + bytes[1] + bytes[2], 0);
}

TEST_F(KLFileRead, CommentLinesAreSkippedWhereverTheyStand) {
    Load(";head\n;again\n4\n; between\n;\n5\n");
    std::int32_t a = 0;
    std::int32_t b = 0;
    EXPECT_TRUE(m_file.ReadNumber(a));
    EXPECT_TRUE(m_file.ReadNumber(b));
    EXPECT_EQ(a, 4);
    EXPECT_EQ(b, 5);
}

TEST_F(KLFileRead, UnescapedSemicolonTextIsSkippedAndPercentTextIsMissing) {
    Load(";not a value\nnext\n%percent\n");
    std::string text;
    EXPECT_TRUE(m_file.ReadLine(text));
    EXPECT_EQ(text, "next");
    EXPECT_FALSE(m_file.ReadLine(text));
    EXPECT_EQ(text, "next");
}

TEST_F(KLFileRead, ValueReadAtTheEndOfDataFailsInsteadOfRepeatingTheLastLine) {
    Load("12\n");
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 12);
    EXPECT_FALSE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 0);
    char text[8] = "old";
    EXPECT_FALSE(m_file.ReadText(text, sizeof text));
    EXPECT_STREQ(text, "old");
    std::uint8_t bytes[2] = {9, 9};
    EXPECT_FALSE(m_file.ReadByteList(bytes, 2));
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 0);
}

TEST_F(KLFileRead, TrailingCommentAtTheEndOfDataIsNoValue) {
    Load("1\n;tail\n");
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_FALSE(m_file.ReadNumber(value));
}

TEST_F(KLFileRead, LastLineWithoutLineEndIsReadToTheEnd) {
    Load("first\r\n-31");
    std::string text;
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadLine(text));
    EXPECT_EQ(text, "first");
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, -31);
    EXPECT_FALSE(m_file.ReadNumber(value));
}

TEST_F(KLFileRead, CarriageReturnsNeverReachAValue) {
    Load("a\rb\r\nend\r");
    std::string text;
    EXPECT_TRUE(m_file.ReadLine(text));
    EXPECT_EQ(text, "a b");
    EXPECT_TRUE(m_file.ReadLine(text));
    EXPECT_EQ(text, "end");
}

TEST_F(KLFileRead, OverlongLineIsCutAndItsRestSkipped) {
    std::string longLine;
    for (int i = 0; i < 2000; ++i) {
        longLine.push_back(static_cast<char>('a' + i % 26));
    }
    Load(longLine + "\n7\n");
    std::string text;
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadLine(text));
    EXPECT_EQ(text, longLine.substr(0, CKLFile::kMaxLine));
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 7);
}

TEST_F(KLFileRead, EmbeddedZeroByteEndsTheValue) {
    Load(std::string("ab\0cd\n3\n", 8));
    std::string text;
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadLine(text));
    EXPECT_EQ(text, "ab");
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 3);
}

TEST_F(KLFileRead, TextIsCutToTheDestinationAndZeroFilled) {
    Load("ABCDEFGHIJK\nxy\n");
    char text[9];
    std::memset(text, '#', sizeof text);
    EXPECT_TRUE(m_file.ReadText(text, sizeof text));
    EXPECT_STREQ(text, "ABCDEFGH");
    char padded[6];
    std::memset(padded, '#', sizeof padded);
    EXPECT_TRUE(m_file.ReadText(padded, sizeof padded));
    EXPECT_EQ(std::string(padded, sizeof padded), std::string("xy\0\0\0\0", 6));
}

TEST_F(KLFileRead, NumbersAreConvertedAndCutToTheirWidth) {
    Load("-5\n 12abc\n70000\n-1\n4294967295\n+8\nabc\n300\n-\n");
    std::uint8_t u8 = 0;
    std::int32_t i32 = 0;
    std::uint16_t u16 = 0;
    std::int8_t i8 = 0;
    std::uint32_t u32 = 0;
    bool flag = false;
    EXPECT_TRUE(m_file.ReadNumber(u8));
    EXPECT_EQ(u8, 251);
    EXPECT_TRUE(m_file.ReadNumber(i32));
    EXPECT_EQ(i32, 12);
    EXPECT_TRUE(m_file.ReadNumber(u16));
    EXPECT_EQ(u16, 70000 - 65536);
    EXPECT_TRUE(m_file.ReadNumber(u32));
    EXPECT_EQ(u32, 0xFFFFFFFFu);
    EXPECT_TRUE(m_file.ReadNumber(i32));
    EXPECT_EQ(i32, -1);
    EXPECT_TRUE(m_file.ReadFlag(flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(m_file.ReadFlag(flag));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(m_file.ReadNumber(i8));
    EXPECT_EQ(i8, 44);
    EXPECT_TRUE(m_file.ReadNumber(i32));
    EXPECT_EQ(i32, 0);
}

TEST(KLFileParseDecimal, FollowsTheDecimalRules) {
    EXPECT_EQ(CKLFile::ParseDecimal(" \t 42x"), 42);
    EXPECT_EQ(CKLFile::ParseDecimal("-17"), -17);
    EXPECT_EQ(CKLFile::ParseDecimal("+17"), 17);
    EXPECT_EQ(CKLFile::ParseDecimal("--1"), 0);
    EXPECT_EQ(CKLFile::ParseDecimal("- 1"), 0);
    EXPECT_EQ(CKLFile::ParseDecimal(""), 0);
    EXPECT_EQ(CKLFile::ParseDecimal("x1"), 0);
    EXPECT_EQ(CKLFile::ParseDecimal("-2147483648"), INT32_MIN);
    EXPECT_EQ(CKLFile::ParseDecimal("2147483648"), INT32_MIN);
    EXPECT_EQ(CKLFile::ParseDecimal("4294967297"), 1);
    // Far beyond 32 bits it still yields some value without undefined behaviour.
    (void)CKLFile::ParseDecimal("99999999999999999999999999999999");
}

TEST_F(KLFileRead, ByteListIsFilledOrCutToTheCount) {
    Load("1,2\n1,2,3,4,5\n\n 7, 8 ,x,9\n");
    std::uint8_t bytes[4] = {9, 9, 9, 9};
    ASSERT_TRUE(m_file.ReadByteList(bytes, 4));
    EXPECT_EQ(std::vector<int>(bytes, bytes + 4), (std::vector<int>{1, 2, 0, 0}));
    ASSERT_TRUE(m_file.ReadByteList(bytes, 4));
    EXPECT_EQ(std::vector<int>(bytes, bytes + 4), (std::vector<int>{1, 2, 3, 4}));
    ASSERT_TRUE(m_file.ReadByteList(bytes, 4));
    EXPECT_EQ(std::vector<int>(bytes, bytes + 4), (std::vector<int>{0, 0, 0, 0}));
    ASSERT_TRUE(m_file.ReadByteList(bytes, 4));
    EXPECT_EQ(std::vector<int>(bytes, bytes + 4), (std::vector<int>{7, 8, 0, 9}));
}

TEST_F(KLFileRead, ByteLinesZeroWhatWasNotReadWhenALineIsMissing) {
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
    char five[5][6];
    std::memset(five, '#', sizeof five);
    ASSERT_TRUE(m_file.ReadQuotedFive(five[0], 6));
    EXPECT_STREQ(five[0], "A");
    EXPECT_STREQ(five[1], "B");
    EXPECT_STREQ(five[2], "");
    EXPECT_STREQ(five[3], "");
    EXPECT_STREQ(five[4], "");
    ASSERT_TRUE(m_file.ReadQuotedFive(five[0], 6));
    EXPECT_STREQ(five[0], "1");
    EXPECT_STREQ(five[4], "5");
    ASSERT_TRUE(m_file.ReadQuotedFive(five[0], 6));
    for (const auto& field : five) {
        EXPECT_STREQ(field, "plain");
    }
    ASSERT_TRUE(m_file.ReadQuotedFive(five[0], 6));
    EXPECT_STREQ(five[0], "abcde");
    EXPECT_STREQ(five[1], "x");
}

TEST_F(KLFileRead, FailedQuotedFiveLeavesEmptyTexts) {
    Load("%INDEXEND%Z\n");
    char five[5][4];
    std::memset(five, 'x', sizeof five);
    EXPECT_FALSE(m_file.ReadQuotedFive(five[0], 4));
    for (const auto& field : five) {
        EXPECT_STREQ(field, "");
    }
    EXPECT_TRUE(m_file.SkipToSectionEnd("Z"));
}

TEST(KLFileNextQuoted, CopiesBetweenDelimitersAndMovesTheCursor) {
    const char* line = "\"Erster\",\"Zweiter\", rest";
    const char* cursor = line;
    char out[5];
    EXPECT_TRUE(CKLFile::NextQuoted(cursor, out, '"', sizeof out));
    EXPECT_STREQ(out, "Erst");
    EXPECT_EQ(cursor, line + 8);
    EXPECT_TRUE(CKLFile::NextQuoted(cursor, out, '"', sizeof out));
    EXPECT_STREQ(out, "Zwei");
    EXPECT_STREQ(cursor, ", rest");
    const char* before = cursor;
    EXPECT_FALSE(CKLFile::NextQuoted(cursor, out, '"', sizeof out));
    EXPECT_STREQ(out, ", re");
    EXPECT_EQ(cursor, before);

    const char* open = "x|only one";
    cursor = open;
    char all[32];
    EXPECT_FALSE(CKLFile::NextQuoted(cursor, all, '|', sizeof all));
    EXPECT_STREQ(all, "x|only one");
    EXPECT_EQ(cursor, open);
    cursor = open;
    EXPECT_FALSE(CKLFile::NextQuoted(cursor, all, '\0', sizeof all));
    EXPECT_STREQ(all, "x|only one");
}

// --- searching

TEST_F(KLFileRead, FindSectionStopsAtTheEndOfTheNextSectionAndRestores) {
    Load("%INDEX%C\n1\n%INDEXEND%C\n%INDEX%B\n2\n%INDEXEND%B\n");
    EXPECT_FALSE(m_file.FindSection("B"));
    ASSERT_TRUE(m_file.FindSection("C"));
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(m_file.SkipToSectionEnd("C"));
    ASSERT_TRUE(m_file.FindSection("B"));
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 2);
}

TEST_F(KLFileRead, FindSectionIsBoundedByTheEnclosingSection) {
    Load(
        "%INDEX%OUTER\n%INDEX%INNER\n1\n%INDEXEND%INNER\n%INDEXEND%OUTER\n"
        "%INDEX%LATER\n2\n%INDEXEND%LATER\n");
    ASSERT_TRUE(m_file.FindSection("OUTER"));
    // A section searched inside OUTER is not found behind OUTER's end.
    EXPECT_FALSE(m_file.FindSection("LATER"));
    // The search descends into a following section until an end line appears.
    ASSERT_TRUE(m_file.FindSection("INNER"));
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 1);
}

TEST_F(KLFileRead, FindSectionMatchesTheWholeLineOnly) {
    Load("%INDEX%CLUBS2\n%INDEX%CLUB \n%INDEX%CLUB\n5\n");
    ASSERT_TRUE(m_file.FindSection("CLUB"));
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 5);
}

TEST_F(KLFileRead, FindSectionAtTheEndOfDataFails) {
    Load("%INDEX%A\n1\n");
    EXPECT_FALSE(m_file.FindSection("B"));
    EXPECT_FALSE(m_file.FindSection("A"));
}

TEST_F(KLFileRead, SkipToSectionEndPassesNestedSectionsAndUnreadValues) {
    Load(
        "%INDEX%CLUB\n1\n%INDEX%PLAYER\n2\n%INDEXEND%PLAYER\n%INDEX%PLAYER\n%INDEXEND%PLAYER\n"
        "3\n%INDEXEND%CLUB\n44\n");
    ASSERT_TRUE(m_file.FindSection("CLUB"));
    EXPECT_TRUE(m_file.SkipToSectionEnd("CLUB"));
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 44);
    EXPECT_FALSE(m_file.SkipToSectionEnd("CLUB"));
}

TEST_F(KLFileRead, SearchesTreatCommentsAsOrdinaryLines) {
    Load(";%INDEX%A\n%INDEX%A\n;x\n9\n");
    ASSERT_TRUE(m_file.FindSection("A"));
    std::int32_t value = 0;
    EXPECT_TRUE(m_file.ReadNumber(value));
    EXPECT_EQ(value, 9);
}

// --- text safety in a round trip

TEST(KLFileRoundTrip, DifficultTextsKeepEveryOtherValueIntact) {
    std::string longText;
    for (int i = 0; i < 5000; ++i) {
        longText.push_back(static_cast<char>('A' + i % 23));
    }
    struct Tricky {
        std::string written;
        std::string expected;
    };
    const std::vector<Tricky> tricky = {
        {";looks like a comment", ";looks like a comment"},
        {"%INDEXEND%RECORD", "%INDEXEND%RECORD"},
        {"%", "%"},
        {"\\starts with a backslash", "\\starts with a backslash"},
        {"\\;", "\\;"},
        {"holds \"quotes\"", "holds \"quotes\""},
        {"two\r\nlines\nthree\rfour", "two  lines three four"},
        {longText, longText.substr(0, CKLFile::kMaxLine)},
        {";" + longText, ";" + longText.substr(0, CKLFile::kMaxLine - 2)},
        {"", ""},
        {"Gr\xFC\xDF"
         "e \x80",
         "Gr\xFC\xDF"
         "e \x80"},
    };

    kw::test::TempDir dir;
    const auto path = dir / "records.sav";
    const int records = 3 * static_cast<int>(tricky.size());
    {
        CKLFile file;
        ASSERT_TRUE(file.OpenForWrite(path));
        file.BeginSection("VERSION");
        file.WriteNumber(std::int32_t{0x20060004});
        file.EndSection("VERSION");
        for (int r = 0; r < records; ++r) {
            const Tricky& value = tricky[static_cast<std::size_t>(r) % tricky.size()];
            char names[5][30] = {};
            std::snprintf(names[0], sizeof names[0], "Name%d", r);
            std::snprintf(names[1], sizeof names[1], "%s", value.written.c_str());
            std::snprintf(names[4], sizeof names[4], "Last%d", r);
            const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(r), 0, 255};
            file.BeginSection("RECORD");
            file.WriteNumber(std::int32_t{r * 1000});
            file.WriteText(value.written);
            file.WriteQuotedList(names[0], 5, sizeof names[0]);
            file.WriteText(value.written.c_str());
            file.BeginSection("INNER");
            file.WriteByteList(bytes, 3);
            file.EndSection("INNER");
            file.WriteNumber(static_cast<std::int16_t>(-r));
            file.EndSection("RECORD");
        }
        ASSERT_TRUE(file.Close());
    }

    CKLFile file;
    ASSERT_TRUE(file.OpenForRead(path));
    std::int32_t version = 0;
    ASSERT_TRUE(file.FindSection("VERSION"));
    EXPECT_TRUE(file.ReadNumber(version));
    EXPECT_EQ(version, 0x20060004);
    EXPECT_TRUE(file.SkipToSectionEnd("VERSION"));
    for (int r = 0; r < records; ++r) {
        SCOPED_TRACE(r);
        const Tricky& value = tricky[static_cast<std::size_t>(r) % tricky.size()];
        ASSERT_TRUE(file.FindSection("RECORD"));
        std::int32_t number = 0;
        std::string text;
        char names[5][30];
        char fixed[2000];
        std::uint8_t bytes[3] = {};
        std::int16_t last = 1;
        EXPECT_TRUE(file.ReadNumber(number));
        EXPECT_EQ(number, r * 1000);
        EXPECT_TRUE(file.ReadLine(text));
        EXPECT_EQ(text, value.expected);
        EXPECT_TRUE(file.ReadQuotedFive(names[0], sizeof names[0]));
        EXPECT_EQ(std::string(names[0]), "Name" + std::to_string(r));
        EXPECT_EQ(std::string(names[4]), "Last" + std::to_string(r));
        EXPECT_EQ(std::string(names[1]).find_first_of("\"\r\n"), std::string::npos);
        EXPECT_TRUE(file.ReadText(fixed, sizeof fixed));
        EXPECT_EQ(std::string(fixed), value.expected);
        ASSERT_TRUE(file.FindSection("INNER"));
        EXPECT_TRUE(file.ReadByteList(bytes, 3));
        EXPECT_EQ(bytes[0], static_cast<std::uint8_t>(r));
        EXPECT_EQ(bytes[2], 255);
        EXPECT_TRUE(file.SkipToSectionEnd("INNER"));
        EXPECT_TRUE(file.ReadNumber(last));
        EXPECT_EQ(last, -r);
        EXPECT_TRUE(file.SkipToSectionEnd("RECORD"));
    }
    EXPECT_FALSE(file.FindSection("RECORD"));
}

}  // namespace
