#include "competition/Competition.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>
#include <vector>

#include "competition/CompetitionRegistry.h"
#include "competition/CompetitionText.h"
#include "competition/ScriptEntry.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {

namespace {

constexpr std::string_view kCalendarTags[CDBCompetition::kCalendarCount] = {"MATCHDAYS",
                                                                            "MATCHDAYS2"};

static_assert(sizeof(CFixedText<CDBCompetition::kNameSize>) == CDBCompetition::kNameSize,
              "the five names lie one behind the other, as the quoted lists expect");

bool ValidCalendar(int calendar) {
    return calendar >= 0 && calendar < CDBCompetition::kCalendarCount;
}

bool ValidDay(int day) {
    return day >= 0 && day < CDBCompetition::kCalendarDays;
}

// Ids already followed by one walk over the links.
class CVisited {
public:
    // False when the id was seen before.
    bool Enter(std::uint32_t id) {
        if (std::find(m_ids.begin(), m_ids.end(), id) != m_ids.end()) {
            return false;
        }
        m_ids.push_back(id);
        return true;
    }

private:
    std::vector<std::uint32_t> m_ids;
};

bool PlaysOnDayBelow(const CDBCompetition& node, const CCompetitionRegistry& registry, int calendar,
                     int day, CVisited& visited) {
    if (!visited.Enter(node.Id())) {
        return false;
    }
    if (node.CalendarValue(calendar, day) != 0) {
        return true;
    }
    for (const std::uint32_t sub : node.SubCompetitions()) {
        if (sub == 0) {
            break;
        }
        const CDBCompetition* child = registry.Competition(sub);
        if (child != nullptr && PlaysOnDayBelow(*child, registry, calendar, day, visited)) {
            return true;
        }
    }
    return false;
}

void MoveLinks(CDBCompetition::Links& links, int from, int to) {
    for (std::uint32_t& id : links) {
        id = MovedCompetitionId(id, from, to);
    }
}

}  // namespace

CDBCompetition::CDBCompetition(std::uint32_t id, int kind, std::uint32_t parentId)
    : m_id(id), m_kind(kind), m_parentId(parentId) {
    const std::string_view name = ResourceString(ids::kNewCompetitionName);
    for (auto& text : m_names) {
        text.Set(name);
    }
}

CDBCompetition::~CDBCompetition() = default;

std::unique_ptr<CDBCompetition> CDBCompetition::CloneAs(std::uint32_t id) const {
    std::unique_ptr<CDBCompetition> copy = Clone();
    copy->m_id = id;
    return copy;
}

std::unique_ptr<CDBCompetition> CDBCompetition::CopyForCountry(const CCompetitionRegistry& source,
                                                               CCompetitionRegistry& target,
                                                               int from, int to,
                                                               const TeamMap& teams) const {
    std::unique_ptr<CDBCompetition> copy = Clone();
    copy->MoveCountry(from, to);
    copy->MapTeams(teams);
    if (m_scriptStart != kNoScript) {
        // Taken out of the table first: with one registry the table grows while it is appended.
        const std::span<const SScriptEntry> list = source.Scripts().List(m_scriptStart);
        std::vector<SScriptEntry> entries(list.begin(), list.end());
        for (SScriptEntry& entry : entries) {
            entry.competition = MovedCompetitionId(entry.competition, from, to);
        }
        copy->m_scriptStart = target.Scripts().AppendList(entries);
    }
    return copy;
}

void CDBCompetition::MoveCountry(int from, int to) {
    m_id = MovedCompetitionId(m_id, from, to);
    m_parentId = MovedCompetitionId(m_parentId, from, to);
    MoveLinks(m_sources, from, to);
    MoveLinks(m_subs, from, to);
}

void CDBCompetition::MapTeams(const TeamMap&) {}

void CDBRoot::MoveCountry(int from, int to) {
    CDBCompetition::MoveCountry(from, to);
    if (m_country == from) {
        m_country = static_cast<std::uint8_t>(to);
    }
}

