#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kw {

// Writes the lines, each ending CR LF, replacing the file. False when it cannot be written.
bool WriteMappingReport(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace kw
