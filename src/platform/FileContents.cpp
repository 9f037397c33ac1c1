#include "platform/FileContents.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "platform/OwnedFile.h"

namespace kw {

namespace {

constexpr std::size_t kGrowthStep = 64 * 1024;

// Sized by the file's stated length plus one byte: a read that fills that byte shows a file
// that grew meanwhile (or one whose size is unknown, such as a pipe), so reading goes on,
// doubling, until the end or past the limit.
template <typename Container>
std::optional<Container> ReadInto(const std::filesystem::path& path, std::size_t limit) {
    const FilePointer file = OpenFile(path, "rb");
    if (!file) {
        return std::nullopt;
    }
    struct stat info {};
    if (fstat(fileno(file.get()), &info) != 0 || S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    std::size_t expected = 0;
    if (S_ISREG(info.st_mode)) {
        if (static_cast<std::uintmax_t>(info.st_size) > limit) {
            return std::nullopt;
        }
        expected = static_cast<std::size_t>(info.st_size);
    }
    Container content(std::min(expected, limit) + 1, {});
    std::size_t count = 0;
    while (true) {
        count += std::fread(content.data() + count, 1, content.size() - count, file.get());
        if (count < content.size()) {
            break;
        }
        if (content.size() > limit) {
            return std::nullopt;
        }
        content.resize(std::min(std::max(2 * content.size(), kGrowthStep), limit + 1));
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    content.resize(count);
    return content;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                       std::size_t limit) {
    return ReadInto<std::vector<std::uint8_t>>(path, limit);
}

std::optional<std::string> ReadFileText(const std::filesystem::path& path, std::size_t limit) {
    return ReadInto<std::string>(path, limit);
}

}  // namespace kw
