#pragma once

#include <cstring>
#include <string_view>

#include "storage/FixedText.h"
#include "storage/KLFile.h"

namespace kw {

// Five texts of one capacity as one quoted-list line. They go through a plain buffer because the
// reader and writer of quoted lists take the five texts laid out one behind the other.
template <std::size_t N>
bool WriteLanguageTexts(CKLFile& file, const CLanguageTexts<N>& texts) {
    char buffer[kLanguageCount][N] = {};
    for (int language = 0; language < kLanguageCount; ++language) {
        const std::string_view text = texts[static_cast<std::size_t>(language)].View();
        std::memcpy(buffer[language], text.data(), text.size());
    }
    return file.WriteQuotedList(buffer[0], kLanguageCount, N);
}

// A line that is missing leaves the texts as they are, like every other text read.
template <std::size_t N>
bool ReadLanguageTexts(CKLFile& file, CLanguageTexts<N>& texts) {
    char buffer[kLanguageCount][N] = {};
    if (!file.ReadQuotedFive(buffer[0], N)) {
        return false;
    }
    for (int language = 0; language < kLanguageCount; ++language) {
        texts[static_cast<std::size_t>(language)].Set(
            std::string_view(buffer[language], strnlen(buffer[language], N)));
    }
    return true;
}

}  // namespace kw
