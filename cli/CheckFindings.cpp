#include "CheckFindings.h"

#include <cstdio>
#include <string>

#include "assets/GlobalTools.h"
#include "model/World.h"
#include "platform/Cp1252.h"

namespace kwtool {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kTargetKeys[] = {"none",    "clubEditor", "squad",
                                       "country", "calendar",   "fixtures"};
constexpr const char* kPageKeys[] = {"general", "leagueSystem", "cups", "youth"};

std::string CountryName(const kw::CWorld& world, int number) {
    if (number < 1 || number > kw::kCountryCount) {
        return {};
    }
    return kw::Cp1252ToUtf8(world.Country(number).Name(kw::kDefaultLanguage));
}

const char* SeverityKey(kw::ESeverity severity) {
    return severity == kw::ESeverity::kError ? "error" : "warning";
}

Json TargetJson(const kw::SFindingTarget& target) {
    Json json{{"window", kTargetKeys[static_cast<int>(target.kind)]}};
    if (target.kind == kw::ETargetKind::kNone) {
        return json;
    }
    json["country"] = target.country;
    if (target.club != 0) {
        json["club"] = target.club;
    }
    if (target.kind == kw::ETargetKind::kCountryWindow) {
        json["page"] = kPageKeys[static_cast<int>(target.page)];
    }
    if (target.league != 0) {
        json["league"] = target.league;
    }
    return json;
}

}  // namespace

SToolValidation ValidateForTool(const kw::CWorld& world,
                                const std::optional<std::filesystem::path>& installation) {
    SToolValidation validation;
    kw::CGlobalTools tools;
    if (installation) {
        tools.Init(*installation);
    } else {
        validation.skipped = {"cups", "completeness", "calendarOverlaps"};
    }
    const bool badges = installation && (tools.BadgeArchive().IsOpen() ||
                                         std::filesystem::is_directory(tools.BadgeDirectory()));
    if (!badges) {
        validation.skipped.emplace_back("badges");
    }
    validation.result = kw::ValidateDatabase(
        world, kw::kDefaultLanguage, badges ? &tools : nullptr, nullptr,
        installation ? kw::ECheckBasis::kInstallation : kw::ECheckBasis::kDatabaseOnly);
    return validation;
}

void PrintSkippedChecks(const SToolValidation& validation) {
    if (validation.skipped.empty()) {
        return;
    }
    std::string keys;
    for (const std::string& key : validation.skipped) {
        keys += (keys.empty() ? "" : ", ") + key;
    }
    std::printf("skipped, as they need the installation or its badges (--install): %s\n",
                keys.c_str());
}

void AddFindingsJson(const kw::CWorld& world, const kw::SValidationResult& result, Json& output) {
    Json findings = Json::array();
    for (const kw::SFinding& finding : result.findings) {
        findings.push_back(Json{{"severity", SeverityKey(finding.severity)},
                                {"country", finding.country},
                                {"countryName", CountryName(world, finding.country)},
                                {"kind", std::string(kw::FindingKindKey(finding.kind))},
                                {"text", kw::Cp1252ToUtf8(finding.text)},
                                {"target", TargetJson(finding.target)}});
    }
    const kw::SFindingCounts counts = kw::CountFindings(result.findings);
    Json perCountry = Json::array();
    for (int country = 0; country <= kw::kCountryCount; ++country) {
        Json kinds = Json::object();
        for (int kind = 0; kind < kw::kFindingKindCount; ++kind) {
            const auto which = static_cast<kw::EFindingKind>(kind);
            if (const int count = counts.Count(country, which); count > 0) {
                kinds[std::string(kw::FindingKindKey(which))] = count;
            }
        }
        if (!kinds.empty()) {
            perCountry.push_back(Json{{"country", country},
                                      {"countryName", CountryName(world, country)},
                                      {"kinds", std::move(kinds)}});
        }
    }
    output["findings"] = std::move(findings);
    output["findingCounts"] =
        Json{{"errors", counts.errors}, {"warnings", counts.warnings}, {"countries", perCountry}};
}

void PrintFindings(const kw::CWorld& world, const kw::SValidationResult& result) {
    for (const kw::SFinding& finding : result.findings) {
        std::printf("%-7s %3d %s [%s] %s\n", SeverityKey(finding.severity), finding.country,
                    CountryName(world, finding.country).c_str(),
                    std::string(kw::FindingKindKey(finding.kind)).c_str(),
                    kw::Cp1252ToUtf8(finding.text).c_str());
    }
    const kw::SFindingCounts counts = kw::CountFindings(result.findings);
    std::printf("%d errors, %d warnings\n", counts.errors, counts.warnings);
}

int FindingsExitCode(const kw::SValidationResult& result) {
    return kw::CountFindings(result.findings).errors > 0 ? 1 : 0;
}

}  // namespace kwtool
