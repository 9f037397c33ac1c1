#include "exports/master/CountryBlocks.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <string>

#include "competition/League.h"
#include "exports/master/BinaryWriter.h"
#include "exports/master/ClubRecord.h"
#include "exports/master/CompetitionRecords.h"
#include "exports/master/ExportContext.h"
#include "exports/master/NamePools.h"
#include "exports/master/PersonRecords.h"
#include "exports/master/SideOutputs.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr int kMaxListedLeagues = 20;
constexpr int kFirstTeams = 8;
constexpr std::size_t kLevelNameLength = 28;

const CDBLeague* League(const CWorld& world, int country, int index) {
    return dynamic_cast<const CDBLeague*>(
        world.Competition(MakeCompetitionId(country, kLeagueType, index)));
}

void WriteFirstTeams(SExportContext& context, const CDBLeagueBase& league) {
    for (int position = 0; position < kFirstTeams; ++position) {
        context.out.U32(context.world.ExportClubId(league.Team(position)));
    }
}

void WriteClubsOneToEight(SExportContext& context, int country) {
    for (int index = 1; index <= kFirstTeams; ++index) {
        context.out.U32(
            context.world.ExportClubId(MakeClubId(country, static_cast<std::uint32_t>(index))));
    }
}

// Shares that add up to 1..99 are completed to 100 through the first one.
std::array<std::uint8_t, 4> CompletedShares(std::array<std::uint8_t, 4> shares) {
    const int sum = std::accumulate(shares.begin(), shares.end(), 0);
    if (sum >= 1 && sum <= 99) {
        shares[0] = static_cast<std::uint8_t>(shares[0] + (100 - sum));
    }
    return shares;
}

// The settings the game reads as at least 1.
std::uint8_t AtLeastOne(std::uint8_t value) {
    return value <= 1 ? 1 : value;
}

// Each player of the club: its special face (the identifier the mapping files use), surname and
// first name.
std::string PlayerMappingLines(const CWorld& world, const CClub& club) {
    std::string lines;
    for (std::uint32_t id : club.PersonIds()) {
        const CPlayer* player = world.Person(id);
        if (player != nullptr && player->IsPlayer()) {
            lines += FormatPrintf("%d,%s,%s\n", player->SpecialFace(),
                                  std::string(player->Surname().View()).c_str(),
                                  std::string(player->FirstName().View()).c_str());
        }
    }
    return lines;
}

// The clubs of the first six leagues, sorted by their English names, each with its players.
void AppendPlayerMapping(SExportContext& context, const CCountry& country) {
    std::multimap<std::string, std::pair<const CClub*, std::string>> clubs;
    std::set<std::uint32_t> seen;
    for (int index = 0; index < kMappedLeagues; ++index) {
        const CDBLeague* league = League(context.world, country.Number(), index);
        if (league == nullptr) {
            continue;
        }
        for (std::uint32_t team : league->Teams()) {
            const CClub* club = context.world.Country(ClubCountry(team)).Club(team);
            if (club != nullptr && seen.insert(club->Id()).second) {
                clubs.emplace(std::string(club->Name(kEnglish)),
                              std::pair(club, std::string(league->Names()[kEnglish].View())));
            }
        }
    }
    std::string lines;
    for (const auto& [name, entry] : clubs) {
        lines += FormatPrintf("%d,%s,%d,%s\n", 0, entry.second.c_str(),
                              entry.first->ExternalNumber(), name.c_str());
        lines += PlayerMappingLines(context.world, *entry.first);
    }
    context.side.Append(sidefile::kPlayers, lines);
}

void AppendCountryLines(SExportContext& context, const CCountry& country) {
    const std::string line = country.Name(context.language) + "\n";
    if (context.Has(masteroption::kBadgeList)) {
        context.side.Append(sidefile::kBadges, line);
    }
    if (context.Has(masteroption::kKitList)) {
        context.side.Append(sidefile::kKits, line);
    }
    if (context.Has(masteroption::kPs2Log)) {
        context.side.Append(sidefile::kPs2Log, line);
    }
}

void WriteSettings(SExportContext& context, const CCountry& country) {
    CBinaryWriter& out = context.out;
    const SCountrySettings& s = country.Settings();
    out.U8(country.ContinentByte());
    out.String(s.associationName.View());
    out.Raw(s.languages);
    if (!context.OneLanguage()) {
        out.Raw(CompletedShares(s.languageShares));
    }
    out.U8(s.leagueLevelLimit);
    out.U8(s.levelLimitByte);
    out.U8(s.reserveSwitch);
    out.U8(s.climate);
    const int group = s.languages[0];
    out.U8(static_cast<std::uint8_t>(group));
    out.U16(context.names.Add(group, namekind::kMaleFirst, s.president.firstName.View()));
    out.U16(context.names.Add(group, namekind::kSurname, s.president.surname.View()));
    out.I32(s.presidentBirthDate.Value());
    for (std::uint8_t value : {s.leagueYellowRule, s.cupYellowRule, s.redCardSettings,
                               s.redCardStart, s.suspensionScope, s.yellowRedLevels}) {
        out.U8(value);
    }
    out.Raw(s.tieBreak);
    out.Raw(s.nonEuropeanLimit);
    out.Raw(s.relegated);
    out.U8(s.cupOptions);
    out.U8(AtLeastOne(s.setting8));
    out.Raw(s.settings2);
    out.U8(s.settings4[0]);
    out.U8(s.settings4[1]);
    out.U8(s.settings4[2]);
    out.U8(AtLeastOne(s.settings4[3]));
    out.U8(s.optionFlags);
    out.U8(s.optionValue);
    out.U8(s.averageStrength);
    out.I32(s.lookValue);
    for (std::uint32_t bits : {s.hairColours, s.haircuts, s.beards, s.faces}) {
        out.U32(bits);
    }
    out.U8(s.averageHeight);
    out.U8(s.averageWeight);
    using T = SCountrySettings;
    for (int title : {T::kContinentalTitles, T::kWorldChampionships, T::kContinentalFinals,
                      T::kWorldCupFinals}) {
        out.U16(s.titles[static_cast<std::size_t>(title)]);
    }
    out.U16Array(s.slotValues);
    out.U8(s.abroadProbability);
    out.I32(s.transferPhases[0]);
    out.I32(s.transferPhases[1]);
}

