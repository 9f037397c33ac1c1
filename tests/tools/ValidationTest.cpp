#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "DemoInstallation.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "assets/GlobalTools.h"
#include "competition/League.h"
#include "editing/SeasonCalendar.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "tools/Validation.h"

namespace kw {
namespace {

constexpr int kGermany = 14;
constexpr int kEngland = 50;

class ValidationTest : public ::testing::Test {
protected:
    ValidationTest() : world(test::LoadSmallDemo()) { tools.Init(test::SmallDemoInstallation()); }

    std::vector<SFinding> Run() {
        return ValidateDatabase(*world, kDefaultLanguage, &tools, nullptr).findings;
    }

    static std::vector<SFinding> OfKind(const std::vector<SFinding>& findings, EFindingKind kind) {
        std::vector<SFinding> found;
        std::copy_if(findings.begin(), findings.end(), std::back_inserter(found),
                     [kind](const SFinding& finding) { return finding.kind == kind; });
        return found;
    }

    // The findings of the kind that the sound demo does not have.
    std::vector<SFinding> NewOfKind(EFindingKind kind) {
        std::vector<SFinding> found = OfKind(Run(), kind);
        std::erase_if(found, [this](const SFinding& finding) {
            return std::any_of(sound.begin(), sound.end(), [&finding](const SFinding& old) {
                return old.kind == finding.kind && old.country == finding.country &&
                       old.text == finding.text;
            });
        });
        return found;
    }

    CClub& FirstClub(int country) {
        for (const auto& [id, club] : world->Country(country).Clubs()) {
            if (!club->IsNationalTeam()) {
                return *club;
            }
        }
        throw std::runtime_error("no club");
    }

    CDBLeagueBase& League(int country, int index) {
        return dynamic_cast<CDBLeagueBase&>(
            *world->Competition(MakeCompetitionId(country, kLeagueType, index)));
    }

    void SetUp() override { sound = Run(); }

    std::unique_ptr<CWorld> world;
    CGlobalTools tools;
    std::vector<SFinding> sound;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(ValidationTest, SoundDemoHasNoErrorsAndCountsWhatItFinds) {
    ASSERT_TRUE(test::ReferenceFaults(*world).empty());
    const SFindingCounts counts = CountFindings(sound);
    EXPECT_EQ(counts.errors, 0);
    for (const SFinding& finding : sound) {
        EXPECT_EQ(finding.severity, ESeverity::kWarning) << finding.text;
    }
    // The complete countries are not named as incomplete; countries with clubs only are.
    for (const int complete : {kGermany, kEngland}) {
        EXPECT_EQ(counts.Count(complete, EFindingKind::kIncompleteCountry), 0);
    }
    int total = 0;
    for (int country = 0; country <= kCountryCount; ++country) {
        for (int kind = 0; kind < kFindingKindCount; ++kind) {
            total += counts.Count(country, static_cast<EFindingKind>(kind));
        }
    }
    EXPECT_EQ(total, counts.errors + counts.warnings);
    EXPECT_EQ(total, static_cast<int>(sound.size()));
    EXPECT_TRUE(
        std::is_sorted(sound.begin(), sound.end(), [](const SFinding& a, const SFinding& b) {
            return a.country != b.country ? a.country < b.country : a.kind < b.kind;
        }));
}

TEST_F(ValidationTest, SmallFirstLeagueMakesCountryIncompleteAndFailsItsCheck) {
    League(kGermany, 0).SetLeagueSize(6);
    const std::vector<SFinding> incomplete = NewOfKind(EFindingKind::kIncompleteCountry);
    ASSERT_EQ(incomplete.size(), 1u);
    EXPECT_EQ(incomplete[0].country, kGermany);
    EXPECT_EQ(incomplete[0].severity, ESeverity::kWarning);
    EXPECT_TRUE(Contains(incomplete[0].text, "erste Liga mit 6 statt mindestens 8"))
        << incomplete[0].text;
    EXPECT_EQ(incomplete[0].target.kind, ETargetKind::kCountryWindow);
    EXPECT_EQ(incomplete[0].target.page, ECountryPage::kLeagueSystem);

    const std::vector<SFinding> competition = NewOfKind(EFindingKind::kCompetition);
    ASSERT_FALSE(competition.empty());
    EXPECT_EQ(competition[0].severity, ESeverity::kError);
    EXPECT_TRUE(Contains(competition[0].text, "Nicht gen\xFCgend Vereine in der Liga!"))
        << competition[0].text;
}

TEST_F(ValidationTest, ReserveTeamInFirstLeagueIsACompetitionError) {
    CDBLeagueBase& league = League(kEngland, 0);
    std::vector<std::uint32_t> teams = league.Teams();
    ASSERT_FALSE(teams.empty());
    league.ClearTeams();
    teams[0] |= 0x01000000;
    for (const std::uint32_t team : teams) {
        league.AddTeam(team);
    }
    const std::vector<SFinding> found = NewOfKind(EFindingKind::kCompetition);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].country, kEngland);
    EXPECT_TRUE(Contains(found[0].text, "Reserveteams d\xFCrfen nicht in der Liga spielen!"));
    EXPECT_EQ(found[0].target.kind, ETargetKind::kCountryWindow);
}

TEST_F(ValidationTest, SquadFaultsPointAtTheSquadDialog) {
    CClub& club = FirstClub(kGermany);
    std::vector<std::uint32_t> players;
    for (const std::uint32_t id : club.PersonIds()) {
        if (world->Person(id)->Kind() == 0) {
            players.push_back(id);
        }
    }
    ASSERT_GE(players.size(), 2u);
    world->Person(players[0])->SetSurname("");
    // A second president in the first team.
    world->Person(players[1])->SetKind(3);
    world->Person(players[1])->SetTeamFlag(0);
    const std::vector<SFinding> found = NewOfKind(EFindingKind::kSquad);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].severity, ESeverity::kWarning);
    EXPECT_TRUE(Contains(found[0].text, std::string(ResourceString(ids::kSquadIncompleteName))));
    EXPECT_EQ(found[1].severity, ESeverity::kError);
    EXPECT_TRUE(Contains(found[1].text, std::string(ResourceString(ids::kSquadPresidents))));
    for (const SFinding& finding : found) {
        EXPECT_EQ(finding.target.kind, ETargetKind::kSquad);
        EXPECT_EQ(finding.target.club, club.Id());
        EXPECT_EQ(finding.target.country, kGermany);
    }
}

