#include "platform/StringTable.h"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/ResourceTable.h"

namespace kw {

namespace {

// Sorted by id. A plain array: deducing a std::array of this many rows exceeds some compilers'
// nesting limit. Texts the windows show are marked for translation; the few that also go into
// files or records are kData.
constexpr SResourceRow kResourceRows[] = {
    SResourceRow{ids::kInternationalExperience + 0, KW_RESOURCE_TEXT("kw::Resource", "keine")},
    SResourceRow{ids::kInternationalExperience + 1, KW_RESOURCE_TEXT("kw::Resource", "etwas")},
    SResourceRow{ids::kInternationalExperience + 2, KW_RESOURCE_TEXT("kw::Resource", "mittel")},
    SResourceRow{ids::kInternationalExperience + 3, KW_RESOURCE_TEXT("kw::Resource", "groß")},
    SResourceRow{ids::kInternationalExperience + 4, KW_RESOURCE_TEXT("kw::Resource", "gigantisch")},
    SResourceRow{ids::kNationalExperience + 0, KW_RESOURCE_TEXT("kw::Resource", "kaum Erfahrung")},
    SResourceRow{ids::kNationalExperience + 1, KW_RESOURCE_TEXT("kw::Resource", "erste Erfahrung")},
    SResourceRow{ids::kNationalExperience + 2,
                 KW_RESOURCE_TEXT("kw::Resource", "ganze Saison gespielt")},
    SResourceRow{ids::kNationalExperience + 3,
                 KW_RESOURCE_TEXT("kw::Resource", "einige Saisons gespielt")},
    SResourceRow{ids::kNationalExperience + 4,
                 KW_RESOURCE_TEXT("kw::Resource", "gestandener Spieler")},
    SResourceRow{ids::kNationalExperience + 5,
                 KW_RESOURCE_TEXT("kw::Resource", "erfahrener Recke")},
    SResourceRow{ids::kNationalExperience + 6, KW_RESOURCE_TEXT("kw::Resource", "alter Haudegen")},
    SResourceRow{ids::kPositionNames + 0, KW_RESOURCE_TEXT("kw::Resource", " keine")},
    SResourceRow{ids::kPositionNames + 1, KW_RESOURCE_TEXT("kw::Resource", "TO")},
    SResourceRow{ids::kPositionNames + 2, KW_RESOURCE_TEXT("kw::Resource", "RV")},
    SResourceRow{ids::kPositionNames + 3, KW_RESOURCE_TEXT("kw::Resource", "LV")},
    SResourceRow{ids::kPositionNames + 4, KW_RESOURCE_TEXT("kw::Resource", "IV")},
    SResourceRow{ids::kPositionNames + 5, KW_RESOURCE_TEXT("kw::Resource", "LI")},
    SResourceRow{ids::kPositionNames + 6, KW_RESOURCE_TEXT("kw::Resource", "ROV")},
    SResourceRow{ids::kPositionNames + 7, KW_RESOURCE_TEXT("kw::Resource", "LOV")},
    SResourceRow{ids::kPositionNames + 8, KW_RESOURCE_TEXT("kw::Resource", "LVA")},
    SResourceRow{ids::kPositionNames + 9, KW_RESOURCE_TEXT("kw::Resource", "DM")},
    SResourceRow{ids::kPositionNames + 10, KW_RESOURCE_TEXT("kw::Resource", "RM")},
    SResourceRow{ids::kPositionNames + 11, KW_RESOURCE_TEXT("kw::Resource", "LM")},
    SResourceRow{ids::kPositionNames + 12, KW_RESOURCE_TEXT("kw::Resource", "ZM")},
    SResourceRow{ids::kPositionNames + 13, KW_RESOURCE_TEXT("kw::Resource", "RA")},
    SResourceRow{ids::kPositionNames + 14, KW_RESOURCE_TEXT("kw::Resource", "LA")},
    SResourceRow{ids::kPositionNames + 15, KW_RESOURCE_TEXT("kw::Resource", "OM")},
    SResourceRow{ids::kPositionNames + 16, KW_RESOURCE_TEXT("kw::Resource", "HS")},
    SResourceRow{ids::kPositionNames + 17, KW_RESOURCE_TEXT("kw::Resource", "ST")},
    SResourceRow{ids::kBoardStabilityMad, KW_RESOURCE_TEXT("kw::Resource", "Wahnsinnig")},
    SResourceRow{ids::kBoardStabilityUnpredictable,
                 KW_RESOURCE_TEXT("kw::Resource", "Unberechenbar")},
    SResourceRow{ids::kBoardStabilityNormal, KW_RESOURCE_TEXT("kw::Resource", "Normal")},
    SResourceRow{ids::kBoardStabilityStable, KW_RESOURCE_TEXT("kw::Resource", "Stabil")},
    SResourceRow{ids::kBoardStabilityLoyal, KW_RESOURCE_TEXT("kw::Resource", "Treu und visionär")},
    SResourceRow{ids::kStaffRowTrainer, KW_RESOURCE_TEXT("kw::Resource", "%s\tTrainer")},
    SResourceRow{ids::kStaffRowManager, KW_RESOURCE_TEXT("kw::Resource", "%s\tManager")},
    SResourceRow{ids::kStaffRowPresident, KW_RESOURCE_TEXT("kw::Resource", "%s\tPräsident")},
    SResourceRow{ids::kPlayerTypes + 0, KW_RESOURCE_TEXT("kw::Resource", "Katze")},
    SResourceRow{ids::kPlayerTypes + 1, KW_RESOURCE_TEXT("kw::Resource", "Fliegenfänger")},
    SResourceRow{ids::kPlayerTypes + 2, KW_RESOURCE_TEXT("kw::Resource", "Nasser Sack")},
    SResourceRow{ids::kPlayerTypes + 3, KW_RESOURCE_TEXT("kw::Resource", "Elfmeterkiller")},
    SResourceRow{ids::kPlayerTypes + 4, KW_RESOURCE_TEXT("kw::Resource", "Freistossspezialist")},
    SResourceRow{ids::kPlayerTypes + 5, KW_RESOURCE_TEXT("kw::Resource", "Elfmeterspezialist")},
    SResourceRow{ids::kPlayerTypes + 6, KW_RESOURCE_TEXT("kw::Resource", "Distanzschütze")},
    SResourceRow{ids::kPlayerTypes + 7, KW_RESOURCE_TEXT("kw::Resource", "Manndecker")},
    SResourceRow{ids::kPlayerTypes + 8, KW_RESOURCE_TEXT("kw::Resource", "Sturmtank")},
    SResourceRow{ids::kPlayerTypes + 9, KW_RESOURCE_TEXT("kw::Resource", "Flügelflitzer")},
    SResourceRow{ids::kPlayerTypes + 10, KW_RESOURCE_TEXT("kw::Resource", "Flankengott")},
    SResourceRow{ids::kPlayerTypes + 11, KW_RESOURCE_TEXT("kw::Resource", "Konterstürmer")},
    SResourceRow{ids::kPlayerTypes + 12, KW_RESOURCE_TEXT("kw::Resource", "Goalgetter")},
    SResourceRow{ids::kPlayerTypes + 13, KW_RESOURCE_TEXT("kw::Resource", "Mr. Chancentod")},
    SResourceRow{ids::kPlayerTypes + 14, KW_RESOURCE_TEXT("kw::Resource", "Arbeitsbiene")},
    SResourceRow{ids::kPlayerTypes + 15, KW_RESOURCE_TEXT("kw::Resource", "Laufwunder")},
    SResourceRow{ids::kPlayerTypes + 16, KW_RESOURCE_TEXT("kw::Resource", "Leitfigur")},
    SResourceRow{ids::kPlayerTypes + 17, KW_RESOURCE_TEXT("kw::Resource", "Wunderkind")},
    SResourceRow{ids::kPlayerTypes + 18, KW_RESOURCE_TEXT("kw::Resource", "Kreativspieler")},
    SResourceRow{ids::kPlayerTypes + 19, KW_RESOURCE_TEXT("kw::Resource", "Regisseur")},
    SResourceRow{ids::kPlayerTypes + 20, KW_RESOURCE_TEXT("kw::Resource", "Mittelfeldstratege")},
    SResourceRow{ids::kPlayerTypes + 21, KW_RESOURCE_TEXT("kw::Resource", "Wunderstürmer")},
    SResourceRow{ids::kPlayerTypes + 22, KW_RESOURCE_TEXT("kw::Resource", "Abwehrchef")},
    SResourceRow{ids::kPlayerTypes + 23, KW_RESOURCE_TEXT("kw::Resource", "Staubsauger")},
    SResourceRow{ids::kPlayerTypes + 24, KW_RESOURCE_TEXT("kw::Resource", "Fußballgott")},
    SResourceRow{
        ids::kTooManySeasonTicketBlocks,
        KW_RESOURCE_TEXT("kw::Resource", "Sie dürfen nur 3 Blöcke für Dauerkarten festlegen!")},
    SResourceRow{
        ids::kNotOneAwayBlock,
        KW_RESOURCE_TEXT("kw::Resource", "Sie müssen genau einen Block für Gästefans festlegen!")},
    SResourceRow{
        ids::kSeasonTicketAwayBlock,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Blöcke für Dauerkarten und Gästefans dürfen nicht die gleichen sein.")},
    SResourceRow{ids::kErrorsHeading, KW_RESOURCE_TEXT("kw::Resource", "Fehler!")},
    SResourceRow{ids::kContinentEurope, KW_RESOURCE_TEXT("kw::Resource", "Europa")},
    SResourceRow{ids::kContinentSouthAmerica, KW_RESOURCE_TEXT("kw::Resource", "Südamerika")},
    SResourceRow{ids::kContinentNorthAmerica, KW_RESOURCE_TEXT("kw::Resource", "Nordamerika")},
    SResourceRow{ids::kContinentAsia, KW_RESOURCE_TEXT("kw::Resource", "Asien")},
    SResourceRow{ids::kContinentAfrica, KW_RESOURCE_TEXT("kw::Resource", "Afrika")},
    SResourceRow{ids::kContinentOceania, KW_RESOURCE_TEXT("kw::Resource", "Ozeanien")},
    // Written into the country files and the master file.
    SResourceRow{ids::kFirstLeague, "1. Liga", ERowUse::kData},
    // Written into the country files and the master file.
    SResourceRow{ids::kNationalCup, "Nationaler Pokal", ERowUse::kData},
    SResourceRow{ids::kNoFileChosen, KW_RESOURCE_TEXT("kw::Resource", "Keine Datei gewählt")},
    SResourceRow{
        ids::kSquadFewPlayers,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Es sollten mind. 14 Spieler in der ersten Mannschaft vorhanden sein.")},
    SResourceRow{
        ids::kSquadTrainers,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Es darf nur ein Trainer in der ersten Mannschaft vorhanden sein.")},
    SResourceRow{
        ids::kSquadManagers,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Es darf nur ein Manager in der ersten Mannschaft vorhanden sein.")},
    SResourceRow{
        ids::kSquadPresidents,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Es darf nur ein Präsident in der ersten Mannschaft vorhanden sein.")},
    SResourceRow{
        ids::kSquadSecondTeamPresident,
        KW_RESOURCE_TEXT("kw::Resource", "Es darf nur ein Präsident im Verein vorhanden sein.")},
    SResourceRow{ids::kErrorOccurred,
                 KW_RESOURCE_TEXT("kw::Resource", "Der folgende Fehler ist aufgetreten!")},
    SResourceRow{
        ids::kCompleteCountries,
        KW_RESOURCE_TEXT(
            "kw::Resource",
            "Die folgenden Länder sind korrekt initialisiert und werden damit im Spiel zur "
            "Auswahl zur Verfügung stehen.")},
    SResourceRow{ids::kOk, KW_RESOURCE_TEXT("kw::Resource", "OK")},
    SResourceRow{ids::kManagerNationalExperience + 0, KW_RESOURCE_TEXT("kw::Resource", "keine")},
    SResourceRow{ids::kManagerNationalExperience + 1,
                 KW_RESOURCE_TEXT("kw::Resource", "erste Erfahrungen")},
    SResourceRow{ids::kManagerNationalExperience + 2,
                 KW_RESOURCE_TEXT("kw::Resource", "eine Saison")},
    SResourceRow{ids::kManagerNationalExperience + 3,
                 KW_RESOURCE_TEXT("kw::Resource", "mehrere Saisons")},
    SResourceRow{ids::kManagerNationalExperience + 4,
                 KW_RESOURCE_TEXT("kw::Resource", "ein Jahrzehnt")},
    SResourceRow{ids::kManagerNationalExperience + 5,
                 KW_RESOURCE_TEXT("kw::Resource", "alles gesehen")},
    SResourceRow{ids::kManagerNationalExperience + 6,
                 KW_RESOURCE_TEXT("kw::Resource", "alles erlebt")},
    SResourceRow{ids::kManagerInternationalExperience + 0,
                 KW_RESOURCE_TEXT("kw::Resource", "keine")},
    SResourceRow{ids::kManagerInternationalExperience + 1,
                 KW_RESOURCE_TEXT("kw::Resource", "wenig Erfahrung")},
    SResourceRow{ids::kManagerInternationalExperience + 2,
                 KW_RESOURCE_TEXT("kw::Resource", "einige Erfahrung")},
    SResourceRow{ids::kManagerInternationalExperience + 3,
                 KW_RESOURCE_TEXT("kw::Resource", "Europapokal gewonnen")},
    SResourceRow{ids::kManagerInternationalExperience + 4,
                 KW_RESOURCE_TEXT("kw::Resource", "Europapokale gewonnen")},
    SResourceRow{
        ids::kSquadIncompleteName,
        KW_RESOURCE_TEXT("kw::Resource", "Mindestens ein Spieler hat keinen vollständigen Namen.")},
    SResourceRow{ids::kStaffRowCoTrainer, KW_RESOURCE_TEXT("kw::Resource", "%s\tCo-Trainer")},
    SResourceRow{ids::kStaffRowGoalkeeperTrainer,
                 KW_RESOURCE_TEXT("kw::Resource", "%s\tTorwarttrainer")},
    SResourceRow{ids::kStaffRowReserveTrainer,
                 KW_RESOURCE_TEXT("kw::Resource", "%s\tTrainer der Reserve")},
    SResourceRow{ids::kStaffRowYouthTrainer, KW_RESOURCE_TEXT("kw::Resource", "%s\tJugendtrainer")},
    SResourceRow{ids::kStaffRowDoctor, KW_RESOURCE_TEXT("kw::Resource", "%s\tMannschaftsarzt")},
    SResourceRow{ids::kStaffRowChiefScout, KW_RESOURCE_TEXT("kw::Resource", "%s\tChefscout")},
    SResourceRow{ids::kStaffRowKneeSpecialist,
                 KW_RESOURCE_TEXT("kw::Resource", "%s\tSpezialist (Knie)")},
    SResourceRow{ids::kStaffRowAnkleSpecialist,
                 KW_RESOURCE_TEXT("kw::Resource", "%s\tSpezialist (Knöchel)")},
    SResourceRow{ids::kStaffRowMuscleSpecialist,
                 KW_RESOURCE_TEXT("kw::Resource", "%s\tSpezialist (Muskel)")},
    SResourceRow{ids::kStaffRowMasseur, KW_RESOURCE_TEXT("kw::Resource", "%s\tMasseur")},
    SResourceRow{ids::kStaffRowPsychologist, KW_RESOURCE_TEXT("kw::Resource", "%s\tPsychologe")},
    SResourceRow{ids::kStaffRowMarketing, KW_RESOURCE_TEXT("kw::Resource", "%s\tMarketing")},
    SResourceRow{ids::kStaffRowStadiumManager,
                 KW_RESOURCE_TEXT("kw::Resource", "%s\tStadionmanager")},
    SResourceRow{ids::kStaffRowFanOfficer, KW_RESOURCE_TEXT("kw::Resource", "%s\tFanbeauftragter")},
    SResourceRow{ids::kStaffRowDirector, KW_RESOURCE_TEXT("kw::Resource", "%s\tGeschäftsführer")},
    // A new competition's name in every language of the records.
    SResourceRow{ids::kNewCompetitionName, "Neuer Wettbewerb", ERowUse::kData},
    SResourceRow{ids::kNotAvailable, KW_RESOURCE_TEXT("kw::Resource", " nicht vorhanden ")},
    // The folder of the language files.
    SResourceRow{ids::kLanguageDirectory, "ger", ERowUse::kData},
    SResourceRow{ids::kCancel, KW_RESOURCE_TEXT("kw::Resource", "Abbruch")},
    SResourceRow{
        ids::kElapsedTimes,
        KW_RESOURCE_TEXT("kw::Resource", "Verstrichene Zeit: %i:%.2i / Geschätzte Zeit:%i:%.2i")},
    SResourceRow{ids::kImportCaption, KW_RESOURCE_TEXT("kw::Resource", "Datenbank importieren")},
    SResourceRow{
        ids::kImportDescription,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Die Datenbank %s wird importiert. Dieser Vorgang kann etwas dauern.")},
    SResourceRow{ids::kImportStatus,
                 KW_RESOURCE_TEXT("kw::Resource", "initialisiere Importmodul...")},
    SResourceRow{ids::kExportCaption,
                 KW_RESOURCE_TEXT("kw::Resource", "Exportieren der kompletten Datenbank")},
    SResourceRow{
        ids::kExportDescription,
        KW_RESOURCE_TEXT(
            "kw::Resource",
            "Die exportierte Datenbank %s wird erstellt. Dieser Vorgang kann etwas dauern.")},
    SResourceRow{ids::kExportStatus,
                 KW_RESOURCE_TEXT("kw::Resource", "initialisiere Exportmodul...")},
    SResourceRow{
        ids::kSyncSameKindsOnly,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Es können nur gleiche Typen (Kontinent, Land, Verein) untereinander "
                         "synchronisiert werden oder ein Verein auf ein Land gezogen werden.")},
    SResourceRow{
        ids::kSyncDifferentContinents,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Unterschiedliche Kontinente können nicht synchronisiert werden")},
    SResourceRow{ids::kColumnName, KW_RESOURCE_TEXT("kw::Resource", "Name")},
    SResourceRow{ids::kColumnClub, KW_RESOURCE_TEXT("kw::Resource", "Verein")},
    SResourceRow{ids::kColumnBirthday, KW_RESOURCE_TEXT("kw::Resource", "Geburtstag")},
    SResourceRow{ids::kColumnPosition, KW_RESOURCE_TEXT("kw::Resource", "Pos")},
    SResourceRow{ids::kBigNoName, KW_RESOURCE_TEXT("kw::Resource", "Es wurde kein Name angegeben")},
    SResourceRow{
        ids::kBigCannotOpen,
        KW_RESOURCE_TEXT("kw::Resource", "Die Datei %s kann nicht zum Lesen geöffnet werden")},
    SResourceRow{ids::kBigInvalid,
                 KW_RESOURCE_TEXT("kw::Resource", "%s ist keine gültige BIG Datei")},
    SResourceRow{ids::kBigNotFound,
                 KW_RESOURCE_TEXT("kw::Resource",
                                  "Die Datei %s konnte in dem BIG Archiv nicht gefunden werden")},
    SResourceRow{ids::kBigNotOpen,
                 KW_RESOURCE_TEXT("kw::Resource", "BIG Archiv ist nicht geöffnet")},
    SResourceRow{ids::kNoBadge, KW_RESOURCE_TEXT("kw::Resource", " Kein Wappen")},
    SResourceRow{ids::kUnicodeDirectory,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Das aktuelle Verzeichnis oder das \"Eigene Dokumente\" Verzeichnis enthält "
                     "Unicodezeichen. Der Editor unterstütz Unicode Verzeichnisnamen nicht.")},
    SResourceRow{ids::kMissingBadge,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Der Verein %s benutzt ein nicht vorhandenes Wappen mit dem Dateinamen %s.")},
    // The settings file's name.
    SResourceRow{ids::kProductName, "KICKWERK 06", ERowUse::kData},
    SResourceRow{ids::kApplicationTitle, KW_RESOURCE_TEXT("kw::Resource", "Editor")},
    SResourceRow{ids::kCityPictureOutsideFolder,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Die Stadtgrafik muss im Ordner %s liegen: ihr Name ist der Name des Ortes.")},
    SResourceRow{
        ids::kCityPictureNameTooLong,
        KW_RESOURCE_TEXT(
            "kw::Resource",
            "Der Dateiname %s ist als Ortsname zu lang; ein Ort hat höchstens %d Zeichen.")},
    SResourceRow{ids::kCityPictureNotBmp,
                 KW_RESOURCE_TEXT("kw::Resource",
                                  "Als Stadtgrafik kann nur eine BMP-Datei gewählt werden.")},
    SResourceRow{ids::kCityPictureBadName,
                 KW_RESOURCE_TEXT("kw::Resource", "Der Dateiname %s kann kein Ortsname sein.")},
    SResourceRow{ids::kCityPictureUnreadable,
                 KW_RESOURCE_TEXT("kw::Resource", "Die Datei %s ist keine lesbare BMP-Datei.")},
    SResourceRow{ids::kStaffRoleNames + 1, KW_RESOURCE_TEXT("kw::Resource", "Trainer")},
    SResourceRow{ids::kStaffRoleNames + 2, KW_RESOURCE_TEXT("kw::Resource", "Manager")},
    SResourceRow{ids::kStaffRoleNames + 3, KW_RESOURCE_TEXT("kw::Resource", "Präsident")},
    SResourceRow{ids::kStaffRoleNames + 4, KW_RESOURCE_TEXT("kw::Resource", "Co-Trainer")},
    SResourceRow{ids::kStaffRoleNames + 5, KW_RESOURCE_TEXT("kw::Resource", "Torwarttrainer")},
    SResourceRow{ids::kStaffRoleNames + 6, KW_RESOURCE_TEXT("kw::Resource", "Amateurtrainer")},
    SResourceRow{ids::kStaffRoleNames + 7, KW_RESOURCE_TEXT("kw::Resource", "Jugendtrainer")},
    SResourceRow{ids::kStaffRoleNames + 8, KW_RESOURCE_TEXT("kw::Resource", "Chefscout")},
    SResourceRow{ids::kStaffRoleNames + 9, KW_RESOURCE_TEXT("kw::Resource", "Doktor")},
    SResourceRow{ids::kStaffRoleNames + 10, KW_RESOURCE_TEXT("kw::Resource", "Spezialist Knie")},
    SResourceRow{ids::kStaffRoleNames + 11, KW_RESOURCE_TEXT("kw::Resource", "Spezialist Knöchel")},
    SResourceRow{ids::kStaffRoleNames + 12, KW_RESOURCE_TEXT("kw::Resource", "Spezialist Muskel")},
    SResourceRow{ids::kStaffRoleNames + 13, KW_RESOURCE_TEXT("kw::Resource", "Masseur")},
    SResourceRow{ids::kStaffRoleNames + 14, KW_RESOURCE_TEXT("kw::Resource", "Psychologe")},
    SResourceRow{ids::kStaffRoleNames + 15, KW_RESOURCE_TEXT("kw::Resource", "Geschäftsführer")},
    SResourceRow{ids::kStaffRoleNames + 16, KW_RESOURCE_TEXT("kw::Resource", "Marketingmanager")},
    SResourceRow{ids::kStaffRoleNames + 17, KW_RESOURCE_TEXT("kw::Resource", "Stadionmanager")},
    SResourceRow{ids::kStaffRoleNames + 18, KW_RESOURCE_TEXT("kw::Resource", "Fanbeauftragter")},
    SResourceRow{ids::kTalentNames + 0, KW_RESOURCE_TEXT("kw::Resource", "Normal")},
    SResourceRow{ids::kTalentNames + 1, KW_RESOURCE_TEXT("kw::Resource", "Groß")},
    SResourceRow{ids::kTalentNames + 2, KW_RESOURCE_TEXT("kw::Resource", "Sehr groß")},
    SResourceRow{ids::kTalentNames + 3, KW_RESOURCE_TEXT("kw::Resource", "Riesig")},
    SResourceRow{ids::kTalentNames + 4, KW_RESOURCE_TEXT("kw::Resource", "Gigantisch")},
    SResourceRow{ids::kTeammateEffects + 0, KW_RESOURCE_TEXT("kw::Resource", "-")},
    SResourceRow{ids::kTeammateEffects + 1,
                 KW_RESOURCE_TEXT("kw::Resource", "+1% auf alle Mitspieler")},
    SResourceRow{ids::kTeammateEffects + 2,
                 KW_RESOURCE_TEXT("kw::Resource", "+2% auf alle Mitspieler")},
    SResourceRow{ids::kTeammateEffects + 3,
                 KW_RESOURCE_TEXT("kw::Resource", "+5% auf alle Mitspieler")},
    SResourceRow{ids::kTeammateEffects + 4,
                 KW_RESOURCE_TEXT("kw::Resource", "+10% auf alle Mitspieler")},
    SResourceRow{ids::kTeammateEffects + 5,
                 KW_RESOURCE_TEXT("kw::Resource", "+5% auf alle Mitspieler bei Rückstand")},
    SResourceRow{ids::kTeammateEffects + 6,
                 KW_RESOURCE_TEXT("kw::Resource", "+10% auf alle Mitspieler bei Rückstand")},
    SResourceRow{ids::kTeammateEffects + 7,
                 KW_RESOURCE_TEXT("kw::Resource", "+1% auf alle Spieler im Mannschaftsteil")},
    SResourceRow{ids::kTeammateEffects + 8,
                 KW_RESOURCE_TEXT("kw::Resource", "+2% auf alle Spieler im Mannschaftsteil")},
    SResourceRow{ids::kTeammateEffects + 9,
                 KW_RESOURCE_TEXT("kw::Resource", "+5% auf alle Spieler im Mannschaftsteil")},
    SResourceRow{ids::kMainCaption, KW_RESOURCE_TEXT("kw::Resource", "KW 06 Datenbank Editor")},
    SResourceRow{ids::kSaveTitle, KW_RESOURCE_TEXT("kw::Resource", "Daten werden gespeichert")},
    SResourceRow{ids::kSaveText,
                 KW_RESOURCE_TEXT("kw::Resource", "Dieser Vorgang kann etwas dauern.")},
    SResourceRow{ids::kSavePhase, KW_RESOURCE_TEXT("kw::Resource", "Phase %i: Exportiere %s...")},
    SResourceRow{ids::kSaveFailed,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Es trat mindestens ein Fehler beim Schreiben der Dateien auf. Stellen Sie "
                     "sicher, dass Sie Schreibrechte auf das Verzeichnis haben.")},
    SResourceRow{
        ids::kDatabaseExists,
        KW_RESOURCE_TEXT(
            "kw::Resource",
            "Die Datenbank mit dem Namen %s existiert schon. Soll die vorhandene Datenbank "
            "überschrieben werden?")},
    SResourceRow{
        ids::kTooManyTeams,
        KW_RESOURCE_TEXT("kw::Resource",
                         "To many Teams used in current competition structure, please remove some "
                         "leagues!")},
    SResourceRow{ids::kProgressCaption, KW_RESOURCE_TEXT("kw::Resource", "KW06 - Bitte warten!")},
    SResourceRow{ids::kDateFormat, KW_RESOURCE_TEXT("kw::Resource", "%4 %1/%2")},
    // A second team's name, shown in the database's language like the club's.
    SResourceRow{ids::kSecondTeamPattern, "%s 2", ERowUse::kData},
    SResourceRow{ids::kCreateAClub, KW_RESOURCE_TEXT("kw::Resource", "Create A Club Verein")},
    SResourceRow{ids::kNoClub, KW_RESOURCE_TEXT("kw::Resource", "Kein Verein")},
    SResourceRow{ids::kExportClubStatus, KW_RESOURCE_TEXT("kw::Resource", "Exportiere %s...")},
    SResourceRow{ids::kImportData, KW_RESOURCE_TEXT("kw::Resource", "Importiere die Daten...")},
    SResourceRow{
        ids::kImportQuestion,
        KW_RESOURCE_TEXT(
            "kw::Resource",
            "Das Importieren eines KW Archives überschreibt alle aktuellen Daten, Wappen und "
            "Spielerbilder. Soll der Vorgang wirklich fortgesetzt werden?")},
    SResourceRow{ids::kDamagedCountries,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Die folgenden Länderdateien sind beschädigt oder unvollständig und konnten "
                     "nicht ganz gelesen werden:\n%s\n\nBeim Speichern und Exportieren bleiben "
                     "diese Dateien unverändert erhalten.")},
    SResourceRow{
        ids::kImportDamaged,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Das Archiv %s ist beschädigt oder kein KW Archiv. Es wurden keine Daten "
                         "importiert.")},
    SResourceRow{ids::kLockFailed,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Die Sperre gegen einen zweiten gleichzeitig laufenden Editor konnte nicht "
                     "angelegt werden:\n%s\nDer Editor startet trotzdem. Starten Sie ihn nicht ein "
                     "zweites Mal, solange er läuft.")},
    SResourceRow{ids::kMasterCaption,
                 KW_RESOURCE_TEXT("kw::Resource", "Aktuelle Daten zum Spiel exportieren")},
    SResourceRow{
        ids::kMasterText,
        KW_RESOURCE_TEXT("kw::Resource",
                         "Die Daten der aktuellen Datenbank werden zum Kickwerk exportiert. Dieser "
                         "Vorgang kann etwas dauern..")},
    SResourceRow{ids::kNoCompleteCountry,
                 KW_RESOURCE_TEXT("kw::Resource", "Kein Land ist korrekt initialisiert!")},
    SResourceRow{ids::kDatabaseSaved, KW_RESOURCE_TEXT("kw::Resource", "Datenbank gespeichert!")},
    SResourceRow{ids::kSaveChanges,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Die Datenbank \"%s\" enthält Änderungen, die noch nicht gespeichert sind. "
                     "Sollen sie gespeichert werden? Verworfene Änderungen gehen verloren.")},
    SResourceRow{ids::kDemoCaption, KW_RESOURCE_TEXT("kw::Resource", "Demo-Installation")},
    SResourceRow{
        ids::kDemoTables,
        KW_RESOURCE_TEXT("kw::Resource", "Tabellen und Namenslisten werden geschrieben...")},
    SResourceRow{
        ids::kDemoWorld,
        KW_RESOURCE_TEXT("kw::Resource", "Vereine, Spieler und Wettbewerbe werden erzeugt...")},
    SResourceRow{ids::kDemoFailed,
                 KW_RESOURCE_TEXT("kw::Resource",
                                  "Die Demo-Installation konnte nicht erstellt werden:\n%s")},
    SResourceRow{ids::kDemoBadges, KW_RESOURCE_TEXT("kw::Resource", "Wappen werden gezeichnet...")},
    SResourceRow{ids::kClubCopyCaption, KW_RESOURCE_TEXT("kw::Resource", "Verein kopieren")},
    SResourceRow{ids::kCountryCopyCaption,
                 KW_RESOURCE_TEXT("kw::Resource", "Länderdaten kopieren")},
    SResourceRow{ids::kSyncCountryFull,
                 KW_RESOURCE_TEXT(
                     "kw::Resource",
                     "Das Land %s hat schon %d Vereine, ein weiterer Verein kann nicht angelegt "
                     "werden.")},
    SResourceRow{ids::kClimates + 0, KW_RESOURCE_TEXT("kw::Resource", "Gemäßigt")},
    SResourceRow{ids::kClimates + 1, KW_RESOURCE_TEXT("kw::Resource", "Mediterran")},
    SResourceRow{ids::kClimates + 2, KW_RESOURCE_TEXT("kw::Resource", "Kontinental")},
    SResourceRow{ids::kClimates + 3, KW_RESOURCE_TEXT("kw::Resource", "Tropisch")},
    SResourceRow{ids::kClimates + 4, KW_RESOURCE_TEXT("kw::Resource", "Trocken")},
    SResourceRow{ids::kClimates + 5, KW_RESOURCE_TEXT("kw::Resource", "Polar")},
    SResourceRow{ids::kReserveSwitches + 0, KW_RESOURCE_TEXT("kw::Resource", "Nicht erlaubt")},
    SResourceRow{ids::kReserveSwitches + 1, KW_RESOURCE_TEXT("kw::Resource", "Jederzeit erlaubt")},
    SResourceRow{ids::kReserveSwitches + 2,
                 KW_RESOURCE_TEXT("kw::Resource", "Nur in der Transferphase")},
};

static_assert(SortedByUniqueId(kResourceRows),
              "resource rows must be sorted by id without duplicates");

// The printf conversions of a text in order, each as written ("%-10s", "%1$s").
std::vector<std::string_view> PrintfConversions(std::string_view text) {
    constexpr std::string_view kDigits = "0123456789";
    const auto skip = [text](std::size_t at, std::string_view characters) {
        while (at < text.size() && characters.find(text[at]) != std::string_view::npos) {
            ++at;
        }
        return at;
    };
    std::vector<std::string_view> conversions;
    for (std::size_t start = text.find('%'); start != std::string_view::npos;
         start = text.find('%', start + 1)) {
        if (start + 1 < text.size() && text[start + 1] == '%') {
            ++start;
            continue;
        }
        std::size_t at = skip(start + 1, kDigits);
        at = at < text.size() && text[at] == '$' ? at + 1 : start + 1;
        at = skip(skip(at, "-+ #0'"), "0123456789*");
        if (at < text.size() && text[at] == '.') {
            at = skip(at + 1, "0123456789*");
        }
        at = skip(at, "hljztLq");
        if (at < text.size() &&
            std::string_view("diouxXeEfFgGaAcspn").find(text[at]) != std::string_view::npos) {
            conversions.push_back(text.substr(start, at + 1 - start));
            start = at;
        }
    }
    return conversions;
}

}  // namespace

bool SamePrintfConversions(std::string_view a, std::string_view b) {
    return PrintfConversions(a) == PrintfConversions(b);
}

std::string_view ResourceString(int id) {
    static const CResourceTable table(kResourceRows);
    return table.Find(id).value_or("");
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
