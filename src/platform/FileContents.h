#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kw {

// A whole file, or nothing when it cannot be opened or read to its end.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path);
std::optional<std::string> ReadFileText(const std::filesystem::path& path);

}  // namespace kw
