// The value types of the record fields: checking a value against its type, field paths, and
// the club references inside a value.
#include <algorithm>
#include <charconv>

#include "tools/CsvCells.h"
#include "tools/FieldTypes.h"

namespace kw {

namespace {

using EKind = SFieldType::EKind;

std::string Fault(const std::string& path, const std::string& what) {
    return (path.empty() ? std::string("value") : path) + ": " + what;
}

std::optional<std::string> CheckNumber(const SFieldType& type, const DumpJson& value,
                                       const std::string& path) {
    if (!value.is_number_integer()) {
        return Fault(path, "a whole number expected");
    }
    if (value.is_number_unsigned() && value.get<std::uint64_t>() > 0x7FFFFFFFFFFFFFFFull) {
        return Fault(path, value.dump() + " is out of range");
    }
    const std::int64_t number = value.get<std::int64_t>();
    if (number < type.min || number > type.max) {
        return Fault(path, value.dump() + " is outside " + std::to_string(type.min) + " to " +
                               std::to_string(type.max));
    }
    return std::nullopt;
}

std::optional<std::string> CheckText(const SFieldType& type, const DumpJson& value,
                                     const std::string& path) {
    if (!value.is_string()) {
        return Fault(path, "a text expected");
    }
    const std::optional<std::string> cp1252 = StrictUtf8ToCp1252(value.get<std::string>());
    if (!cp1252) {
        return Fault(path, "characters outside Windows-1252");
    }
    if (cp1252->find('\0') != std::string::npos) {
        return Fault(path, "a text holds a zero character");
    }
    if (type.maxLength > 0 && cp1252->size() > type.maxLength) {
        return Fault(path, "text longer than " + std::to_string(type.maxLength) + " characters");
    }
    return std::nullopt;
}

std::optional<std::string> CheckList(const SFieldType& type, const DumpJson& value,
                                     bool clubsAsIdentities, const std::string& path) {
    if (!value.is_array()) {
        return Fault(path, "a list expected");
    }
    if (type.length != 0 ? value.size() != type.length : value.size() > kMaxListItems) {
        return Fault(path, "a list of " + std::to_string(value.size()) + " entries");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (auto fault = CheckValue(type.Element(i), value[i], clubsAsIdentities,
                                    path + "[" + std::to_string(i) + "]")) {
            return fault;
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckObject(const SFieldType& type, const DumpJson& value,
                                       bool clubsAsIdentities, const std::string& path) {
    if (!value.is_object() || value.size() != type.members.size()) {
        return Fault(path,
                     "an object of " + std::to_string(type.members.size()) + " members expected");
    }
    for (const auto& [name, member] : type.members) {
        const auto found = value.find(name);
        const std::string memberPath = path.empty() ? name : path + "." + name;
        if (found == value.end()) {
            return Fault(memberPath, "missing");
        }
        if (auto fault = CheckValue(member, *found, clubsAsIdentities, memberPath)) {
            return fault;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<CDate> DateFromText(std::string_view text) {
    // A year of up to six digits (the model's dates are not bounded), then "-MM-DD".
    const std::size_t dash = text.find('-', text.empty() || text[0] != '-' ? 0 : 1);
    if (dash == std::string_view::npos || dash > 7 || text.size() != dash + 6 ||
        text[dash + 3] != '-') {
        return std::nullopt;
    }
    int numbers[3] = {};
    const std::string_view parts[3] = {text.substr(0, dash), text.substr(dash + 1, 2),
                                       text.substr(dash + 4, 2)};
    for (int i = 0; i < 3; ++i) {
        const char* end = parts[i].data() + parts[i].size();
        const auto [rest, error] = std::from_chars(parts[i].data(), end, numbers[i]);
        if (error != std::errc() || rest != end) {
            return std::nullopt;
        }
    }
    const CDate date = CDate::FromYmd(numbers[0], numbers[1], numbers[2]);
    if (!date.IsSet() || date.IsoText() != text) {
        return std::nullopt;
    }
    return date;
}

SFieldType NumberType(std::int64_t min, std::int64_t max) {
    SFieldType type;
    type.min = min;
    type.max = max;
    return type;
}

SFieldType TextType(std::size_t maxLength) {
    SFieldType type;
    type.kind = EKind::kText;
    type.maxLength = maxLength;
    return type;
}

SFieldType DateType() {
    SFieldType type;
    type.kind = EKind::kDate;
    return type;
}

SFieldType BoolType() {
    SFieldType type;
    type.kind = EKind::kBool;
    return type;
}

SFieldType ClubType() {
    SFieldType type;
    type.kind = EKind::kClub;
    return type;
}

SFieldType ListType(SFieldType element, std::size_t length) {
    SFieldType type;
    type.kind = EKind::kList;
    type.length = length;
    type.element.push_back(std::move(element));
    return type;
}

SFieldType TupleType(std::vector<SFieldType> elements) {
    SFieldType type;
    type.kind = EKind::kList;
    type.length = elements.size();
    type.element = std::move(elements);
    return type;
}

SFieldType ObjectType(std::vector<SFieldMember> members) {
    SFieldType type;
    type.kind = EKind::kObject;
    type.members = std::move(members);
    return type;
}

const SFieldType* SFieldType::Member(std::string_view name) const {
    for (const auto& [key, type] : members) {
        if (key == name) {
            return &type;
        }
    }
    return nullptr;
}

std::optional<std::string> CheckValue(const SFieldType& type, const DumpJson& value,
                                      bool clubsAsIdentities, const std::string& path) {
    switch (type.kind) {
        case EKind::kNumber:
            return CheckNumber(type, value, path);
        case EKind::kText:
            return CheckText(type, value, path);
        case EKind::kDate:
            if (value.is_null() || (value.is_string() && DateFromText(value.get<std::string>()))) {
                return std::nullopt;
            }
            return Fault(path, "a date \"YYYY-MM-DD\" or null expected");
        case EKind::kBool:
            return value.is_boolean() ? std::nullopt
                                      : std::optional(Fault(path, "true or false expected"));
        case EKind::kClub:
            if (clubsAsIdentities
                    ? (value.is_string() && !value.get<std::string>().empty()) ||
                          (value.is_number_integer() && value.get<std::int64_t>() == 0)
                    : value.is_number_unsigned() && value.get<std::uint64_t>() <= 0xFFFFFFFFull) {
                return std::nullopt;
            }
            return Fault(
                path, clubsAsIdentities ? "a club's identity or 0 expected" : "a club id expected");
        case EKind::kList:
            return CheckList(type, value, clubsAsIdentities, path);
        case EKind::kObject:
            return CheckObject(type, value, clubsAsIdentities, path);
    }
    return Fault(path, "unknown type");
}

std::optional<std::vector<SPathStep>> ParseFieldPath(std::string_view path) {
    std::vector<SPathStep> steps;
    std::size_t i = 0;
    while (i < path.size()) {
        if (path[i] == '[') {
            const std::size_t end = path.find(']', i);
            if (steps.empty() || end == std::string_view::npos || end == i + 1) {
                return std::nullopt;
            }
            std::size_t index = 0;
            const auto [rest, error] =
                std::from_chars(path.data() + i + 1, path.data() + end, index);
            if (error != std::errc() || rest != path.data() + end) {
                return std::nullopt;
            }
            steps.push_back({{}, index});
            i = end + 1;
            continue;
        }
        if (!steps.empty()) {
            if (path[i] != '.') {
                return std::nullopt;
            }
            ++i;
        }
        const std::size_t end = path.find_first_of(".[", i);
        const std::string_view key = path.substr(i, end == std::string_view::npos ? end : end - i);
        if (key.empty() || !std::all_of(key.begin(), key.end(), [](char c) {
                return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            })) {
            return std::nullopt;
        }
        steps.push_back({std::string(key), 0});
        i += key.size();
    }
    if (steps.empty()) {
        return std::nullopt;
    }
    return steps;
}

std::string FieldPathText(const std::vector<SPathStep>& steps) {
    std::string text;
    for (const SPathStep& step : steps) {
        if (step.key.empty()) {
            text += "[" + std::to_string(step.index) + "]";
        } else {
            text += (text.empty() ? "" : ".") + step.key;
        }
    }
    return text;
}

const SFieldType* TypeAtPath(const SFieldType& root, const std::vector<SPathStep>& steps) {
    const SFieldType* type = &root;
    for (const SPathStep& step : steps) {
        if (!step.key.empty()) {
            type = type->kind == EKind::kObject ? type->Member(step.key) : nullptr;
        } else if (type->kind == EKind::kList &&
                   step.index < (type->length != 0 ? type->length : kMaxListItems)) {
            type = &type->Element(step.index);
        } else {
            type = nullptr;
        }
        if (type == nullptr) {
            return nullptr;
        }
    }
    return type;
}

const DumpJson* ValueAtPath(const DumpJson& root, const std::vector<SPathStep>& steps) {
    const DumpJson* value = &root;
    for (const SPathStep& step : steps) {
        if (!step.key.empty()) {
            if (!value->is_object()) {
                return nullptr;
            }
            const auto found = value->find(step.key);
            if (found == value->end()) {
                return nullptr;
            }
            value = &*found;
        } else {
            if (!value->is_array() || step.index >= value->size()) {
                return nullptr;
            }
            value = &(*value)[step.index];
        }
    }
    return value;
}

DumpJson* ValueAtPath(DumpJson& root, const std::vector<SPathStep>& steps) {
    return const_cast<DumpJson*>(ValueAtPath(static_cast<const DumpJson&>(root), steps));
}

DumpJson MapClubReferences(const SFieldType& type, const DumpJson& value,
                           const std::function<DumpJson(const DumpJson&)>& map) {
    switch (type.kind) {
        case EKind::kClub:
            return map(value);
        case EKind::kList: {
            if (!value.is_array()) {
                return value;
            }
            DumpJson mapped = DumpJson::array();
            for (std::size_t i = 0; i < value.size(); ++i) {
                mapped.push_back(MapClubReferences(type.Element(i), value[i], map));
            }
            return mapped;
        }
        case EKind::kObject: {
            if (!value.is_object()) {
                return value;
            }
            DumpJson mapped = value;
            for (const auto& [name, member] : type.members) {
                const auto found = value.find(name);
                if (found != value.end()) {
                    mapped[name] = MapClubReferences(member, *found, map);
                }
            }
            return mapped;
        }
        default:
            return value;
    }
}

}  // namespace kw
