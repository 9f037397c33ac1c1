#pragma once

#include <memory>

#include "Scene.h"

// The functions that build the scenes of SceneTable.cpp, by the file that defines them.
namespace kw::screens {

// AdminToolsScenes.cpp
// The main window's "AdminTools" menu opened (administrator mode), the question of "Stadien neu
// benennen" for country 14 and the result of "Taktische Ausbildung von 0 auf 3 setzen".
std::unique_ptr<CShownScene> ShowAdminToolsMenu(CSceneContext& context);
std::unique_ptr<CShownScene> ShowAdminToolsQuestion(CSceneContext& context);
std::unique_ptr<CShownScene> ShowAdminToolsResult(CSceneContext& context);

// CalendarScenes.cpp
// The calendar view of country 14 of the full demo, on a month with league and national-team
// days.
std::unique_ptr<CShownScene> ShowDlgCalendar(CSceneContext& context);

// ChangePackageScenes.cpp
// "Änderungspaket anwenden" on the demo database: a package from a changed copy, planned against
// a copy with edits of its own, so that every class shows, conflicts among them.
std::unique_ptr<CShownScene> ShowDlgChangePackagePreview(CSceneContext& context);

// ClubBadgeKitScenes.cpp
// The badge selection on the demo club's badge, and the kit colour picker on its home shirt.
std::unique_ptr<CShownScene> ShowDlgClubBadgeManage(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgClubShirtsColor(CSceneContext& context);

// ClubEditorScenes.cpp
// The club editor on the demo club of country 14 (a badge, both kits).
std::unique_ptr<CShownScene> ShowDlgClubParent(CSceneContext& context);

// ClubStadiumScenes.cpp
// The shirt numbers of the demo club's players.
std::unique_ptr<CShownScene> ShowDlgShirtNo(CSceneContext& context);
// The board-stability panel on the demo club's president, in a window of its own.
std::unique_ptr<CShownScene> ShowDlgChairman(CSceneContext& context);

// CountryPersonScenes.cpp
// "Land Einstellungen" on country 14 of the full-size demo, on a person page ("Jugendspieler",
// "Sonstige Trainer/Manager") with its first row chosen.
std::unique_ptr<CShownScene> CountryPersonScene(int tab, CSceneContext& context);
// Their edit dialogs on country 14 of the small demo: its first pool entry, a new coach, its first
// staff pool entry.
std::unique_ptr<CShownScene> ShowDlgPoolEntry(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgFurtherManager(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgStaffEntry(CSceneContext& context);

// CountryRefereesCoachScenes.cpp
// Country 14 of the full-size demo: the country window on its referee tab, and the national-coach
// (or else the stadium-list) page in the small window the country window's buttons open.
std::unique_ptr<CShownScene> ShowDlgCountryReferees(CSceneContext& context);
std::unique_ptr<CShownScene> CountrySubPageScene(bool coach, CSceneContext& context);

// CountryScenes.cpp
// The whole country window, "Land Einstellungen" (the scene's widget, a CDlgCountry), on country
// 14 of the demo, showing one tab.
std::unique_ptr<CDatabaseScene> CountryWindowScene(EDemo demo, int tab, CSceneContext& context);

// CsvExchangeScenes.cpp
// The CSV export choices on a club of the demo's country 14, and the import preview of an edited
// players file of that club (full demo): changes and rejected rows.
std::unique_ptr<CShownScene> ShowDlgCsvExport(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCsvImportPreview(CSceneContext& context);

// CupsScenes.cpp
// The country window's page "Pokal" on country 14 of the full-size demo, and "Kontinentale
// Einstellungen" on the small demo (every continent's tab).
std::unique_ptr<CShownScene> ShowDlgCountryCups(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgInternationalCompetition(CSceneContext& context);

// DatabaseDialogScenes.cpp
// "Datenbank öffnen" and "Datenbank speichern unter" on a temporary documents folder with three
// databases, one of them chosen.
std::unique_ptr<CShownScene> ShowDlgSelectDatabase(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgNewDatabase(CSceneContext& context);

// FiveYearNationalTeamScenes.cpp
// The five-year ranking of country 14's continent with a few values set, its change dialog on
// country 14, and the national team dialog of country 14 with a dozen players flagged.
std::unique_ptr<CShownScene> ShowDlg5Year(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlg5YearChange(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgNationalteam(CSceneContext& context);

// FixtureScenes.cpp
// "Spielplan" on country 14 of the full demo, its top league chosen.
std::unique_ptr<CShownScene> ShowDlgFixturelist(CSceneContext& context);
// "Stadion auswählen" on the small demo, opened on the second stadium of country 14.
std::unique_ptr<CShownScene> ShowDlgStadiumSelect(CSceneContext& context);

// GlobalRulesScenes.cpp (and the interface language, a setting too)
// "Globale Einstellungen" on the demo database's rules, and "Ligenbezeichnung ändern" on the
// top level of country 14 in the database's current language.
std::unique_ptr<CShownScene> ShowDlgRegelaenderung(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgLevelName(CSceneContext& context);
// "Sprache der Oberfläche" with English chosen.
std::unique_ptr<CShownScene> ShowDlgInterfaceLanguage(CSceneContext& context);

// LeagueCompositionScenes.cpp
// The league composition dialog on the demo's country 14, its top league chosen.
std::unique_ptr<CShownScene> LeagueCompositionScene(EDemo demo, CSceneContext& context);

// LeagueSystemScenes.cpp
// The league-system dialog for country 14, or else the league data dialog of its top league.
std::unique_ptr<CShownScene> LeagueSystemScene(EDemo demo, bool leagueData, CSceneContext& context);

// ManagerListScenes.cpp
// The squad dialog of the demo club on its "Vorstand/Trainer" tab, the first staff person chosen.
std::unique_ptr<CShownScene> ShowDlgManagerList(CSceneContext& context);
// The demo club's staff dialog.
std::unique_ptr<CShownScene> ShowDlgManagAll(CSceneContext& context);
// The person chooser in its staff mode on the demo club.
std::unique_ptr<CShownScene> ShowDlgPlayerSelectStaff(CSceneContext& context);

// ManagerPagesScenes.cpp
// The personal-data page on the first person of the kind (1 a trainer, 3 a president, 13 a
// masseur) that a club holds: the staff panel of that kind.
std::unique_ptr<CShownScene> StaffPageScene(int kind, CSceneContext& context);

// MappingScenes.cpp
// The player mapping's question box and the report's save dialog on the installation's folder.
std::unique_ptr<CShownScene> ShowMappingQuestion(CSceneContext& context);
std::unique_ptr<CShownScene> ShowMappingReportDialog(CSceneContext& context);

// PlayerDoubleScenes.cpp
// "Spieler doppelt" over the whole database of the full demo, and "Spielervergleich" with two
// strikers of country 14 of the small demo.
std::unique_ptr<CShownScene> ShowPlayerDouble(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgPlayerCompare(CSceneContext& context);

// PlayerPagesAScenes.cpp
// The person pages "Persönliche Daten", "Fähigkeiten", "Charakter" and "Position" in tabs, on the
// demo club's first player.
std::unique_ptr<CShownScene> ShowPlayerPagesA(CSceneContext& context);

// PlayerPagesBScenes.cpp
// The person pages "Vertrag", "Historie" and "Aussehen" in tabs, on a demo player with a career.
std::unique_ptr<CShownScene> ShowPlayerPagesB(CSceneContext& context);

// PlayerSearchScenes.cpp
// The search dialog with the surname "M*" typed, and the result list of that search on the demo
// at the editor's full size, once the search has finished.
std::unique_ptr<CShownScene> ShowDlgPlayerSearch(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgSearchResult(CSceneContext& context);

// QuickFindDiffScenes.cpp
// The main window with quick-find hits under its search field.
std::unique_ptr<CShownScene> ShowQuickFind(CSceneContext& context);
// "Datenbanken vergleichen" on the demo database and a changed copy of it.
std::unique_ptr<CShownScene> ShowDlgDatabaseDiff(CSceneContext& context);
// "Änderungspaket erstellen..." choosing the old database of the package.
std::unique_ptr<CShownScene> ShowDlgChangePackageSource(CSceneContext& context);

// SquadScenes.cpp
// The squad dialog on the largest first-division club of country 14; every person page is a tab
// of it.
std::unique_ptr<CShownScene> SquadScene(EDemo demo, CSceneContext& context);
// The club chooser and the player chooser, starting at the demo club's country.
std::unique_ptr<CShownScene> ShowDlgSelectClub(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgPlayerSelect(CSceneContext& context);

// StadiumRefereeScenes.cpp
// The stadium list, a stadium, the referee list and a referee of the demo's country 14.
std::unique_ptr<CShownScene> ShowDlgStadiumlist(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgStadium(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgReferees(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgRefereeChange(CSceneContext& context);

// TransferScenes.cpp
// On the full demo: "Spieler ohne Verein" with two rows selected, and "Schnelle Transfers" from
// country 14 with a player, a new country, a new club and its free numbers chosen.
std::unique_ptr<CShownScene> ShowDlgPlayerWithoutClub(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgFastTransfer(CSceneContext& context);

// ValidationReportScenes.cpp
// "Datenbank prüfen" on the small demo with faults made for it: a squad with two presidents, a
// missing badge, a league with a free place in its fixture list and one of the wrong size.
std::unique_ptr<CShownScene> ShowDlgValidationReport(CSceneContext& context);

// WindowScenes.cpp
// The main window on the demo database.
std::unique_ptr<CShownScene> ShowDlgMainMenu(CSceneContext& context);
// The main window on the full-size demo database, Germany selected.
std::unique_ptr<CShownScene> ShowDlgMainMenuFull(CSceneContext& context);
// The full demo, started with "lang".
std::unique_ptr<CShownScene> ShowDlgMainMenuLang(CSceneContext& context);
// The splash screen of the editor's start.
std::unique_ptr<CShownScene> ShowSplashScene(CSceneContext& context);
// The progress dialog during a world export, held in mid-run.
std::unique_ptr<CShownScene> ShowLongtimeOperation(CSceneContext& context);
// The renderer's preview on a kit page and on a look page, with a demo club and player.
std::unique_ptr<CShownScene> ShowRenderPreviewKits(CSceneContext& context);
std::unique_ptr<CShownScene> ShowRenderPreviewLook(CSceneContext& context);

// The synchronisation dialog on the demo database open twice, and its two copy dialogs.
std::unique_ptr<CShownScene> ShowDlgDatabaseCopy(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgClubCopy(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryCopy(CSceneContext& context);

}  // namespace kw::screens
