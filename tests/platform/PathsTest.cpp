#include <gtest/gtest.h>

#include "TempDir.h"
#include "platform/Paths.h"

namespace {

namespace fs = std::filesystem;
using kw::FindExisting;
using kw::PathForWriting;
using kw::test::TempDir;
using kw::test::WriteFile;

class Paths : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(m_base / "Database" / "Country5.sav", "5");
        WriteFile(m_base / "Database" / "badges" / "München.tga", "b");
        WriteFile(m_base / "Twins" / "Rules.sav", "upper");
        WriteFile(m_base / "Twins" / "rules.sav", "lower");
    }

    const fs::path& Base() const { return m_base.Path(); }

private:
    TempDir m_base;
};

TEST_F(Paths, FindsWindowsSpellingsIgnoringCase) {
    const fs::path expected = Base() / "Database" / "Country5.sav";
    EXPECT_EQ(FindExisting(Base(), "database\\COUNTRY5.SAV"), expected);
    EXPECT_EQ(FindExisting(Base(), "Database/Country5.sav"), expected);
    EXPECT_EQ(FindExisting(Base(), ".\\DataBase\\\\.//country5.Sav"), expected);
    EXPECT_EQ(FindExisting(Base(), "DATABASE"), Base() / "Database");
    EXPECT_EQ(FindExisting(Base(), ""), Base());
}

TEST_F(Paths, FoldsTheCaseOfUmlautsAndReadsStrayWindowsBytes) {
    const fs::path expected = Base() / "Database" / "badges" / "München.tga";
    EXPECT_EQ(FindExisting(Base(), "database/BADGES/MÜNCHEN.TGA"), expected);
    EXPECT_EQ(FindExisting(Base(), "database/badges/M\xFCnchen.tga"), expected);
    EXPECT_EQ(FindExisting(Base(), "database/badges/Munchen.tga"), std::nullopt);
}

TEST_F(Paths, ExactSpellingWinsOverOtherCases) {
    EXPECT_EQ(FindExisting(Base(), "twins/rules.sav"), Base() / "Twins" / "rules.sav");
    EXPECT_EQ(FindExisting(Base(), "twins/Rules.sav"), Base() / "Twins" / "Rules.sav");
    // Neither spelling is exact: the choice must not depend on the folder's listing order.
    EXPECT_EQ(FindExisting(Base(), "twins/RULES.SAV"), Base() / "Twins" / "Rules.sav");
}

TEST_F(Paths, MissingComponentsFindNothing) {
    EXPECT_EQ(FindExisting(Base(), "Database/Country6.sav"), std::nullopt);
    EXPECT_EQ(FindExisting(Base(), "Missing/Country5.sav"), std::nullopt);
    EXPECT_EQ(FindExisting(Base(), "Database/Country5.sav/more"), std::nullopt);
    EXPECT_EQ(FindExisting(Base() / "nowhere", ""), std::nullopt);
    EXPECT_EQ(FindExisting(Base(), "Database/Country5"), std::nullopt);
}

TEST_F(Paths, WritingKeepsTheSpellingOnDiskAndTheGivenOneBeyond) {
    EXPECT_EQ(PathForWriting(Base(), "DATABASE\\country5.sav"),
              Base() / "Database" / "Country5.sav");
    EXPECT_EQ(PathForWriting(Base(), "database/Country6.sav"),
              Base() / "Database" / "Country6.sav");
    // Once a folder is missing, nothing below it is looked up any more.
    EXPECT_EQ(PathForWriting(Base(), "database\\New\\database\\FILE.txt"),
              Base() / "Database" / "New" / "database" / "FILE.txt");
    EXPECT_EQ(PathForWriting(Base(), ""), Base());
}

TEST_F(Paths, LongPathIsAbsoluteAndLexical) {
    EXPECT_EQ(kw::LongPath("a/./b/../c/"), fs::current_path() / "a" / "c");
    EXPECT_EQ(kw::LongPath(Base() / "Database" / ""), Base() / "Database");
    EXPECT_EQ(kw::LongPath("/"), fs::path("/"));
    const fs::path link = Base() / "Link";
    fs::create_directory_symlink(Base() / "Database", link);
    EXPECT_EQ(kw::LongPath(link / "."), link);  // not the link's target
}

TEST_F(Paths, RemovesTreesFilesAndDanglingLinks) {
    EXPECT_TRUE(kw::RemoveRecursively(Base() / "Database"));
    EXPECT_FALSE(fs::exists(Base() / "Database"));
    EXPECT_TRUE(kw::RemoveRecursively(Base() / "Twins" / "rules.sav"));
    EXPECT_TRUE(fs::exists(Base() / "Twins" / "Rules.sav"));
    fs::create_symlink(Base() / "gone", Base() / "dangling");
    EXPECT_TRUE(kw::RemoveRecursively(Base() / "dangling"));
    EXPECT_FALSE(fs::is_symlink(Base() / "dangling"));
    EXPECT_TRUE(kw::RemoveRecursively(Base() / "never there"));
}

TEST_F(Paths, ListsEntriesSortedByName) {
    const fs::path folder = Base() / "list";
    WriteFile(folder / "c.txt", "");
    WriteFile(folder / "A" / "x", "");
    fs::create_directory(folder / "b");
    const std::vector<kw::DirectoryEntry> entries = kw::ListDirectory(folder);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].path, folder / "A");
    EXPECT_EQ(entries[1].path, folder / "b");
    EXPECT_EQ(entries[2].path, folder / "c.txt");
    EXPECT_TRUE(entries[0].isDirectory);
    EXPECT_TRUE(entries[1].isDirectory);
    EXPECT_FALSE(entries[2].isDirectory);
    EXPECT_TRUE(kw::ListDirectory(Base() / "missing").empty());
    EXPECT_TRUE(kw::ListDirectory(folder / "c.txt").empty());
}

}  // namespace
