#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/DatabaseFolders.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

TEST(DatabaseFolders, TheDatabasesFolderIsFoundOrMadeAndListsItsFoldersWithDescriptions) {
    const test::TempDir documents;
    const auto made = DatabasesFolder(documents.Path() / "Dokumente");
    ASSERT_TRUE(made);
    EXPECT_EQ(*made, documents.Path() / "Dokumente" / "database");
    EXPECT_TRUE(fs::is_directory(*made));

    const test::TempDir other;
    fs::create_directory(other / "Database");
    EXPECT_EQ(DatabasesFolder(other.Path()), other / "Database");
    EXPECT_FALSE(fs::exists(other / "database"));

    // A file in its place cannot become the folder.
    const test::TempDir blocked;
    test::WriteFile(blocked / "database", "x");
    EXPECT_FALSE(DatabasesFolder(blocked.Path()));

    // Only folders are listed, sorted without regard to case and accents. Folder names are
    // UTF-8: "Übung" and "Ça va".
    const test::TempDir databases;
    for (const char* name :
         {"beta", "Alpha", "\303\234bung", "gamma", "ALPHA", "Zeta", "\303\207a va", "Delta"}) {
        fs::create_directory(databases / name);
    }
    test::WriteFile(databases / "Notizen.txt", "keine Datenbank");
    test::WriteFile(databases / "aaa", "auch keine");

    EXPECT_EQ(ListDatabases(databases.Path()), (Names{"ALPHA", "Alpha", "beta", "\303\207a va",
                                                      "Delta", "gamma", "\303\234bung", "Zeta"}));
    EXPECT_TRUE(ListDatabases(databases / "fehlt").empty());

    // The description is the start of "Database.txt" in any case.
    fs::create_directories(databases / "kurz");
    test::WriteFile(databases / "kurz" / "Database.txt", "Saison 06/07\r\nmit \xC4nderungen");
    fs::create_directories(databases / "klein");
    test::WriteFile(databases / "klein" / "database.TXT", "klein geschrieben");
    fs::create_directories(databases / "lang");
    test::WriteFile(databases / "lang" / "Database.txt", std::string(3000, 'x') + "Ende");
    fs::create_directories(databases / "ohne");
    fs::create_directories(databases / "ordner" / "Database.txt");

    EXPECT_EQ(ReadDatabaseDescription(databases.Path(), "kurz"),
              "Saison 06/07\r\nmit \xC4nderungen");
    EXPECT_EQ(ReadDatabaseDescription(databases.Path(), "klein"), "klein geschrieben");
    EXPECT_EQ(ReadDatabaseDescription(databases.Path(), "lang"), std::string(2003, 'x'));
    EXPECT_EQ(ReadDatabaseDescription(databases.Path(), "ohne"), "");
    EXPECT_EQ(ReadDatabaseDescription(databases.Path(), "fehlt"), "");
    EXPECT_EQ(ReadDatabaseDescription(databases.Path(), "ordner"), "");

    // The typed name decides what the save dialog enables.
    const Names names = {"Alpha", "beta", "tempExport"};

    const SNewDatabaseControls empty = NewDatabaseControls("", names);
    EXPECT_FALSE(empty.descriptionEnabled);
    EXPECT_FALSE(empty.saveEnabled);
    EXPECT_FALSE(empty.row);

    const SNewDatabaseControls existing = NewDatabaseControls("beta", names);
    EXPECT_TRUE(existing.descriptionEnabled);
    EXPECT_TRUE(existing.saveEnabled);
    EXPECT_EQ(existing.row, 1u);

    const SNewDatabaseControls fresh = NewDatabaseControls("Gamma", names);
    EXPECT_TRUE(fresh.saveEnabled);
    EXPECT_FALSE(fresh.row);
    EXPECT_FALSE(NewDatabaseControls("alpha", names).row);  // a row is chosen by its exact name

    for (const char* refused : {"a:b", "wer?", ".", "..", "tempexport", " Alpha", "a/b"}) {
        const SNewDatabaseControls controls = NewDatabaseControls(refused, names);
        EXPECT_TRUE(controls.descriptionEnabled) << refused;
        EXPECT_FALSE(controls.saveEnabled) << refused;
    }
    // The scratch database may be listed and chosen, but not saved into.
    EXPECT_EQ(NewDatabaseControls("tempExport", names).row, 2u);
    // A written description is not replaced by a comment.
    EXPECT_TRUE(TakesComment(false, ""));
    EXPECT_TRUE(TakesComment(false, "Kommentar einer anderen Datenbank"));
    EXPECT_TRUE(TakesComment(true, ""));
    EXPECT_FALSE(TakesComment(true, "selbst geschrieben"));
}

// The export scratch is removed in any case, but no link is followed.
TEST(DatabaseFolders, ScratchRemovalDeletingAndOpenChecksFollowNoLink) {
    const test::TempDir temp;
    const fs::path databases = temp / "database";
    fs::create_directories(databases / "TEMPEXPORT" / "innen");
    test::WriteFile(databases / "TEMPEXPORT" / "innen" / "Country1.sav", "x");
    fs::create_directories(databases / "tempExport2");
    EXPECT_TRUE(RemoveExportScratch(databases));
    EXPECT_EQ(ListDatabases(databases), (Names{"tempExport2"}));

    fs::create_directories(temp / "fremd");
    test::WriteFile(temp / "fremd" / "wichtig.txt", "bleibt");
    fs::create_directory_symlink(temp / "fremd", databases / "tempExport");
    EXPECT_FALSE(RemoveExportScratch(databases));
    EXPECT_TRUE(fs::exists(temp / "fremd" / "wichtig.txt"));

    // Deleting acts only on listed folders inside the databases folder.
    fs::create_directories(databases / "Alt" / "badges");
    test::WriteFile(databases / "Alt" / "Database.txt", "alt");
    fs::create_directory_symlink(temp / "fremd", databases / "Verweis");
    test::WriteFile(databases / "Datei", "keine Datenbank");

    EXPECT_FALSE(DeleteDatabase(databases, "alt"));  // names compare exactly, as listed
    EXPECT_FALSE(DeleteDatabase(databases, ""));
    EXPECT_FALSE(DeleteDatabase(databases, ".."));
    EXPECT_FALSE(DeleteDatabase(databases, "../fremd"));
    EXPECT_FALSE(DeleteDatabase(databases, "Datei"));
    EXPECT_FALSE(DeleteDatabase(databases, "Verweis"));
    EXPECT_TRUE(fs::exists(temp / "fremd" / "wichtig.txt"));
    EXPECT_TRUE(fs::exists(databases / "Datei"));

    EXPECT_TRUE(DeleteDatabase(databases, "Alt"));
    EXPECT_FALSE(fs::exists(databases / "Alt"));
    EXPECT_FALSE(DeleteDatabase(databases, "Alt"));

    // An open database is recognised through any path to it.
    fs::create_directories(temp / "database" / "Eins");
    fs::create_directories(temp / "database" / "Zwei");
    fs::create_directory_symlink(temp / "database", temp / "verweis");
    const std::vector<fs::path> open = {temp / "verweis" / "Eins", {}};

    EXPECT_TRUE(IsDatabaseOpen(temp / "database" / "Eins", open));
    EXPECT_TRUE(IsDatabaseOpen(temp / "database" / "Zwei" / ".." / "Eins", open));
    EXPECT_FALSE(IsDatabaseOpen(temp / "database" / "Zwei", open));
    EXPECT_FALSE(IsDatabaseOpen(temp / "database" / "Zwei", {}));
}

}  // namespace
}  // namespace kw
