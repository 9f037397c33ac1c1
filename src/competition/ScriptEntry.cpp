#include "competition/ScriptEntry.h"

#include <array>
#include <string>

#include "competition/Competition.h"
#include "competition/CompetitionText.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr std::array<std::string_view, 31> kCommandNames = {
    "END_OF_ENTRY",
    "BUILD_COUNTER",
    "BUILD_UEFA5",
    "GET_CHAMP",
    "GET_UEFA5_TAB",
    "GET_UEFA5_SURE_TAB",
    "GET_UEFA5_SURE_UIC",
    "GET_TAB_X_TO_Y",
    "GET_TAB_SURE_X_TO_Y_Z",
    "GET_TAB_LEVEL_X_TO_Y",
    "GET_TAB_SPARE",
    "GET_TAB_LEVEL_START_X_TO_Y",
    "GET_UEFA5_CHAMP_OR_FINALIST",
    "GET_WINNER",
    "GET_LOSER",
    "GET_POOL",
    "GET_NAT_UEFA5_WITH_HOST",
    "GET_NAT_UEFA5_WITHOUT_HOST",
    "GET_NAT_SOUTH_AMERICA",
    "GET_NAT_AMERICA",
    "GET_NAT_AFRICA",
    "GET_NAT_ASIA",
    "GET_NAT_OCEANIA",
    "GET_HOST",
    "GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y",
    "GET_INTERNATIONAL_SPARE",
    "GET_TAB_LEVEL_INDOOR",
    "GET_RELEGATED_TEAMS",
    "GET_INTERNATIONAL_TEAMS",
    "GET_CC_FA_WINNER",
    "GET_CC_SPARE",
};

// A script line is read into a buffer of 100 characters.
constexpr std::size_t kScriptLineLimit = 99;

// How a command is laid out in text.
enum class EForm {
    kWholeArguments,    // "%s, %d"
    kAAndUpper,         // "%s, %d, %d": A and bits 16..31
    kRef,               // "%s, {%d, %s, %d}"
    kABC,               // "%s, %d, %d, %d"
    kAB,                // "%s, %d, %d"
    kRefThreeBytes,     // ref, then bits 0..7, 8..15, 16..23 on three lines
    kNameABCLines,      // "%s", then A, B, C on three lines
    kNameOnly,          // "%s"
    kAAndCompetition,   // "%s, %d, %d": A and the whole competition word
    kRefBC,             // ref, then B and C on two lines (also 7, 16, 0 and unknown)
    kParenRefABC,       // "%s, {%d, %s, %d)", then A, B, C on three lines
    kRefC,              // ref, then C on one line
    kCountryArguments,  // "%s, %d, %d": country byte and the whole argument word
};

EForm FormOf(std::int32_t command) {
    switch (command) {
        case kBuildCounter:
            return EForm::kWholeArguments;
        case kBuildUefa5:
            return EForm::kAAndUpper;
        case kGetChamp:
        case kGetWinner:
        case kGetLoser:
        case kGetCcFaWinner:
        case kGetRelegatedTeams:
            return EForm::kRef;
        case kGetUefa5Tab:
            return EForm::kABC;
        case kGetUefa5SureTab:
        case kGetUefa5SureUic:
            return EForm::kAB;
        case kGetTabSureXToYZ:
            return EForm::kRefThreeBytes;
        case kGetTabLevelXToY:
        case kGetTabLevelStartXToY:
        case kGetTabLevelIndoor:
            return EForm::kNameABCLines;
        case kGetTabSpare:
        case kGetNatUefa5WithoutHost:
        case kGetNatSouthAmerica:
        case kGetNatAmerica:
        case kGetNatAfrica:
        case kGetNatAsia:
        case kGetNatOceania:
        case kGetHost:
        case kGetCcSpare:
            return EForm::kNameOnly;
        case kGetUefa5ChampOrFinalist:
            return EForm::kAAndCompetition;
        case kGetInternationalTabLevelXToY:
            return EForm::kParenRefABC;
        case kGetInternationalSpare:
            return EForm::kRefC;
        case kGetInternationalTeams:
            return EForm::kCountryArguments;
        case kGetPool:
        case kGetTabXToY:
        case kGetNatUefa5WithHost:
        default:
            return EForm::kRefBC;
    }
}

std::string RefText(std::uint32_t competition) {
    return FormatPrintf("{%d, %s, %d}", CompetitionCountry(competition),
                        std::string(CompetitionTypeName(CompetitionType(competition))).c_str(),
                        CompetitionIndex(competition));
}

