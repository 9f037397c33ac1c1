#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kw {

// The model keeps text as Windows-1252 bytes, exactly as in the files. These convert at the
// boundaries (Qt, console, file names). The five codes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control code points of the same value, so every byte survives a
// round trip.
std::string Cp1252ToUtf8(std::string_view cp1252);
// The same, appended to `out`.
void AppendCp1252AsUtf8(std::string& out, std::string_view cp1252);

// Characters without a Windows-1252 code become '?'. Invalid UTF-8 sequences become '?' as well.
std::string Utf8ToCp1252(std::string_view utf8);

// True when every character of the UTF-8 text has a Windows-1252 code.
bool IsRepresentableInCp1252(std::string_view utf8);

// Unicode code point of one Windows-1252 byte, and the reverse (-1 when there is no code).
char32_t Cp1252ToCodePoint(unsigned char byte);
int CodePointToCp1252(char32_t codePoint);

// Decodes the UTF-8 character at `position` and moves `position` past it. A malformed sequence
// gives kInvalidCodePoint and is skipped as far as it looked valid (at least one byte), so each
// malformed sequence counts as one character. At the end of the text it gives kInvalidCodePoint
// and leaves `position` alone.
inline constexpr char32_t kInvalidCodePoint = 0xFFFFFFFF;
char32_t DecodeUtf8At(std::string_view utf8, std::size_t& position);

}  // namespace kw
