// Building BIG archives: the demo installation's "badges.big" and the tests' archives.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kw {

struct SBigFile {
    // Windows-1252, at most 258 characters, usually with "\" separators.
    std::string name;
    std::vector<std::uint8_t> data;
    // Stored as a packed stream instead of as it is.
    bool pack = false;
};

// The archive: "BIGF", archive size little-endian, entry count and directory length
// big-endian, the directory in the order given, then the files' data. Empty when a name is too
// long or the archive would exceed the 32-bit offsets.
std::vector<std::uint8_t> BuildBigArchive(const std::vector<SBigFile>& files);

// Writes the archive atomically; with `packWhole` the whole archive is one packed stream (only
// for archives below 16 MiB, the largest a packed archive can state).
bool WriteBigArchive(const std::filesystem::path& path, const std::vector<SBigFile>& files,
                     bool packWhole = false);

}  // namespace kw
