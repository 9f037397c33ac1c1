#include "tools/Validation.h"

#include <algorithm>

#include "competition/League.h"
#include "editing/CalendarCheck.h"
#include "editing/LeagueComposition.h"
#include "editing/LeagueSystemCommands.h"
#include "editing/SeasonCalendar.h"
#include "editing/SquadRules.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "reports/BadgeCheck.h"
#include "reports/WorldStatistics.h"
#include "tools/ValidationReferences.h"

namespace kw {

namespace {

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) {
            text += separator;
        }
        text += part;
    }
    return text;
}

// Play-offs and pools may carry no name: the id tells them apart then.
std::string NodeName(const CDBCompetition& node, int language) {
    std::string name = LeagueName(node, language);
    return name.empty() ? FormatPrintf("%08X", node.Id()) : name;
}

bool HasContent(const CWorld& world, int country) {
    return world.Country(country).ClubCount() > 0 ||
           world.Competition(MakeCompetitionId(country, kLeagueType, 0)) != nullptr ||
           world.Competition(MakeCompetitionId(country, kFaCupType, 0)) != nullptr;
}

class CCountryValidation {
public:
    CCountryValidation(const CWorld& world, int country, int language, ECheckBasis basis,
                       std::vector<SFinding>& findings)
        : m_world(world),
          m_country(world.Country(country)),
          m_language(language),
          m_basis(basis),
          m_findings(findings) {}

    void Run() {
        Completeness();
        Competitions();
        if (m_basis == ECheckBasis::kInstallation) {
            CalendarOverlaps();
        }
        Squads();
        FindCountryReferenceFaults(m_world, m_country.Number(), m_language, m_findings);
    }

private:
    SFindingTarget Target(ETargetKind kind, ECountryPage page = ECountryPage::kGeneral,
                          std::uint32_t league = 0) const {
        return {kind, m_country.Number(), 0, page, league};
    }

    void Add(ESeverity severity, EFindingKind kind, std::string text,
             const SFindingTarget& target) {
        m_findings.push_back({severity, m_country.Number(), kind, std::move(text), target});
    }

    // Why the game will not offer the country; the faults themselves are listed per competition.
    void Completeness() {
        if (m_country.IsComplete()) {
            return;
        }
        std::vector<std::string> reasons;
        ECountryPage page = ECountryPage::kLeagueSystem;
        if (m_country.ClubCount() + 1 < CCountry::kCompleteClubEntries) {
            reasons.push_back(FormatPrintf(
                ShownText("kw::Validation", "nur %d Vereine, mindestens %d nötig").data(),
                m_country.ClubCount(), CCountry::kCompleteClubEntries - 1));
        }
        const auto* top = dynamic_cast<const CDBLeagueBase*>(
            m_world.Competition(MakeCompetitionId(m_country.Number(), kLeagueType, 0)));
        if (top == nullptr) {
            reasons.emplace_back(ShownText("kw::Validation", "keine erste Liga"));
        } else if (top->LeagueSize() < CCountry::kCompleteTopLeagueSize) {
            reasons.push_back(FormatPrintf(
                ShownText("kw::Validation", "erste Liga mit %d statt mindestens %d Vereinen")
                    .data(),
                top->LeagueSize(), CCountry::kCompleteTopLeagueSize));
        }
        if (reasons.empty()) {
            // The competition check counts the cups, which only the installation can judge.
            if (m_basis == ECheckBasis::kDatabaseOnly) {
                return;
            }
            reasons.emplace_back(ShownText("kw::Validation", "Wettbewerbsprüfung meldet Fehler"));
        }
        Add(ESeverity::kWarning, EFindingKind::kIncompleteCountry,
            FormatPrintf(ShownText("kw::Validation", "Im Spiel nicht wählbar: %s").data(),
                         Joined(reasons, "; ").c_str()),
            Target(ETargetKind::kCountryWindow, page));
    }

    // The competition check of both calendars; an incomplete fixture list is a kind of its own,
    // mended in the fixture view.
    void Competitions() {
        for (const SCompetitionCheck& check : CheckCountry(m_country).competitions) {
            const CDBCompetition& node = *m_world.Competition(check.id);
            if (m_basis == ECheckBasis::kDatabaseOnly && CheckNeedsInstallation(node)) {
                continue;
            }
            const std::uint32_t faults = check.faults[0] | check.faults[1];
            const std::string name = NodeName(node, m_language);
            if ((faults & kFaultFixtureIncomplete) != 0) {
                Add(ESeverity::kError, EFindingKind::kFixtureList,
                    name + ": " + CompetitionFaultTexts(kFaultFixtureIncomplete).front(),
                    Target(ETargetKind::kFixtures, ECountryPage::kGeneral, check.id));
            }
            const std::uint32_t others = faults & ~kFaultFixtureIncomplete;
            if (others == 0) {
                continue;
            }
            SFindingTarget target =
                Target(ETargetKind::kCountryWindow,
                       node.Kind() == kCupKind ? ECountryPage::kCups : ECountryPage::kLeagueSystem);
            if (others == kFaultMatchdayCount && node.Kind() != kCupKind) {
                target = Target(ETargetKind::kCalendar);
            }
            Add(ESeverity::kError, EFindingKind::kCompetition,
                name + ": " + Joined(CompetitionFaultTexts(others), " "), target);
        }
    }

