#include "editing/BadgeChoice.h"

#include <algorithm>

#include "model/ClubNames.h"
#include "platform/AsciiCase.h"
#include "platform/StringTable.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

template <typename Item>
void SortByName(std::vector<Item>& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return CollateText(a.name, b.name) < 0; });
}

bool ValidItem(const std::vector<SBadgeGroupItem>& items, int item) {
    return item >= 0 && static_cast<std::size_t>(item) < items.size();
}

bool ValidEntry(const SBadgeGroup& group, int entry) {
    return entry >= 0 && static_cast<std::size_t>(entry) < group.entries.size();
}

}  // namespace

std::vector<SBadgeGroupItem> BadgeGroupItems(const std::vector<SBadgeGroup>& groups,
                                             const CWorld& world, int language) {
    std::vector<SBadgeGroupItem> items;
    items.reserve(groups.size() + 1);
    items.push_back({std::string(ResourceString(ids::kNoBadge)), kNoBadgeGroup});
    for (std::size_t group = 0; group < groups.size(); ++group) {
        items.push_back({BadgeGroupName(groups[group], world, language), static_cast<int>(group)});
    }
    SortByName(items);
    return items;
}

std::string BadgeDisplayName(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    return std::string(name);
}

std::vector<SBadgeItem> BadgeItems(const SBadgeGroup& group, const COrvelBig& archive) {
    std::vector<SBadgeItem> items;
    items.reserve(group.entries.size());
    for (std::size_t entry = 0; entry < group.entries.size(); ++entry) {
        items.push_back({BadgeDisplayName(BadgeEntryPath(group.entries[entry], archive)),
                         static_cast<int>(entry)});
    }
    SortByName(items);
    return items;
}

SBadgeSelection PreselectBadge(const std::vector<SBadgeGroup>& groups,
                               const std::vector<SBadgeGroupItem>& items, const COrvelBig& archive,
                               std::string_view currentPath) {
    SBadgeSelection selection;
    const std::string_view folder = currentPath.substr(0, currentPath.find('\\'));
    for (std::size_t item = 0; item < items.size(); ++item) {
        const int group = items[item].group;
        if (group == kNoBadgeGroup) {
            continue;
        }
        if (selection.groupItem < 0) {
            selection.groupItem = static_cast<int>(item);
        }
        if (!currentPath.empty() &&
            EqualsIgnoringAsciiCase(groups[static_cast<std::size_t>(group)].folder, folder)) {
            selection.groupItem = static_cast<int>(item);
            const auto& entries = groups[static_cast<std::size_t>(group)].entries;
            for (std::size_t entry = 0; entry < entries.size(); ++entry) {
                if (EqualsIgnoringAsciiCase(BadgeEntryPath(entries[entry], archive), currentPath)) {
                    selection.entry = static_cast<int>(entry);
                    break;
                }
            }
            break;
        }
    }
    return selection;
}

SBadgeChoiceResult BadgeChoiceOnOk(const std::vector<SBadgeGroup>& groups,
                                   const std::vector<SBadgeGroupItem>& items,
                                   const COrvelBig& archive, SBadgeSelection selection,
                                   int colourCombination) {
    if (!ValidItem(items, selection.groupItem)) {
        return {};
    }
    const int group = items[static_cast<std::size_t>(selection.groupItem)].group;
    std::string path;
    if (group == kNoBadgeGroup) {
        path = DefaultBadgePath(colourCombination);
    } else {
        const SBadgeGroup& chosen = groups.at(static_cast<std::size_t>(group));
        if (!ValidEntry(chosen, selection.entry)) {
            return {};
        }
        path = BadgeEntryPath(chosen.entries[static_cast<std::size_t>(selection.entry)], archive);
    }
    if (path.empty()) {
        return {};
    }
    const EBadgeChoice kind =
        path.size() > kMaxBadgePathLength ? EBadgeChoice::kTooLong : EBadgeChoice::kPath;
    return {kind, std::move(path)};
}

}  // namespace kw
