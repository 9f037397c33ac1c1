#include "GuiTest.h"
#include "MenuDrivers.h"
#include "gui/editors/Dlg5Year.h"
#include "gui/editors/DlgCalendar.h"
#include "gui/editors/DlgFixturelist.h"
#include "gui/editors/DlgInternationalCompetition.h"
#include "gui/editors/DlgLeagueComposition.h"
#include "gui/editors/DlgLeagueSystem.h"
#include "gui/editors/DlgNationalteam.h"
#include "gui/editors/DlgNewClub.h"
#include "gui/editors/DlgReferees.h"
#include "gui/editors/DlgStadiumlist.h"
#include "gui/editors/club/DlgClubParent.h"
#include "gui/editors/country/CountryLeagueSystemPage.h"
#include "gui/editors/country/DlgCountry.h"
#include "gui/editors/country/DlgCountrySubPage.h"
#include "gui/mainwindow/DlgDatabaseCopy.h"
#include "gui/mainwindow/DlgNewDatabase.h"
#include "gui/mainwindow/DlgSelectDatabase.h"
#include "gui/mainwindow/SelectDatabase.h"
#include "platform/Environment.h"

namespace kw {

using namespace test;
using Kind = CScriptedUserInterface::Message::Kind;

// The main window's commands on databases, on a fresh copy of the small demo installation for each
// test, since the window writes the restore archive into it.
class DlgMainMenuCommandsTest : public CMainWindowGuiTest {
    Q_OBJECT

private slots:
    void closeAsksAndFiveDatabasesDisableTheCommandsThatOpenOne();
    void accentedNamesMakeOneUtf8FolderShownAlike_data();
    void accentedNamesMakeOneUtf8FolderShownAlike();
    void quitAsksAboutEachModifiedDatabaseInTurn();
    void switchingSlotsRefreshesTheWindowAndKeepsEachSelection();
    void restoreAndImportAskAboutTheChangesFirst();
    void clubMenuActsOnItsClubSelectsEditedAndNewClubsAndRefusesAFullCountry();
    void saveAsAndOpenShowAnOpenFolderOrAddASlot();
    void badgeCheckAndMissingRendererCarryOn();
    void editorsOpenForTheSelectionAndLeaveTheirEditsOnEveryWayOut();
};

// "S&chließen" asks about unsaved changes, and only with two slots; five databases disable the
// commands that open one.
void DlgMainMenuCommandsTest::closeAsksAndFiveDatabasesDisableTheCommandsThatOpenOne() {
    DlgMainMenu window(m_context, m_ui);
    QAction* close = Action(window, QStringLiteral("S&chließen"));
    QVERIFY(close != nullptr);
    QVERIFY(!close->isEnabled());
    AddClub(window.Document());
    window.CloseDatabase();
    QVERIFY(m_ui.Messages().empty());
    QCOMPARE(DatabaseEntries(window).size(), 1);

    // Unsaved changes: "Abbrechen" keeps the database open, "Verwerfen" closes it.
    NewDatabase(window, QStringLiteral("zu schliessen"));
    QVERIFY(close->isEnabled());
    AddClub(window.Document());
    close->trigger();
    QCOMPARE(DatabaseEntries(window).size(), 2);
    QCOMPARE(m_ui.Texts(Kind::Question).size(), std::size_t{1});
    QVERIFY(m_ui.Texts(Kind::Question).back().find("\"zu schliessen\"") != std::string::npos);
    m_ui.QueueSaveChoice(ESaveChoice::kDiscard);
    close->trigger();
    QCOMPARE(DatabaseEntries(window), QStringList{QStringLiteral("1. Database")});
    QCOMPARE(window.World().DirectoryName(), std::string("database"));
    QVERIFY(window.World().CountryCount() > 0);
    QVERIFY(!close->isEnabled());

    // Nothing unsaved: closed without a question.
    NewDatabase(window, QStringLiteral("unverändert"));
    close->trigger();
    QCOMPARE(DatabaseEntries(window).size(), 1);
    QCOMPARE(m_ui.Texts(Kind::Question).size(), std::size_t{2});

    QAction* newAction = Action(window, QStringLiteral("&Neu..."));
    QAction* open = Action(window, QStringLiteral("&Öffnen.."));
    QAction* import = Action(window, QStringLiteral("Daten &importieren"));
    QVERIFY(newAction != nullptr && open != nullptr && import != nullptr);
    QVERIFY(newAction->isEnabled() && import->isEnabled());
    // A name that cannot be a folder is refused, naming it, and adds no slot.
    NewDatabase(window, QStringLiteral("a/b"));
    QCOMPARE(DatabaseEntries(window).size(), 1);
    QCOMPARE(m_ui.Texts(Kind::Error).size(), std::size_t{1});
    QVERIFY(m_ui.Texts(Kind::Error).front().find("a/b") != std::string::npos);
    QVERIFY(!fs::exists(*DocumentsDirectory() / "database" / "a"));
    for (int i = 2; i <= 5; ++i) {
        NewDatabase(window, QStringLiteral("Neue Welt %1").arg(i));
        QCOMPARE(DatabaseEntries(window).size(), i);
    }
    QCOMPARE(DatabaseEntries(window).back(), QStringLiteral("5. Neue Welt 5"));
    QVERIFY(!newAction->isEnabled());
    QVERIFY(!open->isEnabled());
    QVERIFY(!import->isEnabled());
    // The command itself still accepts a sixth, and nothing beyond: no dialog asks then.
    {
        QObject scope;
        AnswerName(scope, QStringLiteral("Sechste"));
        window.NewDatabase();
    }
    QCOMPARE(DatabaseEntries(window).size(), 6);
    QVERIFY(fs::is_directory(*DocumentsDirectory() / "database" / "Sechste"));
    window.NewDatabase();
    QCOMPARE(DatabaseEntries(window).size(), 6);
    QCOMPARE(m_ui.Messages().size(), std::size_t{3});  // the two questions and the error
}

// Folder names are UTF-8 whichever command made them, and shown alike wherever they appear.
void DlgMainMenuCommandsTest::accentedNamesMakeOneUtf8FolderShownAlike_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");  // words capitalised, as caption and menu show them
    QTest::newRow("Übung") << QStringLiteral("Übung") << QStringLiteral("Übung");
    QTest::newRow("Ça va") << QStringLiteral("Ça va") << QStringLiteral("Ça Va");
}