TEST_F(ValidationTest, MissingBadgeOnlyWithTheInstallationsTools) {
    CClub& club = FirstClub(kEngland);
    club.SetBadgePath("Nowhere\\Badge256\\none.tga");
    const std::vector<SFinding> found = NewOfKind(EFindingKind::kMissingBadge);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(Contains(found[0].text, "Nowhere\\Badge256\\none.tga"));
    EXPECT_EQ(found[0].target, (SFindingTarget{ETargetKind::kClubEditor, kEngland, club.Id()}));
    EXPECT_TRUE(OfKind(ValidateDatabase(*world, kDefaultLanguage, nullptr, nullptr).findings,
                       EFindingKind::kMissingBadge)
                    .empty());
}

TEST_F(ValidationTest, ReferencesToMissingClubsPersonsAndStadiums) {
    CClub& club = FirstClub(kGermany);
    club.SetFanFriendship(MakeClubId(kGermany, 999));
    club.SetStadiumNumber(static_cast<std::int32_t>(world->Country(kGermany).Stadiums().size()) +
                          5);
    std::vector<std::uint32_t> without = world->WithoutClub().Ids();
    without.push_back(0x7FFFFFF0);
    world->WithoutClub().SwapIds(without);
    const std::vector<SFinding> found = NewOfKind(EFindingKind::kReference);
    ASSERT_EQ(found.size(), 3u);
    for (const SFinding& finding : found) {
        EXPECT_EQ(finding.severity, ESeverity::kError);
    }
    EXPECT_EQ(found[0].country, 0);  // the players without club come first
    EXPECT_TRUE(Contains(found[0].text, std::to_string(0x7FFFFFF0)));
    EXPECT_EQ(found[1].target, (SFindingTarget{ETargetKind::kClubEditor, kGermany, club.Id()}));
    EXPECT_TRUE(Contains(found[2].text, "Stadion"));
}

TEST_F(ValidationTest, IncompleteFixtureListOpensTheFixtureViewOnItsLeague) {
    auto& league = dynamic_cast<CDBLeague&>(League(kGermany, 1));
    ASSERT_GT(league.Fixtures().Rows(), 0);
    league.Fixtures().SetPairing(0, 0, 0, 0);
    const std::vector<SFinding> found = NewOfKind(EFindingKind::kFixtureList);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].severity, ESeverity::kError);
    EXPECT_EQ(found[0].target.kind, ETargetKind::kFixtures);
    EXPECT_EQ(found[0].target.league, league.Id());
    // The competition check's own finding leaves the fixture fault to this kind.
    EXPECT_TRUE(NewOfKind(EFindingKind::kCompetition).empty());
}

TEST_F(ValidationTest, FirstLeagueMatchdayOnNationalTeamDayOverlaps) {
    CDBCompetition& league = League(kGermany, 0);
    const InternationalDayTable days = MergedInternationalDays(
        world->InternationalDays(), world->Country(kGermany).Continent(), 0);
    const auto national = std::find(days.begin() + 1, days.end(), kNationalTeamDay);
    ASSERT_NE(national, days.end());
    const int day = static_cast<int>(national - days.begin());
    if (league.CalendarValue(0, day) == 0) {
        ASSERT_TRUE(league.RemoveMatchday(0, league.DayOfMatchday(0, 0)));
        ASSERT_TRUE(league.AddMatchday(0, day));
    }
    const std::vector<SFinding> found = NewOfKind(EFindingKind::kCalendarOverlap);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].severity, ESeverity::kWarning);
    EXPECT_TRUE(Contains(found[0].text, "2006/2007")) << found[0].text;
    EXPECT_EQ(found[0].target, (SFindingTarget{ETargetKind::kCalendar, kGermany}));
}

