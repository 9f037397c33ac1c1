#include "GuiTest.h"
#include "document/RecordEdits.h"
#include "gui/editors/DlgChangePackagePreview.h"
#include "gui/editors/DlgCsvExport.h"
#include "gui/editors/DlgCsvImportPreview.h"
#include "gui/mainwindow/ChangePackageCommands.h"
#include "gui/mainwindow/CsvExchangeCommands.h"
#include "gui/mainwindow/DlgChangePackageSource.h"
#include "gui/mainwindow/QtText.h"
#include "platform/AtomicFile.h"
#include "platform/FileContents.h"
#include "tools/ChangePackage.h"
#include "tools/CsvExchange.h"
#include "tools/CsvTable.h"
#include "tools/DatabaseDiff.h"

namespace kw {

using namespace test;

namespace fs = std::filesystem;
using Kind = CScriptedUserInterface::Message::Kind;

namespace {

SAppContext Configured(const fs::path& installation) {
    SAppContext context;
    context.workingDirectory = installation;
    context.installationConfigured = true;
    return context;
}

// The main window on the installation, its questions and messages scripted.
struct SMainWindow {
    explicit SMainWindow(const fs::path& installation)
        : context(Configured(installation)), window(context, ui) {}
    SAppContext context;
    CScriptedUserInterface ui;
    DlgMainMenu window;
};

}  // namespace

// The main window's exchange commands driven as a user does: the CSV export choices and file name,
// the import's file name and preview, applied or cancelled; change packages made from another
// database or the unsaved edits and applied through their preview.
class CsvExchangeUiTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void exportWritesTheChosenKindAndScopeAndForeignFilesAreRefused();
    void theMenusImportAndApplyPackagesAsOneUndoableEdit();
    void aPackageOfAnotherDatabaseAppliesThroughThePreviewAndConflictsWhenTaken();

private:
    const CClub& Club() const;
    // The players file of the club with the first player's ability 0 changed and one row whose
    // id names nobody; returns the path.
    fs::path EditedPlayersFile(int& newAbility);
    // Chooses `path` in the next file dialog.
    void ChooseFile(const fs::path& path);
    static void Click(QWidget& dialog, const char* name);
    // The club's first two players, each with an ability 0 for the package (theirs) and another
    // one for the receiving database (ours), both unlike his own.
    struct SAbilityEdit {
        std::uint32_t id;
        int theirs;
        int ours;
    };
    std::vector<SAbilityEdit> AbilityEdits() const;
    static void SetAbility(CDatabaseDocument& document, std::uint32_t id, int value);
    // The demo opened once more, with the package's abilities (theirs) set.
    std::unique_ptr<COpenDemo> Newer() const;
    fs::path FilePath(const char* name) const;
    // Applies the package file through the command, pressing `key` in the preview; returns the
    // preview's summary.
    QString ApplyPressing(const fs::path& path, Qt::Key key);

    QTemporaryDir m_files;
    QWidget m_parent;
};

const CClub& CsvExchangeUiTest::Club() const {
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : m_document->World().Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam() && !entry.second->FirstTeam().empty()) {
                return *entry.second;
            }
        }
    }
    qFatal("no club with players");
}

void CsvExchangeUiTest::ChooseFile(const fs::path& path) {
    WhenModal<QFileDialog>(*this, [path](QFileDialog& dialog) {
        TypeFileName(dialog, QString::fromStdString(path.string()));
    });
}