void DlgMainMenuCommandsTest::accentedNamesMakeOneUtf8FolderShownAlike() {
    QFETCH(QString, name);
    QFETCH(QString, shown);
    // The documents' databases are shared by the tests; this one sees only its own.
    const fs::path databases = *DocumentsDirectory() / "database";
    fs::remove_all(databases);
    DlgMainMenu window(m_context, m_ui);
    NewDatabase(window, name);
    const fs::path folder = databases / name.toStdString();
    QVERIFY(fs::is_directory(folder));
    QCOMPARE(window.World().Directory(), folder);
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" - ") + shown + QStringLiteral("[*]")));
    QCOMPARE(DatabaseEntries(window).back(), QStringLiteral("2. ") + shown);

    // "Speichern unter" finds that folder under the same name and asks before replacing it.
    AddClub(window.Document());
    std::optional<std::string> selected;
    {
        QObject scope;
        WhenModal<CDlgNewDatabase>(scope, [&name, &selected](CDlgNewDatabase& dialog) {
            TypeText(dialog.NameField(), name);
            selected = dialog.DatabaseList()->SelectedName();
            QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
        });
        m_ui.QueueAnswer(true);
        Action(window, QStringLiteral("Speichern &unter..."))->trigger();
    }
    QCOMPARE(selected, std::optional<std::string>(name.toStdString()));
    const std::string inQuestion = Utf8ToCp1252(name.toStdString());  // as questions show it
    QCOMPARE(m_ui.Texts(Kind::Question).size(), std::size_t{1});
    QVERIFY(m_ui.Texts(Kind::Question).back().find(inQuestion + " existiert") != std::string::npos);
    QCOMPARE(std::distance(fs::directory_iterator(databases), fs::directory_iterator()),
             std::ptrdiff_t{1});
    QVERIFY(fs::exists(folder / "Country14.sav"));
    QVERIFY(!window.Document().IsModified());

    // The question before closing, and the list of "&Öffnen..".
    AddClub(window.Document());
    Action(window, QStringLiteral("S&chließen"))->trigger();
    QVERIFY(m_ui.Texts(Kind::Question).back().find('"' + inQuestion + '"') != std::string::npos);
    QStringList listed;
    {
        QObject scope;
        WhenModal<CDlgSelectDatabase>(scope, [&listed](CDlgSelectDatabase& dialog) {
            for (int row = 0; row < dialog.DatabaseList()->count(); ++row) {
                listed << dialog.DatabaseList()->item(row)->text();
            }
            dialog.reject();
        });
        Action(window, QStringLiteral("&Öffnen.."))->trigger();
    }
    QCOMPARE(listed, QStringList{name});
}

