#pragma once

#include <filesystem>

#include "platform/FileFaults.h"
#include "platform/WriteOptions.h"

namespace kw {

// The file-system calls of atomic writes and commits. Each first asks the options' fault seam; a
// call the seam fails does nothing and reports failure with errno EIO. Flushes to the disk are
// asked about even when the options skip them, so tests without durable writes still reach every
// failure path.

// True when the seam fails this call.
bool FileCallFails(const SWriteOptions& options, EFileCall kind, const std::filesystem::path& path);

bool RenameFile(const SWriteOptions& options, const std::filesystem::path& from,
                const std::filesystem::path& to);
// True also when there was nothing to remove.
bool RemoveFile(const SWriteOptions& options, const std::filesystem::path& file);
// Makes the folder's entries (renames, new and removed files) durable.
bool SyncFolder(const SWriteOptions& options, const std::filesystem::path& folder);
// Makes an open file's bytes durable.
bool SyncDescriptor(const SWriteOptions& options, int fd, const std::filesystem::path& path);

}  // namespace kw
