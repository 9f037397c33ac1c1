#include "editing/LeagueDataEdit.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "competition/Competition.h"
#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "editing/LeagueDataRules.h"
#include "editing/LeagueSystemRules.h"
#include "model/Country.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// A league of a real country on one of its levels: the only kind the dialog edits.
const CDBLeague* EditedLeague(const CWorld& world, std::uint32_t leagueId) {
    const auto* league = dynamic_cast<const CDBLeague*>(world.Competition(leagueId));
    if (league == nullptr || league->Country() < 1 || league->Country() > kCountryCount ||
        league->Level() < 0 || league->Level() >= kLevelCount) {
        return nullptr;
    }
    return league;
}

std::size_t LevelOf(const CDBCompetition& league) {
    return static_cast<std::size_t>(league.Level());
}

const SGenericLeagueSystem& MatchingSystem(const CWorld& world, int country) {
    return GenericLeagueSystems()[static_cast<std::size_t>(
        PreselectedGenericSystem(LeaguesPerLevel(world, country)))];
}

}  // namespace

std::optional<SLeagueData> ReadLeagueData(const CWorld& world, std::uint32_t leagueId,
                                          int language) {
    const CDBLeague* league = EditedLeague(world, leagueId);
    if (league == nullptr) {
        return std::nullopt;
    }
    const SCountrySettings& settings = world.Country(league->Country()).Settings();
    const std::size_t level = LevelOf(*league);
    SLeagueData data;
    data.name =
        std::string(league->Names()[static_cast<std::size_t>(language % kLanguageCount)].View());
    data.size = league->LeagueSize();
    data.meetings = league->Meetings();
    data.spectatorMultiplier = league->SpectatorMultiplier();
    data.transferMultiplier = league->TransferMultiplier();
    data.loanRules1 = league->LoanRules1();
    data.loanRules2 = league->LoanRules2();
    data.substitutions = league->BaseSetting();
    data.signingFlags = league->SigningFlags();
    data.values = {league->Value(1), league->Value(2), league->Value(3)};
    data.tieBreak = settings.tieBreak[level];
    data.nonEuropeanLimit = settings.nonEuropeanLimit[level];
    data.relegated = settings.relegated[level];
    data.reserveTeams = ReserveTeamsAllowed(settings.leagueLevelLimit, league->Level());
    return data;
}

std::vector<int> RelegationChoices(const CWorld& world, std::uint32_t leagueId) {
    const CDBLeague* league = EditedLeague(world, leagueId);
    if (league == nullptr) {
        return {0};
    }
    std::vector<int> choices =
        AllowedRelegations(MatchingSystem(world, league->Country()), league->Level());
    if (choices.empty() || choices.front() != 0) {
        choices.insert(choices.begin(), 0);
    }
    return choices;
}

bool LeagueScriptActive(const CWorld& world, std::uint32_t leagueId) {
    const CDBLeague* league = EditedLeague(world, leagueId);
    return league != nullptr && world.Country(league->Country()).LeagueScript() > 0;
}

std::int32_t MoneyFromText(std::string_view text) {
    std::int64_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const bool negative = first != last && *first == '-';
    if (negative) {
        ++first;
    }
    for (; first != last && *first >= '0' && *first <= '9'; ++first) {
        value = std::min<std::int64_t>(value * 10 + (*first - '0'),
                                       std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1);
    }
    value = negative ? -value : value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool ApplyLeagueData(CWorld& world, std::uint32_t leagueId, const SLeagueData& shown,
                     const SLeagueData& edited, int language) {
    if (shown == edited || EditedLeague(world, leagueId) == nullptr) {
        return false;
    }
    auto& league = dynamic_cast<CDBLeague&>(*world.Competition(leagueId));
    const int country = league.Country();
    const std::size_t level = LevelOf(league);

    if (edited.name != shown.name) {
        league.Names()[static_cast<std::size_t>(language % kLanguageCount)].Set(
            std::string_view(edited.name).substr(0, kLeagueNameLength));
    }
    if (edited.meetings != shown.meetings) {
        league.SetMeetings(edited.meetings);
    }
    if (edited.size != shown.size) {
        league.SetLeagueSize(edited.size);
    }
    if (edited.size != shown.size || edited.meetings != shown.meetings) {
        league.SetMeetings(MeetingsWithinMatchdayLimit(league.LeagueSize(), league.Meetings()));
    }
    if (edited.spectatorMultiplier != shown.spectatorMultiplier) {
        league.SetSpectatorMultiplier(edited.spectatorMultiplier);
    }
    if (edited.transferMultiplier != shown.transferMultiplier) {
        league.SetTransferMultiplier(edited.transferMultiplier);
    }
    if (edited.loanRules1 != shown.loanRules1) {
        league.SetLoanRules1(edited.loanRules1);
    }
    if (edited.loanRules2 != shown.loanRules2) {
        league.SetLoanRules2(edited.loanRules2);
    }
    if (edited.substitutions != shown.substitutions) {
        league.SetBaseSetting(edited.substitutions);
    }
    if (edited.signingFlags != shown.signingFlags) {
        league.SetSigningFlags(edited.signingFlags);
    }
    for (int value = 0; value < 3; ++value) {
        const auto at = static_cast<std::size_t>(value);
        if (edited.values[at] != shown.values[at]) {
            league.SetValue(value + 1, edited.values[at]);
        }
    }

    SCountrySettings& settings = world.Country(country).Settings();
    if (edited.tieBreak != shown.tieBreak) {
        settings.tieBreak[level] = edited.tieBreak;
    }
    if (edited.nonEuropeanLimit != shown.nonEuropeanLimit) {
        settings.nonEuropeanLimit[level] = edited.nonEuropeanLimit;
    }
    if (edited.relegated != shown.relegated) {
        settings.relegated[level] =
            IsRelegationAllowed(MatchingSystem(world, country), league.Level(), edited.relegated)
                ? edited.relegated
                : 0;
    }
    if (edited.reserveTeams != shown.reserveTeams) {
        settings.leagueLevelLimit =
            SwitchReserveTeams(settings.leagueLevelLimit, league.Level(), edited.reserveTeams);
    }
    return true;
}

bool StoreLeagueData(CDatabaseDocument& document, std::uint32_t leagueId, const SLeagueData& shown,
                     const SLeagueData& edited) {
    if (shown == edited) {
        return false;
    }
    const int country = CompetitionCountry(leagueId);
    const int language = document.Language();
    return document.Perform(std::string(ShownText("kw::Edit", "Ligadaten")),
                            SWorldScope::Countries({country}),
                            [leagueId, &shown, &edited, language](CWorld& world) {
                                return ApplyLeagueData(world, leagueId, shown, edited, language);
                            });
}

}  // namespace kw
