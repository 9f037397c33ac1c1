// The editor's start-up falls back to a supplied installation only when it has none of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "DemoInstallation.h"
#include "TempDir.h"
#include "app/VexaApp.h"
#include "platform/ScriptedUserInterface.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

class DemoStartupTest : public ::testing::Test {
protected:
    DemoStartupTest() : m_previous(fs::current_path()) {}
    ~DemoStartupTest() override { fs::current_path(m_previous); }

    // Starts the editor in `folder`; returns the state the window would get.
    std::optional<SAppContext> Start(const fs::path& folder) {
        fs::current_path(folder);
        CVexaApp app;
        app.SetFallbackInstallation([this]() -> std::optional<fs::path> {
            ++m_fallbackCalls;
            return test::SmallDemoInstallation();
        });
        CScriptedUserInterface ui;
        std::optional<SAppContext> window;
        app.Run({}, ui, [&window](SAppContext& context) { window = context; });
        return window;
    }

    int m_fallbackCalls = 0;

private:
    fs::path m_previous;
};

TEST_F(DemoStartupTest, AFolderWithoutInstallationShowsTheFallback) {
    const test::TempDir empty;
    const auto window = Start(empty.Path());
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(m_fallbackCalls, 1);
    EXPECT_TRUE(window->fallbackInstallation);
    EXPECT_EQ(fs::canonical(window->workingDirectory),
              fs::canonical(test::SmallDemoInstallation()));
}

TEST_F(DemoStartupTest, AnInstallationInTheWorkingFolderIsShownItself) {
    const auto window = Start(test::SmallDemoInstallation());
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(m_fallbackCalls, 0);
    EXPECT_FALSE(window->fallbackInstallation);
}

}  // namespace
}  // namespace kw
