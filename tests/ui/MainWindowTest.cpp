#include <QRadioButton>
#include <QTranslator>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "GuiTest.h"
#include "MenuDrivers.h"
#include "ModalDialogs.h"
#include "demo/DemoGenerator.h"
#include "exports/master/MasterFileReader.h"
#include "gui/mainwindow/DlgInterfaceLanguage.h"
#include "gui/mainwindow/QtTranslations.h"
#include "gui/mainwindow/QtUserInterface.h"
#include "gui/mainwindow/SplashScreen.h"

namespace kw {

using namespace test;

namespace fs = std::filesystem;
using Kind = CScriptedUserInterface::Message::Kind;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void splashCoversTheLoadOnceAndGoesByItself();
    void opensAGeneratedDemoBuildsTheGameFileAndUndoesThroughTheMenu();
    void withoutInstallationShowsAnEmptyWorld();
    void configuredInstallationLoadsEmptySavesEveryCountryAndQuits();
    void questionsAndQtDialogsNameTheirButtonsInGerman();
    void listsTheLoadedCountriesAndKeepsADamagedFileWhenSaving();
    void exportAddsTheSuffixAndAsksBeforeReplacing();

private:
    fs::path Install() const { return m_install->path().toStdString(); }
    // A database written by the model itself, of which only the files of countries 3 and 100
    // are kept.
    void WriteDatabase(const fs::path& folder);
    static QString ClubsTotal(const QWidget& window);

    std::unique_ptr<QTemporaryDir> m_install;
    SAppContext m_context;
    CScriptedUserInterface m_ui;
};

void MainWindowTest::init() {
    m_install = std::make_unique<QTemporaryDir>();
    QVERIFY(m_install->isValid());
    m_context = SAppContext{};
    m_context.workingDirectory = Install();
    m_context.installationConfigured = true;
    m_ui = CScriptedUserInterface{};
}

void MainWindowTest::WriteDatabase(const fs::path& folder) {
    fs::create_directories(folder);
    CWorld world(Install());
    world.InitialiseCountries();
    world.SetDirectory(folder);
    CSilentProgress progress;
    CScriptedUserInterface ui;
    QVERIFY(world.Save(progress, ui));
    for (int number = 1; number <= kCountryCount; ++number) {
        if (number != 3 && number != 100) {
            fs::remove(folder / ("Country" + std::to_string(number) + ".sav"));
        }
    }
}

QString MainWindowTest::ClubsTotal(const QWidget& window) {
    return Child<QLabel>(window, "clubsTotal").text();
}

void MainWindowTest::splashCoversTheLoadOnceAndGoesByItself() {
    // The tests' windows show none.
    {
        DlgMainMenu window(m_context, m_ui);
        QVERIFY(ShowingSplashScreen() == nullptr);
    }
    m_context.showSplash = true;
    DlgMainMenu window(m_context, m_ui);
    QWidget* splash = ShowingSplashScreen();
    QVERIFY(splash != nullptr);
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    // A second one does not stack on the first.
    ShowSplashScreen(window, std::chrono::milliseconds(10));
    int splashes = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        splashes += widget->objectName() == QLatin1String("splash") ? 1 : 0;
    }
    QCOMPARE(splashes, 1);
    QTRY_VERIFY_WITH_TIMEOUT(ShowingSplashScreen() == nullptr,
                             static_cast<int>(kSplashDuration.count()) + 2000);
}

