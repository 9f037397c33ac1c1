#include "gui/controls/GuiStrings.h"

#include "platform/ResourceTable.h"

namespace kw {

namespace {

// Sorted by id.
constexpr SResourceRow kGuiRows[] = {
    SResourceRow{ids::kContractEndDrawn,
                 KW_RESOURCE_TEXT("kw::Resource", "wird bei Programmstart ausgewürfelt")},
    SResourceRow{ids::kClubPageGeneral,
                 KW_RESOURCE_TEXT("kw::Resource", "Allgemeine Informationen")},
    SResourceRow{ids::kClubPageBadge, KW_RESOURCE_TEXT("kw::Resource", "Wappen")},
    SResourceRow{ids::kClubPageKits, KW_RESOURCE_TEXT("kw::Resource", "Trikots")},
    SResourceRow{ids::kClubPageStadium, KW_RESOURCE_TEXT("kw::Resource", "Stadion/Umgebung")},
    SResourceRow{ids::kClubPageHistory, KW_RESOURCE_TEXT("kw::Resource", "Historische Daten")},
    SResourceRow{ids::kNoMatter, KW_RESOURCE_TEXT("kw::Resource", "Egal")},
    SResourceRow{ids::kLanguageGerman, KW_RESOURCE_TEXT("kw::Resource", "Deutsch")},
    SResourceRow{ids::kLanguageEnglish, KW_RESOURCE_TEXT("kw::Resource", "Englisch")},
    SResourceRow{ids::kLanguageFrench, KW_RESOURCE_TEXT("kw::Resource", "Französisch")},
    SResourceRow{ids::kLanguageSpanish, KW_RESOURCE_TEXT("kw::Resource", "Spanisch")},
    SResourceRow{ids::kLanguageItalian, KW_RESOURCE_TEXT("kw::Resource", "Italienisch")},
    SResourceRow{
        ids::kDeleteDatabase,
        KW_RESOURCE_TEXT("kw::Resource", "Möchten Sie die Datenbank \"%s\" wirklich löschen?")},
    SResourceRow{
        ids::kNationalTeamNotOverwritten,
        KW_RESOURCE_TEXT("kw::Resource", "Das Nationalteam kann nicht überschrieben werden")},
    SResourceRow{
        ids::kRendererMissing,
        KW_RESOURCE_TEXT(
            "kw::Resource",
            "Die Laufzeitbibliothek Renderer.dll konnte nicht geladen werden. Es ist keine 3D "
            "Darstellung möglich")},
    SResourceRow{ids::kColumnStrength, KW_RESOURCE_TEXT("kw::Resource", "Stärke")},
    SResourceRow{ids::kNewDatabasePrompt,
                 KW_RESOURCE_TEXT("kw::Resource",
                                  "Neue Datenbank erstellen\tWelchen Namen soll die neue Datenbank "
                                  "bekommen?\tNeueDatenbank")},
    SResourceRow{
        ids::kRemoveClubPersons,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Sollen wirklich alle Spieler und Manager vom Verein entfernt werden?")},
    SResourceRow{ids::kDuplicatesTitle,
                 KW_RESOURCE_TEXT("kw::Resource", "Doppelte Spieler in der Datenbank")},
    SResourceRow{ids::kColumnAge, KW_RESOURCE_TEXT("kw::Resource", "Alter")},
    SResourceRow{ids::kColumnTalent, KW_RESOURCE_TEXT("kw::Resource", "Talent")},
    SResourceRow{ids::kColumnCaps, KW_RESOURCE_TEXT("kw::Resource", "Länderspiele")},
    SResourceRow{ids::kSpecialityColumn, KW_RESOURCE_TEXT("kw::Resource", "Besonderheit")},
    SResourceRow{ids::kColumnFirstName, KW_RESOURCE_TEXT("kw::Resource", "Vorname")},
    SResourceRow{ids::kColumnSurname, KW_RESOURCE_TEXT("kw::Resource", "Nachname")},
    SResourceRow{ids::kColumnStageName, KW_RESOURCE_TEXT("kw::Resource", "Künstlername")},
    SResourceRow{ids::kColumnCountry, KW_RESOURCE_TEXT("kw::Resource", "Land")},
    SResourceRow{
        ids::kRestoreDatabase,
        KW_RESOURCE_TEXT(
            "kw::Resource",
            "Durch die Wiederherstellung werden alle vorhandenen Daten in der aktuellen "
            "Datenbank gelöscht. Soll wirklich die aktuelle Datenbank überschrieben werden?")},
    SResourceRow{ids::kOnlyTdbFiles,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Nur *.tdb Dateien können geladen werden, bitte versuchen Sie es erneut.")},
    SResourceRow{
        ids::kBadgePathTooLong,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Der Dateiname %s ist länger als %d Zeichen und kann für den Verein nicht "
                         "gespeichert werden. Bitte wählen Sie ein anderes Wappen.")},
    SResourceRow{ids::kWithoutShirtNumber, KW_RESOURCE_TEXT("kw::Resource", "ohne Nummer")},
    SResourceRow{ids::kValueNotStored,
                 KW_RESOURCE_TEXT("kw::Resource", "Die Datenbank speichert keinen solchen Wert.")},
    SResourceRow{ids::kSquadHint,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Rechte Maustaste auf Liste ruft Kontextmenü auf (z.B. für das Anlegen neuer "
                     "Spieler)!")},
    SResourceRow{ids::kPlayerPictureSize,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "WARNUNG! Größe des Bildes ist inkompatibel mit verwendeter Bildgröße 160x160 "
                     "Pixel, Bild wird skaliert dargestellt.")},
    SResourceRow{
        ids::kReplaceDamagedCountries,
        KW_RESOURCE_TEXT(
            "kw::Resource",
            "Die folgenden Länderdateien waren beim Laden beschädigt oder unvollständig:\n%s"
            "\n\nSollen sie jetzt durch die Daten im Editor ersetzt werden? Bei \"Nein\" "
            "bleiben sie unverändert erhalten.")},
    SResourceRow{ids::kInvalidDatabaseName,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Der Name \"%s\" kann nicht als Datenbankname verwendet werden. Er darf nicht "
                     "leer sein, nicht mit einem Leerzeichen beginnen oder enden und keines der "
                     "Zeichen / \\ \" * ? < > : enthalten.")},
    SResourceRow{ids::kListExportFailed,
                 KW_RESOURCE_TEXT("kw::Resource",
                                  "Die Liste konnte nicht in die Datei %s geschrieben werden.")},
    SResourceRow{
        ids::kListPrintEmpty,
        KW_RESOURCE_TEXT("kw::Resource", "Die Liste ist leer, es gibt nichts zu drucken.")},
    SResourceRow{ids::kListPrintTooNarrow,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Die Spalten der Liste passen nicht zwischen die Ränder der Seite. Wählen Sie "
                     "ein breiteres Papierformat oder das Querformat.")},
    SResourceRow{
        ids::kListPrintTooShort,
        KW_RESOURCE_TEXT(
            "kw::Resource",
            "Auf der Seite ist kein Platz für eine Zeile der Liste. Wählen Sie ein größeres "
            "Papierformat.")},
    SResourceRow{ids::kListPrintFailed,
                 KW_RESOURCE_TEXT("kw::Resource", "Der Drucker hat die Liste nicht angenommen.")},
    SResourceRow{ids::kHintCaption, KW_RESOURCE_TEXT("kw::Resource", "KW 06 Editor Hinweis")},
    SResourceRow{ids::kAttentionCaption,
                 KW_RESOURCE_TEXT("kw::Resource", "Kickwerk 06 - Achtung!")},
    SResourceRow{ids::kAttention, KW_RESOURCE_TEXT("kw::Resource", "Achtung!")},
    SResourceRow{ids::kErrorHeading, KW_RESOURCE_TEXT("kw::Resource", "Fehler")},
    SResourceRow{ids::kAbort, KW_RESOURCE_TEXT("kw::Resource", "Abbrechen")},
    SResourceRow{
        ids::kDeleteDatabaseFailed,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Die Datenbank \"%s\" konnte nicht gelöscht werden. Sie liegt nicht im "
                         "Datenbankordner, oder es fehlen Schreibrechte.")},
    SResourceRow{
        ids::kDeleteOpenDatabase,
        KW_RESOURCE_TEXT(
            "kw::Resource",
            "Sie ist zurzeit im Editor geöffnet; ihre Daten bleiben dort erhalten, bis Sie "
            "sie speichern oder schließen.")},
    SResourceRow{
        ids::kNewClubPrompt,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Neuer Verein\tBitte geben Sie den Namen des neuen Vereins ein!\t")},
    SResourceRow{ids::kNoInvalidBadges,
                 KW_RESOURCE_TEXT("kw::Resource", "Kein Verein benutzt ein ungültiges Wappen.")},
    SResourceRow{
        ids::kRecentDatabaseMissing,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Die Datenbank %s gibt es nicht mehr. Sie wird aus der Liste der zuletzt "
                         "geöffneten Datenbanken entfernt.")},
    SResourceRow{ids::kSyncCaption,
                 KW_RESOURCE_TEXT("kw::Resource", "Datenbanken synchronisieren")},
    SResourceRow{ids::kClubCopyGeneral,
                 KW_RESOURCE_TEXT("kw::Resource", "Allgemeine Informationen: Allgemein")},
    SResourceRow{ids::kClubCopyFinances,
                 KW_RESOURCE_TEXT("kw::Resource", "Allgemeine Informationen: Finanzen")},
    SResourceRow{
        ids::kClubCopyAddress,
        KW_RESOURCE_TEXT("kw::Resource", "Allgemeine Informationen: Anschrift + Lokale Presse")},
    SResourceRow{ids::kClubCopyAttendance,
                 KW_RESOURCE_TEXT("kw::Resource", "Allgemeine Informationen: Zuschauerinteresse")},
    SResourceRow{ids::kClubCopyBadge, KW_RESOURCE_TEXT("kw::Resource", "Wappen und Vereinsfarben")},
    SResourceRow{ids::kClubCopyKit, KW_RESOURCE_TEXT("kw::Resource", "Trikot")},
    SResourceRow{ids::kClubCopyStadium,
                 KW_RESOURCE_TEXT("kw::Resource", "Stadion / Umgebung: Stadion")},
    SResourceRow{ids::kClubCopyLocation,
                 KW_RESOURCE_TEXT("kw::Resource", "Stadion / Umgebung: Ortsangabe")},
    SResourceRow{ids::kClubCopySurroundings,
                 KW_RESOURCE_TEXT("kw::Resource", "Stadion / Umgebung: Stadionumgebung")},
    SResourceRow{ids::kClubCopyTransfers, KW_RESOURCE_TEXT("kw::Resource", "Bevorzugte Transfers")},
    SResourceRow{ids::kClubCopyHistory, KW_RESOURCE_TEXT("kw::Resource", "Historische Daten")},
    SResourceRow{ids::kClubCopyFirstTeam,
                 KW_RESOURCE_TEXT("kw::Resource", "Spielerdaten 1. Mannschaft")},
    SResourceRow{ids::kClubCopySecondTeam,
                 KW_RESOURCE_TEXT("kw::Resource", "Spielerdaten 2. Mannschaft")},
    SResourceRow{ids::kClubCopyStaff,
                 KW_RESOURCE_TEXT("kw::Resource", "Spielerdaten Trainer und Präsidenten")},
    SResourceRow{ids::kCountryCopyGeneral,
                 KW_RESOURCE_TEXT("kw::Resource", "Allgemeine Informationen")},
    SResourceRow{ids::kCountryCopyYouth, KW_RESOURCE_TEXT("kw::Resource", "Jugendspieler")},
    SResourceRow{ids::kCountryCopyReferees, KW_RESOURCE_TEXT("kw::Resource", "Schiedsrichter")},
    SResourceRow{ids::kCountryCopyStadiums, KW_RESOURCE_TEXT("kw::Resource", "Stadienliste")},
    SResourceRow{ids::kCountryCopyManagers,
                 KW_RESOURCE_TEXT("kw::Resource", "Sonstige Trainer/Manager")},
    SResourceRow{ids::kCountryCopyClubs,
                 KW_RESOURCE_TEXT("kw::Resource", "Vereine / Spielpläne übernehmen")},
    SResourceRow{
        ids::kStaffDuplicatesHeading,
        KW_RESOURCE_TEXT("kw::Resource", "Doppelte Personen (gleicher Name und Geburtstag):")},
    SResourceRow{ids::kStaffNoDuplicates,
                 KW_RESOURCE_TEXT("kw::Resource", "Keine doppelten Personen gefunden.")},
    SResourceRow{ids::kCountryWindowCaption,
                 KW_RESOURCE_TEXT("kw::Resource", "Land Einstellungen")},
    SResourceRow{ids::kCountryTabGeneral,
                 KW_RESOURCE_TEXT("kw::Resource", "Allgemeine Informationen")},
    SResourceRow{ids::kCountryTabLeagueSystem, KW_RESOURCE_TEXT("kw::Resource", "Ligasystem")},
    SResourceRow{ids::kCountryTabCups, KW_RESOURCE_TEXT("kw::Resource", "Pokal")},
    SResourceRow{ids::kCountryTabYouth, KW_RESOURCE_TEXT("kw::Resource", "Jugendspieler")},
    SResourceRow{ids::kCountryTabReferees, KW_RESOURCE_TEXT("kw::Resource", "Schiedsrichter")},
    SResourceRow{ids::kCountryTabManagers,
                 KW_RESOURCE_TEXT("kw::Resource", "Sonstige Trainer/Manager")},
    SResourceRow{ids::kCountryTabLook, KW_RESOURCE_TEXT("kw::Resource", "Spieler Aussehen")},
};

static_assert(SortedByUniqueId(kGuiRows), "window texts must be sorted by id without duplicates");

}  // namespace

std::string_view GuiString(int id) {
    static const CResourceTable table(kGuiRows);
    return table.Find(id).value_or(ResourceString(id));
}

}  // namespace kw