void CsvExchangeUiTest::Click(QWidget& dialog, const char* name) {
    auto* widget = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(widget != nullptr, name);
    // On the indicator: a radio button takes clicks on its indicator and text only.
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

void CsvExchangeUiTest::exportWritesTheChosenKindAndScopeAndForeignFilesAreRefused() {
    const CClub& club = Club();
    const fs::path path = fs::path(m_files.path().toStdString()) / "vereine.csv";
    bool clubScopeEnabled = false;
    WhenModal<CDlgCsvExport>(*this, [&](CDlgCsvExport& dialog) {
        auto* selectedClub = dialog.findChild<QRadioButton*>(QStringLiteral("selectedClub"));
        QVERIFY(selectedClub != nullptr);
        clubScopeEnabled = selectedClub->isEnabled() && selectedClub->isChecked();
        Click(dialog, "clubs");
        Click(dialog, "selectedCountry");
        ChooseFile(path);
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    ExportCsvCommand(*m_document, club.Country(), club.Id(), m_open->Ui(), &m_parent);
    QVERIFY(clubScopeEnabled);
    const std::optional<std::string> text = ReadFileText(path);
    QVERIFY(text.has_value());
    const SCsvParseResult parsed = ParseCsv(*text);
    QVERIFY(parsed.error.empty());
    QCOMPARE(QString::fromStdString(parsed.rows.at(0).cells.at(0)), QStringLiteral("clubId"));
    const auto clubs = m_document->World().Country(club.Country()).Clubs().size() - 1;
    QCOMPARE(parsed.rows.size() - 1, clubs);
    const auto notes = m_open->Ui().Texts(Kind::Information);
    QCOMPARE(notes.size(), std::size_t{1});
    QVERIFY(notes[0].find(std::to_string(clubs) + " Datens") == 0);
    QCOMPARE(Edits(), 0);

    // A foreign CSV file and a damaged package are refused and change nothing.
    const fs::path foreign = FilePath("fremd.csv");
    QVERIFY(WriteFileAtomically(foreign, "Name;Wert\r\nA;1\r\n"));
    ChooseFile(foreign);
    ImportCsvCommand(*m_document, m_open->Ui(), &m_parent);
    QCOMPARE(m_open->Ui().Texts(Kind::Error).size(), std::size_t{1});
    QVERIFY(QString::fromStdString(m_open->Ui().Texts(Kind::Error)[0])
                .contains(QStringLiteral("kann nicht importiert")));
    QCOMPARE(Edits(), 0);

    const fs::path damaged = FilePath("kaputt.kwp");
    QVERIFY(WriteFileAtomically(
        damaged, R"({"format": "kickwerk-change-package", "version": 1, "changes": [)"));
    QObject scope;
    bool previewed = false;
    test::WhenModal<CDlgChangePackagePreview>(scope,
                                              [&](CDlgChangePackagePreview&) { previewed = true; });
    ChooseFile(damaged);
    ApplyChangePackageCommand(*m_document, m_open->Ui(), &m_parent);
    const auto errors = m_open->Ui().Texts(Kind::Error);
    QCOMPARE(errors.size(), std::size_t{2});
    QVERIFY(FromCp1252(errors[1]).contains(QStringLiteral("kaputt.kwp")));
    QVERIFY(!previewed);
    QCOMPARE(m_document->History().Count(), 0);
}

fs::path CsvExchangeUiTest::EditedPlayersFile(int& newAbility) {
    const CClub& club = Club();
    const CPlayer& player = *club.FirstTeam().front();
    newAbility = player.Ability(0) == 99 ? 98 : 99;
    SCsvParseResult parsed =
        ParseCsv(ExportCsv(m_document->World(), ECsvKind::kPlayers, {0, club.Id()}).text);
    std::vector<std::vector<std::string>> rows;
    for (SCsvRow& row : parsed.rows) {
        rows.push_back(std::move(row.cells));
    }
    const auto& header = rows[0];
    const auto column = static_cast<std::size_t>(
        std::find(header.begin(), header.end(), "ability0") - header.begin());
    for (auto& row : rows) {
        if (row[0] == std::to_string(player.Id())) {
            row[column] = std::to_string(newAbility);
        }
    }
    rows.push_back(rows.back());
    rows.back()[0] = "987654321";
    const fs::path path = fs::path(m_files.path().toStdString()) / "spieler.csv";
    if (!WriteFileAtomically(path, WriteCsv(rows))) {
        qFatal("cannot write the CSV file");
    }
    return path;
}

// The file menu imports through the preview as one undoable edit; the databases menu packages
// the unsaved edits and applies them.
void CsvExchangeUiTest::theMenusImportAndApplyPackagesAsOneUndoableEdit() {
    SMainWindow main(m_demo.Path());
    m_document = &main.window.Document();
    const std::string before = Dump();
    int newAbility = 0;
    const fs::path path = EditedPlayersFile(newAbility);
    const std::uint32_t id = Club().FirstTeam().front()->Id();
    QAction* import = Action(main.window, QStringLiteral("CSV i&mportieren..."));
    QAction* undo = Action(main.window, QStringLiteral("&Rückgängig"));
    QVERIFY(import != nullptr && undo != nullptr);
    // Cancelled, the preview leaves the document clean.
    ChooseFile(path);
    bool shown = false;
    WhenModal<CDlgCsvImportPreview>(*this, [&](CDlgCsvImportPreview& preview) {
        shown = true;
        QTest::keyClick(&preview, Qt::Key_Escape);
    });
    import->trigger();
    QVERIFY(shown);
    QVERIFY(!m_document->IsModified());
    QVERIFY(Dump() == before);

    int changes = -1;
    int rejected = -1;
    ChooseFile(path);
    WhenModal<CDlgCsvImportPreview>(*this, [&](CDlgCsvImportPreview& preview) {
        changes = preview.findChild<QTreeWidget*>(QStringLiteral("changes"))->topLevelItemCount();
        auto* rejectedList = preview.findChild<QTreeWidget*>(QStringLiteral("rejected"));
        rejected = rejectedList->topLevelItemCount();
        QCOMPARE(rejectedList->topLevelItem(0)->text(2), QStringLiteral("unknown id"));
        QVERIFY(!m_document->IsModified());  // nothing happens before "Übernehmen"
        Click(preview, "apply");
    });
    import->trigger();
    QCOMPARE(changes, 1);
    QCOMPARE(rejected, 1);
    QCOMPARE(Edits(), 1);
    QCOMPARE(int(m_document->World().Person(id)->Ability(0)), newAbility);
    QVERIFY(ReferenceFaults(m_document->World()).empty());
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QVERIFY(!m_document->IsModified());
    QVERIFY(Dump() == before);

    // The databases menu packages the unsaved edits and applies them.
    const std::size_t informations = main.ui.Texts(Kind::Information).size();
    DlgMainMenu& window = main.window;
    QAction* make = Action(window, QStringLiteral("Änderungspaket &erstellen..."));
    QAction* unsaved =
        Action(window, QStringLiteral("Änderungen seit dem letzten Speichern als &Paket..."));
    QAction* apply = Action(window, QStringLiteral("Änderungspaket &anwenden..."));
    QVERIFY(make != nullptr && unsaved != nullptr && apply != nullptr);
    QVERIFY(!make->isEnabled());  // one database open
    {
        QObject scope;
        bool asked = false;
        test::WhenModal<QFileDialog>(scope, [&](QFileDialog&) { asked = true; });
        unsaved->trigger();
        QVERIFY(!asked);
        QCOMPARE(main.ui.Texts(Kind::Information).size(), informations + 1);
    }

    const SAbilityEdit edit = AbilityEdits().front();
    SetAbility(*m_document, edit.id, edit.theirs);
    const fs::path package = FilePath("ungespeichert.kwp");
    ChooseFile(package);
    unsaved->trigger();
    const SPackageRead read = ReadChangePackage(ReadFileText(package).value_or(std::string()));
    QVERIFY2(read.package.has_value(), read.error.c_str());
    QCOMPARE(read.package->changes.size(), std::size_t{1});
    const SPackageChange& change = read.package->changes[0];
    QCOMPARE(QString::fromStdString(change.field), QStringLiteral("abilities[0]"));
    QCOMPARE(change.newValue.get<int>(), edit.theirs);

    undo->trigger();
    QVERIFY(!window.isWindowModified());
    ChooseFile(package);
    test::WhenModal<CDlgChangePackagePreview>(*this, [](CDlgChangePackagePreview& preview) {
        QTest::keyClick(preview.findChild<QTreeWidget*>(QStringLiteral("changes")), Qt::Key_Return);
    });
    apply->trigger();
    QCOMPARE(int(m_document->World().Person(edit.id)->Ability(0)), edit.theirs);
    QVERIFY(window.isWindowModified());
    QCOMPARE(undo->text(), QStringLiteral("&Rückgängig: Änderungspaket anwenden"));
}

std::vector<CsvExchangeUiTest::SAbilityEdit> CsvExchangeUiTest::AbilityEdits() const {
    std::vector<SAbilityEdit> edits;
    for (std::size_t i = 0; i < 2; ++i) {
        const CPlayer& player = *Club().FirstTeam().at(i);
        const int own = player.Ability(0);
        edits.push_back({player.Id(), own % 90 + 5, own % 90 + 6});
    }
    return edits;
}

void CsvExchangeUiTest::SetAbility(CDatabaseDocument& document, std::uint32_t id, int value) {
    std::unique_ptr<CPlayer> values = document.World().Person(id)->Clone();
    values->SetAbility(0, static_cast<std::uint8_t>(value));
    document.Do(std::make_unique<CPersonValuesEdit>("Spieler", *values));
}

std::unique_ptr<COpenDemo> CsvExchangeUiTest::Newer() const {
    auto newer = std::make_unique<COpenDemo>(m_demo.Path());
    for (const SAbilityEdit& edit : AbilityEdits()) {
        SetAbility(newer->Document(), edit.id, edit.theirs);
    }
    return newer;
}

fs::path CsvExchangeUiTest::FilePath(const char* name) const {
    return fs::path(m_files.path().toStdString()) / name;
}

QString CsvExchangeUiTest::ApplyPressing(const fs::path& path, Qt::Key key) {
    QString summary;
    ChooseFile(path);
    test::WhenModal<CDlgChangePackagePreview>(*this, [&](CDlgChangePackagePreview& preview) {
        summary = preview.findChild<QLabel*>(QStringLiteral("summary"))->text();
        QVERIFY(test::AccessibleNames(preview).contains(QStringLiteral("Änderungen")));
        QTest::keyClick(preview.findChild<QTreeWidget*>(QStringLiteral("changes")), key);
    });
    ApplyChangePackageCommand(*m_document, m_open->Ui(), &m_parent);
    return summary;
}

void CsvExchangeUiTest::aPackageOfAnotherDatabaseAppliesThroughThePreviewAndConflictsWhenTaken() {
    const std::unique_ptr<COpenDemo> newer = Newer();
    const std::string before = DumpWorldJson(m_document->World());
    const fs::path path = FilePath("neu.kwp");
    QString current;
    test::WhenModal<CDlgChangePackageSource>(*this, [&](CDlgChangePackageSource& chooser) {
        current = chooser.findChild<QLabel*>(QStringLiteral("currentDatabase"))->text();
        QTest::keyClick(chooser.focusWidget(), Qt::Key_Return);
    });
    ChooseFile(path);
    MakeChangePackageCommand(
        {{QStringLiteral("1 alt"), m_document}, {QStringLiteral("2 neu"), &newer->Document()}}, 1,
        m_open->Ui(), &m_parent);
    QCOMPARE(current, QStringLiteral("2 neu"));
    const auto notes = m_open->Ui().Texts(Kind::Information);
    QCOMPARE(notes.size(), std::size_t{1});
    QVERIFY(FromCp1252(notes[0]).startsWith(QStringLiteral("2 Änderungen")));

    QVERIFY(ApplyPressing(path, Qt::Key_Escape).contains(QStringLiteral("Wird übernommen: 2")));
    QCOMPARE(m_document->History().Count(), 0);
    QVERIFY(DumpWorldJson(m_document->World()) == before);
    ApplyPressing(path, Qt::Key_Return);
    QCOMPARE(m_document->History().Count(), 1);
    const SDatabaseDiff diff = DiffWorlds(m_document->World(), newer->Document().World());
    QVERIFY2(diff.IsEmpty(), DiffText(diff).c_str());
    QVERIFY(m_document->Undo());
    QVERIFY(DumpWorldJson(m_document->World()) == before);

    // Edited here too, each change is a conflict, applied only when taken.
    const std::vector<SAbilityEdit> edits = AbilityEdits();
    for (const SAbilityEdit& edit : edits) {
        SetAbility(*m_document, edit.id, edit.ours);
    }
    QString taken;
    ChooseFile(path);
    test::WhenModal<CDlgChangePackagePreview>(*this, [&](CDlgChangePackagePreview& preview) {
        auto* list = preview.findChild<QTreeWidget*>(QStringLiteral("changes"));
        QCOMPARE(list->topLevelItemCount(), 2);
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(list->topLevelItem(row)->text(0), QStringLiteral("Konflikt"));
            QCOMPARE(list->topLevelItem(row)->checkState(0), Qt::Unchecked);
        }
        list->setCurrentItem(list->topLevelItem(1));
        QTest::keyClick(list, Qt::Key_Space);
        taken = list->topLevelItem(1)->text(1);
        QTest::keyClick(list, Qt::Key_Return);
    });
    ApplyChangePackageCommand(*m_document, m_open->Ui(), &m_parent);
    QCOMPARE(m_document->History().Count(), 3);
    int takenCount = 0;
    for (const SAbilityEdit& edit : edits) {
        const CPlayer& player = *m_document->World().Person(edit.id);
        const bool isTaken = taken.contains(FromCp1252(player.Surname().View()));
        takenCount += isTaken ? 1 : 0;
        QCOMPARE(int(player.Ability(0)), isTaken ? edit.theirs : edit.ours);
    }
    QCOMPARE(takenCount, 1);
}

}  // namespace kw

KW_GUI_TEST(CsvExchangeUiTest);

#include "CsvExchangeUiTest.moc"
