// kwtool master: the game's master file built from a database, and its verification.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "KwTool.h"
#include "exports/master/MasterExport.h"
#include "exports/master/MasterFileReader.h"
#include "model/World.h"
#include "platform/Console.h"

namespace kwtool {

namespace {

namespace fs = std::filesystem;

struct SMasterOptions {
    int language = 0;
    std::string options = "0";
    std::string verify;
    std::vector<std::string> paths;
};

bool ParseOptionWord(const std::string& text, std::uint32_t& word) {
    try {
        std::size_t used = 0;
        const unsigned long value = std::stoul(text, &used, 16);
        word = static_cast<std::uint32_t>(value);
        return used == text.size() && value <= 0xFFFFFFFFul;
    } catch (const std::exception&) {
        return false;
    }
}

int RunVerify(const fs::path& file, std::uint32_t word) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return Fail("cannot read " + file.string());
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(stream)),
                                          std::istreambuf_iterator<char>());
    const kw::SMasterFileReport report = kw::VerifyMasterFile(bytes, word);
    if (!report.Ok()) {
        return Fail(file.string() + ": " + report.error);
    }
    std::printf(
        "%s: consistent, %zu bytes, %d complete countries, %d cup formats, %d clubs, %d players, "
        "%d staff, %u names\n",
        file.c_str(), bytes.size(), report.completeCountries, report.cupFormats, report.clubs,
        report.players, report.staff, report.names);
    return 0;
}

int RunBuild(const SToolContext& context, const SMasterOptions& options, std::uint32_t word) {
    if (options.paths.size() != 2) {
        return Fail("master needs DBDIR and OUT (or --verify FILE)");
    }
    if (options.language < 0 || options.language > 4) {
        return Fail("--lang must be 0 to 4");
    }
    kw::CWorld world(context.InstallDirectory());
    if (!LoadDatabase(options.paths[0], world)) {
        return 2;
    }
    const fs::path output = options.paths[1];
    kw::SMasterRequest request;
    request.language = options.language;
    request.batch = true;
    request.options = word;
    request.output = output;
    request.sideFolder = output.has_parent_path() ? output.parent_path() : fs::path(".");
    kw::CConsoleUserInterface ui;
    kw::CSilentProgress progress;
    if (kw::BuildMasterFile(world, request, progress, ui) != kw::EMasterResult::kWritten) {
        return Fail("no master file written");
    }
    std::printf("%s written\n", output.c_str());
    return 0;
}

}  // namespace

void AddMasterCommands(CLI::App& app, SToolContext& context) {
    auto options = std::make_shared<SMasterOptions>();
    CLI::App* master = app.add_subcommand("master", "Build the game's master file, or verify one");
    master->add_option("--lang", options->language, "Export language 0 to 4");
    master->add_option("--options", options->options, "Option word in hexadecimal");
    master->add_option("--verify", options->verify, "Check a master file instead of building");
    master->add_option("DBDIR OUT", options->paths, "Database folder and master file to write");
    OnParsed(master, context, [&context, options] {
        std::uint32_t word = 0;
        if (!ParseOptionWord(options->options, word)) {
            return Fail("--options is not a hexadecimal word: " + options->options);
        }
        if (!options->verify.empty()) {
            return RunVerify(options->verify, word);
        }
        return RunBuild(context, *options, word);
    });
}

}  // namespace kwtool
