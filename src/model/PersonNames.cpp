#include "model/PersonNames.h"

#include "storage/TextFolding.h"

namespace kw {

namespace {

constexpr char kNonBreakingBlank = '\xA0';

bool IsNameBlank(char c) {
    return c == ' ' || c == kNonBreakingBlank;
}

// Hands out the folded characters of a text one at a time, the two-letter expansions included;
// 0 after the end.
class CFoldedReader {
public:
    explicit CFoldedReader(std::string_view text) : m_text(text) {}

    unsigned char Next() {
        if (m_pending != '\0') {
            const char pending = m_pending;
            m_pending = '\0';
            return static_cast<unsigned char>(pending);
        }
        if (m_index >= m_text.size()) {
            return 0;
        }
        const SFoldedCharacter fold = FoldCharacter(static_cast<unsigned char>(m_text[m_index++]));
        m_pending = fold.second;
        return static_cast<unsigned char>(fold.first);
    }

private:
    std::string_view m_text;
    std::size_t m_index = 0;
    char m_pending = '\0';
};

}  // namespace

std::string ShortName(std::string_view firstName, std::string_view surname) {
    if (!firstName.empty() && !surname.empty()) {
        std::string text(surname);
        text += ", ";
        text += firstName.front();
        text += '.';
        return text;
    }
    return std::string(surname.empty() ? firstName : surname);
}

std::string PoolShortName(std::string_view firstName, std::string_view surname) {
    std::string text(surname);
    if (!firstName.empty()) {
        text += ',';
        text += firstName.front();
        text += '.';
    }
    return text;
}

std::string TrimName(std::string_view name) {
    while (!name.empty() && IsNameBlank(name.front())) {
        name.remove_prefix(1);
    }
    while (!name.empty() && IsNameBlank(name.back())) {
        name.remove_suffix(1);
    }
    return std::string(name);
}

std::string CleanPlayerName(std::string_view name) {
    const std::string trimmed = TrimName(name);
    std::string cleaned;
    cleaned.reserve(trimmed.size());
    for (char c : trimmed) {
        if (c == '\r' || c == '\n' || c == '\t') {
            c = ' ';
        }
        // Leading blanks and the second blank of a run are dropped.
        if (c == ' ' && (cleaned.empty() || cleaned.back() == ' ')) {
            continue;
        }
        cleaned += c;
    }
    while (!cleaned.empty() && cleaned.back() == ' ') {
        cleaned.pop_back();
    }
    return cleaned;
}

std::size_t WriteFoldedName(std::string_view name, char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    CFoldedReader reader(name);
    std::size_t length = 0;
    while (length + 1 < size) {
        const unsigned char c = reader.Next();
        if (c == 0) {
            break;
        }
        buffer[length++] = static_cast<char>(c);
    }
    buffer[length] = '\0';
    return length;
}

}  // namespace kw
