#include "tools/RakelMappingReport.h"

#include "storage/TextHelpers.h"

namespace kw {

bool WriteMappingReport(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return !path.empty() && WriteFileCreatingDirs(path, text, false);
}

}  // namespace kw
