#include "storage/ListExport.h"
#include "storage/ListPrintLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "TempDir.h"
#include "platform/AtomicFileBatch.h"
#include "platform/FileFaults.h"
#include "storage/ListTable.h"

namespace {

using kw::EColumnAlignment;
using kw::EListPrintFault;
using kw::SListPrintLayout;
using kw::SListTable;
using kw::SPrintBox;

// Every character is 10 units wide; every line 40 units high.
class FixedPitchMetrics : public kw::IPrintTextMetrics {
public:
    int TextWidth(std::string_view text) const override {
        return 10 * static_cast<int>(text.size());
    }
    int TextHeight(std::string_view text) const override {
        m_heightSample = std::string(text);
        return m_lineHeight;
    }
    void SetLineHeight(int height) { m_lineHeight = height; }
    const std::string& HeightSample() const { return m_heightSample; }

private:
    int m_lineHeight = 40;
    mutable std::string m_heightSample;
};

// The rule as stated: take one unit off the widest column, the first of equals, until it fits.
std::vector<int> NarrowOneUnitAtATime(std::vector<int> widths, std::int64_t available) {
    while (std::accumulate(widths.begin(), widths.end(), std::int64_t{0}) > available) {
        --*std::max_element(widths.begin(), widths.end());
    }
    return widths;
}

std::vector<int> Narrowed(std::vector<int> widths, std::int64_t available) {
    kw::NarrowColumnsToFit(widths, available);
    return widths;
}

TEST(NarrowColumnsToFitTest, TakesUnitsOffTheWidestFirstAmongEqualsOneAtATime) {
    EXPECT_EQ(Narrowed({50, 80, 80, 30}, 200), (std::vector<int>{50, 60, 60, 30}));
    // One unit more than whole rounds: the first of the two widest gives it.
    EXPECT_EQ(Narrowed({50, 80, 80, 30}, 199), (std::vector<int>{50, 59, 60, 30}));
    // The widest comes down to the next one, then both go down together.
    EXPECT_EQ(std::tuple(Narrowed({100, 10, 90}, 150), Narrowed({100, 10, 90}, 37),
                         Narrowed({30, 40}, 70), Narrowed({30, 40}, 500)),
              std::tuple((std::vector<int>{70, 10, 70}), (std::vector<int>{13, 10, 14}),
                         (std::vector<int>{30, 40}), (std::vector<int>{30, 40})));
    EXPECT_EQ(std::tuple(Narrowed({30, 40}, 0), Narrowed({30, 40}, -5), Narrowed({}, 10)),
              std::tuple((std::vector<int>{0, 0}), (std::vector<int>{0, 0}), std::vector<int>{}));
    // On random widths it agrees with single unit steps.
    std::mt19937 random(20060004);
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<int> widths(std::uniform_int_distribution<int>(1, 8)(random));
        for (int& width : widths) {
            width = std::uniform_int_distribution<int>(0, 60)(random);
        }
        const int sum = std::accumulate(widths.begin(), widths.end(), 0);
        const int available = std::uniform_int_distribution<int>(0, sum + 5)(random);
        ASSERT_EQ(Narrowed(widths, available), NarrowOneUnitAtATime(widths, available))
            << "trial " << trial << ", available " << available;
    }
}

// An A4-like sheet: 4000 x 5000 units at 500 x 400 dots per inch, margins 0.75 and 1 inch give
// 375 and 400 units, a column gap of 50, a line step of 40 + 2 and a faux-bold offset of 2.
class ListPrintLayoutTest : public ::testing::Test {
protected:
    kw::SListPrintLayoutResult LayOut(const SListTable& table) const {
        return kw::LayOutListPrint(table, m_settings, m_device, m_metrics);
    }
    static SListTable Rows(int count, std::vector<kw::STableColumn> columns) {
        SListTable table;
        table.columns = std::move(columns);
        for (int row = 0; row < count; ++row) {
            table.rows.push_back(std::vector<std::string>(table.columns.size(), "abc"));
        }
        return table;
    }

    kw::SListPrintSettings m_settings{"Doppelte Spieler", 70, "Arial", 0.75, 1.0};
    kw::SPrintDevice m_device{4000, 5000, 500, 400};
    FixedPitchMetrics m_metrics;
};

void ExpectBox(const SPrintBox& box, int left, int top, int width, int height) {
    EXPECT_EQ(std::tuple(box.left, box.top, box.width, box.height),
              std::tuple(left, top, width, height));
}

