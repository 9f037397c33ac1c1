// Shared pieces of kwtool's command groups. Each group registers its subcommands on the
// application; a parsed subcommand leaves the work to run in SToolContext::action.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kw {
class CWorld;
}

namespace kwtool {

struct SToolContext {
    std::string install;
    std::function<int()> action;

    // The installation folder: --install, else the configured one, else the working folder.
    std::filesystem::path InstallDirectory() const;
    // The installation a database folder is judged against: --install, else the first of the
    // folder the database lies in, the configured one and the working folder that holds an
    // installation. Nothing when none does.
    std::optional<std::filesystem::path> InstallationFor(
        const std::filesystem::path& database) const;
};

// Runs `action` when `command` is the subcommand parsed. Options live in a shared struct that
// the action captures, so they are read when it runs.
void OnParsed(CLI::App* command, SToolContext& context, std::function<int()> action);

// The exit code of a command that could not read its input or write its output.
inline constexpr int kUnreadable = 2;

// Prints "kwtool: <message>" to stderr and returns kUnreadable.
int Fail(const std::string& message);

// A whole file's bytes; nothing when it cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path);
// Replaces the file atomically: the old one stays whole when writing fails.
bool WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// A database read into a fresh world; false (with the message printed) when the folder is missing.
// Damaged country files are named on stderr.
bool LoadDatabase(const std::filesystem::path& source, kw::CWorld& world);
// A database read whole into a fresh world, quietly: a missing folder, an unreadable "Without.sav"
// or a damaged country file fails it (with the message printed), since a comparison or a change
// package would otherwise see differences that are not in the files.
bool LoadWholeDatabase(const std::filesystem::path& source, kw::CWorld& world);

void AddDatabaseCommands(CLI::App& app, SToolContext& context);
void AddFixtureCommands(CLI::App& app, SToolContext& context);
void AddMasterCommands(CLI::App& app, SToolContext& context);
void AddAssetCommands(CLI::App& app, SToolContext& context);
void AddDemoCommands(CLI::App& app, SToolContext& context);
void AddArchiveCommands(CLI::App& app, SToolContext& context);

}  // namespace kwtool
