#include "storage/ListExport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "platform/AtomicFile.h"

namespace {

using kw::EListExportFormat;

class TableSource : public kw::IListSource {
public:
    TableSource(int columns, std::vector<std::vector<std::string>> rows)
        : m_columns(columns), m_rows(std::move(rows)) {}
    int ColumnCount() const override { return m_columns; }
    int RowCount() const override { return static_cast<int>(m_rows.size()); }
    std::string CellText(int row, int column) const override {
        return m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }

private:
    int m_columns;
    std::vector<std::vector<std::string>> m_rows;
};

class ListExportTest : public ::testing::Test {
protected:
    std::string Export(const kw::IListSource& list, std::string_view title,
                       EListExportFormat format) {
        const auto path = m_dir / "list.txt";
        EXPECT_TRUE(kw::ExportList(list, title, format, path));
        return kw::test::ReadFile(path);
    }
    kw::test::TempDir m_dir;
};

TEST_F(ListExportTest, TabSeparatedWritesTitleThenRows) {
    const TableSource list(3, {{"Meier", "12", "FC"}, {"", "x", ""}});
    EXPECT_EQ(Export(list, "Doppelte Spieler in der Datenbank", EListExportFormat::TabSeparated),
              "Doppelte Spieler in der Datenbank\r\nMeier\t12\tFC\r\n\tx\t\r\n");
}

TEST_F(ListExportTest, AbsentTitleWritesAnEmptyFirstLine) {
    const TableSource list(1, {{"a"}});
    EXPECT_EQ(Export(list, "", EListExportFormat::TabSeparated), "\r\na\r\n");
    EXPECT_EQ(Export(TableSource(2, {}), "T", EListExportFormat::TabSeparated), "T\r\n");
}

TEST_F(ListExportTest, SpaceFormatPadsEveryCellToTheLongestPlusOne) {
    const TableSource list(2, {{"abcde", "x"}, {"ab", "yyy"}, {"", ""}});
    const std::string expected =
        "Titel\r\n"
        "abcde x   \r\n"
        "ab    yyy \r\n"
        "          \r\n";
    EXPECT_EQ(Export(list, "Titel", EListExportFormat::SpaceFormatted), expected);
}

TEST_F(ListExportTest, CellTextsAreCutAt1023Characters) {
    const std::string longCell(1500, 'w');
    const TableSource list(2, {{longCell, "z"}});
    const std::string tab = Export(list, "", EListExportFormat::TabSeparated);
    EXPECT_EQ(tab, "\r\n" + std::string(1023, 'w') + "\tz\r\n");
    const std::string space = Export(list, "", EListExportFormat::SpaceFormatted);
    EXPECT_EQ(space, "\r\n" + std::string(1023, 'w') + "z \r\n");
}

TEST_F(ListExportTest, XmlHasDeclarationTitleRowsAndColumns) {
    const TableSource list(2, {{"a", "b"}, {"c", ""}});
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
        "<list>\r\n"
        "\t<title>Liste</title>\r\n"
        "\t<row>\r\n\t\t<col>a</col>\r\n\t\t<col>b</col>\r\n\t</row>\r\n"
        "\t<row>\r\n\t\t<col>c</col>\r\n\t\t<col></col>\r\n\t</row>\r\n"
        "\t</list>\r\n";
    EXPECT_EQ(Export(list, "Liste", EListExportFormat::Xml), expected);
}

TEST_F(ListExportTest, XmlEscapesMarkupCharacters) {
    const TableSource list(1, {{"Rot & Wei\xDF <A>"}});
    const std::string xml = Export(list, "a<b>&c", EListExportFormat::Xml);
    EXPECT_NE(xml.find("\t<title>a&lt;b&gt;&amp;c</title>\r\n"), std::string::npos);
    EXPECT_NE(xml.find("\t\t<col>Rot &amp; Wei\xDF &lt;A&gt;</col>\r\n"), std::string::npos);
}

TEST_F(ListExportTest, XmlWritesWindowsOnlyCharactersAsReferences) {
    const TableSource list(1, {{"\x80 \x81\x8D\x8F\x90\x9D \x9F\xA0\xFF"}});
    const std::string xml = Export(list, "\x96", EListExportFormat::Xml);
    EXPECT_NE(xml.find("<title>&#8211;</title>"), std::string::npos);
    EXPECT_NE(xml.find("<col>&#8364; &#129;&#141;&#143;&#144;&#157; &#376;\xA0\xFF</col>"),
              std::string::npos);
}

TEST_F(ListExportTest, ReplacesAnExistingFileAndFailsWhenItCannotWrite) {
    const auto path = m_dir / "out.txt";
    kw::test::WriteFile(path, "old");
    const TableSource list(1, {{"new"}});
    ASSERT_TRUE(kw::ExportList(list, "T", EListExportFormat::TabSeparated, path));
    EXPECT_EQ(kw::test::ReadFile(path), "T\r\nnew\r\n");

    EXPECT_FALSE(kw::ExportList(list, "T", EListExportFormat::Xml, m_dir / "missing" / "out.xml"));

    kw::SetWriteFaultForTesting([&](const std::filesystem::path& p) { return p == path; });
    const bool written = kw::ExportList(list, "X", EListExportFormat::Xml, path);
    kw::SetWriteFaultForTesting({});
    EXPECT_FALSE(written);
    EXPECT_EQ(kw::test::ReadFile(path), "T\r\nnew\r\n");
}

}  // namespace
