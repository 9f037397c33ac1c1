#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CDatabaseDocument;
class CWorld;

// "Ligadaten": what the dialog shows of one league and of its level, as stored. The dialog
// starts from these values and replaces only those whose control the user changed, so a value
// the controls cannot show (a multiplier of 0, a count beyond a list) stays as it is.
struct SLeagueData {
    std::string name;  // in the language it was read in, Windows-1252
    std::int32_t size = 0;
    std::uint8_t meetings = 0;
    std::uint8_t spectatorMultiplier = 0;
    std::uint8_t transferMultiplier = 0;
    std::uint32_t loanRules1 = 0;
    std::uint32_t loanRules2 = 0;
    std::uint8_t substitutions = 0;  // "Anzahl erlaubter Auswechslungen"
    std::uint8_t signingFlags = 0;
    // "Bonuszahlung für 1. Platz", "Abzug für jeden Platz tiefer", "Fernsehgelder": values 1..3.
    std::array<std::int32_t, 3> values{};
    // The level's data.
    std::uint8_t tieBreak = 0;
    std::uint8_t nonEuropeanLimit = 0;
    std::uint8_t relegated = 0;
    bool reserveTeams = false;

    friend bool operator==(const SLeagueData&, const SLeagueData&) = default;
};

// The league's data, its name in `language`; nothing for an id that is no league of a country's
// level 0..4.
std::optional<SLeagueData> ReadLeagueData(const CWorld& world, std::uint32_t leagueId,
                                          int language);

// The relegation counts the list offers for the league's level: those the generic system that
// matches the country's structure allows, always with 0 ("keine Absteiger").
std::vector<int> RelegationChoices(const CWorld& world, std::uint32_t leagueId);

// Whether a league script builds the league's country: then its structure fields are fixed.
bool LeagueScriptActive(const CWorld& world, std::uint32_t leagueId);

// A money amount typed as text: its leading digits (an optional minus first); 0 without any,
// held to the 32-bit range.
std::int32_t MoneyFromText(std::string_view text);

// OK: the values that differ between `shown` (as read) and `edited` are stored. The name, in
// `language`, is cut to a league name's length; a new size resizes the league and, with new
// meetings, makes it play two meetings when it would pass 46 matchdays; a new relegation count is
// stored when the matching generic system allows it, else 0; the reserve-team switch moves the
// country's league-level limit. The league system itself is not rebuilt. False when nothing
// differs.
bool ApplyLeagueData(CWorld& world, std::uint32_t leagueId, const SLeagueData& shown,
                     const SLeagueData& edited, int language);

// The same as one edit of the league's country, the name in the document's language, recorded
// only when something differs.
bool StoreLeagueData(CDatabaseDocument& document, std::uint32_t leagueId, const SLeagueData& shown,
                     const SLeagueData& edited);

}  // namespace kw