bool WriteLines(CKLFile& file, std::initializer_list<int> values) {
    bool ok = true;
    for (const int value : values) {
        ok &= file.WriteNumber(static_cast<std::int32_t>(value));
    }
    return ok;
}

bool WriteEntry(CKLFile& file, const SScriptEntry& entry) {
    const std::string name(ScriptCommandName(entry.command));
    const char* n = name.c_str();
    const std::uint32_t args = entry.arguments;
    const int a = ArgumentA(args);
    const int b = ArgumentB(args);
    const int c = ArgumentC(args);
    const std::string ref = RefText(entry.competition);
    switch (FormOf(entry.command)) {
        case EForm::kWholeArguments:
            return file.WriteFormatted("%s, %d", n, static_cast<std::int32_t>(args));
        case EForm::kAAndUpper:
            return file.WriteFormatted("%s, %d, %d", n, a, static_cast<int>(args >> 16));
        case EForm::kRef:
            return file.WriteFormatted("%s, %s", n, ref.c_str());
        case EForm::kABC:
            return file.WriteFormatted("%s, %d, %d, %d", n, a, b, c);
        case EForm::kAB:
            return file.WriteFormatted("%s, %d, %d", n, a, b);
        case EForm::kRefThreeBytes:
            return file.WriteFormatted("%s, %s", n, ref.c_str()) &&
                   WriteLines(file, {static_cast<int>(args & 0xFF),
                                     static_cast<int>((args >> 8) & 0xFF), b});
        case EForm::kNameABCLines:
            return file.WriteFormatted("%s", n) && WriteLines(file, {a, b, c});
        case EForm::kNameOnly:
            return file.WriteFormatted("%s", n);
        case EForm::kAAndCompetition:
            return file.WriteFormatted("%s, %d, %d", n, a,
                                       static_cast<std::int32_t>(entry.competition));
        case EForm::kParenRefABC: {
            // This command's ref is closed by a parenthesis.
            std::string open = ref;
            open.back() = ')';
            return file.WriteFormatted("%s, %s", n, open.c_str()) && WriteLines(file, {a, b, c});
        }
        case EForm::kRefC:
            return file.WriteFormatted("%s, %s", n, ref.c_str()) && WriteLines(file, {c});
        case EForm::kCountryArguments:
            return file.WriteFormatted("%s, %d, %d", n, CompetitionCountry(entry.competition),
                                       static_cast<std::int32_t>(args));
        case EForm::kRefBC:
            return file.WriteFormatted("%s, %s", n, ref.c_str()) && WriteLines(file, {b, c});
    }
    return false;
}

SScriptEntry ReadEntry(CKLFile& file, std::string_view line, int defaultCountry) {
    line = line.substr(0, kScriptLineLimit);
    SScriptEntry entry;
    entry.command = LookupScriptCommand(line);
    const std::size_t comma = line.find(',');
    const std::string_view rest =
        comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
    const auto numbers = [&](std::size_t count) {
        std::vector<std::int32_t> values = SplitNumbers(rest, count);
        values.resize(count, 0);
        return values;
    };
    const auto ref = [&] { return ParseCompetitionId(rest, defaultCountry); };
    switch (FormOf(entry.command)) {
        case EForm::kWholeArguments:
            entry.arguments = static_cast<std::uint32_t>(numbers(1)[0]);
            break;
        case EForm::kAAndUpper: {
            const auto n = numbers(2);
            entry.arguments = (static_cast<std::uint32_t>(n[0]) & 0xFFFF) |
                              (static_cast<std::uint32_t>(n[1]) << 16);
            break;
        }
        case EForm::kRef:
            entry.competition = ref();
            break;
        case EForm::kABC: {
            const auto n = numbers(3);
            entry.arguments = MakeScriptArguments(n[0], n[1], n[2]);
            break;
        }
        case EForm::kAB: {
            const auto n = numbers(2);
            entry.arguments = MakeScriptArguments(n[0], n[1], 0);
            break;
        }
        case EForm::kRefThreeBytes: {
            entry.competition = ref();
            const std::uint32_t low = static_cast<std::uint32_t>(ReadInt32(file)) & 0xFF;
            const std::uint32_t middle = static_cast<std::uint32_t>(ReadInt32(file)) & 0xFF;
            const std::uint32_t high = static_cast<std::uint32_t>(ReadInt32(file)) & 0xFF;
            entry.arguments = low | (middle << 8) | (high << 16);
            break;
        }
        case EForm::kNameABCLines: {
            const int a = ReadInt32(file);
            const int b = ReadInt32(file);
            entry.arguments = MakeScriptArguments(a, b, ReadInt32(file));
            break;
        }
        case EForm::kNameOnly:
            break;
        case EForm::kAAndCompetition: {
            const auto n = numbers(2);
            entry.arguments = MakeScriptArguments(n[0], 0, 0);
            entry.competition = static_cast<std::uint32_t>(n[1]);
            break;
        }
        case EForm::kParenRefABC: {
            entry.competition = ref();
            const int a = ReadInt32(file);
            const int b = ReadInt32(file);
            entry.arguments = MakeScriptArguments(a, b, ReadInt32(file));
            break;
        }
        case EForm::kRefC:
            entry.competition = ref();
            entry.arguments = MakeScriptArguments(0, 0, ReadInt32(file));
            break;
        case EForm::kCountryArguments: {
            // The country's league 0.
            const auto n = numbers(2);
            entry.competition = (static_cast<std::uint32_t>(n[0]) << 24) | 0x10000;
            entry.arguments = static_cast<std::uint32_t>(n[1]);
            break;
        }
        case EForm::kRefBC: {
            entry.competition = ref();
            const int b = ReadInt32(file);
            entry.arguments = MakeScriptArguments(0, b, ReadInt32(file));
            break;
        }
    }
    return entry;
}

}  // namespace