int CDBCompetition::LinkCount(const Links& links) {
    return static_cast<int>(std::find(links.begin(), links.end(), 0u) - links.begin());
}

bool CDBCompetition::AddLink(Links& links, std::uint32_t id) {
    const int count = LinkCount(links);
    if (id == 0 || count >= kMaxLinks) {
        return false;
    }
    links[static_cast<std::size_t>(count)] = id;
    return true;
}

std::int32_t CDBCompetition::Value(int i) const {
    return i >= 0 && i < kValueCount ? m_values[static_cast<std::size_t>(i)] : 0;
}

void CDBCompetition::SetValue(int i, std::int32_t value) {
    if (i >= 0 && i < kValueCount) {
        m_values[static_cast<std::size_t>(i)] = value;
    }
}

// --- calendars

std::int32_t CDBCompetition::CalendarValue(int calendar, int day) const {
    if (!ValidCalendar(calendar) || !ValidDay(day)) {
        return 0;
    }
    return m_calendars[calendar][static_cast<std::size_t>(day)];
}

void CDBCompetition::SetSlot(int calendar, int day, std::int32_t value) {
    if (ValidCalendar(calendar) && ValidDay(day) && day != 0) {
        m_calendars[calendar][static_cast<std::size_t>(day)] = value;
    }
}

void CDBCompetition::Renumber(int calendar) {
    std::int32_t next = 1;
    for (std::int32_t& slot : m_calendars[calendar]) {
        if (slot != 0) {
            slot = next++;
        }
    }
}

bool CDBCompetition::AddMatchday(int calendar, int day) {
    if (!ValidCalendar(calendar) || !ValidDay(day) || day == 0 ||
        CalendarValue(calendar, day) != 0) {
        return false;
    }
    SetSlot(calendar, day, 1);
    Renumber(calendar);
    return true;
}

bool CDBCompetition::RemoveMatchday(int calendar, int day) {
    if (CalendarValue(calendar, day) == 0) {
        return false;
    }
    SetSlot(calendar, day, 0);
    Renumber(calendar);
    return true;
}

int CDBCompetition::LastMatchdayBefore(int calendar, int day) const {
    if (!ValidCalendar(calendar)) {
        return -1;
    }
    for (int d = std::min(day, kCalendarDays) - 1; d >= 0; --d) {
        if (const std::int32_t value = CalendarValue(calendar, d); value != 0) {
            return value;
        }
    }
    return -1;
}

int CDBCompetition::DayOfMatchday(int calendar, int n) const {
    if (!ValidCalendar(calendar) || n < 0) {
        return 0;
    }
    const Calendar& slots = m_calendars[calendar];
    const auto found = std::find(slots.begin(), slots.end(), n + 1);
    return found == slots.end() ? 0 : static_cast<int>(found - slots.begin());
}

int CDBCompetition::EnteredMatchdays(int calendar) const {
    if (!ValidCalendar(calendar)) {
        return 0;
    }
    const Calendar& slots = m_calendars[calendar];
    return static_cast<int>(
        std::count_if(slots.begin(), slots.end(), [](std::int32_t value) { return value != 0; }));
}

void CDBCompetition::ClearCalendar(int calendar) {
    if (ValidCalendar(calendar)) {
        m_calendars[calendar].fill(0);
    }
}

std::int32_t CDBCompetition::InheritedCalendarValue(const CCompetitionRegistry& registry,
                                                    int calendar, int day) const {
    CVisited visited;
    const CDBCompetition* node = this;
    while (node != nullptr && visited.Enter(node->Id())) {
        if (const std::int32_t value = node->CalendarValue(calendar, day); value != 0) {
            return value;
        }
        const CDBCompetition* next = nullptr;
        for (const std::uint32_t sub : node->SubCompetitions()) {
            if (sub == 0) {
                break;
            }
            const CDBCompetition* child = registry.Competition(sub);
            if (child != nullptr && (child->Level() == -1 || child->Level() == node->Level())) {
                next = child;
                break;
            }
        }
        node = next;
    }
    return 0;
}

