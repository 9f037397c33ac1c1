#include <fstream>

#include "GuiTest.h"
#include "gui/mainwindow/DlgNewDatabase.h"
#include "gui/mainwindow/DlgSelectDatabase.h"
#include "gui/mainwindow/SelectDatabase.h"

namespace kw {

using namespace test;

namespace fs = std::filesystem;

namespace {

// A documents folder with "Database/" holding three databases, two with a description.
struct SDocuments {
    SDocuments() : root(dir.path().toStdString()), databases(root / "Database") {
        for (const char* name : {"Saison 2006", "alt", "Leer"}) {
            fs::create_directories(databases / name);
        }
        WriteText(databases / "Saison 2006" / "Database.txt", "Stand Juli, \xC4nderungen");
        WriteText(databases / "alt" / "database.txt", "Die alte Datenbank");
    }
    // The dialog on the folder, shown; `open`: the folders of the open database slots.
    template <typename T>
    T& Shown(std::vector<fs::path> open = {}) {
        auto made = std::make_unique<T>(root, ui, std::move(open));
        T& dialog = *made;
        shown = std::move(made);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) {
            throw std::runtime_error("dialog not shown");
        }
        return dialog;
    }
    QTemporaryDir dir;
    fs::path root;
    fs::path databases;
    CScriptedUserInterface ui;
    std::unique_ptr<QDialog> shown;
};

QStringList Rows(const CSelectDatabase& list) {
    QStringList rows;
    for (int row = 0; row < list.count(); ++row) {
        rows << list.item(row)->text();
    }
    return rows;
}

void ClickRow(CSelectDatabase& list, const QString& name) {
    const QList<QListWidgetItem*> items = list.findItems(name, Qt::MatchExactly);
    QVERIFY(items.size() == 1);
    const QRect rect = list.visualItemRect(items.front());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace

class DatabaseDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void OpeningListsSelectsOpensAndDeletesDatabaseFolders() {
        SDocuments documents;
        fs::create_directories(documents.databases / "TempExport" / "badges");
        WriteText(documents.databases / "keine.txt", "Datei, keine Datenbank");
        CDlgSelectDatabase dialog(documents.root, documents.ui, {});
        QVERIFY(!fs::exists(documents.databases / "TempExport"));
        QCOMPARE(Rows(*dialog.DatabaseList()), (QStringList{"alt", "Leer", "Saison 2006"}));
        QVERIFY(!dialog.OpenButton()->isEnabled());
        QVERIFY(!dialog.DeleteButton()->isEnabled());

        // A documents folder without databases gets its databases folder.
        const fs::path missing = documents.root / "Dokumente";
        const CDlgSelectDatabase empty(missing, documents.ui, {});
        QVERIFY(fs::is_directory(missing / "database"));
        QCOMPARE(empty.DatabaseList()->count(), 0);

        // Selecting shows the comment; opening accepts with the folder.
        auto& chosen = documents.Shown<CDlgSelectDatabase>();

        ClickRow(*chosen.DatabaseList(), "Saison 2006");
        QCOMPARE(chosen.Comment()->toPlainText(), QString::fromUtf8("Stand Juli, Änderungen"));
        QVERIFY(chosen.Comment()->isReadOnly());
        QVERIFY(chosen.OpenButton()->isEnabled());
        QVERIFY(chosen.DeleteButton()->isEnabled());
        ClickRow(*chosen.DatabaseList(), "Leer");
        QCOMPARE(chosen.Comment()->toPlainText(), QString());

        QTest::mouseClick(chosen.OpenButton(), Qt::LeftButton);
        QCOMPARE(chosen.result(), int(QDialog::Accepted));
        QCOMPARE(chosen.Folder(), documents.databases / "Leer");

        // A double click opens; Escape leaves no folder.
        auto& opened = documents.Shown<CDlgSelectDatabase>();
        DoubleClickRow(*opened.DatabaseList(), 0);
        QCOMPARE(opened.result(), int(QDialog::Accepted));
        QCOMPARE(opened.Folder(), documents.databases / "alt");
        auto& cancelled = documents.Shown<CDlgSelectDatabase>();
        ClickRow(*cancelled.DatabaseList(), "alt");
        QTest::keyClick(&cancelled, Qt::Key_Escape);
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QVERIFY(cancelled.Folder().empty());

        // Deleting asks, deletes only on "Ja" and reports what cannot be done.
        QTemporaryDir outside;
        const fs::path foreign = fs::path(outside.path().toStdString()) / "fremd";
        fs::create_directories(foreign);
        WriteText(foreign / "wichtig.txt", "bleibt");
        fs::create_directory_symlink(foreign, documents.databases / "Verweis");
        auto& deleting = documents.Shown<CDlgSelectDatabase>({documents.databases / "alt"});

        ClickRow(*deleting.DatabaseList(), "Saison 2006");
        documents.ui.QueueAnswer(false);
        QTest::mouseClick(deleting.DeleteButton(), Qt::LeftButton);
        QCOMPARE(documents.ui.Texts(CScriptedUserInterface::Message::Kind::Question),
                 (std::vector<std::string>{
                     "M\xF6"
                     "chten Sie die Datenbank \"Saison 2006\" wirklich l\xF6schen?"}));
        QVERIFY(fs::exists(documents.databases / "Saison 2006"));
        QCOMPARE(deleting.DatabaseList()->count(), 4);

        documents.ui.QueueAnswer(true);
        QTest::mouseClick(deleting.DeleteButton(), Qt::LeftButton);
        QVERIFY(!fs::exists(documents.databases / "Saison 2006"));
        QCOMPARE(Rows(*deleting.DatabaseList()), (QStringList{"alt", "Leer", "Verweis"}));
        QVERIFY(deleting.Comment()->toPlainText().isEmpty());
        QVERIFY(!deleting.DeleteButton()->isEnabled());
        QVERIFY(!deleting.OpenButton()->isEnabled());
        QVERIFY(documents.ui.Texts(CScriptedUserInterface::Message::Kind::Error).empty());

        // The database of an open slot: the question says so.
        ClickRow(*deleting.DatabaseList(), "alt");
        documents.ui.QueueAnswer(false);
        QTest::mouseClick(deleting.DeleteButton(), Qt::LeftButton);
        const std::string question = documents.ui.Messages().back().text;
        QVERIFY(question.find("\"alt\"") != std::string::npos);
        QVERIFY(question.find("im Editor ge\xF6"
                              "ffnet") != std::string::npos);
        QVERIFY(fs::exists(documents.databases / "alt"));

        // A link to a folder elsewhere is not followed: the deletion is reported.
        ClickRow(*deleting.DatabaseList(), "Verweis");
        documents.ui.QueueAnswer(true);
        QTest::mouseClick(deleting.DeleteButton(), Qt::LeftButton);
        QVERIFY(fs::exists(foreign / "wichtig.txt"));
        QVERIFY(deleting.DatabaseList()->findItems("Verweis", Qt::MatchExactly).size() == 1);
        const auto errors = documents.ui.Texts(CScriptedUserInterface::Message::Kind::Error);
        QCOMPARE(errors.size(), std::size_t(1));
        QVERIFY(errors.front().find("\"Verweis\" konnte nicht gel\xF6scht") != std::string::npos);
    }

    void NamesSelectDeleteAndSaveInTheSaveDialog() {
        SDocuments documents;
        auto& dialog = documents.Shown<CDlgNewDatabase>();
        // At first everything but the name is disabled.
        QVERIFY(!dialog.SaveButton()->isEnabled());
        QVERIFY(!dialog.DeleteButton()->isEnabled());
        QVERIFY(!dialog.DescriptionField()->isEnabled());
        QCOMPARE(dialog.DatabaseList()->count(), 3);

        // Which names are refused: DatabaseFolders in tests/app.
        for (const QString& name : {QStringLiteral("wer?"), QStringLiteral("tempexport")}) {
            Retype(*dialog.NameField(), name);
            QVERIFY2(!dialog.SaveButton()->isEnabled(), qPrintable(name));
            QVERIFY2(dialog.DescriptionField()->isEnabled(), qPrintable(name));
            // Enter does not save either.
            QTest::keyClick(dialog.NameField(), Qt::Key_Return);
            QVERIFY2(dialog.isVisible(), qPrintable(name));
        }
        Retype(*dialog.NameField(), "Saison 2007");
        QVERIFY(dialog.SaveButton()->isEnabled());
        QVERIFY(!dialog.DeleteButton()->isEnabled());

        // Emptying the name empties and disables the description.
        QTest::keyClicks(dialog.DescriptionField(), "neu");
        Retype(*dialog.NameField(), "");
        QVERIFY(!dialog.SaveButton()->isEnabled());
        QVERIFY(!dialog.DescriptionField()->isEnabled());
        QVERIFY(dialog.DescriptionField()->toPlainText().isEmpty());

        // An existing name selects it and offers its comment.
        Retype(*dialog.NameField(), "alt");
        QCOMPARE(dialog.DatabaseList()->SelectedName(), std::optional<std::string>("alt"));
        QCOMPARE(dialog.Comment()->toPlainText(), QStringLiteral("Die alte Datenbank"));
        QCOMPARE(dialog.DescriptionField()->toPlainText(), QStringLiteral("Die alte Datenbank"));
        QVERIFY(dialog.DeleteButton()->isEnabled());
        QVERIFY(dialog.SaveButton()->isEnabled());

        // One more letter: no database of that name any more.
        QTest::keyClicks(dialog.NameField(), "e");
        QVERIFY(!dialog.DatabaseList()->SelectedName());
        QVERIFY(dialog.Comment()->toPlainText().isEmpty());
        QVERIFY(!dialog.DeleteButton()->isEnabled());

        // A description the user wrote stays when a database is chosen.
        dialog.DescriptionField()->clear();
        QTest::keyClicks(dialog.DescriptionField(), "Meine Saison");
        ClickRow(*dialog.DatabaseList(), "Saison 2006");
        QCOMPARE(dialog.NameField()->text(), QStringLiteral("Saison 2006"));
        QCOMPARE(dialog.Comment()->toPlainText(), QString::fromUtf8("Stand Juli, Änderungen"));
        QCOMPARE(dialog.DescriptionField()->toPlainText(), QStringLiteral("Meine Saison"));

        // Deleting from the save dialog; saving hands back name and description.
        Retype(*dialog.NameField(), "Leer");
        documents.ui.QueueAnswer(true);
        QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
        QVERIFY(!fs::exists(documents.databases / "Leer"));
        QCOMPARE(Rows(*dialog.DatabaseList()), (QStringList{"alt", "Saison 2006"}));
        QVERIFY(!dialog.DeleteButton()->isEnabled());

        Retype(*dialog.NameField(), QString::fromUtf8("Saison Ä"));
        dialog.DescriptionField()->clear();
        TypeText(dialog.DescriptionField(), QString::fromUtf8("Für später"));
        QTest::keyClick(dialog.NameField(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Name(), std::string("Saison \xC3\x84"));
        QCOMPARE(dialog.Description(), std::string("F\xFCr sp\xE4ter"));
        // The dialog itself creates nothing.
        QVERIFY(!fs::exists(documents.databases / "Saison \xC3\x84"));

        auto& cancelled = documents.Shown<CDlgNewDatabase>();
        QTest::keyClick(cancelled.NameField(), Qt::Key_Escape);
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    }
};

}  // namespace kw

KW_GUI_TEST(DatabaseDialogsTest);
#include "DatabaseDialogsTest.moc"