void DlgMainMenuCommandsTest::quitAsksAboutEachModifiedDatabaseInTurn() {
    DlgMainMenu window(m_context, m_ui);
    window.show();
    NewDatabase(window, QStringLiteral("Zweite"));
    const fs::path second = window.World().Directory();
    AddClub(window.Document());
    window.SelectDatabase(0);
    AddClub(window.Document());
    const auto questions = [this] { return m_ui.Texts(Kind::Question); };
    const auto modified = [&window](int slot) {
        window.SelectDatabase(slot);
        return window.Document().IsModified();
    };

    // "Abbrechen" at the first question, or at the second after "Verwerfen", stays open.
    QVERIFY(!window.close());
    QCOMPARE(questions().size(), std::size_t{1});
    QVERIFY(questions()[0].find("\"database\"") != std::string::npos);
    m_ui.QueueSaveChoice(ESaveChoice::kDiscard);
    QVERIFY(!window.close());
    QCOMPARE(questions().size(), std::size_t{3});
    QVERIFY(questions()[2].find("\"Zweite\"") != std::string::npos);
    QVERIFY(modified(0) && modified(1));

    // A save that fails says why and stays open, showing that database.
    window.SelectDatabase(0);
    fs::remove_all(second);
    m_ui.QueueSaveChoice(ESaveChoice::kDiscard);
    m_ui.QueueSaveChoice(ESaveChoice::kSave);
    QVERIFY(!window.close());
    QCOMPARE(m_ui.Texts(Kind::Error).size(), std::size_t{1});
    QCOMPARE(window.World().Directory(), second);
    QVERIFY(modified(0) && modified(1));

    // "Speichern" for both writes both and quits.
    fs::create_directory(second);
    m_ui.QueueSaveChoice(ESaveChoice::kSave);
    m_ui.QueueSaveChoice(ESaveChoice::kSave);
    QVERIFY(window.close());
    QCOMPARE(questions().size(), std::size_t{7});
    QVERIFY(fs::exists(second / "Country14.sav"));
    QVERIFY(!modified(0) && !modified(1));
}

void DlgMainMenuCommandsTest::switchingSlotsRefreshesTheWindowAndKeepsEachSelection() {
    DlgMainMenu window(m_context, m_ui);
    const auto total = [&window] { return Child<QLabel>(window, "clubsTotal").text(); };
    auto& continents = Child<QComboBox>(window, QStringLiteral("continents"));
    auto& countries = Child<QListWidget>(window, QStringLiteral("countries"));
    continents.setCurrentIndex(continents.findText(QStringLiteral("Afrika")));
    countries.setCurrentRow(countries.count() - 1);
    const QString chosen = countries.currentItem()->text();
    const QString clubs = total();
    QVERIFY(clubs.toInt() > 0);
    NewDatabase(window, QStringLiteral("leere welt"));
    QCOMPARE(total(), QStringLiteral("0"));
    QCOMPARE(continents.currentText(), QStringLiteral("Europa"));
    QVERIFY(window.windowTitle().contains(QStringLiteral("Leere Welt")));
    QCOMPARE(DatabaseEntries(window),
             (QStringList{QStringLiteral("1. Database"), QStringLiteral("2. Leere Welt")}));
    continents.setCurrentIndex(continents.findText(QStringLiteral("Asien")));
    // The new database has a history of its own.
    AddClub(window.Document());
    QCOMPARE(total(), QStringLiteral("1"));

    Action(window, QStringLiteral("1. Database"))->trigger();
    QCOMPARE(total(), clubs);
    QCOMPARE(continents.currentText(), QStringLiteral("Afrika"));
    QCOMPARE(countries.currentItem()->text(), chosen);
    QVERIFY(window.windowTitle().contains(QStringLiteral("- Database")));
    QVERIFY(!window.Document().UndoDescription().has_value());
    // Changes in the shown database refresh the window; the other one no longer does.
    AddClub(window.Document());
    QCOMPARE(total().toInt(), clubs.toInt() + 1);
    Action(window, QStringLiteral("2. Leere Welt"))->trigger();
    QCOMPARE(total(), QStringLiteral("1"));
    QCOMPARE(continents.currentText(), QStringLiteral("Asien"));
    QVERIFY(window.Document().UndoDescription().has_value());

    // A closed database's selection is not handed to the one opened after it.
    m_ui.QueueSaveChoice(ESaveChoice::kDiscard);
    Action(window, QStringLiteral("S&chließen"))->trigger();
    QCOMPARE(continents.currentText(), QStringLiteral("Afrika"));
    NewDatabase(window, QStringLiteral("Dritte Welt"));
    QCOMPARE(continents.currentText(), QStringLiteral("Europa"));
}

