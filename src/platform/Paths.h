#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace kw {

// Databases are often copied from Windows, so stored relative paths may use '\' and any letter
// case. Matches each component of `relative` below `base` without regard to ASCII letter case
// (an exact match wins). Returns nothing when some component does not exist. `relative` is UTF-8
// like the file names; a byte that is not valid UTF-8 is compared as a Windows-1252 letter.
std::optional<std::filesystem::path> FindExisting(const std::filesystem::path& base,
                                                  std::string_view relative);

// The path to write `relative` below `base`: components that exist in some letter case keep the
// spelling found on disk (so a save replaces "country5.sav" rather than adding "Country5.sav"
// beside it); the rest keep the spelling given.
std::filesystem::path PathForWriting(const std::filesystem::path& base, std::string_view relative);

// Absolute and lexically normalised, without touching the file system's case.
std::filesystem::path LongPath(const std::filesystem::path& path);

// Deletes a file or a folder with everything in it. True when nothing is left.
bool RemoveRecursively(const std::filesystem::path& path);

struct DirectoryEntry {
    std::filesystem::path path;
    bool isDirectory = false;
};
// Entries of a folder, sorted by name; empty when the folder cannot be read.
std::vector<DirectoryEntry> ListDirectory(const std::filesystem::path& folder);

}  // namespace kw
