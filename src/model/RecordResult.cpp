#include "model/RecordResult.h"

#include <algorithm>
#include <limits>

#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr char kRecordTag[] = "RECORD";

// A typed number: blanks, one sign, digits. Unlike the file reader it saturates, so that an
// overlong number gives the largest allowed value rather than a wrapped-around one.
std::int64_t ParseTypedNumber(std::string_view text, std::int64_t minimum, std::int64_t maximum) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kCeiling = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kCeiling);
    }
    return std::clamp(negative ? -value : value, minimum, maximum);
}

std::int8_t ParseGoals(std::string_view text) {
    return static_cast<std::int8_t>(
        ParseTypedNumber(text, 0, std::numeric_limits<std::int8_t>::max()));
}

std::uint16_t ParseSeason(std::string_view text) {
    return static_cast<std::uint16_t>(
        ParseTypedNumber(text, 0, std::numeric_limits<std::uint16_t>::max()));
}

}  // namespace

std::string CRecordResult::ScoreText() const {
    if (m_goalsFor == 0 && m_goalsAgainst == 0) {
        return {};
    }
    return std::to_string(m_goalsFor) + ":" + std::to_string(m_goalsAgainst);
}

std::string CRecordResult::AttendanceText() const {
    return m_attendance == 0 ? std::string() : std::to_string(m_attendance);
}

std::string CRecordResult::SeasonText() const {
    return std::to_string(m_season);
}

void CRecordResult::SetFromEditor(std::string_view score, std::string_view opponent,
                                  std::string_view season) {
    const std::size_t colon = score.find(':');
    m_goalsFor = ParseGoals(score.substr(0, colon));
    m_goalsAgainst = colon == std::string_view::npos ? 0 : ParseGoals(score.substr(colon + 1));
    m_opponent.Set(opponent);
    m_season = ParseSeason(season);
}

void CRecordResult::SetAttendanceFromEditor(std::string_view attendance, std::string_view opponent,
                                            std::string_view season) {
    m_attendance = static_cast<std::int32_t>(
        ParseTypedNumber(attendance, 0, std::numeric_limits<std::int32_t>::max()));
    m_opponent.Set(opponent);
    m_season = ParseSeason(season);
}

bool CRecordResult::Write(CKLFile& file) const {
    return file.BeginSection(kRecordTag) && file.WriteNumber(m_goalsFor) &&
           file.WriteNumber(m_goalsAgainst) && file.WriteNumber(m_attendance) &&
           file.WriteText(m_opponent.View()) && file.WriteNumber(m_season) &&
           file.EndSection(kRecordTag);
}

bool CRecordResult::Read(CKLFile& file) {
    if (!file.FindSection(kRecordTag)) {
        m_goalsFor = 0;
        m_goalsAgainst = 0;
        m_attendance = 0;
        m_season = 0;
        return false;
    }
    file.ReadNumber(m_goalsFor);
    file.ReadNumber(m_goalsAgainst);
    file.ReadNumber(m_attendance);
    file.ReadText(m_opponent.Data(), kOpponentSize);
    file.ReadNumber(m_season);
    file.SkipToSectionEnd(kRecordTag);
    return true;
}

}  // namespace kw
