#include "GuiTest.h"
#include "gui/editors/DlgCsvExport.h"
#include "gui/editors/DlgCsvImportPreview.h"
#include "gui/mainwindow/CsvExchangeCommands.h"
#include "platform/AtomicFile.h"
#include "platform/FileContents.h"
#include "tools/CsvExchange.h"
#include "tools/CsvTable.h"

namespace kw {

using namespace test;

namespace fs = std::filesystem;
using Kind = CScriptedUserInterface::Message::Kind;

// The main window's CSV commands driven as a user does: the export choices and file name, the
// import's file name and preview, applied or cancelled.
class CsvExchangeUiTest : public CDemoGuiTest {
    Q_OBJECT

private slots:
    void exportWritesTheChosenKindAndScope();
    void importAppliesThePreviewAsOneUndoableEdit();
    void cancellingThePreviewLeavesTheDocumentClean();
    void aForeignFileIsRefusedWithAMessage();
    void theMainWindowsFileMenuImportsAndUndoes();

private:
    const CClub& Club() const;
    // The players file of the club with the first player's ability 0 changed and one row whose
    // id names nobody; returns the path.
    fs::path EditedPlayersFile(int& newAbility);
    // Chooses `path` in the next file dialog.
    void ChooseFile(const fs::path& path);
    static void Click(QWidget& dialog, const char* name);

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

void CsvExchangeUiTest::exportWritesTheChosenKindAndScope() {
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

void CsvExchangeUiTest::importAppliesThePreviewAsOneUndoableEdit() {
    const std::string before = Dump();
    int newAbility = 0;
    const fs::path path = EditedPlayersFile(newAbility);
    const std::uint32_t id = Club().FirstTeam().front()->Id();
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
    ImportCsvCommand(*m_document, m_open->Ui(), &m_parent);
    QCOMPARE(changes, 1);
    QCOMPARE(rejected, 1);
    QCOMPARE(Edits(), 1);
    QCOMPARE(int(m_document->World().Person(id)->Ability(0)), newAbility);
    QVERIFY(ReferenceFaults(m_document->World()).empty());
    QVERIFY(m_document->Undo());
    QVERIFY(Dump() == before);
    QVERIFY(!m_document->IsModified());
}

void CsvExchangeUiTest::cancellingThePreviewLeavesTheDocumentClean() {
    const std::string before = Dump();
    int newAbility = 0;
    ChooseFile(EditedPlayersFile(newAbility));
    bool shown = false;
    WhenModal<CDlgCsvImportPreview>(*this, [&](CDlgCsvImportPreview& preview) {
        shown = true;
        QTest::keyClick(&preview, Qt::Key_Escape);
    });
    ImportCsvCommand(*m_document, m_open->Ui(), &m_parent);
    QVERIFY(shown);
    QVERIFY(!m_document->IsModified());
    QCOMPARE(Edits(), 0);
    QVERIFY(Dump() == before);
}

void CsvExchangeUiTest::aForeignFileIsRefusedWithAMessage() {
    const fs::path path = fs::path(m_files.path().toStdString()) / "fremd.csv";
    QVERIFY(WriteFileAtomically(path, "Name;Wert\r\nA;1\r\n"));
    ChooseFile(path);
    ImportCsvCommand(*m_document, m_open->Ui(), &m_parent);
    const auto errors = m_open->Ui().Texts(Kind::Error);
    QCOMPARE(errors.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(errors[0]).contains(QStringLiteral("kann nicht importiert")));
    QCOMPARE(Edits(), 0);
}

void CsvExchangeUiTest::theMainWindowsFileMenuImportsAndUndoes() {
    SAppContext context;
    context.workingDirectory = m_demo.Path();
    context.installationConfigured = true;
    CScriptedUserInterface ui;
    DlgMainMenu window(context, ui);
    m_document = &window.Document();
    const std::string before = Dump();
    int newAbility = 0;
    const fs::path path = EditedPlayersFile(newAbility);
    const std::uint32_t id = Club().FirstTeam().front()->Id();
    QAction* import = nullptr;
    QAction* undo = nullptr;
    for (QAction* action : window.findChildren<QAction*>()) {
        import = action->text() == QStringLiteral("CSV i&mportieren...") ? action : import;
        undo = action->text() == QStringLiteral("&Rückgängig") ? action : undo;
    }
    QVERIFY(import != nullptr && undo != nullptr);
    ChooseFile(path);
    WhenModal<CDlgCsvImportPreview>(*this,
                                    [](CDlgCsvImportPreview& preview) { Click(preview, "apply"); });
    import->trigger();
    QCOMPARE(Edits(), 1);
    QCOMPARE(int(m_document->World().Person(id)->Ability(0)), newAbility);
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QVERIFY(!m_document->IsModified());
    QVERIFY(Dump() == before);
}

}  // namespace kw

int main(int argc, char** argv) {
    return kw::test::RunIsolatedGuiTest<kw::CsvExchangeUiTest>(argc, argv);
}

#include "CsvExchangeUiTest.moc"
