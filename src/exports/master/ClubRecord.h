#pragma once

namespace kw {

class CClub;
struct SExportContext;

// The club record of a country's data block: the club's own fields, then its players and its
// staff (docs/MASTER_FILE.md gives the layout). Also appends the club's lines of the badge,
// kit, stadium, PS2 log and team mapping lists when the option word asks for them.
void WriteClubRecord(SExportContext& context, const CClub& club);

}  // namespace kw
