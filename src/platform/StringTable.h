#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kw {

// Ids of the program's resource strings. Texts that carry a number in the resource table keep it;
// the others are numbered from 20000 on.
namespace ids {
// The person editor's experience scales: international 0..4 ("keine" ... "gigantisch") and
// national 0..6 ("kaum Erfahrung" ... "alter Haudegen"); value n is the first id + n.
inline constexpr int kInternationalExperience = 136;
inline constexpr int kNationalExperience = 141;
// The position abbreviations " keine", "TO" ... "ST": code n is kPositionNames + n.
inline constexpr int kPositionNames = 148;
inline constexpr int kPositionCount = 18;
// The board stability of a club's president, 0 to 4.
inline constexpr int kBoardStabilityMad = 329;            // "Wahnsinnig"
inline constexpr int kBoardStabilityUnpredictable = 330;  // "Unberechenbar"
inline constexpr int kBoardStabilityNormal = 331;         // "Normal"
inline constexpr int kBoardStabilityStable = 332;         // "Stabil"
inline constexpr int kBoardStabilityLoyal = 333;          // "Treu und visionär"
// The manager list's rows of the staff kinds 1 to 18, "%s\t<role>" with the short name.
inline constexpr int kStaffRowTrainer = 341;
inline constexpr int kStaffRowManager = 342;
inline constexpr int kStaffRowPresident = 343;
inline constexpr int kStaffRowCoTrainer = 749;
inline constexpr int kStaffRowGoalkeeperTrainer = 750;
inline constexpr int kStaffRowReserveTrainer = 751;
inline constexpr int kStaffRowYouthTrainer = 752;
inline constexpr int kStaffRowDoctor = 755;
inline constexpr int kStaffRowChiefScout = 756;
inline constexpr int kStaffRowKneeSpecialist = 757;
inline constexpr int kStaffRowAnkleSpecialist = 758;
inline constexpr int kStaffRowMuscleSpecialist = 759;
inline constexpr int kStaffRowMasseur = 760;
inline constexpr int kStaffRowPsychologist = 761;
inline constexpr int kStaffRowMarketing = 762;
inline constexpr int kStaffRowStadiumManager = 763;
inline constexpr int kStaffRowFanOfficer = 764;
inline constexpr int kStaffRowDirector = 765;
// A manager's experience: national 0..6 ("keine" ... "alles erlebt") and international 0..4
// ("keine" ... "Europapokale gewonnen"); value n is the first id + n.
inline constexpr int kManagerNationalExperience = 628;
inline constexpr int kManagerInternationalExperience = 635;
// The player types 0 to 24 ("Katze" ... "Fußballgott"): type n is kPlayerTypes + n.
inline constexpr int kPlayerTypes = 387;
inline constexpr int kErrorsHeading = 490;          // "Fehler!"
inline constexpr int kContinentEurope = 509;        // "Europa"
inline constexpr int kContinentSouthAmerica = 510;  // "Südamerika"
inline constexpr int kContinentNorthAmerica = 511;  // "Nordamerika"
inline constexpr int kContinentAsia = 512;          // "Asien"
inline constexpr int kContinentAfrica = 513;        // "Afrika"
inline constexpr int kContinentOceania = 514;       // "Ozeanien"
inline constexpr int kFirstLeague = 517;            // "1. Liga"
inline constexpr int kNationalCup = 518;            // "Nationaler Pokal"
inline constexpr int kErrorOccurred = 622;          // "Der folgende Fehler ist aufgetreten!"
inline constexpr int kCompleteCountries = 623;      // "Die folgenden Länder sind korrekt ..."
inline constexpr int kNoFileChosen = 575;           // "Keine Datei gewählt"
inline constexpr int kSquadFewPlayers = 579;        // "Es sollten mind. 14 Spieler ..."
inline constexpr int kSquadTrainers = 580;          // "Es darf nur ein Trainer ..."
inline constexpr int kSquadManagers = 581;          // "Es darf nur ein Manager ..."
inline constexpr int kSquadPresidents = 582;  // "Es darf nur ein Präsident in der ersten ..."
inline constexpr int kSquadSecondTeamPresident = 583;  // "Es darf nur ein Präsident im Verein ..."
inline constexpr int kOk = 625;                        // "OK"
inline constexpr int kSquadIncompleteName = 674;       // "Mindestens ein Spieler hat keinen ..."
inline constexpr int kNewCompetitionName = 787;        // "Neuer Wettbewerb"
inline constexpr int kNotAvailable = 789;              // " nicht vorhanden "
inline constexpr int kLanguageDirectory = 799;         // "ger"
inline constexpr int kCancel = 823;                    // "Abbruch"
inline constexpr int kElapsedTimes = 824;              // "Verstrichene Zeit: ..."
inline constexpr int kImportCaption = 825;             // "Datenbank importieren"
inline constexpr int kImportDescription = 826;         // "Die Datenbank %s wird importiert. ..."
inline constexpr int kImportStatus = 827;              // "initialisiere Importmodul..."
inline constexpr int kExportCaption = 829;             // "Exportieren der kompletten Datenbank"
inline constexpr int kExportDescription = 830;  // "Die exportierte Datenbank %s wird erstellt. ..."
inline constexpr int kExportStatus = 831;       // "initialisiere Exportmodul..."
inline constexpr int kSyncSameKindsOnly = 846;  // "Es können nur gleiche Typen ..."
inline constexpr int kSyncDifferentContinents = 847;  // "Unterschiedliche Kontinente ..."
// Column headings of the national team and referee lists.
inline constexpr int kColumnName = 848;        // "Name"
inline constexpr int kColumnClub = 851;        // "Verein"
inline constexpr int kColumnBirthday = 852;    // "Geburtstag"
inline constexpr int kColumnPosition = 864;    // "Pos"
inline constexpr int kBigNoName = 867;         // "Es wurde kein Name angegeben"
inline constexpr int kBigCannotOpen = 869;     // "Die Datei %s kann nicht zum Lesen ..."
inline constexpr int kBigInvalid = 871;        // "%s ist keine gültige BIG Datei"
inline constexpr int kBigNotFound = 874;       // "Die Datei %s konnte in dem BIG Archiv ..."
inline constexpr int kBigNotOpen = 877;        // "BIG Archiv ist nicht geöffnet"
inline constexpr int kNoBadge = 887;           // " Kein Wappen"
inline constexpr int kUnicodeDirectory = 888;  // "Das aktuelle Verzeichnis oder ..."
inline constexpr int kMissingBadge = 890;      // "Der Verein %s benutzt ein nicht ..."
inline constexpr int kProductName = 898;       // "KICKWERK 06"
inline constexpr int kApplicationTitle = 899;  // "Editor"
// The club editor's city picture and shirt numbers.
inline constexpr int kCityPictureOutsideFolder = 1340;  // "Die Stadtgrafik muss im Ordner %s ..."
inline constexpr int kCityPictureNameTooLong = 1341;    // "Der Dateiname %s ist als Ortsname ..."
inline constexpr int kCityPictureNotBmp = 1342;         // "Als Stadtgrafik kann nur eine BMP ..."
inline constexpr int kCityPictureBadName = 1343;        // "Der Dateiname %s kann kein Ortsname ..."
inline constexpr int kCityPictureUnreadable = 1344;     // "Die Datei %s ist keine lesbare BMP ..."

// The person editor's player panel: talent 0 to 4 ("Normal" ... "Gigantisch") and the effect on
// the team-mates 0 to 9 ("-" ... "+5% auf alle Spieler im Mannschaftsteil").
inline constexpr int kTalentNames = 1440;
inline constexpr int kTeammateEffects = 1445;

// "Fanbeauftragter"), and the squad dialog's hint.
inline constexpr int kStaffRoleNames = 1400;

inline constexpr int kMainCaption = 20000;  // "KW 06 Datenbank Editor"
inline constexpr int kSaveTitle = 20001;    // "Daten werden gespeichert"
inline constexpr int kSaveText = 20002;     // "Dieser Vorgang kann etwas dauern."
inline constexpr int kSavePhase = 20003;    // "Phase %i: Exportiere %s..."
inline constexpr int kSaveFailed = 20004;   // "Es trat mindestens ein Fehler ..."
inline constexpr int kDatabaseExists =
    20005;  // "Die Datenbank mit dem Namen %s existiert schon. ..."
inline constexpr int kTooManyTeams = 20006;       // "To many Teams used in current competition ..."
inline constexpr int kProgressCaption = 20007;    // "KW06 - Bitte warten!"
inline constexpr int kDateFormat = 20008;         // "%4 %1/%2": weekday, day, month, year
inline constexpr int kSecondTeamPattern = 20009;  // "%s 2": a club name to its second team's
inline constexpr int kCreateAClub = 20010;        // "Create A Club Verein"
inline constexpr int kNoClub = 20014;             // "Kein Verein"
inline constexpr int kExportClubStatus = 20015;   // "Exportiere %s..."
inline constexpr int kImportData = 20016;         // "Importiere die Daten..."
inline constexpr int kImportQuestion = 20017;     // "Das Importieren eines KW Archives ..."
inline constexpr int kDamagedCountries = 20018;   // "Die folgenden Länderdateien ... %s ..."
inline constexpr int kImportDamaged = 20019;      // "Das Archiv %s ist beschädigt ..."
inline constexpr int kLockFailed = 20020;         // "Die Sperre gegen einen zweiten Editor ..."
inline constexpr int kMasterCaption = 20040;      // "Aktuelle Daten zum Spiel exportieren"
inline constexpr int kMasterText = 20041;         // "Die Daten der aktuellen Datenbank ..."
inline constexpr int kNoCompleteCountry = 20042;  // "Kein Land ist korrekt initialisiert!"
inline constexpr int kDatabaseSaved = 20043;      // "Datenbank gespeichert!"
inline constexpr int kSaveChanges = 20044;        // "Die Datenbank "%s" enthält ..."
inline constexpr int kDemoCaption = 20100;        // "Demo-Installation"
inline constexpr int kDemoTables = 20101;  // "Tabellen und Namenslisten werden geschrieben..."
inline constexpr int kDemoWorld = 20102;   // "Vereine, Spieler und Wettbewerbe werden erzeugt..."
inline constexpr int kDemoFailed = 20103;  // "Die Demo-Installation ... nicht erstellt werden"
inline constexpr int kDemoBadges = 20104;  // "Wappen werden gezeichnet..."

// Synchronising databases and its copy dialogs.
inline constexpr int kClubCopyCaption = 21201;     // "Verein kopieren"
inline constexpr int kCountryCopyCaption = 21202;  // "Länderdaten kopieren"
inline constexpr int kSyncCountryFull = 21203;     // "Das Land %s hat schon %d Vereine; ..."
// The stadium and referee editors of a country.
inline constexpr int kTooManySeasonTicketBlocks = 487;  // "Sie dürfen nur 3 Blöcke für ..."
inline constexpr int kNotOneAwayBlock = 488;            // "Sie müssen genau einen Block für ..."
inline constexpr int kSeasonTicketAwayBlock = 489;  // "Blöcke für Dauerkarten und Gästefans ..."
// "Klima": climate n is kClimates + n.
inline constexpr int kClimates = 23110;
inline constexpr int kClimateCount = 6;
// "Wechsel 1./2. Mannschaft": choice n is kReserveSwitches + n.
inline constexpr int kReserveSwitches = 23120;
inline constexpr int kReserveSwitchCount = 3;
}  // namespace ids

