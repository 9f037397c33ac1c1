#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "platform/WriteOptions.h"

namespace kw {

class CWorld;
class IProgress;
class IUserInterface;

// One build of the game's master file.
struct SMasterRequest {
    int language = 0;                  // 0..4: texts of option bit 0x1, name of the batch file
    bool batch = false;                // no confirmation, no final message, errors on `console`
    std::uint32_t options = 0;         // option word handed to every record writer
    std::filesystem::path output;      // the file to write
    std::filesystem::path sideFolder;  // where the side-output lists are appended
    std::FILE* console = stdout;       // batch messages
    SWriteOptions write;               // how the output file is written
};

enum class EMasterResult {
    kWritten,
    kNoCompleteCountry,
    kNotConfirmed,
    kNoCupFormats,
    kWriteFailed,
};

// Where a build writes: interactively "database/Master.dat" of the installation folder; in batch
// mode "Master<language>.dat" (option bit 0x1) or "Master.dat" in the database folder.
std::filesystem::path MasterFilePath(const std::filesystem::path& installDirectory,
                                     const std::filesystem::path& databaseDirectory, int language,
                                     bool batch, std::uint32_t options);

// Builds the master file from the world: scans the countries for completeness, asks (unless in
// batch mode) to go on with the complete ones, counts every block, allocates the file once at
// that size, writes it in a second pass and replaces the output atomically. Nothing is written
// unless both passes agree on every byte count. Names in messages and progress are in the export
// language. Rebuilds the world's club numberings; the name files are read from the installation's
// "database" folder.
EMasterResult BuildMasterFile(CWorld& world, const SMasterRequest& request, IProgress& progress,
                              IUserInterface& ui);

}  // namespace kw
