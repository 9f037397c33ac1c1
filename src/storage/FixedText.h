#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace kw {

// A text field of fixed capacity that holds its terminating zero within the capacity, as the
// records and the game's binary file expect: longer input is cut to N - 1 characters.
template <std::size_t N>
class CFixedText {
public:
    static constexpr std::size_t kCapacity = N;

    CFixedText() = default;
    CFixedText(std::string_view text) { Set(text); }  // NOLINT: texts convert implicitly

    void Set(std::string_view text) {
        const std::size_t length = std::min(text.size(), N - 1);
        // An empty view may carry no data pointer at all, which memcpy must not be given.
        if (length > 0) {
            std::memcpy(m_text.data(), text.data(), length);
        }
        std::fill(m_text.begin() + static_cast<std::ptrdiff_t>(length), m_text.end(), '\0');
    }
    void Clear() { m_text.fill('\0'); }

    std::string_view View() const { return {m_text.data(), std::strlen(m_text.data())}; }
    const char* CStr() const { return m_text.data(); }
    char* Data() { return m_text.data(); }
    bool Empty() const { return m_text[0] == '\0'; }

    friend bool operator==(const CFixedText& a, const CFixedText& b) {
        return a.View() == b.View();
    }

private:
    std::array<char, N> m_text{};
};

// Five texts, one per language (0 German, 1 English, 2 French, 3 Spanish, 4 Italian), stored one
// behind the other as the quoted lists of the files lay them out.
inline constexpr int kLanguageCount = 5;
// The language names are shown in until the user chooses another (and the command-line tool's).
inline constexpr int kDefaultLanguage = 0;
template <std::size_t N>
using CLanguageTexts = std::array<CFixedText<N>, kLanguageCount>;

}  // namespace kw
