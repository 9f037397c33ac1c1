#include "exports/JsonWriter.h"

#include <array>
#include <charconv>
#include <utility>

#include "platform/Cp1252.h"

namespace kw {

namespace {

bool NeedsEscape(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\';
}

template <typename T>
void AppendDecimal(std::string& out, T value) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

void CJsonWriter::BeginObject() {
    Open('{', true);
}

void CJsonWriter::EndObject() {
    Close('}');
}

void CJsonWriter::BeginArray() {
    Open('[', false);
}

void CJsonWriter::EndArray() {
    Close(']');
}

void CJsonWriter::Key(std::string_view name) {
    StartElement();
    String(name);
    m_text.append(m_indent < 0 ? ":" : ": ");
}

void CJsonWriter::Null() {
    BeforeValue();
    m_text.append("null");
}

void CJsonWriter::Bool(bool value) {
    BeforeValue();
    m_text.append(value ? "true" : "false");
}

void CJsonWriter::Signed(std::int64_t value) {
    BeforeValue();
    AppendDecimal(m_text, value);
}

void CJsonWriter::Unsigned(std::uint64_t value) {
    BeforeValue();
    AppendDecimal(m_text, value);
}

void CJsonWriter::String(std::string_view utf8) {
    BeforeValue();
    m_text.push_back('"');
    std::size_t start = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (NeedsEscape(utf8[i])) {
            m_text.append(utf8.substr(start, i - start));
            AppendEscaped(utf8[i]);
            start = i + 1;
        }
    }
    m_text.append(utf8.substr(start));
    m_text.push_back('"');
}

void CJsonWriter::Cp1252String(std::string_view cp1252) {
    BeforeValue();
    m_text.push_back('"');
    for (const char c : cp1252) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            AppendCp1252AsUtf8(m_text, std::string_view(&c, 1));
        } else if (NeedsEscape(c)) {
            AppendEscaped(c);
        } else {
            m_text.push_back(c);
        }
    }
    m_text.push_back('"');
}

std::string CJsonWriter::Take() {
    m_levels.clear();
    return std::exchange(m_text, {});
}

// Inside an array every value starts a new element; inside an object the Key has done that.
void CJsonWriter::BeforeValue() {
    if (!m_levels.empty() && !m_levels.back().object) {
        StartElement();
    }
}

// A member or an array element: behind the one before it, on a line of its own when indented.
void CJsonWriter::StartElement() {
    SLevel& level = m_levels.back();
    if (!level.empty) {
        m_text.push_back(',');
    }
    level.empty = false;
    NewLine(m_levels.size());
}

void CJsonWriter::NewLine(std::size_t depth) {
    if (m_indent < 0) {
        return;
    }
    m_text.push_back('\n');
    m_text.append(depth * static_cast<std::size_t>(m_indent), ' ');
}

void CJsonWriter::Open(char bracket, bool object) {
    BeforeValue();
    m_text.push_back(bracket);
    m_levels.push_back({object, true});
}

void CJsonWriter::Close(char bracket) {
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty) {
        NewLine(m_levels.size());
    }
    m_text.push_back(bracket);
}

// The short escapes where JSON has one, else \u with four lowercase hex digits.
void CJsonWriter::AppendEscaped(char c) {
    static constexpr std::array<std::pair<char, std::string_view>, 7> kShortEscapes = {{
        {'"', "\\\""},
        {'\\', "\\\\"},
        {'\b', "\\b"},
        {'\f', "\\f"},
        {'\n', "\\n"},
        {'\r', "\\r"},
        {'\t', "\\t"},
    }};
    for (const auto& [character, escape] : kShortEscapes) {
        if (c == character) {
            m_text.append(escape);
            return;
        }
    }
    static constexpr char kHex[] = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    m_text.append("\\u00");
    m_text.push_back(kHex[byte >> 4]);
    m_text.push_back(kHex[byte & 0x0F]);
}

}  // namespace kw
