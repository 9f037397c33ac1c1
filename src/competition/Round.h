#pragma once

#include <cstdint>

#include "competition/Competition.h"

namespace kw {

// One round of a competition, played on one day, or on two for a two-legged round.
class CDBRound : public CDBCompetition {
public:
    CDBRound(std::uint32_t id, std::uint32_t parentId);
    std::unique_ptr<CDBCompetition> Clone() const override {
        return std::make_unique<CDBRound>(*this);
    }

    std::uint32_t RoundSetting() const { return m_roundSetting; }
    void SetRoundSetting(std::uint32_t setting) { m_roundSetting = setting; }
    // BEG flags: how the round is played, and how far it has got.
    std::uint32_t ModeFlags() const { return m_modeFlags; }
    void SetModeFlags(std::uint32_t flags) { m_modeFlags = flags; }
    std::uint32_t StateFlags() const { return m_stateFlags; }
    void SetStateFlags(std::uint32_t flags) { m_stateFlags = flags; }

    // 2 when the mode flags contain 2 or 4, else 1.
    int MatchdayCount(const CCompetitionRegistry& registry) const override;

    // The text holds only the first two matchdays of each calendar; the four values are written
    // but not read back, so a round keeps none of its own.
    bool WriteText(CKLFile& file, const CCompetitionRegistry& registry,
                   int exportCountry) const override;
    void ReadText(CKLFile& file, CCompetitionRegistry& registry) override;
    bool HasSameData(const CDBCompetition& other) const override;

private:
    std::uint32_t m_roundSetting = 0;
    std::uint32_t m_modeFlags = 0;
    std::uint32_t m_stateFlags = 0;
};

}  // namespace kw
