#include "platform/Cp1252.h"

#include <array>

namespace kw {

namespace {

// Code points of 0x80..0x9F; the five undefined codes keep their own value so they round-trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        // Windows-1252 needs nothing beyond the Basic Multilingual Plane.
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

int CodePointToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

char32_t DecodeUtf8At(std::string_view utf8, std::size_t& position) {
    if (position >= utf8.size()) {
        return kInvalidCodePoint;
    }
    const auto lead = static_cast<unsigned char>(utf8[position]);
    if (lead < 0x80) {
        ++position;
        return lead;
    }
    // Well-formed sequences only: the range of the second byte excludes overlong forms,
    // surrogates and values above U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        ++position;
        return kInvalidCodePoint;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (position + i >= utf8.size()) {
            position += i;
            return kInvalidCodePoint;
        }
        const auto byte = static_cast<unsigned char>(utf8[position + i]);
        if (byte < low || byte > high) {
            position += i;
            return kInvalidCodePoint;
        }
        value = (value << 6) | (byte & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    position += length;
    return value;
}

void AppendCp1252AsUtf8(std::string& out, std::string_view cp1252) {
    for (const char c : cp1252) {
        AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(c)));
    }
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    AppendCp1252AsUtf8(out, cp1252);
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t position = 0;
    while (position < utf8.size()) {
        const char32_t codePoint = DecodeUtf8At(utf8, position);
        const int byte = codePoint == kInvalidCodePoint ? -1 : CodePointToCp1252(codePoint);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

bool IsRepresentableInCp1252(std::string_view utf8) {
    std::size_t position = 0;
    while (position < utf8.size()) {
        const char32_t codePoint = DecodeUtf8At(utf8, position);
        if (codePoint == kInvalidCodePoint || CodePointToCp1252(codePoint) < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace kw
