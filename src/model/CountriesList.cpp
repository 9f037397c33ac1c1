#include "model/CountriesList.h"

#include <cstddef>

#include "storage/Identifiers.h"
#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr std::size_t kMaxLine = 998;
constexpr std::size_t kMaxFields = 9;
constexpr std::size_t kShortNameLength = 3;

// Yields the file's lines without their end (LF or CR LF), each cut to kMaxLine characters.
class LineReader {
public:
    explicit LineReader(std::string_view content) : m_rest(content) {}

    bool Next(std::string_view& line) {
        if (m_rest.empty()) {
            return false;
        }
        const std::size_t end = m_rest.find('\n');
        line = m_rest.substr(0, end);
        m_rest = end == std::string_view::npos ? std::string_view{} : m_rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.size() > kMaxLine) {
            line = line.substr(0, kMaxLine);
        }
        return true;
    }

private:
    std::string_view m_rest;
};

// Splits like a tokenizer on ',': empty fields between two commas vanish.
std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size() && fields.size() < kMaxFields) {
        const std::size_t comma = line.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        if (end > start) {
            fields.push_back(line.substr(start, end - start));
        }
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return fields;
}

// The first field names every language; fields 2 to 5 override languages 1 to 4.
std::array<std::string, 5> PerLanguage(std::string_view line, std::size_t maxLength) {
    const std::vector<std::string_view> fields = SplitFields(line);
    std::array<std::string, 5> texts;
    for (std::size_t language = 0; language < texts.size(); ++language) {
        const std::size_t field = language < fields.size() ? language : 0;
        if (field < fields.size()) {
            texts[language] = std::string(fields[field].substr(0, maxLength));
        }
    }
    return texts;
}

int ParseInteger(std::string_view line) {
    char digits[kMaxLine + 1];
    line.copy(digits, line.size());
    digits[line.size()] = '\0';
    return CKLFile::ParseDecimal(digits);
}

}  // namespace

std::vector<SCountriesListEntry> ParseCountriesList(std::string_view content) {
    std::vector<SCountriesListEntry> entries;
    LineReader reader(content);
    std::string_view line;
    while (entries.size() < static_cast<std::size_t>(kCountryCount) && reader.Next(line)) {
        SCountriesListEntry& entry = entries.emplace_back();
        entry.names = PerLanguage(line, std::string_view::npos);
        if (!reader.Next(line)) {
            break;
        }
        entry.shortNames = PerLanguage(line, kShortNameLength);
        int values[4] = {};
        for (int& value : values) {
            if (!reader.Next(line)) {
                break;
            }
            value = ParseInteger(line);
        }
        entry.firstAttribute = static_cast<std::uint8_t>(values[1]);
        entry.secondAttribute = static_cast<std::uint8_t>(values[2]);
        // Only the low byte is kept; unsigned, so that a hostile huge value cannot overflow.
        entry.continentByte = static_cast<std::uint8_t>(static_cast<std::uint32_t>(values[3]) * 8u +
                                                        static_cast<std::uint32_t>(values[0]));
    }
    return entries;
}

}  // namespace kw