// The resource string with that id, as Windows-1252 bytes. Unknown ids give an empty text. The
// view is zero-terminated (usable as a printf format) and stays valid for the whole run.
std::string_view ResourceString(int id);

// printf-style formatting into a std::string (the resource texts use printf conversions).
std::string FormatPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Whether both texts have the same printf conversions, written alike ("%s", "%02d", "%-10s",
// "%ld"), in the same order; "%%" is none. A '%' not followed by a complete conversion (Qt's
// "%1") is none either.
bool SamePrintfConversions(std::string_view a, std::string_view b);

// The text to show for one resource text: `translate(context, utf8GermanText)` in UTF-8;
// returning the text itself keeps it.
using ResourceTranslator =
    std::function<std::string(std::string_view context, std::string_view text)>;

// Replaces the translatable resource texts (context "kw::Resource") of every table, made before
// or after, by `translate`'s texts, converted to Windows-1252 like the German. A text keeps its
// German where the translation is empty or has other printf conversions (SamePrintfConversions),
// and the texts that end up in files, folder names or records are never translated. Called once
// at start-up; lookups may run meanwhile, and views handed out before stay valid (and German).
// An empty function brings the German texts back. `translate` must not look up resource texts.
void InstallResourceTranslator(ResourceTranslator translate);

// A text of the core that windows show, outside the resource tables: the German `text` (UTF-8)
// through the installed translator, as Windows-1252 bytes, German where there is none (the
// console tools) or where the translation changes the printf conversions. lupdate reads the call
// as Qt's translate(context, text); a table's literals are marked with KW_RESOURCE_TEXT. Never for
// a text that goes into a file. The view is zero-terminated and stays valid for the whole run.
std::string_view ShownText(const char* context, const char* text);

}  // namespace kw
