#pragma once

#include <filesystem>
#include <optional>

namespace kw {

// Replacements for the Windows services the editor relies on. Every location honours the XDG
// variables, so tests and scripts can point them at temporary folders.

// The configured installation folder ("INSTALL DIR" of "Orvel Sports/KICKWERK 06"): the variable
// KW06_INSTALL_DIR, else the per-user settings file ($XDG_CONFIG_HOME, default ~/.config), else the
// system-wide one (each of $XDG_CONFIG_DIRS, default /etc/xdg), each
// "<dir>/Orvel Sports/KICKWERK 06.conf" with a line "INSTALL DIR=<path>". Nothing when unset.
std::optional<std::filesystem::path> ConfiguredInstallDirectory();

// The user's documents folder ($XDG_DOCUMENTS_DIR, else ~/Documents), created when missing.
// Nothing when no home is known or it cannot be created.
std::optional<std::filesystem::path> DocumentsDirectory();

// Folder for per-user runtime files ($XDG_RUNTIME_DIR, else the system's temporary folder).
std::filesystem::path RuntimeDirectory();

// Only one editor per user: an exclusive lock on a file in the runtime folder, taken without
// waiting and held for the lifetime of the object.
class CSingleInstanceLock {
public:
    explicit CSingleInstanceLock(const std::filesystem::path& lockFile = RuntimeDirectory() /
                                                                         "kwedit.lock");
    ~CSingleInstanceLock();
    CSingleInstanceLock(const CSingleInstanceLock&) = delete;
    CSingleInstanceLock& operator=(const CSingleInstanceLock&) = delete;

    bool IsAcquired() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

}  // namespace kw
