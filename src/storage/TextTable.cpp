#include "storage/TextTable.h"

#include <algorithm>
#include <string>

#include "platform/Paths.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"
#include "storage/TextHelpers.h"

namespace kw {

namespace {

const std::string kNoText;

// A text line as the table keeps it: cut to the text limit, then without its line end.
std::string TextOfLine(const std::string& line) {
    std::string text = line.substr(0, CBaseTextFile::kTextLimit);
    StripLineEnd(text);
    return text;
}

std::string ResourceText(int id) {
    return id != 0 ? std::string(ResourceString(id)) : std::string();
}

}  // namespace

int SelectedEntryIndex(const TextTableEntries& entries, std::int32_t selectedValue) {
    for (std::size_t i = entries.size(); i-- > 0;) {
        if (entries[i].first == selectedValue) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

CBaseTextFile::CBaseTextFile(const STextTableFormat& format)
    : m_format(format),
      m_count(format.capacity),
      m_texts(static_cast<std::size_t>(std::max(format.capacity, 0))),
      m_values(m_texts.size()) {}

void CBaseTextFile::Load(const std::filesystem::path& path) {
    Clear();
    Allocate(m_format.capacity);
    CTextFileLines lines;
    m_read = lines.Open(path);
    if (!m_read) {
        FillMissing();
        return;
    }
    Fill(lines);
}

void CBaseTextFile::LoadFromMemory(std::string_view data) {
    Clear();
    Allocate(m_format.capacity);
    CTextFileLines lines;
    lines.OpenFromMemory(data);
    m_read = true;
    Fill(lines);
}

void CBaseTextFile::FillMissing() {
    std::int32_t first = 0;
    if (m_format.noneTextId != 0 && m_format.capacity > 0) {
        SetValue(0, 0);
        SetDefaultText(0);
        first = 1;
    }
    for (std::int32_t i = first; i < m_format.capacity; ++i) {
        SetValue(i, i);
        SetDefaultText(i);
    }
}

void CBaseTextFile::Fill(CTextFileLines& lines) {
    const std::int32_t first = m_format.noneTextId != 0 && m_format.capacity > 0 ? 1 : 0;
    const std::int32_t room = m_format.capacity - first;
    std::string line;
    std::int32_t announced = room;
    if (m_format.countLine) {
        announced = lines.ReadLine(line, kLineLimit) ? CKLFile::ParseDecimal(line.c_str()) : 0;
    }
    if (first == 1) {
        SetValue(0, 0);
        SetNoneText(0);
    }
    // Only what fits and what the file really holds; the count then says exactly that.
    const std::int32_t wanted = std::clamp(announced, 0, room);
    std::int32_t filled = 0;
    std::string second;
    for (; filled < wanted; ++filled) {
        const std::int32_t index = first + filled;
        if (!lines.ReadLine(line, kLineLimit)) {
            break;
        }
        if (!m_format.twoLinesPerEntry) {
            SetValue(index, index);
            SetText(index, TextOfLine(line));
            continue;
        }
        if (!lines.ReadLine(second, kLineLimit)) {
            break;
        }
        const std::string& numberLine = m_format.valueFirst ? line : second;
        const std::string& textLine = m_format.valueFirst ? second : line;
        SetValue(index, CKLFile::ParseDecimal(numberLine.c_str()));
        SetText(index, TextOfLine(textLine));
    }
    m_count = first + filled;
}

const std::string& CBaseTextFile::GetText(std::int32_t index) const {
    return IsEntry(index, m_texts.size()) ? m_texts[static_cast<std::size_t>(index)] : kNoText;
}

std::int32_t CBaseTextFile::GetValue(std::int32_t index) const {
    return IsEntry(index, m_values.size()) ? m_values[static_cast<std::size_t>(index)] : 0;
}

TextTableEntries CBaseTextFile::Entries() const {
    TextTableEntries entries;
    entries.reserve(static_cast<std::size_t>(std::max(m_count, 0)));
    for (std::int32_t i = 0; i < m_count; ++i) {
        entries.emplace_back(GetValue(i), GetText(i));
    }
    return entries;
}

void CBaseTextFile::Clear() {
    m_texts.clear();
    m_values.clear();
}

void CBaseTextFile::Allocate(std::int32_t size) {
    const auto entries = static_cast<std::size_t>(std::max(size, 0));
    m_texts.assign(entries, std::string());
    m_values.assign(entries, 0);
}

void CBaseTextFile::SetValue(std::int32_t index, std::int32_t value) {
    if (IsEntry(index, m_values.size())) {
        m_values[static_cast<std::size_t>(index)] = value;
    }
}

void CBaseTextFile::SetText(std::int32_t index, std::string_view text) {
    if (IsEntry(index, m_texts.size())) {
        m_texts[static_cast<std::size_t>(index)] = text;
    }
}

void CBaseTextFile::SetDefaultText(std::int32_t index) {
    SetText(index, ResourceText(m_format.defaultTextId));
}

void CBaseTextFile::SetNoneText(std::int32_t index) {
    SetText(index, ResourceText(m_format.noneTextId));
}

CTeamColourTextFile::CTeamColourTextFile(const STextTableFormat& format)
    : CBaseTextFile(format), m_colours(static_cast<std::size_t>(std::max(format.capacity, 0))) {}

std::int32_t CTeamColourTextFile::GetColour(std::int32_t index) const {
    return IsEntry(index, m_colours.size()) ? m_colours[static_cast<std::size_t>(index)] : 0;
}

void CTeamColourTextFile::Clear() {
    m_colours.clear();
    CBaseTextFile::Clear();
}

void CTeamColourTextFile::Allocate(std::int32_t size) {
    m_colours.assign(static_cast<std::size_t>(std::max(size, 0)), 0);
    CBaseTextFile::Allocate(size);
}

void CTeamColourTextFile::SetText(std::int32_t index, std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() < 2 && start < text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        if (end > start) {
            fields.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    const std::int32_t colour =
        fields.size() > 1 ? CKLFile::ParseDecimal(std::string(fields[1]).c_str()) : 0;
    if (IsEntry(index, m_colours.size())) {
        m_colours[static_cast<std::size_t>(index)] = colour;
    }
    CBaseTextFile::SetText(index, fields.empty() ? text : fields.front());
}

void CTeamColourTextFile::SetDefaultText(std::int32_t index) {
    if (IsEntry(index, m_colours.size())) {
        m_colours[static_cast<std::size_t>(index)] = 0;
    }
    CBaseTextFile::SetDefaultText(index);
}

std::uint32_t SwapRedAndBlue(std::uint32_t colour) {
    return (colour & 0xFF00FF00u) | ((colour & 0xFFu) << 16) | ((colour >> 16) & 0xFFu);
}

namespace {

STextTableFormat NumberFirst(std::int32_t capacity) {
    return {.capacity = capacity, .valueFirst = true};
}

STextTableFormat TextFirst(std::int32_t capacity, int noneTextId = 0) {
    return {.capacity = capacity, .valueFirst = false, .noneTextId = noneTextId};
}

}  // namespace

CTextTables::CTextTables()
    : m_shoes(NumberFirst(5)),
      m_faces(TextFirst(6000, ids::kNotAvailable)),
      m_teamColours(NumberFirst(30)),
      m_merchandiseColours(NumberFirst(5)),
      m_leagueSystems(TextFirst(100, ids::kNotAvailable)),
      m_formations(TextFirst(25)),
      m_clubIds(TextFirst(1000, ids::kNotAvailable)),
      m_hairStyles(TextFirst(50)) {}

void CTextTables::LoadTextTables(const std::filesystem::path& databaseDirectory,
                                 std::string_view languageDirectory) {
    const auto load = [&](CBaseTextFile& table, std::string_view file) {
        std::string relative(languageDirectory);
        relative += '/';
        relative += file;
        // A path that does not exist makes the table fall back to its numbered empty entries.
        table.Load(
            FindExisting(databaseDirectory, relative).value_or(databaseDirectory / relative));
    };
    load(m_shoes, "shoe.txt");
    load(m_faces, "faceIDs.txt");
    load(m_teamColours, "TeamColour.txt");
    load(m_merchandiseColours, "MerchandiseColour.txt");
    load(m_leagueSystems, "LeagueSystem.txt");
    load(m_formations, "formation.txt");
    load(m_clubIds, "ClubIDs.txt");
    load(m_hairStyles, "HairStyle.txt");
}

}  // namespace kw
