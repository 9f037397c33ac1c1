#include "gui/mainwindow/DlgMainMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DatabaseSlots.h"
#include "app/DefaultArchive.h"
#include "app/InstallationData.h"
#include "app/LongtimeWorldOperations.h"
#include "app/LongtimeWriteDB.h"
#include "document/DatabaseDocument.h"
#include "editing/ClubListCommands.h"
#include "gui/controls/DlgInputBox.h"
#include "gui/controls/GuiStrings.h"
#include "gui/controls/RenderManager.h"
#include "gui/editors/Dlg5Year.h"
#include "gui/editors/DlgCalendar.h"
#include "gui/editors/DlgFixturelist.h"
#include "gui/editors/DlgInternationalCompetition.h"
#include "gui/editors/DlgLeagueComposition.h"
#include "gui/editors/DlgLeagueSystem.h"
#include "gui/editors/DlgManagAll.h"
#include "gui/editors/DlgNationalteam.h"
#include "gui/editors/DlgNewClub.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/editors/DlgReferees.h"
#include "gui/editors/DlgRegelaenderung.h"
#include "gui/editors/DlgSearchResult.h"
#include "gui/editors/DlgStadiumlist.h"
#include "gui/editors/club/DlgClubParent.h"
#include "gui/editors/country/CountryWindowContext.h"
#include "gui/editors/country/DlgCountry.h"
#include "gui/mainwindow/AdminToolsMenu.h"
#include "gui/mainwindow/CsvExchangeCommands.h"
#include "gui/mainwindow/DlgInterfaceLanguage.h"
#include "gui/mainwindow/DlgLongtimeOperation.h"
#include "gui/mainwindow/DlgValidationReport.h"
#include "gui/mainwindow/DocumentSignals.h"
#include "gui/mainwindow/MainMenuView.h"
#include "gui/mainwindow/MappingCommands.h"
#include "gui/mainwindow/QtText.h"
#include "gui/mainwindow/RecentDatabasesMenu.h"
#include "gui/mainwindow/SplashScreen.h"
#include "gui/mainwindow/WorkerUserInterface.h"
#include "model/Club.h"
#include "model/ClubFile.h"
#include "model/Country.h"
#include "model/DatabaseName.h"
#include "model/World.h"
#include "platform/Environment.h"
#include "platform/Paths.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"
#include "reports/BadgeCheck.h"
#include "tools/AdminCommandTable.h"

