#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "model/Manager.h"
#include "model/Rules.h"

namespace kw {

class CCountry;
class CDBCompetition;
class CPlayer;
class CWorld;

// Which parts of a database an operation may change: whole countries (with the persons of their
// clubs, their competitions and further managers), the rules, the players without club.
struct SWorldScope {
    std::vector<int> countries;
    bool rules = false;
    bool withoutClub = false;

    static SWorldScope Countries(std::vector<int> numbers) { return {std::move(numbers)}; }
    static SWorldScope Everything();
};

// A copy of the parts of a database that a scope names. Exchange swaps the copy with what the
// database holds, so one call undoes an operation and the next one redoes it: the part always
// holds the state the database does not.
class CWorldPart {
public:
    static CWorldPart Capture(CWorld& world, SWorldScope scope);

    CWorldPart(CWorldPart&&) noexcept;
    CWorldPart& operator=(CWorldPart&&) noexcept;
    ~CWorldPart();

    void Exchange(CWorld& world);

    const SWorldScope& Scope() const { return m_scope; }
    // Roughly the bytes the copy holds, for bounding the edit history.
    std::size_t MemoryCost() const;

private:
    explicit CWorldPart(SWorldScope scope);

    SWorldScope m_scope;
    std::vector<std::unique_ptr<CCountry>> m_countries;  // in the order of the scope
    std::vector<std::unique_ptr<CPlayer>> m_persons;
    std::vector<std::unique_ptr<CDBCompetition>> m_competitions;
    std::vector<std::pair<std::uint32_t, std::unique_ptr<CManager>>> m_managers;
    CRules m_rules;
    std::vector<std::uint32_t> m_withoutIds;
};

}  // namespace kw
