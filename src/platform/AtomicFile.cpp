#include "platform/AtomicFile.h"

#include <sys/stat.h>
#include <unistd.h>
#include <string>

#include "platform/AtomicFileBatch.h"
#include "platform/CommitRecord.h"
#include "platform/FileCalls.h"

namespace kw {

CAtomicFile::CAtomicFile(std::filesystem::path target, SWriteOptions options)
    : m_target(std::move(target)), m_options(options) {}

CAtomicFile::~CAtomicFile() {
    Discard();
}

bool CAtomicFile::Fail() {
    m_failed = true;
    if (m_batch != nullptr) {
        m_batch->NoteFailure();
    }
    return false;
}

bool CAtomicFile::Open() {
    Discard();
    m_failed = false;
    m_size = 0;
    m_batch = CAtomicFileBatch::Current();
    if (m_batch != nullptr) {
        m_options = m_batch->Options();
    }
    if (FileCallFails(m_options, EFileCall::kOpen, m_target)) {
        return Fail();
    }
    // mkstemp gives a unique name beside the target, so the final rename stays on one file system.
    std::string pattern = TemporaryPattern(m_target);
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        return Fail();
    }
    // mkstemp creates the file private; a database file is an ordinary document.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    m_stream = fdopen(fd, "wb");
    if (m_stream == nullptr) {
        close(fd);
        RemoveFile(m_options, pattern);
        return Fail();
    }
    m_temporary = pattern;
    return true;
}

bool CAtomicFile::Write(std::string_view data) {
    if (m_stream == nullptr || m_failed) {
        return false;
    }
    if (FileCallFails(m_options, EFileCall::kWrite, m_target) ||
        (!data.empty() && std::fwrite(data.data(), 1, data.size(), m_stream) != data.size())) {
        return Fail();
    }
    m_size += data.size();
    return true;
}

bool CAtomicFile::WriteAt(std::uint64_t offset, std::string_view data) {
    if (m_stream == nullptr || m_failed) {
        return false;
    }
    if (offset > m_size || data.size() > m_size - offset ||
        FileCallFails(m_options, EFileCall::kWrite, m_target) ||
        fseeko(m_stream, static_cast<off_t>(offset), SEEK_SET) != 0 ||
        std::fwrite(data.data(), 1, data.size(), m_stream) != data.size() ||
        fseeko(m_stream, 0, SEEK_END) != 0) {
        return Fail();
    }
    return true;
}

bool CAtomicFile::Commit() {
    if (m_stream == nullptr) {
        return false;
    }
    bool ok = !m_failed && !FileCallFails(m_options, EFileCall::kFlush, m_target) &&
              std::fflush(m_stream) == 0;
    // A batch syncs all of its files at once.
    ok = ok && (m_batch != nullptr || SyncDescriptor(m_options, fileno(m_stream), m_target));
    const bool closeFails = FileCallFails(m_options, EFileCall::kClose, m_target);
    ok = (std::fclose(m_stream) == 0) && !closeFails && ok;
    m_stream = nullptr;
    if (!ok) {
        RemoveFile(m_options, m_temporary);
        m_temporary.clear();
        return Fail();
    }
    if (m_batch != nullptr) {
        m_batch->Add({std::move(m_temporary), m_target, m_size});
        m_temporary.clear();
        return true;
    }
    if (!RenameFile(m_options, m_temporary, m_target)) {
        RemoveFile(m_options, m_temporary);
        m_temporary.clear();
        return Fail();
    }
    m_temporary.clear();
    return SyncFolder(m_options, m_target.parent_path());
}

void CAtomicFile::Discard() {
    const bool abandoned = m_stream != nullptr || !m_temporary.empty();
    if (m_stream != nullptr) {
        std::fclose(m_stream);
        m_stream = nullptr;
    }
    if (!m_temporary.empty()) {
        RemoveFile(m_options, m_temporary);
        m_temporary.clear();
    }
    // A file left unfinished leaves its batch incomplete.
    if (abandoned) {
        Fail();
    }
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view data,
                         const SWriteOptions& options) {
    CAtomicFile file(target, options);
    return file.Open() && file.Write(data) && file.Commit();
}

}  // namespace kw
