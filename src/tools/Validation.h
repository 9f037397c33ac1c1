// The validation report: one run of every check over a database.
#pragma once

#include <vector>

#include "tools/ValidationFinding.h"

namespace kw {

class CDBCompetition;
class CGlobalTools;
class CWorld;
class IProgress;

// What a run judges the database against.
enum class ECheckBasis {
    // The game installation: its cup formats, international structures and badges.
    kInstallation,
    // None at hand: the checks that need it are left out rather than reported as faults (the
    // cups' checks, the completeness verdict that counts them, the overlaps with international
    // days).
    kDatabaseOnly,
};

// A cup is checked against its cup format, which the installation defines.
bool CheckNeedsInstallation(const CDBCompetition& node);

struct SValidationResult {
    std::vector<SFinding> findings;  // by country, then kind, each kind in the order found
    bool cancelled = false;          // the findings are then those of the countries done
};

// Reads the world and the badges only, so a worker may run it while nothing edits the world.
// Countries without clubs and competitions are skipped; missing badges are looked for only with
// `tools`. The findings name clubs and competitions in `language`. Progress goes from 0 to
// kCountryCount + 1 (countries, then the whole database); `progress` is asked after every country
// whether to stop.
SValidationResult ValidateDatabase(const CWorld& world, int language, const CGlobalTools* tools,
                                   IProgress* progress,
                                   ECheckBasis basis = ECheckBasis::kInstallation);

}  // namespace kw
