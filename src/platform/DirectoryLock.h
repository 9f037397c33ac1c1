#pragma once

#include <filesystem>

namespace kw {

// An exclusive advisory lock on a folder, waited for and held for the lifetime of the object, so
// that work in a fixed place inside it (another process's, or another thread's with a lock of its
// own) comes after it instead of beside it. Not held when the folder cannot be opened.
class CDirectoryLock {
public:
    explicit CDirectoryLock(const std::filesystem::path& folder);
    ~CDirectoryLock();
    CDirectoryLock(const CDirectoryLock&) = delete;
    CDirectoryLock& operator=(const CDirectoryLock&) = delete;

    bool IsHeld() const { return m_descriptor >= 0; }

private:
    int m_descriptor = -1;
};

}  // namespace kw
