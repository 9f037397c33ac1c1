#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "competition/CompetitionText.h"
#include "storage/FixedText.h"

namespace kw {

// One round of a cup format.
struct SCupRound {
    std::uint8_t first = 0;
    std::uint8_t second = 0;
    // Two pairs of values.
    std::array<std::uint16_t, 4> values{};
    // BEG flags; a round is two-legged when they contain 2 or 4.
    std::uint32_t flags = 0;
    // ROUND keyword value, stored twice.
    std::uint16_t roundName = 0;
    std::uint16_t roundNameCopy = 0;

    bool IsTwoLegged() const { return (flags & 6u) != 0; }
    int Matchdays() const { return IsTwoLegged() ? 2 : 1; }

    friend bool operator==(const SCupRound&, const SCupRound&) = default;
};

enum ECupCategory : std::uint8_t {
    kCupCategoryFa = 0,
    kCupCategoryLeague = 1,
    kCupCategorySupercup = 2,
    kCupCategoryRelegation = 3,
    kCupCategoryMisc = 4,
};

// FA, LEAGUE, SUPERCUP, RELEGATION, MISC, and CC_FA as a second name of MISC.
std::span<const SKeyword> CupCategoryKeywords();

// A name keyword of the format files and the resource string it stands for (0: none, the line's
// own text is the name).
struct SCupNameKeyword {
    std::string_view keyword;
    int stringId;
    std::string_view text;
};
std::span<const SCupNameKeyword> CupNameKeywords();

// The label of a cup matchday by its round name; empty outside the round names.
std::string_view RoundLabel(int roundName);

// A predefined cup structure: its rounds and its qualification script.
class CCupFormat {
public:
    static constexpr int kMaxRounds = 10;

    std::uint8_t Category() const { return m_category; }
    void SetCategory(std::uint8_t category) { m_category = category; }
    std::uint8_t Setting() const { return m_setting; }
    void SetSetting(std::uint8_t setting) { m_setting = setting; }
    CFixedText<128>& Name() { return m_name; }
    const CFixedText<128>& Name() const { return m_name; }
    std::int32_t ScriptStart() const { return m_scriptStart; }
    void SetScriptStart(std::int32_t start) { m_scriptStart = start; }

    const std::vector<SCupRound>& Rounds() const { return m_rounds; }
    int RoundCount() const { return static_cast<int>(m_rounds.size()); }
    // False when the format has all its rounds.
    bool AddRound(const SCupRound& round);
    // One matchday per round, two for a two-legged one.
    int MatchdayCount() const;
    // The round in which matchday n (1-based) is played; nothing outside the format.
    const SCupRound* RoundOfMatchday(int matchday) const;

private:
    std::uint8_t m_category = kCupCategoryMisc;
    std::uint8_t m_setting = 0;
    CFixedText<128> m_name;
    std::vector<SCupRound> m_rounds;
    std::int32_t m_scriptStart = -1;
};

// A format whose first round states another number of rounds (its second value) than the format
// has: the master file takes the count of round records from that value.
struct SRoundCountMismatch {
    int number = 0;
    int stated = 0;
    int rounds = 0;

    friend bool operator==(const SRoundCountMismatch&, const SRoundCountMismatch&) = default;
};

// The world's cup formats by number. Number 0 never holds one: it means "no format".
class CCupFormatTable {
public:
    static constexpr int kMaxNumber = 255;

    // Nothing for 0 and for numbers without a format.
    const CCupFormat* Format(int number) const;
    // False for 0 and numbers a cup cannot store.
    bool Set(int number, CCupFormat format);
    // One past the highest number that may hold a format.
    int SlotCount() const { return static_cast<int>(m_slots.size()); }
    void Clear() { m_slots.clear(); }

private:
    std::vector<std::optional<CCupFormat>> m_slots;
};

// The formats of the table whose first round states a wrong round count, by number.
std::vector<SRoundCountMismatch> RoundCountMismatches(const CCupFormatTable& formats);

}  // namespace kw