void DlgMainMenuCommandsTest::restoreAndImportAskAboutTheChangesFirst() {
    const fs::path archive = fs::path(m_context.workingDirectory) / "database" / "default.tdb";
    QVERIFY(!fs::exists(archive));
    int clubs = 0;
    {
        DlgMainMenu window(m_context, m_ui);
        // The first load with clubs became the restore point, without a message.
        QVERIFY(fs::exists(archive));
        QVERIFY(m_ui.Messages().empty());
        clubs = window.World().Country(kDefaultCountry).ClubCount();
    }
    const auto written = fs::last_write_time(archive);
    DlgMainMenu window(m_context, m_ui);
    QCOMPARE(fs::last_write_time(archive), written);  // written once only
    QAction* restore = Action(window, QStringLiteral("Datenbank wiederherstellen"));
    QVERIFY(restore != nullptr && restore->isEnabled());
    AddClub(window.Document());

    // The unsaved changes are asked about first: "Abbrechen" ends it there.
    restore->trigger();
    QCOMPARE(m_ui.Texts(Kind::Question).size(), std::size_t{1});
    m_ui.QueueSaveChoice(ESaveChoice::kDiscard);
    m_ui.QueueAnswer(false);
    restore->trigger();
    QCOMPARE(m_ui.Texts(Kind::Question).size(), std::size_t{3});
    QCOMPARE(m_ui.Texts(Kind::Question).back(), std::string(GuiString(ids::kRestoreDatabase)));
    QCOMPARE(window.World().Country(kDefaultCountry).ClubCount(), clubs + 1);
    QVERIFY(window.Document().UndoDescription().has_value());

    // "Ja" brings the archive back without the import's own question.
    m_ui.QueueSaveChoice(ESaveChoice::kDiscard);
    m_ui.QueueAnswer(true);
    restore->trigger();
    QCOMPARE(m_ui.Texts(Kind::Question).size(), std::size_t{5});
    QCOMPARE(window.World().Country(kDefaultCountry).ClubCount(), clubs);
    QVERIFY(!window.Document().UndoDescription().has_value());

    // "Daten importieren" asks about the changes too, then its own question.
    AddClub(window.Document());
    m_ui.QueueSaveChoice(ESaveChoice::kDiscard);
    m_ui.QueueAnswer(true);
    {
        QObject scope;
        WhenModal<QFileDialog>(scope, [&archive](QFileDialog& dialog) {
            TypeFileName(dialog, QString::fromStdString(archive.string()));
        });
        Action(window, QStringLiteral("Daten &importieren"))->trigger();
    }
    QCOMPARE(m_ui.Texts(Kind::Question).size(), std::size_t{7});
    QCOMPARE(m_ui.Texts(Kind::Question).back(), std::string(GuiString(ids::kImportQuestion)));
    QCOMPARE(window.World().Country(kDefaultCountry).ClubCount(), clubs);
    QVERIFY(!window.Document().IsModified());
}

