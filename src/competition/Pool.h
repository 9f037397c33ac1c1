#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "competition/Competition.h"

namespace kw {

// A level pool: collects teams of a league level through its script and the competitions it
// checks.
class CDBPool : public CDBCompetition {
public:
    static constexpr int kMaxChecked = 3;

    CDBPool(std::uint32_t id, std::uint32_t parentId);
    std::unique_ptr<CDBCompetition> Clone() const override {
        return std::make_unique<CDBPool>(*this);
    }

    std::uint16_t PoolSize() const { return m_poolSize; }
    void SetPoolSize(std::uint16_t size) { m_poolSize = size; }
    // POOL_SORT value with its flag.
    std::uint16_t SortMode() const { return m_sortMode; }
    void SetSortMode(std::uint16_t mode) { m_sortMode = mode; }

    int CheckedCount() const { return m_checkedCount; }
    const std::array<std::uint32_t, kMaxChecked>& Checked() const { return m_checked; }
    // False for id 0 and when three are checked already.
    bool AddChecked(std::uint32_t id);
    void ClearChecked();

    std::vector<std::uint32_t>& Teams() { return m_teams; }
    const std::vector<std::uint32_t>& Teams() const { return m_teams; }

    // Neither the names, the calendars, the four values nor the team list are part of the text.
    bool WriteText(CKLFile& file, const CCompetitionRegistry& registry,
                   int exportCountry) const override;
    void ReadText(CKLFile& file, CCompetitionRegistry& registry) override;
    bool HasSameData(const CDBCompetition& other) const override;

protected:
    void MoveCountry(int from, int to) override;
    void MapTeams(const TeamMap& teams) override;

private:
    std::uint16_t m_poolSize = 0;
    std::uint16_t m_sortMode = 0;
    std::uint16_t m_checkedCount = 0;
    std::array<std::uint32_t, kMaxChecked> m_checked{};
    std::vector<std::uint32_t> m_teams;
};

}  // namespace kw
