#pragma once

#include <filesystem>

namespace kw {

class CWorld;

// The archive "Datenbank wiederherstellen" restores: written once from the database loaded at
// start-up, kept in the installation's database folder.
std::filesystem::path DefaultArchivePath(const std::filesystem::path& databaseDirectory);

// Whether the start-up load may become the restore point: only when none exists yet and the load
// read every country file whole and found at least one club, so that a failed, damaged or empty
// load never becomes what a restore brings back.
bool ShouldWriteDefaultArchive(const CWorld& world, bool loaded, bool archiveExists);

}  // namespace kw
