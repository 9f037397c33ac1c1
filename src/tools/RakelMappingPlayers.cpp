#include <string>
#include <vector>

#include "assets/RakelPlayerMapping.h"
#include "document/DatabaseDocument.h"
#include "model/Player.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"
#include "tools/RakelMapping.h"
#include "tools/RakelMappingReport.h"
#include "tools/RakelMappingTexts.h"
#include "tools/RakelMappingWalk.h"

namespace kw {

namespace {

std::string PlayerLine(const CPlayer& player) {
    return FormatPrintf("   %s, %s [nick: %s]", player.Surname().CStr(), player.FirstName().CStr(),
                        player.Nickname().CStr());
}

std::string Normalised(std::string_view text, bool& changed) {
    std::string result(text);
    changed = NormaliseSpaces(result) || changed;
    return result;
}

// The player's identifier in the other game: by full name, then nickname, then stage name.
std::optional<std::int32_t> FindPlayer(const CRakelPlayerMapping& players, const CPlayer& player,
                                       bool& unnormalised) {
    // Each name is normalised on its own, so an empty first name is no fault of spacing.
    const std::string first = Normalised(player.FirstName().View(), unnormalised);
    const std::string surname = Normalised(player.Surname().View(), unnormalised);
    const std::string nickname = Normalised(player.Nickname().View(), unnormalised);
    const std::string stageName = Normalised(player.StageName().View(), unnormalised);
    std::string fullName = first + ' ' + surname;
    NormaliseSpaces(fullName);
    std::optional<std::int32_t> id = players.FindByFullName(fullName);
    if (!id && !nickname.empty()) {
        id = players.FindByNickname(nickname);
    }
    if (!id && !stageName.empty()) {
        id = players.FindByNickname(stageName);
    }
    return id;
}

std::vector<std::string> PlayerReport(const SPlayerMappingResult& result,
                                      const CRakelPlayerMapping& players,
                                      const std::vector<std::string>& failures,
                                      const std::vector<std::string>& unnormalised) {
    std::vector<std::string> lines = {
        FormatPrintf("Rakel ID Report - Set complete world from file %s",
                     players.FileName().c_str()),
        FormatPrintf("Number of Rakel Players: %i", players.Count()),
        "Stat:",
        FormatPrintf("Success: %i", result.success),
        FormatPrintf("Failed: %i", result.failed),
        FormatPrintf("Unnormalized players: %i", result.unnormalised),
        FormatPrintf("Same names: %i, Same nicks: %i",
                     static_cast<int>(players.DoubleNames().size()),
                     static_cast<int>(players.DoubleNicks().size())),
        "Failures:",
    };
    lines.insert(lines.end(), failures.begin(), failures.end());
    if (!unnormalised.empty()) {
        lines.emplace_back("Unnormalized Players in the KW-Database");
        lines.insert(lines.end(), unnormalised.begin(), unnormalised.end());
    }
    lines.emplace_back("Double names:");
    for (const std::string& name : players.DoubleNames()) {
        lines.push_back("   " + name);
    }
    lines.emplace_back("Double nicks:");
    for (const std::string& nickname : players.DoubleNicks()) {
        lines.push_back("   " + nickname);
    }
    return lines;
}

}  // namespace

SPlayerMappingResult MapPlayerIds(CDatabaseDocument& document, const CRakelPlayerMapping& players,
                                  const SMappingOptions& options) {
    SPlayerMappingResult result;
    if (!players.IsLoaded()) {
        return result;
    }
    std::vector<std::string> failures;
    std::vector<std::string> unnormalised;
    document.Perform(std::string(kMapPlayerIdsCommand), MappedCountries(),
                     [&players, &options, &result, &failures, &unnormalised](CWorld& world) {
                         bool changed = false;
                         ForEachMappedPlayer(world, [&](CPlayer& player) {
                             bool spaced = false;
                             const std::optional<std::int32_t> id =
                                 FindPlayer(players, player, spaced);
                             if (spaced) {
                                 unnormalised.push_back(PlayerLine(player));
                             }
                             std::int32_t number = player.SecondExternalNumber();
                             if (id) {
                                 ++result.success;
                                 number = *id;
                             } else {
                                 ++result.failed;
                                 failures.push_back(PlayerLine(player));
                                 number = options.zeroUnmatched ? 0 : number;
                             }
                             changed = changed || number != player.SecondExternalNumber();
                             player.SetSecondExternalNumber(number);
                         });
                         return changed;
                     });
    result.mapped = true;
    result.unnormalised = static_cast<int>(unnormalised.size());
    result.reportLines = PlayerReport(result, players, failures, unnormalised);
    result.reportWritten = WriteMappingReport(options.reportPath, result.reportLines);
    return result;
}

}  // namespace kw
