#pragma once

#include <cstdint>

#include "model/ClubId.h"
#include "model/FixedText.h"

namespace kw {

class CWorld;

// One club of a country; a country's national team is a club too (index kNationalTeamIndex).
class CClub {
public:
    CClub(CWorld& world, std::uint32_t id);

    std::uint32_t Id() const { return m_id; }
    void SetId(std::uint32_t id) { m_id = id; }
    CWorld& World() const { return m_world; }

    CLanguageTexts<30>& Names() { return m_names; }
    const CLanguageTexts<30>& Names() const { return m_names; }
    CLanguageTexts<12>& Abbreviations() { return m_abbreviations; }
    const CLanguageTexts<12>& Abbreviations() const { return m_abbreviations; }

private:
    CWorld& m_world;
    std::uint32_t m_id;
    CLanguageTexts<30> m_names;
    CLanguageTexts<12> m_abbreviations;
};

}  // namespace kw
