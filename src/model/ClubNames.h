#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kw {

// The word lists and name patterns that go with a club's names. Texts are Windows-1252.

// Per language (0 German ... 4 Italian) the articles that may stand before the club name or the
// fans' names, and the two parallel lists of sentence forms ("%s" is the club name). Empty for
// an unknown language.
std::span<const std::string_view> ClubArticles(int language);
std::span<const std::string_view> FirstSentenceForms(int language);
std::span<const std::string_view> SecondSentenceForms(int language);
// The choice after `current` in a list of `count` entries: the last one is followed by 0, and a
// value already outside the list starts again at 0.
std::uint8_t NextChoice(std::uint8_t current, std::size_t count);

// The seven surrounding areas in stored order ("Vereinszentrum" ... "Forschung") and the names
// of their levels 0..5. Empty outside those ranges. The area names and SurroundingLevelShownName
// are what windows show, in the interface language; SurroundingLevelName stays German for the
// files (the CSV export).
inline constexpr int kSurroundingCount = 7;
inline constexpr int kMaxSurroundingLevel = 5;
std::string_view SurroundingName(int area);
std::string_view SurroundingLevelName(int area, int level);
std::string_view SurroundingLevelShownName(int area, int level);

// The badge offered for a club that has none, by its first colour 0..23 ("bl_sw.tga" ...), and
// the path it gets ("color\badge256\<file>"). A colour outside the table takes the first entry.
inline constexpr int kBadgeColourCount = 24;
std::string_view DefaultBadgeFile(int colour);
std::string DefaultBadgePath(int colour);

// The pattern that turns a club name into its second team's name in that country.
std::string_view SecondTeamPattern(int country);
// The national stadium's name in a language, formed from the city name.
std::string NationalStadiumName(int language, std::string_view city);

// Puts the text in place of the first "%s" of the pattern (the pattern as it is without one).
std::string FillPattern(std::string_view pattern, std::string_view text);

}  // namespace kw
