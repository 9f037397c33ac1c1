#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kw {

// Writes JSON text straight into a string, value by value, without building a document first:
// the database dump has tens of millions of values. The text is exactly what nlohmann::json's
// dump(indent) gives for the same values in the same order (indent below 0: compact), so readers
// and earlier dumps see no difference.
//
// The caller keeps the grammar: a Key before every value inside an object, none inside an array,
// every Begin closed by its End.
class CJsonWriter {
public:
    explicit CJsonWriter(int indent) : m_indent(indent) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The member name of the next value; names are escaped as strings are.
    void Key(std::string_view name);

    void Null();
    void Bool(bool value);
    void Signed(std::int64_t value);
    void Unsigned(std::uint64_t value);
    // A UTF-8 string.
    void String(std::string_view utf8);
    // A Windows-1252 string, converted to UTF-8 on the way.
    void Cp1252String(std::string_view cp1252);

    // Any integer, as the number it is.
    template <std::integral T>
    void Number(T value) {
        if constexpr (std::same_as<T, bool>) {
            Bool(value);
        } else if constexpr (std::is_signed_v<T>) {
            Signed(value);
        } else {
            Unsigned(value);
        }
    }

    // A member whose value is an integer.
    template <std::integral T>
    void Member(std::string_view name, T value) {
        Key(name);
        Number(value);
    }

    // An array of the integers of a range.
    template <typename Range>
    void Numbers(const Range& values) {
        BeginArray();
        for (const auto value : values) {
            Number(value);
        }
        EndArray();
    }

    // An array of the given integers.
    template <std::integral... T>
    void NumberList(T... values) {
        BeginArray();
        (Number(values), ...);
        EndArray();
    }

    // The text written so far; the writer is empty afterwards.
    std::string Take();

private:
    struct SLevel {
        bool object = false;
        bool empty = true;
    };

    void BeforeValue();
    void StartElement();
    void NewLine(std::size_t depth);
    void Open(char bracket, bool object);
    void Close(char bracket);
    void AppendEscaped(char c);

    int m_indent;
    std::string m_text;
    std::vector<SLevel> m_levels;
};

}  // namespace kw
