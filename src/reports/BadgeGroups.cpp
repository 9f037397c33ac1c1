#include "reports/BadgeGroups.h"

#include "assets/BadgeNames.h"
#include "assets/OrvelBig.h"
#include "model/World.h"
#include "platform/AsciiCase.h"
#include "platform/Cp1252.h"
#include "platform/Paths.h"

namespace kw {

namespace {

constexpr std::size_t kGroupKeyLength = 8;
constexpr std::string_view kBadge256 = "Badge256";
// The English name, the one the installation's folders are named after.
constexpr int kFolderNameLanguage = 1;

bool SameStart(std::string_view a, std::string_view b) {
    return !a.empty() && !b.empty() &&
           EqualsIgnoringAsciiCase(a.substr(0, kGroupKeyLength), b.substr(0, kGroupKeyLength));
}

bool EndsWithTga(std::string_view name) {
    return name.size() >= 4 && EqualsIgnoringAsciiCase(name.substr(name.size() - 4), ".tga");
}

bool ContainsBadge256(std::string_view name) {
    for (std::size_t at = 0; at + kBadge256.size() <= name.size(); ++at) {
        if (EqualsIgnoringAsciiCase(name.substr(at, kBadge256.size()), kBadge256)) {
            return true;
        }
    }
    return false;
}

std::string_view FolderName(const CWorld& world, int country) {
    return world.Country(country).Name(kFolderNameLanguage);
}

SBadgeGroup& GroupFor(std::vector<SBadgeGroup>& groups, std::string_view folder,
                      const CWorld& world) {
    for (SBadgeGroup& group : groups) {
        if (SameStart(group.folder, folder) ||
            (group.country != 0 && SameStart(FolderName(world, group.country), folder))) {
            return group;
        }
    }
    SBadgeGroup& group = groups.emplace_back();
    group.folder = folder;
    for (int number = 1; number <= kCountryCount; ++number) {
        if (SameStart(FolderName(world, number), folder)) {
            group.country = number;
            break;
        }
    }
    return group;
}

void AddLooseBadges(std::vector<SBadgeGroup>& groups, const std::filesystem::path& badgeDirectory,
                    const CWorld& world) {
    for (const DirectoryEntry& folder : ListDirectory(badgeDirectory)) {
        const std::string folderName = Utf8ToCp1252(folder.path.filename().string());
        if (!folder.isDirectory || folderName.starts_with('.')) {
            continue;
        }
        const auto sizeFolder = FindExisting(folder.path, std::string(kBadge256));
        if (!sizeFolder) {
            continue;
        }
        std::vector<SBadgeEntry> entries;
        for (const DirectoryEntry& file : ListDirectory(*sizeFolder)) {
            const std::string fileName = Utf8ToCp1252(file.path.filename().string());
            if (!file.isDirectory && EndsWithTga(fileName)) {
                entries.push_back(
                    {-1, folderName + "\\" + std::string(kBadge256) + "\\" + fileName});
            }
        }
        if (!entries.empty()) {
            auto& group = GroupFor(groups, folderName, world).entries;
            group.insert(group.end(), entries.begin(), entries.end());
        }
    }
}

void AddArchiveBadges(std::vector<SBadgeGroup>& groups, const COrvelBig& archive,
                      const CWorld& world) {
    for (int index = 0; index < archive.GetCount(); ++index) {
        const std::string_view name = archive.GetEntry(index).name;
        if (!ContainsBadge256(name) || !EndsWithTga(name) ||
            !EqualsIgnoringAsciiCase(name.substr(0, kBadgeArchivePrefix.size()),
                                     kBadgeArchivePrefix)) {
            continue;
        }
        const std::string_view relative = name.substr(kBadgeArchivePrefix.size());
        const std::size_t slash = relative.find('\\');
        if (slash == std::string_view::npos) {
            continue;
        }
        SBadgeGroup& group = GroupFor(groups, relative.substr(0, slash), world);
        bool merged = false;
        for (SBadgeEntry& entry : group.entries) {
            if (EqualsIgnoringAsciiCase(entry.relativePath, relative)) {
                entry.archiveIndex = index;
                merged = true;
                break;
            }
        }
        if (!merged) {
            group.entries.push_back({index, {}});
        }
    }
}

}  // namespace

std::vector<SBadgeGroup> BuildBadgeGroups(const std::filesystem::path& badgeDirectory,
                                          const COrvelBig& archive, const CWorld& world) {
    std::vector<SBadgeGroup> groups;
    AddLooseBadges(groups, badgeDirectory, world);
    AddArchiveBadges(groups, archive, world);
    return groups;
}

std::string BadgeEntryPath(const SBadgeEntry& entry, const COrvelBig& archive) {
    if (!entry.relativePath.empty() || entry.archiveIndex < 0) {
        return entry.relativePath;
    }
    const std::string_view name = archive.GetEntry(entry.archiveIndex).name;
    return std::string(name.substr(std::min(name.size(), kBadgeArchivePrefix.size())));
}

std::string BadgeGroupName(const SBadgeGroup& group, const CWorld& world, int language) {
    if (group.country != 0) {
        const std::string_view name = world.Country(group.country).Name(language);
        if (!name.empty()) {
            return std::string(name);
        }
    }
    return group.folder;
}

}  // namespace kw
