#include "competition/Cup.h"

#include <algorithm>
#include <string>

#include "competition/CompetitionRegistry.h"
#include "competition/CupFormat.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {

CDBCup::CDBCup(std::uint32_t id, std::uint32_t parentId) : CDBCompetition(id, kCupKind, parentId) {}

const CCupFormat* CDBCup::Format(const CCompetitionRegistry& registry) const {
    return registry.CupFormats().Format(m_format);
}

std::int32_t CDBCup::RoundValue(int value, int round) const {
    if (value < 0 || value >= kValueCount || round < 0 || round >= kRoundSlots) {
        return 0;
    }
    return m_roundValues[static_cast<std::size_t>(round)][static_cast<std::size_t>(value)];
}

void CDBCup::SetRoundValue(int value, int round, std::int32_t amount) {
    if (value >= 0 && value < kValueCount && round >= 0 && round < kRoundSlots) {
        m_roundValues[static_cast<std::size_t>(round)][static_cast<std::size_t>(value)] = amount;
    }
}

int CDBCup::UsedRoundSlots(const CCompetitionRegistry& registry) const {
    const CCupFormat* format = Format(registry);
    return format != nullptr ? std::min(format->RoundCount(), kRoundSlots) : 0;
}

int CDBCup::SourceLeagueLevel(const CCompetitionRegistry& registry) const {
    const CDBCompetition* league = registry.Competition(Sources()[0]);
    return league != nullptr ? league->Level() : -1;
}

int CDBCup::MatchdayCount(const CCompetitionRegistry& registry) const {
    const CCupFormat* format = Format(registry);
    return format != nullptr ? format->MatchdayCount() : 0;
}

std::string CDBCup::MatchdayLabel(const CCompetitionRegistry& registry, int matchday) const {
    const CCupFormat* format = Format(registry);
    const SCupRound* round = format != nullptr ? format->RoundOfMatchday(matchday) : nullptr;
    if (round == nullptr) {
        return CDBCompetition::MatchdayLabel(registry, matchday);
    }
    return std::string(RoundLabel(round->roundName));
}

std::uint32_t CDBCup::OwnFaults(const CCompetitionRegistry& registry, int calendar,
                                int levelLimit) const {
    if (Format(registry) == nullptr) {
        return kFaultMatchdayCount;
    }
    return CDBCompetition::OwnFaults(registry, calendar, levelLimit);
}

bool CDBCup::WriteExtraValues(CKLFile&) const {
    return true;
}

void CDBCup::ReadExtraValues(CKLFile&) {}

bool CDBCup::WriteText(CKLFile& file, const CCompetitionRegistry& registry,
                       int exportCountry) const {
    bool ok = WriteHead(file, exportCountry) && WriteNames(file) &&
              file.WriteNumber(static_cast<std::int32_t>(m_format)) && WriteExtraValues(file) &&
              file.WriteNumber(static_cast<std::int32_t>(m_setting16)) &&
              file.WriteNumber(m_setting32);
    // A cup that is not set up has nothing more.
    if (!ok || m_format == 0) {
        return ok;
    }
    ok = WriteCalendars(file, kLastDay, MatchdayCount(registry));
    for (int round = kRoundSlots - UsedRoundSlots(registry); ok && round < kRoundSlots; ++round) {
        for (int value = 0; ok && value < kValueCount; ++value) {
            ok = file.WriteNumber(RoundValue(value, round));
        }
    }
    return ok && WriteTail(file, registry, exportCountry);
}

void CDBCup::ReadText(CKLFile& file, CCompetitionRegistry& registry) {
    ReadNames(file, true);
    file.ReadNumber(m_format);
    ReadExtraValues(file);
    if (RecordMajor(file.RecordVersion()) >= 8198) {
        file.ReadNumber(m_setting16);
        file.ReadNumber(m_setting32);
    }
    if (m_format == 0) {
        return;
    }
    // Cups are written over the whole calendar, so they are read over it too. Without a known
    // format there is no round count to limit the entries, and keeping them all loses nothing.
    const CCupFormat* format = Format(registry);
    ReadCalendars(file, kLastDay, format != nullptr ? 2 * format->RoundCount() : -1);
    for (int round = kRoundSlots - UsedRoundSlots(registry); round < kRoundSlots; ++round) {
        for (int value = 0; value < kValueCount; ++value) {
            std::int32_t amount = 0;
            file.ReadNumber(amount);
            SetRoundValue(value, round, amount);
        }
    }
    ReadTail(file, registry);
}

bool CDBCup::HasSameData(const CDBCompetition& other) const {
    if (!CDBCompetition::HasSameData(other)) {
        return false;
    }
    const auto& cup = static_cast<const CDBCup&>(other);
    return m_format == cup.m_format && m_setting16 == cup.m_setting16 &&
           m_setting32 == cup.m_setting32 && m_roundValues == cup.m_roundValues;
}

// --- CDBRelSwitzerland

std::string_view CDBRelSwitzerland::KindKeyword() const {
    return "DB_SWITZERLAND";
}

bool CDBRelSwitzerland::WriteExtraValues(CKLFile& file) const {
    return file.WriteNumber(static_cast<std::int32_t>(Level()));
}

void CDBRelSwitzerland::ReadExtraValues(CKLFile& file) {
    std::int8_t level = 0;
    file.ReadNumber(level);
    SetLevel(level);
}

}  // namespace kw
