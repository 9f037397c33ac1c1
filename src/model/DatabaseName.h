#pragma once

#include <filesystem>
#include <string_view>

namespace kw {

// The export's scratch database below the databases folder, removed before and after each export.
inline constexpr std::string_view kExportScratchDatabase = "tempExport";

// A database name becomes one folder below the databases folder, made or replaced by "&Neu..."
// and "Speichern unter": it must not be empty, "." or "..", hold a path separator, one of
// " * ? < > :, or a control character, begin or end with a blank, or name the export's scratch
// database ("tempExport" in any letter case).
bool IsValidDatabaseName(std::string_view name);

// Deleting or replacing a database acts only on a folder that is a direct child of the databases
// folder, judged on the paths with links resolved, so that no name or link reaches outside it.
bool IsDatabaseFolderOf(const std::filesystem::path& databases,
                        const std::filesystem::path& folder);

}  // namespace kw
