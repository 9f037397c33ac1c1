// Where a club's badge lives: the four sizes of a stored "...\Badge256\..." path.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kw {

// Badge sizes in the order every badge operation handles them.
inline constexpr std::array<int, 4> kBadgeSizes{256, 128, 64, 32};

// The stored path with its first "Badge256" (any letter case) replaced by "Badge<size>";
// nothing when the path holds no "Badge256".
std::optional<std::string> BadgePathForSize(std::string_view badge256Path, int size);

// The archive keeps badges as "Badges\<relative path>" with "\" separators.
inline constexpr std::string_view kBadgeArchivePrefix = "Badges\\";
std::string BadgeArchiveName(std::string_view relativePath);

}  // namespace kw
