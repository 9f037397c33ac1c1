// Where a club's badge images are found: a loose file below the installation's badge folder
// first, then the entry "Badges\<relative path>" of the badge archive. Relative paths are stored
// Windows-1252 with "\" separators; on disk they are matched in any letter case.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace kw {

class COrvelBig;

std::optional<std::filesystem::path> FindLooseBadge(const std::filesystem::path& badgeDirectory,
                                                    std::string_view relativePath);

// One size of a badge: the loose file or the archive entry (looked up without messages).
bool BadgeFileExists(const std::filesystem::path& badgeDirectory, const COrvelBig& archive,
                     std::string_view relativePath);

// All four sizes of a "...\Badge256\..." path exist; false for a path without "Badge256".
bool BadgeExistsInAllSizes(const std::filesystem::path& badgeDirectory, const COrvelBig& archive,
                           std::string_view badge256Path);

// The badge converted to a 24-bit bitmap (see ConvertTgaToDib): the loose file when it converts,
// else the archive entry, unpacked. Nothing for an empty path or a badge found nowhere; an open
// archive reports a name it does not hold.
std::optional<std::vector<std::uint8_t>> LoadBadgeBitmap(
    const std::filesystem::path& badgeDirectory, const COrvelBig& archive,
    std::string_view relativePath);

}  // namespace kw
