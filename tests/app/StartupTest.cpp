#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/VexaApp.h"
#include "platform/Environment.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;
using Kind = CScriptedUserInterface::Message::Kind;

// The working directory is reported without symbolic links, as the system gives it.
fs::path Real(const fs::path& path) {
    return fs::canonical(path);
}

// Text written to a FILE* by the code under test.
class CapturedStream {
public:
    CapturedStream() : m_file(open_memstream(&m_text, &m_size)) {}
    ~CapturedStream() {
        std::fclose(m_file);
        std::free(m_text);
    }
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;

    std::FILE* File() const { return m_file; }
    std::string Text() const {
        std::fflush(m_file);
        return std::string(m_text, m_size);
    }

private:
    char* m_text = nullptr;
    std::size_t m_size = 0;
    std::FILE* m_file;
};

// Start-up changes the working directory and reads the environment; each test gets both back.
class Startup : public ::testing::Test {
protected:
    Startup() : m_startDirectory(fs::current_path()) {
        if (const char* documents = std::getenv("XDG_DOCUMENTS_DIR")) {
            m_documents = documents;
        }
        fs::current_path(m_start.Path());
    }

    ~Startup() override {
        fs::current_path(m_startDirectory);
        unsetenv("KW06_INSTALL_DIR");
        if (m_documents) {
            setenv("XDG_DOCUMENTS_DIR", m_documents->c_str(), 1);
        }
    }

    void ConfigureInstallation(const fs::path& directory) {
        setenv("KW06_INSTALL_DIR", directory.c_str(), 1);
    }

    // Runs start-up; the window callback records the state it was handed and whether the lock
    // was held meanwhile.
    int Run(const std::vector<std::string>& arguments) {
        return m_app.Run(
            arguments, m_ui,
            [this](SAppContext& context) {
                ++m_windowRuns;
                m_windowContext = context;
                m_lockHeld = !CSingleInstanceLock().IsAcquired();
            },
            m_out.File(), m_err.File());
    }

    const fs::path& StartPath() const { return m_start.Path(); }

    test::TempDir m_start;
    test::TempDir m_install;
    CScriptedUserInterface m_ui;
    CVexaApp m_app;
    CapturedStream m_out;
    CapturedStream m_err;
    int m_windowRuns = 0;
    bool m_lockHeld = false;
    SAppContext m_windowContext;

private:
    fs::path m_startDirectory;
    std::optional<std::string> m_documents;
};

// The window runs in the start directory while the lock is held, and the lock is released
// afterwards; the window words reach it.
TEST_F(Startup, WithoutInstallationRunsTheWindowInTheStartDirectory) {
    EXPECT_EQ(Run({"lang", "wolkenkratzer_nord"}), 1);
    ASSERT_EQ(m_windowRuns, 1);
    EXPECT_EQ(m_windowContext.title, "Editor");
    EXPECT_EQ(m_windowContext.startDirectory, Real(StartPath()));
    EXPECT_EQ(m_windowContext.workingDirectory, Real(StartPath()));
    EXPECT_FALSE(m_windowContext.installationConfigured);
    EXPECT_FALSE(m_windowContext.fullInstallation);
    EXPECT_TRUE(m_windowContext.languageSelection);
    EXPECT_TRUE(m_windowContext.tools);
    EXPECT_TRUE(m_lockHeld);
    EXPECT_TRUE(CSingleInstanceLock().IsAcquired());
    EXPECT_TRUE(m_ui.Messages().empty());
    EXPECT_EQ(m_out.Text(), "");
}

// A missing installation folder keeps the working directory; a configured one becomes it (a full
// installation has the data archive, found in any letter case), and "export" without "-master"
// renames there and opens the window.
TEST_F(Startup, ConfiguredInstallationBecomesTheWorkingDirectory) {
    ConfigureInstallation(m_install / "gone");
    Run({});
    ASSERT_EQ(m_windowRuns, 1);
    EXPECT_FALSE(m_windowContext.installationConfigured);
    EXPECT_EQ(m_windowContext.workingDirectory, Real(StartPath()));

    test::WriteFile(m_install / "Data" / "ZDATA_06.BIG", "archive");
    test::WriteFile(m_install / "MappingTeamIDs.txt", "install");
    test::WriteFile(StartPath() / "MappingTeamIDs.txt", "start");
    ConfigureInstallation(m_install.Path());
    Run({"export"});
    ASSERT_EQ(m_windowRuns, 2);
    EXPECT_TRUE(m_windowContext.installationConfigured);
    EXPECT_TRUE(m_windowContext.fullInstallation);
    EXPECT_EQ(m_windowContext.startDirectory, Real(StartPath()));
    EXPECT_EQ(m_windowContext.workingDirectory, Real(m_install.Path()));
    // The process keeps its own working folder: paths are formed from the context.
    EXPECT_EQ(fs::current_path(), fs::canonical(StartPath()));
    EXPECT_FALSE(m_windowContext.commandLine.master);
    EXPECT_EQ(m_windowContext.commandLine.options, option::kExport);
    EXPECT_EQ(test::ReadFile(m_install / "MappingTeamIDs1.txt"), "install");
    EXPECT_FALSE(fs::exists(m_install / "MappingTeamIDs.txt"));
    EXPECT_EQ(test::ReadFile(StartPath() / "MappingTeamIDs.txt"), "start");
    EXPECT_TRUE(m_ui.Messages().empty());

    // Only a lock that another editor holds means "already running"; any other failure is said
    // and the editor starts.
    const char* const isolatedRuntime = std::getenv("XDG_RUNTIME_DIR");
    ASSERT_NE(isolatedRuntime, nullptr);
    const std::string runtime = isolatedRuntime;
    const fs::path missing = m_install / "missing";
    setenv("XDG_RUNTIME_DIR", missing.c_str(), 1);
    Run({});
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    EXPECT_EQ(m_windowRuns, 3);
    const std::vector<std::string> errors = m_ui.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find((missing / "kwedit.lock").string()), std::string::npos) << errors[0];
}

