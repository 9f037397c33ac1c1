#include "competition/CompetitionRegistry.h"

#include <set>

#include "competition/Competition.h"
#include "platform/TakeFromMap.h"

namespace kw {

CCompetitionRegistry::~CCompetitionRegistry() = default;

void CCompetitionRegistry::Clear() {
    m_competitions.clear();
    m_scripts.Clear();
    m_cupFormats.Clear();
}

CDBCompetition* CCompetitionRegistry::Competition(std::uint32_t id) {
    const auto found = m_competitions.find(id);
    return found == m_competitions.end() ? nullptr : found->second.get();
}

const CDBCompetition* CCompetitionRegistry::Competition(std::uint32_t id) const {
    const auto found = m_competitions.find(id);
    return found == m_competitions.end() ? nullptr : found->second.get();
}

CDBCompetition& CCompetitionRegistry::RegisterCompetition(std::unique_ptr<CDBCompetition> node) {
    auto& slot = m_competitions[node->Id()];
    slot = std::move(node);
    return *slot;
}

std::unique_ptr<CDBCompetition> CCompetitionRegistry::TakeCompetition(std::uint32_t id) {
    return TakeFromMap(m_competitions, id);
}

void CCompetitionRegistry::RemoveCompetition(std::uint32_t id) {
    m_competitions.erase(id);
}

void CCompetitionRegistry::RemoveCompetitionTree(std::uint32_t id) {
    // Parent links are ids: the subtree grows by every node whose parent is already in it.
    std::set<std::uint32_t> doomed{id};
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& [key, node] : m_competitions) {
            if (!doomed.contains(key) && doomed.contains(node->ParentId())) {
                doomed.insert(key);
                grew = true;
            }
        }
    }
    for (const std::uint32_t key : doomed) {
        m_competitions.erase(key);
    }
}

}  // namespace kw
