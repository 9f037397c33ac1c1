#include "exports/master/PersonRecords.h"

#include <algorithm>

#include "exports/master/BinaryWriter.h"
#include "exports/master/ExportContext.h"
#include "exports/master/NamePools.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/PlayerPool.h"
#include "model/RecordResult.h"
#include "model/Referee.h"
#include "model/StaffEntry.h"
#include "model/World.h"
#include "platform/Random.h"

namespace kw {

namespace {

// The nationality that has bit 0 of contract byte 4 set in the game's file.
constexpr int kMarkedNationality = 34;
constexpr std::uint8_t kRoleCodeReplacement = 15;
// In the clubs of this country a manager (kind 2) is written as kind 15.
constexpr int kManagerAsStaffCountry = 14;

std::uint8_t NationalityLanguage(const CWorld& world, const CPlayer& person) {
    return world.Country(ValidCountry(person.Nationality())).FirstAttribute();
}

void WriteDate(CBinaryWriter& out, CDate date) {
    out.I32(date.Value());
}

void WriteClubReference(SExportContext& context, std::uint32_t club) {
    context.out.U32(context.world.ExportClubId(club));
}

// National-team byte 2 stands for the length of the period between the two further dates when
// it is not set.
std::uint8_t NationalPeriodByte(const CPlayer& player) {
    const std::uint8_t value = player.NationalTeamBytes()[1];
    if (value != 0) {
        return value;
    }
    const std::int32_t days = player.FurtherDates()[1].Value() - player.FurtherDates()[0].Value();
    return days < 61 ? 20 : days < 121 ? 21 : 19;
}

void WriteContractPart(SExportContext& context, const CPlayer& player, std::uint8_t contract4) {
    CBinaryWriter& out = context.out;
    if ((contract4 & 0x04) != 0) {
        out.U8(NationalPeriodByte(player));
        WriteDate(out, player.FurtherDates()[0]);
        if (!context.OneLanguage()) {
            WriteDate(out, player.FurtherDates()[1]);
        }
    } else if ((contract4 & 0x08) != 0) {
        WriteDate(out, player.ContractStart());
        if (!context.OneLanguage()) {
            out.U8(player.NationalTeamBytes()[0]);
        }
    } else if ((contract4 & 0x10) != 0) {
        WriteDate(out, player.ContractStart());
    } else if ((contract4 & 0x20) != 0) {
        WriteClubReference(context, player.LoanClub());
        WriteDate(out, player.ContractStart());
        WriteDate(out, player.ContractEnd());
    }
}

}  // namespace

void WritePlayerRecord(SExportContext& context, CPlayer& player) {
    CBinaryWriter& out = context.out;
    std::uint8_t group = player.Languages()[0];
    if (group == 0) {
        group = NationalityLanguage(context.world, player);
    }
    if (group >= CNamePools::kGroupCount) {
        group = NationalityLanguage(context.world, player);
        player.SetLanguage(0, group);
    }
    out.U8(group);
    out.U16(context.names.Add(group, namekind::kMaleFirst, player.FirstName().View()));
    out.U16(context.names.Add(group, namekind::kSurname, player.Surname().View()));
    out.U16(context.names.Add(group, namekind::kStageName, player.StageName().View()));
    out.U16(context.names.Add(group, namekind::kNickname, player.Nickname().View()));
    out.U8(static_cast<std::uint8_t>(player.Kind()));
    out.U8(static_cast<std::uint8_t>(player.TeamFlag()));
    out.I32(player.SpecialFace());
    out.I32(player.SecondExternalNumber());
    out.U8(player.Nationality());
    WriteDate(out, player.BirthDate());
    out.U8(player.SecondNationality());
    out.U8(player.OriginByte());
    out.U8(player.FootAndForm());
    out.Raw(player.Positions());
    out.U8(player.YouthFlag());
    out.Raw(player.Abilities());
    if (player.RoleCode() >= kRoleCodeLimit) {
        player.SetRoleCode(kRoleCodeReplacement);
    }
    out.U8(player.RoleCode());
    out.U8(player.Morale());
    out.I32(player.TacticalTraining());
    out.Raw(player.Looks());
    out.U8(static_cast<std::uint8_t>(player.ShoeType() | (player.Sleeves() != 0 ? 0x80 : 0)));
    out.U8(player.StatusByte());
    out.U8(static_cast<std::uint8_t>(player.NationalExperience()));
    out.U8(static_cast<std::uint8_t>(player.InternationalExperience()));
    out.Raw(player.ShirtNumbers());
    WriteClubReference(context, player.CurrentClub());
    WriteClubReference(context, player.PreviousClub());
    out.U16(player.ClubSince());
    out.U16(player.ContractUntil());
    for (std::int32_t counter : player.CareerCounters()) {
        out.I32(counter);
    }
    out.Raw(player.FurtherCounters());
    out.U8(player.ContractBytes()[2]);
    std::uint8_t contract4 = player.ContractBytes()[3];
    if (player.Nationality() == kMarkedNationality) {
        contract4 |= 0x01;
    }
    out.U8(contract4);
    WriteContractPart(context, player, contract4);
    WriteClubReference(context, player.FirstClub());
    WriteClubReference(context, player.ExportClub());
    out.U8(player.ExportByte());
    out.Raw(std::span(player.Languages()).first(3));
    for (const SHistoryEntry& entry : player.History()) {
        out.U8(entry.kind);
        out.U32(entry.club);
        WriteDate(out, entry.from);
        WriteDate(out, entry.until);
        out.U16(entry.games);
        out.U16(entry.goals);
        out.U8(entry.flag != 0 ? 1 : 0);
    }
    out.U8(kHistoryEnd);
}

void WriteClubStaffRecord(SExportContext& context, CPlayer& staff, int clubCountry) {
    CBinaryWriter& out = context.out;
    std::uint8_t code = staff.Languages()[0];
    if (code == 0) {
        code = NationalityLanguage(context.world, staff);
    }
    const int group = code & 0x7F;
    if ((staff.OriginByte() & 0x04) == 0) {
        code |= 0x80;
    }
    out.U8(code);
    out.U16(context.names.Add(group, namekind::kMaleFirst, staff.FirstName().View()));
    out.U16(context.names.Add(group, namekind::kSurname, staff.Surname().View()));
    int kind = staff.Kind();
    if (clubCountry == kManagerAsStaffCountry && kind == 2) {
        kind = 15;
    }
    out.U8(static_cast<std::uint8_t>(kind));
    if (kind == 1 || kind == 2) {
        out.Raw(staff.LanguageLevels());
        out.Raw(staff.Languages());
        WriteClubReference(context, staff.FirstClub());
        WriteClubReference(context, staff.ExportClub());
        out.I32(staff.ContractValue());
        out.U8(staff.ContractBytes()[0]);
    } else if (kind == 3) {
        out.U8(staff.ContractBytes()[1] & 0x07);
    } else if (kind >= 4 && kind <= 18) {
        out.U8(static_cast<std::uint8_t>(staff.StaffBytes()[0] * 16 + staff.StaffBytes()[1]));
        const auto drawn = static_cast<std::uint8_t>(context.world.Random().Next() % 8);
        staff.SetStaffByte(2, drawn);
        out.U8(drawn);
        out.U8(staff.ContractBytes()[0]);
    }
}

void WriteRecordResult(SExportContext& context, const CRecordResult& record, bool win) {
    CBinaryWriter& out = context.out;
    if (context.OneLanguage()) {
        out.U8(0);
        out.U8(0);
        out.U32(0);
        out.String("");
        out.U16(0);
        return;
    }
    const std::int8_t larger = std::max(record.GoalsFor(), record.GoalsAgainst());
    const std::int8_t smaller = std::min(record.GoalsFor(), record.GoalsAgainst());
    out.U8(static_cast<std::uint8_t>(win ? larger : smaller));
    out.U8(static_cast<std::uint8_t>(win ? smaller : larger));
    out.I32(record.Attendance());
    out.String(record.Opponent().View().substr(0, 21));
    out.U16(record.Season());
}

void WriteRefereeRecord(SExportContext& context, const CReferee& referee) {
    constexpr int kGroup = 0;
    context.out.U8(kGroup);
    context.out.U16(context.names.Add(kGroup, namekind::kMaleFirst, referee.FirstName().View()));
    context.out.U16(context.names.Add(kGroup, namekind::kSurname, referee.Surname().View()));
    context.out.U8(static_cast<std::uint8_t>(referee.Character()));
}

void WriteCountryStaffRecord(SExportContext& context, const CStaffEntry& staff) {
    constexpr int kGroup = 1;
    constexpr std::uint8_t kMaxJob = 13;
    constexpr std::uint8_t kMaxGrade = 4;
    CBinaryWriter& out = context.out;
    out.U8(kGroup);
    out.U16(context.names.Add(kGroup, namekind::kMaleFirst, staff.FirstName().View()));
    out.U16(context.names.Add(kGroup, namekind::kSurname, staff.Surname().View()));
    out.U8(std::min(staff.Job(), kMaxJob));
    out.U8(static_cast<std::uint8_t>(std::min(staff.GradeA(), kMaxGrade) * 16 +
                                     std::min(staff.GradeB(), kMaxGrade)));
    out.Raw(staff.FurtherBytes());
}

void WritePoolEntryRecord(SExportContext& context, const CPoolEntry& entry, int group) {
    CBinaryWriter& out = context.out;
    out.U8(static_cast<std::uint8_t>(group));
    out.U16(context.names.Add(group, namekind::kMaleFirst, entry.FirstName().View()));
    out.U16(context.names.Add(group, namekind::kSurname, entry.Surname().View()));
    out.U16(context.names.Add(group, namekind::kNickname, entry.ThirdName().View()));
    out.U8(entry.Nationality());
    out.U8(entry.TeamPart());
    out.U32(entry.PreferredClub());
}

}  // namespace kw
