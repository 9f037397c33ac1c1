#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/DumpIdentities.h"
#include "tools/RecordFields.h"

namespace kw {

class CWorld;

// A change package: what one database changed against another, as a versioned JSON text that
// another user applies to his own database (format in docs/CHANGE_PACKAGES.md). Records are named
// by their identity in the old database (tools/DumpIdentities.h), added ones by their identity in
// the new one; values are whole, as the JSON dump holds them, with club references as the clubs'
// identities in the new database.

inline constexpr std::string_view kChangePackageFormat = "kickwerk-change-package";
inline constexpr int kChangePackageVersion = 1;

enum class EChange { kField, kTransfer, kAdded, kRemoved, kUnsupported };
// The records a package names: the kinds with fields, and competitions, whose changes it only
// lists.
enum class EPackageRecord {
    kCountry,
    kClub,
    kPerson,
    kManager,
    kReferee,
    kStadium,
    kRules,
    kCompetition
};

struct SPackageChange {
    EChange change = EChange::kField;
    EPackageRecord kind = EPackageRecord::kCountry;
    // The country whose record it is; 0 for the rules and the players without club.
    int country = 0;
    // The record's identity: {"club": ...} for a club, for a person the holding club's identity
    // (null without club), "firstName", "surname", "birthDate" and, from the second person of
    // that key in his list on, "occurrence"; see the format for the others.
    DumpJson record = DumpJson::object();
    // kField: the path of the field ("abilities[3]") and its old and new value; kTransfer: the
    // person's old and new holding club (null: the players without club).
    std::string field;
    DumpJson oldValue;
    DumpJson newValue;
    // kAdded, kRemoved: every field of the record; kUnsupported: the paths that differ.
    DumpJson fields;
    // kAdded of a club: where its teams play, [{"competition", "position", "reserve"}].
    DumpJson leagues;
    // kUnsupported: "added", "removed" or "changed".
    std::string what;
};

struct SChangePackage {
    std::vector<SPackageChange> changes;
};

std::string_view ChangeKey(EChange change);
std::string_view PackageRecordKey(EPackageRecord kind);
// The kind's field table, for the kinds that have one.
std::optional<ERecordKind> FieldKindOf(EPackageRecord kind);

// The package as text: two-blank indentation, keys in a fixed order, changes in the package's
// order, so that the same package always gives the same bytes.
std::string ChangePackageText(const SChangePackage& package);

// A package read from text, or why it is refused: not JSON, cut short, another format, an
// unknown version, an unknown change, kind or field, a value that does not fit its field.
struct SPackageRead {
    std::optional<SChangePackage> package;
    std::string error;
};
SPackageRead ReadChangePackage(std::string_view text);

// Every difference between two databases as a package; `before` is the old one.
SChangePackage MakeChangePackage(const CWorld& before, const CWorld& after);

}  // namespace kw
