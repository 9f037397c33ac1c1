#include "app/RecentDatabases.h"

#include <algorithm>

namespace kw {

CRecentDatabases::CRecentDatabases(const std::vector<std::filesystem::path>& folders) {
    // Oldest first, so that the first stored entry ends up in front.
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        if (!folder->empty()) {
            Opened(*folder);
        }
    }
}

std::filesystem::path CRecentDatabases::Normal(const std::filesystem::path& folder) {
    std::filesystem::path normal = folder.lexically_normal();
    // "/a/b/" and "/a/b" name one folder.
    if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path()) {
        normal = normal.parent_path();
    }
    return normal;
}

void CRecentDatabases::Opened(const std::filesystem::path& folder) {
    if (folder.empty()) {
        return;
    }
    const std::filesystem::path normal = Normal(folder);
    Forget(normal);
    m_folders.insert(m_folders.begin(), normal);
    if (m_folders.size() > kMaxRecentDatabases) {
        m_folders.resize(kMaxRecentDatabases);
    }
}

void CRecentDatabases::Forget(const std::filesystem::path& folder) {
    const std::filesystem::path normal = Normal(folder);
    std::erase(m_folders, normal);
}

bool CRecentDatabases::DropVanished(
    const std::function<bool(const std::filesystem::path&)>& exists) {
    return std::erase_if(m_folders, [&exists](const std::filesystem::path& folder) {
               return !exists(folder);
           }) > 0;
}

}  // namespace kw
