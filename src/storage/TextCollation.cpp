#include "storage/TextCollation.h"

#include "platform/Cp1252.h"
#include "storage/TextFolding.h"

namespace kw {

namespace {

// After folding, the letters that still have two cases: A to Z and Þ.
unsigned char IgnoringCase(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if ((byte >= 'A' && byte <= 'Z') || byte == 0xDE) {
        return static_cast<unsigned char>(byte + 0x20);
    }
    return byte;
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

// The comparison of the two texts' collation keys, without building them.
int CompareKeys(std::string_view a, std::string_view b) {
    CFoldedCharacters left(a);
    CFoldedCharacters right(b);
    for (;;) {
        char l = '\0';
        char r = '\0';
        const bool hasLeft = left.Next(l);
        const bool hasRight = right.Next(r);
        if (!hasLeft || !hasRight) {
            return static_cast<int>(hasLeft) - static_cast<int>(hasRight);
        }
        if (IgnoringCase(l) != IgnoringCase(r)) {
            return IgnoringCase(l) < IgnoringCase(r) ? -1 : 1;
        }
    }
}

}  // namespace

int CollateText(std::string_view a, std::string_view b) {
    const int keys = CompareKeys(a, b);
    return keys != 0 ? keys : Sign(a.compare(b));
}

int CollateTexts(std::initializer_list<std::string_view> a,
                 std::initializer_list<std::string_view> b) {
    for (auto left = a.begin(), right = b.begin(); left != a.end() && right != b.end();
         ++left, ++right) {
        if (const int keys = CompareKeys(*left, *right); keys != 0) {
            return keys;
        }
    }
    for (auto left = a.begin(), right = b.begin(); left != a.end() && right != b.end();
         ++left, ++right) {
        if (const int bytes = left->compare(*right); bytes != 0) {
            return Sign(bytes);
        }
    }
    return 0;
}

std::string CollationKey(std::string_view text) {
    std::string key = FoldText(text);
    for (char& character : key) {
        character = static_cast<char>(IgnoringCase(character));
    }
    return key;
}

int CollateUtf8Text(std::string_view a, std::string_view b) {
    const int order = CollateText(Utf8ToCp1252(a), Utf8ToCp1252(b));
    return order != 0 ? order : Sign(a.compare(b));
}

}  // namespace kw
