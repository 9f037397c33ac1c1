#pragma once

#include <string>
#include <string_view>

namespace kw {

// The one folding table of the program: Windows-1252 letters lose their diacritics and keep their
// case, typographic quotes and dashes become their plain forms, and Œ œ Æ æ ß count as two
// letters. Name comparison, sorting and searching all fold through it.
struct SFoldedCharacter {
    char first;
    char second;  // '\0' unless the character expands to two letters
};

SFoldedCharacter FoldCharacter(unsigned char character);

// The folded text with every expansion written out.
std::string FoldText(std::string_view text);

}  // namespace kw
