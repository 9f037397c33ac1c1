#pragma once

#include <filesystem>
#include <string>

#include "app/CommandLine.h"

namespace kw {

// The process-wide state that start-up establishes and that the batch build or the main window
// carry on with. Texts are Windows-1252; paths are file-system paths.
struct SAppContext {
    std::string title;                       // caption of every message box ("Editor")
    std::filesystem::path startDirectory;    // working directory when the program started
    std::filesystem::path workingDirectory;  // after the installation folder was applied
    bool installationConfigured = false;     // the configured installation folder was entered
    bool fallbackInstallation = false;       // neither was at hand: the demo installation is shown

    // Set up by SetUpDirectories once the window or the batch build starts.
    std::filesystem::path installDirectory;
    std::filesystem::path databaseDirectory;
    std::string languageDirectory;  // below the database folder, holds the text tables
    std::filesystem::path scriptDirectory;
    std::filesystem::path badgeDirectory;
    std::filesystem::path sponsorDirectory;
    std::filesystem::path pictureDirectory;
    std::filesystem::path cityDirectory;

    bool fullInstallation = false;  // the game's data archive is present: 3D editors available
    bool languageSelection = false;
    bool tools = false;
    // The window shows the splash screen while it loads (the editor's start, not its tests).
    bool showSplash = false;
    SCommandLine commandLine;
};

// The installation folder is the working folder; the database and asset folders lie below it.
// Existing folders are found in any letter case, since installations are copied from Windows.
void SetUpDirectories(SAppContext& context, const std::filesystem::path& workingDirectory);

// Formats "<base> - <directory name>" and makes every letter a to z that follows a blank in the
// part after `base` upper case. Works on bytes, so UTF-8 and Windows-1252 texts stay intact.
std::string CaptionWithDirectory(std::string_view base, std::string_view directoryName);

// The "Datenbanken" menu's entry of slot `index` (from 0): "<index + 1>. <name>", a name longer
// than 40 characters shown as "..." and its last 37, and the first letter and every letter a to z
// after a blank made upper case. The name is UTF-8 and counted and cut by characters.
std::string SlotMenuLabel(int index, std::string_view directoryName);

}  // namespace kw
