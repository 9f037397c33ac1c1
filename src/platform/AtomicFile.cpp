#include "platform/AtomicFile.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <string>
#include <system_error>

namespace kw {

namespace {

std::mutex g_faultMutex;
std::function<bool(const std::filesystem::path&)> g_writeFault;

bool WriteFaultFor(const std::filesystem::path& target) {
    std::lock_guard lock(g_faultMutex);
    return g_writeFault && g_writeFault(target);
}

}  // namespace

void SetWriteFaultForTesting(std::function<bool(const std::filesystem::path&)> predicate) {
    std::lock_guard lock(g_faultMutex);
    g_writeFault = std::move(predicate);
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
    bool ok = !m_failed && std::fflush(m_stream) == 0 && fsync(fileno(m_stream)) == 0;
    ok = (std::fclose(m_stream) == 0) && ok;
    m_stream = nullptr;
    std::error_code error;
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

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view data) {
    CAtomicFile file(target);
    return file.Open() && file.Write(data) && file.Commit();
}

}  // namespace kw
