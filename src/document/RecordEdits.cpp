#include "document/RecordEdits.h"

#include <algorithm>
#include <utility>

#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw {

CClubValuesEdit::CClubValuesEdit(std::string description, const CClub& values)
    : m_description(std::move(description)), m_values(values) {}

void CClubValuesEdit::Swap(CWorld& world) {
    if (CClub* club = world.Country(ClubCountry(m_values.Id())).Club(m_values.Id())) {
        club->SwapData(m_values);
    }
}

std::vector<SDocumentChange> CClubValuesEdit::Changes() const {
    return {{SDocumentChange::EKind::kClub, ClubCountry(m_values.Id()), m_values.Id()}};
}

CPersonValuesEdit::CPersonValuesEdit(std::string description, const CPlayer& values)
    : m_description(std::move(description)), m_values(values.Clone()) {}

CPersonValuesEdit::~CPersonValuesEdit() = default;

void CPersonValuesEdit::Swap(CWorld& world) {
    if (CPlayer* person = world.Person(m_values->Id())) {
        person->SwapData(*m_values);
    }
}

std::vector<SDocumentChange> CPersonValuesEdit::Changes() const {
    return {{SDocumentChange::EKind::kPerson, 0, m_values->Id()}};
}

std::size_t CPersonValuesEdit::MemoryCost() const {
    return sizeof(*this) + sizeof(CPlayer);
}

CAbilityDrawEdit::CAbilityDrawEdit(std::string description, const CPlayer& drawn,
                                   const CLEcuyerRandom& after)
    : m_values(std::move(description), drawn), m_generator(after) {}

void CAbilityDrawEdit::Swap(CWorld& world) {
    // The values edit is a swap as well: applying it also reverts it.
    m_values.Apply(world);
    std::swap(world.AbilityRandom(), m_generator);
}

CWorldPartEdit::CWorldPartEdit(std::string description, CWorldPart before)
    : m_description(std::move(description)), m_other(std::move(before)) {}

std::vector<SDocumentChange> CWorldPartEdit::Changes() const {
    std::vector<SDocumentChange> changes;
    const SWorldScope& scope = m_other.Scope();
    for (const int country : scope.countries) {
        changes.push_back({SDocumentChange::EKind::kCountry, country, 0});
    }
    if (scope.rules) {
        changes.push_back({SDocumentChange::EKind::kRules, 0, 0});
    }
    if (scope.withoutClub) {
        changes.push_back({SDocumentChange::EKind::kWithoutClub, 0, 0});
    }
    return changes;
}

CCompoundEdit::CCompoundEdit(std::string description, std::vector<std::unique_ptr<IEdit>> edits)
    : m_description(std::move(description)), m_edits(std::move(edits)) {}

void CCompoundEdit::Apply(CWorld& world) {
    for (const auto& edit : m_edits) {
        edit->Apply(world);
    }
}

void CCompoundEdit::Revert(CWorld& world) {
    for (auto edit = m_edits.rbegin(); edit != m_edits.rend(); ++edit) {
        (*edit)->Revert(world);
    }
}

std::vector<SDocumentChange> CCompoundEdit::Changes() const {
    std::vector<SDocumentChange> changes;
    for (const auto& edit : m_edits) {
        for (const SDocumentChange& change : edit->Changes()) {
            if (std::find(changes.begin(), changes.end(), change) == changes.end()) {
                changes.push_back(change);
            }
        }
    }
    return changes;
}

std::size_t CCompoundEdit::MemoryCost() const {
    std::size_t cost = sizeof(*this);
    for (const auto& edit : m_edits) {
        cost += edit->MemoryCost();
    }
    return cost;
}

}  // namespace kw
