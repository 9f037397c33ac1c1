#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/VexaApp.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

long StreamSize(std::FILE* file) {
    std::fflush(file);
    std::fseek(file, 0, SEEK_END);
    return std::ftell(file);
}

// A second editor started as its own process while the first one shows its window: the second
// neither opens a window nor says or writes anything, and ends with the usual exit code.
TEST(SecondEditor, StartedWhileTheFirstShowsItsWindowEndsSilently) {
    const fs::path startDirectory = fs::current_path();
    const test::TempDir start;
    fs::current_path(start.Path());

    int secondOutcome = -1;
    CScriptedUserInterface ui;
    CVexaApp first;
    first.Run({}, ui, [&](SAppContext&) {
        const pid_t child = fork();
        if (child == 0) {
            // The child reports what the second editor did through its exit status.
            std::FILE* out = std::tmpfile();
            std::FILE* err = std::tmpfile();
            CScriptedUserInterface secondUi;
            int windows = 0;
            CVexaApp second;
            const int code = second.Run(
                {}, secondUi, [&](SAppContext&) { ++windows; }, out, err);
            const bool silent = windows == 0 && secondUi.Messages().empty() &&
                                StreamSize(out) == 0 && StreamSize(err) == 0;
            _exit(silent && code == CVexaApp::kExitCode ? 0 : 1);
        }
        int status = 0;
        if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
            secondOutcome = WEXITSTATUS(status);
        }
    });
    fs::current_path(startDirectory);
    EXPECT_EQ(secondOutcome, 0);
    EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace kw
