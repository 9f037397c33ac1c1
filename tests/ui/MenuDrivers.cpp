#include "MenuDrivers.h"

#include "GuiTest.h"
#include "gui/controls/DlgInputBox.h"
#include "gui/mainwindow/DlgSelectDatabase.h"
#include "gui/mainwindow/SelectDatabase.h"

namespace kw::test {

QStringList DatabaseEntries(const QWidget& window) {
    QStringList entries;
    for (QAction* menuAction : window.findChild<QMenuBar*>()->actions()) {
        if (menuAction->text() != QStringLiteral("Datenbanken")) {
            continue;
        }
        for (QAction* action : menuAction->menu()->actions()) {
            if (action->isSeparator()) {
                entries.clear();
            } else {
                entries << action->text();
            }
        }
    }
    return entries;
}

bool UseClubMenu(DlgMainMenu& window, const QString& text, bool choose) {
    const std::unique_ptr<QMenu> menu = window.ClubMenu();
    for (QAction* action : menu->actions()) {
        if (action->text() == text && action->isEnabled()) {
            if (choose) {
                action->trigger();
            }
            return true;
        }
    }
    return false;
}

void OpenDatabase(const QWidget& window, const QString& name, bool byKey) {
    QObject scope;
    WhenModal<CDlgSelectDatabase>(scope, [name, byKey](CDlgSelectDatabase& dialog) {
        const auto rows = dialog.DatabaseList()->findItems(name, Qt::MatchExactly);
        QVERIFY(!rows.isEmpty());
        dialog.DatabaseList()->setCurrentItem(rows.value(0));
        if (byKey) {
            QTest::keyClick(dialog.DatabaseList(), Qt::Key_Return);
        } else {
            QTest::mouseClick(dialog.OpenButton(), Qt::LeftButton);
        }
    });
    Action(window, QStringLiteral("&Öffnen.."))->trigger();
}

void AnswerName(QObject& scope, const QString& name) {
    WhenModal<CDlgInputBox>(scope, [name](CDlgInputBox& box) {
        box.Field()->clear();
        TypeText(box.Field(), name);
        QTest::keyClick(box.Field(), Qt::Key_Return);
    });
}

void AddClub(CDatabaseDocument& document) {
    QVERIFY(document.Perform(
        "Neuer Verein", SWorldScope::Countries({kDefaultCountry}),
        [](CWorld& world) { return world.Country(kDefaultCountry).CreateClub() != nullptr; }));
}

}  // namespace kw::test