// A generated demo installation opens with all its countries; its master button builds the game
// file, and its edits undo and redo through the edit menu.
void MainWindowTest::opensAGeneratedDemoBuildsTheGameFileAndUndoesThroughTheMenu() {
    CSilentProgress progress;
    QVERIFY(demo::GenerateDemoInstallation(Install(), demo::EDemoScale::kSmall, 1, progress).ok);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(Install() / "database")) {
        files += entry.path().filename().string().starts_with("Country") ? 1 : 0;
    }
    DlgMainMenu window(m_context, m_ui);
    QCOMPARE(window.World().CountryCount(), files);
    // The demo has clubs, so their number shows in the totals.
    QVERIFY(ClubsTotal(window).toInt() > 0);
    QVERIFY(m_ui.Messages().empty());
    auto* button = window.findChild<QPushButton*>(QStringLiteral("buildMaster"));
    QVERIFY(button != nullptr && button->isEnabled());
    m_ui.QueueAnswer(true);  // go on with the complete countries
    button->click();

    QCOMPARE(m_ui.Texts(Kind::Question).size(), std::size_t{1});
    QCOMPARE(m_ui.Texts(Kind::Information).back(), std::string("Datenbank gespeichert!"));
    std::ifstream in(Install() / "database" / "Master.dat", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const SMasterFileReport report = VerifyMasterFile(bytes, 0);
    QVERIFY2(report.Ok(), report.error.c_str());
    QVERIFY(report.completeCountries > 0);
    const std::size_t messages = m_ui.Messages().size();

    // Undo and redo through the edit menu follow the modified marker; shortcuts reach only the
    // active window.
    ShowActive(window);
    QAction* undo = Action(window, QStringLiteral("&Rückgängig"));
    QAction* redo = Action(window, QStringLiteral("&Wiederholen"));
    QVERIFY(undo != nullptr && redo != nullptr);
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());

    const int clubs = window.World().Country(kDefaultCountry).ClubCount();
    AddClub(window.Document());
    QVERIFY(window.isWindowModified());
    QCOMPARE(undo->text(), QStringLiteral("&Rückgängig: Neuer Verein"));
    QVERIFY(undo->isEnabled());

    // Ctrl+Z takes it back: the database equals its files again.
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.World().Country(kDefaultCountry).ClubCount(), clubs);
    QVERIFY(!window.isWindowModified());
    QCOMPARE(redo->text(), QStringLiteral("&Wiederholen: Neuer Verein"));
    QCOMPARE(undo->text(), QStringLiteral("&Rückgängig"));

    // Ctrl+Y and Ctrl+Shift+Z redo; the menu entries undo and redo too.
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(window.World().Country(kDefaultCountry).ClubCount(), clubs + 1);
    QVERIFY(window.isWindowModified());
    undo->trigger();
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(window.World().Country(kDefaultCountry).ClubCount(), clubs + 1);

    // Saving clears the marker and keeps the history: undo marks the window modified again.
    Action(window, QStringLiteral("&Speichern"))->trigger();
    QVERIFY(!window.isWindowModified());
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QVERIFY(window.isWindowModified());
    QCOMPARE(window.World().Country(kDefaultCountry).ClubCount(), clubs);
    QCOMPARE(m_ui.Messages().size(), messages);
}

void MainWindowTest::withoutInstallationShowsAnEmptyWorld() {
    m_context.installationConfigured = false;
    DlgMainMenu window(m_context, m_ui);
    window.show();
    QCOMPARE(ClubsTotal(window), QStringLiteral("0"));
    auto* notice = window.findChild<QLabel*>(QStringLiteral("notice"));
    QVERIFY(notice != nullptr);
    QVERIFY(notice->isVisible());
    QVERIFY(notice->text().contains(QStringLiteral("Keine Installation")));
    // Nothing to save into: no folder may appear in the working directory.
    QAction* save = Action(window, QStringLiteral("&Speichern"));
    QVERIFY(save != nullptr);
    QVERIFY(!save->isEnabled());
    save->trigger();
    QVERIFY(!fs::exists(Install() / "database"));
}