bool CDBCompetition::PlaysOnDay(const CCompetitionRegistry& registry, int calendar, int day) const {
    CVisited visited;
    return PlaysOnDayBelow(*this, registry, calendar, day, visited);
}

// --- operations of the node classes

int CDBCompetition::MatchdayCount(const CCompetitionRegistry&) const {
    return 0;
}

std::string CDBCompetition::MatchdayLabel(const CCompetitionRegistry&, int matchday) const {
    return std::to_string(matchday);
}

int CDBCompetition::PositionOfTeam(std::uint32_t) const {
    return 0;
}

std::uint32_t CDBCompetition::OwnFaults(const CCompetitionRegistry& registry, int calendar,
                                        int) const {
    return EnteredMatchdays(calendar) != MatchdayCount(registry) ? kFaultMatchdayCount : 0;
}

std::uint32_t CDBCompetition::Check(const CCompetitionRegistry& registry, int calendar,
                                    int levelLimit) const {
    std::uint32_t faults = 0;
    CVisited visited;
    for (const CDBCompetition* node = this; node != nullptr && visited.Enter(node->Id());) {
        faults |= node->OwnFaults(registry, calendar, levelLimit);
        const std::uint32_t first = node->SubCompetitions()[0];
        node = first != 0 ? registry.Competition(first) : nullptr;
    }
    return faults;
}

bool CDBCompetition::WriteText(CKLFile&, const CCompetitionRegistry&, int) const {
    return false;
}

void CDBCompetition::ReadText(CKLFile&, CCompetitionRegistry&) {}

std::string_view CDBCompetition::KindKeyword() const {
    return KeywordName(NodeKindKeywords(), m_kind);
}

bool CDBCompetition::HasSameData(const CDBCompetition& other) const {
    return typeid(*this) == typeid(other) && m_names == other.m_names && m_id == other.m_id &&
           m_calendars == other.m_calendars && m_roundName == other.m_roundName &&
           m_kind == other.m_kind && m_baseSetting == other.m_baseSetting &&
           m_parentId == other.m_parentId && m_furtherValues == other.m_furtherValues &&
           m_sources == other.m_sources && m_subs == other.m_subs && m_values == other.m_values &&
           m_level == other.m_level;
}

// --- text helpers

std::uint32_t CDBCompetition::ExportedId(std::uint32_t id, int exportCountry) const {
    return id == 0 || exportCountry < 0 ? id : WithCountry(id, exportCountry);
}

bool CDBCompetition::WriteHead(CKLFile& file, int exportCountry) const {
    return file.WriteText(KindKeyword()) &&
           file.WriteText(FormatCompetitionId(ExportedId(m_id, exportCountry)));
}

bool CDBCompetition::WriteNames(CKLFile& file) const {
    return file.WriteQuotedList(m_names[0].CStr(), kLanguageCount, kNameSize);
}

void CDBCompetition::ReadNames(CKLFile& file, bool isCup) {
    std::array<char, kLanguageCount * kNameSize> texts{};
    file.ReadQuotedFive(texts.data(), kNameSize);
    for (int language = 0; language < kLanguageCount; ++language) {
        const char* text = texts.data() + static_cast<std::size_t>(language) * kNameSize;
        m_names[static_cast<std::size_t>(language)].Set(
            std::string_view(text, strnlen(text, kNameSize - 1)));
    }
    // Older files carry a line of short names after the names; it is no longer kept.
    const std::uint32_t version = file.RecordVersion();
    const std::uint32_t shortNamesUntil =
        isCup ? MakeRecordVersion(8198, 0) : MakeRecordVersion(8198, 1);
    if (version != 0 && version < shortNamesUntil) {
        std::string dropped;
        file.ReadLine(dropped);
    }
}

