#include "exports/master/CompetitionRecords.h"

#include <set>
#include <string>

#include "competition/CompetitionList.h"
#include "competition/Cup.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "competition/Round.h"
#include "competition/ScriptEntry.h"
#include "exports/master/BinaryWriter.h"
#include "exports/master/ExportContext.h"
#include "exports/master/SideOutputs.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

void WriteLinks(CBinaryWriter& out, const CDBCompetition::Links& links, int count) {
    out.I32(count);
    for (int i = 0; i < count; ++i) {
        out.U32(links[static_cast<std::size_t>(i)]);
    }
}

void WriteBasePart(SExportContext& context, const CDBCompetition& node) {
    CBinaryWriter& out = context.out;
    out.U8(node.BaseSetting());
    out.U8(static_cast<std::uint8_t>(node.Level()));
    WriteLinks(out, node.Sources(), node.SourceCount());
    WriteLinks(out, node.SubCompetitions(), node.SubCompetitionCount());
    WriteScriptRecords(out, context.world.Scripts(), node.ScriptStart());
}

void WriteNames(SExportContext& context, const CDBCompetition& node) {
    if (context.OneLanguage()) {
        context.out.String(node.Names().at(static_cast<std::size_t>(context.language)).View());
        return;
    }
    for (const auto& name : node.Names()) {
        context.out.String(name.View());
    }
}

void WriteFourValues(CBinaryWriter& out, const CDBCompetition& node) {
    for (std::int32_t value : node.FourValues()) {
        out.I32(value);
    }
}

// Per calendar the number of matchdays, then their days in ascending order.
void WriteCalendars(CBinaryWriter& out, const CDBCompetition& node) {
    for (int calendar = 0; calendar < CDBCompetition::kCalendarCount; ++calendar) {
        out.U16(static_cast<std::uint16_t>(node.EnteredMatchdays(calendar)));
        for (int day = 1; day < CDBCompetition::kCalendarDays; ++day) {
            if (node.CalendarValue(calendar, day) != 0) {
                out.U16(static_cast<std::uint16_t>(day));
            }
        }
    }
}

void WriteTeams(SExportContext& context, const std::vector<std::uint32_t>& teams) {
    context.out.U32(static_cast<std::uint32_t>(teams.size()));
    for (std::uint32_t team : teams) {
        context.out.U32(context.world.ExportClubId(team));
    }
}

void WriteLeague(SExportContext& context, const CDBLeague& league) {
    CBinaryWriter& out = context.out;
    WriteNames(context, league);
    out.I32(league.LeagueSize());
    WriteTeams(context, league.Teams());
    out.U8(league.SigningFlags());
    out.U32(league.LoanRules1());
    out.U32(league.LoanRules2());
    out.U8(league.Meetings());
    out.U8(league.RelegationRule());
    out.U8(league.LeagueSetting());
    out.U8(league.SpectatorMultiplier());
    out.U8(league.TransferMultiplier());
    for (std::int32_t value : league.LeadingValues()) {
        out.I32(value);
    }
    for (std::int32_t value : league.TrailingValues()) {
        out.I32(value);
    }
    WriteFourValues(out, league);
    WriteCalendars(out, league);
    const CDBFixturelist& fixtures = league.Fixtures();
    out.U8(static_cast<std::uint8_t>(fixtures.Rows()));
    out.U8(static_cast<std::uint8_t>(fixtures.Columns()));
    for (int row = 0; row < fixtures.Rows(); ++row) {
        for (int column = 0; column < fixtures.Columns(); ++column) {
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            fixtures.GetPairing(row, column, home, away);
            out.U8(home);
            out.U8(away);
        }
    }
    if (context.Has(masteroption::kLeagueMapping)) {
        context.side.Append(
            sidefile::kLeagues,
            FormatPrintf("%d,0,%s,%s\n", static_cast<int>(league.Id()),
                         context.world.Country(league.Country()).Name(kEnglish).c_str(),
                         std::string(league.Names()[kEnglish].View()).c_str()));
    }
}

