#include "app/CommandLine.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>

#include "platform/AsciiCase.h"
#include "platform/Paths.h"

namespace kw {

namespace {

// The first `count` characters of UTF-8 text; a character is never split.
std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size()) {
        const bool startsCharacter = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count) {
            break;
        }
        ++end;
    }
    return std::string(text.substr(0, end));
}

bool MoveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // File systems without the no-replace rename: a hard link fails on an existing target too.
    if (link(from.c_str(), to.c_str()) == 0) {
        unlink(from.c_str());
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    // Neither is supported (e.g. some network shares): check, then rename.
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(to, error))) {
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

enum class Match { Exact, AnyCase, Prefix };

struct Rule {
    std::string_view word;
    Match match;
    std::string_view help;  // what the word does, for CommandLineHelp
    void (*apply)(SCommandLine& line, std::string_view argument,
                  const std::filesystem::path& workingDirectory);
};

// The order decides: the first rule that matches an argument is the only one applied.
constexpr Rule kRules[] = {
    {"-master", Match::Exact, "build the game's master file without any window, then end",
     [](SCommandLine& l, auto, auto&) { l.master = true; }},
    {"ger", Match::Exact, "build language 0, German (the default)",
     [](SCommandLine& l, auto, auto&) { l.language = 0; }},
    {"eng", Match::Exact, "build language 1, English",
     [](SCommandLine& l, auto, auto&) { l.language = 1; }},
    {"fra", Match::Exact, "build language 2, French",
     [](SCommandLine& l, auto, auto&) { l.language = 2; }},
    {"spa", Match::Exact, "build language 3, Spanish (the last language word wins)",
     [](SCommandLine& l, auto, auto&) { l.language = 3; }},
    {"ps2", Match::Exact, "option 0x1: one language only, the file named \"Master<language>.dat\"",
     [](SCommandLine& l, auto, auto&) { l.options |= option::kPs2; }},
    {"lang", Match::Exact, "the main window offers the database language",
     [](SCommandLine& l, auto, auto&) { l.languageSelection = true; }},
    {"path", Match::Prefix, "the batch build works in <dir> (at most 259 characters)",
     [](SCommandLine& l, std::string_view argument, auto&) {
         l.batchPath = FirstCharacters(argument.substr(4), kMaxBatchPathLength);
     }},
    {"OutputBadge", Match::Exact, "option 0x4: every club's badge into \"badges.txt\"",
     [](SCommandLine& l, auto, auto&) { l.options |= option::kOutputBadge; }},
    {"OutputKits", Match::Exact, "option 0x8: every club's kits into \"kits.txt\"",
     [](SCommandLine& l, auto, auto&) { l.options |= option::kOutputKits; }},
    {"OutputStadium", Match::Exact, "option 0x10: every club's stadium into \"stadium.txt\"",
     [](SCommandLine& l, auto, auto&) { l.options |= option::kOutputStadium; }},
    {"killdata", Match::Exact, "option 0x20: country 14 keeps at most 100 clubs",
     [](SCommandLine& l, auto, auto&) { l.options |= option::kKillData; }},
    {"logPS2", Match::AnyCase,
     "option 0x40, any case: clubs and badges into \"logPS2_Database.txt\"",
     [](SCommandLine& l, auto, auto&) { l.options |= option::kLogPs2; }},
    {"export", Match::AnyCase,
     "option 0x80000000, any case; first renames \"MappingTeamIDs.txt\" to \"...1.txt\"",
     [](SCommandLine& l, auto, const std::filesystem::path& directory) {
         l.options |= option::kExport;
         RenameWithoutReplacing(directory, "MappingTeamIDs.txt", "MappingTeamIDs1.txt");
     }},
    {"exportLeagues", Match::AnyCase,
     "option 0x20000000, any case; first renames \"MappingLeagues.txt\" to \"...1.txt\"",
     [](SCommandLine& l, auto, const std::filesystem::path& directory) {
         l.options |= option::kExportLeagues;
         RenameWithoutReplacing(directory, "MappingLeagues.txt", "MappingLeagues1.txt");
     }},
    {"exporttoworlddb", Match::AnyCase,
     "option 0x40000000, any case; first renames \"MappingPlayer.txt\" to \"...1.txt\"",
     [](SCommandLine& l, auto, const std::filesystem::path& directory) {
         l.options |= option::kExportToWorldDb;
         RenameWithoutReplacing(directory, "MappingPlayer.txt", "MappingPlayer1.txt");
     }},
    {"wolkenkratzer_nord", Match::Exact, "the main window adds the \"AdminTools\" menu",
     [](SCommandLine& l, auto, auto&) { l.tools = true; }},
};

bool Matches(const Rule& rule, std::string_view argument) {
    switch (rule.match) {
        case Match::Exact:
            return argument == rule.word;
        case Match::AnyCase:
            return EqualsIgnoringAsciiCase(argument, rule.word);
        case Match::Prefix:
            return argument.substr(0, rule.word.size()) == rule.word;
    }
    return false;
}

}  // namespace

bool RenameWithoutReplacing(const std::filesystem::path& directory, std::string_view from,
                            std::string_view to) {
    const auto source = FindExisting(directory, from);
    if (!source || FindExisting(directory, to)) {
        return false;
    }
    return MoveWithoutReplacing(*source, directory / to);
}

SCommandLine ParseCommandLine(std::span<const std::string> arguments,
                              const std::filesystem::path& workingDirectory) {
    SCommandLine line;
    for (const std::string& argument : arguments) {
        for (const Rule& rule : kRules) {
            if (Matches(rule, argument)) {
                rule.apply(line, argument, workingDirectory);
                break;
            }
        }
    }
    return line;
}

bool RequestsBatchBuild(std::span<const std::string> arguments) {
    // "-master" is the first rule, so no other rule can claim it.
    for (const std::string& argument : arguments) {
        if (argument == kRules[0].word) {
            return true;
        }
    }
    return false;
}

EInformation RequestedInformation(std::span<const std::string> arguments) {
    EInformation requested = EInformation::kNone;
    for (const std::string& argument : arguments) {
        if (argument == "--version") {
            return EInformation::kVersion;
        }
        if (argument == "--help") {
            requested = EInformation::kHelp;
        }
    }
    return requested;
}

std::string CommandLineHelp() {
    std::string help =
        "Usage: kwedit [-master] [ger|eng|fra|spa] [path<dir>] [word...]\n"
        "       kwedit --version | --help\n"
        "\n"
        "Without -master the editor window opens. The words, each matched in this order (letter\n"
        "case counts unless said otherwise; other words are ignored):\n";
    for (const Rule& rule : kRules) {
        std::string word(rule.word);
        if (rule.match == Match::Prefix) {
            word += "<dir>";
        }
        word.resize(std::max<std::size_t>(word.size() + 1, 20), ' ');
        help += "  " + word + std::string(rule.help) + "\n";
    }
    return help;
}

}  // namespace kw
