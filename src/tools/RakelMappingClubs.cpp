#include <algorithm>
#include <string>
#include <vector>

#include "assets/RakelClubMapping.h"
#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"
#include "tools/RakelMapping.h"
#include "tools/RakelMappingReport.h"
#include "tools/RakelMappingTexts.h"
#include "tools/RakelMappingWalk.h"

namespace kw {

namespace {

// The other-game clubs whose take count `keep` accepts, sorted by name.
std::vector<std::size_t> ClubsByName(const CRakelClubMapping& clubs, const std::vector<int>& taken,
                                     bool (*keep)(int)) {
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < taken.size(); ++i) {
        if (keep(taken[i])) {
            chosen.push_back(i);
        }
    }
    std::stable_sort(chosen.begin(), chosen.end(), [&clubs](std::size_t a, std::size_t b) {
        return CompareIgnoringAsciiCase(clubs.Clubs()[a].name, clubs.Clubs()[b].name) < 0;
    });
    return chosen;
}

std::vector<std::string> ClubReport(const SClubMappingResult& result,
                                    const CRakelClubMapping& clubs, const std::vector<int>& taken) {
    std::vector<std::string> lines = {
        "Club mapping statistics",
        FormatPrintf("Success: %i, Failure: %i", result.success, result.failure),
        FormatPrintf("Unmapped: %i, Too much mapped: %i", result.unmapped, result.overmapped),
        "Unmapped:",
    };
    for (const std::size_t i : ClubsByName(clubs, taken, [](int times) { return times == 0; })) {
        const SRakelClub& club = clubs.Clubs()[i];
        lines.push_back(FormatPrintf("%s (%s) - RakelID: %i", club.name.c_str(),
                                     club.secondName.c_str(), club.id));
    }
    lines.emplace_back("Overmapped:");
    for (const std::size_t i : ClubsByName(clubs, taken, [](int times) { return times > 1; })) {
        const SRakelClub& club = clubs.Clubs()[i];
        lines.push_back(FormatPrintf("%s (%s) (%i Times)- RakelID: %i", club.name.c_str(),
                                     club.secondName.c_str(), taken[i], club.id));
    }
    return lines;
}

}  // namespace

SClubMappingResult MapClubIds(CDatabaseDocument& document, const CRakelClubMapping& clubs,
                              const SMappingOptions& options) {
    SClubMappingResult result;
    // Without the other game's clubs every club would count as unmatched and, with Yes, lose
    // its number.
    if (!clubs.IsLoaded()) {
        return result;
    }
    std::vector<int> taken(clubs.Clubs().size(), 0);
    const int language = document.Language();
    document.Perform(std::string(kMapClubIdsCommand), MappedCountries(),
                     [&clubs, &options, &taken, &result, language](CWorld& world) {
                         bool changed = false;
                         ForEachMappedClub(world, [&](CClub& club) {
                             std::string name(club.Name(language));
                             NormaliseSpaces(name);
                             const auto entry = clubs.Find(name);
                             std::int32_t number = club.ExternalNumber();
                             if (entry) {
                                 ++taken[*entry];
                                 ++result.success;
                                 number = clubs.Clubs()[*entry].id;
                             } else {
                                 ++result.failure;
                                 number = options.zeroUnmatched ? 0 : number;
                             }
                             changed = changed || number != club.ExternalNumber();
                             club.SetExternalNumber(number);
                         });
                         return changed;
                     });
    result.mapped = true;
    result.unmapped = static_cast<int>(std::count(taken.begin(), taken.end(), 0));
    result.overmapped = static_cast<int>(
        std::count_if(taken.begin(), taken.end(), [](int times) { return times > 1; }));
    result.reportLines = ClubReport(result, clubs, taken);
    result.reportWritten = WriteMappingReport(options.reportPath, result.reportLines);
    return result;
}

}  // namespace kw
