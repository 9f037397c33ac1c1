#pragma once

#include <string_view>

#include "platform/StringTable.h"

namespace kw {

// The texts only the windows show; the core's own are in platform/StringTable.h.
namespace ids {
inline constexpr int kClubPageGeneral = 604;             // "Allgemeine Informationen"
inline constexpr int kClubPageBadge = 605;               // "Wappen"
inline constexpr int kClubPageKits = 606;                // "Trikots"
inline constexpr int kClubPageStadium = 607;             // "Stadion/Umgebung"
inline constexpr int kClubPageHistory = 608;             // "Historische Daten"
inline constexpr int kNoMatter = 624;                    // "Egal"
inline constexpr int kLanguageGerman = 675;              // "Deutsch"
inline constexpr int kLanguageEnglish = 676;             // "Englisch"
inline constexpr int kLanguageFrench = 677;              // "Französisch"
inline constexpr int kLanguageSpanish = 678;             // "Spanisch"
inline constexpr int kLanguageItalian = 679;             // "Italienisch"
inline constexpr int kDeleteDatabase = 814;              // "Möchten Sie die Datenbank "%s" ..."
inline constexpr int kNationalTeamNotOverwritten = 843;  // "Das Nationalteam kann nicht ..."
inline constexpr int kRendererMissing = 844;  // "Die Laufzeitbibliothek Renderer.dll ..."
inline constexpr int kColumnStrength = 850;   // "Stärke"
inline constexpr int kNewDatabasePrompt =
    858;  // "Neue Datenbank erstellen\tWelchen Namen ...\t..."
inline constexpr int kRemoveClubPersons = 860;    // "Sollen wirklich alle Spieler und Manager ..."
inline constexpr int kDuplicatesTitle = 866;      // "Doppelte Spieler in der Datenbank"
inline constexpr int kColumnAge = 879;            // "Alter"
inline constexpr int kColumnTalent = 880;         // "Talent"
inline constexpr int kColumnCaps = 881;           // "Länderspiele"
inline constexpr int kColumnFirstName = 889;      // "Vorname"
inline constexpr int kColumnSurname = 891;        // "Nachname"
inline constexpr int kColumnStageName = 893;      // "Künstlername"
inline constexpr int kColumnCountry = 894;        // "Land"
inline constexpr int kRestoreDatabase = 897;      // "Durch die Wiederherstellung werden ..."
inline constexpr int kOnlyTdbFiles = 919;         // "Nur *.tdb Dateien können geladen werden, ..."
inline constexpr int kWithoutShirtNumber = 1345;  // "ohne Nummer"
// The tool tip of a control shown empty and disabled because no record keeps its value.
inline constexpr int kValueNotStored = 1350;  // "Die Datenbank speichert keinen solchen Wert."

// The club editor's badge and kit pages.
inline constexpr int kBadgePathTooLong = 1320;  // "Der Dateiname %s ist länger als %d ..."

// The person pages "Vertrag" and "Aussehen".
inline constexpr int kContractEndDrawn = 592;    // "wird bei Programmstart ausgewürfelt"
inline constexpr int kPlayerPictureSize = 1470;  // "WARNUNG! Größe des Bildes ist inkompatibel ..."
inline constexpr int kSquadHint = 1420;  // "Rechte Maustaste auf Liste ruft Kontextmenü ..."

inline constexpr int kReplaceDamagedCountries = 20030;  // "... %s ... durch die Daten ersetzen?"
inline constexpr int kInvalidDatabaseName = 20060;      // "Der Name %s ist als Datenbankname ..."
inline constexpr int kListExportFailed = 20300;    // "Die Liste konnte nicht in die Datei %s ..."
inline constexpr int kListPrintEmpty = 20301;      // "Die Liste ist leer, ..."
inline constexpr int kListPrintTooNarrow = 20302;  // "Die Spalten der Liste passen nicht ..."
inline constexpr int kListPrintTooShort = 20303;   // "Auf der Seite ist kein Platz ..."
inline constexpr int kListPrintFailed = 20304;     // "Der Drucker hat die Liste nicht ..."

inline constexpr int kHintCaption = 20800;       // "KW 06 Editor Hinweis"
inline constexpr int kAttentionCaption = 20801;  // "Kickwerk 06 - Achtung!"
inline constexpr int kAttention = 20802;         // "Achtung!"
inline constexpr int kErrorHeading = 20803;      // "Fehler"
inline constexpr int kAbort = 20804;             // "Abbrechen"

// The database dialogs.
inline constexpr int kDeleteDatabaseFailed = 21000;  // "Die Datenbank "%s" konnte nicht ..."
inline constexpr int kDeleteOpenDatabase = 21001;    // "Sie ist zurzeit im Editor geöffnet. ..."

// The main window's club and assistant commands.
inline constexpr int kNewClubPrompt = 21100;    // "Neuer Verein\tBitte geben Sie den Namen ..."
inline constexpr int kNoInvalidBadges = 21101;  // "Kein Verein benutzt ein ungültiges Wappen."
// "&Datei"'s list of the databases opened last.
inline constexpr int kRecentDatabaseMissing = 21180;  // "Die Datenbank %s gibt es nicht mehr. ..."

inline constexpr int kSyncCaption = 21200;  // "Datenbanken synchronisieren"
// The club copy's check boxes, in the order of their groups 0x2 .. 0x4000.
inline constexpr int kClubCopyGeneral = 21210;  // "Allgemeine Informationen: Allgemein"
inline constexpr int kClubCopyFinances = 21211;
inline constexpr int kClubCopyAddress = 21212;
inline constexpr int kClubCopyAttendance = 21213;
inline constexpr int kClubCopyBadge = 21214;
inline constexpr int kClubCopyKit = 21215;
inline constexpr int kClubCopyStadium = 21216;
inline constexpr int kClubCopyLocation = 21217;
inline constexpr int kClubCopySurroundings = 21218;
inline constexpr int kClubCopyTransfers = 21219;
inline constexpr int kClubCopyHistory = 21220;
inline constexpr int kClubCopyFirstTeam = 21221;
inline constexpr int kClubCopySecondTeam = 21222;
inline constexpr int kClubCopyStaff = 21223;  // "Spielerdaten Trainer und Präsidenten"
// The country copy's check boxes, groups 0x2 .. 0x40.
inline constexpr int kCountryCopyGeneral = 21230;  // "Allgemeine Informationen"
inline constexpr int kCountryCopyYouth = 21231;
inline constexpr int kCountryCopyReferees = 21232;
inline constexpr int kCountryCopyStadiums = 21233;
inline constexpr int kCountryCopyManagers = 21234;
inline constexpr int kCountryCopyClubs = 21235;  // "Vereine / Spielpläne übernehmen"
inline constexpr int kSpecialityColumn = 886;    // "Besonderheit"
// The staff list's duplicate check.
inline constexpr int kStaffDuplicatesHeading = 21460;  // "Doppelte Personen (gleicher Name ..."
inline constexpr int kStaffNoDuplicates = 21461;       // "Keine doppelten Personen gefunden."
// The country window: its caption, its tabs in order, and the general page's lists.
inline constexpr int kCountryWindowCaption = 23100;  // "Land Einstellungen"
inline constexpr int kCountryTabGeneral = 23101;     // "Allgemeine Informationen"
inline constexpr int kCountryTabLeagueSystem = 23102;
inline constexpr int kCountryTabCups = 23103;
inline constexpr int kCountryTabYouth = 23104;
inline constexpr int kCountryTabReferees = 23105;
inline constexpr int kCountryTabManagers = 23106;
inline constexpr int kCountryTabLook = 23107;  // "Spieler Aussehen"
inline constexpr int kCountryTabCount = 7;
}  // namespace ids

// The window text with that id, or else the core's resource string of it, as Windows-1252 bytes
// (empty for an unknown id). The view is zero-terminated and stays valid for the whole run.
std::string_view GuiString(int id);

}  // namespace kw
