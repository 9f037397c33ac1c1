#include "assets/BadgeNames.h"

#include "platform/AsciiCase.h"

namespace kw {

std::optional<std::string> BadgePathForSize(std::string_view badge256Path, int size) {
    constexpr std::string_view kMarker = "Badge256";
    for (std::size_t at = 0; at + kMarker.size() <= badge256Path.size(); ++at) {
        if (EqualsIgnoringAsciiCase(badge256Path.substr(at, kMarker.size()), kMarker)) {
            std::string path(badge256Path.substr(0, at));
            path += "Badge" + std::to_string(size);
            path += badge256Path.substr(at + kMarker.size());
            return path;
        }
    }
    return std::nullopt;
}

std::string BadgeArchiveName(std::string_view relativePath) {
    std::string name(kBadgeArchivePrefix);
    for (const char c : relativePath) {
        name.push_back(c == '/' ? '\\' : c);
    }
    return name;
}

}  // namespace kw
