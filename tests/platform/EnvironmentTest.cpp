#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <optional>
#include <string>

#include "TempDir.h"
#include "platform/Environment.h"

namespace {

namespace fs = std::filesystem;
using kw::test::TempDir;
using kw::test::WriteFile;

// Sets or removes one variable for the lifetime of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (m_old) {
            setenv(m_name, m_old->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
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

TEST_F(InstallDirectory, NothingWhenNoSettingExists) {
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), std::nullopt);
}

TEST_F(InstallDirectory, VariableBeatsUserBeatsSystemInOrder) {
    WriteSettings(m_system2, "INSTALL DIR=/sys2\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/sys2"));
    WriteSettings(m_system1, "INSTALL DIR=/sys1\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/sys1"));
    WriteSettings(m_user, "INSTALL DIR=/user\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/user"));
    ScopedVariable variable("KW06_INSTALL_DIR", "/games/kw06");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/games/kw06"));
}

TEST_F(InstallDirectory, EmptyValuesCountAsUnset) {
    WriteSettings(m_user, "INSTALL DIR=   \n");
    WriteSettings(m_system2, "INSTALL DIR=/sys2\n");
    ScopedVariable variable("KW06_INSTALL_DIR", "");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/sys2"));
}

TEST_F(InstallDirectory, SkipsCommentsSectionsAndOtherKeys) {
    WriteSettings(m_user,
                  "\xEF\xBB\xBF# INSTALL DIR=/comment\r\n"
                  "; INSTALL DIR=/comment\r\n"
                  "[INSTALL DIR=/section]\r\n"
                  "INSTALL DIRS=/other\r\n"
                  "INSTALL DIR\r\n"
                  "\r\n"
                  "  install dir  =  \"/spiele/Kickwerk 06\"  \r\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/spiele/Kickwerk 06"));
}

TEST_F(InstallDirectory, UserFolderDefaultsToHomeConfig) {
    ScopedVariable home("HOME", (m_root / "home").string());
    ScopedVariable unset("XDG_CONFIG_HOME", "");
    WriteSettings(m_root / "home" / ".config", "INSTALL DIR=/from/home\n");
    EXPECT_EQ(kw::ConfiguredInstallDirectory(), fs::path("/from/home"));
}

TEST(DocumentsDirectory, CreatedWhereTheVariablesSay) {
    TempDir root;
    {
        ScopedVariable documents("XDG_DOCUMENTS_DIR", (root / "deep" / "Dokumente").string());
        EXPECT_EQ(kw::DocumentsDirectory(), root / "deep" / "Dokumente");
        EXPECT_TRUE(fs::is_directory(root / "deep" / "Dokumente"));
    }
    ScopedVariable documents("XDG_DOCUMENTS_DIR", std::nullopt);
    ScopedVariable home("HOME", root.Path().string());
    EXPECT_EQ(kw::DocumentsDirectory(), root / "Documents");
    EXPECT_TRUE(fs::is_directory(root / "Documents"));
}

TEST(DocumentsDirectory, NothingWithoutHomeOrWhenItCannotBeCreated) {
    TempDir root;
    {
        ScopedVariable documents("XDG_DOCUMENTS_DIR", std::nullopt);
        ScopedVariable home("HOME", std::nullopt);
        EXPECT_EQ(kw::DocumentsDirectory(), std::nullopt);
    }
    WriteFile(root / "file", "x");
    ScopedVariable documents("XDG_DOCUMENTS_DIR", (root / "file" / "Documents").string());
    EXPECT_EQ(kw::DocumentsDirectory(), std::nullopt);
}

TEST(RuntimeDirectory, FallsBackToTheTemporaryFolder) {
    {
        ScopedVariable runtime("XDG_RUNTIME_DIR", "/run/user/4711");
        EXPECT_EQ(kw::RuntimeDirectory(), fs::path("/run/user/4711"));
    }
    ScopedVariable runtime("XDG_RUNTIME_DIR", "");
    EXPECT_EQ(kw::RuntimeDirectory(), fs::temp_directory_path());
}

TEST(SingleInstanceLock, OnlyOneHolderAtATime) {
    TempDir root;
    const fs::path file = root / "kwedit.lock";
    {
        const kw::CSingleInstanceLock first(file);
        ASSERT_TRUE(first.IsAcquired());
        const kw::CSingleInstanceLock second(file);
        EXPECT_FALSE(second.IsAcquired());
    }
    const kw::CSingleInstanceLock again(file);
    EXPECT_TRUE(again.IsAcquired());
    const kw::CSingleInstanceLock nowhere(root / "missing" / "kwedit.lock");
    EXPECT_FALSE(nowhere.IsAcquired());
}

TEST(SingleInstanceLock, AnotherProcessHoldsItUntilItEnds) {
    TempDir root;
    const fs::path file = root / "kwedit.lock";
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(ready[0]);
        close(release[1]);
        const kw::CSingleInstanceLock lock(file);
        const char state = lock.IsAcquired() ? 'y' : 'n';
        (void)!write(ready[1], &state, 1);
        char ignored;
        (void)!read(release[0], &ignored, 1);  // returns when the parent closes its end
        _exit(0);
    }
    close(ready[1]);
    close(release[0]);
    char state = 0;
    ASSERT_EQ(read(ready[0], &state, 1), 1);
    EXPECT_EQ(state, 'y');
    EXPECT_FALSE(kw::CSingleInstanceLock(file).IsAcquired());
    close(release[1]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    close(ready[0]);
    EXPECT_TRUE(kw::CSingleInstanceLock(file).IsAcquired());
}

}  // namespace
