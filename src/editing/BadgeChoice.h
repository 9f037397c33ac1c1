// What the badge selection offers and what its OK gives: the country groups in display order with
// the "no badge" item, each group's badges by file name, the preselection of the club's current
// badge, and the path a club stores.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/BadgeGroups.h"

namespace kw {

class COrvelBig;
class CWorld;

// A club's badge path is a 40-character field: 39 characters and the terminating zero.
inline constexpr std::size_t kMaxBadgePathLength = 39;
// The group item that stands for "no badge of its own".
inline constexpr int kNoBadgeGroup = -1;

struct SBadgeGroupItem {
    std::string name;           // Windows-1252
    int group = kNoBadgeGroup;  // index into the groups, kNoBadgeGroup for " Kein Wappen"
};

struct SBadgeItem {
    std::string name;  // the file name without folder and extension
    int entry = 0;     // index into the group's entries
};

// The groups by display name in `language` (letter case and accents ignored) and the " Kein
// Wappen" item, which its leading blank puts first.
std::vector<SBadgeGroupItem> BadgeGroupItems(const std::vector<SBadgeGroup>& groups,
                                             const CWorld& world, int language);

// "Ger\Badge256\Club One.tga" is shown as "Club One".
std::string BadgeDisplayName(std::string_view path);

// The group's badges by display name.
std::vector<SBadgeItem> BadgeItems(const SBadgeGroup& group, const COrvelBig& archive);

struct SBadgeSelection {
    int groupItem = -1;  // index into the group items, -1 for none
    int entry = -1;      // index into that group's entries, -1 for none
};

// What the dialog shows first: the group whose folder is the current path's part before its
// first backslash, with the badge whose path is the current one (letter case ignored); without
// such a group the first group without a badge; nothing when there is no group at all.
SBadgeSelection PreselectBadge(const std::vector<SBadgeGroup>& groups,
                               const std::vector<SBadgeGroupItem>& items, const COrvelBig& archive,
                               std::string_view currentPath);

enum class EBadgeChoice {
    kNothing,  // nothing chosen: OK acts as Cancel
    kPath,     // the path to store
    kTooLong,  // the path does not fit the club record; refused
};

struct SBadgeChoiceResult {
    EBadgeChoice kind = EBadgeChoice::kNothing;
    std::string path;
};

// The result of OK: " Kein Wappen" gives the colour template of the club's colour combination,
// a group with a badge gives the badge's path, anything else nothing. A path longer than the
// record keeps is refused, never cut.
SBadgeChoiceResult BadgeChoiceOnOk(const std::vector<SBadgeGroup>& groups,
                                   const std::vector<SBadgeGroupItem>& items,
                                   const COrvelBig& archive, SBadgeSelection selection,
                                   int colourCombination);

}  // namespace kw
