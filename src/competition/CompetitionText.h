#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

// One row of a keyword table. Flag rows are bits combined with one enumeration value.
struct SKeyword {
    std::string_view name;
    std::int32_t value;
    bool isFlag = false;
};

// The tables, each in the row order that lookups depend on.
std::span<const SKeyword> CompetitionTypeKeywords();
std::span<const SKeyword> NodeKindKeywords();
std::span<const SKeyword> RelegationRuleKeywords();
std::span<const SKeyword> RoundKeywords();
std::span<const SKeyword> PoolSortKeywords();
std::span<const SKeyword> MatchFlagKeywords();

// Kind codes that only reading knows: DB_SWITZERLAND and the legacy kinds, which are read into a
// discarded cup.
inline constexpr int kSwitzerlandKeyword = 6;
inline constexpr int kLegacyKeywordFirst = 7;
inline constexpr int kLegacyKeywordLast = 11;

// Leading blanks skipped, every row compared as a prefix of the text, the longest match wins
// (so "ROUND_QUALI2" is 2, not 1); unknown text gives 0.
std::int32_t LookupKeyword(std::span<const SKeyword> table, std::string_view text);
// A comma-separated keyword list, its values ORed.
std::int32_t LookupKeywordList(std::span<const SKeyword> table, std::string_view text);

// The first row carrying exactly the value; empty when none.
std::string_view KeywordName(std::span<const SKeyword> table, std::int32_t value);
// Enumeration name, then "," and the name of every flag set (relegation rule, pool sort).
std::string ValueToKeywords(std::span<const SKeyword> table, std::int32_t value);
// Every set bit named by the first row carrying it, joined by ", "; "0" when none.
std::string ValueToFlagNames(std::span<const SKeyword> table, std::uint32_t value);

std::string_view CompetitionTypeName(int type);

// "{ %d, %s, %d }", the form of node ids and their lists.
std::string FormatCompetitionId(std::uint32_t id);
// Parses an id from the first opening brace on: country, type name, index. A negative country
// is `defaultCountry`. No brace gives 0; `end`, when given, receives the position after the
// brace's text.
std::uint32_t ParseCompetitionId(std::string_view text, int defaultCountry,
                                 std::size_t* end = nullptr);
// The list line of the common tail: every id followed by a comma, the last comma removed; "0"
// for an empty list.
std::string FormatCompetitionIdList(std::span<const std::uint32_t> ids);
// Up to `limit` non-zero ids, each found by its opening brace.
std::vector<std::uint32_t> ParseCompetitionIdList(std::string_view text, int defaultCountry,
                                                  std::size_t limit);

// The decimal numbers of a comma-separated line, at most `limit`.
std::vector<std::int32_t> SplitNumbers(std::string_view text, std::size_t limit);

}  // namespace kw
