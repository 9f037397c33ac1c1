#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/Edit.h"
#include "model/Club.h"
#include "model/WorldPart.h"
#include "platform/LEcuyerRandom.h"

namespace kw {

class CPlayer;

// Sets every value of one club (as an editor's working copy holds them) by swapping them with the
// database's. Apply and Revert are the same swap.
class CClubValuesEdit final : public IEdit {
public:
    CClubValuesEdit(std::string description, const CClub& values);

    void Apply(CWorld& world) override { Swap(world); }
    void Revert(CWorld& world) override { Swap(world); }
    const std::string& Description() const override { return m_description; }
    std::vector<SDocumentChange> Changes() const override;
    std::size_t MemoryCost() const override { return sizeof(*this); }

private:
    void Swap(CWorld& world);

    std::string m_description;
    CClub m_values;
};

// The same for one person.
class CPersonValuesEdit final : public IEdit {
public:
    CPersonValuesEdit(std::string description, const CPlayer& values);
    ~CPersonValuesEdit() override;

    void Apply(CWorld& world) override { Swap(world); }
    void Revert(CWorld& world) override { Swap(world); }
    const std::string& Description() const override { return m_description; }
    std::vector<SDocumentChange> Changes() const override;
    std::size_t MemoryCost() const override;

private:
    void Swap(CWorld& world);

    std::string m_description;
    std::unique_ptr<CPlayer> m_values;
};

// A random draw of one person's abilities: the person's values as drawn and the state of the
// world's ability generator after the draw, both swapped with the world's. Undo thus takes the
// draw back whole, generator included, and a draw after the undo draws the same again.
class CAbilityDrawEdit final : public IEdit {
public:
    CAbilityDrawEdit(std::string description, const CPlayer& drawn, const CLEcuyerRandom& after);

    void Apply(CWorld& world) override { Swap(world); }
    void Revert(CWorld& world) override { Swap(world); }
    const std::string& Description() const override { return m_values.Description(); }
    std::vector<SDocumentChange> Changes() const override { return m_values.Changes(); }
    std::size_t MemoryCost() const override { return sizeof(*this) + m_values.MemoryCost(); }

private:
    void Swap(CWorld& world);

    CPersonValuesEdit m_values;
    CLEcuyerRandom m_generator;
};

// Any operation that reaches far (deleting a club that competitions and other clubs refer to,
// moving persons between countries, a bulk tool over every country): the parts of the database it
// may change are copied before it runs and swapped back and forth afterwards.
class CWorldPartEdit final : public IEdit {
public:
    // `before` was captured before the operation ran; the edit starts out applied.
    CWorldPartEdit(std::string description, CWorldPart before);

    void Apply(CWorld& world) override { m_other.Exchange(world); }
    void Revert(CWorld& world) override { m_other.Exchange(world); }
    const std::string& Description() const override { return m_description; }
    std::vector<SDocumentChange> Changes() const override;
    std::size_t MemoryCost() const override { return m_other.MemoryCost(); }

private:
    std::string m_description;
    CWorldPart m_other;
};

// Several edits as one: what a dialog that changes live records did while it was open.
class CCompoundEdit final : public IEdit {
public:
    CCompoundEdit(std::string description, std::vector<std::unique_ptr<IEdit>> edits);

    void Apply(CWorld& world) override;
    void Revert(CWorld& world) override;
    const std::string& Description() const override { return m_description; }
    std::vector<SDocumentChange> Changes() const override;
    std::size_t MemoryCost() const override;

private:
    std::string m_description;
    std::vector<std::unique_ptr<IEdit>> m_edits;
};

}  // namespace kw
