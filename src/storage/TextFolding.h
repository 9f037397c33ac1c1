#pragma once

#include <cstddef>
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

// Hands out the folded characters of a text one at a time, the second letter of an expansion on
// the following call, so a comparison needs no folded copy.
class CFoldedCharacters {
public:
    explicit CFoldedCharacters(std::string_view text) : m_text(text) {}

    // False at the end of the text.
    bool Next(char& character);

private:
    std::string_view m_text;
    std::size_t m_position = 0;
    char m_pending = '\0';
};

}  // namespace kw
