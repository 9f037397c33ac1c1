#pragma once

// The second half of applying a change package: what the planning found out about each change,
// and the changes made from it. The world is only read before and only written after, so that
// nothing is looked up in a world half changed.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/ChangePackageApply.h"

namespace kw {

class CWorld;

// A record of the receiving database: its kind and where it is.
struct SRecordRef {
    EPackageRecord kind = EPackageRecord::kCountry;
    int country = 0;
    std::uint32_t id = 0;   // club, person or manager
    std::size_t index = 0;  // referee or stadium

    friend auto operator<=>(const SRecordRef&, const SRecordRef&) = default;
};

// A place an added club's team takes in a league.
struct SLeaguePlace {
    std::uint32_t competition = 0;
    int position = 0;
    bool reserve = false;
};

// What the planning found out about one change.
struct SResolved {
    bool found = false;
    SRecordRef record;
    std::uint32_t holder = 0;  // a person's club now, 0 for none
    DumpJson target;           // a transfer's new club, an added person's club (identity)
    std::vector<SLeaguePlace> leagues;
};

struct SResolution {
    std::vector<SResolved> changes;  // one per change of the package
    // The values of the records with field changes, as the dump shows them.
    std::map<SRecordRef, DumpJson> records;
};

// Makes the changes the plan takes: removed persons leave, renamed clubs take their names, new
// clubs are made (so that every identity a value names exists), then the field values, the
// transfers, the new persons, managers and referees, and last the removed records.
void WritePackageChanges(CWorld& world, const SChangePackage& package, const SPackagePlan& plan,
                         const SResolution& resolution);

}  // namespace kw
