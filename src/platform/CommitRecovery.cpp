#include "platform/CommitRecovery.h"

#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#include "platform/CommitRecord.h"
#include "platform/FileCalls.h"
#include "platform/FileContents.h"

namespace kw {

namespace {

// The record is small; anything larger is not one of ours and is read as damaged.
constexpr std::size_t kMaxRecordSize = std::size_t{64} << 20;

ECommitRecovery RollBack(const SWriteOptions& options, const std::filesystem::path& record,
                         const std::vector<SCommitEntry>& entries) {
    bool ok = true;
    for (const SCommitEntry& entry : entries) {
        ok = RemoveFile(options, entry.temporary) && ok;
    }
    ok = ok && RemoveFile(options, record);
    return ok ? ECommitRecovery::kRolledBack : ECommitRecovery::kIncomplete;
}

ECommitRecovery RollForward(const SWriteOptions& options, const std::filesystem::path& record,
                            const std::vector<SCommitEntry>& entries) {
    bool ok = true;
    std::vector<std::filesystem::path> folders;
    for (const SCommitEntry& entry : entries) {
        struct stat info {};
        if (lstat(entry.temporary.c_str(), &info) != 0) {
            // Gone: renamed before the interruption.
            ok = ok && errno == ENOENT;
            continue;
        }
        // The record is written only after its files were flushed; a temporary of another size
        // did not survive, and its target keeps what it has.
        if (!S_ISREG(info.st_mode) || static_cast<std::uint64_t>(info.st_size) != entry.size) {
            ok = RemoveFile(options, entry.temporary) && ok;
            continue;
        }
        ok = RenameFile(options, entry.temporary, entry.target) && ok;
        std::filesystem::path folder = entry.target.parent_path();
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
            folders.push_back(std::move(folder));
        }
    }
    for (const auto& folder : folders) {
        ok = SyncFolder(options, folder) && ok;
    }
    ok = ok && RemoveFile(options, record);
    return ok ? ECommitRecovery::kRolledForward : ECommitRecovery::kIncomplete;
}

}  // namespace

ECommitRecovery FinishInterruptedCommit(const std::filesystem::path& folder,
                                        const SWriteOptions& options) {
    const std::filesystem::path record = folder / kCommitRecordName;
    struct stat info {};
    if (lstat(record.c_str(), &info) != 0) {
        return errno == ENOENT ? ECommitRecovery::kNothingPending : ECommitRecovery::kIncomplete;
    }
    const auto text = ReadFileText(record, kMaxRecordSize);
    if (!text && S_ISREG(info.st_mode) &&
        static_cast<std::uint64_t>(info.st_size) <= kMaxRecordSize) {
        return ECommitRecovery::kIncomplete;  // there, but unreadable for now
    }
    const SParsedCommitRecord parsed = ParseCommitRecord(folder, text.value_or(""));
    return parsed.complete ? RollForward(options, record, parsed.entries)
                           : RollBack(options, record, parsed.entries);
}

ECommitRecovery RecoverDatabaseFolder(const std::filesystem::path& folder,
                                      const SWriteOptions& options) {
    const ECommitRecovery result = FinishInterruptedCommit(folder, options);
    if (result == ECommitRecovery::kIncomplete) {
        return result;  // the temporaries beside the record are still needed
    }
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (IsTemporaryName(it->path().filename().string()) && it->is_regular_file(error)) {
            RemoveFile(options, it->path());
        }
    }
    return result;
}

}  // namespace kw
