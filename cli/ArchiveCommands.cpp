// kwtool pack, unpack and archive: raw packed streams and world archives.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "KwTool.h"
#include "exports/archive/ArchiveChunks.h"
#include "exports/archive/WorldArchive.h"
#include "model/World.h"
#include "platform/Console.h"
#include "platform/Cp1252.h"
#include "platform/Environment.h"
#include "storage/PackedCodec.h"

namespace kwtool {

namespace {

namespace fs = std::filesystem;

int RunPack(const fs::path& source, const fs::path& target, bool pack) {
    const auto input = ReadFileBytes(source);
    if (!input) {
        return Fail("cannot read " + source.string());
    }
    std::vector<std::uint8_t> output;
    if (pack) {
        output = kw::PackData(*input);
        if (output.empty()) {
            return Fail("cannot pack " + source.string());
        }
    } else {
        auto unpacked = kw::UnpackData(*input);
        if (!unpacked) {
            return Fail(source.string() + " is not a valid packed stream");
        }
        output = std::move(*unpacked);
    }
    if (!WriteFileBytes(target, output)) {
        return Fail("cannot write " + target.string());
    }
    return 0;
}

int RunExport(const SToolContext& context, const fs::path& database, const fs::path& archive) {
    kw::CWorld world(context.InstallDirectory());
    if (!LoadDatabase(database, world)) {
        return 2;
    }
    const auto documents = kw::DocumentsDirectory();
    if (!documents) {
        return Fail("no documents folder for the scratch database");
    }
    kw::CConsoleUserInterface ui;
    kw::CConsoleProgress progress;
    if (!kw::ExportWorld(world, archive, *documents, progress, ui)) {
        return Fail("exporting into " + archive.string() + " failed");
    }
    return 0;
}

int RunList(const fs::path& archive) {
    kw::CArchiveReader reader;
    if (!reader.Open(archive)) {
        return Fail(archive.string() + " is not a world archive");
    }
    while (const auto chunk = reader.ReadChunk()) {
        std::string carries;
        if (chunk->tag == kw::EChunkTag::Country && chunk->data.size() >= 4) {
            const std::uint32_t number = chunk->data[0] | (chunk->data[1] << 8) |
                                         (chunk->data[2] << 16) |
                                         (std::uint32_t{chunk->data[3]} << 24);
            carries = std::to_string(number);
        } else if (chunk->tag == kw::EChunkTag::Badge || chunk->tag == kw::EChunkTag::Picture) {
            if (const auto file = kw::SplitNamedFile(chunk->data)) {
                carries = kw::Cp1252ToUtf8(file->name);
            }
        }
        std::printf("%.4s %u %zu %s\n", chunk->name.data(), chunk->packedLength, chunk->data.size(),
                    carries.c_str());
    }
    if (!reader.ReadToEnd()) {
        return Fail("damaged chunk at offset " + std::to_string(reader.Position()));
    }
    return 0;
}

int RunImport(const SToolContext& context, const fs::path& archive, const fs::path& database) {
    kw::CWorld world(context.InstallDirectory());
    world.SetDirectory(database);
    kw::CConsoleUserInterface ui;
    kw::CConsoleProgress progress;
    if (!kw::ImportWorld(world, archive, false, progress, ui)) {
        return Fail("importing " + archive.string() + " failed");
    }
    std::printf("%d countries imported into %s\n", world.CountryCount(), database.c_str());
    return 0;
}

}  // namespace

void AddArchiveCommands(CLI::App& app, SToolContext& context) {
    struct SOptions {
        std::string source;
        std::string target;
    };
    auto options = std::make_shared<SOptions>();

    for (const bool pack : {true, false}) {
        CLI::App* command = pack ? app.add_subcommand("pack", "Pack a file into a packed stream")
                                 : app.add_subcommand("unpack", "Unpack a packed stream");
        command->add_option("IN", options->source, "File to read")->required();
        command->add_option("OUT", options->target, "File to write")->required();
        OnParsed(command, context,
                 [options, pack] { return RunPack(options->source, options->target, pack); });
    }

    CLI::App* archive = app.add_subcommand("archive", "World archives (.tdb)");
    archive->require_subcommand(1);
    CLI::App* exportCommand = archive->add_subcommand("export", "Export a database");
    exportCommand->add_option("DBDIR", options->source, "Database folder to read")->required();
    exportCommand->add_option("OUT", options->target, "Archive to write")->required();
    OnParsed(exportCommand, context,
             [&context, options] { return RunExport(context, options->source, options->target); });
    CLI::App* list = archive->add_subcommand(
        "list", "One line per chunk: tag, packed and unpacked length, country or file name");
    list->add_option("IN", options->source, "Archive to read")->required();
    OnParsed(list, context, [options] { return RunList(options->source); });
    CLI::App* importCommand =
        archive->add_subcommand("import", "Replace a database's files by an archive's");
    importCommand->add_option("IN", options->source, "Archive to read")->required();
    importCommand->add_option("DBDIR", options->target, "Database folder to write")->required();
    OnParsed(importCommand, context,
             [&context, options] { return RunImport(context, options->source, options->target); });
}

}  // namespace kwtool
