#pragma once

#include <filesystem>
#include <vector>

#include "platform/CommitRecord.h"
#include "platform/WriteOptions.h"

namespace kw {

// Makes a whole save one unit on disk, at the cost of one flush rather than one per file. While
// a batch is alive on a thread, the CAtomicFiles opened on that thread write complete temporary
// files beside their targets and leave them there (the innermost batch collects them; the
// thread is how the model's deep writers, which are handed no batch, find it).
//
// Commit decides before touching any target: if any file of the batch failed to open, write,
// flush or close, it removes every temporary and replaces nothing. Otherwise it syncs the file
// systems once, writes the commit record into the record folder (the database folder) and makes
// it durable, renames every file into place, syncs the folders and removes the record. A commit
// interrupted between its renames is finished by RecoverDatabaseFolder on the next open; one
// whose renames fail leaves the record for it too. A batch destroyed without Commit removes its
// temporary files.
class CAtomicFileBatch {
public:
    explicit CAtomicFileBatch(std::filesystem::path recordFolder, SWriteOptions options = {});
    ~CAtomicFileBatch();
    CAtomicFileBatch(const CAtomicFileBatch&) = delete;
    CAtomicFileBatch& operator=(const CAtomicFileBatch&) = delete;

    // True when every file replaced its target. False when a file failed (then nothing was
    // replaced) or when the commit itself failed: before its record was durable nothing was
    // replaced either, after it the next open of the record folder completes the renames.
    bool Commit();

    const SWriteOptions& Options() const { return m_options; }

private:
    friend class CAtomicFile;
    static CAtomicFileBatch* Current();
    void Add(SCommitEntry entry);
    void NoteFailure() { m_failed = true; }
    void RemovePending();
    bool SyncFileSystems();
    bool Rename(bool recorded);
    bool SyncFolders();

    std::filesystem::path m_recordFolder;
    SWriteOptions m_options;
    std::vector<SCommitEntry> m_pending;
    bool m_failed = false;
    CAtomicFileBatch* m_previous;
};

}  // namespace kw
