#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include "TempDir.h"
#include "platform/Environment.h"

namespace {

namespace fs = std::filesystem;
using kw::test::TempDir;
using kw::test::WriteFile;

// Sets (or, given nothing, removes) one variable for the lifetime of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        Set(name, value);
    }
    ~ScopedVariable() { Set(m_name, m_old); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    static void Set(const char* name, const std::optional<std::string>& value) {
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

class InstallDirectory : public ::testing::Test {
protected:
    void WriteSettings(const fs::path& configFolder, const std::string& content) {
        WriteFile(configFolder / "Orvel Sports" / "KICKWERK 06.conf", content);
    }

    TempDir m_root;
    const fs::path m_user = m_root / "user";
    const fs::path m_system1 = m_root / "system1";
    const fs::path m_system2 = m_root / "system2";
    ScopedVariable m_override{"KW06_INSTALL_DIR", std::nullopt};
    ScopedVariable m_userVariable{"XDG_CONFIG_HOME", m_user.string()};
    ScopedVariable m_systemVariable{"XDG_CONFIG_DIRS",
                                    m_system1.string() + "::" + m_system2.string()};
};

// The variable beats the user's settings, which beat the system's in their order; empty values
// count as unset, and the user's folder defaults to the home's ".config". A byte order mark,
// blanks, letter case and quotes around the value do not matter.
TEST_F(InstallDirectory, VariableBeatsUserBeatsSystemInOrder) {
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), std::nullopt);
    WriteSettings(m_system2, "INSTALL DIR=/sys2\n");
    WriteSettings(m_user, "INSTALL DIR=   \n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/sys2"));
    WriteSettings(m_system1, "INSTALL DIR=/sys1\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/sys1"));
    WriteSettings(m_user,
                  "\xEF\xBB\xBF  install dir  =  \"/spiele/Kickwerk 06\"  \r\n"
                  "# INSTALL DIR=/comment\r\n"
                  "; INSTALL DIR=/comment\r\n"
                  "[INSTALL DIR=/section]\r\n"
                  "INSTALL DIRS=/other\r\n"
                  "INSTALL DIR\r\n"
                  "\r\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/spiele/Kickwerk 06"));
    {
        ScopedVariable variable("KW06_INSTALL_DIR", "/games/kw06");
        EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/games/kw06"));
    }
    ScopedVariable variable("KW06_INSTALL_DIR", "");
    ScopedVariable home("HOME", (m_root / "home").string());
    ScopedVariable unset("XDG_CONFIG_HOME", "");
    WriteSettings(m_root / "home" / ".config", "INSTALL DIR=/from/home\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/from/home"));
}

TEST(UserFolders, DocumentsCreatedWhereTheVariablesSayAndAPrivateRuntimeFolder) {
    TempDir root;
    {
        ScopedVariable documents("XDG_DOCUMENTS_DIR", (root / "deep" / "Dokumente").string());
        EXPECT_EQ(kw::DocumentsDirectory(), root / "deep" / "Dokumente");
        EXPECT_TRUE(fs::is_directory(root / "deep" / "Dokumente"));
    }
    ScopedVariable documents("XDG_DOCUMENTS_DIR", std::nullopt);
    {
        ScopedVariable home("HOME", root.Path().string());
        EXPECT_EQ(kw::DocumentsDirectory(), root / "Documents");
        EXPECT_TRUE(fs::is_directory(root / "Documents"));
    }
    {
        ScopedVariable home("HOME", std::nullopt);
        EXPECT_EQ(kw::DocumentsDirectory(), std::nullopt);
    }
    WriteFile(root / "file", "x");
    ScopedVariable blocked("XDG_DOCUMENTS_DIR", (root / "file" / "Documents").string());
    EXPECT_EQ(kw::DocumentsDirectory(), std::nullopt);

    // The runtime folder: the variable, else a private folder of the user in the temporary one.
    std::string error;
    {
        ScopedVariable runtime("XDG_RUNTIME_DIR", "/run/user/4711");
        EXPECT_EQ(kw::UserRuntimeDirectory(error), fs::path("/run/user/4711"));
    }
    ScopedVariable runtime("XDG_RUNTIME_DIR", "");
    ScopedVariable temporary("TMPDIR", root.Path().string());
    const fs::path own = root / ("kwedit-" + std::to_string(getuid()));
    EXPECT_EQ(kw::UserRuntimeDirectory(error), own);
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);
    // A folder of the user that others may enter is closed to them.
    fs::permissions(own, fs::perms::all);
    EXPECT_EQ(kw::UserRuntimeDirectory(error), own);
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_all);
    // Anything but a folder of the user's own is refused, with the reason.
    fs::remove(own);
    WriteFile(own, "x");
    EXPECT_EQ(kw::UserRuntimeDirectory(error), std::nullopt);
    EXPECT_NE(error.find(own.string()), std::string::npos) << error;
    fs::remove(own);
    fs::create_directory(root / "elsewhere");
    fs::create_directory_symlink(root / "elsewhere", own);
    EXPECT_EQ(kw::UserRuntimeDirectory(error), std::nullopt);
}

