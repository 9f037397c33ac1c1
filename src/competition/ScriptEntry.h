#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace kw {

class CKLFile;

// One qualification script command, also the 12-byte record of the binary export.
struct SScriptEntry {
    // Index into the command table; 0 ends a list, 31 stands for a word no row knows.
    std::int32_t command = 0;
    // A competition id, or for some commands a country in bits 24..31.
    std::uint32_t competition = 0;
    // A: bits 0..15 (signed), B: bits 16..23, C: bits 24..31; some commands use other splits.
    std::uint32_t arguments = 0;

    friend bool operator==(const SScriptEntry&, const SScriptEntry&) = default;
};
static_assert(sizeof(SScriptEntry) == 12, "the binary record is 12 bytes");

constexpr std::int16_t ArgumentA(std::uint32_t arguments) {
    return static_cast<std::int16_t>(arguments & 0xFFFF);
}
constexpr int ArgumentB(std::uint32_t arguments) {
    return static_cast<int>((arguments >> 16) & 0xFF);
}
constexpr int ArgumentC(std::uint32_t arguments) {
    return static_cast<int>(arguments >> 24);
}
constexpr std::uint32_t MakeScriptArguments(int a, int b, int c) {
    return (static_cast<std::uint32_t>(a) & 0xFFFF) | (static_cast<std::uint32_t>(b & 0xFF) << 16) |
           (static_cast<std::uint32_t>(c & 0xFF) << 24);
}

enum EScriptCommand : std::int32_t {
    kEndOfEntry = 0,
    kBuildCounter = 1,
    kBuildUefa5 = 2,
    kGetChamp = 3,
    kGetUefa5Tab = 4,
    kGetUefa5SureTab = 5,
    kGetUefa5SureUic = 6,
    kGetTabXToY = 7,
    kGetTabSureXToYZ = 8,
    kGetTabLevelXToY = 9,
    kGetTabSpare = 10,
    kGetTabLevelStartXToY = 11,
    kGetUefa5ChampOrFinalist = 12,
    kGetWinner = 13,
    kGetLoser = 14,
    kGetPool = 15,
    kGetNatUefa5WithHost = 16,
    kGetNatUefa5WithoutHost = 17,
    kGetNatSouthAmerica = 18,
    kGetNatAmerica = 19,
    kGetNatAfrica = 20,
    kGetNatAsia = 21,
    kGetNatOceania = 22,
    kGetHost = 23,
    kGetInternationalTabLevelXToY = 24,
    kGetInternationalSpare = 25,
    kGetTabLevelIndoor = 26,
    kGetRelegatedTeams = 27,
    kGetInternationalTeams = 28,
    kGetCcFaWinner = 29,
    kGetCcSpare = 30,
    kUnknownCommand = 31,
};

// The command's name; empty for 31 and anything outside the table.
std::string_view ScriptCommandName(std::int32_t command);
// The first row (0..30) whose name is a prefix of the line; 31 when none.
std::int32_t LookupScriptCommand(std::string_view line);

// The world-wide table of script entries. A list is found by the index of its first entry and
// runs to the first entry whose command is 0.
class CScriptTable {
public:
    static constexpr std::size_t kGrowth = 32;

    // Appends one entry and returns its index.
    std::int32_t Append(const SScriptEntry& entry);
    std::size_t Size() const { return m_entries.size(); }
    // Nothing for an index outside the table.
    const SScriptEntry* Entry(std::int32_t index) const;
    // The list at start without its terminator; empty for an index outside the table, and cut at
    // the table's end when the terminator is missing.
    std::span<const SScriptEntry> List(std::int32_t start) const;
    // Appends the entries and their terminator; returns the start index.
    std::int32_t AppendList(std::span<const SScriptEntry> entries);
    void Clear() { m_entries.clear(); }

private:
    std::vector<SScriptEntry> m_entries;
};

// The text form of a list: its entry count, then one line (and the further lines of its form)
// per entry.
bool WriteScriptList(CKLFile& file, const CScriptTable& table, std::int32_t start);
// Reads a list written that way, appends it with its terminator and returns the start index. A
// negative country in a ref is `defaultCountry`.
std::int32_t ReadScriptList(CKLFile& file, CScriptTable& table, int defaultCountry);

}  // namespace kw