namespace kw {

namespace {

// The longest name "&Neu..." accepts for a new database.
constexpr int kMaxDatabaseNameLength = 32;

}  // namespace

DlgMainMenu::DlgMainMenu(SAppContext& context, IUserInterface& ui, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_ui(ui) {
    CreateMenus();
    CreateContents();
    if (m_context.showSplash) {
        ShowSplashScreen(*this);
    }
    LoadDatabase();
    CreateView();
    Refresh();
    CheckRenderer();
    m_initialised = true;
}

DlgMainMenu::~DlgMainMenu() = default;

const CWorld& DlgMainMenu::World() const {
    return m_document->World();
}

void DlgMainMenu::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Datei"));
    m_newAction = file->addAction(tr("&Neu..."), this, &DlgMainMenu::NewDatabase);
    m_openAction = file->addAction(tr("&Öffnen.."), this, &DlgMainMenu::OpenDatabaseFolder);
    m_openAction->setShortcut(QKeySequence::Open);
    m_closeAction = file->addAction(tr("S&chließen"), this, &DlgMainMenu::CloseDatabase);
    m_saveAction = file->addAction(tr("&Speichern"), this, &DlgMainMenu::Save);
    m_saveAction->setShortcut(QKeySequence::Save);
    m_saveAsAction = file->addAction(tr("Speichern &unter..."), this, &DlgMainMenu::SaveDatabaseAs);
    m_exportAction = file->addAction(tr("Daten &exportieren"), this, &DlgMainMenu::ExportData);
    m_importAction = file->addAction(tr("Daten &importieren"), this, &DlgMainMenu::ImportData);
    QAction* quitSeparator = file->addSeparator();
    file->addAction(tr("CSV e&xportieren..."), this, &DlgMainMenu::ExportCsv);
    file->addAction(tr("CSV i&mportieren..."), this, &DlgMainMenu::ImportCsv);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Beenden"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    m_recent = new CRecentDatabasesMenu(*file, quitSeparator, this);
    connect(m_recent, &CRecentDatabasesMenu::databaseChosen, this,
            &DlgMainMenu::OpenRecentDatabase);

    QMenu* edit = menuBar()->addMenu(tr("&Bearbeiten"));
    m_undoAction = edit->addAction(tr("&Rückgängig"), this, &DlgMainMenu::Undo);
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_redoAction = edit->addAction(tr("&Wiederholen"), this, &DlgMainMenu::Redo);
    // Ctrl+Y and Ctrl+Shift+Z alike, whatever the platform's own choice.
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    CDlgInterfaceLanguage::AddMenuEntry(*edit, this);

    m_databasesMenu = menuBar()->addMenu(tr("Datenbanken"));
    m_databasesMenu->addAction(tr("Verwalten"), this, &DlgMainMenu::ManageDatabases);
    m_compareAction = m_databasesMenu->addAction(tr("Datenbanken vergleichen"), this,
                                                 &DlgMainMenu::CompareDatabases);
    m_makePackageAction = m_databasesMenu->addAction(tr("Änderungspaket &erstellen..."), this,
                                                     &DlgMainMenu::MakePackage);
    m_unsavedPackageAction =
        m_databasesMenu->addAction(tr("Änderungen seit dem letzten Speichern als &Paket..."), this,
                                   &DlgMainMenu::PackageUnsavedChanges);
    m_databasesMenu->addAction(tr("Änderungspaket &anwenden..."), this, &DlgMainMenu::ApplyPackage);
    m_restoreAction = m_databasesMenu->addAction(tr("Datenbank wiederherstellen"), this,
                                                 &DlgMainMenu::RestoreDatabase);
    m_databasesMenu->addSeparator();

    // The country editor will hold these as its pages; until then they open from here.
    QMenu* country = menuBar()->addMenu(tr("&Land"));
    country->addAction(tr("S&tadien..."), this, &DlgMainMenu::EditStadiums);
    country->addAction(tr("Sc&hiedsrichter..."), this, &DlgMainMenu::EditReferees);
    country->addAction(tr("&5-Jahres-Wertung..."), this, &DlgMainMenu::EditFiveYearRanking);
    country->addAction(tr("Liga&system..."), this, &DlgMainMenu::EditLeagueSystem);
    country->addAction(tr("&Ligazusammensetzung..."), this, &DlgMainMenu::EditLeagueComposition);
    country->addAction(tr("&Rahmenterminkalender..."), this, &DlgMainMenu::EditCalendar);
    country->addAction(tr("S&pielpläne..."), this, &DlgMainMenu::EditFixtures);

    QMenu* assistants = menuBar()->addMenu(tr("Assistenten"));
    assistants->addAction(tr("Schnelle Transfers"), this, &DlgMainMenu::ShowFastTransfers);
    assistants->addAction(tr("Spieler suchen"), this, &DlgMainMenu::SearchPlayers);
    assistants->addAction(tr("Doppelte Spieler anzeigen"), this, &DlgMainMenu::ShowDuplicates);
    assistants->addAction(tr("Nationalmannschaften"), this, &DlgMainMenu::ShowNationalTeams);
    assistants->addAction(tr("Freie Spieler"), this, &DlgMainMenu::ShowPlayersWithoutClub);
    // The window's own comparison button is hidden; the menu offers the comparison.
    assistants->addAction(tr("Spielervergleich"), this, &DlgMainMenu::ShowComparison);
    assistants->addAction(tr("Nach ungültigen Wappen suchen"), this, &DlgMainMenu::CheckBadges);
    assistants->addAction(tr("&Datenbank prüfen"), QKeySequence(Qt::Key_F7), this,
                          &DlgMainMenu::CheckDatabase);

    if (m_context.tools) {
        const SAdminMappingActions mapping = AddAdminToolsMenu(
            *menuBar(), {.document = [this]() -> CDatabaseDocument& { return *m_document; },
                         .selectedCountry = [this] { return m_view->SelectedCountry(); },
                         .selectedClub = [this] { return m_view->SelectedClub(); },
                         .otherDatabase = [this] { return NicknameSourceDatabase(*m_slots); },
                         .tools = [this] { return &m_installation->Tools(); },
                         .buildPs2Master = [this] { BuildMaster(kPs2MasterOptions); },
                         .ui = m_ui,
                         .window = this});
        using MappingCommand =
            bool (*)(CDatabaseDocument&, const CInstallationData&, QWidget*, IUserInterface&);
        const auto connectMapping = [this](QAction* action, MappingCommand command) {
            connect(action, &QAction::triggered, this,
                    [this, command] { command(*m_document, *m_installation, this, m_ui); });
        };
        connectMapping(mapping.clubIds, &MapClubIdsCommand);
        connectMapping(mapping.playerIds, &MapPlayerIdsCommand);
        connectMapping(mapping.faceIds, &MapFaceIdsCommand);
        connectMapping(mapping.ps2FaceIds, &MapPs2FaceIdsCommand);
    }
}

void DlgMainMenu::CreateContents() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    m_notice = new QLabel(tr("Keine Installation gefunden: leere Datenbank"), central);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setStyleSheet(QStringLiteral("font-weight: bold; color: #b00000;"));
    m_notice->setVisible(false);
    layout->addWidget(m_notice);

