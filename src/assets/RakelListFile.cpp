#include "assets/RakelListFile.h"

#include <charconv>

namespace kw {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

RakelRecord SplitFields(std::string_view line) {
    RakelRecord fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(';', start);
        fields.emplace_back(line.substr(start, end - start));
        if (end == std::string_view::npos) {
            return fields;
        }
        start = end + 1;
    }
}

}  // namespace

std::vector<RakelRecord> SplitRakelList(std::string_view text) {
    std::vector<RakelRecord> records;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        records.push_back(SplitFields(line));
    }
    return records;
}

std::optional<std::int32_t> ParseRakelNumber(std::string_view field) {
    field = TrimBlanks(field);
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace kw
