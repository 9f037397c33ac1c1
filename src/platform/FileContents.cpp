#include "platform/FileContents.h"

#include <cstdio>
#include <memory>

#include "platform/OwnedFile.h"

namespace kw {

namespace {

template <typename Container>
std::optional<Container> ReadInto(const std::filesystem::path& path) {
    const FilePointer file = OpenFile(path, "rb");
    if (!file) {
        return std::nullopt;
    }
    Container content;
    char block[65536];
    std::size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, file.get())) > 0) {
        content.insert(content.end(), block, block + count);
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return content;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path) {
    return ReadInto<std::vector<std::uint8_t>>(path);
}

std::optional<std::string> ReadFileText(const std::filesystem::path& path) {
    return ReadInto<std::string>(path);
}

}  // namespace kw
