// The validation report: one run of every check over a database.
#pragma once

#include <vector>

#include "tools/ValidationFinding.h"

namespace kw {

class CGlobalTools;
class CWorld;
class IProgress;

struct SValidationResult {
    std::vector<SFinding> findings;  // by country, then kind, each kind in the order found
    bool cancelled = false;          // the findings are then those of the countries done
};

// Reads the world and the badges only, so a worker may run it while nothing edits the world.
// Countries without clubs and competitions are skipped; missing badges are looked for only with
// `tools`. Progress goes from 0 to kCountryCount + 1 (countries, then the whole database);
// `progress` is asked after every country whether to stop.
SValidationResult ValidateDatabase(const CWorld& world, const CGlobalTools* tools,
                                   IProgress* progress);

}  // namespace kw