void WriteCup(SExportContext& context, const CDBCup& cup) {
    CBinaryWriter& out = context.out;
    WriteNames(context, cup);
    out.U8(cup.FormatNumber());
    out.U16(cup.Setting16());
    out.I32(cup.Setting32());
    for (int round = 0; round < CDBCup::kRoundSlots; ++round) {
        for (int value = 0; value < CDBCompetition::kValueCount; ++value) {
            out.I32(cup.RoundValue(value, round));
        }
    }
    WriteFourValues(out, cup);
    WriteCalendars(out, cup);
}

void WriteRound(SExportContext& context, const CDBRound& round) {
    CBinaryWriter& out = context.out;
    WriteNames(context, round);
    out.U32(round.RoundSetting());
    out.U8(static_cast<std::uint8_t>(round.RoundName()));
    out.U32(round.ModeFlags());
    out.U32(round.StateFlags());
    WriteFourValues(out, round);
    WriteCalendars(out, round);
}

void WritePool(SExportContext& context, const CDBPool& pool) {
    CBinaryWriter& out = context.out;
    out.U16(pool.PoolSize());
    out.U16(pool.SortMode());
    out.U16(static_cast<std::uint16_t>(pool.CheckedCount()));
    out.U32Array(pool.Checked());
    WriteTeams(context, pool.Teams());
    WriteFourValues(out, pool);
}

void WriteNode(SExportContext& context, const CDBCompetition& node) {
    context.out.U32(node.Id());
    context.out.U8(static_cast<std::uint8_t>(node.Kind()));
    WriteBasePart(context, node);
    if (const auto* league = dynamic_cast<const CDBLeague*>(&node)) {
        WriteLeague(context, *league);
    } else if (const auto* cup = dynamic_cast<const CDBCup*>(&node)) {
        WriteCup(context, *cup);
    } else if (const auto* round = dynamic_cast<const CDBRound*>(&node)) {
        WriteRound(context, *round);
    } else if (const auto* pool = dynamic_cast<const CDBPool*>(&node)) {
        WritePool(context, *pool);
    }
}

void WriteTree(SExportContext& context, std::uint32_t id, std::set<std::uint32_t>& written) {
    const CDBCompetition* node = context.world.Competition(id);
    if (node == nullptr || node->Kind() == kRootKind || !written.insert(id).second) {
        return;
    }
    WriteNode(context, *node);
    for (int i = 0; i < node->SubCompetitionCount(); ++i) {
        WriteTree(context, node->SubCompetitions()[static_cast<std::size_t>(i)], written);
    }
}

}  // namespace

std::vector<SScriptEntry> ScriptRecords(const CScriptTable& scripts, int start) {
    const std::span<const SScriptEntry> list = scripts.List(start);
    std::vector<SScriptEntry> entries(list.begin(), list.end());
    const SScriptEntry* end = scripts.Entry(start + static_cast<int>(list.size()));
    entries.push_back(start >= 0 && end != nullptr && end->command == 0 ? *end : SScriptEntry{});
    return entries;
}

void WriteScriptEntry(CBinaryWriter& out, const SScriptEntry& entry) {
    out.I32(entry.command);
    out.U32(entry.competition);
    out.U32(entry.arguments);
}

void WriteScriptRecords(CBinaryWriter& out, const CScriptTable& scripts, int start) {
    for (const SScriptEntry& entry : ScriptRecords(scripts, start)) {
        WriteScriptEntry(out, entry);
    }
}

void WriteCountryCompetitions(SExportContext& context, int country) {
    std::set<std::uint32_t> written;
    for (std::uint32_t id : CountryCompetitionIds(context.world.Registry(), country)) {
        WriteTree(context, id, written);
    }
    context.out.U32(0);
    context.out.U16(0);
}

}  // namespace kw
