#pragma once

#include <string>
#include <string_view>

namespace kw {

// What the character page of the person editor computes; the page only shows and collects.

// The player types (strings 387 to 411) by the role code the record stores. The game's file keeps
// the codes 0 to 21 only (a larger one is written as 15), so the last three types are shown when
// a record holds them but cannot be chosen.
inline constexpr int kPlayerTypeCount = 25;
inline constexpr int kStorablePlayerTypes = 22;
std::string_view PlayerTypeText(int code);
bool IsStorablePlayerType(int code);

// The note as the multi-line field shows it: "\n" between lines.
std::string NoteForEditor(std::string_view note);
// The typed note as the record keeps it: "\r\n" between lines, tabs (which the file uses for line
// breaks) as blanks, and cut so that the note's line in the database file stays within the line
// length the file format allows; longer text would be cut there on saving, unnoticed.
std::string NoteFromEditor(std::string_view typed);

}  // namespace kw
