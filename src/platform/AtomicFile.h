#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string_view>

namespace kw {

// Replaces a file without ever leaving it half-written: data goes to a temporary file beside the
// target; Commit checks every write, flushes, closes and renames into place. A file that is
// destroyed without a successful Commit removes its temporary file and leaves the target as it
// was.
class CAtomicFile {
public:
    explicit CAtomicFile(std::filesystem::path target);
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    bool Open();
    bool IsOpen() const { return m_stream != nullptr; }
    // Returns false once any write has failed; later writes are dropped.
    bool Write(std::string_view data);
    bool Commit();
    void Discard();

    const std::filesystem::path& Target() const { return m_target; }

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::FILE* m_stream = nullptr;
    bool m_failed = false;
};

// Writes a whole file atomically.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view data);

// Test seam: while set, every write to a target for which the predicate returns true fails, as a
// full disk would. Pass an empty function to clear it.
void SetWriteFaultForTesting(std::function<bool(const std::filesystem::path& target)> predicate);

}  // namespace kw
