#include "model/DatabaseName.h"

#include <algorithm>

#include "platform/AsciiCase.h"

namespace kw {

bool IsValidDatabaseName(std::string_view name) {
    constexpr std::string_view kBanned = "\\/\"*?<>:";
    if (name.empty() || name == "." || name == ".." || name.front() == ' ' || name.back() == ' ' ||
        EqualsIgnoringAsciiCase(name, kExportScratchDatabase)) {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [kBanned](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || kBanned.find(c) != std::string_view::npos;
    });
}

bool IsDatabaseFolderOf(const std::filesystem::path& databases,
                        const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::weakly_canonical(databases, error);
    if (error) {
        return false;
    }
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(folder, error);
    return !error && resolved.has_filename() && resolved.parent_path() == base;
}

}  // namespace kw
