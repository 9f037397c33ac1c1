// kwtool check's findings: the validation report of the editor, as text lines or JSON.
#pragma once

#include <nlohmann/json.hpp>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tools/Validation.h"

namespace kwtool {

struct SToolValidation {
    kw::SValidationResult result;
    // The keys of the checks left out: "cups", "completeness" and "calendarOverlaps" without an
    // installation, "badges" when it has none.
    std::vector<std::string> skipped;
};

// The report over the world, judged against the installation (kw::ECheckBasis). Badges are
// looked for when the installation has any (a badge folder or "badges.big"), since without them
// every badge would count as missing.
SToolValidation ValidateForTool(const kw::CWorld& world,
                                const std::optional<std::filesystem::path>& installation);
// "skipped, as they need the installation or its badges (--install): <keys>" when checks were
// left out.
void PrintSkippedChecks(const SToolValidation& validation);

// "findings" (each with severity, country, kind, text and the window that mends it) and
// "findingCounts" (errors, warnings, and per country the count of each kind found).
void AddFindingsJson(const kw::CWorld& world, const kw::SValidationResult& result,
                     nlohmann::ordered_json& output);
// One line per finding ("error 14 Deutschland [squad] ..."), then "<n> errors, <m> warnings".
void PrintFindings(const kw::CWorld& world, const kw::SValidationResult& result);

// 0 without errors, 1 with errors.
int FindingsExitCode(const kw::SValidationResult& result);

}  // namespace kwtool
