#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TempDir.h"
#include "model/DatabaseName.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

TEST(DatabaseName, PlainNamesAreValid) {
    for (const std::string& name :
         std::vector<std::string>{"Meine Datenbank", "db2", "Saison 2006-07", "x.y", "\xE4nderung",
                                  "tempExport2", "a b"}) {
        EXPECT_TRUE(IsValidDatabaseName(name)) << name;
    }
}

TEST(DatabaseName, NamesThatAreNoFolderOfTheirOwnAreRefused) {
    for (const std::string& name : std::vector<std::string>{
             "", ".", "..", "a/b", "a\\b", "a:b", "wer?", "*", "a<b", "a>b", "\"q\"", " lead",
             "trail ", "tempexport", "TEMPEXPORT", "tempExport", std::string("a\tb"),
             std::string("a\nb"), std::string("a\x7F")}) {
        EXPECT_FALSE(IsValidDatabaseName(name)) << name;
    }
}

TEST(DatabaseName, OnlyDirectChildrenOfTheDatabasesFolderMayBeReplaced) {
    const test::TempDir temp;
    const fs::path databases = temp.Path() / "database";
    fs::create_directories(databases / "eins" / "innen");
    fs::create_directories(temp.Path() / "draussen");
    fs::create_directory_symlink(temp.Path() / "draussen", databases / "link");

    EXPECT_TRUE(IsDatabaseFolderOf(databases, databases / "eins"));
    EXPECT_TRUE(IsDatabaseFolderOf(databases, databases / "neu"));  // not made yet
    EXPECT_TRUE(IsDatabaseFolderOf(databases / ".", databases / "eins"));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases / "."));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases / ".."));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases / "eins" / "innen"));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases / "eins" / ".." / ".." / "draussen"));
    EXPECT_FALSE(IsDatabaseFolderOf(databases, databases / "link"));
}

}  // namespace
}  // namespace kw
