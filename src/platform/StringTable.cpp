#include "platform/StringTable.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <iterator>
#include <string>

#include "platform/Cp1252.h"

namespace kw {

namespace {

struct ResourceRow {
    int id;
    std::u8string_view text;
};

// Sorted by id. The literals are UTF-8 whatever the compiler's execution character set; they are
// converted to Windows-1252 once, on first use.
// A plain array: deducing a std::array of this many rows exceeds some compilers' nesting limit.
constexpr ResourceRow kResourceRows[] = {
    ResourceRow{ids::kInternationalExperience + 0, u8"keine"},
    ResourceRow{ids::kInternationalExperience + 1, u8"etwas"},
    ResourceRow{ids::kInternationalExperience + 2, u8"mittel"},
    ResourceRow{ids::kInternationalExperience + 3, u8"groß"},
    ResourceRow{ids::kInternationalExperience + 4, u8"gigantisch"},
    ResourceRow{ids::kNationalExperience + 0, u8"kaum Erfahrung"},
    ResourceRow{ids::kNationalExperience + 1, u8"erste Erfahrung"},
    ResourceRow{ids::kNationalExperience + 2, u8"ganze Saison gespielt"},
    ResourceRow{ids::kNationalExperience + 3, u8"einige Saisons gespielt"},
    ResourceRow{ids::kNationalExperience + 4, u8"gestandener Spieler"},
    ResourceRow{ids::kNationalExperience + 5, u8"erfahrener Recke"},
    ResourceRow{ids::kNationalExperience + 6, u8"alter Haudegen"},
    ResourceRow{ids::kPositionNames + 0, u8" keine"},
    ResourceRow{ids::kPositionNames + 1, u8"TO"},
    ResourceRow{ids::kPositionNames + 2, u8"RV"},
    ResourceRow{ids::kPositionNames + 3, u8"LV"},
    ResourceRow{ids::kPositionNames + 4, u8"IV"},
    ResourceRow{ids::kPositionNames + 5, u8"LI"},
    ResourceRow{ids::kPositionNames + 6, u8"ROV"},
    ResourceRow{ids::kPositionNames + 7, u8"LOV"},
    ResourceRow{ids::kPositionNames + 8, u8"LVA"},
    ResourceRow{ids::kPositionNames + 9, u8"DM"},
    ResourceRow{ids::kPositionNames + 10, u8"RM"},
    ResourceRow{ids::kPositionNames + 11, u8"LM"},
    ResourceRow{ids::kPositionNames + 12, u8"ZM"},
    ResourceRow{ids::kPositionNames + 13, u8"RA"},
    ResourceRow{ids::kPositionNames + 14, u8"LA"},
    ResourceRow{ids::kPositionNames + 15, u8"OM"},
    ResourceRow{ids::kPositionNames + 16, u8"HS"},
    ResourceRow{ids::kPositionNames + 17, u8"ST"},
    ResourceRow{ids::kBoardStabilityMad, u8"Wahnsinnig"},
    ResourceRow{ids::kBoardStabilityUnpredictable, u8"Unberechenbar"},
    ResourceRow{ids::kBoardStabilityNormal, u8"Normal"},
    ResourceRow{ids::kBoardStabilityStable, u8"Stabil"},
    ResourceRow{ids::kBoardStabilityLoyal, u8"Treu und visionär"},
    ResourceRow{ids::kStaffRowTrainer, u8"%s\tTrainer"},
    ResourceRow{ids::kStaffRowManager, u8"%s\tManager"},
    ResourceRow{ids::kStaffRowPresident, u8"%s\tPräsident"},
    ResourceRow{ids::kPlayerTypes + 0, u8"Katze"},
    ResourceRow{ids::kPlayerTypes + 1, u8"Fliegenfänger"},
    ResourceRow{ids::kPlayerTypes + 2, u8"Nasser Sack"},
    ResourceRow{ids::kPlayerTypes + 3, u8"Elfmeterkiller"},
    ResourceRow{ids::kPlayerTypes + 4, u8"Freistossspezialist"},
    ResourceRow{ids::kPlayerTypes + 5, u8"Elfmeterspezialist"},
    ResourceRow{ids::kPlayerTypes + 6, u8"Distanzschütze"},
    ResourceRow{ids::kPlayerTypes + 7, u8"Manndecker"},
    ResourceRow{ids::kPlayerTypes + 8, u8"Sturmtank"},
    ResourceRow{ids::kPlayerTypes + 9, u8"Flügelflitzer"},
    ResourceRow{ids::kPlayerTypes + 10, u8"Flankengott"},
    ResourceRow{ids::kPlayerTypes + 11, u8"Konterstürmer"},
    ResourceRow{ids::kPlayerTypes + 12, u8"Goalgetter"},
    ResourceRow{ids::kPlayerTypes + 13, u8"Mr. Chancentod"},
    ResourceRow{ids::kPlayerTypes + 14, u8"Arbeitsbiene"},
    ResourceRow{ids::kPlayerTypes + 15, u8"Laufwunder"},
    ResourceRow{ids::kPlayerTypes + 16, u8"Leitfigur"},
    ResourceRow{ids::kPlayerTypes + 17, u8"Wunderkind"},
    ResourceRow{ids::kPlayerTypes + 18, u8"Kreativspieler"},
    ResourceRow{ids::kPlayerTypes + 19, u8"Regisseur"},
    ResourceRow{ids::kPlayerTypes + 20, u8"Mittelfeldstratege"},
    ResourceRow{ids::kPlayerTypes + 21, u8"Wunderstürmer"},
    ResourceRow{ids::kPlayerTypes + 22, u8"Abwehrchef"},
    ResourceRow{ids::kPlayerTypes + 23, u8"Staubsauger"},
    ResourceRow{ids::kPlayerTypes + 24, u8"Fußballgott"},
    ResourceRow{ids::kTooManySeasonTicketBlocks,
                u8"Sie dürfen nur 3 Blöcke für Dauerkarten festlegen!"},
    ResourceRow{ids::kNotOneAwayBlock, u8"Sie müssen genau einen Block für Gästefans festlegen!"},
    ResourceRow{ids::kSeasonTicketAwayBlock,
                u8"Blöcke für Dauerkarten und Gästefans dürfen nicht die gleichen sein."},
    ResourceRow{ids::kErrorsHeading, u8"Fehler!"},
    ResourceRow{ids::kContinentEurope, u8"Europa"},
    ResourceRow{ids::kContinentSouthAmerica, u8"Südamerika"},
    ResourceRow{ids::kContinentNorthAmerica, u8"Nordamerika"},
    ResourceRow{ids::kContinentAsia, u8"Asien"},
    ResourceRow{ids::kContinentAfrica, u8"Afrika"},
    ResourceRow{ids::kContinentOceania, u8"Ozeanien"},
    ResourceRow{ids::kFirstLeague, u8"1. Liga"},
    ResourceRow{ids::kNationalCup, u8"Nationaler Pokal"},
    ResourceRow{ids::kNoFileChosen, u8"Keine Datei gewählt"},
    ResourceRow{ids::kSquadFewPlayers,
                u8"Es sollten mind. 14 Spieler in der ersten Mannschaft vorhanden sein."},
    ResourceRow{ids::kSquadTrainers,
                u8"Es darf nur ein Trainer in der ersten Mannschaft vorhanden sein."},
    ResourceRow{ids::kSquadManagers,
                u8"Es darf nur ein Manager in der ersten Mannschaft vorhanden sein."},
    ResourceRow{ids::kSquadPresidents,
                u8"Es darf nur ein Präsident in der ersten Mannschaft vorhanden sein."},
    ResourceRow{ids::kSquadSecondTeamPresident,
                u8"Es darf nur ein Präsident im Verein vorhanden sein."},
    ResourceRow{ids::kContractEndDrawn, u8"wird bei Programmstart ausgewürfelt"},
    ResourceRow{ids::kClubPageGeneral, u8"Allgemeine Informationen"},
    ResourceRow{ids::kClubPageBadge, u8"Wappen"},
    ResourceRow{ids::kClubPageKits, u8"Trikots"},
    ResourceRow{ids::kClubPageStadium, u8"Stadion/Umgebung"},
    ResourceRow{ids::kClubPageHistory, u8"Historische Daten"},
    ResourceRow{ids::kErrorOccurred, u8"Der folgende Fehler ist aufgetreten!"},
    ResourceRow{ids::kCompleteCountries,
                u8"Die folgenden Länder sind korrekt initialisiert und werden damit im Spiel zur "
                u8"Auswahl zur Verfügung stehen."},
    ResourceRow{ids::kNoMatter, u8"Egal"},
    ResourceRow{ids::kOk, u8"OK"},
    ResourceRow{ids::kManagerNationalExperience + 0, u8"keine"},
    ResourceRow{ids::kManagerNationalExperience + 1, u8"erste Erfahrungen"},
    ResourceRow{ids::kManagerNationalExperience + 2, u8"eine Saison"},
    ResourceRow{ids::kManagerNationalExperience + 3, u8"mehrere Saisons"},
    ResourceRow{ids::kManagerNationalExperience + 4, u8"ein Jahrzehnt"},
    ResourceRow{ids::kManagerNationalExperience + 5, u8"alles gesehen"},
    ResourceRow{ids::kManagerNationalExperience + 6, u8"alles erlebt"},
    ResourceRow{ids::kManagerInternationalExperience + 0, u8"keine"},
    ResourceRow{ids::kManagerInternationalExperience + 1, u8"wenig Erfahrung"},
    ResourceRow{ids::kManagerInternationalExperience + 2, u8"einige Erfahrung"},
    ResourceRow{ids::kManagerInternationalExperience + 3, u8"Europapokal gewonnen"},
    ResourceRow{ids::kManagerInternationalExperience + 4, u8"Europapokale gewonnen"},
    ResourceRow{ids::kSquadIncompleteName,
                u8"Mindestens ein Spieler hat keinen vollständigen Namen."},
    ResourceRow{ids::kLanguageGerman, u8"Deutsch"},
    ResourceRow{ids::kLanguageEnglish, u8"Englisch"},
    ResourceRow{ids::kLanguageFrench, u8"Französisch"},
    ResourceRow{ids::kLanguageSpanish, u8"Spanisch"},
    ResourceRow{ids::kLanguageItalian, u8"Italienisch"},
    ResourceRow{ids::kStaffRowCoTrainer, u8"%s\tCo-Trainer"},
    ResourceRow{ids::kStaffRowGoalkeeperTrainer, u8"%s\tTorwarttrainer"},
    ResourceRow{ids::kStaffRowReserveTrainer, u8"%s\tTrainer der Reserve"},
    ResourceRow{ids::kStaffRowYouthTrainer, u8"%s\tJugendtrainer"},
    ResourceRow{ids::kStaffRowDoctor, u8"%s\tMannschaftsarzt"},
    ResourceRow{ids::kStaffRowChiefScout, u8"%s\tChefscout"},
    ResourceRow{ids::kStaffRowKneeSpecialist, u8"%s\tSpezialist (Knie)"},
    ResourceRow{ids::kStaffRowAnkleSpecialist, u8"%s\tSpezialist (Knöchel)"},
    ResourceRow{ids::kStaffRowMuscleSpecialist, u8"%s\tSpezialist (Muskel)"},
    ResourceRow{ids::kStaffRowMasseur, u8"%s\tMasseur"},
    ResourceRow{ids::kStaffRowPsychologist, u8"%s\tPsychologe"},
    ResourceRow{ids::kStaffRowMarketing, u8"%s\tMarketing"},
    ResourceRow{ids::kStaffRowStadiumManager, u8"%s\tStadionmanager"},
    ResourceRow{ids::kStaffRowFanOfficer, u8"%s\tFanbeauftragter"},
    ResourceRow{ids::kStaffRowDirector, u8"%s\tGeschäftsführer"},
    ResourceRow{ids::kNewCompetitionName, u8"Neuer Wettbewerb"},
    ResourceRow{ids::kNotAvailable, u8" nicht vorhanden "},
    ResourceRow{ids::kLanguageDirectory, u8"ger"},
    ResourceRow{ids::kDeleteDatabase, u8"Möchten Sie die Datenbank \"%s\" wirklich löschen?"},
    ResourceRow{ids::kCancel, u8"Abbruch"},
    ResourceRow{ids::kElapsedTimes, u8"Verstrichene Zeit: %i:%.2i / Geschätzte Zeit:%i:%.2i"},
    ResourceRow{ids::kImportCaption, u8"Datenbank importieren"},
    ResourceRow{ids::kImportDescription,
                u8"Die Datenbank %s wird importiert. Dieser Vorgang kann etwas dauern."},
    ResourceRow{ids::kImportStatus, u8"initialisiere Importmodul..."},
    ResourceRow{ids::kExportCaption, u8"Exportieren der kompletten Datenbank"},
    ResourceRow{ids::kExportDescription,
                u8"Die exportierte Datenbank %s wird erstellt. Dieser Vorgang kann etwas dauern."},
    ResourceRow{ids::kExportStatus, u8"initialisiere Exportmodul..."},
    ResourceRow{ids::kNationalTeamNotOverwritten,
                u8"Das Nationalteam kann nicht überschrieben werden"},
    ResourceRow{
        ids::kRendererMissing,
        u8"Die Laufzeitbibliothek Renderer.dll konnte nicht geladen werden. Es ist keine 3D "
        u8"Darstellung möglich"},
    ResourceRow{ids::kSyncSameKindsOnly,
                u8"Es können nur gleiche Typen (Kontinent, Land, Verein) untereinander "
                u8"synchronisiert werden oder ein Verein auf ein Land gezogen werden."},
    ResourceRow{ids::kSyncDifferentContinents,
                u8"Unterschiedliche Kontinente können nicht synchronisiert werden"},
    ResourceRow{ids::kColumnName, u8"Name"},
    ResourceRow{ids::kColumnStrength, u8"Stärke"},
    ResourceRow{ids::kColumnClub, u8"Verein"},
    ResourceRow{ids::kColumnBirthday, u8"Geburtstag"},
    ResourceRow{ids::kNewDatabasePrompt,
                u8"Neue Datenbank erstellen\tWelchen Namen soll die neue Datenbank "
                u8"bekommen?\tNeueDatenbank"},
    ResourceRow{ids::kRemoveClubPersons,
                u8"Sollen wirklich alle Spieler und Manager vom Verein entfernt werden?"},
    ResourceRow{ids::kColumnPosition, u8"Pos"},
    ResourceRow{ids::kDuplicatesTitle, u8"Doppelte Spieler in der Datenbank"},
    ResourceRow{ids::kBigNoName, u8"Es wurde kein Name angegeben"},
    ResourceRow{ids::kBigCannotOpen, u8"Die Datei %s kann nicht zum Lesen geöffnet werden"},
    ResourceRow{ids::kBigInvalid, u8"%s ist keine gültige BIG Datei"},
    ResourceRow{ids::kBigNotFound, u8"Die Datei %s konnte in dem BIG Archiv nicht gefunden werden"},
    ResourceRow{ids::kBigNotOpen, u8"BIG Archiv ist nicht geöffnet"},
    ResourceRow{ids::kColumnAge, u8"Alter"},
    ResourceRow{ids::kColumnTalent, u8"Talent"},
    ResourceRow{ids::kColumnCaps, u8"Länderspiele"},
    ResourceRow{ids::kSpecialityColumn, u8"Besonderheit"},
    ResourceRow{ids::kNoBadge, u8" Kein Wappen"},
    ResourceRow{ids::kUnicodeDirectory,
                u8"Das aktuelle Verzeichnis oder das \"Eigene Dokumente\" Verzeichnis enthält "
                u8"Unicodezeichen. Der Editor unterstütz Unicode Verzeichnisnamen nicht."},
    ResourceRow{ids::kColumnFirstName, u8"Vorname"},
    ResourceRow{ids::kMissingBadge,
                u8"Der Verein %s benutzt ein nicht vorhandenes Wappen mit dem Dateinamen %s."},
    ResourceRow{ids::kColumnSurname, u8"Nachname"},
    ResourceRow{ids::kColumnStageName, u8"Künstlername"},
    ResourceRow{ids::kColumnCountry, u8"Land"},
    ResourceRow{ids::kRestoreDatabase,
                u8"Durch die Wiederherstellung werden alle vorhandenen Daten in der aktuellen "
                u8"Datenbank gelöscht. Soll wirklich die aktuelle Datenbank überschrieben werden?"},
    ResourceRow{ids::kProductName, u8"KICKWERK 06"},
    ResourceRow{ids::kApplicationTitle, u8"Editor"},
    ResourceRow{ids::kOnlyTdbFiles,
                u8"Nur *.tdb Dateien können geladen werden, bitte versuchen Sie es erneut."},
    ResourceRow{ids::kBadgePathTooLong,
                u8"Der Dateiname %s ist länger als %d Zeichen und kann für den Verein nicht "
                u8"gespeichert werden. Bitte wählen Sie ein anderes Wappen."},
    ResourceRow{ids::kCityPictureOutsideFolder,
                u8"Die Stadtgrafik muss im Ordner %s liegen: ihr Name ist der Name des Ortes."},
    ResourceRow{ids::kCityPictureNameTooLong,
                u8"Der Dateiname %s ist als Ortsname zu lang; ein Ort hat höchstens %d Zeichen."},
    ResourceRow{ids::kCityPictureNotBmp,
                u8"Als Stadtgrafik kann nur eine BMP-Datei gewählt werden."},
    ResourceRow{ids::kCityPictureBadName, u8"Der Dateiname %s kann kein Ortsname sein."},
    ResourceRow{ids::kCityPictureUnreadable, u8"Die Datei %s ist keine lesbare BMP-Datei."},
    ResourceRow{ids::kWithoutShirtNumber, u8"ohne Nummer"},
    ResourceRow{ids::kValueNotStored, u8"Die Datenbank speichert keinen solchen Wert."},
    ResourceRow{ids::kStaffRoleNames + 1, u8"Trainer"},
    ResourceRow{ids::kStaffRoleNames + 2, u8"Manager"},
    ResourceRow{ids::kStaffRoleNames + 3, u8"Präsident"},
    ResourceRow{ids::kStaffRoleNames + 4, u8"Co-Trainer"},
    ResourceRow{ids::kStaffRoleNames + 5, u8"Torwarttrainer"},
    ResourceRow{ids::kStaffRoleNames + 6, u8"Amateurtrainer"},
    ResourceRow{ids::kStaffRoleNames + 7, u8"Jugendtrainer"},
    ResourceRow{ids::kStaffRoleNames + 8, u8"Chefscout"},
    ResourceRow{ids::kStaffRoleNames + 9, u8"Doktor"},
    ResourceRow{ids::kStaffRoleNames + 10, u8"Spezialist Knie"},
    ResourceRow{ids::kStaffRoleNames + 11, u8"Spezialist Knöchel"},
    ResourceRow{ids::kStaffRoleNames + 12, u8"Spezialist Muskel"},
    ResourceRow{ids::kStaffRoleNames + 13, u8"Masseur"},
    ResourceRow{ids::kStaffRoleNames + 14, u8"Psychologe"},
    ResourceRow{ids::kStaffRoleNames + 15, u8"Geschäftsführer"},
    ResourceRow{ids::kStaffRoleNames + 16, u8"Marketingmanager"},
    ResourceRow{ids::kStaffRoleNames + 17, u8"Stadionmanager"},
    ResourceRow{ids::kStaffRoleNames + 18, u8"Fanbeauftragter"},
    ResourceRow{ids::kSquadHint,
                u8"Rechte Maustaste auf Liste ruft Kontextmenü auf (z.B. für das Anlegen neuer "
                u8"Spieler)!"},
    ResourceRow{ids::kTalentNames + 0, u8"Normal"},
    ResourceRow{ids::kTalentNames + 1, u8"Groß"},
    ResourceRow{ids::kTalentNames + 2, u8"Sehr groß"},
    ResourceRow{ids::kTalentNames + 3, u8"Riesig"},
    ResourceRow{ids::kTalentNames + 4, u8"Gigantisch"},
    ResourceRow{ids::kTeammateEffects + 0, u8"-"},
    ResourceRow{ids::kTeammateEffects + 1, u8"+1% auf alle Mitspieler"},
    ResourceRow{ids::kTeammateEffects + 2, u8"+2% auf alle Mitspieler"},
    ResourceRow{ids::kTeammateEffects + 3, u8"+5% auf alle Mitspieler"},
    ResourceRow{ids::kTeammateEffects + 4, u8"+10% auf alle Mitspieler"},
    ResourceRow{ids::kTeammateEffects + 5, u8"+5% auf alle Mitspieler bei Rückstand"},
    ResourceRow{ids::kTeammateEffects + 6, u8"+10% auf alle Mitspieler bei Rückstand"},
    ResourceRow{ids::kTeammateEffects + 7, u8"+1% auf alle Spieler im Mannschaftsteil"},
    ResourceRow{ids::kTeammateEffects + 8, u8"+2% auf alle Spieler im Mannschaftsteil"},
    ResourceRow{ids::kTeammateEffects + 9, u8"+5% auf alle Spieler im Mannschaftsteil"},
    ResourceRow{ids::kPlayerPictureSize,
                u8"WARNUNG! Größe des Bildes ist inkompatibel mit verwendeter Bildgröße 160x160 "
                u8"Pixel, Bild wird skaliert dargestellt."},
    ResourceRow{ids::kMainCaption, u8"KW 06 Datenbank Editor"},
    ResourceRow{ids::kSaveTitle, u8"Daten werden gespeichert"},
    ResourceRow{ids::kSaveText, u8"Dieser Vorgang kann etwas dauern."},
    ResourceRow{ids::kSavePhase, u8"Phase %i: Exportiere %s..."},
    ResourceRow{ids::kSaveFailed,
                u8"Es trat mindestens ein Fehler beim Schreiben der Dateien auf. Stellen Sie "
                u8"sicher, dass Sie Schreibrechte auf das Verzeichnis haben."},
    ResourceRow{ids::kDatabaseExists,
                u8"Die Datenbank mit dem Namen %s existiert schon. Soll die vorhandene Datenbank "
                u8"überschrieben werden?"},
    ResourceRow{ids::kTooManyTeams,
                u8"To many Teams used in current competition structure, please remove some "
                u8"leagues!"},
    ResourceRow{ids::kProgressCaption, u8"KW06 - Bitte warten!"},
    ResourceRow{ids::kDateFormat, u8"%4 %1/%2"},
    ResourceRow{ids::kSecondTeamPattern, u8"%s 2"},
    ResourceRow{ids::kCreateAClub, u8"Create A Club Verein"},
    ResourceRow{ids::kRemovePlayerCaption, u8"Spieler löschen"},
    ResourceRow{ids::kRemovePlayerQuestion,
                u8"Wollen Sie den Spieler komplett löschen oder soll er auf die Liste der "
                u8"vereinslosen Spieler gesetzt werden?"},
    ResourceRow{ids::kDeleteCompletely, u8"Löschen"},
    ResourceRow{ids::kNoClub, u8"Kein Verein"},
    ResourceRow{ids::kExportClubStatus, u8"Exportiere %s..."},
    ResourceRow{ids::kImportData, u8"Importiere die Daten..."},
    ResourceRow{ids::kImportQuestion,
                u8"Das Importieren eines KW Archives überschreibt alle aktuellen Daten, Wappen und "
                u8"Spielerbilder. Soll der Vorgang wirklich fortgesetzt werden?"},
    ResourceRow{ids::kDamagedCountries,
                u8"Die folgenden Länderdateien sind beschädigt oder unvollständig und konnten "
                u8"nicht ganz gelesen werden:\n%s\n\nBeim Speichern und Exportieren bleiben "
                u8"diese Dateien unverändert erhalten."},
    ResourceRow{ids::kImportDamaged,
                u8"Das Archiv %s ist beschädigt oder kein KW Archiv. Es wurden keine Daten "
                u8"importiert."},
    ResourceRow{ids::kLockFailed,
                u8"Die Sperre gegen einen zweiten gleichzeitig laufenden Editor konnte nicht "
                u8"angelegt werden:\n%s\nDer Editor startet trotzdem. Starten Sie ihn nicht ein "
                u8"zweites Mal, solange er läuft."},
    ResourceRow{ids::kReplaceDamagedCountries,
                u8"Die folgenden Länderdateien waren beim Laden beschädigt oder unvollständig:\n%s"
                u8"\n\nSollen sie jetzt durch die Daten im Editor ersetzt werden? Bei \"Nein\" "
                u8"bleiben sie unverändert erhalten."},
    ResourceRow{ids::kMasterCaption, u8"Aktuelle Daten zum Spiel exportieren"},
    ResourceRow{ids::kMasterText,
                u8"Die Daten der aktuellen Datenbank werden zum Kickwerk exportiert. Dieser "
                u8"Vorgang kann etwas dauern.."},
    ResourceRow{ids::kNoCompleteCountry, u8"Kein Land ist korrekt initialisiert!"},
    ResourceRow{ids::kDatabaseSaved, u8"Datenbank gespeichert!"},
    ResourceRow{ids::kSaveChanges,
                u8"Die Datenbank \"%s\" enthält Änderungen, die noch nicht gespeichert sind. "
                u8"Sollen sie gespeichert werden? Verworfene Änderungen gehen verloren."},
    ResourceRow{ids::kInvalidDatabaseName,
                u8"Der Name \"%s\" kann nicht als Datenbankname verwendet werden. Er darf nicht "
                u8"leer sein, nicht mit einem Leerzeichen beginnen oder enden und keines der "
                u8"Zeichen / \\ \" * ? < > : enthalten."},
    ResourceRow{ids::kDemoCaption, u8"Demo-Installation"},
    ResourceRow{ids::kDemoTables, u8"Tabellen und Namenslisten werden geschrieben..."},
    ResourceRow{ids::kDemoWorld, u8"Vereine, Spieler und Wettbewerbe werden erzeugt..."},
    ResourceRow{ids::kDemoFailed, u8"Die Demo-Installation konnte nicht erstellt werden:\n%s"},
    ResourceRow{ids::kDemoBadges, u8"Wappen werden gezeichnet..."},
    ResourceRow{ids::kListExportFailed,
                u8"Die Liste konnte nicht in die Datei %s geschrieben werden."},
    ResourceRow{ids::kListPrintEmpty, u8"Die Liste ist leer, es gibt nichts zu drucken."},
    ResourceRow{ids::kListPrintTooNarrow,
                u8"Die Spalten der Liste passen nicht zwischen die Ränder der Seite. Wählen Sie "
                u8"ein breiteres Papierformat oder das Querformat."},
    ResourceRow{ids::kListPrintTooShort,
                u8"Auf der Seite ist kein Platz für eine Zeile der Liste. Wählen Sie ein größeres "
                u8"Papierformat."},
    ResourceRow{ids::kListPrintFailed, u8"Der Drucker hat die Liste nicht angenommen."},
    ResourceRow{ids::kHintCaption, u8"KW 06 Editor Hinweis"},
    ResourceRow{ids::kAttentionCaption, u8"Kickwerk 06 - Achtung!"},
    ResourceRow{ids::kAttention, u8"Achtung!"},
    ResourceRow{ids::kErrorHeading, u8"Fehler"},
    ResourceRow{ids::kAbort, u8"Abbrechen"},
    ResourceRow{ids::kDeleteDatabaseFailed,
                u8"Die Datenbank \"%s\" konnte nicht gelöscht werden. Sie liegt nicht im "
                u8"Datenbankordner, oder es fehlen Schreibrechte."},
    ResourceRow{ids::kDeleteOpenDatabase,
                u8"Sie ist zurzeit im Editor geöffnet; ihre Daten bleiben dort erhalten, bis Sie "
                u8"sie speichern oder schließen."},
    ResourceRow{ids::kNewClubPrompt,
                u8"Neuer Verein\tBitte geben Sie den Namen des neuen Vereins ein!\t"},
    ResourceRow{ids::kNoInvalidBadges, u8"Kein Verein benutzt ein ungültiges Wappen."},
    ResourceRow{ids::kRecentDatabaseMissing,
                u8"Die Datenbank %s gibt es nicht mehr. Sie wird aus der Liste der zuletzt "
                u8"geöffneten Datenbanken entfernt."},
    ResourceRow{ids::kSyncCaption, u8"Datenbanken synchronisieren"},
    ResourceRow{ids::kClubCopyCaption, u8"Verein kopieren"},
    ResourceRow{ids::kCountryCopyCaption, u8"Länderdaten kopieren"},
    ResourceRow{ids::kSyncCountryFull,
                u8"Das Land %s hat schon %d Vereine, ein weiterer Verein kann nicht angelegt "
                u8"werden."},
    ResourceRow{ids::kClubCopyGeneral, u8"Allgemeine Informationen: Allgemein"},
    ResourceRow{ids::kClubCopyFinances, u8"Allgemeine Informationen: Finanzen"},
    ResourceRow{ids::kClubCopyAddress, u8"Allgemeine Informationen: Anschrift + Lokale Presse"},
    ResourceRow{ids::kClubCopyAttendance, u8"Allgemeine Informationen: Zuschauerinteresse"},
    ResourceRow{ids::kClubCopyBadge, u8"Wappen und Vereinsfarben"},
    ResourceRow{ids::kClubCopyKit, u8"Trikot"},
    ResourceRow{ids::kClubCopyStadium, u8"Stadion / Umgebung: Stadion"},
    ResourceRow{ids::kClubCopyLocation, u8"Stadion / Umgebung: Ortsangabe"},
    ResourceRow{ids::kClubCopySurroundings, u8"Stadion / Umgebung: Stadionumgebung"},
    ResourceRow{ids::kClubCopyTransfers, u8"Bevorzugte Transfers"},
    ResourceRow{ids::kClubCopyHistory, u8"Historische Daten"},
    ResourceRow{ids::kClubCopyFirstTeam, u8"Spielerdaten 1. Mannschaft"},
    ResourceRow{ids::kClubCopySecondTeam, u8"Spielerdaten 2. Mannschaft"},
    ResourceRow{ids::kClubCopyStaff, u8"Spielerdaten Trainer und Präsidenten"},
    ResourceRow{ids::kCountryCopyGeneral, u8"Allgemeine Informationen"},
    ResourceRow{ids::kCountryCopyYouth, u8"Jugendspieler"},
    ResourceRow{ids::kCountryCopyReferees, u8"Schiedsrichter"},
    ResourceRow{ids::kCountryCopyStadiums, u8"Stadienliste"},
    ResourceRow{ids::kCountryCopyManagers, u8"Sonstige Trainer/Manager"},
    ResourceRow{ids::kCountryCopyClubs, u8"Vereine / Spielpläne übernehmen"},
    ResourceRow{ids::kStaffDuplicatesHeading,
                u8"Doppelte Personen (gleicher Name und Geburtstag):"},
    ResourceRow{ids::kStaffNoDuplicates, u8"Keine doppelten Personen gefunden."},
    ResourceRow{ids::kCountryWindowCaption, u8"Land Einstellungen"},
    ResourceRow{ids::kCountryTabGeneral, u8"Allgemeine Informationen"},
    ResourceRow{ids::kCountryTabLeagueSystem, u8"Ligasystem"},
    ResourceRow{ids::kCountryTabCups, u8"Pokal"},
    ResourceRow{ids::kCountryTabYouth, u8"Jugendspieler"},
    ResourceRow{ids::kCountryTabReferees, u8"Schiedsrichter"},
    ResourceRow{ids::kCountryTabManagers, u8"Sonstige Trainer/Manager"},
    ResourceRow{ids::kCountryTabLook, u8"Spieler Aussehen"},
    ResourceRow{ids::kClimates + 0, u8"Gemäßigt"},
    ResourceRow{ids::kClimates + 1, u8"Mediterran"},
    ResourceRow{ids::kClimates + 2, u8"Kontinental"},
    ResourceRow{ids::kClimates + 3, u8"Tropisch"},
    ResourceRow{ids::kClimates + 4, u8"Trocken"},
    ResourceRow{ids::kClimates + 5, u8"Polar"},
    ResourceRow{ids::kReserveSwitches + 0, u8"Nicht erlaubt"},
    ResourceRow{ids::kReserveSwitches + 1, u8"Jederzeit erlaubt"},
    ResourceRow{ids::kReserveSwitches + 2, u8"Nur in der Transferphase"},
};

static_assert(std::is_sorted(std::begin(kResourceRows), std::end(kResourceRows),
                             [](const ResourceRow& a, const ResourceRow& b) {
                                 return a.id <= b.id;
                             }),
              "resource rows must be sorted by id without duplicates");

const std::array<std::string, std::size(kResourceRows)>& ConvertedTexts() {
    static const auto texts = [] {
        std::array<std::string, std::size(kResourceRows)> converted;
        for (std::size_t i = 0; i < std::size(kResourceRows); ++i) {
            const std::u8string_view text = kResourceRows[i].text;
            converted[i] = Utf8ToCp1252(
                std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
        }
        return converted;
    }();
    return texts;
}

}  // namespace

std::string_view ResourceString(int id) {
    const auto row = std::lower_bound(
        std::begin(kResourceRows), std::end(kResourceRows), id,
        [](const ResourceRow& candidate, int wanted) { return candidate.id < wanted; });
    if (row == std::end(kResourceRows) || row->id != id) {
        return "";
    }
    return ConvertedTexts()[static_cast<std::size_t>(row - std::begin(kResourceRows))];
}

std::string FormatPrintf(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::string result;
    if (length > 0) {
        result.resize(static_cast<std::size_t>(length));
        // The string's own terminator slot takes the final zero.
        std::vsnprintf(result.data(), result.size() + 1, format, arguments);
    }
    va_end(arguments);
    return result;
}

}  // namespace kw
