#include "exports/master/ClubRecord.h"

#include <string>
#include <vector>

#include "competition/Competition.h"
#include "competition/League.h"
#include "exports/master/BinaryWriter.h"
#include "exports/master/ExportContext.h"
#include "exports/master/PersonRecords.h"
#include "exports/master/SideOutputs.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr std::string_view kNationalStadiumName = "Nationalmannschaftsstadion";

template <std::size_t N>
void WriteTexts(SExportContext& context, const CLanguageTexts<N>& texts) {
    if (context.OneLanguage()) {
        context.out.String(texts.at(static_cast<std::size_t>(context.language)).View());
        return;
    }
    for (const auto& text : texts) {
        context.out.String(text.View());
    }
}

std::string KitLines(const CClub& club) {
    std::string lines;
    for (int kit = 0; kit < CClubKit::kKitCount; ++kit) {
        const CClubKit::SKit& values = club.Kit().Kit(kit);
        lines += FormatPrintf("  %-30s,", kit == 0 ? std::string(club.Name(0)).c_str() : "");
        for (std::uint8_t style : {values.design, values.secondStyle, values.thirdStyle}) {
            lines += FormatPrintf(" %02d,", style);
        }
        for (std::uint8_t colour : values.colours) {
            lines += FormatPrintf(" %02d,", colour);
        }
        lines += "\n";
    }
    return lines;
}

// The English name of the first of the country's leagues 0..5 that has the club.
std::string MappedLeagueName(const CWorld& world, const CClub& club) {
    for (int index = 0; index < kMappedLeagues; ++index) {
        const auto* league = dynamic_cast<const CDBLeagueBase*>(
            world.Competition(MakeCompetitionId(club.Country(), kLeagueType, index)));
        if (league != nullptr && league->PositionOfTeam(club.Id()) >= 0) {
            return std::string(league->Names()[kEnglish].View());
        }
    }
    return {};
}

void AppendClubLines(SExportContext& context, const CClub& club) {
    const std::string name0(club.Name(0));
    const std::string badge(club.BadgePath().View());
    if (context.Has(masteroption::kBadgeList)) {
        context.side.Append(sidefile::kBadges,
                            FormatPrintf("  %-30s %s\n", name0.c_str(), badge.c_str()));
    }
    if (context.Has(masteroption::kKitList)) {
        context.side.Append(sidefile::kKits, KitLines(club));
    }
    if (context.Has(masteroption::kStadiumList)) {
        const std::string stadium =
            club.IsNationalTeam() ? std::string(kNationalStadiumName) : name0;
        context.side.Append(sidefile::kStadiums,
                            FormatPrintf("  %-30s %d\n", stadium.c_str(), club.StadiumNumber()));
    }
    if (context.Has(masteroption::kPs2Log)) {
        context.side.Append(
            sidefile::kPs2Log,
            FormatPrintf("  %s\n  %s\n", std::string(club.Name(context.language)).c_str(),
                         badge.c_str()));
    }
    if (context.Has(masteroption::kTeamMapping) && !club.IsNationalTeam()) {
        const CWorld& world = context.world;
        context.side.Append(sidefile::kTeams,
                            FormatPrintf("%d, %d, %s, %s, %s, %s\n", club.ExternalNumber(),
                                         static_cast<int>(world.ExportClubId(club.Id())),
                                         world.Country(club.Country()).Name(kEnglish).c_str(),
                                         MappedLeagueName(world, club).c_str(),
                                         std::string(club.Name(kEnglish)).c_str(),
                                         std::string(club.Cities()[kEnglish].View()).c_str()));
    }
}

void WriteClubFields(SExportContext& context, const CClub& club) {
    CBinaryWriter& out = context.out;
    const CWorld& world = context.world;
    out.U32(world.ExportClubId(club.Id()));
    out.I32(club.ExternalNumber());
    WriteTexts(context, club.Names());
    WriteTexts(context, club.AlternativeNames());
    WriteTexts(context, club.Abbreviations());
    WriteTexts(context, club.AlternativeAbbreviations());
    WriteTexts(context, club.NameCodes());
    WriteTexts(context, club.Cities());
    WriteTexts(context, club.StadiumNames());
    for (int which = 0; which < 3; ++which) {
        for (int language = 0; language < kLanguageCount; ++language) {
            out.U8(club.ArticleChoice(which, language));
        }
    }
    for (int list = 0; list < 2; ++list) {
        for (int language = 0; language < kLanguageCount; ++language) {
            out.U8(club.SentenceChoice(list, language));
        }
    }
    out.String(club.FansName().View());
    out.String(club.SecondFansName().View());
    out.String(club.Mascot().View());
    out.U32(world.ExportClubId(club.FanFriendship()));
    for (std::uint32_t rival : club.Rivals()) {
        out.U32(world.ExportClubId(rival));
    }
    out.U16(static_cast<std::uint16_t>(club.FoundingYear()));
    out.U16(club.StatusFlags());
    out.I32(club.InitialAssets());
    out.I32(club.CreditLine());
    out.U8(club.PublicCompany());
    out.U8(club.ByteFlag());
    out.U8(club.PointsDeduction());
    out.I32(club.BiggestMatchAttendance());
    out.I32(club.AverageAttendance());
    out.I32(club.SeasonTickets());
    for (std::int32_t value : club.Statistics()) {
        out.I32(value);
    }
    for (int record = 0; record < CClub::kRecordCount; ++record) {
        WriteRecordResult(context, club.RecordResult(record),
                          record == CClub::kHomeWin || record == CClub::kAwayWin);
    }
    out.String(club.BadgePath().View());
    out.U8(club.Colour(0));
    out.U8(club.Colour(1));
    out.U8(club.ColourStyle());
    for (int kit = 0; kit < CClubKit::kKitCount; ++kit) {
        const CClubKit::SKit& values = club.Kit().Kit(kit);
        out.U8(values.design);
        out.U8(values.secondStyle);
        out.U8(values.thirdStyle);
        out.Raw(values.colours);
    }
    out.I32(club.Kit().SharedValue());
    out.I32(club.StadiumNumber());
    out.I32(club.StadiumCapacity());
    out.U8(club.StadiumType());
    out.U8(club.StadiumFlags());
    out.Raw(club.Surroundings());
    out.I32(club.Latitude());
    out.I32(club.Longitude());
    out.U8(club.Prestige());
    out.U8(club.SecondPrestige());
    out.U8(club.PreferredCountry(0));
    out.U8(club.PreferredCountry(1));
    out.U8(club.YouthCountry());
}

}  // namespace

void WriteClubRecord(SExportContext& context, const CClub& club) {
    AppendClubLines(context, club);
    WriteClubFields(context, club);
    std::vector<CPlayer*> players;
    std::vector<CPlayer*> staff;
    for (std::uint32_t id : club.PersonIds()) {
        if (CPlayer* person = context.world.Person(id)) {
            (person->IsPlayer() ? players : staff).push_back(person);
        }
    }
    context.out.U32(static_cast<std::uint32_t>(players.size()));
    for (CPlayer* player : players) {
        WritePlayerRecord(context, *player);
    }
    context.out.U32(static_cast<std::uint32_t>(staff.size()));
    for (CPlayer* member : staff) {
        WriteClubStaffRecord(context, *member, club.Country());
    }
}

}  // namespace kw