void DlgMainMenuCommandsTest::
    clubMenuActsOnItsClubSelectsEditedAndNewClubsAndRefusesAFullCountry() {
    DlgMainMenu window(m_context, m_ui);
    ShowActive(window);
    auto* clubs = window.findChild<QListWidget*>(QStringLiteral("clubs"));
    QVERIFY(clubs != nullptr && clubs->count() > 3);
    const auto selected = [clubs] { return clubs->currentItem()->data(Qt::UserRole).toUInt(); };
    const auto inView = [clubs] {
        return clubs->viewport()->rect().contains(clubs->visualItemRect(clubs->currentItem()));
    };
    // The club menu edits the club pointed at: row 1 selected; a right click on row 2, or either
    // key with row 3 made current.
    const QString edit = QStringLiteral("Verein bearbeiten");
    for (const EMenuWay way : kMenuWays) {
        clubs->setCurrentRow(1);
        const int row = way == EMenuWay::kRightClick ? 2 : 3;
        std::uint32_t edited = 0;
        QObject scope;
        WhenModal<CDlgClubParent>(scope, [&edited](CDlgClubParent& editor) {
            edited = editor.WorkingCopy().Id();
            editor.reject();
        });
        QVERIFY(UseContextMenu(*clubs, row, way, edit)[edit]);
        QCOMPARE(edited, clubs->item(row)->data(Qt::UserRole).toUInt());
        QCOMPARE(clubs->currentRow(), row);
    }

    // It removes the persons of the club in row 1 (row 0 is the national team) on "Ja".
    clubs->setCurrentRow(1);
    const std::uint32_t id = selected();
    const CCountry& country = window.World().Country(kDefaultCountry);
    const std::vector<std::uint32_t> persons = country.Club(id)->PersonIds();
    QVERIFY(!persons.empty());
    m_ui.QueueAnswer(false);
    QVERIFY(UseClubMenu(window, QStringLiteral("Spieler/Manager löschen")));
    QCOMPARE(country.Club(id)->PersonIds(), persons);
    m_ui.QueueAnswer(true);
    QVERIFY(UseClubMenu(window, QStringLiteral("Spieler/Manager löschen")));
    QCOMPARE(m_ui.Texts(Kind::Question).back(), std::string(GuiString(ids::kRemoveClubPersons)));
    QVERIFY(window.World().Country(kDefaultCountry).Club(id)->PersonIds().empty());
    // Gone from the database, not left behind in no club.
    QCOMPARE(window.World().Person(persons.front()), nullptr);
    window.Undo();
    QCOMPARE(window.World().Country(kDefaultCountry).Club(id)->PersonIds(), persons);
    QVERIFY(window.World().Person(persons.front()) != nullptr);
    // Neither a club from the files nor the national team may be deleted (one made by "Neuer
    // Verein" may, below).
    QVERIFY(!UseClubMenu(window, QStringLiteral("Verein löschen"), false));
    clubs->setCurrentRow(0);
    QVERIFY(!UseClubMenu(window, QStringLiteral("Verein löschen"), false));

    // Renamed in the club editor, the club sorts last and stays selected.
    ClickRow(*clubs, 1);
    const std::uint32_t renamed = selected();
    WhenModal<CDlgClubParent>(window, [](CDlgClubParent& dialog) {
        Retype(dialog, QStringLiteral("name"), QStringLiteral("Zz Umbenannt"));
        PressOk(dialog);
    });
    Click(window, QStringLiteral("editClub"));
    QCOMPARE(window.World().Country(kDefaultCountry).Club(renamed)->Name(0),
             std::string("Zz Umbenannt"));
    QCOMPARE(clubs->currentRow(), clubs->count() - 1);
    QCOMPARE(selected(), renamed);
    QVERIFY(inView());
    // Undo and redo move it back and forth; it stays selected and in view.
    Action(window, QStringLiteral("&Rückgängig: Verein bearbeiten"))->trigger();
    QCOMPARE(clubs->currentRow(), 1);
    QCOMPARE(selected(), renamed);
    QVERIFY(inView());
    Action(window, QStringLiteral("&Wiederholen: Verein bearbeiten"))->trigger();
    QCOMPARE(clubs->currentRow(), clubs->count() - 1);
    QCOMPARE(selected(), renamed);
    QVERIFY(inView());

    // A new club is selected.
    WhenModal<CDlgNewClub>(window, [](CDlgNewClub& dialog) {
        dialog.Field()->clear();
        QTest::keyClicks(dialog.Field(), QStringLiteral("Nebelau"));
        QTest::keyClick(dialog.Field(), Qt::Key_Return);
    });
    QVERIFY(UseClubMenu(window, QStringLiteral("Neuer Verein")));
    const std::uint32_t added = selected();
    // Named in every language, as one edit.
    QCOMPARE(window.World().Country(kDefaultCountry).Club(added)->Name(0), std::string("Nebelau"));
    QCOMPARE(window.World().Country(kDefaultCountry).Club(added)->Name(4), std::string("Nebelau"));
    QCOMPARE(window.Document().UndoDescription().value_or(""), std::string("Neuer Verein"));

    // Made by the editor, it may be deleted: its neighbour below is then selected; undone, it is
    // selected again.
    const int row = clubs->currentRow();
    QVERIFY(row + 1 < clubs->count());
    const std::uint32_t below = clubs->item(row + 1)->data(Qt::UserRole).toUInt();
    QVERIFY(UseClubMenu(window, QStringLiteral("Verein löschen")));
    QCOMPARE(window.World().Country(kDefaultCountry).Club(added), nullptr);
    QCOMPARE(clubs->currentRow(), row);
    QCOMPARE(selected(), below);
    Action(window, QStringLiteral("&Rückgängig: Verein löschen"))->trigger();
    QCOMPARE(selected(), added);

    // A new club is refused when the country is full.
    // Looked up anew each time: undo and redo exchange the country object.
    const auto filled = [&window]() -> const CCountry& {
        return window.World().Country(kDefaultCountry);
    };
    // 510 list rows (the national team's included) leave room for one more; 511 for none.
    QVERIFY(window.Document().Perform("Auffüllen", SWorldScope::Countries({kDefaultCountry}),
                                      [](CWorld& world) {
                                          CCountry& full = world.Country(kDefaultCountry);
                                          while (full.ClubCount() + 1 < 510) {
                                              full.CreateClub();
                                          }
                                          return true;
                                      }));
    const auto newClubEntry = [&window] {
        return UseClubMenu(window, QStringLiteral("Neuer Verein"), false);
    };
    QVERIFY(newClubEntry());
    {
        QObject scope;
        WhenModal<CDlgNewClub>(scope, [](CDlgNewClub& dialog) { dialog.accept(); });
        window.NewClub();
    }
    QCOMPARE(filled().ClubCount() + 1, 511);
    QVERIFY(!newClubEntry());
    window.NewClub();  // no dialog opens: the test would hang on it
    QCOMPARE(filled().ClubCount() + 1, 511);
}

