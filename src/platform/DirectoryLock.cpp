#include "platform/DirectoryLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace kw {

CDirectoryLock::CDirectoryLock(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return;
    }
    int result;
    do {
        result = ::flock(descriptor, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(descriptor);
        return;
    }
    m_descriptor = descriptor;
}

CDirectoryLock::~CDirectoryLock() {
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
    }
}

}  // namespace kw
