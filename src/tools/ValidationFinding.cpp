#include "tools/ValidationFinding.h"

#include <map>
#include <utility>

#include "model/World.h"
#include "platform/ResourceTable.h"

namespace kw {

namespace {

struct SKindNames {
    std::string_view key;
    const char* title;  // UTF-8, shown translated
};
constexpr std::array<SKindNames, kFindingKindCount> kKindNames = {{
    {"incompleteCountry", KW_RESOURCE_TEXT("kw::Validation", "Land nicht vollständig")},
    {"competition", KW_RESOURCE_TEXT("kw::Validation", "Wettbewerbsprüfung")},
    {"squad", KW_RESOURCE_TEXT("kw::Validation", "Kaderprüfung")},
    {"missingBadge", KW_RESOURCE_TEXT("kw::Validation", "Fehlende Wappen")},
    {"reference", KW_RESOURCE_TEXT("kw::Validation", "Verweise ins Leere")},
    {"fixtureList", KW_RESOURCE_TEXT("kw::Validation", "Spielplan nicht vollständig")},
    {"calendarOverlap", KW_RESOURCE_TEXT("kw::Validation", "Überschneidung mit Länderspieltagen")},
    {"cupFormat", KW_RESOURCE_TEXT("kw::Validation", "Pokalformate")},
}};

std::size_t Index(EFindingKind kind) {
    return static_cast<std::size_t>(kind);
}

}  // namespace

std::string_view FindingKindKey(EFindingKind kind) {
    return kKindNames.at(Index(kind)).key;
}

std::string_view FindingKindTitle(EFindingKind kind) {
    return ShownText("kw::Validation", kKindNames.at(Index(kind)).title);
}

int SFindingCounts::Count(int country, EFindingKind kind) const {
    if (country < 0 || country >= static_cast<int>(perCountry.size())) {
        return 0;
    }
    return perCountry[static_cast<std::size_t>(country)][Index(kind)];
}

SFindingCounts CountFindings(const std::vector<SFinding>& findings) {
    SFindingCounts counts;
    counts.perCountry.assign(static_cast<std::size_t>(kCountryCount) + 1, {});
    for (const SFinding& finding : findings) {
        (finding.severity == ESeverity::kError ? counts.errors : counts.warnings) += 1;
        if (finding.country >= 0 && finding.country <= kCountryCount) {
            ++counts.perCountry[static_cast<std::size_t>(finding.country)][Index(finding.kind)];
        }
    }
    return counts;
}

std::vector<SCountryFindings> GroupFindings(const std::vector<SFinding>& findings) {
    std::map<int, std::map<EFindingKind, std::vector<std::size_t>>> byCountry;
    for (std::size_t index = 0; index < findings.size(); ++index) {
        byCountry[findings[index].country][findings[index].kind].push_back(index);
    }
    std::vector<SCountryFindings> groups;
    for (auto& [country, byKind] : byCountry) {
        SCountryFindings& group = groups.emplace_back();
        group.country = country;
        for (auto& [kind, indexes] : byKind) {
            SFindingGroup& kindGroup = group.kinds.emplace_back();
            kindGroup.kind = kind;
            for (const std::size_t index : indexes) {
                if (findings[index].severity == ESeverity::kError) {
                    kindGroup.worst = ESeverity::kError;
                    group.worst = ESeverity::kError;
                }
            }
            group.count += indexes.size();
            kindGroup.findings = std::move(indexes);
        }
    }
    return groups;
}

}  // namespace kw