TEST_F(ListPrintLayoutTest, ColumnsTakeTheirWidestHeadingOrCellAndStartAfterAGap) {
    SListTable table;
    table.columns = {{"Name", EColumnAlignment::Left},
                     {"Geburtstag", EColumnAlignment::Right},
                     {"Pos", EColumnAlignment::Centre}};
    table.rows = {{"Meier, Hans", "01.02.1980", "TW"}, {"Ei", "1980", "ABWEHR"}};
    const auto result = LayOut(table);
    ASSERT_EQ(result.fault, EListPrintFault::None);
    const SListPrintLayout& layout = result.layout;
    ASSERT_EQ(layout.columns.size(), 3u);
    EXPECT_EQ(layout.columns[0].left, 375);
    EXPECT_EQ(layout.columns[0].width, 110);  // "Meier, Hans"
    EXPECT_EQ(layout.columns[1].left, 375 + 110 + 50);
    EXPECT_EQ(layout.columns[1].width, 100);  // heading and cell alike
    EXPECT_EQ(layout.columns[2].left, 535 + 100 + 50);
    EXPECT_EQ(layout.columns[2].width, 60);  // "ABWEHR"
    EXPECT_EQ(std::tuple(layout.columns[1].alignment, layout.columns[2].alignment,
                         m_metrics.HeightSample()),
              std::tuple(EColumnAlignment::Right, EColumnAlignment::Centre, "qIP\xC4g"));
}

// 1000 units of text and 100 of gaps on 3250 units between the margins: the widest column
// gives up 450 units, and the last one ends exactly at the right margin. Without the gaps the
// sum alone would have fitted 100 units too wide.
TEST_F(ListPrintLayoutTest, WideColumnsAreNarrowedSoThatGapsAndAllFitBetweenTheMargins) {
    SListTable table;
    table.columns = {{"A"}, {"B"}, {"C"}};
    table.rows = {{std::string(200, 'x'), std::string(150, 'y'), std::string(10, 'z')}};
    const auto result = LayOut(table);
    ASSERT_EQ(result.fault, EListPrintFault::None);
    const auto& columns = result.layout.columns;
    EXPECT_EQ(std::tuple(columns[0].width, columns[1].width, columns[2].width,
                         columns[2].left + columns[2].width),
              std::tuple(1550, 1500, 100, 4000 - 375));

    // Ever wider cells never push the last column past the margin.
    for (const int length : {330, 400, 1000, 1023, 3000}) {
        table.rows.push_back(
            {std::string(10, 'x'), std::string(10, 'y'), std::string(length, 'z')});
        const auto wider = LayOut(table);
        ASSERT_EQ(wider.fault, EListPrintFault::None);
        const auto& last = wider.layout.columns.back();
        EXPECT_LE(last.left + last.width, 4000 - 375) << length;
    }
}

// 4200 units between the vertical margins hold 100 lines of 42: the page number and the
// headings take two, 98 rows remain.
TEST_F(ListPrintLayoutTest, RowsPerPageLeaveTheFirstTwoLinesToPageNumberAndHeadings) {
    const auto result = LayOut(Rows(200, {{"Name"}, {"Verein"}}));
    ASSERT_EQ(result.fault, EListPrintFault::None);
    const SListPrintLayout& layout = result.layout;
    EXPECT_EQ(std::tuple(layout.lineHeight, layout.lineStep, layout.rowsPerPage, layout.pageCount,
                         layout.FirstRowOfPage(2), layout.RowsOnPage(0)),
              std::tuple(40, 42, 98, 3, 196, 98));
    EXPECT_EQ(std::tuple(layout.RowsOnPage(1), layout.RowsOnPage(2), layout.RowsOnPage(3),
                         layout.PageNumberText(0), layout.PageNumberText(2)),
              std::tuple(98, 4, 0, "1 / 3", "3 / 3"));

    ExpectBox(layout.titleLine, 375, 400, 4000 - 750, 40);
    const auto strokes = layout.HeadingBoxes(1);
    ExpectBox(strokes[0], 375 + 40 + 50 - 2, 442, 60, 40);
    ExpectBox(strokes[1], 375 + 40 + 50, 442, 60, 40);
    ExpectBox(strokes[2], 375 + 40 + 50 + 2, 442, 60, 40);
    ExpectBox(layout.CellBox(0, 0), 375, 484, 40, 40);
    // The last row of a full page ends above the bottom margin.
    const SPrintBox last = layout.CellBox(97, 1);
    ExpectBox(last, 465, 400 + 99 * 42, 60, 40);
    EXPECT_LE(last.top + last.height, 5000 - 400);

    EXPECT_EQ(std::tuple(LayOut(Rows(196, {{"Name"}})).layout.pageCount,
                         LayOut(Rows(197, {{"Name"}})).layout.pageCount,
                         LayOut(Rows(1, {{"Name"}})).layout.pageCount),
              std::tuple(2, 3, 1));
}

