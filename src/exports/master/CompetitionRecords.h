#pragma once

#include <cstdint>
#include <vector>

#include "competition/ScriptEntry.h"

namespace kw {

class CDBCompetition;
class CBinaryWriter;
struct SExportContext;

// The competitions of a country's data block: the nodes its country file lists, each followed
// by the sub-competitions below it (every node once), each node as its id, its kind byte, the
// base part and the part of its class. A u32 0 and a u16 0 close the list.
void WriteCountryCompetitions(SExportContext& context, int country);

inline constexpr std::uint32_t kScriptRecordSize = 12;

// The entries of a script list up to and including its terminating entry; a list that has no
// terminator in the table ends with a zero entry.
std::vector<SScriptEntry> ScriptRecords(const CScriptTable& scripts, int start);
void WriteScriptEntry(CBinaryWriter& out, const SScriptEntry& entry);
// The entries of ScriptRecords one after the other, 12 bytes each.
void WriteScriptRecords(CBinaryWriter& out, const CScriptTable& scripts, int start);

}  // namespace kw
