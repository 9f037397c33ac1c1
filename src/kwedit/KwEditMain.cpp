#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BuildVersion.h"
#include "app/CommandLine.h"
#include "app/VexaApp.h"
#include "demo/DemoLocation.h"
#include "document/ScopeCheck.h"
#include "exports/WorldDump.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "gui/mainwindow/QtProgress.h"
#include "gui/mainwindow/QtTranslations.h"
#include "gui/mainwindow/QtUserInterface.h"
#include "platform/Console.h"
#include "platform/StringTable.h"

namespace {

bool HasVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt aborts the process when it finds no display, so look before creating the application.
bool WindowsAvailable() {
    return HasVariable("DISPLAY") || HasVariable("WAYLAND_DISPLAY") ||
           HasVariable("QT_QPA_PLATFORM");
}

// The QApplication exists only once a window is to be shown, so the batch build runs without
// any display.
class CApplicationHolder {
public:
    CApplicationHolder(int& argc, char** argv) : m_argc(argc), m_argv(argv) {}

    bool Ensure() {
        if (!m_application && WindowsAvailable()) {
            m_application.emplace(m_argc, m_argv);
            // The desktop shell matches the window to the installed desktop entry by this id.
            QGuiApplication::setDesktopFileName(QStringLiteral("org.kickwerkeditor.KwEdit"));
            kw::InstallInterfaceLanguage(*m_application, kw::StartupInterfaceLanguage());
        }
        return m_application.has_value();
    }

private:
    int& m_argc;
    char** m_argv;
    std::optional<QApplication> m_application;
};

// Start-up messages come before any window: in a message box when the window path was chosen and
// a display is at hand, otherwise on the console.
class CStartupUserInterface : public kw::IUserInterface {
public:
    CStartupUserInterface(CApplicationHolder& application, bool batch)
        : m_application(application), m_batch(batch) {}

    bool AskYesNo(std::string_view question) override { return Target().AskYesNo(question); }
    kw::ESaveChoice AskSaveChanges(std::string_view question) override {
        return Target().AskSaveChanges(question);
    }
    void ShowInformation(std::string_view text) override { Target().ShowInformation(text); }
    void ShowError(std::string_view text) override { Target().ShowError(text); }
    void ShowErrorList(std::string_view heading, const std::vector<std::string>& lines) override {
        Target().ShowErrorList(heading, lines);
    }

private:
    kw::IUserInterface& Target() {
        if (!m_batch && m_application.Ensure()) {
            return m_windows;
        }
        return m_console;
    }

    CApplicationHolder& m_application;
    bool m_batch;
    kw::CQtUserInterface m_windows;
    kw::CConsoleUserInterface m_console;
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    // Answered before the lock, the demo installation or a window is touched.
    switch (kw::RequestedInformation(arguments)) {
        case kw::EInformation::kVersion:
            std::printf("kwedit %s\n", std::string(kw::build::kVersionText).c_str());
            return 0;
        case kw::EInformation::kHelp:
            std::fputs(kw::CommandLineHelp().c_str(), stdout);
            return 0;
        case kw::EInformation::kNone:
            break;
    }
#ifndef NDEBUG
    // A debug build stops at the first operation that changes more than it declared.
    kw::InstallScopeCheck(&kw::DumpOutsideScopeJson);
#endif
    CApplicationHolder application(argc, argv);
    const bool batch = kw::RequestsBatchBuild(arguments);
    CStartupUserInterface startupUi(application, batch);
    // The window path speaks the interface language from its first text on: the resource texts are
    // translated when first looked up. The batch build's console stays as it is.
    if (!batch) {
        application.Ensure();
    }

    kw::CVexaApp app;
    // Without a game installation the editor shows its demo installation, made on first start.
    app.SetFallbackInstallation([&]() -> std::optional<std::filesystem::path> {
        const auto folder = kw::demo::DemoInstallationDirectory();
        if (!folder) {
            return std::nullopt;
        }
        if (kw::demo::HoldsInstallation(*folder)) {
            return folder;
        }
        std::unique_ptr<kw::IProgress> progress;
        if (!batch && application.Ensure()) {
            progress = std::make_unique<kw::CQtProgress>(nullptr);
        } else {
            progress = std::make_unique<kw::CConsoleProgress>();
        }
        const kw::demo::SDemoResult result = kw::demo::EnsureDemoInstallation(*folder, *progress);
        progress.reset();
        if (!result.ok) {
            startupUi.ShowError(
                kw::FormatPrintf(std::string(kw::ResourceString(kw::ids::kDemoFailed)).c_str(),
                                 result.message.c_str()));
            return std::nullopt;
        }
        return folder;
    });
    return app.Run(arguments, startupUi, [&](kw::SAppContext& context) {
        if (!application.Ensure()) {
            std::fprintf(stderr,
                         "kwedit: no display found. Set DISPLAY or WAYLAND_DISPLAY for the "
                         "editor window, or start \"kwedit -master\" for the batch build.\n");
            return;
        }
        context.showSplash = true;
        kw::CQtUserInterface ui;
        kw::DlgMainMenu window(context, ui);
        ui.SetParent(&window);
        window.show();
        QApplication::exec();
    });
}
