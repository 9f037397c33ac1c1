#include "app/CommandLine.h"

#include <fcntl.h>
#include <unistd.h>

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
    void (*apply)(SCommandLine& line, std::string_view argument,
                  const std::filesystem::path& workingDirectory);
};

// The order decides: the first rule that matches an argument is the only one applied.
constexpr Rule kRules[] = {
    {"-master", Match::Exact, [](SCommandLine& l, auto, auto&) { l.master = true; }},
    {"ger", Match::Exact, [](SCommandLine& l, auto, auto&) { l.language = 0; }},
    {"eng", Match::Exact, [](SCommandLine& l, auto, auto&) { l.language = 1; }},
    {"fra", Match::Exact, [](SCommandLine& l, auto, auto&) { l.language = 2; }},
    {"spa", Match::Exact, [](SCommandLine& l, auto, auto&) { l.language = 3; }},
    {"ps2", Match::Exact, [](SCommandLine& l, auto, auto&) { l.options |= option::kPs2; }},
    {"lang", Match::Exact, [](SCommandLine& l, auto, auto&) { l.languageSelection = true; }},
    {"path", Match::Prefix,
     [](SCommandLine& l, std::string_view argument, auto&) {
         l.batchPath = FirstCharacters(argument.substr(4), kMaxBatchPathLength);
     }},
    {"OutputBadge", Match::Exact,
     [](SCommandLine& l, auto, auto&) { l.options |= option::kOutputBadge; }},
    {"OutputKits", Match::Exact,
     [](SCommandLine& l, auto, auto&) { l.options |= option::kOutputKits; }},
    {"OutputStadium", Match::Exact,
     [](SCommandLine& l, auto, auto&) { l.options |= option::kOutputStadium; }},
    {"killdata", Match::Exact,
     [](SCommandLine& l, auto, auto&) { l.options |= option::kKillData; }},
    {"logPS2", Match::AnyCase, [](SCommandLine& l, auto, auto&) { l.options |= option::kLogPs2; }},
    {"export", Match::AnyCase,
     [](SCommandLine& l, auto, const std::filesystem::path& directory) {
         l.options |= option::kExport;
         RenameWithoutReplacing(directory, "MappingTeamIDs.txt", "MappingTeamIDs1.txt");
     }},
    {"exportLeagues", Match::AnyCase,
     [](SCommandLine& l, auto, const std::filesystem::path& directory) {
         l.options |= option::kExportLeagues;
         RenameWithoutReplacing(directory, "MappingLeagues.txt", "MappingLeagues1.txt");
     }},
    {"exporttoworlddb", Match::AnyCase,
     [](SCommandLine& l, auto, const std::filesystem::path& directory) {
         l.options |= option::kExportToWorldDb;
         RenameWithoutReplacing(directory, "MappingPlayer.txt", "MappingPlayer1.txt");
     }},
    {"wolkenkratzer_nord", Match::Exact, [](SCommandLine& l, auto, auto&) { l.tools = true; }},
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

}  // namespace kw