    // The first leagues' matchdays on or next to national-team days, as the calendar check
    // looks at them.
    void CalendarOverlaps() {
        const std::vector<SCalendarColumn> columns =
            CalendarColumns(m_world, m_country.Number(), m_language);
        for (int calendar = 0; calendar < kCalendarViewCount; ++calendar) {
            const InternationalDayTable international = MergedInternationalDays(
                m_world.InternationalDays(), m_country.Continent(), calendar);
            for (const SCalendarColumn& column : columns) {
                if (column.league && column.level == 0 &&
                    OverlapsInternationalDays(*m_world.Competition(column.competitionId), calendar,
                                              international)) {
                    Add(ESeverity::kWarning, EFindingKind::kCalendarOverlap,
                        FormatPrintf(ShownText("kw::Validation",
                                               "%s (%s): Spieltag überlappt mit "
                                               "internationalem Spieltag.")
                                         .data(),
                                     column.name.c_str(), SeasonLabel(calendar).c_str()),
                        Target(ETargetKind::kCalendar));
                }
            }
        }
    }

    // "Es darf nur ein ..." is a rule the game relies on; a short squad or a name without first
    // name is only implausible.
    void Squads() {
        for (const auto& [id, club] : m_country.Clubs()) {
            if (club->IsNationalTeam()) {
                continue;
            }
            const std::string name(club->Name(m_language));
            for (const int message : CheckSquad(*club)) {
                const bool plausibility =
                    message == ids::kSquadFewPlayers || message == ids::kSquadIncompleteName;
                Add(plausibility ? ESeverity::kWarning : ESeverity::kError, EFindingKind::kSquad,
                    name + ": " + std::string(ResourceString(message)),
                    {ETargetKind::kSquad, m_country.Number(), id});
            }
        }
    }

    const CWorld& m_world;
    const CCountry& m_country;
    int m_language;
    ECheckBasis m_basis;
    std::vector<SFinding>& m_findings;
};

void FindMissingBadges(const CWorld& world, const CGlobalTools& tools, int language,
                       std::vector<SFinding>& findings) {
    for (const std::uint32_t id : ClubsWithMissingBadge(world, tools)) {
        const int country = ClubCountry(id);
        findings.push_back({ESeverity::kWarning,
                            country,
                            EFindingKind::kMissingBadge,
                            MissingBadgeMessage(*world.Country(country).Club(id), language),
                            {ETargetKind::kClubEditor, country, id}});
    }
}

// The master file takes a cup's count of round records from its first round.
void FindCupFormatMismatches(const CWorld& world, std::vector<SFinding>& findings) {
    for (const SRoundCountMismatch& mismatch : RoundCountMismatches(world.CupFormats())) {
        const std::string name(world.CupFormats().Format(mismatch.number)->Name().View());
        findings.push_back(
            {ESeverity::kWarning, 0, EFindingKind::kCupFormat,
             FormatPrintf(ShownText("kw::Validation",
                                    "Pokalformat %d %s: erste Runde nennt %d Runden, es hat %d")
                              .data(),
                          mismatch.number, name.c_str(), mismatch.stated, mismatch.rounds),
             SFindingTarget{}});
    }
}

}  // namespace

bool CheckNeedsInstallation(const CDBCompetition& node) {
    return node.Kind() == kCupKind;
}

SValidationResult ValidateDatabase(const CWorld& world, int language, const CGlobalTools* tools,
                                   IProgress* progress, ECheckBasis basis) {
    SValidationResult result;
    if (progress != nullptr) {
        progress->SetRange(0, kCountryCount + 1);
    }
    for (int country = 1; country <= kCountryCount; ++country) {
        if (progress != nullptr) {
            if (progress->IsCancelled()) {
                result.cancelled = true;
                return result;
            }
            progress->SetPos(country - 1);
        }
        if (HasContent(world, country)) {
            CCountryValidation(world, country, language, basis, result.findings).Run();
        }
    }
    if (tools != nullptr) {
        FindMissingBadges(world, *tools, language, result.findings);
    }
    FindCupFormatMismatches(world, result.findings);
    FindWorldReferenceFaults(world, result.findings);
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [](const SFinding& a, const SFinding& b) {
                         return a.country != b.country ? a.country < b.country : a.kind < b.kind;
                     });
    if (progress != nullptr) {
        progress->SetPos(kCountryCount + 1);
    }
    return result;
}

}  // namespace kw
