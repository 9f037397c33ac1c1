#include "competition/Pool.h"

#include <algorithm>
#include <string>

#include "competition/CompetitionText.h"
#include "storage/KLFile.h"

namespace kw {

CDBPool::CDBPool(std::uint32_t id, std::uint32_t parentId)
    : CDBCompetition(id, kPoolKind, parentId) {}

bool CDBPool::AddChecked(std::uint32_t id) {
    if (id == 0 || m_checkedCount >= kMaxChecked) {
        return false;
    }
    m_checked[m_checkedCount++] = id;
    return true;
}

void CDBPool::ClearChecked() {
    m_checked.fill(0);
    m_checkedCount = 0;
}

void CDBPool::MoveCountry(int from, int to) {
    CDBCompetition::MoveCountry(from, to);
    for (std::uint32_t& id : m_checked) {
        id = MovedCompetitionId(id, from, to);
    }
}

void CDBPool::MapTeams(const TeamMap& teams) {
    std::transform(m_teams.begin(), m_teams.end(), m_teams.begin(), teams);
    std::erase(m_teams, 0u);
}

bool CDBPool::WriteText(CKLFile& file, const CCompetitionRegistry& registry,
                        int exportCountry) const {
    bool ok = WriteHead(file, exportCountry) && file.WriteNumber(std::int32_t{0}) &&
              file.WriteNumber(static_cast<std::int32_t>(m_poolSize)) &&
              file.WriteText(ValueToKeywords(PoolSortKeywords(), m_sortMode)) &&
              file.WriteFormatted("; how many comps to check") &&
              file.WriteNumber(static_cast<std::int32_t>(m_checkedCount)) &&
              file.WriteFormatted("; which comps to check");
    for (int i = 0; ok && i < m_checkedCount; ++i) {
        ok = file.WriteText(FormatCompetitionId(ExportedId(m_checked[i], exportCountry)));
    }
    for (int i = 0; ok && i < kValueCount; ++i) {
        ok = file.WriteNumber(std::int32_t{0});
    }
    return ok && WriteTail(file, registry, exportCountry);
}

void CDBPool::ReadText(CKLFile& file, CCompetitionRegistry& registry) {
    std::int32_t dropped = 0;
    file.ReadNumber(dropped);
    file.ReadNumber(m_poolSize);
    std::string line;
    file.ReadLine(line);
    m_sortMode = static_cast<std::uint16_t>(LookupKeywordList(PoolSortKeywords(), line));
    std::int32_t count = 0;
    file.ReadNumber(count);
    ClearChecked();
    // Every listed line is consumed, but only the first three are kept.
    for (std::int32_t i = 0; i < count; ++i) {
        line.clear();
        if (!file.ReadLine(line)) {
            break;
        }
        if (i < kMaxChecked) {
            m_checked[static_cast<std::size_t>(i)] = ParseCompetitionId(line, Country());
            m_checkedCount = static_cast<std::uint16_t>(i + 1);
        }
    }
    for (int i = 0; i < kValueCount; ++i) {
        file.ReadNumber(dropped);
    }
    ReadTail(file, registry);
}

bool CDBPool::HasSameData(const CDBCompetition& other) const {
    if (!CDBCompetition::HasSameData(other)) {
        return false;
    }
    const auto& pool = static_cast<const CDBPool&>(other);
    return m_poolSize == pool.m_poolSize && m_sortMode == pool.m_sortMode &&
           m_checkedCount == pool.m_checkedCount && m_checked == pool.m_checked &&
           m_teams == pool.m_teams;
}

}  // namespace kw
