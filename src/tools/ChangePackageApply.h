#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/WorldPart.h"
#include "tools/ChangePackage.h"

namespace kw {

class CDatabaseDocument;
class CWorld;

// Applying a change package: every change matched by identity in the receiving database and
// classified before anything changes, then what is taken applied as one undoable edit.

enum class EChangeClass {
    kApplies,         // the record holds the old value (or, added, is missing; removed, unchanged)
    kAlreadyApplied,  // it holds the new value (added: the same record is there; removed: gone)
    kConflict,        // it holds a third value, is missing, or an added one is there otherwise
    kUnsupported,     // the package lists it but cannot carry it (the competitions)
};
std::string_view ChangeClassText(EChangeClass result);

struct SChangeOutcome {
    EChangeClass result = EChangeClass::kApplies;
    // Why a conflict or an unsupported change is one.
    std::string reason;
    // A conflict whose record is there, so that the package's value can be taken over the
    // database's own.
    bool canTake = false;
    // Applied: every change that applies; a conflict only when the user takes it.
    bool take = false;
};

struct SResolution;

struct SPackagePlan {
    std::vector<SChangeOutcome> outcomes;  // one per change, in the package's order
    // Every part of the database that a change which applies or can be taken touches.
    SWorldScope scope;
    // What the planning looked up for the changes, so that applying needs no second look.
    std::shared_ptr<const SResolution> resolution;

    int Count(EChangeClass result) const;
    bool TakesAny() const;
};

SPackagePlan PlanChangePackage(const CWorld& world, const SChangePackage& package);

// The changes the plan takes, made to the world the plan was made for (unchanged since); false
// when it takes none.
// A transfer or an added person that finds its club full stays undone.
bool ApplyChangePackage(CWorld& world, const SChangePackage& package, const SPackagePlan& plan);
// The same as one undoable edit of the document, named "Änderungspaket anwenden".
bool ApplyChangePackage(CDatabaseDocument& document, const SChangePackage& package,
                        const SPackagePlan& plan);

// One line naming the change (UTF-8): "field person 12/Name: Surname, First (1980-01-02)
// abilities[3]: 40 -> 44".
std::string ChangeLine(const SPackageChange& change);

}  // namespace kw
