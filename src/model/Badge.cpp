#include "model/Badge.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "assets/BadgeNames.h"
#include "model/ArchiveChunks.h"
#include "platform/Cp1252.h"
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
    const FilePointer file(std::fopen(path->c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> payload(name.begin(), name.end());
    payload.push_back(0);
    std::uint8_t block[65536];
    std::size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, file.get())) > 0) {
        payload.insert(payload.end(), block, block + count);
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return payload;
}

}  // namespace

CBadge::CBadge(std::filesystem::path directory, std::string pattern)
    : m_directory(std::move(directory)), m_pattern(std::move(pattern)) {}

int CBadge::Export(CArchiveWriter& archive) const {
    std::vector<std::string> names;
    for (const int size : kBadgeSizes) {
        // A path without the size folder names one file for every size: add it once.
        std::string name = BadgePathForSize(m_pattern, size).value_or(m_pattern);
        std::replace(name.begin(), name.end(), '\\', '/');
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    int added = 0;
    for (const std::string& name : names) {
        const auto payload = NamedFilePayload(m_directory, name);
        if (payload && archive.AddChunk(EChunkTag::Badge, *payload)) {
            ++added;
        }
    }
    return added;
}

}  // namespace kw
