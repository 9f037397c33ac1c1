// The league system and its calendar, the country's lists, its national team, the rules and the
// country window with what its pages open; all on country 14 of the demo.
#include <QTabWidget>
#include <QTreeWidget>

#include <functional>
#include <stdexcept>

#include "Scene.h"
#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "editing/CountryStaffCommands.h"
#include "editing/LeagueDataEdit.h"
#include "editing/PlayerHistoryRules.h"
#include "editing/SeasonCalendar.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/Dlg5Year.h"
#include "gui/editors/Dlg5YearChange.h"
#include "gui/editors/DlgCalendar.h"
#include "gui/editors/DlgFixturelist.h"
#include "gui/editors/DlgInternationalCompetition.h"
#include "gui/editors/DlgLeagueComposition.h"
#include "gui/editors/DlgLeagueData.h"
#include "gui/editors/DlgLeagueSystem.h"
#include "gui/editors/DlgLevelName.h"
#include "gui/editors/DlgNationalteam.h"
#include "gui/editors/DlgRefereeChange.h"
#include "gui/editors/DlgReferees.h"
#include "gui/editors/DlgRegelaenderung.h"
#include "gui/editors/DlgStadium.h"
#include "gui/editors/DlgStadiumSelect.h"
#include "gui/editors/DlgStadiumlist.h"
#include "gui/editors/country/CountryCoachPage.h"
#include "gui/editors/country/CountryCupsPage.h"
#include "gui/editors/country/CountryListPages.h"
#include "gui/editors/country/CountryManagersPage.h"
#include "gui/editors/country/CountryWindowContext.h"
#include "gui/editors/country/CountryYouthPage.h"
#include "gui/editors/country/DlgCountry.h"
#include "gui/editors/country/DlgCountrySubPage.h"
#include "gui/editors/country/DlgFurtherManager.h"
#include "gui/editors/country/DlgPoolEntry.h"
#include "gui/editors/country/DlgStaffEntry.h"
#include "gui/mainwindow/DlgInterfaceLanguage.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Manager.h"
#include "model/Player.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "storage/Identifiers.h"
#include "storage/TextTable.h"

