#include "platform/Paths.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "platform/Cp1252.h"

namespace kw {

namespace fs = std::filesystem;

namespace {

std::vector<std::string_view> SplitComponents(std::string_view relative) {
    std::vector<std::string_view> components;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find_first_of("/\\", start);
        if (end == std::string_view::npos) {
            end = relative.size();
        }
        const std::string_view part = relative.substr(start, end - start);
        if (!part.empty() && part != ".") {
            components.push_back(part);
        }
        start = end + 1;
    }
    return components;
}

// Lower case for ASCII and for the letters Windows-1252 knows, so "MÜNCHEN" finds "München".
char32_t FoldCase(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    switch (c) {
        case 0x0152:  // Œ
        case 0x0160:  // Š
        case 0x017D:  // Ž
            return c + 1;
        case 0x0178:  // Ÿ
            return 0xFF;
        default:
            return c;
    }
}

// Names copied from Windows may still be raw Windows-1252 bytes; a byte that is not valid UTF-8
// is read as such, so it matches the same letter spelled in UTF-8.
char32_t NextFoldedCharacter(std::string_view name, std::size_t& position) {
    const std::size_t start = position;
    char32_t c = DecodeUtf8At(name, position);
    if (c == kInvalidCodePoint) {
        position = start + 1;
        c = Cp1252ToCodePoint(static_cast<unsigned char>(name[start]));
    }
    return FoldCase(c);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (NextFoldedCharacter(a, i) != NextFoldedCharacter(b, j)) {
            return false;
        }
    }
    return i == a.size() && j == b.size();
}

// The entry of `folder` named `name`: the exact spelling if it exists, else the first (by byte
// order, so the choice is stable) existing entry whose name differs only in letter case.
std::optional<fs::path> FindEntry(const fs::path& folder, std::string_view name) {
    std::error_code error;
    fs::path exact = folder / name;
    if (fs::exists(exact, error)) {
        return exact;
    }
    std::optional<std::string> best;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string entryName = it->path().filename().string();
        if ((!best || entryName < *best) && EqualIgnoringCase(entryName, name)) {
            std::error_code ignored;
            if (fs::exists(it->path(), ignored)) {
                best = std::move(entryName);
            }
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return folder / *best;
}

}  // namespace

std::optional<fs::path> FindExisting(const fs::path& base, std::string_view relative) {
    fs::path current = base;
    for (const std::string_view component : SplitComponents(relative)) {
        std::optional<fs::path> next = FindEntry(current, component);
        if (!next) {
            return std::nullopt;
        }
        current = std::move(*next);
    }
    std::error_code error;
    if (!fs::exists(current, error)) {
        return std::nullopt;
    }
    return current;
}

fs::path PathForWriting(const fs::path& base, std::string_view relative) {
    fs::path current = base;
    bool searching = true;
    for (const std::string_view component : SplitComponents(relative)) {
        if (searching) {
            if (std::optional<fs::path> next = FindEntry(current, component)) {
                current = std::move(*next);
                continue;
            }
            // Nothing below a missing folder can exist; keep the given spelling from here on.
            searching = false;
        }
        current /= component;
    }
    return current;
}

fs::path LongPath(const fs::path& path) {
    if (path.empty()) {
        return {};
    }
    std::error_code error;
    fs::path result = fs::absolute(path, error);
    if (error) {
        result = path;
    }
    result = result.lexically_normal();
    if (!result.has_filename() && result.has_relative_path()) {
        result = result.parent_path();
    }
    return result;
}

bool RemoveRecursively(const fs::path& path) {
    std::error_code error;
    fs::remove_all(path, error);
    std::error_code statusError;
    return fs::symlink_status(path, statusError).type() == fs::file_type::not_found;
}

std::vector<DirectoryEntry> ListDirectory(const fs::path& folder) {
    std::vector<DirectoryEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        entries.push_back({it->path(), it->is_directory(ignored)});
    }
    if (error) {
        return {};
    }
    std::sort(entries.begin(), entries.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
        return a.path.filename() < b.path.filename();
    });
    return entries;
}

}  // namespace kw
