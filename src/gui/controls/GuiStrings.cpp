#include "gui/controls/GuiStrings.h"

#include "platform/ResourceTable.h"

namespace kw {

namespace {

// Sorted by id.
constexpr SResourceRow kGuiRows[] = {
    SResourceRow{ids::kContractEndDrawn, u8"wird bei Programmstart ausgewürfelt"},
    SResourceRow{ids::kClubPageGeneral, u8"Allgemeine Informationen"},
    SResourceRow{ids::kClubPageBadge, u8"Wappen"},
    SResourceRow{ids::kClubPageKits, u8"Trikots"},
    SResourceRow{ids::kClubPageStadium, u8"Stadion/Umgebung"},
    SResourceRow{ids::kClubPageHistory, u8"Historische Daten"},
    SResourceRow{ids::kNoMatter, u8"Egal"},
    SResourceRow{ids::kLanguageGerman, u8"Deutsch"},
    SResourceRow{ids::kLanguageEnglish, u8"Englisch"},
    SResourceRow{ids::kLanguageFrench, u8"Französisch"},
    SResourceRow{ids::kLanguageSpanish, u8"Spanisch"},
    SResourceRow{ids::kLanguageItalian, u8"Italienisch"},
    SResourceRow{ids::kDeleteDatabase, u8"Möchten Sie die Datenbank \"%s\" wirklich löschen?"},
    SResourceRow{ids::kNationalTeamNotOverwritten,
                 u8"Das Nationalteam kann nicht überschrieben werden"},
    SResourceRow{
        ids::kRendererMissing,
        u8"Die Laufzeitbibliothek Renderer.dll konnte nicht geladen werden. Es ist keine 3D "
        u8"Darstellung möglich"},
    SResourceRow{ids::kColumnStrength, u8"Stärke"},
    SResourceRow{ids::kNewDatabasePrompt,
                 u8"Neue Datenbank erstellen\tWelchen Namen soll die neue Datenbank "
                 u8"bekommen?\tNeueDatenbank"},
    SResourceRow{ids::kRemoveClubPersons,
                 u8"Sollen wirklich alle Spieler und Manager vom Verein entfernt werden?"},
    SResourceRow{ids::kDuplicatesTitle, u8"Doppelte Spieler in der Datenbank"},
    SResourceRow{ids::kColumnAge, u8"Alter"},
    SResourceRow{ids::kColumnTalent, u8"Talent"},
    SResourceRow{ids::kColumnCaps, u8"Länderspiele"},
    SResourceRow{ids::kSpecialityColumn, u8"Besonderheit"},
    SResourceRow{ids::kColumnFirstName, u8"Vorname"},
    SResourceRow{ids::kColumnSurname, u8"Nachname"},
    SResourceRow{ids::kColumnStageName, u8"Künstlername"},
    SResourceRow{ids::kColumnCountry, u8"Land"},
    SResourceRow{
        ids::kRestoreDatabase,
        u8"Durch die Wiederherstellung werden alle vorhandenen Daten in der aktuellen "
        u8"Datenbank gelöscht. Soll wirklich die aktuelle Datenbank überschrieben werden?"},
    SResourceRow{ids::kOnlyTdbFiles,
                 u8"Nur *.tdb Dateien können geladen werden, bitte versuchen Sie es erneut."},
    SResourceRow{ids::kBadgePathTooLong,
                 u8"Der Dateiname %s ist länger als %d Zeichen und kann für den Verein nicht "
                 u8"gespeichert werden. Bitte wählen Sie ein anderes Wappen."},
    SResourceRow{ids::kWithoutShirtNumber, u8"ohne Nummer"},
    SResourceRow{ids::kValueNotStored, u8"Die Datenbank speichert keinen solchen Wert."},
    SResourceRow{ids::kSquadHint,
                 u8"Rechte Maustaste auf Liste ruft Kontextmenü auf (z.B. für das Anlegen neuer "
                 u8"Spieler)!"},
    SResourceRow{ids::kPlayerPictureSize,
                 u8"WARNUNG! Größe des Bildes ist inkompatibel mit verwendeter Bildgröße 160x160 "
                 u8"Pixel, Bild wird skaliert dargestellt."},
    SResourceRow{ids::kReplaceDamagedCountries,
                 u8"Die folgenden Länderdateien waren beim Laden beschädigt oder unvollständig:\n%s"
                 u8"\n\nSollen sie jetzt durch die Daten im Editor ersetzt werden? Bei \"Nein\" "
                 u8"bleiben sie unverändert erhalten."},
    SResourceRow{ids::kInvalidDatabaseName,
                 u8"Der Name \"%s\" kann nicht als Datenbankname verwendet werden. Er darf nicht "
                 u8"leer sein, nicht mit einem Leerzeichen beginnen oder enden und keines der "
                 u8"Zeichen / \\ \" * ? < > : enthalten."},
    SResourceRow{ids::kListExportFailed,
                 u8"Die Liste konnte nicht in die Datei %s geschrieben werden."},
    SResourceRow{ids::kListPrintEmpty, u8"Die Liste ist leer, es gibt nichts zu drucken."},
    SResourceRow{ids::kListPrintTooNarrow,
                 u8"Die Spalten der Liste passen nicht zwischen die Ränder der Seite. Wählen Sie "
                 u8"ein breiteres Papierformat oder das Querformat."},
    SResourceRow{ids::kListPrintTooShort,
                 u8"Auf der Seite ist kein Platz für eine Zeile der Liste. Wählen Sie ein größeres "
                 u8"Papierformat."},
    SResourceRow{ids::kListPrintFailed, u8"Der Drucker hat die Liste nicht angenommen."},
    SResourceRow{ids::kHintCaption, u8"KW 06 Editor Hinweis"},
    SResourceRow{ids::kAttentionCaption, u8"Kickwerk 06 - Achtung!"},
    SResourceRow{ids::kAttention, u8"Achtung!"},
    SResourceRow{ids::kErrorHeading, u8"Fehler"},
    SResourceRow{ids::kAbort, u8"Abbrechen"},
    SResourceRow{ids::kDeleteDatabaseFailed,
                 u8"Die Datenbank \"%s\" konnte nicht gelöscht werden. Sie liegt nicht im "
                 u8"Datenbankordner, oder es fehlen Schreibrechte."},
    SResourceRow{ids::kDeleteOpenDatabase,
                 u8"Sie ist zurzeit im Editor geöffnet; ihre Daten bleiben dort erhalten, bis Sie "
                 u8"sie speichern oder schließen."},
    SResourceRow{ids::kNewClubPrompt,
                 u8"Neuer Verein\tBitte geben Sie den Namen des neuen Vereins ein!\t"},
    SResourceRow{ids::kNoInvalidBadges, u8"Kein Verein benutzt ein ungültiges Wappen."},
    SResourceRow{ids::kRecentDatabaseMissing,
                 u8"Die Datenbank %s gibt es nicht mehr. Sie wird aus der Liste der zuletzt "
                 u8"geöffneten Datenbanken entfernt."},
    SResourceRow{ids::kSyncCaption, u8"Datenbanken synchronisieren"},
    SResourceRow{ids::kClubCopyGeneral, u8"Allgemeine Informationen: Allgemein"},
    SResourceRow{ids::kClubCopyFinances, u8"Allgemeine Informationen: Finanzen"},
    SResourceRow{ids::kClubCopyAddress, u8"Allgemeine Informationen: Anschrift + Lokale Presse"},
    SResourceRow{ids::kClubCopyAttendance, u8"Allgemeine Informationen: Zuschauerinteresse"},
    SResourceRow{ids::kClubCopyBadge, u8"Wappen und Vereinsfarben"},
    SResourceRow{ids::kClubCopyKit, u8"Trikot"},
    SResourceRow{ids::kClubCopyStadium, u8"Stadion / Umgebung: Stadion"},
    SResourceRow{ids::kClubCopyLocation, u8"Stadion / Umgebung: Ortsangabe"},
    SResourceRow{ids::kClubCopySurroundings, u8"Stadion / Umgebung: Stadionumgebung"},
    SResourceRow{ids::kClubCopyTransfers, u8"Bevorzugte Transfers"},
    SResourceRow{ids::kClubCopyHistory, u8"Historische Daten"},
    SResourceRow{ids::kClubCopyFirstTeam, u8"Spielerdaten 1. Mannschaft"},
    SResourceRow{ids::kClubCopySecondTeam, u8"Spielerdaten 2. Mannschaft"},
    SResourceRow{ids::kClubCopyStaff, u8"Spielerdaten Trainer und Präsidenten"},
    SResourceRow{ids::kCountryCopyGeneral, u8"Allgemeine Informationen"},
    SResourceRow{ids::kCountryCopyYouth, u8"Jugendspieler"},
    SResourceRow{ids::kCountryCopyReferees, u8"Schiedsrichter"},
    SResourceRow{ids::kCountryCopyStadiums, u8"Stadienliste"},
    SResourceRow{ids::kCountryCopyManagers, u8"Sonstige Trainer/Manager"},
    SResourceRow{ids::kCountryCopyClubs, u8"Vereine / Spielpläne übernehmen"},
    SResourceRow{ids::kStaffDuplicatesHeading,
                 u8"Doppelte Personen (gleicher Name und Geburtstag):"},
    SResourceRow{ids::kStaffNoDuplicates, u8"Keine doppelten Personen gefunden."},
    SResourceRow{ids::kCountryWindowCaption, u8"Land Einstellungen"},
    SResourceRow{ids::kCountryTabGeneral, u8"Allgemeine Informationen"},
    SResourceRow{ids::kCountryTabLeagueSystem, u8"Ligasystem"},
    SResourceRow{ids::kCountryTabCups, u8"Pokal"},
    SResourceRow{ids::kCountryTabYouth, u8"Jugendspieler"},
    SResourceRow{ids::kCountryTabReferees, u8"Schiedsrichter"},
    SResourceRow{ids::kCountryTabManagers, u8"Sonstige Trainer/Manager"},
    SResourceRow{ids::kCountryTabLook, u8"Spieler Aussehen"},
};

static_assert(SortedByUniqueId(kGuiRows), "window texts must be sorted by id without duplicates");

}  // namespace

std::string_view GuiString(int id) {
    static const CResourceTable table(kGuiRows);
    return table.Find(id).value_or(ResourceString(id));
}

}  // namespace kw