// Without a database folder, then with an empty one (found in any letter case, as copied from
// Windows) that saving fills; the interface language is stored; quitting unchanged asks nothing.
void MainWindowTest::configuredInstallationLoadsEmptySavesEveryCountryAndQuits() {
    {
        DlgMainMenu window(m_context, m_ui);
        QCOMPARE(ClubsTotal(window), QStringLiteral("0"));
        QVERIFY(!window.findChild<QLabel*>(QStringLiteral("notice"))->isVisibleTo(&window));
        QVERIFY(Action(window, QStringLiteral("&Speichern"))->isEnabled());
    }
    const fs::path database = Install() / "dataBase";
    fs::create_directories(database);
    DlgMainMenu window(m_context, m_ui);
    QCOMPARE(ClubsTotal(window), QStringLiteral("0"));
    QCOMPARE(window.World().Directory(), database);
    QCOMPARE(window.windowTitle(), QStringLiteral("KW 06 Datenbank Editor - DataBase[*]"));
    QVERIFY(!window.isWindowModified());
    ShowActive(window);
    Action(window, QStringLiteral("&Speichern"))->trigger();
    for (int number = 1; number <= kCountryCount; ++number) {
        const fs::path file = database / ("Country" + std::to_string(number) + ".sav");
        QVERIFY2(fs::exists(file), file.c_str());
    }
    // Still open: saving does not quit.
    QVERIFY(window.isVisible());

    // The interface language is kept for the next start; Cancel keeps the one before, the
    // system's choice forgets it.
    QAction* entry =
        Action(window, QStringLiteral("Sprache der &Oberfl\u00e4che (ab Neustart)..."));
    QVERIFY(entry != nullptr);
    // Tabs to the choice and ticks it with the space bar, then OK with Enter or Cancel with Escape.
    const auto choose = [entry](const char* button, bool ok) {
        QObject scope;
        WhenModal<CDlgInterfaceLanguage>(scope, [button, ok](CDlgInterfaceLanguage& dialog) {
            auto* choice = dialog.findChild<QRadioButton*>(QString::fromLatin1(button));
            QVERIFY(choice != nullptr);
            choice->setFocus();
            QTest::keyClick(choice, Qt::Key_Space);
            QTest::keyClick(&dialog, ok ? Qt::Key_Return : Qt::Key_Escape);
        });
        entry->trigger();
    };
    QCOMPARE(StoredInterfaceLanguage(), std::nullopt);
    choose("english", true);
    QCOMPARE(StoredInterfaceLanguage(), EInterfaceLanguage::kEnglish);
    choose("german", false);
    QCOMPARE(StoredInterfaceLanguage(), EInterfaceLanguage::kEnglish);
    choose("german", true);
    QCOMPARE(StoredInterfaceLanguage(), EInterfaceLanguage::kGerman);
    choose("system", true);
    QCOMPARE(StoredInterfaceLanguage(), std::nullopt);
    QVERIFY(!window.isWindowModified());
    QAction* quit = Action(window, QStringLiteral("&Beenden"));
    QVERIFY(quit != nullptr);
    quit->trigger();
    QVERIFY(!window.isVisible());
    QVERIFY(m_ui.Messages().empty());
}