// Negative or undefined margins count as none; three lines give one row per page, fewer fail
// cleanly, as do empty lists and sheets without width.
TEST_F(ListPrintLayoutTest, MarginsAndPagesThatLeaveNoRoomFailCleanly) {
    m_settings.horizontalMargin = -1.0;
    m_settings.verticalMargin = std::numeric_limits<double>::quiet_NaN();
    const auto result = LayOut(Rows(3, {{"A"}}));
    ASSERT_EQ(result.fault, EListPrintFault::None);
    ExpectBox(result.layout.titleLine, 0, 0, 4000, 40);
    EXPECT_EQ(result.layout.rowsPerPage, 5000 / 42 - 2);

    m_settings.verticalMargin = 0.0;
    m_device.pageHeight = 3 * 42;
    const auto one = LayOut(Rows(5, {{"Name"}}));
    ASSERT_EQ(one.fault, EListPrintFault::None);
    EXPECT_EQ(one.layout.rowsPerPage, 1);
    EXPECT_EQ(one.layout.pageCount, 5);

    m_device.pageHeight = 3 * 42 - 1;
    EXPECT_EQ(LayOut(Rows(5, {{"Name"}})).fault, EListPrintFault::PageTooShort);

    // A font as high as the page, and margins that meet in the middle.
    m_device.pageHeight = 5000;
    m_metrics.SetLineHeight(5000);
    EXPECT_EQ(LayOut(Rows(5, {{"Name"}})).fault, EListPrintFault::PageTooShort);
    m_metrics.SetLineHeight(40);
    m_settings.verticalMargin = 6.25;
    EXPECT_EQ(LayOut(Rows(5, {{"Name"}})).fault, EListPrintFault::PageTooShort);
    m_settings.verticalMargin = 1e300;
    EXPECT_EQ(LayOut(Rows(5, {{"Name"}})).fault, EListPrintFault::PageTooShort);
    m_settings.verticalMargin = 1.0;
    EXPECT_EQ(LayOut(Rows(0, {{"Name"}})).fault, EListPrintFault::EmptyList);
    SListTable noColumns;
    noColumns.rows = {{"a"}};
    EXPECT_EQ(LayOut(noColumns).fault, EListPrintFault::EmptyList);

    // Three columns need one unit each beside their two gaps of 50: margins of 1948 units leave
    // 4, margins of 1949 leave 2.
    m_settings.horizontalMargin = 1948.5 / 500;
    EXPECT_EQ(LayOut(Rows(1, {{"A"}, {"B"}, {"C"}})).fault, EListPrintFault::None);
    m_settings.horizontalMargin = 1949.5 / 500;
    EXPECT_EQ(LayOut(Rows(1, {{"A"}, {"B"}, {"C"}})).fault, EListPrintFault::PageTooNarrow);
    m_settings.horizontalMargin = 4.0;
    EXPECT_EQ(LayOut(Rows(1, {{"A"}})).fault, EListPrintFault::PageTooNarrow);

    m_settings.horizontalMargin = 0.75;
    for (const kw::SPrintDevice device :
         {kw::SPrintDevice{0, 0, 0, 0}, kw::SPrintDevice{-10, 5000, 500, 400}}) {
        m_device = device;
        EXPECT_NE(LayOut(Rows(3, {{"A"}})).fault, EListPrintFault::None);
    }
}

// Headings count up to 255 characters, cells up to 1023, both only up to a zero byte.
TEST_F(ListPrintLayoutTest, PrintedTextsAreCutLikeTheBuffersTheyWereReadIntoAndRowsFilled) {
    EXPECT_EQ(std::tuple(kw::PrintedHeading(std::string(300, 'h')),
                         kw::PrintedCell(std::string(2000, 'c')),
                         kw::PrintedCell(std::string("ab\0cd", 5)), kw::PrintedHeading("Verein")),
              std::tuple(std::string(255, 'h'), std::string(1023, 'c'), "ab", "Verein"));

    m_device.pageWidth = 100000;
    SListTable table;
    table.columns = {{std::string(300, 'h')}, {"B"}};
    table.rows = {{"x", std::string(2000, 'c')}};
    const auto result = LayOut(table);
    ASSERT_EQ(result.fault, EListPrintFault::None);
    EXPECT_EQ(result.layout.columns[0].width, 2550);
    EXPECT_EQ(result.layout.columns[1].width, 10230);
    // Short rows read as empty cells, and extra cells do not count.
    table.columns = {{"A"}, {"B"}};
    table.rows = {{"a1"}, {"b1", "b2", "b3"}};
    EXPECT_EQ(std::tuple(table.Cell(0, 0), table.Cell(0, 1), table.Cell(1, 1), table.Cell(1, 2),
                         table.Cell(2, 0), table.Cell(-1, 0)),
              std::tuple("a1", "", "b2", "", "", ""));
    EXPECT_FALSE(table.IsEmpty());

    const kw::CListTableSource source(table);
    EXPECT_EQ(std::tuple(source.ColumnCount(), source.RowCount(), source.CellText(0, 1),
                         source.CellText(1, 0)),
              std::tuple(2, 2, "", "b1"));
}

