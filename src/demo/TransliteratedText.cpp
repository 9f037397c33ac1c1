#include "demo/TransliteratedText.h"

#include "platform/Cp1252.h"

namespace kw::demo {

namespace {

// Base letters of U+0100 to U+017F (Latin Extended-A), in code point order.
constexpr std::string_view kLatinExtendedA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSs"
    "SsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

char BaseLetter(char32_t codePoint) {
    if (codePoint >= 0x100 && codePoint < 0x100 + kLatinExtendedA.size()) {
        return kLatinExtendedA[codePoint - 0x100];
    }
    switch (codePoint) {
        case 0x218:  // S with comma below
            return 'S';
        case 0x219:
            return 's';
        case 0x21A:  // T with comma below
            return 'T';
        case 0x21B:
            return 't';
        case 0x18F:  // schwa
            return 'A';
        case 0x259:
            return 'a';
        default:
            return '?';
    }
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \n") - first + 1);
}

}  // namespace

std::string Transliterated(std::string_view utf8) {
    std::string result;
    std::size_t position = 0;
    while (position < utf8.size()) {
        const char32_t codePoint = DecodeUtf8At(utf8, position);
        const int byte = CodePointToCp1252(codePoint);
        result += byte >= 0 ? static_cast<char>(byte) : BaseLetter(codePoint);
    }
    return result;
}

std::vector<std::string> SplitTransliterated(std::string_view utf8) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= utf8.size()) {
        const std::size_t comma = utf8.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? utf8.size() : comma;
        const std::string_view item = Trimmed(utf8.substr(start, end - start));
        if (!item.empty()) {
            items.push_back(Transliterated(item));
        }
        start = end + 1;
    }
    return items;
}

}  // namespace kw::demo
