#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "platform/WriteOptions.h"

namespace kw {

class CAtomicFileBatch;

// Replaces a file without ever leaving it half-written: data goes to a temporary file beside the
// target (named by TemporaryPattern, so that a leftover one is recognised); Commit checks every
// write, flushes, closes and renames into place. A file that is destroyed without a successful
// Commit removes its temporary file and leaves the target as it was.
//
// A file opened while a CAtomicFileBatch is alive on the same thread belongs to that batch: it
// is written with the batch's options, Commit leaves it as a complete temporary for the batch to
// rename, and any failure of the file (or abandoning it uncommitted) fails the whole batch. Such
// a file must end before its batch.
class CAtomicFile {
public:
    explicit CAtomicFile(std::filesystem::path target, SWriteOptions options = {});
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    bool Open();
    bool IsOpen() const { return m_stream != nullptr; }
    // Returns false once any write has failed; later writes are dropped.
    bool Write(std::string_view data);
    // Overwrites bytes already written (a header completed last); the end stays where it was.
    bool WriteAt(std::uint64_t offset, std::string_view data);
    bool Commit();
    void Discard();

    const std::filesystem::path& Target() const { return m_target; }

private:
    bool Fail();

    std::filesystem::path m_target;
    SWriteOptions m_options;
    std::filesystem::path m_temporary;
    std::FILE* m_stream = nullptr;
    CAtomicFileBatch* m_batch = nullptr;
    std::uint64_t m_size = 0;
    bool m_failed = false;
};

// Writes a whole file atomically.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view data,
                         const SWriteOptions& options = {});

}  // namespace kw
