#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace kw {

// Bits of the option word the batch build hands to the Master build.
namespace option {
inline constexpr std::uint32_t kPs2 = 0x00000001;
inline constexpr std::uint32_t kOutputBadge = 0x00000004;
inline constexpr std::uint32_t kOutputKits = 0x00000008;
inline constexpr std::uint32_t kOutputStadium = 0x00000010;
inline constexpr std::uint32_t kKillData = 0x00000020;
inline constexpr std::uint32_t kLogPs2 = 0x00000040;
inline constexpr std::uint32_t kExportLeagues = 0x20000000;
inline constexpr std::uint32_t kExportToWorldDb = 0x40000000;
inline constexpr std::uint32_t kExport = 0x80000000;
}  // namespace option

// What the command line asked for.
struct SCommandLine {
    bool master = false;             // "-master": batch build instead of the window
    int language = 0;                // build language 0 to 4; the last language word wins
    std::uint32_t options = 0;       // option word of the batch build
    bool languageSelection = false;  // "lang": the window offers the database language
    bool tools = false;              // "wolkenkratzer_nord": the window adds the bulk tools
    std::string batchPath;           // rest of a "path..." argument; empty when none was given
};

// The longest batch working directory taken from a "path" argument, in characters.
inline constexpr std::size_t kMaxBatchPathLength = 259;

// Reads the arguments after the program name. Each argument is matched against the known words in
// a fixed order and the first match decides; unknown arguments are ignored. The export words
// rename their mapping file in `workingDirectory` at once (an existing target is never replaced;
// a rename that cannot be done is skipped), so the renames happen in both modes.
SCommandLine ParseCommandLine(std::span<const std::string> arguments,
                              const std::filesystem::path& workingDirectory);

// True when the arguments (after the program name) ask for the batch build. Lets the program pick
// its user interface before the arguments are read for real.
bool RequestsBatchBuild(std::span<const std::string> arguments);

// What the program is to tell instead of starting: "--version" or "--help" anywhere among the
// arguments, "--version" when both are there. They are answered before anything else happens, so
// they rename no file, take no lock and open no window.
enum class EInformation { kNone, kVersion, kHelp };
EInformation RequestedInformation(std::span<const std::string> arguments);

// The text "--help" prints: the usage line and every word ParseCommandLine knows, in its order.
std::string CommandLineHelp();

// Renames `from` to `to` inside `directory`, letter case of an existing source ignored. Does
// nothing when the source is missing or a target exists in any letter case. True when renamed.
bool RenameWithoutReplacing(const std::filesystem::path& directory, std::string_view from,
                            std::string_view to);

}  // namespace kw
