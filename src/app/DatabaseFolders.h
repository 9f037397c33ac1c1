#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

// The databases the dialogs offer live as folders in "<documents>/database". Names here are the
// folders' file names (UTF-8, as the file system gives them).

// How much of "Database.txt" is shown as a database's comment.
inline constexpr std::size_t kDescriptionLimit = 2003;

// "<documents>/database" in whatever letter case it exists, else created with that spelling;
// nothing when it cannot be made.
std::optional<std::filesystem::path> DatabasesFolder(const std::filesystem::path& documents);

// The names of the folders in `databases` (files are left out), UTF-8 as on disk, sorted by name
// (CollateUtf8Text).
std::vector<std::string> ListDatabases(const std::filesystem::path& databases);

// The start of "<databases>/<name>/Database.txt" (any letter case), at most kDescriptionLimit
// bytes of Windows-1252 text; empty when there is none or it cannot be read.
std::string ReadDatabaseDescription(const std::filesystem::path& databases, std::string_view name);

// Removes what an interrupted export left: the scratch database in any letter case. True when
// none is left.
bool RemoveExportScratch(const std::filesystem::path& databases);

// Deletes the listed database `name` with everything in it, but only when it is a folder directly
// inside `databases` (links resolved). True when it is gone.
bool DeleteDatabase(const std::filesystem::path& databases, std::string_view name);

// Whether the folder `folder` is one of `openFolders` (compared with links resolved).
bool IsDatabaseOpen(const std::filesystem::path& folder,
                    const std::vector<std::filesystem::path>& openFolders);

// The row of `names` that is exactly `name`, nothing when none is.
std::optional<std::size_t> FindDatabaseRow(const std::vector<std::string>& names,
                                           std::string_view name);

// What "Datenbank speichern unter" shows for the typed name: a name enables the description, a
// valid one "Speichern", and a name that an existing database has selects its row.
struct SNewDatabaseControls {
    bool descriptionEnabled = false;
    bool saveEnabled = false;
    std::optional<std::size_t> row;
};
SNewDatabaseControls NewDatabaseControls(std::string_view name,
                                         const std::vector<std::string>& names);

// The description field takes a chosen database's comment unless the user has written one.
bool TakesComment(bool descriptionEditedByUser, std::string_view description);

}  // namespace kw