    setCentralWidget(central);
}

void DlgMainMenu::CreateView() {
    m_view = new CMainMenuView(*m_document, centralWidget());
    m_view->SetLanguageSelectionVisible(m_context.languageSelection);
    connect(m_view, &CMainMenuView::masterRequested, this, [this] { BuildMaster(0); });
    connect(m_view, &CMainMenuView::languageChosen, this, &DlgMainMenu::ChooseLanguage);
    connect(m_view, &CMainMenuView::clubEditRequested, this, &DlgMainMenu::EditClub);
    connect(m_view, &CMainMenuView::squadEditRequested, this, &DlgMainMenu::EditSquad);
    connect(m_view, &CMainMenuView::globalRulesRequested, this, &DlgMainMenu::EditGlobalRules);
    connect(m_view, &CMainMenuView::nationalTeamsRequested, this, &DlgMainMenu::ShowNationalTeams);
    connect(m_view, &CMainMenuView::fastTransfersRequested, this, &DlgMainMenu::ShowFastTransfers);
    connect(m_view, &CMainMenuView::playersWithoutClubRequested, this,
            &DlgMainMenu::ShowPlayersWithoutClub);
    connect(m_view, &CMainMenuView::duplicatesRequested, this, &DlgMainMenu::ShowDuplicates);
    connect(m_view, &CMainMenuView::comparisonRequested, this, &DlgMainMenu::ShowComparison);
    connect(m_view, &CMainMenuView::playerSearchRequested, this, &DlgMainMenu::SearchPlayers);
    connect(m_view, &CMainMenuView::countryEditRequested, this, &DlgMainMenu::EditCountry);
    connect(m_view, &CMainMenuView::continentalSettingsRequested, this,
            &DlgMainMenu::EditContinentalSettings);
    connect(m_view, &CMainMenuView::clubMenuRequested, this,
            [this](const QPoint& position) { ClubMenu()->exec(position); });
    connect(m_view, &CMainMenuView::foundOpenRequested, this, &DlgMainMenu::OpenFound);
    centralWidget()->layout()->addWidget(m_view);
    resize(980, 660);
    m_shownGeneration = m_document->World().Generation();
}