bool CDBCompetition::WriteCalendar(CKLFile& file, int calendar, int lastDay, int padTo) const {
    std::string line;
    int entries = 0;
    // Only whole entries go on the line: a cut number would read back as another day.
    const auto append = [&](int day) {
        const std::string entry = std::to_string(day);
        const std::size_t needed = entry.size() + (line.empty() ? 0 : 1);
        if (line.size() + needed > CKLFile::kMaxLine) {
            return false;
        }
        if (!line.empty()) {
            line += ',';
        }
        line += entry;
        ++entries;
        return true;
    };
    bool fits = true;
    for (int day = 0; day <= lastDay && fits; ++day) {
        if (CalendarValue(calendar, day) != 0) {
            fits = append(day);
        }
    }
    while (fits && entries < padTo) {
        fits = append(0);
    }
    return file.BeginSection(kCalendarTags[calendar]) && file.WriteText(line) &&
           file.EndSection(kCalendarTags[calendar]);
}

bool CDBCompetition::WriteCalendars(CKLFile& file, int lastDay, int padTo) const {
    return WriteCalendar(file, 0, lastDay, padTo) && WriteCalendar(file, 1, lastDay, padTo);
}

void CDBCompetition::ReadCalendarLine(std::string_view line, int calendar, int lastDay, int cap) {
    ClearCalendar(calendar);
    const std::size_t limit = cap < 0 ? line.size() + 1 : static_cast<std::size_t>(cap);
    std::int32_t next = 1;
    for (const std::int32_t day : SplitNumbers(line, limit)) {
        // 0 is padding; a day listed twice keeps its first number.
        if (day >= 1 && day <= lastDay && CalendarValue(calendar, day) == 0) {
            SetSlot(calendar, day, next++);
        }
    }
}

void CDBCompetition::ReadCalendars(CKLFile& file, int lastDay, int cap) {
    for (int calendar = 0; calendar < kCalendarCount; ++calendar) {
        const std::string_view tag = kCalendarTags[calendar];
        if (file.FindSection(tag)) {
            std::string line;
            file.ReadLine(line);
            ReadCalendarLine(line, calendar, lastDay, cap);
            file.SkipToSectionEnd(tag);
        } else if (calendar == 1) {
            m_calendars[1] = m_calendars[0];
        }
    }
}

bool CDBCompetition::WriteTail(CKLFile& file, const CCompetitionRegistry& registry,
                               int exportCountry) const {
    const auto exported = [&](const Links& links) {
        std::vector<std::uint32_t> ids;
        for (const std::uint32_t id : links) {
            if (id == 0) {
                break;
            }
            ids.push_back(ExportedId(id, exportCountry));
        }
        return FormatCompetitionIdList(ids);
    };
    return file.WriteNumber(static_cast<std::int32_t>(m_baseSetting)) &&
           file.WriteNumber(static_cast<std::int32_t>(m_level)) &&
           file.WriteText(exported(m_sources)) && file.WriteText(exported(m_subs)) &&
           WriteScriptList(file, registry.Scripts(), m_scriptStart);
}

void CDBCompetition::ReadTail(CKLFile& file, CCompetitionRegistry& registry) {
    file.ReadNumber(m_baseSetting);
    const std::uint32_t major = RecordMajor(file.RecordVersion());
    if (major < 8195 || major >= 8198) {
        file.ReadNumber(m_level);
    }
    const auto readLinks = [&](Links& links) {
        std::string line;
        file.ReadLine(line);
        links.fill(0);
        const std::vector<std::uint32_t> ids = ParseCompetitionIdList(line, Country(), kMaxLinks);
        std::copy(ids.begin(), ids.end(), links.begin());
    };
    readLinks(m_sources);
    readLinks(m_subs);
    m_scriptStart = ReadScriptList(file, registry.Scripts(), Country());
}

}  // namespace kw
