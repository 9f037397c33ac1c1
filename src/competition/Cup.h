#pragma once

#include <array>
#include <cstdint>

#include "competition/Competition.h"

namespace kw {

class CCupFormat;

// A cup played in the rounds of one of the world's cup formats; format 0 means the cup is not
// set up.
class CDBCup : public CDBCompetition {
public:
    static constexpr int kRoundSlots = 8;
    static constexpr int kLastDay = CDBCompetition::kCalendarDays - 1;

    CDBCup(std::uint32_t id, std::uint32_t parentId);
    std::unique_ptr<CDBCompetition> Clone() const override {
        return std::make_unique<CDBCup>(*this);
    }

    std::uint8_t FormatNumber() const { return m_format; }
    void SetFormatNumber(std::uint8_t format) { m_format = format; }
    // Nothing when the cup has no format or the registry does not know it.
    const CCupFormat* Format(const CCompetitionRegistry& registry) const;
    std::uint16_t Setting16() const { return m_setting16; }
    void SetSetting16(std::uint16_t setting) { m_setting16 = setting; }
    std::int32_t Setting32() const { return m_setting32; }
    void SetSetting32(std::int32_t setting) { m_setting32 = setting; }

    // Values of the 8 round slots, addressed by (value 0..3, round 0..7); outside reads as 0 and
    // is ignored when set.
    std::int32_t RoundValue(int value, int round) const;
    void SetRoundValue(int value, int round, std::int32_t amount);
    // A cup with R rounds uses the last R of the 8 slots.
    int UsedRoundSlots(const CCompetitionRegistry& registry) const;

    // Level of the league the cup's level comes from (its first source); -1 when there is none.
    int SourceLeagueLevel(const CCompetitionRegistry& registry) const;

    // One matchday per round of the format, two for a two-legged round.
    int MatchdayCount(const CCompetitionRegistry& registry) const override;
    // The name of the round in which the matchday is played.
    std::string MatchdayLabel(const CCompetitionRegistry& registry, int matchday) const override;

    bool WriteText(CKLFile& file, const CCompetitionRegistry& registry,
                   int exportCountry) const override;
    void ReadText(CKLFile& file, CCompetitionRegistry& registry) override;
    bool HasSameData(const CDBCompetition& other) const override;

protected:
    std::uint32_t OwnFaults(const CCompetitionRegistry& registry, int calendar,
                            int levelLimit) const override;
    // Values a special cup writes right after its format; none for a plain cup.
    virtual bool WriteExtraValues(CKLFile& file) const;
    virtual void ReadExtraValues(CKLFile& file);

private:
    std::uint8_t m_format = 0;
    std::uint16_t m_setting16 = 0;
    std::int32_t m_setting32 = 0;
    std::array<std::array<std::int32_t, kValueCount>, kRoundSlots> m_roundValues{};
};

// The relegation cup of the Swiss system (type 26), which keeps its level right after the cup
// format. It opens with DB_SWITZERLAND in text: its type has no name, so under DB_CUP its id
// would read back as a root id.
class CDBRelSwitzerland : public CDBCup {
public:
    CDBRelSwitzerland(std::uint32_t id, std::uint32_t parentId) : CDBCup(id, parentId) {}
    std::unique_ptr<CDBCompetition> Clone() const override {
        return std::make_unique<CDBRelSwitzerland>(*this);
    }

    std::string_view KindKeyword() const override;

protected:
    bool WriteExtraValues(CKLFile& file) const override;
    void ReadExtraValues(CKLFile& file) override;
};

}  // namespace kw