std::string_view ScriptCommandName(std::int32_t command) {
    if (command < 0 || command >= static_cast<std::int32_t>(kCommandNames.size())) {
        return {};
    }
    return kCommandNames[static_cast<std::size_t>(command)];
}

std::int32_t LookupScriptCommand(std::string_view line) {
    for (std::size_t i = 0; i < kCommandNames.size(); ++i) {
        if (line.starts_with(kCommandNames[i])) {
            return static_cast<std::int32_t>(i);
        }
    }
    return kUnknownCommand;
}

std::int32_t CScriptTable::Append(const SScriptEntry& entry) {
    if (m_entries.size() == m_entries.capacity()) {
        m_entries.reserve(m_entries.capacity() + kGrowth);
    }
    m_entries.push_back(entry);
    return static_cast<std::int32_t>(m_entries.size() - 1);
}

const SScriptEntry* CScriptTable::Entry(std::int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size()) {
        return nullptr;
    }
    return &m_entries[static_cast<std::size_t>(index)];
}

std::span<const SScriptEntry> CScriptTable::List(std::int32_t start) const {
    if (start < 0 || static_cast<std::size_t>(start) >= m_entries.size()) {
        return {};
    }
    const auto first = m_entries.begin() + start;
    auto last = first;
    while (last != m_entries.end() && last->command != kEndOfEntry) {
        ++last;
    }
    return {first, last};
}

std::int32_t CScriptTable::AppendList(std::span<const SScriptEntry> entries) {
    const auto start = static_cast<std::int32_t>(m_entries.size());
    for (const SScriptEntry& entry : entries) {
        // An entry with command 0 inside the list would end it early.
        if (entry.command != kEndOfEntry) {
            Append(entry);
        }
    }
    Append(SScriptEntry{});
    return start;
}

bool WriteScriptList(CKLFile& file, const CScriptTable& table, std::int32_t start) {
    const std::span<const SScriptEntry> list = table.List(start);
    bool ok = file.WriteNumber(static_cast<std::int32_t>(list.size()));
    for (const SScriptEntry& entry : list) {
        ok &= WriteEntry(file, entry);
    }
    return ok;
}

std::int32_t ReadScriptList(CKLFile& file, CScriptTable& table, int defaultCountry) {
    std::int32_t count = 0;
    file.ReadNumber(count);
    // Entries are collected first so that one list stands together in the table.
    std::vector<SScriptEntry> entries;
    std::string line;
    for (std::int32_t i = 0; i < count; ++i) {
        if (!file.ReadLine(line)) {
            break;
        }
        entries.push_back(ReadEntry(file, line, defaultCountry));
    }
    const auto start = static_cast<std::int32_t>(table.Size());
    SScriptEntry terminator;
    for (const SScriptEntry& entry : entries) {
        table.Append(entry);
        terminator = entry;
    }
    terminator.command = kEndOfEntry;
    table.Append(terminator);
    return start;
}

}  // namespace kw
