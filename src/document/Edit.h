#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "document/DocumentChange.h"

namespace kw {

class CWorld;

// One undoable change of a database. Apply makes the change (again), Revert takes it back; the
// document calls them alternately, starting with Apply unless it ran the change itself. Most edits
// hold "the other state" and swap it with the database's, so both directions are the same
// operation and cannot be applied twice by mistake.
class IEdit {
public:
    virtual ~IEdit() = default;

    virtual void Apply(CWorld& world) = 0;
    virtual void Revert(CWorld& world) = 0;
    // A short text for the menu ("Rückgängig: <text>") in the interface language, Windows-1252;
    // only shown, never written.
    virtual const std::string& Description() const = 0;
    // What the database shows differently after Apply or Revert.
    virtual std::vector<SDocumentChange> Changes() const = 0;
    // Roughly the bytes the edit holds, for bounding the history.
    virtual std::size_t MemoryCost() const = 0;
};

}  // namespace kw
