#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

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

// Makes a whole-world save cost one flush instead of one per file. While a batch is alive on a
// thread, CAtomicFile::Commit on that thread checks and closes the temporary file but leaves it
// beside the target; the batch's Commit then syncs the file system once, renames every file into
// place and syncs the folders. A file whose writing failed never joins the batch, so each target
// ends up either untouched or completely new. A batch destroyed without Commit removes its
// temporary files. The innermost batch of a thread collects its files.
class CAtomicFileBatch {
public:
    CAtomicFileBatch();
    ~CAtomicFileBatch();
    CAtomicFileBatch(const CAtomicFileBatch&) = delete;
    CAtomicFileBatch& operator=(const CAtomicFileBatch&) = delete;

    // Returns false if the flush or any rename failed; a file that could not be renamed keeps
    // its previous content.
    bool Commit();

private:
    friend class CAtomicFile;
    struct SPending {
        std::filesystem::path temporary;
        std::filesystem::path target;
    };
    static CAtomicFileBatch* Current();
    void Add(std::filesystem::path temporary, std::filesystem::path target);
    void RemovePending();

    std::vector<SPending> m_pending;
    CAtomicFileBatch* m_previous;
};

// Writes a whole file atomically.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view data);

// Test seam: while set, every write to a target for which the predicate returns true fails, as a
// full disk would. Pass an empty function to clear it.
void SetWriteFaultForTesting(std::function<bool(const std::filesystem::path& target)> predicate);

// Test seam: unit tests cannot observe a flush to the disk, and one per saved file (or a syncfs
// that waits for every other writer on the machine) makes them slow, so their programs turn the
// flushes off. Renames and every write check stay.
void SetDurableCommitsForTesting(bool durable);

}  // namespace kw
