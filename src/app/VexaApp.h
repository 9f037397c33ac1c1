#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "app/AppContext.h"

namespace kw {

class IUserInterface;

// The application object: prepares the process-wide state, makes sure only one editor runs, reads
// the command line and then runs either the batch build or the main window. kwcore knows no
// windows, so the main window comes in as a callback.
class CVexaApp {
public:
    using MainWindowRunner = std::function<void(SAppContext&)>;
    // Supplies an installation to show when none is configured and the working folder holds
    // none (the editor's demo installation); nothing when there is none to be had.
    using FallbackInstallation = std::function<std::optional<std::filesystem::path>()>;

    // The process's exit code, whatever happened.
    static constexpr int kExitCode = 1;

    // `arguments` are those after the program name. `ui` shows the start-up messages; the batch
    // build reports on `out` and `err`. May change the process's working directory to the
    // configured installation folder. Returns kExitCode.
    int Run(std::span<const std::string> arguments, IUserInterface& ui,
            const MainWindowRunner& runMainWindow, std::FILE* out = stdout,
            std::FILE* err = stderr);

    const SAppContext& Context() const { return m_context; }
    void SetFallbackInstallation(FallbackInstallation fallback) {
        m_fallback = std::move(fallback);
    }

private:
    // True when the working and documents folders can be written in Windows-1252, which the
    // database files use for every path they store.
    bool DirectoriesRepresentable() const;

    SAppContext m_context;
    FallbackInstallation m_fallback;
};

}  // namespace kw