// Message 888 for a documents or working folder outside the code page, before the arguments are
// read; Windows-1252 letters in folder names are accepted.
TEST_F(Startup, FolderNamesOutsideTheCodePageEndWithMessage888) {
    const std::vector<std::string> unicode = {std::string(ResourceString(ids::kUnicodeDirectory))};
    setenv("XDG_DOCUMENTS_DIR", (m_install / "\xE6\x96\x87\xE6\x9B\xB8").c_str(), 1);  // 文書
    test::WriteFile(StartPath() / "MappingTeamIDs.txt", "start");
    EXPECT_EQ(Run({"export"}), 1);
    EXPECT_EQ(m_windowRuns, 0);
    EXPECT_EQ(m_ui.Texts(Kind::Error), unicode);
    EXPECT_TRUE(fs::exists(StartPath() / "MappingTeamIDs.txt"));

    setenv("XDG_DOCUMENTS_DIR", (m_install / "Dokumente \xC3\x84").c_str(), 1);
    const fs::path korean = m_install / "\xED\x95\x9C";  // 한
    fs::create_directories(korean);
    ConfigureInstallation(korean);
    Run({"-master"});
    EXPECT_EQ(m_windowRuns, 0);
    EXPECT_EQ(m_ui.Texts(Kind::Error).size(), 2u);
    EXPECT_EQ(m_ui.Texts(Kind::Error).back(), unicode[0]);
    EXPECT_EQ(m_out.Text(), "");

    const fs::path accepted = m_install / "M\xC3\xBCller \xE2\x82\xAC";  // "Müller €"
    fs::create_directories(accepted);
    ConfigureInstallation(accepted);
    Run({});
    EXPECT_EQ(m_windowRuns, 1);
    EXPECT_EQ(m_ui.Messages().size(), 2u);
}

TEST_F(Startup, SecondInstanceEndsSilently) {
    const CSingleInstanceLock running;
    ASSERT_TRUE(running.IsAcquired());
    test::WriteFile(StartPath() / "MappingTeamIDs.txt", "start");
    EXPECT_EQ(Run({"export"}), 1);
    EXPECT_EQ(Run({"-master", "export"}), 1);
    EXPECT_EQ(m_windowRuns, 0);
    EXPECT_TRUE(m_ui.Messages().empty());
    EXPECT_EQ(m_out.Text(), "");
    EXPECT_EQ(m_err.Text(), "");
    EXPECT_TRUE(fs::exists(StartPath() / "MappingTeamIDs.txt"));
}

TEST_F(Startup, MasterRunsTheBatchBuildInsteadOfTheWindowInTheBatchPath) {
    EXPECT_EQ(Run({"-master", "eng", "spa"}), 1);
    EXPECT_EQ(m_windowRuns, 0);
    // The empty database has no complete country to build from.
    EXPECT_EQ(m_out.Text(),
              "Build Master.dat : Language 3\nPath is \nNo completed countries\nReady\n");
    EXPECT_EQ(m_err.Text(), "Installation: " + Real(StartPath()).string() +
                                " (the working folder: no installation is configured)\n"
                                "Database folder: " +
                                (Real(StartPath()) / "database").string() + "\n");
    EXPECT_EQ(m_app.Context().installDirectory, Real(StartPath()));
    EXPECT_EQ(m_app.Context().databaseDirectory, Real(StartPath()) / "database");

    // The batch path becomes the installation directory; a missing one is reported and the
    // build goes on; a relative one is taken from the installation.
    const fs::path build = m_install / "build";
    fs::create_directories(build / "DataBase");
    Run({"-master", "path" + build.string()});
    EXPECT_TRUE(m_out.Text().ends_with("Build Master.dat : Language 0\nPath is " + build.string() +
                                       "\nNo completed countries\nReady\n"));
    EXPECT_EQ(m_app.Context().installDirectory, Real(build));
    // An existing database folder is found in any letter case.
    EXPECT_EQ(m_app.Context().databaseDirectory, Real(build) / "DataBase");
    EXPECT_EQ(fs::current_path(), fs::canonical(StartPath()));

    Run({"-master", "path" + (m_install / "missing").string()});
    EXPECT_NE(m_err.Text().find((m_install / "missing").string()), std::string::npos)
        << m_err.Text();
    EXPECT_TRUE(m_out.Text().ends_with("Ready\n"));
    EXPECT_EQ(m_app.Context().installDirectory, Real(StartPath()));

    ConfigureInstallation(m_install.Path());
    Run({"-master", "pathbuild"});
    EXPECT_EQ(m_app.Context().installDirectory, Real(build));
}

}  // namespace
}  // namespace kw
