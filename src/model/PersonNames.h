#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kw {

// The short form of a name in lists: "Surname, F." when both names are set, otherwise whichever
// is set. Players, club staff, referees and managers all use it.
std::string ShortName(std::string_view firstName, std::string_view surname);
// The player pool's tighter form "Surname,F." when the first name is set; otherwise the surname.
std::string PoolShortName(std::string_view firstName, std::string_view surname);

// Blanks and non-breaking blanks (code 160) removed at both ends, as every person name is read.
std::string TrimName(std::string_view name);
// Player names are cleaned further: line breaks and tabs become blanks and runs of blanks
// shrink to one, so hand-edited files cannot smuggle layout into the lists.
std::string CleanPlayerName(std::string_view name);

// The folded form of the name (diacritics removed, case kept, "Œ", "œ", "Æ", "æ" and "ß" as two
// letters) into buffer: at most size - 1 characters and a terminating zero. Returns the number of
// characters written.
std::size_t WriteFoldedName(std::string_view name, char* buffer, std::size_t size);

}  // namespace kw
