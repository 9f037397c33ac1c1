#include "GuiTest.h"

namespace kw {

using namespace test;

using Kind = CScriptedUserInterface::Message::Kind;

// The "AdminTools" menu of the main window on the small demo installation.
class AdminToolsTest : public CMainWindowGuiTest {
    Q_OBJECT

private slots:
    void menuExistsOnlyInAdministratorModeAndItsCommandsAsk();

private:
    static QMenu* AdminMenu(QWidget& window);
    static QAction* Item(QWidget& window, const QString& text) {
        return Action(*AdminMenu(window), text);
    }

    void Copied() override { m_context.tools = true; }
};

QMenu* AdminToolsTest::AdminMenu(QWidget& window) {
    for (QAction* action : window.findChild<QMenuBar*>()->actions()) {
        if (action->text() == QStringLiteral("AdminTools")) {
            return action->menu();
        }
    }
    return nullptr;
}

void AdminToolsTest::menuExistsOnlyInAdministratorModeAndItsCommandsAsk() {
    {
        SAppContext plain = m_context;
        plain.tools = false;
        DlgMainMenu window(plain, m_ui);
        QVERIFY(AdminMenu(window) == nullptr);
    }
    DlgMainMenu window(m_context, m_ui);
    QMenu* menu = AdminMenu(window);
    QVERIFY(menu != nullptr);
    QStringList captions;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("---"))) {
            QVERIFY(!action->isEnabled());
            captions << action->text();
        }
    }
    QCOMPARE(captions,
             (QStringList{QStringLiteral("--- Club ---"), QStringLiteral("--- Country ---"),
                          QStringLiteral("--- Database ---"), QStringLiteral("--- Misc ---")}));
    for (const char* name : {"mapClubIds", "mapPlayerIds", "mapFaceIds", "mapPs2FaceIds"}) {
        QVERIFY2(menu->findChild<QAction*>(QString::fromLatin1(name)) != nullptr, name);
    }
    QVERIFY(m_ui.Messages().empty());

    // The staff command: No changes nothing, Yes is one undo step reporting the count.
    const std::string before = DumpWorldJson(window.World());
    const std::size_t persons = window.World().Persons().size();
    QAction* staff = Item(window, QStringLiteral("Mitarbeiterstab löschen (bis auf Manager, "
                                                 "Vorsitzender, Präsident)"));
    m_ui.QueueAnswer(false);
    staff->trigger();
    QCOMPARE(m_ui.Texts(Kind::Question),
             (std::vector<std::string>{"This option deletes all staffs except manager, trainer "
                                       "and presidents. Do you really want to delete them?"}));
    QVERIFY(m_ui.Texts(Kind::Information).empty());
    QCOMPARE(window.Document().History().Count(), std::size_t{0});
    QVERIFY(!window.Document().IsModified());
    QVERIFY(DumpWorldJson(window.World()) == before);

    m_ui.QueueAnswer(true);
    staff->trigger();
    const std::size_t removed = persons - window.World().Persons().size();
    QVERIFY(removed > 0);
    QCOMPARE(m_ui.Texts(Kind::Information),
             (std::vector<std::string>{"Deleted " + std::to_string(removed) + " staffs"}));
    QCOMPARE(window.Document().History().Count(), std::size_t{1});
    QVERIFY(ReferenceFaults(window.World()).empty());
    window.Undo();
    QVERIFY(DumpWorldJson(window.World()) == before);
    QVERIFY(!window.Document().IsModified());

    // The nickname question offers Cancel.
    QAction* nicknames = Item(window, QStringLiteral("Update spain nicknames from other DB"));
    // With one database open there is nothing to copy from.
    nicknames->trigger();
    QCOMPARE(m_ui.Texts(Kind::Error).size(), std::size_t{1});

    NewDatabase(window, QStringLiteral("Zweite"));
    QCOMPARE(window.World().DirectoryName(), std::string("Zweite"));
    QString asked;
    {
        QObject scope;
        WhenModal<QMessageBox>(scope, [&asked](QMessageBox& box) {
            asked = box.text();
            QVERIFY(box.button(QMessageBox::Cancel) != nullptr);
            box.button(QMessageBox::Cancel)->click();
        });
        nicknames->trigger();
    }
    QVERIFY(asked.startsWith(
        QStringLiteral("This option replaces all nicknames from the spain league in Zweite with "
                       "the nicknames from ")));
    QCOMPARE(m_ui.Texts(Kind::Information).size(), std::size_t{1});
    QCOMPARE(window.Document().History().Count(), std::size_t{0});

    {
        QObject scope;
        WhenModal<QMessageBox>(scope,
                               [](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
        nicknames->trigger();
    }
    // The new database has no club of that country: nobody found a partner.
    QCOMPARE(m_ui.Texts(Kind::Information).back(), std::string("Replaced 0 Nicknames"));
    QCOMPARE(window.Document().History().Count(), std::size_t{0});
}

}  // namespace kw

KW_GUI_TEST(AdminToolsTest);

#include "AdminToolsTest.moc"
