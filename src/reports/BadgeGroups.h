// The badges the badge selection offers, grouped by country folder: loose files of the badge
// folder and the archive's "Badges\<folder>\Badge256\..." entries, merged by relative path.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class COrvelBig;
class CWorld;

struct SBadgeEntry {
    // The archive entry holding the badge, -1 for a loose file only.
    int archiveIndex = -1;
    // "<folder>\Badge256\<file>" of a loose file (Windows-1252); empty for a badge found only in
    // the archive.
    std::string relativePath;
};

struct SBadgeGroup {
    std::string folder;
    // The country whose English name begins like the folder, 0 for none.
    int country = 0;
    std::vector<SBadgeEntry> entries;
};

// Loose files first (folders in name order, names beginning with "." skipped, only "*.tga" of
// each folder's "Badge256"), then the archive entries in directory order. A folder joins the
// existing group whose folder or country name agrees with it in the first 8 characters (letter
// case ignored); a new group is linked to the first of the countries 1 to 206 that agrees so.
std::vector<SBadgeGroup> BuildBadgeGroups(const std::filesystem::path& badgeDirectory,
                                          const COrvelBig& archive, const CWorld& world);

// The path a club stores for the entry: its relative path, or the archive name without the
// "Badges\" prefix.
std::string BadgeEntryPath(const SBadgeEntry& entry, const COrvelBig& archive);
// The country's name in `language`, else the folder.
std::string BadgeGroupName(const SBadgeGroup& group, const CWorld& world, int language);

}  // namespace kw
