#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

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

// Windows separators and any letter case, umlauts included; a stray Windows-1252 byte is read as
// the letter it stands for. An exact spelling wins; otherwise the choice must not depend on the
// folder's listing order.
TEST_F(Paths, FindsAndWritesWindowsSpellingsIgnoringCase) {
    const fs::path country = Base() / "Database" / "Country5.sav";
    const fs::path badge = Base() / "Database" / "badges" / "München.tga";
    const std::pair<const char*, std::optional<fs::path>> cases[] = {
        {"database\\COUNTRY5.SAV", country},
        {".\\DataBase\\\\.//country5.Sav", country},
        {"DATABASE", Base() / "Database"},
        {"", Base()},
        {"database/BADGES/MÜNCHEN.TGA", badge},
        {"database/badges/M\xFCnchen.tga", badge},
        {"twins/rules.sav", Base() / "Twins" / "rules.sav"},
        {"twins/Rules.sav", Base() / "Twins" / "Rules.sav"},
        {"twins/RULES.SAV", Base() / "Twins" / "Rules.sav"},
        {"database/badges/Munchen.tga", std::nullopt},
        {"Database/Country6.sav", std::nullopt},
        {"Missing/Country5.sav", std::nullopt},
        {"Database/Country5.sav/more", std::nullopt},
        {"Database/Country5", std::nullopt}};
    for (const auto& [relative, expected] : cases) {
        EXPECT_EQ(FindExisting(Base(), relative), expected) << relative;
    }
    EXPECT_EQ(FindExisting(Base() / "nowhere", ""), std::nullopt);

    // Writing keeps the spelling on disk and the given one beyond.
    EXPECT_EQ(PathForWriting(Base(), "DATABASE\\country5.sav"),
              Base() / "Database" / "Country5.sav");
    EXPECT_EQ(PathForWriting(Base(), "database/Country6.sav"),
              Base() / "Database" / "Country6.sav");
    // Once a folder is missing, nothing below it is looked up any more.
    EXPECT_EQ(PathForWriting(Base(), "database\\New\\database\\FILE.txt"),
              Base() / "Database" / "New" / "database" / "FILE.txt");
    EXPECT_EQ(PathForWriting(Base(), ""), Base());
}

// Long paths are absolute and lexical; listings are sorted by name; removal takes trees, files
// and dangling links.
TEST_F(Paths, LongPathsListingsAndRemoval) {
    EXPECT_EQ(kw::LongPath("a/./b/../c/"), fs::current_path() / "a" / "c");
    EXPECT_EQ(kw::LongPath(Base() / "Database" / ""), Base() / "Database");
    EXPECT_EQ(kw::LongPath("/"), fs::path("/"));
    const fs::path link = Base() / "Link";
    fs::create_directory_symlink(Base() / "Database", link);
    EXPECT_EQ(kw::LongPath(link / "."), link);  // not the link's target

    const fs::path folder = Base() / "list";
    WriteFile(folder / "c.txt", "");
    WriteFile(folder / "A" / "x", "");
    fs::create_directory(folder / "b");
    std::vector<std::pair<fs::path, bool>> entries;
    for (const kw::DirectoryEntry& entry : kw::ListDirectory(folder)) {
        entries.emplace_back(entry.path, entry.isDirectory);
    }
    EXPECT_EQ(entries, (std::vector<std::pair<fs::path, bool>>{
                           {folder / "A", true}, {folder / "b", true}, {folder / "c.txt", false}}));
    EXPECT_TRUE(kw::ListDirectory(Base() / "missing").empty());
    EXPECT_TRUE(kw::ListDirectory(folder / "c.txt").empty());

    EXPECT_TRUE(kw::RemoveRecursively(Base() / "Database"));
    EXPECT_FALSE(fs::exists(Base() / "Database"));
    EXPECT_TRUE(kw::RemoveRecursively(Base() / "Twins" / "rules.sav"));
    EXPECT_TRUE(fs::exists(Base() / "Twins" / "Rules.sav"));
    EXPECT_TRUE(kw::RemoveRecursively(link));
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_TRUE(kw::RemoveRecursively(Base() / "never there"));
}

}  // namespace
