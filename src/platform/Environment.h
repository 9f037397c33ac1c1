#pragma once

#include <filesystem>
#include <optional>
#include <string>

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

// Folder for this user's runtime files: $XDG_RUNTIME_DIR (private to the user by the XDG rules),
// else "kwedit-<uid>" below the system's temporary folder, which every user shares: created with
// mode 0700, and refused when it is not a folder of this user. Nothing then, with the reason in
// `error`.
std::optional<std::filesystem::path> UserRuntimeDirectory(std::string& error);

// Only one editor per user: an exclusive lock on "kwedit.lock" in the user's runtime folder,
// taken without waiting and held for the lifetime of the object. Editors of other users never
// meet it.
class CSingleInstanceLock {
public:
    enum class EState {
        kAcquired,
        // Another editor of this user holds it.
        kHeldElsewhere,
        // The folder or the file could not be used; Failure() says why.
        kFailed,
    };

    CSingleInstanceLock();
    explicit CSingleInstanceLock(const std::filesystem::path& lockFile);
    ~CSingleInstanceLock();
    CSingleInstanceLock(const CSingleInstanceLock&) = delete;
    CSingleInstanceLock& operator=(const CSingleInstanceLock&) = delete;

    EState State() const { return m_state; }
    bool IsAcquired() const { return m_state == EState::kAcquired; }
    // The path and the system's reason when the state is kFailed (file-system bytes).
    const std::string& Failure() const { return m_failure; }

private:
    void Acquire(const std::filesystem::path& lockFile);

    int m_fd = -1;
    EState m_state = EState::kFailed;
    std::string m_failure;
};

}  // namespace kw
