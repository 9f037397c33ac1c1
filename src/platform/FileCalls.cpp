#include "platform/FileCalls.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace kw {

bool SWriteOptions::DurableWritesByDefault() {
    static const bool durable = std::getenv("KW06_NO_SYNC") == nullptr;
    return durable;
}

bool FileCallFails(const SWriteOptions& options, EFileCall kind,
                   const std::filesystem::path& path) {
    if (options.faults == nullptr || !options.faults->Fails(kind, path)) {
        return false;
    }
    errno = EIO;
    return true;
}

bool RenameFile(const SWriteOptions& options, const std::filesystem::path& from,
                const std::filesystem::path& to) {
    return !FileCallFails(options, EFileCall::kRename, to) &&
           std::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const SWriteOptions& options, const std::filesystem::path& file) {
    return !FileCallFails(options, EFileCall::kUnlink, file) &&
           (unlink(file.c_str()) == 0 || errno == ENOENT);
}

bool SyncFolder(const SWriteOptions& options, const std::filesystem::path& folder) {
    const std::filesystem::path& name = folder.empty() ? std::filesystem::path(".") : folder;
    if (FileCallFails(options, EFileCall::kFolderSync, name)) {
        return false;
    }
    if (!options.durable) {
        return true;
    }
    const int fd = open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = fsync(fd) == 0;
    return (close(fd) == 0) && synced;
}

bool SyncDescriptor(const SWriteOptions& options, int fd, const std::filesystem::path& path) {
    return !FileCallFails(options, EFileCall::kSync, path) && (!options.durable || fsync(fd) == 0);
}

}  // namespace kw
