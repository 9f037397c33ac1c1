#pragma once

#include <QMainWindow>
#include <QMenu>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "app/AppContext.h"
#include "gui/mainwindow/MainMenuView.h"

class QAction;
class QCloseEvent;
class QLabel;

namespace kw {

class CClub;
class CDatabaseDocument;
class CDatabaseSlots;
class CDocumentSignals;
class CInstallationData;
class CRecentDatabasesMenu;
class CRenderManager;
class CWorld;
class IUserInterface;

// The editor's one main window. Loads the database of the installation when it is created and
// shows it as continents, countries and clubs; every question and message goes through the user
// interface it was given.
class DlgMainMenu : public QMainWindow {
    Q_OBJECT

public:
    DlgMainMenu(SAppContext& context, IUserInterface& ui, QWidget* parent = nullptr);
    ~DlgMainMenu() override;

    const CWorld& World() const;
    CDatabaseDocument& Document() { return *m_document; }

public slots:
    // "&Rückgängig" and "&Wiederholen" of the current database's last edit.
    void Undo();
    void Redo();
    // "&Speichern": writes the database into its folder.
    void Save();
    // "Daten &exportieren" and "Daten &importieren": the database as a world archive.
    void ExportData();
    void ImportData();
    // "CSV exportieren..." and "CSV importieren...": spreadsheet files of players, staff, clubs.
    void ExportCsv();
    void ImportCsv();
    // The game's master file of the current database, behind the progress dialog.
    void BuildMaster(std::uint32_t options);
    // "&Neu...": a new empty database in a folder of the documents' databases, in a slot of its
    // own, made current. The typed name becomes the folder's UTF-8 name.
    void NewDatabase();
    // "S&chließen": the current slot, while another one stays open; unsaved changes are asked
    // about first.
    void CloseDatabase();
    // Slot `index` (from 0) becomes current.
    void SelectDatabase(int index);
    // "Datenbank wiederherstellen": the archive written from the first load, after asking about
    // unsaved changes and whether to restore.
    void RestoreDatabase();
    // "&Öffnen..": a database of the documents' databases into a new slot; one that is open
    // already is shown instead.
    void OpenDatabaseFolder();
    // "Speichern &unter...": the current database into a new or replaced folder, then saved.
    void SaveDatabaseAs();
    // "Verwalten": countries and clubs copied between the open databases.
    void ManageDatabases();
    // "Datenbanken vergleichen": the current database against another open one.
    void CompareDatabases();
    // "Änderungspaket erstellen...": what the current database changed against another open one
    // as a package file.
    void MakePackage();
    // "Änderungen seit dem letzten Speichern als Paket...": the current database's unsaved
    // changes as a package file.
    void PackageUnsavedChanges();
    // "Änderungspaket anwenden...": a package file applied to the current database through its
    // preview, as one edit.
    void ApplyPackage();
    // The editor of a quick-find hit that the view shows: club editor, squad, staff, referees,
    // stadiums, league system (leagues) or calendar (cups).
    void OpenFound(const SFindHit& hit);
    // "Nach ungültigen Wappen suchen": clubs whose badge is missing in a size, in a list.
    void CheckBadges();
    // A folder of "&Datei"'s list of databases opened last: shown when a slot holds it, else
    // opened into a new slot; a folder that is gone is said so and leaves the list.
    void OpenRecentDatabase(const std::filesystem::path& folder);
    // "Schnelle &Transfers" for the selected country.
    void ShowFastTransfers();
    // "&Freie Spieler": the players without club; the club list follows what they changed.
    void ShowPlayersWithoutClub();
    // "&Datenbank prüfen": the validation report of the current database.
    void CheckDatabase();

    // "&Verein" and "Verein bearbeiten": the club editor on the selected club; OK records one edit.
    void EditClub();
    // "Spieler&kader", a double click on a club and "Spielerkader bearbeiten": the squad dialog
    // on the selected club; for the national team the national teams dialog.
    void EditSquad();
    // "Personal bearbeiten": the selected club's staff with their pages, one undo step.
    void EditStaff();
    // "&Globale Einstellungen": the match rules of every competition, one edit at OK.
    void EditGlobalRules();
    // "&Nationalmannschaften": the national squads, starting at the selected country.
    void ShowNationalTeams();
    // "&Doppelte Spieler anzeigen": duplicate players, scoped to the selected country and club.
    void ShowDuplicates();
    // "Spielervergleich": two players compared, starting at the selected country.
    void ShowComparison();
    // "Spieler &suchen": the search loop; a club shown from the results opens its squad dialog.
    void SearchPlayers();
    // The "Land" menu: stadiums, referees, the five-year ranking and the league composition of
    // the selected country.
    void EditStadiums();
    void EditReferees();
    void EditFiveYearRanking();
    void EditLeagueComposition();
    void EditLeagueSystem();
    void EditCountry();
    void EditContinentalSettings();
    void EditCalendar();
    void EditFixtures();

