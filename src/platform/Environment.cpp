#include "platform/Environment.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/AsciiCase.h"
#include "platform/Cp1252.h"
#include "platform/StringTable.h"

namespace kw {

namespace fs = std::filesystem;

namespace {

// A variable that is unset or empty counts as missing, as the XDG rules say.
std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The settings file below one configuration folder; the folder names follow the registry key
// "Software\Orvel Sports\KICKWERK 06" of the Windows version.
fs::path SettingsFile(const fs::path& configFolder) {
    return configFolder / "Orvel Sports" /
           (Cp1252ToUtf8(ResourceString(ids::kProductName)) + ".conf");
}

// "INSTALL DIR" of one settings file; the last assignment wins. Key names ignore case like
// registry value names do. An empty value counts as unset.
std::optional<fs::path> InstallDirectoryFrom(const fs::path& file) {
    std::ifstream in(file);
    if (!in) {
        return std::nullopt;
    }
    std::optional<std::string> value;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        std::string_view text = line;
        if (first && text.starts_with("\xEF\xBB\xBF")) {
            text.remove_prefix(3);  // byte order mark of editors on Windows
        }
        first = false;
        text = Trim(text);
        if (text.empty() || text.front() == '#' || text.front() == ';' || text.front() == '[') {
            continue;
        }
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos ||
            !EqualsIgnoringAsciiCase(Trim(text.substr(0, equals)), "INSTALL DIR")) {
            continue;
        }
        std::string_view found = Trim(text.substr(equals + 1));
        if (found.size() >= 2 && found.front() == '"' && found.back() == '"') {
            found = found.substr(1, found.size() - 2);
        }
        value = std::string(found);
    }
    if (!value || value->empty()) {
        return std::nullopt;
    }
    return fs::path(*value);
}

std::optional<fs::path> UserConfigFolder() {
    if (auto folder = Variable("XDG_CONFIG_HOME")) {
        return fs::path(*folder);
    }
    if (auto home = Variable("HOME")) {
        return fs::path(*home) / ".config";
    }
    return std::nullopt;
}

}  // namespace

std::optional<fs::path> ConfiguredInstallDirectory() {
    if (auto directory = Variable("KW06_INSTALL_DIR")) {
        return fs::path(*directory);
    }
    if (auto folder = UserConfigFolder()) {
        if (auto directory = InstallDirectoryFrom(SettingsFile(*folder))) {
            return directory;
        }
    }
    // System-wide folders in order of importance, the first one that sets the value wins.
    const std::string folders = Variable("XDG_CONFIG_DIRS").value_or("/etc/xdg");
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos) {
            end = folders.size();
        }
        if (end > start) {
            const fs::path folder = folders.substr(start, end - start);
            if (auto directory = InstallDirectoryFrom(SettingsFile(folder))) {
                return directory;
            }
        }
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<fs::path> DocumentsDirectory() {
    fs::path folder;
    if (auto documents = Variable("XDG_DOCUMENTS_DIR")) {
        folder = *documents;
    } else if (auto home = Variable("HOME")) {
        folder = fs::path(*home) / "Documents";
    } else {
        return std::nullopt;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error)) {
        return std::nullopt;
    }
    return folder;
}

namespace {

std::string Reason(const fs::path& path, int error) {
    return path.string() + ": " + std::strerror(error);
}

}  // namespace

std::optional<fs::path> UserRuntimeDirectory(std::string& error) {
    if (auto folder = Variable("XDG_RUNTIME_DIR")) {
        return fs::path(*folder);
    }
    std::error_code code;
    fs::path temporary = fs::temp_directory_path(code);
    if (code) {
        temporary = "/tmp";
    }
    // The folder is shared by every user: the name keeps users apart, the checks keep others out.
    const uid_t user = ::getuid();
    const fs::path folder = temporary / ("kwedit-" + std::to_string(user));
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = Reason(folder, errno);
        return std::nullopt;
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
        error = Reason(folder, errno);
        return std::nullopt;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != user) {
        error = Reason(folder, EPERM);
        return std::nullopt;
    }
    if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
        error = Reason(folder, errno);
        return std::nullopt;
    }
    return folder;
}

CSingleInstanceLock::CSingleInstanceLock() {
    if (const auto folder = UserRuntimeDirectory(m_failure)) {
        Acquire(*folder / "kwedit.lock");
    }
}

CSingleInstanceLock::CSingleInstanceLock(const fs::path& lockFile) {
    Acquire(lockFile);
}

void CSingleInstanceLock::Acquire(const fs::path& lockFile) {
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        m_failure = Reason(lockFile, errno);
        return;
    }
    // flock belongs to this open file description: it is released when the process ends, however
    // it ends, and a second open of the file cannot take it either.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            m_state = EState::kHeldElsewhere;
        } else {
            m_failure = Reason(lockFile, error);
        }
        return;
    }
    m_fd = fd;
    m_state = EState::kAcquired;
}

CSingleInstanceLock::~CSingleInstanceLock() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

}  // namespace kw