TEST_F(ValidationTest, CupFormatWithAnotherRoundCountThanItsFirstRoundStates) {
    CCupFormat format = *world->CupFormats().Format(1);
    ASSERT_TRUE(format.AddRound(format.Rounds().back()));
    ASSERT_TRUE(world->CupFormats().Set(200, format));
    const std::vector<SFinding> found = NewOfKind(EFindingKind::kCupFormat);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].country, 0);
    EXPECT_TRUE(Contains(found[0].text, "Pokalformat 200")) << found[0].text;
    EXPECT_EQ(found[0].target.kind, ETargetKind::kNone);
}

TEST_F(ValidationTest, WithoutTheInstallationTheCupsAreLeftOutAndTheLeaguesJudged) {
    // Read without its installation, the database lacks the cup formats its cups name.
    const test::TempDir nothing;
    CWorld bare(nothing.Path());
    bare.InitialiseCountries();
    CSilentProgress progress;
    bare.Load(test::SmallDemoDatabase(), progress);
    EXPECT_GT(
        CountFindings(ValidateDatabase(bare, kDefaultLanguage, nullptr, nullptr).findings).errors,
        0);

    dynamic_cast<CDBLeagueBase&>(*bare.Competition(MakeCompetitionId(kEngland, kLeagueType, 0)))
        .SetLeagueSize(6);
    std::vector<SFinding> errors =
        ValidateDatabase(bare, kDefaultLanguage, nullptr, nullptr, ECheckBasis::kDatabaseOnly)
            .findings;
    std::erase_if(errors,
                  [](const SFinding& finding) { return finding.severity != ESeverity::kError; });
    ASSERT_FALSE(errors.empty());
    for (const SFinding& error : errors) {
        EXPECT_EQ(error.country, kEngland);
        EXPECT_TRUE(Contains(error.text, "Nicht gen\xFCgend Vereine in der Liga!")) << error.text;
    }
}

// Stops when asked after the given number of countries.
class CStopAfter final : public CSilentProgress {
public:
    explicit CStopAfter(int countries) : m_left(countries) {}
    void SetPos(int position) override { m_last = position; }
    bool IsCancelled() const override { return m_left-- <= 0; }
    int Last() const { return m_last; }

private:
    mutable int m_left;
    int m_last = -1;
};

TEST_F(ValidationTest, CancelledRunStopsWithTheCountriesDone) {
    League(kEngland, 0).SetLeagueSize(6);
    CStopAfter stop(20);
    const SValidationResult result = ValidateDatabase(*world, kDefaultLanguage, &tools, &stop);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(stop.Last(), 19);
    // England (50) was not reached.
    for (const SFinding& finding : result.findings) {
        EXPECT_LT(finding.country, 20);
    }
    CStopAfter never(1000);
    const SValidationResult whole = ValidateDatabase(*world, kDefaultLanguage, &tools, &never);
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(never.Last(), kCountryCount + 1);
    EXPECT_GT(CountFindings(whole.findings).Count(kEngland, EFindingKind::kCompetition), 0);
}

TEST(ValidationFinding, ReportGroupsByCountryThenKindWithTheWorstSeverity) {
    using enum ESeverity;
    using enum EFindingKind;
    const std::vector<SFinding> findings = {
        {kWarning, 5, kSquad, "", {}},       {kError, 0, kCupFormat, "", {}},
        {kWarning, 5, kCompetition, "", {}}, {kError, 5, kSquad, "", {}},
        {kWarning, 3, kReference, "", {}},
    };
    // Country, worst severity and count, then per kind its worst severity and findings.
    std::string tree;
    for (const SCountryFindings& country : GroupFindings(findings)) {
        tree += std::to_string(country.country) + (country.worst == kError ? " E " : " W ") +
                std::to_string(country.count);
        for (const SFindingGroup& kind : country.kinds) {
            tree += std::string(" | ") + std::string(FindingKindKey(kind.kind)) +
                    (kind.worst == kError ? " E" : " W");
            for (const std::size_t index : kind.findings) {
                tree += " " + std::to_string(index);
            }
        }
        tree += "\n";
    }
    EXPECT_EQ(tree,
              "0 E 1 | cupFormat E 1\n"
              "3 W 1 | reference W 4\n"
              "5 E 3 | competition W 2 | squad E 0 3\n");
}

}  // namespace
}  // namespace kw
