#pragma once

// The pieces the record field tables are built from: a field's type worked out from the model's
// own C++ type, and a dump value turned into that type. Values reaching the conversions have been
// checked against their type (CheckValue), so they only convert.

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/Date.h"
#include "platform/Cp1252.h"
#include "storage/FixedText.h"
#include "tools/RecordFields.h"

namespace kw {

// "YYYY-MM-DD" exactly as the dump writes a date; nothing for any other text.
std::optional<CDate> DateFromText(std::string_view text);

SFieldType NumberType(std::int64_t min, std::int64_t max);
SFieldType TextType(std::size_t maxLength);
SFieldType DateType();
SFieldType BoolType();
SFieldType ClubType();
SFieldType ListType(SFieldType element, std::size_t length);
// A list of fixed length whose positions hold values of their own types.
SFieldType TupleType(std::vector<SFieldType> elements);
SFieldType ObjectType(std::vector<SFieldMember> members);
// A table's fields as the members of one object.
template <typename R>
SFieldType ObjectType(const RecordFields<R>& fields) {
    std::vector<SFieldMember> members;
    for (const SRecordField<R>& field : fields) {
        members.push_back({field.name, field.type});
    }
    return ObjectType(std::move(members));
}

template <typename T>
struct SIsFixedText : std::false_type {};
template <std::size_t N>
struct SIsFixedText<CFixedText<N>> : std::true_type {};
template <typename T>
struct SIsArray : std::false_type {};
template <typename T, std::size_t N>
struct SIsArray<std::array<T, N>> : std::true_type {};

// The type of a model value: whole numbers within their C++ range, fixed texts as long as they
// keep, free texts, dates and fixed lists of those.
template <typename T>
SFieldType TypeOf() {
    if constexpr (std::is_integral_v<T>) {
        return NumberType(std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
    } else if constexpr (SIsFixedText<T>::value) {
        return TextType(T::kCapacity - 1);
    } else if constexpr (std::is_same_v<T, std::string>) {
        return TextType(0);
    } else if constexpr (std::is_same_v<T, CDate>) {
        return DateType();
    } else {
        static_assert(SIsArray<T>::value, "no field type for this model type");
        return ListType(TypeOf<typename T::value_type>(), std::tuple_size_v<T>);
    }
}

// A checked value as the model type T (texts as Windows-1252).
template <typename T>
T ValueAs(const DumpJson& value) {
    if constexpr (std::is_integral_v<T>) {
        return static_cast<T>(value.get<std::int64_t>());
    } else if constexpr (std::is_same_v<T, std::string> || SIsFixedText<T>::value) {
        return T(Utf8ToCp1252(value.get<std::string>()));
    } else if constexpr (std::is_same_v<T, CDate>) {
        return value.is_null() ? CDate() : DateFromText(value.get<std::string>()).value_or(CDate());
    } else {
        T result{};
        for (std::size_t i = 0; i < result.size(); ++i) {
            result[i] = ValueAs<typename T::value_type>(value[i]);
        }
        return result;
    }
}

// A field that the record reads by `get` and writes by `set`, as a whole value (`set(T)`, texts
// as `set(std::string_view)`) or element by element (`set(int, element)`); its type follows the
// getter's.
template <typename R, typename Get, typename Set>
SRecordField<R> Field(std::string name, Get /*get: its type is the field's*/, Set set) {
    using T = std::remove_cvref_t<std::invoke_result_t<Get, const R&>>;
    SRecordField<R> field{std::move(name), TypeOf<T>(), {}};
    if constexpr (std::is_invocable_v<Set, R&, int, std::string_view> && SIsArray<T>::value) {
        field.set = [set](R& record, const DumpJson& value) {
            for (std::size_t i = 0; i < std::tuple_size_v<T>; ++i) {
                const auto text = ValueAs<std::string>(value[i]);
                std::invoke(set, record, static_cast<int>(i), std::string_view(text));
            }
        };
    } else if constexpr (SIsArray<T>::value) {
        field.set = [set](R& record, const DumpJson& value) {
            for (std::size_t i = 0; i < std::tuple_size_v<T>; ++i) {
                std::invoke(set, record, static_cast<int>(i),
                            ValueAs<typename T::value_type>(value[i]));
            }
        };
    } else if constexpr (SIsFixedText<T>::value) {
        field.set = [set](R& record, const DumpJson& value) {
            std::invoke(set, record, std::string_view(ValueAs<std::string>(value)));
        };
    } else {
        field.set = [set](R& record, const DumpJson& value) {
            std::invoke(set, record, ValueAs<T>(value));
        };
    }
    return field;
}

// A field written into a member of a plain struct.
template <typename R, typename T>
SRecordField<R> Member(std::string name, T R::*member) {
    return {std::move(name), TypeOf<T>(),
            [member](R& record, const DumpJson& value) { record.*member = ValueAs<T>(value); }};
}

// A field of its own type and setter.
template <typename R>
SRecordField<R> Custom(std::string name, SFieldType type,
                       std::function<void(R&, const DumpJson&)> set) {
    return {std::move(name), std::move(type), std::move(set)};
}

// The value of a club reference written into the model.
inline std::uint32_t ClubValue(const DumpJson& value) {
    return static_cast<std::uint32_t>(value.get<std::uint64_t>());
}

}  // namespace kw
