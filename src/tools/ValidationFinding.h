// What the validation report finds in a database and where the editor can mend it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

// Error: the game or a save would suffer. Warning: the data is implausible but works.
enum class ESeverity { kError, kWarning };

enum class EFindingKind {
    kIncompleteCountry,
    kCompetition,
    kSquad,
    kMissingBadge,
    kReference,
    kFixtureList,
    kCalendarOverlap,
    kCupFormat,
};
inline constexpr int kFindingKindCount = 8;

// The window that mends a finding. Country pages are those of the country window, in its order.
enum class ETargetKind { kNone, kClubEditor, kSquad, kCountryWindow, kCalendar, kFixtures };
enum class ECountryPage { kGeneral = 0, kLeagueSystem = 1, kCups = 2, kYouth = 3 };

struct SFindingTarget {
    ETargetKind kind = ETargetKind::kNone;
    int country = 0;
    std::uint32_t club = 0;
    ECountryPage page = ECountryPage::kGeneral;
    // The league the fixture view opens on; 0 for its first.
    std::uint32_t league = 0;

    friend bool operator==(const SFindingTarget&, const SFindingTarget&) = default;
};

struct SFinding {
    ESeverity severity = ESeverity::kError;
    // 0 for findings of the whole database (cup formats, the rules).
    int country = 0;
    EFindingKind kind = EFindingKind::kIncompleteCountry;
    std::string text;  // Windows-1252, in the interface language (German without a translator)
    SFindingTarget target;
};

// The kind's key in JSON ("incompleteCountry", ...) and its heading (Windows-1252), translated
// like the findings' texts.
std::string_view FindingKindKey(EFindingKind kind);
std::string_view FindingKindTitle(EFindingKind kind);

// Findings per country and kind: rows of countries 0..206 with one count per kind.
struct SFindingCounts {
    int errors = 0;
    int warnings = 0;
    std::vector<std::array<int, kFindingKindCount>> perCountry;

    int Count(int country, EFindingKind kind) const;
};
SFindingCounts CountFindings(const std::vector<SFinding>& findings);

// The report's tree: the findings by country (0, the whole database, first), within a country by
// kind in the kinds' order, each group with its worst severity.
struct SFindingGroup {
    EFindingKind kind = EFindingKind::kIncompleteCountry;
    ESeverity worst = ESeverity::kWarning;
    std::vector<std::size_t> findings;  // indexes into the findings, in their order
};
struct SCountryFindings {
    int country = 0;
    ESeverity worst = ESeverity::kWarning;
    std::size_t count = 0;
    std::vector<SFindingGroup> kinds;
};
std::vector<SCountryFindings> GroupFindings(const std::vector<SFinding>& findings);

}  // namespace kw
