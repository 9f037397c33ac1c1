#include "platform/AtomicFileBatch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <optional>

#include "platform/CommitRecovery.h"
#include "platform/FileCalls.h"

namespace kw {

namespace {

thread_local CAtomicFileBatch* t_batch = nullptr;

std::vector<std::filesystem::path> FoldersOf(const std::vector<SCommitEntry>& entries) {
    std::vector<std::filesystem::path> folders;
    for (const SCommitEntry& entry : entries) {
        std::filesystem::path folder = entry.target.parent_path();
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(std::move(folder));
        }
    }
    return folders;
}

// The device of a folder, to sync each file system once; nothing when it cannot be opened.
std::optional<dev_t> DeviceOf(const std::filesystem::path& folder) {
    struct stat info {};
    return stat(folder.empty() ? "." : folder.c_str(), &info) == 0 ? std::optional(info.st_dev)
                                                                   : std::nullopt;
}

bool SyncFileSystemOf(const SWriteOptions& options, const std::filesystem::path& folder) {
    if (FileCallFails(options, EFileCall::kSync, folder)) {
        return false;
    }
    if (!options.durable) {
        return true;
    }
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = syncfs(fd) == 0;
    return (close(fd) == 0) && synced;
}

}  // namespace

CAtomicFileBatch::CAtomicFileBatch(std::filesystem::path recordFolder, SWriteOptions options)
    : m_recordFolder(std::move(recordFolder)), m_options(options), m_previous(t_batch) {
    t_batch = this;
}

CAtomicFileBatch::~CAtomicFileBatch() {
    RemovePending();
    t_batch = m_previous;
}

CAtomicFileBatch* CAtomicFileBatch::Current() {
    return t_batch;
}

void CAtomicFileBatch::Add(SCommitEntry entry) {
    m_pending.push_back(std::move(entry));
}

void CAtomicFileBatch::RemovePending() {
    for (const SCommitEntry& file : m_pending) {
        RemoveFile(m_options, file.temporary);
    }
    m_pending.clear();
}

bool CAtomicFileBatch::SyncFileSystems() {
    // The temporary files lie beside their targets, so one syncfs per file system (normally a
    // single one) writes them all before the record makes them count. A folder that cannot be
    // looked at fails the commit before anything is replaced.
    std::vector<dev_t> synced;
    for (const auto& folder : FoldersOf(m_pending)) {
        const auto device = DeviceOf(folder);
        if (!device) {
            return false;
        }
        if (std::find(synced.begin(), synced.end(), *device) == synced.end()) {
            if (!SyncFileSystemOf(m_options, folder)) {
                return false;
            }
            synced.push_back(*device);
        }
    }
    return true;
}

bool CAtomicFileBatch::Rename(bool recorded) {
    bool ok = true;
    for (const SCommitEntry& file : m_pending) {
        if (!RenameFile(m_options, file.temporary, file.target)) {
            ok = false;
            // A recorded file is left for the next open to move into place; without a record
            // its target simply keeps the previous content.
            if (!recorded) {
                RemoveFile(m_options, file.temporary);
            }
        }
    }
    return ok;
}

bool CAtomicFileBatch::SyncFolders() {
    std::vector<std::filesystem::path> folders = FoldersOf(m_pending);
    if (std::find(folders.begin(), folders.end(), m_recordFolder) == folders.end()) {
        folders.push_back(m_recordFolder);
    }
    bool ok = true;
    for (const auto& folder : folders) {
        ok = SyncFolder(m_options, folder) && ok;
    }
    return ok;
}

bool CAtomicFileBatch::Commit() {
    if (m_failed) {
        RemovePending();
        return false;
    }
    if (m_pending.empty()) {
        return true;
    }
    // A record left by an earlier commit that died is completed first, or this one's record
    // would take its place and its temporaries would be forgotten.
    if (FinishInterruptedCommit(m_recordFolder, m_options) == ECommitRecovery::kIncomplete ||
        !SyncFileSystems()) {
        RemovePending();
        return false;
    }
    // A single rename is atomic by itself.
    const bool recorded = m_pending.size() > 1;
    if (recorded && !WriteCommitRecord(m_options, m_recordFolder, m_pending)) {
        RemovePending();
        return false;
    }
    bool ok = Rename(recorded);
    ok = SyncFolders() && ok;
    m_pending.clear();
    // Until the renames are known to be on the disk the record stays, for the next open.
    return ok && (!recorded || RemoveFile(m_options, m_recordFolder / kCommitRecordName));
}

}  // namespace kw
