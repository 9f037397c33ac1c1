#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "competition/CupFormat.h"
#include "competition/ScriptEntry.h"

namespace kw {

class CDBCompetition;

// How the files refer to a club: competitions store club ids, the files their compact numbering,
// which the owner of the clubs knows.
class IClubReferences {
public:
    virtual ~IClubReferences() = default;
    // The stored form of a club id; national teams pass unchanged, unknown clubs give 0.
    virtual std::uint32_t ExportClubId(std::uint32_t clubId) const = 0;
};

// Every competition node of one database by id (parent links are ids too), the world-wide table
// of qualification script entries and the cup formats the cups name. The database owns one and
// hands it to the competition code, which knows nothing else of it.
class CCompetitionRegistry {
public:
    explicit CCompetitionRegistry(const IClubReferences& clubs) : m_clubs(clubs) {}
    ~CCompetitionRegistry();
    CCompetitionRegistry(const CCompetitionRegistry&) = delete;
    CCompetitionRegistry& operator=(const CCompetitionRegistry&) = delete;

    void Clear();

    CDBCompetition* Competition(std::uint32_t id);
    const CDBCompetition* Competition(std::uint32_t id) const;
    CDBCompetition& RegisterCompetition(std::unique_ptr<CDBCompetition> node);
    const std::map<std::uint32_t, std::unique_ptr<CDBCompetition>>& Competitions() const {
        return m_competitions;
    }
    void RemoveCompetition(std::uint32_t id);
    // The node out of the registry, for an edit to keep; nothing for an unknown id.
    std::unique_ptr<CDBCompetition> TakeCompetition(std::uint32_t id);
    // The node and every node whose parent chain leads to it.
    void RemoveCompetitionTree(std::uint32_t id);

    // The qualification script entries of every competition node and cup format.
    CScriptTable& Scripts() { return m_scripts; }
    const CScriptTable& Scripts() const { return m_scripts; }
    CCupFormatTable& CupFormats() { return m_cupFormats; }
    const CCupFormatTable& CupFormats() const { return m_cupFormats; }

    std::uint32_t ExportClubId(std::uint32_t clubId) const { return m_clubs.ExportClubId(clubId); }

private:
    const IClubReferences& m_clubs;
    std::map<std::uint32_t, std::unique_ptr<CDBCompetition>> m_competitions;
    CScriptTable m_scripts;
    CCupFormatTable m_cupFormats;
};

}  // namespace kw
