#include "app/BatchBuild.h"

#include <system_error>

#include "app/DatabaseSlots.h"
#include "app/LongtimeWriteDB.h"
#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "platform/Console.h"
#include "platform/Paths.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

// "killdata": the country whose clubs are limited, and to how many.
constexpr int kLimitedCountry = 14;
constexpr int kClubLimit = 100;

// Whether the batch working folder was entered.
bool EnterBatchDirectory(SAppContext& context, std::FILE* err) {
    const std::string& path = context.commandLine.batchPath;
    if (path.empty()) {
        return false;
    }
    // A relative path is taken from the installation folder, as if the process had entered it.
    const std::filesystem::path directory = context.workingDirectory / path;
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        std::fprintf(err, "Cannot enter the batch directory %s (%s); staying in %s\n", path.c_str(),
                     error ? error.message().c_str() : "not a folder",
                     context.workingDirectory.c_str());
        return false;
    }
    context.workingDirectory = LongPath(directory.lexically_normal());
    return true;
}

// Which installation the build reads, so that nobody takes the demo's master file for one built
// from the game's data.
const char* InstallationOrigin(const SAppContext& context, bool batchDirectory) {
    if (batchDirectory) {
        return "the batch directory";
    }
    if (context.installationConfigured) {
        return "the configured installation";
    }
    if (context.fallbackInstallation) {
        return "the generated demo installation, not the game's data: no installation is "
               "configured";
    }
    return "the working folder: no installation is configured";
}

}  // namespace

void RunBatchBuild(SAppContext& context, std::FILE* out, std::FILE* err) {
    const SCommandLine& line = context.commandLine;
    std::fprintf(out, "Build Master.dat : Language %d\n", line.language);
    std::fprintf(out, "Path is %s\n", line.batchPath.c_str());
    std::fflush(out);
    const bool batchDirectory = EnterBatchDirectory(context, err);

    SetUpDirectories(context, context.workingDirectory);
    std::fprintf(err, "Installation: %s (%s)\nDatabase folder: %s\n",
                 context.installDirectory.c_str(), InstallationOrigin(context, batchDirectory),
                 context.databaseDirectory.c_str());
    std::fflush(err);

    CDatabaseSlots slots(context.installDirectory);
    CDatabaseDocument& document = *slots.AddSlot();
    // The build's language names the damaged countries of the load too.
    document.SetLanguage(line.language);
    // The progress of the batch run is never shown.
    CSilentProgress progress;
    CConsoleUserInterface ui(stdin, err);
    // Damaged country files are named on the console; the batch build never writes them.
    OpenDatabase(document, context.databaseDirectory, progress, ui);

    if ((line.options & option::kKillData) != 0) {
        document.Perform(std::string(ShownText("kw::Edit", "Vereine begrenzen")),
                         SWorldScope::Countries({kLimitedCountry}), [&](CWorld& world) {
                             return world.LimitClubs(kLimitedCountry, kClubLimit, ui);
                         });
    }
    CWorld& world = document.WorldForOperations();
    SMasterRequest request;
    request.language = line.language;
    request.batch = true;
    request.options = line.options;
    request.output = MasterFilePath(context.installDirectory, context.databaseDirectory,
                                    line.language, true, line.options);
    request.sideFolder = context.workingDirectory;
    request.console = out;
    CLongtimeWriteDB build(world, ui, request);
    build.RunHere();

    std::fprintf(out, "Ready\n");
    std::fflush(out);
}

}  // namespace kw
