#pragma once

#include <filesystem>

#include "platform/WriteOptions.h"

namespace kw {

enum class ECommitRecovery {
    kNothingPending,
    // The record was whole: every temporary it names that was still there replaced its target.
    kRolledForward,
    // The record was cut or damaged, so no rename had begun: its temporaries were removed.
    kRolledBack,
    // A rename or flush failed; the record stays for the next attempt.
    kIncomplete,
};

// Completes or undoes a batch commit that was interrupted in `folder` (the folder that holds
// its commit record).
ECommitRecovery FinishInterruptedCommit(const std::filesystem::path& folder,
                                        const SWriteOptions& options = {});

// What opening a database does first: FinishInterruptedCommit, then removes the temporary files
// in `folder` that no commit will use any more (left by a process that died while writing).
ECommitRecovery RecoverDatabaseFolder(const std::filesystem::path& folder,
                                      const SWriteOptions& options = {});

}  // namespace kw
