#include "assets/BadgeFiles.h"

#include <string>
#include <system_error>

#include "assets/BadgeNames.h"
#include "assets/OrvelBig.h"
#include "assets/Tga.h"
#include "platform/Cp1252.h"
#include "platform/FileContents.h"
#include "platform/Paths.h"

namespace kw {

namespace {

bool InArchive(const COrvelBig& archive, std::string_view relativePath) {
    return archive.IsOpen() && archive.FindIndex(BadgeArchiveName(relativePath)) >= 0;
}

}  // namespace

std::optional<std::filesystem::path> FindLooseBadge(const std::filesystem::path& badgeDirectory,
                                                    std::string_view relativePath) {
    if (relativePath.empty()) {
        return std::nullopt;
    }
    std::string relative = Cp1252ToUtf8(relativePath);
    for (char& c : relative) {
        if (c == '\\') {
            c = '/';
        }
    }
    auto path = FindExisting(badgeDirectory, relative);
    std::error_code error;
    if (!path || !std::filesystem::is_regular_file(*path, error)) {
        return std::nullopt;
    }
    return path;
}

bool BadgeFileExists(const std::filesystem::path& badgeDirectory, const COrvelBig& archive,
                     std::string_view relativePath) {
    return FindLooseBadge(badgeDirectory, relativePath).has_value() ||
           InArchive(archive, relativePath);
}

bool BadgeExistsInAllSizes(const std::filesystem::path& badgeDirectory, const COrvelBig& archive,
                           std::string_view badge256Path) {
    for (const int size : kBadgeSizes) {
        const auto path = BadgePathForSize(badge256Path, size);
        if (!path || !BadgeFileExists(badgeDirectory, archive, *path)) {
            return false;
        }
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> LoadBadgeBitmap(
    const std::filesystem::path& badgeDirectory, const COrvelBig& archive,
    std::string_view relativePath) {
    if (relativePath.empty()) {
        return std::nullopt;
    }
    if (const auto loose = FindLooseBadge(badgeDirectory, relativePath)) {
        if (const auto bytes = ReadFileBytes(*loose)) {
            if (auto dib = ConvertTgaToDib(*bytes)) {
                return dib;
            }
        }
    }
    // Without an archive (an installation may have none) a missing badge is simply missing.
    if (!archive.IsOpen()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    if (!archive.ReadFile(BadgeArchiveName(relativePath), bytes, true)) {
        return std::nullopt;
    }
    return ConvertTgaToDib(bytes);
}

}  // namespace kw
