#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "assets/RakelFaceMapping.h"
#include "assets/RakelPs2FaceTable.h"
#include "document/DatabaseDocument.h"
#include "model/Player.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"
#include "storage/TextTable.h"
#include "tools/RakelMapping.h"
#include "tools/RakelMappingReport.h"
#include "tools/RakelMappingTexts.h"
#include "tools/RakelMappingWalk.h"

namespace kw {

namespace {

// A face table as the runs count it: the entries' texts, and how many players each received.
struct SFaceCount {
    std::vector<std::string> texts;
    std::vector<int> players;
};

// Where a player's face comes from: the entry of the counted table, or nothing.
using FaceSource = std::function<std::optional<std::size_t>(const CPlayer&)>;
// The face number an entry stands for.
using FaceOfEntry = std::function<std::int32_t(std::size_t)>;

std::vector<std::string> FaceReport(const SFaceMappingResult& result, const SFaceCount& count) {
    std::vector<std::string> lines = {
        "Face mapping statistics:",
        FormatPrintf("Successful: %i:", result.usedOnce),
        FormatPrintf("Unmapped: %i:", result.unused),
        FormatPrintf("Overmapped: %i", result.overused),
        "",
        "Unmapped:",
    };
    for (std::size_t i = 0; i < count.texts.size(); ++i) {
        if (count.players[i] == 0) {
            lines.push_back(count.texts[i]);
        }
    }
    lines.emplace_back("Overmapped:");
    for (std::size_t i = 0; i < count.texts.size(); ++i) {
        if (count.players[i] > 1) {
            lines.push_back(FormatPrintf("%s (%i)", count.texts[i].c_str(), count.players[i]));
        }
    }
    return lines;
}

// Gives every player the face of his entry (0 or his old face without one, as the options say),
// counting the entries, as one edit; then writes the report.
SFaceMappingResult RunFaceMapping(CDatabaseDocument& document, std::string_view command,
                                  SFaceCount count, const FaceSource& source,
                                  const FaceOfEntry& faceOf, const SMappingOptions& options) {
    SFaceMappingResult result;
    document.Perform(std::string(command), MappedCountries(),
                     [&source, &faceOf, &options, &count, &result](CWorld& world) {
                         bool changed = false;
                         ForEachMappedPlayer(world, [&](CPlayer& player) {
                             const std::optional<std::size_t> entry = source(player);
                             std::int32_t face = player.SpecialFace();
                             if (entry) {
                                 ++count.players[*entry];
                                 ++result.success;
                                 face = faceOf(*entry);
                             } else {
                                 ++result.failed;
                                 face = options.zeroUnmatched ? 0 : face;
                             }
                             changed = changed || face != player.SpecialFace();
                             player.SetSpecialFace(face);
                         });
                         return changed;
                     });
    result.mapped = true;
    for (const int players : count.players) {
        result.usedOnce += players == 1 ? 1 : 0;
        result.unused += players == 0 ? 1 : 0;
        result.overused += players > 1 ? 1 : 0;
    }
    result.reportLines = FaceReport(result, count);
    result.reportWritten = WriteMappingReport(options.reportPath, result.reportLines);
    return result;
}

}  // namespace

SFaceMappingResult MapFaceIds(CDatabaseDocument& document, const CBaseTextFile& faces,
                              const CRakelFaceMapping& faceList, const SMappingOptions& options) {
    // Face 0 is the table's "none" entry, no face to hand out.
    SFaceCount count;
    std::vector<std::int32_t> numbers;
    std::unordered_map<std::int32_t, std::size_t> entryOfFace;
    for (std::int32_t i = 0; i < faces.GetCount(); ++i) {
        if (faces.GetValue(i) != 0 &&
            entryOfFace.try_emplace(faces.GetValue(i), numbers.size()).second) {
            numbers.push_back(faces.GetValue(i));
            count.texts.push_back(faces.GetText(i));
        }
    }
    // A table filled in for a missing file has numbers but holds no face of the game.
    if (!faces.WasRead() || numbers.empty() || !faceList.IsLoaded()) {
        return {};
    }
    count.players.assign(numbers.size(), 0);
    const FaceSource source = [&faceList, &entryOfFace](const CPlayer& player) {
        std::string fullName =
            std::string(player.FirstName().View()) + ' ' + std::string(player.Surname().View());
        NormaliseSpaces(fullName);
        const std::optional<std::int32_t> face = faceList.FindFace(fullName);
        const auto found = face ? entryOfFace.find(*face) : entryOfFace.end();
        return found == entryOfFace.end() ? std::nullopt
                                          : std::optional<std::size_t>(found->second);
    };
    return RunFaceMapping(
        document, kMapFaceIdsCommand, std::move(count), source,
        [&numbers](std::size_t entry) { return numbers[entry]; }, options);
}

SFaceMappingResult MapPs2FaceIds(CDatabaseDocument& document, const CRakelPs2FaceTable& table,
                                 const SMappingOptions& options) {
    if (!table.IsLoaded()) {
        return {};
    }
    SFaceCount count;
    for (const SPs2Face& entry : table.Entries()) {
        count.texts.push_back(entry.text);
    }
    count.players.assign(count.texts.size(), 0);
    const FaceSource source = [&table](const CPlayer& player) {
        return table.FindByFace(player.SpecialFace());
    };
    return RunFaceMapping(
        document, kMapPs2FaceIdsCommand, std::move(count), source,
        [&table](std::size_t entry) { return table.Entries()[entry].ps2Face; }, options);
}

}  // namespace kw
