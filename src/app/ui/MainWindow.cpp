#include "app/ui/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/LongtimeWorldOperations.h"
#include "app/LongtimeWriteDB.h"
#include "app/ui/DlgLongtimeOperation.h"
#include "app/ui/QtText.h"
#include "app/ui/WorkerUserInterface.h"
#include "model/World.h"
#include "platform/Environment.h"
#include "platform/Paths.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw {

DlgMainMenu::DlgMainMenu(SAppContext& context, IUserInterface& ui, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_ui(ui) {
    CreateMenus();
    CreateContents();
    LoadDatabase();
    Refresh();
    m_initialised = true;
}

DlgMainMenu::~DlgMainMenu() = default;

void DlgMainMenu::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    m_saveAction = file->addAction(QStringLiteral("&Speichern"), this, &DlgMainMenu::Save);
    m_saveAction->setShortcut(QKeySequence::Save);
    m_exportAction =
        file->addAction(QStringLiteral("Daten &exportieren"), this, &DlgMainMenu::ExportData);
    m_importAction =
        file->addAction(QStringLiteral("Daten &importieren"), this, &DlgMainMenu::ImportData);
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
}

void DlgMainMenu::CreateContents() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    m_notice = new QLabel(QStringLiteral("Keine Installation gefunden: leere Datenbank"), central);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setStyleSheet(QStringLiteral("font-weight: bold; color: #b00000;"));
    m_notice->setVisible(false);
    layout->addWidget(m_notice);

    auto* statistics = new QGroupBox(QStringLiteral("Statistik"), central);
    auto* form = new QFormLayout(statistics);
    m_databasePath = new QLabel(statistics);
    m_databasePath->setObjectName(QStringLiteral("databasePath"));
    m_databasePath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QStringLiteral("Datenbank:"), m_databasePath);
    m_countryCount = new QLabel(statistics);
    m_countryCount->setObjectName(QStringLiteral("countryCount"));
    form->addRow(QStringLiteral("Geladene Länder:"), m_countryCount);
    layout->addWidget(statistics);

    auto* exporting = new QGroupBox(QStringLiteral("Exportieren"), central);
    auto* exportLayout = new QHBoxLayout(exporting);
    m_masterButton =
        new QPushButton(QStringLiteral("Aktuelle Datenbank ins Spiel ein&binden"), exporting);
    m_masterButton->setObjectName(QStringLiteral("buildMaster"));
    connect(m_masterButton, &QPushButton::clicked, this, [this] { BuildMaster(0); });
    exportLayout->addWidget(m_masterButton);
    exportLayout->addStretch();
    layout->addWidget(exporting);
    layout->addStretch();

    setCentralWidget(central);
    resize(640, 400);
}

void DlgMainMenu::LoadDatabase() {
    SetUpDirectories(m_context, m_context.workingDirectory);
    m_world = std::make_unique<CWorld>(m_context.installDirectory);
    m_world->InitialiseCountries();

    const bool databaseFound = FindExisting(m_context.installDirectory, "database").has_value();
    m_placeholderWorld = !m_context.installationConfigured && !databaseFound;
    if (m_placeholderWorld) {
        m_world->SetDirectory(m_context.databaseDirectory);
        return;
    }
    // The splash screen covers the load; no progress is shown.
    CSilentProgress progress;
    m_world->Load(m_context.databaseDirectory, progress, m_ui);
}

void DlgMainMenu::Refresh() {
    const std::string base(Cp1252ToUtf8(ResourceString(ids::kMainCaption)));
    std::string caption = CaptionWithDirectory(base, m_world->DirectoryName());
    // Without a game installation the editor shows its own demo installation, and says so.
    if (m_context.fallbackInstallation) {
        caption += " (" + Cp1252ToUtf8(ResourceString(ids::kDemoCaption)) + ")";
    }
    setWindowTitle(QString::fromStdString(caption));
    m_databasePath->setText(QString::fromStdString(m_world->Directory().string()));
    m_countryCount->setText(QString::number(m_world->CountryCount()));
    m_notice->setVisible(m_placeholderWorld);
    m_saveAction->setEnabled(!m_placeholderWorld);
    m_exportAction->setEnabled(!m_placeholderWorld);
    m_importAction->setEnabled(!m_placeholderWorld);
    m_masterButton->setEnabled(!m_placeholderWorld);
}

void DlgMainMenu::Save() {
    if (m_placeholderWorld) {
        return;
    }
    CWorkerUserInterface workerUi(m_ui);
    CLongtimeExportSave operation(*m_world, workerUi, {});
    CDlgLongtimeOperation::Run(operation, this);
}

namespace {

const QString kArchiveFilter = QStringLiteral("KW Datenbankdateien (*.tdb);;Alle Dateien (*.*)");

}  // namespace

void DlgMainMenu::ExportData() {
    QString path = QFileDialog::getSaveFileName(this, QString(), QString(), kArchiveFilter);
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".tdb"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".tdb");
    }
    CWorkerUserInterface workerUi(m_ui);
    CLongtimeExportWorld operation(*m_world, workerUi, path.toStdString(),
                                   DocumentsDirectory().value_or(std::filesystem::path()));
    CDlgLongtimeOperation::Run(operation, this);
}

void DlgMainMenu::ImportData() {
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), kArchiveFilter);
    if (path.isEmpty()) {
        return;
    }
    if (path.size() <= 3 || !path.endsWith(QStringLiteral("tdb"), Qt::CaseInsensitive)) {
        m_ui.ShowInformation(ResourceString(ids::kOnlyTdbFiles));
        return;
    }
    CWorkerUserInterface workerUi(m_ui);
    CLongtimeImportWorld operation(*m_world, workerUi, path.toStdString(), true);
    CDlgLongtimeOperation::Run(operation, this);
    Refresh();
}

void DlgMainMenu::BuildMaster(std::uint32_t options) {
    if (m_placeholderWorld) {
        return;
    }
    SMasterRequest request;
    request.language = m_world->CurrentLanguage();
    request.options = options;
    request.output = MasterFilePath(m_context.installDirectory, m_world->Directory(),
                                    request.language, false, options);
    request.sideFolder = m_context.workingDirectory;
    CWorkerUserInterface workerUi(m_ui);
    CLongtimeWriteDB operation(*m_world, workerUi, request);
    CDlgLongtimeOperation::Run(operation, this);
}

void DlgMainMenu::closeEvent(QCloseEvent* event) {
    if (m_initialised && !m_ui.AskYesNo(ResourceString(ids::kConfirmQuit))) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace kw
