#include "storage/ListExport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "platform/AtomicFileBatch.h"
#include "platform/FileFaults.h"
#include "storage/ListTable.h"

namespace {

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

TEST_F(ListExportTest, TabSeparatedWritesTitleThenRows) {
    const kw::SListTable list = Table(3, {{"Meier", "12", "FC"}, {"", "x", ""}});
    EXPECT_EQ(Export(list, "Doppelte Spieler", EListExportFormat::TabSeparated),
              "Doppelte Spieler\r\nMeier\t12\tFC\r\n\tx\t\r\n");
    EXPECT_EQ(Export(Table(1, {{"a"}}), "", EListExportFormat::TabSeparated), "\r\na\r\n");
    EXPECT_EQ(Export(Table(2, {}), "T", EListExportFormat::TabSeparated), "T\r\n");
}

// Every cell is padded to the longest of its column plus one; widths count at most 1022
// characters while cells are cut at 1023, so a cell that long gets no padding at all.
TEST_F(ListExportTest, SpaceFormatPadsEveryCellToTheLongestPlusOne) {
    const kw::SListTable list = Table(2, {{"abcde", "x"}, {"ab", "yyy"}, {"", ""}});
    EXPECT_EQ(Export(list, "Titel", EListExportFormat::SpaceFormatted),
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
    const kw::SListTable list =
        Table(2, {{"Rot & Wei\xDF <A>", "\x80 \x81\x8D\x8F\x90\x9D \x9F\xA0\xFF"}, {"c", ""}});
    EXPECT_EQ(Export(list, "a<b>&c\x96", EListExportFormat::Xml),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
              "<list>\r\n"
              "\t<title>a&lt;b&gt;&amp;c&#8211;</title>\r\n"
              "\t<row>\r\n"
              "\t\t<col>Rot &amp; Wei\xDF &lt;A&gt;</col>\r\n"
              "\t\t<col>&#8364; &#129;&#141;&#143;&#144;&#157; &#376;\xA0\xFF</col>\r\n"
              "\t</row>\r\n"
              "\t<row>\r\n\t\t<col>c</col>\r\n\t\t<col></col>\r\n\t</row>\r\n"
              "\t</list>\r\n");
}

TEST_F(ListExportTest, ReplacesAnExistingFileAndFailsWhenItCannotWrite) {
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