// The editor's questions set their buttons' texts: German also without Qt's translations.
void MainWindowTest::questionsAndQtDialogsNameTheirButtonsInGerman() {
    CQtUserInterface ui;
    QStringList texts;
    // Notes the texts of the question's buttons, sorted, and clicks `chosen`.
    const auto answer = [&texts](QObject& scope, QMessageBox::StandardButton chosen) {
        texts.clear();
        WhenModal<QMessageBox>(scope, [&texts, chosen](QMessageBox& box) {
            for (const QAbstractButton* button : box.buttons()) {
                texts << button->text();
            }
            texts.sort();
            box.button(chosen)->click();
        });
    };
    {
        QObject scope;
        answer(scope, QMessageBox::No);
        QVERIFY(!ui.AskYesNo("Weiter?"));
        QCOMPARE(texts, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
    }
    const std::pair<QMessageBox::StandardButton, ESaveChoice> choices[] = {
        {QMessageBox::Save, ESaveChoice::kSave},
        {QMessageBox::Discard, ESaveChoice::kDiscard},
        {QMessageBox::Cancel, ESaveChoice::kCancel}};
    for (const auto& [button, choice] : choices) {
        QObject scope;
        answer(scope, button);
        QCOMPARE(ui.AskSaveChanges("Speichern?"), choice);
        QCOMPARE(texts, (QStringList{QStringLiteral("&Abbrechen"), QStringLiteral("&Speichern"),
                                     QStringLiteral("&Verwerfen")}));
    }

    // Qt's own dialogs speak German when its translations are installed.
    const QList<QTranslator*> translators =
        InstallInterfaceLanguage(*QCoreApplication::instance(), EInterfaceLanguage::kGerman);
    if (translators.isEmpty()) {
        QSKIP("Qt's German translations (Debian: qt6-translations-l10n) are not installed");
    }
    QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    const QStringList qtTexts{box.button(QDialogButtonBox::Save)->text(),
                              box.button(QDialogButtonBox::Cancel)->text()};
    for (QTranslator* translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QCOMPARE(qtTexts, (QStringList{QStringLiteral("Speichern"), QStringLiteral("Abbrechen")}));
}

void MainWindowTest::listsTheLoadedCountriesAndKeepsADamagedFileWhenSaving() {
    const fs::path database = Install() / "database";
    WriteDatabase(database);
    {
        DlgMainMenu window(m_context, m_ui);
        QCOMPARE(window.World().CountryCount(), 2);
        auto* countries = window.findChild<QListWidget*>(QStringLiteral("countries"));
        QVERIFY(countries != nullptr && countries->currentItem() != nullptr);
        QCOMPARE(countries->currentItem()->data(Qt::UserRole).toInt(), kDefaultCountry);
        QVERIFY(!window.findChild<QLabel*>(QStringLiteral("notice"))->isVisibleTo(&window));
        QVERIFY(m_ui.Messages().empty());
    }
    const fs::path file = database / "Country3.sav";
    const std::string damaged = "%INDEX%COUNTRY\r\n1\r\n";  // cut after its first lines
    std::ofstream(file, std::ios::binary) << damaged;
    DlgMainMenu window(m_context, m_ui);
    QCOMPARE(window.World().DamagedCountries(), std::vector<int>{3});
    QCOMPARE(m_ui.Texts(Kind::Error).size(), std::size_t{1});
    QVERIFY(m_ui.Texts(Kind::Error).front().find("Country3.sav") != std::string::npos);

    // Saving asks, naming the file; "Nein" keeps it as found.
    m_ui.QueueAnswer(false);
    Action(window, QStringLiteral("&Speichern"))->trigger();
    const auto read = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    QCOMPARE(read(), damaged);
    QVERIFY(fs::exists(database / "Country4.sav"));
    QCOMPARE(m_ui.Texts(Kind::Question).size(), std::size_t{1});
    QVERIFY(m_ui.Texts(Kind::Question).front().find("Country3.sav") != std::string::npos);

    // "Ja" lets the editor's data replace it, and the question is not asked again.
    m_ui.QueueAnswer(true);
    Action(window, QStringLiteral("&Speichern"))->trigger();
    QVERIFY(read() != damaged);
    QVERIFY(window.World().DamagedCountries().empty());
    Action(window, QStringLiteral("&Speichern"))->trigger();
    QCOMPARE(m_ui.Texts(Kind::Question).size(), std::size_t{2});
    QCOMPARE(m_ui.Texts(Kind::Error).size(), std::size_t{1});
}

// The non-native dialog (the test program turns native ones off) stands in for the desktop's.
void MainWindowTest::exportAddsTheSuffixAndAsksBeforeReplacing() {
    fs::create_directories(Install() / "database");
    const fs::path folder = Install() / "archives";
    fs::create_directories(folder);
    std::ofstream(folder / "welt.tdb", std::ios::binary) << "alt";
    DlgMainMenu window(m_context, m_ui);
    QAction* exportAction = Action(window, QStringLiteral("Daten &exportieren"));
    QVERIFY(exportAction != nullptr);
    const auto chooseName = [&folder](QObject& scope, const QString& name) {
        WhenModal<QFileDialog>(scope, [&folder, name](QFileDialog& dialog) {
            dialog.setDirectory(QString::fromStdString(folder.string()));
            // Typed, as selectFile leaves a focused name field alone; the dialog stays open when
            // the replace question was answered No, and WhenModal rejects it then.
            Child<QLineEdit>(dialog, "fileNameEdit").setText(name);
            QMetaObject::invokeMethod(&dialog, "accept");  // as the Save button does
        });
    };

    QString question;
    {
        QObject scope;
        chooseName(scope, QStringLiteral("welt"));
        WhenModal<QMessageBox>(scope, [&question](QMessageBox& box) {
            question = box.text();
            box.button(QMessageBox::No)->click();
        });
        exportAction->trigger();
    }
    QVERIFY2(question.contains(QStringLiteral("welt.tdb")), qPrintable(question));
    std::ifstream kept(folder / "welt.tdb", std::ios::binary);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(kept), {}), std::string("alt"));

    {
        QObject scope;
        chooseName(scope, QStringLiteral("neu"));
        exportAction->trigger();
    }
    QVERIFY(fs::exists(folder / "neu.tdb"));
    QVERIFY(!fs::exists(folder / "neu"));
    QVERIFY(m_ui.Messages().empty());
}

}  // namespace kw

KW_GUI_TEST(MainWindowTest);

#include "MainWindowTest.moc"