    // The club list's context menu for the selected club, as the right mouse button opens it.
    std::unique_ptr<QMenu> ClubMenu();
    // "Spieler/Manager löschen": every person of the selected club, after asking.
    void RemoveClubPersons();
    // "Verein löschen": only a club made in the editor; undo is the safety, no question.
    void DeleteClub();
    // "Neuer Verein": a club named in the dialog, while the country has room for one.
    void NewClub();
    // "Verein abspeichern": the selected club into a club file.
    void SaveClub();
    // "Verein überschreiben": the national team is refused.
    void OverwriteClub();

protected:
    // Once the window is set up, closing asks about each database with unsaved changes in turn.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateContents();
    // The lists need the document, which the database load makes.
    void CreateView();
    void LoadDatabase();
    // The first load becomes the restore point once, when it is worth restoring.
    void WriteDefaultArchive(bool loaded);
    // The window follows another database: its lists, its signals, its history.
    void ShowDocument(CDatabaseDocument& document);
    // One entry per open slot, and the commands that open another slot while there is room.
    void RefreshDatabaseMenu();
    // The database of `folder` in a new slot, or the slot that holds it already, remembered in
    // "&Datei"'s list.
    void OpenFolder(const std::filesystem::path& folder);
    // Asks about the unsaved changes of `documents` in turn; "Speichern" shows the database and
    // saves it as "&Speichern" does. False when the user cancelled or a save failed. The
    // placeholder world cannot be saved and is not asked about.
    bool SettleChanges(const std::vector<CDatabaseDocument*>& documents);
    // An archive into the current database behind the progress dialog, asking first if `ask`.
    void ImportArchive(const std::filesystem::path& archive, bool ask);
    // Caption, lists, statistics and actions after the database changed.
    void Refresh();
    // The database language, which names the countries, clubs and leagues in the lists.
    void ChooseLanguage(int language);
    // The edit menu names the edits that undo and redo would take back or make again.
    void RefreshEditActions();
    // The club selected in the list, if any.
    const CClub* SelectedClub() const;
    // The folders of the databases in the slots, in slot order.
    std::vector<std::filesystem::path> OpenFolders() const;
    // A full installation whose renderer plug-in cannot be used says so once and carries on.
    void CheckRenderer();

    SAppContext& m_context;
    IUserInterface& m_ui;
    std::unique_ptr<CDatabaseSlots> m_slots;
    // The installation's tables, stadium list, name lists and badges, shared by the databases.
    std::unique_ptr<CInstallationData> m_installation;
    std::unique_ptr<CRenderManager> m_renderer;
    CDatabaseDocument* m_document = nullptr;
    CDocumentSignals* m_documentSignals = nullptr;
    // No installation and no database folder: the window shows this empty world and cannot save
    // it; databases opened later are real ones.
    const CDatabaseDocument* m_placeholderDocument = nullptr;
    bool m_initialised = false;
    // A database read anew starts over at the default selection.
    std::uint64_t m_shownGeneration = 0;

    QAction* m_saveAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_importAction = nullptr;
    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_closeAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_restoreAction = nullptr;
    QAction* m_compareAction = nullptr;
    QAction* m_makePackageAction = nullptr;
    QAction* m_unsavedPackageAction = nullptr;
    QMenu* m_databasesMenu = nullptr;
    CRecentDatabasesMenu* m_recent = nullptr;
    std::vector<QAction*> m_slotActions;
    CMainMenuView* m_view = nullptr;
    // The selections of the databases not shown, kept until they are shown again or closed.
    std::map<const CDatabaseDocument*, CMainMenuView::SSelection> m_selections;
    QLabel* m_notice = nullptr;
};

}  // namespace kw
