#include "storage/TextFolding.h"

#include <array>

namespace kw {

namespace {

constexpr std::array<char, 256> MakeTable() {
    std::array<char, 256> table{};
    for (int i = 0; i < 256; ++i) {
        table[static_cast<std::size_t>(i)] = static_cast<char>(i);
    }
    const auto set = [&table](int first, int last, char to) {
        for (int i = first; i <= last; ++i) {
            table[static_cast<std::size_t>(i)] = to;
        }
    };
    set(0x60, 0x60, '\'');
    set(0x82, 0x82, ',');
    set(0x84, 0x84, '"');
    set(0x93, 0x94, '"');
    set(0x8A, 0x8A, 'S');
    set(0x8E, 0x8E, 'Z');
    set(0x91, 0x92, '\'');
    set(0xB4, 0xB4, '\'');
    set(0x96, 0x96, '-');
    set(0x9A, 0x9A, 's');
    set(0x9E, 0x9E, 'z');
    set(0x9F, 0x9F, 'Y');
    set(0xDD, 0xDD, 'Y');
    set(0xA1, 0xA1, 'i');
    set(0xA2, 0xA2, 'c');
    set(0xBF, 0xBF, '?');
    set(0xC0, 0xC5, 'A');
    set(0xC7, 0xC7, 'C');
    set(0xC8, 0xCB, 'E');
    set(0xCC, 0xCF, 'I');
    set(0xD0, 0xD0, 'D');
    set(0xD1, 0xD1, 'N');
    set(0xD2, 0xD6, 'O');
    set(0xD8, 0xD8, 'O');
    set(0xD7, 0xD7, 'x');
    set(0xD9, 0xDC, 'U');
    set(0xE0, 0xE5, 'a');
    set(0xE7, 0xE7, 'c');
    set(0xE8, 0xEB, 'e');
    set(0xEC, 0xEF, 'i');
    set(0xF1, 0xF1, 'n');
    set(0xF2, 0xF6, 'o');
    set(0xF8, 0xF8, 'o');
    set(0xF9, 0xFC, 'u');
    set(0xFD, 0xFD, 'y');
    set(0xFF, 0xFF, 'y');
    return table;
}

constexpr std::array<char, 256> kFoldTable = MakeTable();

}  // namespace

SFoldedCharacter FoldCharacter(unsigned char character) {
    switch (character) {
        case 0x8C:
            return {'C', 'E'};
        case 0x9C:
            return {'c', 'e'};
        case 0xC6:
            return {'A', 'E'};
        case 0xE6:
            return {'a', 'e'};
        case 0xDF:
            return {'s', 's'};
        default:
            return {kFoldTable[character], '\0'};
    }
}

bool CFoldedCharacters::Next(char& character) {
    if (m_pending != '\0') {
        character = m_pending;
        m_pending = '\0';
        return true;
    }
    if (m_position >= m_text.size()) {
        return false;
    }
    const SFoldedCharacter fold = FoldCharacter(static_cast<unsigned char>(m_text[m_position]));
    ++m_position;
    character = fold.first;
    m_pending = fold.second;
    return true;
}

std::string FoldText(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (const char character : text) {
        const SFoldedCharacter fold = FoldCharacter(static_cast<unsigned char>(character));
        folded += fold.first;
        if (fold.second != '\0') {
            folded += fold.second;
        }
    }
    return folded;
}

}  // namespace kw