// "Speichern unter" writes into the new folder; "&Öffnen.." on it reads nothing anew, on another
// folder adds a slot.
void DlgMainMenuCommandsTest::saveAsAndOpenShowAnOpenFolderOrAddASlot() {
    DlgMainMenu window(m_context, m_ui);
    const int clubs = window.World().Country(kDefaultCountry).ClubCount();
    {
        QObject scope;
        WhenModal<CDlgNewDatabase>(scope, [](CDlgNewDatabase& dialog) {
            QTest::keyClicks(dialog.NameField(), QStringLiteral("Kopie"));
            QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
        });
        Action(window, QStringLiteral("Speichern &unter..."))->trigger();
    }
    const fs::path databases = *DocumentsDirectory() / "database";
    QCOMPARE(window.World().Directory(), databases / "Kopie");
    QVERIFY(fs::exists(databases / "Kopie" / "Country14.sav"));
    QVERIFY(!window.Document().IsModified());
    QVERIFY(window.windowTitle().contains(QStringLiteral("Kopie")));

    OpenDatabase(window, QStringLiteral("Kopie"), false);
    QCOMPARE(DatabaseEntries(window).size(), 1);
    QCOMPARE(window.World().Country(kDefaultCountry).ClubCount(), clubs);

    fs::copy(Install() / "database", databases / "Zweite Welt", fs::copy_options::recursive);
    OpenDatabase(window, QStringLiteral("Zweite Welt"));
    QCOMPARE(DatabaseEntries(window),
             (QStringList{QStringLiteral("1. Kopie"), QStringLiteral("2. Zweite Welt")}));
    QCOMPARE(window.World().Directory(), databases / "Zweite Welt");
    QCOMPARE(window.World().Country(kDefaultCountry).ClubCount(), clubs);
    QVERIFY(window.windowTitle().contains(QStringLiteral("Zweite Welt")));
}

void DlgMainMenuCommandsTest::badgeCheckAndMissingRendererCarryOn() {
    m_context.fullInstallation = true;
    m_context.workingDirectory = Install().string();
    DlgMainMenu window(m_context, m_ui);
    // The plug-in beside the program may be found; only a missing one is reported.
    const auto reported = m_ui.Texts(Kind::Information);
    const std::string missing(GuiString(ids::kRendererMissing));
    QVERIFY(reported.empty() || reported == std::vector<std::string>{missing});
    QVERIFY(window.isEnabled());

    m_ui = CScriptedUserInterface{};
    Action(window, QStringLiteral("Nach ungültigen Wappen suchen"))->trigger();
    const bool listed = !m_ui.Texts(Kind::ErrorList).empty();
    const bool allFine = m_ui.Texts(Kind::Information) ==
                         std::vector<std::string>{std::string(GuiString(ids::kNoInvalidBadges))};
    QVERIFY(listed != allFine);
}

