#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include "GuiTest.h"
#include "MenuDrivers.h"
#include "gui/editors/DlgFastTransfer.h"
#include "gui/editors/DlgPlayerWithoutClub.h"
#include "gui/mainwindow/MainMenuView.h"
#include "gui/mainwindow/RecentDatabasesMenu.h"
#include "platform/Environment.h"

namespace kw {

using namespace test;

namespace fs = std::filesystem;
using Kind = CScriptedUserInterface::Message::Kind;

// The main window's "&Datei" list of databases opened last, "Schnelle &Transfers" and "&Freie
// Spieler", on the small demo installation. The settings live in Qt's test folders.
class MainMenuAssistantsTest : public CMainWindowGuiTest {
    Q_OBJECT

private slots:
    void openedFoldersAreOfferedInTheNextRunUntilTheyVanish();
    void aFolderOpenInASlotIsShownAndSixSlotsDisableTheEntries();
    void assistantButtonsOpenTheirDialogsForTheSelectedCountry();

private:
    // A copy of the demo's database under the documents' databases, named `name`.
    fs::path MakeDatabase(const QString& name) const;
    // The "&Datei" entries of the databases opened last, in menu order.
    static std::vector<QAction*> RecentEntries(QWidget& window);

    void Copied() override {
        QStandardPaths::setTestModeEnabled(true);
        // Every test starts with an empty list.
        QFile::remove(CRecentDatabasesMenu::RecentDatabasesSettingsFile());
    }
};

fs::path MainMenuAssistantsTest::MakeDatabase(const QString& name) const {
    const fs::path folder = *DocumentsDirectory() / "database" / name.toStdString();
    fs::create_directories(folder);
    fs::copy(Install() / "database", folder,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return folder;
}

std::vector<QAction*> MainMenuAssistantsTest::RecentEntries(QWidget& window) {
    static const QRegularExpression kEntry(QStringLiteral("^&?\\d+ "));
    std::vector<QAction*> entries;
    for (QAction* menuAction : window.findChild<QMenuBar*>()->actions()) {
        if (menuAction->text() != QStringLiteral("&Datei")) {
            continue;
        }
        for (QAction* action : menuAction->menu()->actions()) {
            if (kEntry.match(action->text()).hasMatch()) {
                entries.push_back(action);
            }
        }
    }
    return entries;
}

void MainMenuAssistantsTest::openedFoldersAreOfferedInTheNextRunUntilTheyVanish() {
    // The settings stay in the tests' own folder.
    const QString file = CRecentDatabasesMenu::RecentDatabasesSettingsFile();
    QVERIFY2(file.contains(QStringLiteral(".qttest")), qPrintable(file));
    QVERIFY(file.startsWith(QDir::homePath()));
    const fs::path first = MakeDatabase(QStringLiteral("Erste Welt"));
    const fs::path second = MakeDatabase(QStringLiteral("Zweite & Dritte"));
    {
        DlgMainMenu window(m_context, m_ui);
        QVERIFY(RecentEntries(window).empty());
        OpenDatabase(window, QStringLiteral("Erste Welt"));
        OpenDatabase(window, QStringLiteral("Zweite & Dritte"));
        // Opening the first again moves it to the front without a second entry.
        OpenDatabase(window, QStringLiteral("Erste Welt"));
        QCOMPARE(window.World().Directory(), first);
        const std::vector<QAction*> entries = RecentEntries(window);
        QCOMPARE(entries.size(), std::size_t{2});
        QCOMPARE(entries[0]->text(),
                 QStringLiteral("&1 ") + QString::fromStdString(first.string()));
        QCOMPARE(entries[1]->text(),
                 QStringLiteral("&2 ") + QString::fromStdString(second.string())
                                             .replace(QStringLiteral("&"), QStringLiteral("&&")));
    }
    {
        // The next run offers them again, and choosing one opens it into a slot.
        DlgMainMenu window(m_context, m_ui);
        const std::vector<QAction*> entries = RecentEntries(window);
        QCOMPARE(entries.size(), std::size_t{2});
        QCOMPARE(DatabaseEntries(window).size(), 1);
        entries[1]->trigger();
        QCOMPARE(DatabaseEntries(window).size(), 2);
        QCOMPARE(window.World().Directory(), second);
        QVERIFY(!window.Document().IsModified());
        QCOMPARE(RecentEntries(window).front()->statusTip(),
                 QString::fromStdString(second.string()));
        QVERIFY(m_ui.Messages().empty());

        // Closed again (nothing unsaved, so without a question), then removed from the disk: the
        // vanished folder is reported and leaves the list.
        window.CloseDatabase();
        QCOMPARE(DatabaseEntries(window).size(), 1);
        fs::remove_all(second);
        RecentEntries(window).front()->trigger();
        const std::vector<std::string> errors = m_ui.Texts(Kind::Error);
        QCOMPARE(errors.size(), std::size_t{1});
        QVERIFY(errors[0].find(second.string()) != std::string::npos);
        QCOMPARE(DatabaseEntries(window).size(), 1);
        QCOMPARE(RecentEntries(window).size(), std::size_t{1});
        QVERIFY(RecentEntries(window).front()->text().contains(QStringLiteral("Erste Welt")));
    }
    // The stored list lost it too; a folder that vanished between runs is dropped at start.
    fs::remove_all(first);
    DlgMainMenu next(m_context, m_ui);
    QVERIFY(RecentEntries(next).empty());
    QSettings settings(CRecentDatabasesMenu::RecentDatabasesSettingsFile(), QSettings::IniFormat);
    QVERIFY(settings.value(QStringLiteral("recentDatabases")).toStringList().isEmpty());
}

void MainMenuAssistantsTest::aFolderOpenInASlotIsShownAndSixSlotsDisableTheEntries() {
    const fs::path folder = MakeDatabase(QStringLiteral("Offen"));
    DlgMainMenu window(m_context, m_ui);
    OpenDatabase(window, QStringLiteral("Offen"));
    QCOMPARE(DatabaseEntries(window).size(), 2);
    window.SelectDatabase(0);
    QVERIFY(window.World().Directory() != folder);
    // An unsaved change in the open slot must survive: the slot is shown, not read again.
    window.SelectDatabase(1);
    CDatabaseDocument* open = &window.Document();
    open->Perform("set-up", SWorldScope::Countries({kDefaultCountry}), [](CWorld& world) {
        world.Country(kDefaultCountry).SetName(0, "Umbenannt");
        return true;
    });
    window.SelectDatabase(0);
    RecentEntries(window).front()->trigger();
    QCOMPARE(DatabaseEntries(window).size(), 2);
    QCOMPARE(&window.Document(), open);
    QCOMPARE(window.World().Country(kDefaultCountry).Name(0), std::string("Umbenannt"));

    // The entries are disabled while six databases are open; closing one enables them again.
    for (int n = 3; n <= 6; ++n) {
        QObject scope;
        AnswerName(scope, QStringLiteral("Neu%1").arg(n));
        window.NewDatabase();
        QCOMPARE(DatabaseEntries(window).size(), n);
        QCOMPARE(RecentEntries(window).front()->isEnabled(), n < 6);
    }
    window.CloseDatabase();
    QVERIFY(RecentEntries(window).front()->isEnabled());
}

void MainMenuAssistantsTest::assistantButtonsOpenTheirDialogsForTheSelectedCountry() {
    DlgMainMenu window(m_context, m_ui);
    ShowActive(window);
    auto* fast = window.findChild<QPushButton*>(QStringLiteral("fastTransfers"));
    auto* free = window.findChild<QPushButton*>(QStringLiteral("playersWithoutClub"));
    QVERIFY(fast != nullptr && free != nullptr);
    QVERIFY(fast->isEnabled() && free->isEnabled());
    const std::string before = DumpWorldJson(window.World());
    int shownCountry = 0;
    {
        QObject scope;
        WhenModal<CDlgFastTransfer>(scope, [&shownCountry](CDlgFastTransfer& dialog) {
            shownCountry = dialog.SourceCountries().currentData().toInt();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(fast, Qt::LeftButton);
    }
    const auto* view = window.findChild<CMainMenuView*>();
    QVERIFY(view != nullptr);
    QCOMPARE(shownCountry, view->SelectedCountry());
    bool shown = false;
    {
        QObject scope;
        WhenModal<CDlgPlayerWithoutClub>(scope, [&shown](CDlgPlayerWithoutClub& dialog) {
            shown = true;
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        Action(window, QStringLiteral("Freie Spieler"))->trigger();
    }
    QVERIFY(shown);
    QCOMPARE(window.Document().History().Count(), std::size_t{0});
    QVERIFY(!window.Document().IsModified());
    QCOMPARE(DumpWorldJson(window.World()), before);
}

}  // namespace kw

KW_GUI_TEST(MainMenuAssistantsTest);

#include "MainMenuAssistantsTest.moc"
