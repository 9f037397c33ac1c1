#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kw {

// The database folders opened last, most recent first: "&Datei" offers them again. A folder is
// listed once (compared in its normal form, without a trailing separator), the list holds at most
// kMaxRecentDatabases, and a folder that has vanished is dropped.
class CRecentDatabases {
public:
    static constexpr std::size_t kMaxRecentDatabases = 8;

    CRecentDatabases() = default;
    // A stored list, put in order: repeats and empty entries removed, cut to the maximum.
    explicit CRecentDatabases(const std::vector<std::filesystem::path>& folders);

    const std::vector<std::filesystem::path>& Folders() const { return m_folders; }
    // The folder was opened: it moves (or comes) to the front; the oldest beyond the maximum goes.
    void Opened(const std::filesystem::path& folder);
    // The folder leaves the list (it no longer exists).
    void Forget(const std::filesystem::path& folder);
    // Every folder for which `exists` says no leaves the list; true when one did.
    bool DropVanished(const std::function<bool(const std::filesystem::path&)>& exists);

    // The form folders are compared and kept in.
    static std::filesystem::path Normal(const std::filesystem::path& folder);

private:
    std::vector<std::filesystem::path> m_folders;
};

// The menu entry of the folder at `index` (from 0): "&<n> <folder>" with n = index + 1 for n up to
// 9, the folder as UTF-8 with every "&" doubled (a menu would take it for a mnemonic); a folder
// longer than kRecentLabelLength characters shows "..." and its last characters instead.
inline constexpr std::size_t kRecentLabelLength = 60;
std::string RecentDatabaseLabel(std::size_t index, const std::filesystem::path& folder);

}  // namespace kw
