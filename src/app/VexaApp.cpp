#include "app/VexaApp.h"

#include <clocale>
#include <system_error>

#include "app/BatchBuild.h"
#include "platform/Cp1252.h"
#include "platform/Environment.h"
#include "platform/Paths.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw {

namespace {

std::filesystem::path CurrentDirectory() {
    std::error_code error;
    auto current = std::filesystem::current_path(error);
    return error ? std::filesystem::path{} : LongPath(current);
}

}  // namespace

bool CVexaApp::DirectoriesRepresentable() const {
    if (!IsRepresentableInCp1252(m_context.workingDirectory.string())) {
        return false;
    }
    const auto documents = DocumentsDirectory();
    return !documents || IsRepresentableInCp1252(documents->string());
}

int CVexaApp::Run(std::span<const std::string> arguments, IUserInterface& ui,
                  const MainWindowRunner& runMainWindow, std::FILE* out, std::FILE* err) {
    m_context.title = std::string(ResourceString(ids::kApplicationTitle));
    m_context.startDirectory = CurrentDirectory();

    const CSingleInstanceLock lock;
    if (lock.State() == CSingleInstanceLock::EState::kHeldElsewhere) {
        return kExitCode;
    }
    // Not being able to tell whether another editor runs is no reason to refuse to start; the
    // user is told that the guard is missing.
    if (lock.State() == CSingleInstanceLock::EState::kFailed) {
        const std::string message(ResourceString(ids::kLockFailed));
        ui.ShowError(FormatPrintf(message.c_str(), Utf8ToCp1252(lock.Failure()).c_str()));
    }

    // The process never changes its working folder: every path is formed from this one.
    m_context.workingDirectory = m_context.startDirectory;
    if (const auto install = ConfiguredInstallDirectory()) {
        std::error_code error;
        if (std::filesystem::is_directory(*install, error)) {
            m_context.workingDirectory = LongPath(std::filesystem::absolute(*install, error));
            m_context.installationConfigured = true;
        }
    }
    if (!m_context.installationConfigured && m_fallback &&
        !FindExisting(m_context.workingDirectory, "database/countries.sav")) {
        std::error_code error;
        if (const auto fallback = m_fallback();
            fallback && std::filesystem::is_directory(*fallback, error)) {
            m_context.workingDirectory = LongPath(std::filesystem::absolute(*fallback, error));
            m_context.fallbackInstallation = true;
        }
    }

    if (!DirectoriesRepresentable()) {
        ui.ShowError(ResourceString(ids::kUnicodeDirectory));
        return kExitCode;
    }

    m_context.fullInstallation =
        FindExisting(m_context.workingDirectory, "data\\zdata_06.big").has_value();

    m_context.commandLine = ParseCommandLine(arguments, m_context.workingDirectory);
    m_context.languageSelection = m_context.commandLine.languageSelection;
    m_context.tools = m_context.commandLine.tools;

    if (m_context.commandLine.master) {
        RunBatchBuild(m_context, out, err);
        return kExitCode;
    }

    // Club names sort by the user's language.
    std::setlocale(LC_COLLATE, "");
    runMainWindow(m_context);
    return kExitCode;
}

}  // namespace kw
