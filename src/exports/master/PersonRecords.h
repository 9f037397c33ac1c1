#pragma once

#include <cstdint>

namespace kw {

class CPlayer;
class CPoolEntry;
class CRecordResult;
class CReferee;
class CStaffEntry;
struct SExportContext;

// The binary records of persons and small values in a country's data block. Names become 16-bit
// indexes into the name tables of the group the record writes in front of them.

// A player (person kind 0). Stores back a language code of 128 or more (replaced by the
// nationality's language) and a role code of 22 or more (replaced by 15).
void WritePlayerRecord(SExportContext& context, CPlayer& player);
// A club staff member (person kind not 0) of a club of `clubCountry`. Draws staff byte 3 anew.
void WriteClubStaffRecord(SExportContext& context, CPlayer& staff, int clubCountry);
// Record results: the larger goal number first for a win record, the smaller first otherwise.
void WriteRecordResult(SExportContext& context, const CRecordResult& record, bool win);
void WriteRefereeRecord(SExportContext& context, const CReferee& referee);
void WriteCountryStaffRecord(SExportContext& context, const CStaffEntry& staff);
// A used pool entry of a country whose first spoken language is `group`.
void WritePoolEntryRecord(SExportContext& context, const CPoolEntry& entry, int group);

// Players whose role code reaches this are written (and kept) as role 15.
inline constexpr std::uint8_t kRoleCodeLimit = 22;
// History entries end with this byte.
inline constexpr std::uint8_t kHistoryEnd = 255;

}  // namespace kw
