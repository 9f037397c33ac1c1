#include "exports/archive/Badge.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "assets/BadgeNames.h"
#include "exports/archive/ArchiveChunks.h"
#include "exports/archive/ChunkPacker.h"
#include "platform/Paths.h"

namespace kw {

namespace {

// "name\0bytes" for the file below `directory`, or nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> NamedFilePayload(const std::filesystem::path& directory,
                                                          const std::string& name) {
    const auto path = FindExisting(directory, name);
    if (!path) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> prefix(name.begin(), name.end());
    prefix.push_back(0);
    return ReadFilePayload(*path, prefix);
}

}  // namespace

CBadge::CBadge(std::filesystem::path directory, std::string pattern)
    : m_directory(std::move(directory)), m_pattern(std::move(pattern)) {}

std::vector<std::string> CBadge::FileNames() const {
    std::vector<std::string> names;
    for (const int size : kBadgeSizes) {
        // A path without the size folder names one file for every size: add it once.
        std::string name = BadgePathForSize(m_pattern, size).value_or(m_pattern);
        std::replace(name.begin(), name.end(), '\\', '/');
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

void CBadge::ExpectExport(CChunkPacker& archive) const {
    for (const std::string& name : FileNames()) {
        archive.ExpectShared((m_directory / name).string());
    }
}

int CBadge::Export(CChunkPacker& archive) const {
    int added = 0;
    for (const std::string& name : FileNames()) {
        const auto chunk = archive.UseShared((m_directory / name).string(),
                                             [&] { return NamedFilePayload(m_directory, name); });
        if (chunk) {
            archive.Write(EChunkTag::Badge, *chunk);
            ++added;
        }
    }
    return added;
}

}  // namespace kw
