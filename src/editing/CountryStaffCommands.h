#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CDatabaseDocument;
class CManager;
class CStaffEntry;
class CWorld;

// The page "Sonstige Trainer/Manager": the country's coaches and staff without a club, kept in
// two records of the country file: the further managers (ADDMANAGER, `CManager`s in the world's
// manager registry, a coach's training values, languages and experience) and the staff pool
// (STAFFS, `CStaffEntry`s with a job and two grades). Each command is one undoable edit of the
// country. Nothing else in the database refers to either record, so deleting one removes only it.

// The staff pool's jobs, 0 "keine" to 16 "Fanbeauftragter".
inline constexpr int kStaffJobCount = 17;
// The job's name (Windows-1252); empty outside 0..16.
std::string_view StaffJobName(int job);

enum class ECountryStaffRecord { kManager, kStaffEntry };

// One listed person: a further manager by its id, or a staff pool entry by its position.
struct SCountryStaffRef {
    ECountryStaffRecord record = ECountryStaffRecord::kManager;
    std::uint32_t key = 0;

    friend bool operator==(const SCountryStaffRef&, const SCountryStaffRef&) = default;
};

struct SCountryStaffRow {
    SCountryStaffRef ref;
    // The short name, a tab and the role (Windows-1252): "Trainer" for a further manager, the
    // job's name for a staff pool entry.
    std::string text;
};

// The further managers in id order (the order the file keeps), then the staff pool in its order;
// none for a country outside 1..206.
std::vector<SCountryStaffRow> CountryStaffRows(const CWorld& world, int country);

// What "Neuer Trainer" starts from: an empty manager of the country's nationality, its mother
// tongue and first foreign language the country's first and second language.
CManager BlankCountryManager(const CWorld& world, int country);

// "Neuer Trainer" / "Neuer Mitarbeiter": the record joins the country (the manager under a new id
// of the registry, the staff entry at the end of the pool). Returns what now refers to it;
// nothing for a record without surname (the list would show an empty row) or a country outside
// 1..206.
std::optional<SCountryStaffRef> AddCountryManager(CDatabaseDocument& document, int country,
                                                  const CManager& manager);
std::optional<SCountryStaffRef> AddCountryStaffEntry(CDatabaseDocument& document, int country,
                                                     const CStaffEntry& entry);
// "Ändern": the referred record becomes the given one. Nothing recorded for a missing record, one
// without surname or an unchanged one.
bool ReplaceCountryManager(CDatabaseDocument& document, int country, std::uint32_t managerId,
                           const CManager& manager);
bool ReplaceCountryStaffEntry(CDatabaseDocument& document, int country, std::size_t index,
                              const CStaffEntry& entry);
// "Löschen": the manager leaves the country and the registry; the staff entry leaves the pool
// (the entries after it move up).
bool DeleteCountryStaff(CDatabaseDocument& document, int country, const SCountryStaffRef& ref);

}  // namespace kw
