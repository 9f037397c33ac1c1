#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace kw {

// A whole file, or nothing when it cannot be opened or read to its end, is a folder, or holds
// more than `limit` bytes.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(
    const std::filesystem::path& path,
    std::size_t limit = std::numeric_limits<std::size_t>::max() - 1);
std::optional<std::string> ReadFileText(
    const std::filesystem::path& path,
    std::size_t limit = std::numeric_limits<std::size_t>::max() - 1);

}  // namespace kw
