// What the badge page shows of the club's badge: the picture and the text after
// "Aktuelle Datei:".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CGlobalTools;

struct SBadgePreview {
    // The badge as a 24-bit bitmap file image; none when it could not be loaded.
    std::optional<std::vector<std::uint8_t>> bitmap;
    // The path; "Keine Datei gewählt" without one; why it failed when it could not be loaded.
    std::string fileText;
};

// Loads the badge as LoadBadgeBitmap does (loose file first, then the archive) without letting
// the archive show a message: a name the archive lacks is looked up quietly and its message only
// forms the text. A failure whose reason is unknown shows the path.
SBadgePreview LoadBadgePreview(const CGlobalTools& tools, std::string_view path);

}  // namespace kw
