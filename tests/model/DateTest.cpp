#include <gtest/gtest.h>

#include <cstdio>

#include "model/Date.h"
#include "storage/KLFile.h"

namespace kw {
namespace {

CDate ReadDate(const std::string& lines, bool history = false) {
    CKLFile file;
    EXPECT_TRUE(file.OpenForReadFromMemory(lines));
    return history ? CDate::ReadHistory(file) : CDate::Read(file);
}

TEST(Date, JulianDayAndWeekday) {
    const CDate newYear = CDate::FromYmd(2000, 1, 1);
    EXPECT_EQ(newYear.Value(), 2451545);
    EXPECT_EQ(newYear.Weekday(), 5);  // Saturday
    EXPECT_EQ(newYear.Text(), "Sa 1/1");
    EXPECT_EQ(CDate::FromYmd(2006, 6, 9).Text(), "Fr 9/6");
    // Days before the calendar's origin (a history date with a bogus year) still name a weekday.
    const CDate ancient = CDate::FromYmd(-9000, 1, 1);
    EXPECT_LT(ancient.Value(), 0);
    EXPECT_GE(ancient.Weekday(), 0);
    EXPECT_LE(ancient.Weekday(), 6);
    EXPECT_EQ(CDate(ancient.Value() + 7).Weekday(), ancient.Weekday());
}

TEST(Date, SplitInvertsFromYmdAcrossLeapYearsAndCenturies) {
    for (int year : {1700, 1899, 1900, 1999, 2000, 2004, 2100}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day : {1, 15, 28}) {
                const CDate::Ymd split = CDate::FromYmd(year, month, day).Split();
                EXPECT_EQ(split.year, year);
                EXPECT_EQ(split.month, month);
                EXPECT_EQ(split.day, day);
            }
        }
    }
    EXPECT_EQ(CDate::FromYmd(2000, 3, 1).Value() - CDate::FromYmd(2000, 2, 28).Value(), 2);
    EXPECT_EQ(CDate::FromYmd(1900, 3, 1).Value() - CDate::FromYmd(1900, 2, 28).Value(), 1);
}

// The fast digits and printf's "%04d-%02d-%02d" agree on every kind of year, also the ones a
// damaged file can bring: before year 1000, before year 0 and after 9999.
TEST(Date, IsoTextIsPrintfsText) {
    EXPECT_EQ(CDate().IsoText(), "");
    for (const CDate date : {CDate::FromYmd(2006, 7, 9), CDate::FromYmd(1999, 12, 31),
                             CDate::FromYmd(812, 1, 5), CDate(1), CDate(-400000), CDate(4000000)}) {
        const CDate::Ymd ymd = date.Split();
        char expected[40];
        std::snprintf(expected, sizeof expected, "%04d-%02d-%02d", ymd.year, ymd.month, ymd.day);
        EXPECT_EQ(date.IsoText(), expected) << date.Value();
    }
}

TEST(Date, SectionRoundTrip) {
    CKLFile file;
    const CDate date = CDate::FromYmd(1978, 11, 23);
    std::string written;
    {
        const std::string path = ::testing::TempDir() + "/date.sav";
        ASSERT_TRUE(file.OpenForWrite(path));
        ASSERT_TRUE(date.Write(file));
        ASSERT_TRUE(CDate().Write(file));
        ASSERT_TRUE(file.Close());
        ASSERT_TRUE(file.OpenForRead(path));
    }
    EXPECT_EQ(CDate::Read(file), date);
    EXPECT_EQ(CDate::Read(file), CDate());
}

TEST(Date, ReaderClampsOutOfRangeValuesTheHistoryReaderNot) {
    auto read = [](const char* day, const char* month, const char* year) {
        return ReadDate(std::string("%INDEX%DATE\n") + day + "\n" + month + "\n" + year +
                        "\n%INDEXEND%DATE\n")
            .Split();
    };
    EXPECT_EQ(read("5", "6", "85").year, 1985);
    EXPECT_EQ(read("5", "13", "1990").month, 1);
    EXPECT_EQ(read("32", "2", "1990").day, 1);
    EXPECT_EQ(read("3", "2", "1650").year, 2000);
    EXPECT_EQ(read("3", "2", "2101").year, 2000);
    // The history reader takes the values as they are.
    const CDate::Ymd date = ReadDate("%INDEX%DATE\n12\n3\n85\n%INDEXEND%DATE\n", true).Split();
    EXPECT_EQ(date.year, 85);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 12);
}

TEST(Date, MissingLinesAndSectionsKeepDefaultsAndLaterValuesReadOn) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(
        "%INDEX%REC\n%INDEX%DATE\n7\n%INDEXEND%DATE\n42\n%INDEXEND%REC\n"));
    ASSERT_TRUE(file.FindSection("REC"));
    const CDate::Ymd cut = CDate::Read(file).Split();
    EXPECT_EQ(cut.day, 7);
    EXPECT_EQ(cut.month, 1);
    EXPECT_EQ(cut.year, 2000);
    // The section is gone now: the clamping reader gives its default, the history reader no
    // date, and neither consumes the value after it.
    EXPECT_EQ(CDate::Read(file), CDate::FromYmd(2000, 1, 1));
    EXPECT_EQ(CDate::ReadHistory(file), CDate());
    std::int32_t value = 0;
    EXPECT_TRUE(file.ReadNumber(value));
    EXPECT_EQ(value, 42);
}

}  // namespace
}  // namespace kw
