#pragma once

// For harnesses of readers that only take a path: the input goes into a file of a folder that
// belongs to this process (on the memory file system when there is one) and is removed when the
// process ends.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace kw::fuzz {

// This process's folder, created on first use.
const std::filesystem::path& FuzzDirectory();

// Writes the bytes to "<FuzzDirectory()>/<name>" (sub-folders are created) and returns the path.
std::filesystem::path WriteFuzzFile(std::string_view name, const std::uint8_t* data,
                                    std::size_t size);

}  // namespace kw::fuzz
