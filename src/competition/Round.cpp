#include "competition/Round.h"

#include <array>
#include <string>

#include "competition/CompetitionText.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {

namespace {

std::uint32_t ReadFlags(CKLFile& file) {
    std::string line;
    file.ReadLine(line);
    return static_cast<std::uint32_t>(LookupKeywordList(MatchFlagKeywords(), line));
}

}  // namespace

CDBRound::CDBRound(std::uint32_t id, std::uint32_t parentId)
    : CDBCompetition(id, kRoundKind, parentId) {}

int CDBRound::MatchdayCount(const CCompetitionRegistry&) const {
    return (m_modeFlags & 6u) != 0 ? 2 : 1;
}

bool CDBRound::WriteText(CKLFile& file, const CCompetitionRegistry& registry,
                         int exportCountry) const {
    // The first and second matchday day of a calendar; 0 when absent.
    const auto days = [&](int calendar) {
        std::array<std::int32_t, 2> found{};
        std::size_t count = 0;
        for (int day = 1; day < kCalendarDays && count < found.size(); ++day) {
            if (CalendarValue(calendar, day) != 0) {
                found[count++] = day;
            }
        }
        return found;
    };
    const auto first = days(0);
    const auto second = days(1);
    bool ok = file.WriteFormatted("; --------------------------------------") &&
              WriteHead(file, exportCountry) && WriteNames(file) &&
              file.WriteNumber(static_cast<std::int32_t>(m_roundSetting)) &&
              file.WriteText(KeywordName(RoundKeywords(), RoundName())) &&
              file.WriteNumber(first[0]) && file.WriteNumber(first[1]) &&
              file.WriteNumber(second[0]) && file.WriteNumber(second[1]) &&
              file.WriteText(ValueToFlagNames(MatchFlagKeywords(), m_modeFlags)) &&
              file.WriteText(ValueToFlagNames(MatchFlagKeywords(), m_stateFlags));
    for (const std::int32_t value : FourValues()) {
        ok = ok && file.WriteNumber(value);
    }
    return ok && WriteTail(file, registry, exportCountry);
}

void CDBRound::ReadText(CKLFile& file, CCompetitionRegistry& registry) {
    ReadNames(file, false);
    file.ReadNumber(m_roundSetting);
    std::string line;
    file.ReadLine(line);
    SetRoundName(static_cast<std::int8_t>(LookupKeyword(RoundKeywords(), line)));
    ClearCalendar(0);
    ClearCalendar(1);
    // Days outside the calendar and day 0 are dropped by SetSlot.
    if (RecordMajor(file.RecordVersion()) >= 8198) {
        SetSlot(0, ReadInt32(file), 1);
        SetSlot(0, ReadInt32(file), 2);
        SetSlot(1, ReadInt32(file), 1);
        SetSlot(1, ReadInt32(file), 2);
        m_modeFlags = ReadFlags(file);
        m_stateFlags = ReadFlags(file);
    } else {
        SetSlot(0, ReadInt32(file), 1);
        SetSlot(1, ReadInt32(file), 1);
        m_modeFlags = ReadFlags(file);
        SetSlot(0, ReadInt32(file), 2);
        SetSlot(1, ReadInt32(file), 2);
        ReadInt32(file);
        m_stateFlags = ReadFlags(file);
    }
    // Both layouts end with the four values, which are not kept.
    for (int i = 0; i < kValueCount; ++i) {
        ReadInt32(file);
    }
    ReadTail(file, registry);
}

bool CDBRound::HasSameData(const CDBCompetition& other) const {
    if (!CDBCompetition::HasSameData(other)) {
        return false;
    }
    const auto& round = static_cast<const CDBRound&>(other);
    return m_roundSetting == round.m_roundSetting && m_modeFlags == round.m_modeFlags &&
           m_stateFlags == round.m_stateFlags;
}

}  // namespace kw
