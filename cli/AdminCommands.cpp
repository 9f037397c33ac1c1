// "kwtool admin list" names the bulk commands; "kwtool admin run" carries one out on a database
// folder, the options answering the questions the menu asks, and saves the folder afterwards.
#include "AdminCommands.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "assets/GlobalTools.h"
#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "platform/Console.h"
#include "platform/Cp1252.h"
#include "storage/Identifiers.h"
#include "tools/AdminCommandTable.h"
#include "tools/AdminCountryTools.h"

namespace kwtool {

namespace {

namespace fs = std::filesystem;

struct SAdminOptions {
    std::string name;
    std::string database;
    int country = 0;
    std::string club;
    std::string other;
    bool resetNicknames = false;
};

int RunList() {
    for (const kw::SAdminCommand& command : kw::AdminMenuItems()) {
        if (command.kind == kw::EAdminKind::kBulk) {
            std::printf("%s\n", std::string(command.name).c_str());
        }
    }
    return 0;
}

// A club id as decimal or, with "0x", hexadecimal.
std::optional<std::uint32_t> ParseClubId(const std::string& text) {
    try {
        std::size_t used = 0;
        const unsigned long value = std::stoul(text, &used, 0);
        if (used == text.size() && value <= 0xFFFFFFFFul) {
            return static_cast<std::uint32_t>(value);
        }
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

// The option a command needs and the run lacks; empty when it has all.
std::string MissingOption(const kw::SAdminCommand& command, const SAdminOptions& options) {
    switch (command.target) {
        case kw::EAdminTarget::kClub:
            return options.club.empty() ? "--club" : "";
        case kw::EAdminTarget::kCountry:
            return options.country == 0 ? "--country" : "";
        case kw::EAdminTarget::kOtherDatabase:
            return options.other.empty() ? "--other" : "";
        case kw::EAdminTarget::kDatabase:
            return {};
    }
    return {};
}

// The folder read into a world; false (with the message printed) when it has no database.
bool Read(const fs::path& folder, kw::CWorld& world) {
    if (!LoadDatabase(folder, world)) {
        return false;
    }
    if (world.CountryCount() == 0) {
        Fail("no country file could be read in " + folder.string());
        return false;
    }
    return true;
}

int RunAdmin(const SToolContext& context, const SAdminOptions& options) {
    const kw::SAdminCommand* command = kw::FindAdminCommand(options.name);
    if (command == nullptr) {
        return Fail("unknown admin command '" + options.name + "' (see kwtool admin list)");
    }
    const std::string missing = MissingOption(*command, options);
    if (!missing.empty()) {
        return Fail(std::string(command->name) + " needs " + missing);
    }
    kw::SAdminInputs inputs;
    inputs.country = options.country;
    if (!options.club.empty()) {
        const std::optional<std::uint32_t> club = ParseClubId(options.club);
        if (!club) {
            return Fail("--club needs a club id, decimal or 0x hexadecimal: " + options.club);
        }
        inputs.club = *club;
    }

    auto world = std::make_unique<kw::CWorld>(context.InstallDirectory());
    if (!Read(options.database, *world)) {
        return 2;
    }
    std::unique_ptr<kw::CWorld> other;
    if (command->target == kw::EAdminTarget::kOtherDatabase) {
        other = std::make_unique<kw::CWorld>(context.InstallDirectory());
        if (!Read(options.other, *other)) {
            return 2;
        }
        inputs.other = other.get();
    }
    kw::CGlobalTools tools;
    const kw::SStaffNameLists names{tools.MaleNames(), tools.Surnames()};
    if (command->name == "rename-staff") {
        if (!tools.Init(context.InstallDirectory())) {
            return Fail("the name lists of " + (context.InstallDirectory() / "database").string() +
                        " could not be read");
        }
        inputs.names = &names;
    }

    kw::CDatabaseDocument document(std::move(world));
    const kw::SAdminOutcome outcome =
        kw::RunAdminCommand(*command, document, inputs, options.resetNicknames);
    if (!outcome.ok) {
        return Fail(kw::Cp1252ToUtf8(outcome.text));
    }
    if (!outcome.text.empty()) {
        std::printf("%s\n", kw::Cp1252ToUtf8(outcome.text).c_str());
    }
    if (!document.IsModified()) {
        return 0;
    }
    kw::CConsoleUserInterface ui;
    kw::CConsoleProgress progress;
    if (!document.WorldForOperations().Save(progress, ui)) {
        return Fail("saving into " + options.database + " failed");
    }
    return 0;
}

}  // namespace

void AddAdminCommands(CLI::App& app, SToolContext& context) {
    CLI::App* admin = app.add_subcommand("admin", "The administrator's bulk commands");
    admin->require_subcommand(1);
    auto options = std::make_shared<SAdminOptions>();

    CLI::App* list = admin->add_subcommand("list", "Name every bulk command, one a line");
    OnParsed(list, context, [] { return RunList(); });

    CLI::App* run = admin->add_subcommand("run", "Carry out a bulk command and save the database");
    run->add_option("NAME", options->name, "The command (see admin list)")->required();
    run->add_option("DBDIR", options->database, "Database folder to change")->required();
    run->add_option("--country", options->country, "The country of a country command (1 to 206)")
        ->check(CLI::Range(1, kw::kCountryCount));
    run->add_option("--club", options->club, "The club id of a club command (decimal or 0x...)");
    run->add_option("--other", options->other, "The other database of the nickname command");
    run->add_flag("--reset-nicknames", options->resetNicknames,
                  "Empty the nicknames before copying (the question's Yes)");
    OnParsed(run, context, [&context, options] { return RunAdmin(context, *options); });
}

}  // namespace kwtool
