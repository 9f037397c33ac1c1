#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>

namespace kw {

namespace {

thread_local CAtomicFileBatch* t_batch = nullptr;

std::mutex g_faultMutex;
std::function<bool(const std::filesystem::path&)> g_writeFault;

bool WriteFaultFor(const std::filesystem::path& target) {
    std::lock_guard lock(g_faultMutex);
    return g_writeFault && g_writeFault(target);
}

std::atomic<bool> g_durable{true};

}  // namespace

void SetWriteFaultForTesting(std::function<bool(const std::filesystem::path&)> predicate) {
    std::lock_guard lock(g_faultMutex);
    g_writeFault = std::move(predicate);
}

void SetDurableCommitsForTesting(bool durable) {
    g_durable = durable;
}

CAtomicFile::CAtomicFile(std::filesystem::path target) : m_target(std::move(target)) {}

CAtomicFile::~CAtomicFile() {
    Discard();
}

bool CAtomicFile::Open() {
    Discard();
    m_failed = false;
    // mkstemp gives a unique name beside the target, so the final rename stays on one file system.
    std::string pattern = m_target.string() + ".tmp-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        return false;
    }
    // mkstemp creates the file private; a database file is an ordinary document.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    m_stream = fdopen(fd, "wb");
    if (m_stream == nullptr) {
        close(fd);
        std::filesystem::remove(pattern);
        return false;
    }
    m_temporary = pattern;
    return true;
}

bool CAtomicFile::Write(std::string_view data) {
    if (m_stream == nullptr || m_failed) {
        return false;
    }
    if (WriteFaultFor(m_target)) {
        m_failed = true;
        return false;
    }
    if (!data.empty() && std::fwrite(data.data(), 1, data.size(), m_stream) != data.size()) {
        m_failed = true;
    }
    return !m_failed;
}

bool CAtomicFile::Commit() {
    if (m_stream == nullptr) {
        return false;
    }
    CAtomicFileBatch* const batch = CAtomicFileBatch::Current();
    bool ok = !m_failed && std::fflush(m_stream) == 0 &&
              (batch != nullptr || !g_durable || fsync(fileno(m_stream)) == 0);
    ok = (std::fclose(m_stream) == 0) && ok;
    m_stream = nullptr;
    std::error_code error;
    if (ok && batch != nullptr) {
        batch->Add(std::move(m_temporary), m_target);
        m_temporary.clear();
        return true;
    }
    if (ok) {
        std::filesystem::rename(m_temporary, m_target, error);
        ok = !error;
    }
    if (!ok) {
        std::filesystem::remove(m_temporary, error);
    }
    m_temporary.clear();
    return ok;
}

void CAtomicFile::Discard() {
    if (m_stream != nullptr) {
        std::fclose(m_stream);
        m_stream = nullptr;
    }
    if (!m_temporary.empty()) {
        std::error_code ignored;
        std::filesystem::remove(m_temporary, ignored);
        m_temporary.clear();
    }
}

namespace {

// An open folder, for syncing its file system and the renames into it.
class CFolderHandle {
public:
    explicit CFolderHandle(const std::filesystem::path& folder)
        : m_fd(open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~CFolderHandle() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    CFolderHandle(const CFolderHandle&) = delete;
    CFolderHandle& operator=(const CFolderHandle&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    std::optional<dev_t> Device() const {
        struct stat info {};
        return fstat(m_fd, &info) == 0 ? std::optional(info.st_dev) : std::nullopt;
    }
    bool SyncFileSystem() const { return syncfs(m_fd) == 0; }
    bool Sync() const { return fsync(m_fd) == 0; }

private:
    int m_fd;
};

}  // namespace

CAtomicFileBatch::CAtomicFileBatch() : m_previous(t_batch) {
    t_batch = this;
}

CAtomicFileBatch::~CAtomicFileBatch() {
    RemovePending();
    t_batch = m_previous;
}

CAtomicFileBatch* CAtomicFileBatch::Current() {
    return t_batch;
}

void CAtomicFileBatch::Add(std::filesystem::path temporary, std::filesystem::path target) {
    m_pending.push_back({std::move(temporary), std::move(target)});
}

void CAtomicFileBatch::RemovePending() {
    std::error_code ignored;
    for (const SPending& file : m_pending) {
        std::filesystem::remove(file.temporary, ignored);
    }
    m_pending.clear();
}

bool CAtomicFileBatch::Commit() {
    // The temporary files lie beside their targets, so one syncfs per file system (normally a
    // single one) writes them all before any of them replaces a good file. A folder that cannot
    // be opened any more fails at its renames below.
    std::vector<std::filesystem::path> folderPaths;
    for (const SPending& file : m_pending) {
        std::filesystem::path folder = file.target.parent_path();
        if (std::find(folderPaths.begin(), folderPaths.end(), folder) == folderPaths.end()) {
            folderPaths.push_back(std::move(folder));
        }
    }
    std::vector<std::unique_ptr<CFolderHandle>> folders;
    std::vector<dev_t> synced;
    for (const auto& path : folderPaths) {
        auto folder = std::make_unique<CFolderHandle>(path);
        const auto device = folder->IsOpen() ? folder->Device() : std::nullopt;
        const bool known =
            device && std::find(synced.begin(), synced.end(), *device) != synced.end();
        if (folder->IsOpen() && !known && g_durable) {
            if (!folder->SyncFileSystem()) {
                RemovePending();
                return false;
            }
            if (device) {
                synced.push_back(*device);
            }
        }
        folders.push_back(std::move(folder));
    }
    bool ok = true;
    for (const SPending& file : m_pending) {
        std::error_code error;
        std::filesystem::rename(file.temporary, file.target, error);
        if (error) {
            ok = false;
            std::filesystem::remove(file.temporary, error);
        }
    }
    m_pending.clear();
    for (const auto& folder : folders) {
        ok = folder->IsOpen() && (!g_durable || folder->Sync()) && ok;
    }
    return ok;
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view data) {
    CAtomicFile file(target);
    return file.Open() && file.Write(data) && file.Commit();
}

}  // namespace kw