void DlgMainMenu::ShowDocument(CDatabaseDocument& document) {
    // The old signals stop listening before the document they listen to may go.
    delete m_documentSignals;
    if (m_view != nullptr && m_document != nullptr) {
        m_selections[m_document] = m_view->Selection();
    }
    m_document = &document;
    m_documentSignals = new CDocumentSignals(document, this);
    connect(m_documentSignals, &CDocumentSignals::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    connect(m_documentSignals, &CDocumentSignals::changed, this, [this] { Refresh(); });
    // A dialog's group closes without a change of its own to report, yet undo now offers it.
    connect(m_documentSignals, &CDocumentSignals::historyChanged, this,
            &DlgMainMenu::RefreshEditActions);
    if (m_view != nullptr) {
        m_view->SetDocument(document);
        m_shownGeneration = document.World().Generation();
        const auto kept = m_selections.find(&document);
        if (kept != m_selections.end()) {
            m_view->RestoreSelection(kept->second);
            m_selections.erase(kept);
        } else {
            m_view->ResetSelection();
        }
    }
}

void DlgMainMenu::LoadDatabase() {
    SetUpDirectories(m_context, m_context.workingDirectory);
    m_slots = std::make_unique<CDatabaseSlots>(m_context.installDirectory);
    m_installation = std::make_unique<CInstallationData>();
    m_installation->Load(m_context);
    ShowDocument(*m_slots->AddSlot());

    const bool databaseFound = FindExisting(m_context.installDirectory, "database").has_value();
    if (!m_context.installationConfigured && !databaseFound) {
        m_placeholderDocument = m_document;
        m_document->WorldForOperations().SetDirectory(m_context.databaseDirectory);
        return;
    }
    // The splash screen covers the load; no progress is shown.
    CSilentProgress progress;
    const bool loaded = OpenDatabase(*m_document, m_context.databaseDirectory, progress, m_ui);
    WriteDefaultArchive(loaded);
}

void DlgMainMenu::WriteDefaultArchive(bool loaded) {
    const std::filesystem::path archive = DefaultArchivePath(m_context.databaseDirectory);
    std::error_code error;
    if (!ShouldWriteDefaultArchive(m_document->World(), loaded,
                                   std::filesystem::exists(archive, error))) {
        return;
    }
    CWorkerUserInterface workerUi(m_ui);
    CLongtimeExportWorld operation(m_document->WorldForOperations(), workerUi, archive,
                                   DocumentsDirectory().value_or(std::filesystem::path()),
                                   m_document->Language());
    CDlgLongtimeOperation::Run(operation, this);
}

void DlgMainMenu::Refresh() {
    // The first load reports its change before the lists exist.
    if (m_view == nullptr) {
        return;
    }
    const std::string base(Cp1252ToUtf8(GuiString(ids::kMainCaption)));
    const CWorld& world = m_document->World();
    std::string caption = CaptionWithDirectory(base, world.DirectoryName());
    // Without a game installation the editor shows its own demo installation, and says so.
    if (m_context.fallbackInstallation) {
        caption += " (" + Cp1252ToUtf8(GuiString(ids::kDemoCaption)) + ")";
    }
    // "[*]" shows where the window marks unsaved changes.
    setWindowTitle(QString::fromStdString(caption + "[*]"));
    setWindowModified(m_document->IsModified());
    if (world.Generation() != m_shownGeneration) {
        m_shownGeneration = world.Generation();
        m_view->ResetSelection();
    }
    m_view->ShowWorld();
    const bool placeholder = m_document == m_placeholderDocument;
    m_notice->setVisible(placeholder);
    m_saveAction->setEnabled(!placeholder);
    m_unsavedPackageAction->setEnabled(!placeholder);
    m_exportAction->setEnabled(!placeholder);
    m_view->MasterButton().setEnabled(!placeholder);
    RefreshDatabaseMenu();
    RefreshEditActions();
}

void DlgMainMenu::RefreshDatabaseMenu() {
    for (QAction* action : m_slotActions) {
        m_databasesMenu->removeAction(action);
        action->deleteLater();
    }
    m_slotActions.clear();
    for (int index = 0; index < m_slots->Count(); ++index) {
        const std::string name = m_slots->Slot(index)->World().DirectoryName();
        QAction* action =
            m_databasesMenu->addAction(QString::fromStdString(SlotMenuLabel(index, name)), this,
                                       [this, index] { SelectDatabase(index); });
        action->setCheckable(true);
        action->setChecked(m_slots->Slot(index) == m_document);
        m_slotActions.push_back(action);
    }
    // One slot stays free for what the commands themselves still accept.
    const bool room = m_slots->Count() < CDatabaseSlots::kMaxSlots - 1;
    m_newAction->setEnabled(room);
    m_openAction->setEnabled(room);
    m_importAction->setEnabled(room && m_document != m_placeholderDocument);
    m_closeAction->setEnabled(m_slots->Count() >= 2);
    m_recent->SetEnabled(m_slots->Count() < CDatabaseSlots::kMaxSlots);
    m_compareAction->setEnabled(m_slots->Count() >= 2);
    m_makePackageAction->setEnabled(m_slots->Count() >= 2);
    std::error_code error;
    m_restoreAction->setEnabled(
        std::filesystem::exists(DefaultArchivePath(m_context.databaseDirectory), error));
}

void DlgMainMenu::SelectDatabase(int index) {
    CDatabaseDocument* document = m_slots->Slot(index);
    if (document == nullptr) {
        return;
    }
    m_slots->SelectSlot(index);
    ShowDocument(*document);
    Refresh();
}

void DlgMainMenu::NewDatabase() {
    if (m_slots->Count() >= CDatabaseSlots::kMaxSlots) {
        return;
    }
    CDlgInputBox box(this);
    box.SetPrompt(ids::kNewDatabasePrompt);
    box.SetMaxLength(kMaxDatabaseNameLength);
    if (box.exec() != QDialog::Accepted || box.Field()->text().isEmpty()) {
        return;
    }
    // A folder name, so UTF-8 as on disk (and as "Speichern unter" names them), not the model's
    // Windows-1252.
    const std::string name = box.Field()->text().toStdString();
    if (!IsValidDatabaseName(name)) {
        const std::string message(GuiString(ids::kInvalidDatabaseName));
        m_ui.ShowError(FormatPrintf(message.c_str(), Utf8ToCp1252(name).c_str()));
        return;
    }
    CDatabaseDocument* previous = m_document;
    CDatabaseDocument* document = m_slots->AddSlot();
    const std::optional<std::filesystem::path> documents = DocumentsDirectory();
    // Only the folder and its description are written; no record changes, nothing to undo.
    if (!documents ||
        !document->WorldForOperations().CreateDatabaseDirectory(*documents, name, "", m_ui)) {
        m_slots->RemoveSlot(document);
        m_slots->SetCurrent(previous);
        return;
    }
    ShowDocument(*document);
    Refresh();
}

void DlgMainMenu::CloseDatabase() {
    if (m_slots->Count() < 2 || !SettleChanges({m_document})) {
        return;
    }
    std::unique_ptr<CDatabaseDocument> closed = m_slots->RemoveSlot(m_document);
    // Shown next is another database: the closed one's selection must not be kept for it.
    m_document = nullptr;
    if (closed.get() == m_placeholderDocument) {
        m_placeholderDocument = nullptr;
    }
    ShowDocument(*m_slots->Current());
    closed->WorldForOperations().Empty();
    Refresh();
}

void DlgMainMenu::RestoreDatabase() {
    const std::filesystem::path archive = DefaultArchivePath(m_context.databaseDirectory);
    std::error_code error;
    if (!std::filesystem::exists(archive, error) || !SettleChanges({m_document}) ||
        !m_ui.AskYesNo(GuiString(ids::kRestoreDatabase))) {
        return;
    }
    ImportArchive(archive, false);
}

void DlgMainMenu::RefreshEditActions() {
    // `named` holds "%1" for the edit's description.
    const auto label = [](const QString& plain, const QString& named,
                          const std::optional<std::string>& description) {
        return description ? named.arg(QString::fromStdString(Cp1252ToUtf8(*description))) : plain;
    };
    const auto undo = m_document->UndoDescription();
    const auto redo = m_document->RedoDescription();
    m_undoAction->setText(label(tr("&Rückgängig"), tr("&Rückgängig: %1"), undo));
    m_undoAction->setEnabled(undo.has_value());
    m_redoAction->setText(label(tr("&Wiederholen"), tr("&Wiederholen: %1"), redo));
    m_redoAction->setEnabled(redo.has_value());
}

void DlgMainMenu::ChooseLanguage(int language) {
    m_document->SetLanguage(language);
    m_view->ShowWorld();
}

void DlgMainMenu::Undo() {
    m_document->Undo();
}

void DlgMainMenu::Redo() {
    m_document->Redo();
}

void DlgMainMenu::Save() {
    if (m_document == m_placeholderDocument) {
        return;
    }
    // Damaged country files stay as found unless the user lets the editor's data replace them.
    if (!m_document->World().DamagedCountries().empty()) {
        const std::string question(GuiString(ids::kReplaceDamagedCountries));
        if (m_ui.AskYesNo(FormatPrintf(
                question.c_str(),
                m_document->World().DamagedCountryNames(m_document->Language()).c_str()))) {
            m_document->ConfirmDamagedCountries();
        }
    }
    CWorkerUserInterface workerUi(m_ui);
    CLongtimeExportSave operation(m_document->WorldForOperations(), workerUi, {},
                                  m_document->Language());
    CDlgLongtimeOperation::Run(operation, this);
    // Only a save that wrote every file makes the files equal to the database.
    if (operation.Saved()) {
        m_document->MarkSaved();
    }
}

namespace {

QString ArchiveFilter() {
    return QCoreApplication::translate("kw::DlgMainMenu",
                                       "KW Datenbankdateien (*.tdb);;Alle Dateien (*.*)");
}

}  // namespace

void DlgMainMenu::ExportData() {
    // The dialog adds the suffix itself, so that it asks before it replaces an existing archive.
    QFileDialog dialog(this, QString(), QString(), ArchiveFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tdb"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    CWorkerUserInterface workerUi(m_ui);
    CLongtimeExportWorld operation(m_document->WorldForOperations(), workerUi, path.toStdString(),
                                   DocumentsDirectory().value_or(std::filesystem::path()),
                                   m_document->Language());
    CDlgLongtimeOperation::Run(operation, this);
}

void DlgMainMenu::ExportCsv() {
    ExportCsvCommand(*m_document, m_view->SelectedCountry(), m_view->SelectedClub(), m_ui, this);
}

void DlgMainMenu::ImportCsv() {
    ImportCsvCommand(*m_document, m_ui, this);
}

void DlgMainMenu::ImportData() {
    if (m_slots->Count() >= CDatabaseSlots::kMaxSlots || m_document == m_placeholderDocument) {
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), ArchiveFilter());
    if (path.isEmpty()) {
        return;
    }
    if (path.size() <= 3 || !path.endsWith(QStringLiteral("tdb"), Qt::CaseInsensitive)) {
        m_ui.ShowInformation(GuiString(ids::kOnlyTdbFiles));
        return;
    }
    if (!SettleChanges({m_document})) {
        return;
    }
    ImportArchive(path.toStdString(), true);
}

void DlgMainMenu::ImportArchive(const std::filesystem::path& archive, bool ask) {
    const std::uint64_t generation = m_document->World().Generation();
    CWorkerUserInterface workerUi(m_ui);
    CLongtimeImportWorld operation(m_document->WorldForOperations(), workerUi, archive, ask,
                                   m_document->Language());
    CDlgLongtimeOperation::Run(operation, this);
    // A database read anew (even by an import whose files could not all be written) starts a
    // fresh history; a declined or damaged archive left it as it was, with its history.
    if (m_document->World().Generation() != generation) {
        m_document->WorldReloaded();
    }
}

void DlgMainMenu::BuildMaster(std::uint32_t options) {
    if (m_document == m_placeholderDocument) {
        return;
    }
    SMasterRequest request;
    const CWorld& world = m_document->World();
    request.language = m_document->Language();
    request.options = options;
    request.output = MasterFilePath(m_context.installDirectory, world.Directory(), request.language,
                                    false, options);
    request.sideFolder = m_context.workingDirectory;
    CWorkerUserInterface workerUi(m_ui);
    CLongtimeWriteDB operation(m_document->WorldForOperations(), workerUi, request);
    CDlgLongtimeOperation::Run(operation, this);
}

namespace {

// The names in the model's club file filter, marked so that they are translated with the window.
[[maybe_unused]] constexpr const char* kClubFilterNames[] = {
    QT_TRANSLATE_NOOP("kw::DlgMainMenu", "Vereinsnamen (*.clb)"),
    QT_TRANSLATE_NOOP("kw::DlgMainMenu", "alle Dateien"),
};

// The club files' filter, "name|pattern|name|pattern", as the file dialogs take it.
QString ClubFilter() {
    const QStringList parts =
        QString::fromUtf8(kClubFileFilter.data(), static_cast<int>(kClubFileFilter.size()))
            .split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QByteArray name = parts[i].toUtf8();
        filters << QCoreApplication::translate("kw::DlgMainMenu", name.constData()) +
                       QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace

const CClub* DlgMainMenu::SelectedClub() const {
    return m_document->World().Country(m_view->SelectedCountry()).Club(m_view->SelectedClub());
}

std::unique_ptr<QMenu> DlgMainMenu::ClubMenu() {
    auto menu = std::make_unique<QMenu>(this);
    menu->addAction(tr("Verein bearbeiten"), this, &DlgMainMenu::EditClub)
        ->setEnabled(SelectedClub() != nullptr);
    menu->addAction(tr("Spielerkader bearbeiten"), this, &DlgMainMenu::EditSquad)
        ->setEnabled(SelectedClub() != nullptr);
    menu->addAction(tr("Personal bearbeiten"), this, &DlgMainMenu::EditStaff)
        ->setEnabled(SelectedClub() != nullptr && !SelectedClub()->IsNationalTeam());
    menu->addAction(tr("Spieler/Manager löschen"), this, &DlgMainMenu::RemoveClubPersons);
    menu->addAction(tr("Neuer Verein"), this, &DlgMainMenu::NewClub)
        ->setEnabled(CanCreateClub(m_document->World().Country(m_view->SelectedCountry())));
    const CClub* club = SelectedClub();
    menu->addAction(tr("Verein löschen"), this, &DlgMainMenu::DeleteClub)
        ->setEnabled(club != nullptr && CanDeleteClub(*club));
    menu->addAction(tr("Verein abspeichern"), this, &DlgMainMenu::SaveClub);
    menu->addAction(tr("Verein überschreiben"), this, &DlgMainMenu::OverwriteClub);
    return menu;
}

void DlgMainMenu::EditClub() {
    const CClub* club = SelectedClub();
    if (club == nullptr) {
        return;
    }
    CDlgClubParent dialog(*m_document, *club, *m_installation, m_renderer.get(),
                          m_context.cityDirectory, {m_context.languageSelection}, this);
    dialog.exec();
}

void DlgMainMenu::EditSquad() {
    const CClub* club = SelectedClub();
    if (club == nullptr) {
        return;
    }
    if (club->IsNationalTeam()) {
        ShowNationalTeams();
        return;
    }
    CDlgPlayerlistClub dialog(*m_document, club->Id(), *m_installation, m_renderer.get(),
                              m_context.installDirectory, this);
    dialog.exec();
}

void DlgMainMenu::SearchPlayers() {
    const CClub* club = SelectedClub();
    const SSearchOutcome outcome =
        CDlgSearchResult::RunSearchLoop(*m_document, club != nullptr ? club->Id() : 0, true, this);
    if (outcome.clubToShow != 0) {
        m_view->SelectClub(outcome.clubToShow);
        EditSquad();
    }
}

void DlgMainMenu::EditStaff() {
    if (const CClub* club = SelectedClub()) {
        CDlgManagAll::Edit(*m_document, club->Id(), *m_installation, m_renderer.get(),
                           m_context.installDirectory, this);
    }
}

void DlgMainMenu::EditLeagueComposition() {
    CDlgLeagueComposition::Edit(*m_document, m_view->SelectedCountry(), this);
}

void DlgMainMenu::EditCountry() {
    const SCountryWindowContext context{*m_installation, m_renderer.get(),
                                        m_context.installDirectory};
    CDlgCountry::Edit(*m_document, m_view->SelectedCountry(), context, this);
}

void DlgMainMenu::EditContinentalSettings() {
    CDlgInternationalCompetition::Edit(*m_document, this);
}

void DlgMainMenu::EditLeagueSystem() {
    CDlgLeagueSystem::Edit(*m_document, m_installation->TextTables().LeagueSystems(),
                           m_view->SelectedCountry(), this);
}

void DlgMainMenu::EditCalendar() {
    CDlgCalendar::Edit(*m_document, m_view->SelectedCountry(), this);
}

void DlgMainMenu::EditFixtures() {
    CDlgFixturelist::Edit(*m_document, m_view->SelectedCountry(), this);
}

void DlgMainMenu::EditGlobalRules() {
    CDlgRegelaenderung::Edit(*m_document, this);
}

void DlgMainMenu::ShowNationalTeams() {
    CDlgNationalteam::Show(*m_document, m_view->SelectedCountry(), this);
}

void DlgMainMenu::EditStadiums() {
    EditCountryList<CDlgStadiumlist>(*m_document, m_view->SelectedCountry(), this);
}

void DlgMainMenu::EditReferees() {
    EditCountryList<CDlgReferees>(*m_document, m_view->SelectedCountry(), this);
}

void DlgMainMenu::EditFiveYearRanking() {
    CDlg5Year::Edit(*m_document, m_view->SelectedCountry(), this);
}

void DlgMainMenu::RemoveClubPersons() {
    const CClub* club = SelectedClub();
    if (club == nullptr || !m_ui.AskYesNo(GuiString(ids::kRemoveClubPersons))) {
        return;
    }
    kw::RemoveClubPersons(*m_document, m_view->SelectedCountry(), club->Id());
}

void DlgMainMenu::NewClub() {
    const int country = m_view->SelectedCountry();
    if (!CanCreateClub(m_document->World().Country(country))) {
        return;
    }
    CDlgNewClub dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const std::uint32_t created = kw::CreateClub(*m_document, country, dialog.Text())) {
        m_view->SelectClub(created);
    }
}

void DlgMainMenu::DeleteClub() {
    if (const CClub* club = SelectedClub()) {
        kw::DeleteClub(*m_document, m_view->SelectedCountry(), club->Id());
    }
}

void DlgMainMenu::OverwriteClub() {
    const CClub* club = SelectedClub();
    if (club == nullptr) {
        return;
    }
    if (club->IsNationalTeam()) {
        m_ui.ShowInformation(GuiString(ids::kNationalTeamNotOverwritten));
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), ClubFilter());
    if (path.isEmpty()) {
        return;
    }
    kw::OverwriteClub(*m_document, m_view->SelectedCountry(), club->Id(), path.toStdString());
}

void DlgMainMenu::SaveClub() {
    const CClub* club = SelectedClub();
    if (club == nullptr) {
        return;
    }
    QFileDialog dialog(this, QString(), QString(), ClubFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(kClubFileExtension.data(),
                                                static_cast<int>(kClubFileExtension.size())));
    dialog.selectFile(
        QString::fromStdString(Cp1252ToUtf8(std::string(club->Name(m_document->Language())))));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    // An export: it renumbers the clubs for writing and changes no record.
    if (!SaveClubFile(m_document->WorldForOperations(), *club,
                      dialog.selectedFiles().constFirst().toStdString())) {
        m_ui.ShowError(GuiString(ids::kSaveFailed));
    }
}

void DlgMainMenu::CheckBadges() {
    if (CheckAllBadges(m_document->World(), m_installation->Tools(), &m_ui, m_document->Language())
            .empty()) {
        m_ui.ShowInformation(GuiString(ids::kNoInvalidBadges));
    }
}

void DlgMainMenu::CheckDatabase() {
    CDlgValidationReport::Show(*m_document, &m_installation->Tools(),
                               {*m_installation, m_renderer.get(), m_context.installDirectory,
                                m_context.cityDirectory, m_context.languageSelection},
                               this);
}

void DlgMainMenu::CheckRenderer() {
    m_renderer = std::make_unique<CRenderManager>(
        m_ui, CRenderManager::DefaultFolders(m_context.workingDirectory));
    // Without the plug-in the kit and look pages work without a preview; ending the program here
    // would lock every full installation out where the plug-in cannot load.
    if (m_context.fullInstallation && !m_renderer->IsAvailable()) {
        m_ui.ShowInformation(GuiString(ids::kRendererMissing));
    }
}

void DlgMainMenu::closeEvent(QCloseEvent* event) {
    std::vector<CDatabaseDocument*> open;
    for (int index = 0; index < m_slots->Count(); ++index) {
        open.push_back(m_slots->Slot(index));
    }
    if (m_initialised && !SettleChanges(open)) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace kw
