#include "editing/LeagueSystemCommands.h"

#include <array>
#include <cstdio>

#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "model/Country.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/ResourceTable.h"
#include "reports/WorldStatistics.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

struct SFaultText {
    std::uint32_t fault;
    const char* text;  // UTF-8, German
};
constexpr std::array kFaultTexts = {
    SFaultText{kFaultFixtureIncomplete,
               KW_RESOURCE_TEXT("kw::LeagueSystemCommands", "Spielplan ist nicht vollständig!")},
    SFaultText{kFaultMatchdayCount,
               KW_RESOURCE_TEXT("kw::LeagueSystemCommands", "Anzahl Spieltage ist nicht korrekt!")},
    SFaultText{kFaultTeamCount,
               KW_RESOURCE_TEXT("kw::LeagueSystemCommands", "Nicht genügend Vereine in der Liga!")},
    SFaultText{kFaultReserveTeams,
               KW_RESOURCE_TEXT("kw::LeagueSystemCommands",
                                "Reserveteams dürfen nicht in der Liga spielen!")},
};

// Play-offs and pools may carry no name: the id tells them apart then.
std::string CompetitionName(const CDBCompetition& node, int language) {
    std::string name = LeagueName(node, language);
    if (name.empty()) {
        char id[16];
        std::snprintf(id, sizeof id, "%08X", node.Id());
        name = id;
    }
    return name;
}

}  // namespace

std::vector<SLevelRow> LeagueSystemLevels(const CWorld& world, int country, int language) {
    std::vector<SLevelRow> levels;
    const CCountry& owner = world.Country(country);
    const auto index = static_cast<std::size_t>(language % kLanguageCount);
    for (int level = 0; level < kLevelCount; ++level) {
        SLevelRow row;
        row.level = level;
        row.name = std::string(owner.LevelNames(level)[index].View());
        for (const CDBCompetition* league : CountryLeagues(world, country)) {
            if (league->Level() == level) {
                row.leagues.push_back({league->Id(), LeagueName(*league, language)});
            }
        }
        if (!row.leagues.empty()) {
            levels.push_back(std::move(row));
        }
    }
    return levels;
}

bool ApplyNeedsConfirmation(const CWorld& world, int country, int script, int genericRow) {
    const int active = world.Country(country).LeagueScript();
    if (script >= 1) {
        return script != active;
    }
    if (genericRow < 1 || genericRow >= kGenericSystemCount) {
        return false;
    }
    if (active > 0) {
        return true;
    }
    const std::array<int, kLevelCount> now = LeaguesPerLevel(world, country);
    const auto& wanted = GenericLeagueSystems()[static_cast<std::size_t>(genericRow)].leagues;
    for (std::size_t level = 0; level < now.size(); ++level) {
        if (wanted[level] < now[level]) {
            return true;
        }
    }
    return false;
}

EApplyResult ApplyLeagueSystemEdit(CDatabaseDocument& document, int country, int script,
                                   int genericRow) {
    if (script >= 1 && script == document.World().Country(country).LeagueScript()) {
        return EApplyResult::kApplied;
    }
    EApplyResult result = EApplyResult::kApplied;
    document.Perform(std::string(ShownText("kw::Edit", "Ligasystem")),
                     SWorldScope::Countries({country}),
                     [country, script, genericRow, &result](CWorld& world) {
                         result = ApplyLeagueSystem(world, country, script, genericRow,
                                                    world.Country(country).Settings().relegated);
                         return result == EApplyResult::kApplied;
                     });
    return result;
}

std::vector<std::string> CompetitionFaultTexts(std::uint32_t faults) {
    std::vector<std::string> texts;
    for (const SFaultText& text : kFaultTexts) {
        if ((faults & text.fault) != 0) {
            texts.emplace_back(ShownText("kw::LeagueSystemCommands", text.text));
        }
    }
    return texts;
}

SCompositionFaults CheckAfterRebuild(const CWorld& world, int country, int language) {
    SCompositionFaults faults;
    for (const SCompetitionCheck& check : CheckCountry(world.Country(country)).competitions) {
        for (const std::string& text : CompetitionFaultTexts(check.faults[0] | check.faults[1])) {
            faults.messages.push_back(CompetitionName(*world.Competition(check.id), language) +
                                      ": " + text);
        }
    }
    faults.headed = faults.messages.size() > 1;
    return faults;
}

}  // namespace kw