using kw::EListExportFormat;

// A list of `columns` columns without headings.
kw::SListTable Table(std::size_t columns, std::vector<std::vector<std::string>> rows) {
    return {std::vector<kw::STableColumn>(columns), std::move(rows)};
}

class ListExportTest : public ::testing::Test {
protected:
    std::string Export(const kw::SListTable& list, std::string_view title,
                       EListExportFormat format) {
        const auto path = m_dir / "list.txt";
        EXPECT_TRUE(kw::ExportList(kw::CListTableSource(list), title, format, path));
        return kw::test::ReadFile(path);
    }
    kw::test::TempDir m_dir;
};

TEST_F(ListExportTest, TabSeparatedWritesTitleThenRowsAndSpacesPadEveryCell) {
    const kw::SListTable list = Table(3, {{"Meier", "12", "FC"}, {"", "x", ""}});
    EXPECT_EQ(Export(list, "Doppelte Spieler", EListExportFormat::TabSeparated),
              "Doppelte Spieler\r\nMeier\t12\tFC\r\n\tx\t\r\n");
    EXPECT_EQ(Export(Table(1, {{"a"}}), "", EListExportFormat::TabSeparated), "\r\na\r\n");
    EXPECT_EQ(Export(Table(2, {}), "T", EListExportFormat::TabSeparated), "T\r\n");
    // Every cell is padded to the longest of its column plus one; widths count at most 1022
    // characters while cells are cut at 1023, so a cell that long gets no padding at all.
    const kw::SListTable padded = Table(2, {{"abcde", "x"}, {"ab", "yyy"}, {"", ""}});
    EXPECT_EQ(Export(padded, "Titel", EListExportFormat::SpaceFormatted),
              "Titel\r\nabcde x   \r\nab    yyy \r\n          \r\n");
    const kw::SListTable longCell = Table(2, {{std::string(1500, 'w'), "z"}});
    EXPECT_EQ(Export(longCell, "", EListExportFormat::TabSeparated),
              "\r\n" + std::string(1023, 'w') + "\tz\r\n");
    EXPECT_EQ(Export(longCell, "", EListExportFormat::SpaceFormatted),
              "\r\n" + std::string(1023, 'w') + "z \r\n");
}

// Markup characters are escaped; 0x80..0x9F, which the declared ISO-8859-1 lacks, become
// references to their Windows-1252 meaning; Latin-1 bytes stay as they are.
TEST_F(ListExportTest, XmlHasDeclarationTitleRowsAndEscapedColumns) {
    const kw::SListTable xml =
        Table(2, {{"Rot & Wei\xDF <A>", "\x80 \x81\x8D\x8F\x90\x9D \x9F\xA0\xFF"}, {"c", ""}});
    EXPECT_EQ(Export(xml, "a<b>&c\x96", EListExportFormat::Xml),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
              "<list>\r\n"
              "\t<title>a&lt;b&gt;&amp;c&#8211;</title>\r\n"
              "\t<row>\r\n"
              "\t\t<col>Rot &amp; Wei\xDF &lt;A&gt;</col>\r\n"
              "\t\t<col>&#8364; &#129;&#141;&#143;&#144;&#157; &#376;\xA0\xFF</col>\r\n"
              "\t</row>\r\n"
              "\t<row>\r\n\t\t<col>c</col>\r\n\t\t<col></col>\r\n\t</row>\r\n"
              "\t</list>\r\n");
    // An export replaces an existing file and fails when it cannot write.
    const auto path = m_dir / "out.txt";
    kw::test::WriteFile(path, "old");
    const kw::SListTable table = Table(1, {{"new"}});
    const kw::CListTableSource list(table);
    ASSERT_TRUE(kw::ExportList(list, "T", EListExportFormat::TabSeparated, path));
    EXPECT_EQ(kw::test::ReadFile(path), "T\r\nnew\r\n");

    EXPECT_FALSE(kw::ExportList(list, "T", EListExportFormat::Xml, m_dir / "missing" / "out.xml"));

    kw::CFileFaults faults(kw::FailWritesTo(path));
    {
        kw::CAtomicFileBatch batch(m_dir.Path(), {.faults = &faults});
        EXPECT_FALSE(kw::ExportList(list, "X", EListExportFormat::Xml, path));
    }
    EXPECT_EQ(faults.Failures(), 1u);
    EXPECT_EQ(kw::test::ReadFile(path), "T\r\nnew\r\n");
}

}  // namespace