void WriteCompetitionPart(SExportContext& context, const CCountry& country) {
    CBinaryWriter& out = context.out;
    const int clubs = country.ClubCount();
    out.U32(static_cast<std::uint32_t>(clubs));
    const CDBLeague* first = League(context.world, country.Number(), 0);
    if (clubs >= kFirstTeams) {
        if (first == nullptr) {
            for (int language = 0; language < kLanguageCount; ++language) {
                out.String(ResourceString(ids::kFirstLeague));
                out.String(ResourceString(ids::kNationalCup));
            }
            WriteClubsOneToEight(context, country.Number());
        } else {
            const CDBCompetition* cup =
                context.world.Competition(MakeCompetitionId(country.Number(), kFaCupType, 0));
            for (int language = 0; language < kLanguageCount; ++language) {
                const auto l = static_cast<std::size_t>(language);
                out.String(first->Names()[l].View());
                out.String(cup != nullptr ? cup->Names()[l].View() : std::string_view());
            }
            if (first->TeamCount() >= kFirstTeams) {
                WriteFirstTeams(context, *first);
            } else {
                WriteClubsOneToEight(context, country.Number());
            }
        }
    }
    if (clubs >= kFirstTeams && first != nullptr) {
        out.F32(static_cast<float>(first->SpectatorMultiplier()) / 100.0f);
        out.F32(static_cast<float>(first->TransferMultiplier()) / 100.0f);
    } else {
        out.U32(0);
        out.U32(0);
    }
}

void WriteMembers(SExportContext& context, CCountry& country) {
    CBinaryWriter& out = context.out;
    AppendCountryLines(context, country);
    for (const auto& [id, club] : country.Clubs()) {
        if (!club->IsNationalTeam()) {
            WriteClubRecord(context, *club);
        }
    }
    WriteClubRecord(context, country.NationalTeam());
    out.U32(static_cast<std::uint32_t>(country.Referees().size()));
    for (const CReferee& referee : country.Referees()) {
        WriteRefereeRecord(context, referee);
    }
    out.U32(static_cast<std::uint32_t>(country.Staff().size()));
    for (const CStaffEntry& staff : country.Staff()) {
        WriteCountryStaffRecord(context, staff);
    }
    out.U32(0);
    out.U32(static_cast<std::uint32_t>(country.UsedPoolEntries()));
    for (const CPoolEntry& entry : country.PlayerPool()) {
        if (entry.IsUsed()) {
            WritePoolEntryRecord(context, entry, country.Settings().languages[0]);
        }
    }
}

}  // namespace

int ListedLeagues(const CCountry& country) {
    int count = 0;
    while (count < kMaxListedLeagues && League(country.World(), country.Number(), count)) {
        ++count;
    }
    return count;
}

void WriteSummaryBlock(SExportContext& context, const CCountry& country, bool complete) {
    CBinaryWriter& out = context.out;
    out.U8(static_cast<std::uint8_t>(complete ? ListedLeagues(country) : 0));
    for (int language = 0; language < kLanguageCount; ++language) {
        out.String(country.Name(language));
    }
    const int levels = country.LevelTable().UsedLevels();
    out.U8(static_cast<std::uint8_t>(levels));
    for (int level = 0; level < levels; ++level) {
        for (const auto& name : country.LevelNames(level)) {
            out.String(name.View().substr(0, kLevelNameLength));
        }
    }
    const CDBLeague* first = League(context.world, country.Number(), 0);
    if (complete && first != nullptr) {
        WriteFirstTeams(context, *first);
    }
    out.U32(0);
}

void WriteDataBlock(SExportContext& context, CCountry& country, SCountryOffsets& offsets) {
    CBinaryWriter& out = context.out;
    const bool counting = out.IsCounting();
    if (!context.OneLanguage()) {
        out.U32(offsets.data);
        if (counting) {
            offsets.data = out.RunningSize();
        }
    }
    if (context.OneLanguage()) {
        out.String(country.ShortNames().at(static_cast<std::size_t>(context.language)).View());
    } else {
        for (const auto& code : country.ShortNames()) {
            out.String(code.View());
        }
    }
    if (context.Has(masteroption::kPlayerMapping)) {
        AppendPlayerMapping(context, country);
    }
    WriteSettings(context, country);
    WriteCompetitionPart(context, country);
    out.U32(offsets.competitions);
    if (counting) {
        offsets.competitions = out.RunningSize();
    }
    WriteCountryCompetitions(context, country.Number());
    WriteMembers(context, country);
}

}  // namespace kw
