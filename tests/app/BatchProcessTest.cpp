#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/CommandLine.h"
#include "competition/Competition.h"
#include "demo/DemoGenerator.h"
#include "exports/master/MasterFileReader.h"
#include "model/World.h"
#include "platform/Environment.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

extern char** environ;

namespace kw {
namespace {

namespace fs = std::filesystem;

struct ProcessResult {
    int exitCode = -1;
    bool exitedNormally = false;
    std::string out;
    std::string err;
};

// Runs the built kwedit in `directory` as a user without any display would: the display
// variables are removed, and `changes` set (a value) or remove (nothing) further variables.
ProcessResult RunEditor(const std::vector<std::string>& arguments, const fs::path& directory,
                        const std::map<std::string, std::optional<std::string>>& changes = {}) {
    // The empty folders of these runs stay empty: no demo installation stands in for them.
    std::map<std::string, std::optional<std::string>> variables = changes;
    variables.try_emplace("KW06_NO_DEMO", "1");
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        variables.try_emplace(name, std::nullopt);
    }
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!variables.contains(std::string(*entry, std::strcspn(*entry, "=")))) {
            environment.emplace_back(*entry);
        }
    }
    for (const auto& [name, value] : variables) {
        if (value) {
            environment.push_back(name + "=" + *value);
        }
    }
    std::vector<std::string> command = {KWEDIT_PATH};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const auto pointers = [](std::vector<std::string>& texts) {
        std::vector<char*> list;
        for (std::string& text : texts) {
            list.push_back(text.data());
        }
        list.push_back(nullptr);
        return list;
    };
    const std::vector<char*> argv = pointers(command);
    const std::vector<char*> envp = pointers(environment);

    const test::TempDir output;
    const fs::path outPath = output / "out";
    const fs::path errPath = output / "err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());

    ProcessResult result;
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << argv[0];
        return result;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitedNormally = WIFEXITED(status);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = test::ReadFile(outPath);
    result.err = test::ReadFile(errPath);
    return result;
}

class BatchProcess : public ::testing::Test {
protected:
    test::TempDir m_work;
};

// Qt would abort without a display: the batch build runs, the window ends with a hint.
TEST_F(BatchProcess, WithoutDisplayTheBatchBuildRunsTheWindowEndsWithAHintAndVersionIsAnswered) {
    const ProcessResult batch = RunEditor({"-master"}, m_work.Path());
    EXPECT_TRUE(batch.exitedNormally);
    EXPECT_EQ(batch.exitCode, 1);
    // An empty database has no complete country to build from.
    EXPECT_EQ(batch.out,
              "Build Master.dat : Language 0\nPath is \nNo completed countries\nReady\n");
    EXPECT_TRUE(batch.err.starts_with("Installation: ")) << batch.err;
    const ProcessResult window = RunEditor({}, m_work.Path());
    EXPECT_TRUE(window.exitedNormally);
    EXPECT_EQ(window.exitCode, 1);
    EXPECT_EQ(window.out, "");
    EXPECT_NE(window.err.find("-master"), std::string::npos) << window.err;

    // A documents folder outside the code page is reported on the console in batch mode.
    const ProcessResult unicode =
        RunEditor({"-master"}, m_work.Path(),
                  {{"XDG_DOCUMENTS_DIR", (m_work / "\xE6\x96\x87\xE6\x9B\xB8").string()}});
    EXPECT_EQ(unicode.exitCode, 1);
    EXPECT_EQ(unicode.out, "");
    EXPECT_NE(unicode.err.find("Unicode"), std::string::npos) << unicode.err;

    // Version and help are answered before anything else: with another editor running, no
    // installation and words that would rename a file or start the batch build, nothing but the
    // answer happens.
    const CSingleInstanceLock running;
    ASSERT_TRUE(running.IsAcquired());
    test::WriteFile(m_work / "MappingTeamIDs.txt", "teams");
    const fs::path data = m_work / "data";
    const std::map<std::string, std::optional<std::string>> demoAllowed = {
        {"KW06_NO_DEMO", std::nullopt}, {"XDG_DATA_HOME", data.string()}};

    const ProcessResult version =
        RunEditor({"export", "-master", "--help", "--version"}, m_work.Path(), demoAllowed);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_THAT(version.out,
                ::testing::MatchesRegex("kwedit " KW_PROJECT_VERSION "( \\(git [0-9a-f]+\\))?\n"));
    const ProcessResult help = RunEditor({"-master", "--help", "eng"}, m_work.Path(), demoAllowed);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out, CommandLineHelp());
    EXPECT_EQ(version.err + help.err, "");
    EXPECT_TRUE(fs::exists(m_work / "MappingTeamIDs.txt"));
    EXPECT_FALSE(fs::exists(data));
}

