// kwtool big, tga2bmp and badges: the badge archive, badge images and the missing-badge report.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "KwTool.h"
#include "assets/GlobalTools.h"
#include "assets/OrvelBig.h"
#include "assets/Tga.h"
#include "model/World.h"
#include "platform/Console.h"
#include "platform/Cp1252.h"
#include "reports/BadgeCheck.h"

namespace kwtool {

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

int RunBigList(const fs::path& archivePath) {
    kw::CConsoleUserInterface ui;
    kw::COrvelBig big(&ui);
    if (!big.Open(archivePath)) {
        return 1;
    }
    for (int i = 0; i < big.GetCount(); ++i) {
        const kw::BigEntry& entry = big.GetEntry(i);
        std::printf("%s\t%d\t%u\n", kw::Cp1252ToUtf8(entry.name).c_str(), entry.size,
                    entry.unpackedSize);
    }
    return 0;
}

int RunBigExtract(const fs::path& archivePath, const std::string& name, const fs::path& target,
                  bool unpack) {
    kw::CConsoleUserInterface ui;
    kw::COrvelBig big(&ui);
    Bytes data;
    if (!big.Open(archivePath) || !big.ReadFile(kw::Utf8ToCp1252(name), data, unpack)) {
        return 1;
    }
    if (!WriteFileBytes(target, data)) {
        return Fail("cannot write " + target.string());
    }
    return 0;
}

int RunTgaToBmp(const fs::path& source, const fs::path& target) {
    const auto tga = ReadFileBytes(source);
    if (!tga) {
        return Fail("cannot read " + source.string());
    }
    const auto bmp = kw::ConvertTgaToDib(*tga);
    if (!bmp) {
        return Fail(source.string() + " is not a TGA image");
    }
    if (!WriteFileBytes(target, *bmp)) {
        return Fail("cannot write " + target.string());
    }
    return 0;
}

int RunBadges(const SToolContext& context, const fs::path& database) {
    kw::CWorld world(context.InstallDirectory());
    if (!LoadDatabase(database, world)) {
        return 2;
    }
    kw::CGlobalTools tools;
    tools.Init(context.InstallDirectory());
    for (const std::string& message :
         kw::CheckAllBadges(world, tools, nullptr, kw::kDefaultLanguage)) {
        std::printf("%s\n", kw::Cp1252ToUtf8(message).c_str());
    }
    return 0;
}

}  // namespace

void AddAssetCommands(CLI::App& app, SToolContext& context) {
    struct SOptions {
        std::string source;
        std::string name;
        std::string target;
        bool unpack = false;
    };
    auto options = std::make_shared<SOptions>();

    CLI::App* big = app.add_subcommand("big", "Read BIG archives");
    big->require_subcommand(1);
    CLI::App* list = big->add_subcommand("list", "One line per entry: name, size, unpacked size");
    list->add_option("IN", options->source, "BIG archive")->required();
    OnParsed(list, context, [options] { return RunBigList(options->source); });
    CLI::App* extract = big->add_subcommand("extract", "Write one entry of the archive to a file");
    extract->add_option("IN", options->source, "BIG archive")->required();
    extract->add_option("NAME", options->name, "Entry name (letter case ignored)")->required();
    extract->add_option("OUT", options->target, "File to write")->required();
    extract->add_flag("--unpack", options->unpack, "Unpack a packed entry");
    OnParsed(extract, context, [options] {
        return RunBigExtract(options->source, options->name, options->target, options->unpack);
    });

    CLI::App* tga2bmp = app.add_subcommand("tga2bmp", "Convert a TGA image to a 24-bit BMP");
    tga2bmp->add_option("IN", options->source, "TGA image")->required();
    tga2bmp->add_option("OUT", options->target, "BMP file to write")->required();
    OnParsed(tga2bmp, context, [options] { return RunTgaToBmp(options->source, options->target); });

    CLI::App* badges =
        app.add_subcommand("badges", "List the clubs whose badge is missing in some size");
    badges->add_option("DBDIR", options->source, "Database folder to read")->required();
    OnParsed(badges, context, [&context, options] { return RunBadges(context, options->source); });
}

}  // namespace kwtool