// Only root can hand a folder to another user.
TEST(UserRuntimeDirectory, AFolderOfAnotherUserUnderTheNameIsRefused) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to give a folder away";
    }
    TempDir root;
    ScopedVariable runtime("XDG_RUNTIME_DIR", "");
    ScopedVariable temporary("TMPDIR", root.Path().string());
    const fs::path own = root / ("kwedit-" + std::to_string(getuid()));
    fs::create_directory(own);
    ASSERT_EQ(chown(own.c_str(), 65534, 65534), 0);
    std::string error;
    EXPECT_EQ(kw::UserRuntimeDirectory(error), std::nullopt);
    EXPECT_NE(error.find(own.string()), std::string::npos) << error;
    EXPECT_FALSE(kw::CSingleInstanceLock().IsAcquired());
}

// The exit status of `body` run in a child process.
int InChildProcess(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(body());
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SingleInstanceLock, OnlyOneHolderAtATimeInAnyProcessAndUnusableFilesFailWithTheReason) {
    TempDir root;
    const fs::path file = root / "kwedit.lock";
    using State = kw::CSingleInstanceLock::EState;
    const auto state = [&] { return static_cast<int>(kw::CSingleInstanceLock(file).State()); };
    {
        const kw::CSingleInstanceLock first(file);
        ASSERT_TRUE(first.IsAcquired());
        EXPECT_EQ(state(), static_cast<int>(State::kHeldElsewhere));
        EXPECT_EQ(InChildProcess(state), static_cast<int>(State::kHeldElsewhere));
    }
    EXPECT_EQ(InChildProcess(state), static_cast<int>(State::kAcquired));
    // A process that ends while holding the lock, however it ends, releases it.
    EXPECT_EQ(InChildProcess([&] {
                  static const kw::CSingleInstanceLock held(file);
                  return held.IsAcquired() ? 1 : 0;
              }),
              1);
    EXPECT_EQ(state(), static_cast<int>(State::kAcquired));

    // A lock that cannot be taken is no sign of another editor: it fails, and says why.
    const fs::path missing = root / "missing" / "kwedit.lock";
    const kw::CSingleInstanceLock inMissingFolder(missing);
    EXPECT_EQ(inMissingFolder.State(), State::kFailed);
    EXPECT_NE(inMissingFolder.Failure().find(missing.string()), std::string::npos);

    fs::create_directory(root / "folder.lock");
    EXPECT_EQ(kw::CSingleInstanceLock(root / "folder.lock").State(), State::kFailed);

    {
        ScopedVariable runtime("XDG_RUNTIME_DIR", (root / "none").string());
        const kw::CSingleInstanceLock withoutFolder;
        EXPECT_EQ(withoutFolder.State(), State::kFailed);
        EXPECT_NE(withoutFolder.Failure().find((root / "none").string()), std::string::npos);
    }
    ScopedVariable runtime("XDG_RUNTIME_DIR", "");
    ScopedVariable temporary("TMPDIR", root.Path().string());
    WriteFile(root / ("kwedit-" + std::to_string(getuid())), "no folder");
    EXPECT_EQ(kw::CSingleInstanceLock().State(), State::kFailed);
}

}  // namespace