namespace kw::screens {

namespace {

constexpr int kFlaggedPlayers = 12;
constexpr QSize kCountryWindowSize(980, 640);

// The first month of the season in which the top league plays on a day and the country's
// continent has a national-team day.
int MonthWithLeagueAndNationalTeamDays(const CWorld& world) {
    const CDBCompetition* league =
        world.Competition(MakeCompetitionId(kDefaultCountry, kLeagueType, 0));
    const InternationalDayTable international = MergedInternationalDays(
        world.InternationalDays(), world.Country(kDefaultCountry).Continent(), 0);
    for (const int month : {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6}) {
        bool leagueDay = false;
        bool nationalTeamDay = false;
        for (const int day : MonthDays(0, month)) {
            leagueDay |= league != nullptr && league->CalendarValue(0, day) != 0;
            nationalTeamDay |= international[static_cast<std::size_t>(day)] == kNationalTeamDay;
        }
        if (leagueDay && nationalTeamDay) {
            return month;
        }
    }
    throw std::runtime_error("no month with league and national-team days");
}

// `Dialog` on the scene's document and `arguments`.
template <typename Dialog, auto... arguments>
std::unique_ptr<QWidget> Opened(CDatabaseScene& scene) {
    return std::make_unique<Dialog>(scene.Document(), arguments...);
}

// "Spielplan", its top league chosen.
std::unique_ptr<QWidget> FixtureList(CDatabaseScene& scene) {
    auto dialog = std::make_unique<CDlgFixturelist>(scene.Document(), kDefaultCountry);
    dialog->resize(dialog->sizeHint().expandedTo(QSize(0, 420)));
    return dialog;
}

// The league composition dialog on country 14, its top league chosen.
std::unique_ptr<QWidget> LeagueComposition(CDatabaseScene& scene) {
    auto dialog = std::make_unique<CDlgLeagueComposition>(scene.Document(), kDefaultCountry);
    dialog->resize(dialog->sizeHint().expandedTo(QSize(0, 460)));
    return dialog;
}

// The league-system dialog for country 14 with the text tables of its installation, or else the
// league data dialog of its top league.
std::unique_ptr<QWidget> LeagueSystem(bool leagueData, CDatabaseScene& scene) {
    CDatabaseDocument& document = scene.Document();
    const std::uint32_t top = MakeCompetitionId(kDefaultCountry, kLeagueType, 0);
    const std::optional<SLeagueData> data = ReadLeagueData(document.World(), top, kDefaultLanguage);
    std::unique_ptr<QDialog> dialog;
    if (leagueData && data) {
        dialog = std::make_unique<CDlgLeagueData>(document.World(), top, *data);
    } else {
        dialog = std::make_unique<CDlgLeagueSystem>(
            document, scene.Installation().TextTables().LeagueSystems(), kDefaultCountry);
    }
    dialog->resize(dialog->sizeHint());
    return dialog;
}

// The calendar view on a month with league and national-team days.
std::unique_ptr<QWidget> Calendar(CDatabaseScene& scene) {
    auto dialog = std::make_unique<CDlgCalendar>(scene.Document(), kDefaultCountry);
    dialog->ShowMonth(MonthWithLeagueAndNationalTeamDays(scene.Document().World()));
    return dialog;
}

// A list of the country (`List` of stadiums or referees) with the row `row` chosen.
template <typename List>
std::unique_ptr<QWidget> CountryList(int row, CDatabaseScene& scene) {
    auto dialog = std::make_unique<List>(scene.Document(), kDefaultCountry);
    dialog->List().setCurrentRow(row);
    return dialog;
}

// Values that give the continent's ranking some order: each country's number spread over the
// six years.
FiveYearValues SceneValues(int country) {
    FiveYearValues values{};
    for (std::size_t year = 0; year < values.size(); ++year) {
        values[year] = static_cast<std::uint16_t>((country * 137 + static_cast<int>(year) * 291) %
                                                  (kMaxFiveYearValue + 1));
    }
    return values;
}

// The scene's database changed by `setUp` as one edit of its document.
void ChangeDemo(CDatabaseScene& scene, void (*setUp)(CWorld&)) {
    scene.Document().Perform("scene", SWorldScope::Everything(), [setUp](CWorld& world) {
        setUp(world);
        return true;
    });
}

void SetFiveYearValues(CWorld& world) {
    for (int country = 1; country <= kCountryCount; ++country) {
        world.Country(country).Settings().slotValues = SceneValues(country);
    }
}

// The first players of the country's own nationality in its clubs get the national-team flag.
void FlagNationalPlayers(CWorld& world) {
    int flagged = 0;
    for (const auto& entry : world.Country(kDefaultCountry).Clubs()) {
        for (const std::uint32_t id : entry.second->PersonIds()) {
            CPlayer* player = world.Person(id);
            if (flagged < kFlaggedPlayers && !entry.second->IsNationalTeam() && player != nullptr &&
                player->IsPlayer() && player->Nationality() == kDefaultCountry) {
                player->SetNationalTeamByte(
                    kNationalFlagsByte,
                    player->NationalTeamBytes()[kNationalFlagsByte] | kInNationalTeamBit);
                ++flagged;
            }
        }
    }
}

// The five-year ranking of the continent with a few values set.
std::unique_ptr<QWidget> FiveYearRanking(CDatabaseScene& scene) {
    ChangeDemo(scene, SetFiveYearValues);
    return std::make_unique<CDlg5Year>(scene.Document(), kDefaultCountry);
}

// The national team dialog with a dozen players flagged, two of them selected.
std::unique_ptr<QWidget> NationalTeamDialog(CDatabaseScene& scene) {
    ChangeDemo(scene, FlagNationalPlayers);
    auto dialog = std::make_unique<CDlgNationalteam>(scene.Document(), kDefaultCountry);
    if (dialog->List().topLevelItemCount() < 4) {
        throw std::runtime_error("too few players of the nation");
    }
    dialog->List().topLevelItem(1)->setSelected(true);
    dialog->List().topLevelItem(3)->setSelected(true);
    return dialog;
}

// "Land Einstellungen" on country 14 showing `tab`, with every page of the installation.
std::unique_ptr<QWidget> WholeCountryWindow(int tab, CDatabaseScene& scene) {
    auto dialog = std::make_unique<CDlgCountry>(scene.Document(), kDefaultCountry);
    dialog->AddInstallationPages(
        {scene.Installation(), &scene.Context().Renderer(), scene.App().installDirectory});
    dialog->Tabs().setCurrentIndex(tab);
    return dialog;
}

// The window with only the page `Page`, at `tab`.
template <typename Page>
std::unique_ptr<QWidget> CountryPage(int tab, CDatabaseScene& scene) {
    auto dialog = std::make_unique<CDlgCountry>(scene.Document(), kDefaultCountry);
    dialog->SetPage(tab, new Page(scene.Document(), kDefaultCountry));
    dialog->Tabs().setCurrentIndex(tab);
    return dialog;
}

// The whole window of the full demo on a person page ("Jugendspieler", "Sonstige
// Trainer/Manager") with its first row chosen.
std::unique_ptr<CShownScene> CountryPersonScene(int tab, CSceneContext& context) {
    auto scene = DocumentScene(EDemo::kFull, std::bind_front(WholeCountryWindow, tab),
                               kCountryWindowSize)(context);
    CCountryPage* page = static_cast<CDlgCountry&>(scene->Widget()).Page(tab);
    if (auto* youth = qobject_cast<CCountryYouthPage*>(page)) {
        youth->List().setCurrentRow(0);
    } else if (auto* managers = qobject_cast<CCountryManagersPage*>(page)) {
        managers->List().setCurrentRow(0);
    }
    return scene;
}

// The national-coach (or else the stadium-list) page in the small window the country window's
// buttons open.
std::unique_ptr<QWidget> CountrySubPage(bool coach, CDatabaseScene& scene) {
    CDatabaseDocument& document = scene.Document();
    CCountryPage* page = nullptr;
    if (coach) {
        page = new CCountryCoachPage(document, kDefaultCountry);
    } else {
        page = new CCountryStadiumsPage(document, kDefaultCountry);
    }
    return std::make_unique<CDlgCountrySubPage>(document, kDefaultCountry, page);
}

// The first used entry of the country's player pool.
CPoolEntry FirstPoolEntry(const CWorld& world) {
    for (const CPoolEntry& candidate : world.Country(kDefaultCountry).PlayerPool()) {
        if (candidate.IsUsed()) {
            return candidate;
        }
    }
    return {};
}

}  // namespace

std::vector<SScene> LeagueScenes() {
    using enum EDemo;
    return {
        {"DlgLeagueComposition", DocumentScene(kSmall, LeagueComposition)},
        {"DlgLeagueCompositionFull", DocumentScene(kFull, LeagueComposition)},
        {"DlgLeagueSystem", DocumentScene(kFull, std::bind_front(LeagueSystem, false))},
        {"DlgLeagueData", DocumentScene(kFull, std::bind_front(LeagueSystem, true))},
        {"DlgLeagueSystemSmall", DocumentScene(kSmall, std::bind_front(LeagueSystem, false))},
        {"DlgLeagueDataSmall", DocumentScene(kSmall, std::bind_front(LeagueSystem, true))},
        {"DlgCalendar", DocumentScene(kFull, Calendar, QSize(1100, 720))},
        // The stadium list, a stadium, the referee list and a referee.
        {"DlgStadiumlist",
         DocumentScene(kSmall, std::bind_front(CountryList<CDlgStadiumlist>, 1), QSize(640, 420))},
        {"DlgStadium", DocumentScene(kSmall, Opened<CDlgStadium, kDefaultCountry, 0>, QSize(0, 0))},
        {"DlgReferees",
         DocumentScene(kSmall, std::bind_front(CountryList<CDlgReferees>, 2), QSize(640, 420))},
        {"DlgRefereeChange",
         [](CSceneContext& context) {
             const CCountry& country = context.World().Country(kDefaultCountry);
             if (country.Referees().empty()) {
                 throw std::runtime_error("the demo country has no referee");
             }
             return Shown(std::make_unique<CDlgRefereeChange>(country.Referees().front()));
         }},
        // The five-year ranking, its change dialog, and the national team dialog.
        {"Dlg5Year", DocumentScene(kSmall, FiveYearRanking)},
        {"Dlg5YearChange",
         [](CSceneContext& context) {
             const CCountry& country = context.World().Country(kDefaultCountry);
             return Shown(std::make_unique<CDlg5YearChange>(
                 Cp1252ToQString(country.Name(kDefaultLanguage)), SceneValues(kDefaultCountry)));
         }},
        {"DlgNationalteam", DocumentScene(kSmall, NationalTeamDialog)},
    };
}

std::vector<SScene> CountryScenes() {
    using enum EDemo;
    return {
        // "Globale Einstellungen" on the demo database's rules, "Ligenbezeichnung ändern" on the
        // top level in the database's current language, and "Sprache der Oberfläche" with
        // English chosen.
        {"DlgRegelaenderung",
         [](CSceneContext& context) {
             return Shown(std::make_unique<CDlgRegelaenderung>(context.World().Rules()));
         }},
        {"DlgLevelName",
         [](CSceneContext& context) {
             const auto& names = context.World().Country(kDefaultCountry).LevelNames(0);
             return Shown(std::make_unique<CDlgLevelName>(
                 Cp1252ToQString(names[static_cast<std::size_t>(kDefaultLanguage)].View())));
         }},
        {"DlgInterfaceLanguage",
         [](CSceneContext&) {
             return Shown(std::make_unique<CDlgInterfaceLanguage>(EInterfaceLanguage::kEnglish));
         }},
        // "Spielplan" on the full demo and "Stadion auswählen" on the small demo, opened on the
        // second stadium.
        {"DlgFixturelist", DocumentScene(kFull, FixtureList)},
        {"DlgStadiumSelect",
         [](CSceneContext& context) {
             auto dialog = std::make_unique<CDlgStadiumSelect>(context.World(), kDefaultLanguage,
                                                               kDefaultCountry, 2);
             dialog->resize(dialog->sizeHint().expandedTo(QSize(0, 360)));
             return Shown(std::move(dialog));
         }},
        {"DlgCountryGeneral",
         DocumentScene(kSmall, std::bind_front(WholeCountryWindow, CDlgCountry::kGeneral),
                       kCountryWindowSize)},
        {"DlgCountryLook",
         DocumentScene(kSmall, std::bind_front(WholeCountryWindow, CDlgCountry::kLook),
                       kCountryWindowSize)},
        {"DlgCountryGeneralFull",
         DocumentScene(kFull, std::bind_front(WholeCountryWindow, CDlgCountry::kGeneral),
                       kCountryWindowSize)},
        {"DlgCountryReferees",
         DocumentScene(kFull,
                       std::bind_front(CountryPage<CCountryRefereesPage>, CDlgCountry::kReferees),
                       kCountryWindowSize)},
        {"DlgCountryCoach", DocumentScene(kFull, std::bind_front(CountrySubPage, true))},
        {"DlgCountryStadiums", DocumentScene(kFull, std::bind_front(CountrySubPage, false))},
        {"DlgCountryCups",
         DocumentScene(kFull, std::bind_front(CountryPage<CCountryCupsPage>, CDlgCountry::kCups),
                       QSize(1100, 720))},
        // "Kontinentale Einstellungen" on the small demo (every continent's tab).
        {"DlgInternationalCompetition",
         DocumentScene(kSmall, Opened<CDlgInternationalCompetition>)},
        {"DlgCountryYouth", std::bind_front(CountryPersonScene, CDlgCountry::kYouth)},
        {"DlgCountryManagers", std::bind_front(CountryPersonScene, CDlgCountry::kManagers)},
        // The person pages' edit dialogs on the small demo: its first pool entry, a new coach,
        // its first staff pool entry.
        {"DlgPoolEntry",
         [](CSceneContext& context) {
             return Shown(std::make_unique<CDlgPoolEntry>(context.World(), kDefaultLanguage,
                                                          FirstPoolEntry(context.World())));
         }},
        {"DlgFurtherManager",
         [](CSceneContext& context) {
             const CWorld& world = context.World();
             return Shown(std::make_unique<CDlgFurtherManager>(
                 world, kDefaultLanguage, BlankCountryManager(world, kDefaultCountry)));
         }},
        {"DlgStaffEntry",
         [](CSceneContext& context) {
             const std::vector<CStaffEntry>& staff =
                 context.World().Country(kDefaultCountry).Staff();
             return Shown(
                 std::make_unique<CDlgStaffEntry>(staff.empty() ? CStaffEntry() : staff.front()));
         }},
    };
}

}  // namespace kw::screens
