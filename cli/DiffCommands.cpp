// kwtool diff: what differs between two databases, matched by identity, listed or written as a
// change package.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "DiffCommands.h"
#include "model/World.h"
#include "platform/AtomicFile.h"
#include "tools/ChangePackage.h"
#include "tools/DatabaseDiff.h"

namespace kwtool {

namespace {

namespace fs = std::filesystem;

constexpr int kIdentical = 0;
constexpr int kDifferent = 1;

// The differences as a change package instead of a listing: 0 when it holds none.
int WritePackage(const kw::CWorld& before, const kw::CWorld& after, const fs::path& out) {
    const kw::SChangePackage package = kw::MakeChangePackage(before, after);
    if (!kw::WriteFileAtomically(out, kw::ChangePackageText(package))) {
        Fail("cannot write " + out.string());
        return kUnreadable;
    }
    std::printf("%zu changes written to %s\n", package.changes.size(), out.c_str());
    return package.changes.empty() ? kIdentical : kDifferent;
}

int RunDiff(const SToolContext& context, const fs::path& first, const fs::path& second, bool json,
            const std::string& packageFile) {
    const auto before = std::make_unique<kw::CWorld>(context.InstallDirectory());
    const auto after = std::make_unique<kw::CWorld>(context.InstallDirectory());
    if (!LoadWholeDatabase(first, *before) || !LoadWholeDatabase(second, *after)) {
        return kUnreadable;
    }
    if (!packageFile.empty()) {
        return WritePackage(*before, *after, packageFile);
    }
    const kw::SDatabaseDiff diff = kw::DiffWorlds(*before, *after);
    const std::string output = json ? kw::DiffJson(diff) : kw::DiffText(diff);
    std::fputs(output.c_str(), stdout);
    return diff.IsEmpty() ? kIdentical : kDifferent;
}

}  // namespace

void AddDiffCommands(CLI::App& app, SToolContext& context) {
    struct SOptions {
        std::string first;
        std::string second;
        bool json = false;
        std::string package;
    };
    auto options = std::make_shared<SOptions>();
    CLI::App* diff = app.add_subcommand(
        "diff", "Compare two databases; exit 0 identical, 1 different, 2 unreadable");
    diff->add_option("DBDIR1", options->first, "First database folder")->required();
    diff->add_option("DBDIR2", options->second, "Second database folder")->required();
    diff->add_flag("--json", options->json, "Print JSON");
    diff->add_option("--package", options->package,
                     "Write the differences as a change package instead of listing them");
    OnParsed(diff, context, [&context, options] {
        return RunDiff(context, options->first, options->second, options->json, options->package);
    });
}

}  // namespace kwtool