TEST_F(BatchProcess, MasterNamesTheInstallationItReadsAndBuildsTheSameInEveryRun) {
    CSilentProgress progress;
    const fs::path data = m_work / "data";
    ASSERT_TRUE(demo::GenerateDemoInstallation(data / "kwedit" / "demo", demo::EDemoScale::kSmall,
                                               1, progress)
                    .ok);
    const fs::path demo = fs::canonical(data / "kwedit" / "demo");
    const fs::path elsewhere = m_work / "elsewhere";
    fs::create_directories(elsewhere);
    const std::string database = "\nDatabase folder: " + (demo / "database").string() + "\n";

    const ProcessResult generated = RunEditor(
        {"-master"}, elsewhere, {{"KW06_NO_DEMO", std::nullopt}, {"XDG_DATA_HOME", data.string()}});
    EXPECT_EQ(generated.out, "Build Master.dat : Language 0\nPath is \nReady\n");
    const std::string first = test::ReadFile(demo / "database" / "Master.dat");
    EXPECT_TRUE(VerifyMasterFile(std::vector<std::uint8_t>(first.begin(), first.end()), 0).Ok());
    EXPECT_EQ(generated.err, "Installation: " + demo.string() +
                                 " (the generated demo installation, not the game's data: no "
                                 "installation is configured)" +
                                 database);

    const ProcessResult configured =
        RunEditor({"-master"}, elsewhere, {{"KW06_INSTALL_DIR", demo.string()}});
    EXPECT_EQ(configured.out, generated.out);
    EXPECT_EQ(configured.err,
              "Installation: " + demo.string() + " (the configured installation)" + database);
    EXPECT_EQ(test::ReadFile(demo / "database" / "Master.dat"), first);
    RunEditor({"-master", "eng", "ps2"}, elsewhere, {{"KW06_INSTALL_DIR", demo.string()}});
    const std::string one = test::ReadFile(demo / "database" / "Master1.dat");
    EXPECT_TRUE(VerifyMasterFile(std::vector<std::uint8_t>(one.begin(), one.end()), 1).Ok());
}

// Country `number`'s lowest league level leaves its league system: its clubs then play in no
// league, and the country stays complete.
void DropLowestLevel(const fs::path& install, int number) {
    CWorld world(install);
    world.InitialiseCountries();
    CSilentProgress progress;
    world.Load(install / "database", progress);
    int lowest = 0;
    for (const auto& [id, node] : world.Competitions()) {
        if (node->Country() == number && node->Type() == kLeagueType) {
            lowest = std::max<int>(lowest, node->Level());
        }
    }
    std::vector<std::uint32_t> dropped;
    for (const auto& [id, node] : world.Competitions()) {
        if (node->Country() == number && node->Level() == lowest &&
            (node->Type() == kLeagueType || node->Type() == kPoolType)) {
            dropped.push_back(id);
        }
    }
    for (const std::uint32_t id : dropped) {
        world.RemoveCompetitionTree(id);
    }
    ASSERT_TRUE(world.Country(number).IsComplete());
    CScriptedUserInterface ui;
    ASSERT_TRUE(world.Save(progress, ui));
}

// "killdata" on the full demo, whose country 14 has more clubs than the limit: while its leagues
// hold all of them nothing is deleted; once its lowest level has left the league system, the
// clubs without league go until 100 are left, and no other country loses one.
TEST_F(BatchProcess, KillDataLimitsCountry14AsFarAsItsLeaguesAllow) {
    constexpr int kLimited = 14;
    constexpr int kLimit = 100;
    CSilentProgress progress;
    ASSERT_TRUE(
        demo::GenerateDemoInstallation(m_work.Path(), demo::EDemoScale::kFull, 1, progress).ok);
    std::string err;
    const auto build = [&](const std::vector<std::string>& arguments) {
        const ProcessResult result = RunEditor(arguments, m_work.Path());
        EXPECT_EQ(result.out, "Build Master.dat : Language 0\nPath is \nReady\n");
        err = result.err;
        return test::ReadFile(m_work / "database" / "Master.dat");
    };
    const auto verify = [](const std::string& master) {
        const SMasterFileReport report =
            VerifyMasterFile(std::vector<std::uint8_t>(master.begin(), master.end()), 0);
        EXPECT_TRUE(report.Ok()) << report.error;
        return report;
    };

    const std::string whole = build({"-master"});
    const SMasterFileReport all = verify(whole);
    ASSERT_GT(all.countryClubs[kLimited], kLimit);
    EXPECT_EQ(build({"-master", "killdata"}), whole);
    EXPECT_NE(err.find("To many Teams used in current competition structure"), std::string::npos)
        << err;

    DropLowestLevel(m_work.Path(), kLimited);
    const SMasterFileReport unlimited = verify(build({"-master"}));
    const SMasterFileReport limited = verify(build({"-master", "killdata"}));
    EXPECT_EQ(unlimited.countryClubs, all.countryClubs);
    auto expected = unlimited.countryClubs;
    expected[kLimited] = kLimit;
    EXPECT_EQ(limited.countryClubs, expected);
    // Every league keeps its teams: the country is still offered.
    EXPECT_EQ(limited.completeCountries, unlimited.completeCountries);
}

}  // namespace
}  // namespace kw
