#pragma once

#include <string>
#include <string_view>

namespace kw {

// Ids of the program's resource strings. Texts that carry a number in the resource table keep it;
// the others are numbered from 20000 on.
namespace ids {
inline constexpr int kFirstLeague = 517;        // "1. Liga"
inline constexpr int kNationalCup = 518;        // "Nationaler Pokal"
inline constexpr int kConfirmQuit = 574;        // "Sind Sie sicher, daß Sie den Editor ..."
inline constexpr int kNotAvailable = 789;       // " nicht vorhanden "
inline constexpr int kLanguageDirectory = 799;  // "ger"
inline constexpr int kCancel = 823;             // "Abbruch"
inline constexpr int kElapsedTimes = 824;       // "Verstrichene Zeit: ..."
inline constexpr int kImportCaption = 825;      // "Datenbank importieren"
inline constexpr int kImportDescription = 826;  // "Die Datenbank %s wird importiert. ..."
inline constexpr int kImportStatus = 827;       // "initialisiere Importmodul..."
inline constexpr int kExportCaption = 829;      // "Exportieren der kompletten Datenbank"
inline constexpr int kExportDescription = 830;  // "Die exportierte Datenbank %s wird erstellt. ..."
inline constexpr int kExportStatus = 831;       // "initialisiere Exportmodul..."
inline constexpr int kUnicodeDirectory = 888;   // "Das aktuelle Verzeichnis oder ..."
inline constexpr int kProductName = 898;        // "KICKWERK 06"
inline constexpr int kApplicationTitle = 899;   // "Editor"

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
inline constexpr int kRemovePlayerCaption = 20011;  // "Spieler löschen"
inline constexpr int kRemovePlayerQuestion =
    20012;                                       // "Wollen Sie den Spieler komplett löschen ..."
inline constexpr int kDeleteCompletely = 20013;  // "Löschen"
inline constexpr int kNoClub = 20014;            // "Kein Verein"
}  // namespace ids

// The resource string with that id, as Windows-1252 bytes. Unknown ids give an empty text. The
// view is zero-terminated (usable as a printf format) and stays valid for the whole run.
std::string_view ResourceString(int id);

// printf-style formatting into a std::string (the resource texts use printf conversions).
std::string FormatPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace kw
