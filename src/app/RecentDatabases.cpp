#include "app/RecentDatabases.h"

#include <algorithm>
#include <string_view>

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

namespace {

// The characters of a UTF-8 text, counted without continuation bytes.
std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The last `count` characters of a UTF-8 text.
std::string_view LastCharacters(std::string_view text, std::size_t count) {
    std::size_t start = text.size();
    while (start > 0 && count > 0) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) {
            --count;
        }
    }
    return text.substr(start);
}

}  // namespace

std::string RecentDatabaseLabel(std::size_t index, const std::filesystem::path& folder) {
    static constexpr std::string_view kEllipsis = "...";
    const std::string text = folder.string();
    std::string shown =
        CharacterCount(text) > kRecentLabelLength
            ? std::string(kEllipsis) +
                  std::string(LastCharacters(text, kRecentLabelLength - kEllipsis.size()))
            : text;
    std::string escaped;
    for (const char c : shown) {
        escaped += c;
        if (c == '&') {
            escaped += '&';
        }
    }
    const std::string number = std::to_string(index + 1);
    return (index < 9 ? "&" + number : number) + ' ' + escaped;
}

}  // namespace kw
