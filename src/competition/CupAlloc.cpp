#include "competition/CupAlloc.h"

#include <algorithm>
#include <string>

#include "competition/CompetitionText.h"
#include "competition/ScriptEntry.h"
#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr char kSectionPrefix[] = "CUP";
// Formats belong to no country. A ref to "the own country" (a negative country) keeps the
// country byte 0xFF, so that it stays apart from the international level (0) until a cup
// uses the format.
constexpr int kFormatCountry = -1;

std::string ReadLineOrEmpty(CKLFile& file) {
    std::string line;
    file.ReadLine(line);
    return line;
}

}  // namespace

SCupRound ParseCupRoundLine(std::string_view line) {
    SCupRound round;
    const std::size_t brace = line.find('{');
    if (brace == std::string_view::npos) {
        return round;
    }
    std::string_view rest = line.substr(brace + 1);
    const auto field = [&rest]() {
        const std::size_t comma = rest.find(',');
        const std::string_view text = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        return text;
    };
    const auto number = [&field]() { return CKLFile::ParseDecimal(std::string(field()).c_str()); };
    round.first = static_cast<std::uint8_t>(number());
    round.second = static_cast<std::uint8_t>(number());
    for (std::uint16_t& value : round.values) {
        value = static_cast<std::uint16_t>(number());
    }
    round.roundName = static_cast<std::uint16_t>(LookupKeyword(RoundKeywords(), field()));
    round.roundNameCopy = round.roundName;
    round.flags = static_cast<std::uint32_t>(LookupKeywordList(MatchFlagKeywords(), rest));
    return round;
}

std::string_view CupFormatName(std::string_view line) {
    if (line.size() < 2) {
        return line;
    }
    const std::string_view key = line.substr(1);
    const SCupNameKeyword* best = nullptr;
    for (const SCupNameKeyword& row : CupNameKeywords()) {
        if (key.starts_with(row.keyword) &&
            (best == nullptr || row.keyword.size() > best->keyword.size())) {
            best = &row;
        }
    }
    return best != nullptr && best->stringId != 0 ? best->text : line;
}

int ReadCupFormats(CKLFile& file, CCupFormatTable& formats, CScriptTable& scripts) {
    formats.Clear();
    std::int32_t count = 0;
    file.ReadNumber(count);
    // Numbers a cup cannot store are not searched for.
    count = std::clamp<std::int32_t>(count, 0, CCupFormatTable::kMaxNumber + 1);
    int read = 0;
    for (int number = 1; number < count; ++number) {
        const std::string tag = kSectionPrefix + std::to_string(number);
        if (!file.FindSection(tag)) {
            continue;
        }
        CCupFormat format;
        format.SetCategory(
            static_cast<std::uint8_t>(LookupKeyword(CupCategoryKeywords(), ReadLineOrEmpty(file))));
        format.Name().Set(CupFormatName(ReadLineOrEmpty(file)));
        std::uint8_t setting = 0;
        file.ReadNumber(setting);
        format.SetSetting(setting);
        std::int32_t rounds = 0;
        file.ReadNumber(rounds);
        // Every round line is read so that the script list is found after them; rounds beyond
        // the format's capacity are dropped.
        for (std::int32_t i = 0; i < rounds; ++i) {
            std::string line;
            if (!file.ReadLine(line)) {
                break;
            }
            format.AddRound(ParseCupRoundLine(line));
        }
        format.SetScriptStart(ReadScriptList(file, scripts, kFormatCountry));
        formats.Set(number, std::move(format));
        ++read;
        file.SkipToSectionEnd(tag);
    }
    return read;
}

}  // namespace kw