void DlgMainMenuCommandsTest::editorsOpenForTheSelectionAndLeaveTheirEditsOnEveryWayOut() {
    DlgMainMenu window(m_context, m_ui);
    window.show();
    auto* clubs = window.findChild<QListWidget*>(QStringLiteral("clubs"));
    QVERIFY(clubs != nullptr && clubs->count() > 2);
    // Row 0 is the national team: "Spieler&kader" shows the national squads of its country, and it
    // cannot be overwritten.
    clubs->setCurrentRow(0);
    int shownCountry = 0;
    WhenModal<CDlgNationalteam>(
        window, [&shownCountry](CDlgNationalteam& dialog) { shownCountry = dialog.Country(); });
    Click(window, QStringLiteral("editSquad"));
    QCOMPARE(shownCountry, kDefaultCountry);
    window.OverwriteClub();
    QCOMPARE(m_ui.Texts(Kind::Information),
             std::vector<std::string>{std::string(GuiString(ids::kNationalTeamNotOverwritten))});

    // The editors, each on the selected country and left without a change (WhenModal rejects it).
    const auto opens = [&window](auto* type, const QString& what,
                                 const std::function<void()>& act) {
        using Dialog = std::remove_pointer_t<decltype(type)>;
        bool shown = false;
        WhenModal<Dialog>(window, [&shown](Dialog&) { shown = true; });
        act();
        QVERIFY2(shown, qPrintable(what));
    };
    const auto byMenu = [&window, &opens](auto* type, const QString& text) {
        opens(type, text, [&window, &text] {
            QAction* action = Action(window, text);
            QVERIFY(action != nullptr);
            action->trigger();
        });
    };
    byMenu(static_cast<CDlgStadiumlist*>(nullptr), QStringLiteral("S&tadien..."));
    byMenu(static_cast<CDlgReferees*>(nullptr), QStringLiteral("Sc&hiedsrichter..."));
    byMenu(static_cast<CDlg5Year*>(nullptr), QStringLiteral("&5-Jahres-Wertung..."));
    byMenu(static_cast<CDlgLeagueComposition*>(nullptr), QStringLiteral("&Ligazusammensetzung..."));
    byMenu(static_cast<CDlgNationalteam*>(nullptr), QStringLiteral("Nationalmannschaften"));
    byMenu(static_cast<CDlgLeagueSystem*>(nullptr), QStringLiteral("Liga&system..."));
    byMenu(static_cast<CDlgCalendar*>(nullptr), QStringLiteral("&Rahmenterminkalender..."));
    byMenu(static_cast<CDlgFixturelist*>(nullptr), QStringLiteral("S&pielpläne..."));
    byMenu(static_cast<CDlgDatabaseCopy*>(nullptr), QStringLiteral("Verwalten"));
    opens(static_cast<CDlgInternationalCompetition*>(nullptr), QStringLiteral("continental"),
          [&window] { Click(window, QStringLiteral("continentalSettings")); });

    // "&Landeinstellungen": the country window with a page on every tab; looking at each and
    // at the stadium list beside them changes nothing.
    bool leagueTab = false;
    int pages = 0;
    bool stadiums = false;
    WhenModal<CDlgCountry>(window, [&](CDlgCountry& dialog) {
        leagueTab = qobject_cast<CCountryLeagueSystemPage*>(
                        dialog.Page(CDlgCountry::kLeagueSystem)) != nullptr;
        for (int tab = 0; tab < CDlgCountry::kTabCount; ++tab) {
            dialog.Tabs().setCurrentIndex(tab);
            pages += dialog.Page(tab) != nullptr ? 1 : 0;
        }
        WhenModal<CDlgCountrySubPage>(dialog,
                                      [&stadiums](CDlgCountrySubPage&) { stadiums = true; });
        Click(dialog, QStringLiteral("stadiums"));
    });
    Click(window, QStringLiteral("countrySettings"));
    QVERIFY(leagueTab);
    QCOMPARE(pages, static_cast<int>(CDlgCountry::kTabCount));
    QVERIFY(stadiums);

    // "&Globale Einstellungen" sits beside the language choice, which only "lang" shows; it and
    // the club menu's staff dialog open below.
    QVERIFY(!Child<QPushButton>(window, "globalRules").isVisible());
    // The staff dialog is not for the national team.
    QVERIFY(!UseClubMenu(window, QStringLiteral("Personal bearbeiten"), false));
    QCOMPARE(window.Document().History().Count(), std::size_t{0});

    // Every window's buttons mean what its kind says. A live-edit window records its session as one
    // edit on each way out: the edit menu offers it at once and the shortcut takes it back. An
    // editor with "Abbruch" leaves none on "Abbruch", Escape or the close box after a change, also
    // when a window it opened (the continental settings' ranking) changed live records.
    clubs->setCurrentRow(1);
    const std::uint32_t club = clubs->currentItem()->data(Qt::UserRole).toUInt();
    QAction* undo = Action(window, QStringLiteral("&Rückgängig"));
    QVERIFY(undo != nullptr && !undo->isEnabled());
    const std::string before = DumpWorldJson(window.World());

    // What the window's commands or the windows it opens record while it is open.
    const auto liveEdit = [&window, club](QDialog&) {
        window.Document().Perform("Umbenennen", SWorldScope::Countries({kDefaultCountry}),
                                  [club](CWorld& world) {
                                      world.Country(kDefaultCountry).Club(club)->SetName(0, "X");
                                      return true;
                                  });
    };
    const auto click = [](QDialog& dialog, const char* text) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->isVisible() && button->text().remove(QLatin1Char('&')) == text) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
    };
    struct SWindow {
        const char* group;  // the live-edit window's edit; null for an editor
        void (DlgMainMenu::*open)();
        std::function<void(QDialog&)> change;
    };
    const std::vector<SWindow> windows = {
        {"Spielerkader", &DlgMainMenu::EditSquad, liveEdit},
        {"Personal", &DlgMainMenu::EditStaff, liveEdit},
        {"Rahmenterminkalender", &DlgMainMenu::EditCalendar, liveEdit},
        {"Ligazusammensetzung", &DlgMainMenu::EditLeagueComposition, liveEdit},
        {"Ligasystem", &DlgMainMenu::EditLeagueSystem, liveEdit},
        {"", &DlgMainMenu::EditCountry, liveEdit},
        {nullptr, &DlgMainMenu::EditContinentalSettings, liveEdit},
        {nullptr, &DlgMainMenu::EditClub,
         [](QDialog& dialog) {
             QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("name")), "X");
         }},
        {nullptr, &DlgMainMenu::EditFixtures,
         [&click](QDialog& dialog) { click(dialog, "Alle Spieltage löschen"); }},
        {nullptr, &DlgMainMenu::EditGlobalRules,
         [](QDialog& dialog) {
             QTest::keyClick(dialog.findChild<QWidget*>(QStringLiteral("substitutions")),
                             Qt::Key_Right);
         }},
    };
    const std::vector<std::function<void(QDialog&, bool)>> waysOut = {
        [&click](QDialog& dialog, bool live) { click(dialog, live ? "OK" : "Abbruch"); },
        [](QDialog& dialog, bool) { QTest::keyClick(&dialog, Qt::Key_Escape); },
        [](QDialog& dialog, bool) { dialog.close(); },
    };
    for (std::size_t row = 0; row < windows.size(); ++row) {
        const SWindow& shown = windows[row];
        for (std::size_t way = 0; way < waysOut.size(); ++way) {
            const std::string what =
                "window " + std::to_string(row) + ", way out " + std::to_string(way);
            bool closed = false;
            WhenModal<QDialog>(window, [&](QDialog& dialog) {
                shown.change(dialog);
                waysOut[way](dialog, shown.group != nullptr);
                closed = !dialog.isVisible();
            });
            (window.*shown.open)();
            QVERIFY2(closed, what.c_str());
            if (shown.group == nullptr) {
                QVERIFY2(!undo->isEnabled(), what.c_str());
                QVERIFY2(DumpWorldJson(window.World()) == before, what.c_str());
                continue;
            }
            QVERIFY2(undo->isEnabled(), what.c_str());
            if (*shown.group != '\0') {
                QCOMPARE(undo->text(),
                         QStringLiteral("&Rückgängig: ") + QString::fromUtf8(shown.group));
            }
            // Shortcuts reach only the active window.
            ShowActive(window);
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(!window.Document().IsModified(), what.c_str());
            QVERIFY2(DumpWorldJson(window.World()) == before, what.c_str());
        }
    }
}

}  // namespace kw

KW_GUI_TEST(DlgMainMenuCommandsTest);

#include "DlgMainMenuCommandsTest.moc"
