#pragma once

#include <string_view>

#include "competition/CupFormat.h"

namespace kw {

class CKLFile;
class CScriptTable;

// Where the cup formats live, below the installation folder.
inline constexpr std::string_view kCupAllocFile = "script/CupAlloc.txt";

// One round line of a format, from its opening brace: first, second, the four values, the round
// name keyword, then the BEG flags (comma-separated, ORed). The round name is kept twice.
SCupRound ParseCupRoundLine(std::string_view line);

// The name a format's name line stands for: the text of its name keyword when the line from its
// second character on begins with one that has a text, else the whole line.
std::string_view CupFormatName(std::string_view line);

// Reads the file's formats into the table (which is emptied first), their scripts into the
// script table. The first value N counts the numbers 0..N-1; number 0 never holds a format and a
// missing "CUP<k>" section leaves number k empty. Returns the number of formats read.
int ReadCupFormats(CKLFile& file, CCupFormatTable& formats, CScriptTable& scripts);

}  // namespace kw
