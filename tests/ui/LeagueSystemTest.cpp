#include <QSpinBox>

#include "GuiTest.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "editing/LeagueComposition.h"
#include "editing/LeagueSystemRules.h"
#include "gui/editors/DlgCalendar.h"
#include "gui/editors/DlgFixturelist.h"
#include "gui/editors/DlgLeagueComposition.h"
#include "gui/editors/DlgLeagueData.h"
#include "gui/editors/DlgLeagueSystem.h"
#include "gui/editors/DlgLevelName.h"
#include "gui/editors/LeagueSystemPage.h"
#include "storage/TextTable.h"

namespace kw {

using namespace test;

// The league-system dialog with its page and the league data dialog on the small demo's default
// country, driven with the keyboard and the mouse.
class LeagueSystemTest : public CDemoGuiTest {
    Q_OBJECT

private:
    void Opened() override;

private slots:
    void thePageShowsTheSystemAndRefusedOrDeclinedOnesLeaveItClean();
    void aGenericSystemIsAppliedAfterTheQuestionAndIsOneUndoStep();
    void aLeagueOpensItsDataAndANewSizeIsStored();
    void aLevelOpensItsNameAndTheButtonsReachTheirViews();

private:
    std::uint32_t LeagueId(int index) const {
        return MakeCompetitionId(kDefaultCountry, kLeagueType, index);
    }
    const CDBLeague& League(int index) const {
        return dynamic_cast<const CDBLeague&>(*World().Competition(LeagueId(index)));
    }
    std::string Dump() const override { return DumpWorldJson(World(), kDefaultCountry); }
    std::unique_ptr<CDlgLeagueSystem> Open();
    // Chooses "no script" and the generic row, then "Änderungen übernehmen"; the question is
    // answered with `yes`. The texts of the message boxes and lists that showed.
    static QStringList ApplyRow(CLeagueSystemPage& page, int row, bool yes);
    static QTreeWidgetItem* LeagueItem(const QTreeWidget& tree, std::uint32_t league);
    static void EnterOn(QTreeWidget& tree, QTreeWidgetItem* item);
};

void LeagueSystemTest::Opened() {
    QVERIFY(World().Country(kDefaultCountry).LeagueScript() >= 1);
}

std::unique_ptr<CDlgLeagueSystem> LeagueSystemTest::Open() {
    auto dialog = std::make_unique<CDlgLeagueSystem>(
        *m_document, m_demo.Installation().TextTables().LeagueSystems(), kDefaultCountry);
    ShowActive(*dialog);
    return dialog;
}

QStringList LeagueSystemTest::ApplyRow(CLeagueSystemPage& page, int row, bool yes) {
    // The waits end with the call: a message that did not show is not awaited later.
    QObject scope;
    QStringList shown;
    PickIndex(page.Scripts(), 0);
    PickIndex(page.GenericSystems(), row);
    WhenModal<QMessageBox>(scope, [&shown, yes](QMessageBox& box) {
        shown << box.text();
        QMessageBox::StandardButton answer = yes ? QMessageBox::Yes : QMessageBox::No;
        if (box.button(answer) == nullptr) {
            answer = QMessageBox::Ok;
        }
        QTest::mouseClick(box.button(answer), Qt::LeftButton);
    });
    WhenModal<CDlgErrorMessage>(scope, [&shown](CDlgErrorMessage& list) {
        shown << list.objectName();
        list.accept();
    });
    Click(page, QStringLiteral("apply"));
    return shown;
}

QTreeWidgetItem* LeagueSystemTest::LeagueItem(const QTreeWidget& tree, std::uint32_t league) {
    for (int level = 0; level < tree.topLevelItemCount(); ++level) {
        QTreeWidgetItem* levelItem = tree.topLevelItem(level);
        for (int child = 0; child < levelItem->childCount(); ++child) {
            if (levelItem->child(child)->data(0, Qt::UserRole).toUInt() == league) {
                return levelItem->child(child);
            }
        }
    }
    return nullptr;
}

void LeagueSystemTest::EnterOn(QTreeWidget& tree, QTreeWidgetItem* item) {
    tree.setFocus();
    tree.setCurrentItem(item);
    QTest::keyClick(&tree, Qt::Key_Return);
}

void LeagueSystemTest::thePageShowsTheSystemAndRefusedOrDeclinedOnesLeaveItClean() {
    const std::string before = Dump();
    auto dialog = Open();
    CLeagueSystemPage& page = dialog->Page();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Kickwerk 06 - Ligasystem"));
    QCOMPARE(page.Scripts().currentIndex(),
             static_cast<int>(World().Country(kDefaultCountry).LeagueScript()));
    QCOMPARE(page.Scripts().count(), m_demo.Installation().TextTables().LeagueSystems().GetCount());
    QCOMPARE(page.GenericSystems().count(), kGenericSystemCount);
    QCOMPARE(page.GenericSystems().currentIndex(),
             PreselectedGenericSystem(LeaguesPerLevel(World(), kDefaultCountry)));
    bool fixed = false;
    WhenModal<CDlgLeagueData>(*this, [&fixed](CDlgLeagueData& data) {
        ShowActive(data);
        // The script builds the structure: its fields are fixed.
        fixed = !data.findChild<QSpinBox*>(QStringLiteral("size"))->isEnabled() &&
                !data.findChild<QComboBox*>(QStringLiteral("relegated"))->isEnabled() &&
                data.findChild<QLineEdit*>(QStringLiteral("name"))->isEnabled();
        QTest::keyClick(&data, Qt::Key_Return);
    });
    EnterOn(dialog->Page().Levels(), LeagueItem(dialog->Page().Levels(), LeagueId(1)));
    QVERIFY(fixed);
    // The generic systems wait until no script is chosen.
    QVERIFY(!page.GenericSystems().isEnabled());
    PickIndex(page.Scripts(), 0);
    QVERIFY(page.GenericSystems().isEnabled());

    int leagues = 0;
    for (int level = 0; level < page.Levels().topLevelItemCount(); ++level) {
        leagues += page.Levels().topLevelItem(level)->childCount();
    }
    QCOMPARE(leagues, static_cast<int>(CountryLeagues(World(), kDefaultCountry).size()));
    QTreeWidgetItem* top = LeagueItem(page.Levels(), LeagueId(0));
    QVERIFY(top != nullptr);
    QCOMPARE(top->text(0), QString::fromStdString(LeagueName(League(0), kDefaultLanguage)));
    QCOMPARE(page.TeamCount().text(),
             QString::number(TeamsInLeagueSystem(World(), kDefaultCountry)));
    QVERIFY(page.findChild<QPushButton*>(QStringLiteral("composition"))->isEnabled());

    // A refused or declined system and an unedited OK leave the document clean.
    const QStringList refused = ApplyRow(dialog->Page(), 0, true);
    QCOMPARE(refused.size(), 1);
    QVERIFY(refused.front().contains(QStringLiteral("Spielsystem")));
    // A system that removes leagues, declined.
    QCOMPARE(ApplyRow(dialog->Page(), 1, false).size(), 1);
    QVERIFY(Dump() == before);
    Click(*dialog, QStringLiteral("ok"));
    QVERIFY(!dialog->isVisible());
    QVERIFY(Dump() == before);
    QVERIFY(!m_document->History().CanUndo());
    QVERIFY(!m_document->IsModified());
}

void LeagueSystemTest::aGenericSystemIsAppliedAfterTheQuestionAndIsOneUndoStep() {
    const std::string before = Dump();
    std::array<int, kLevelCount> counts = LeaguesPerLevel(World(), kDefaultCountry);
    int lowest = kLevelCount - 1;
    while (lowest > 0 && counts[static_cast<std::size_t>(lowest)] == 0) {
        --lowest;
    }
    counts[static_cast<std::size_t>(lowest)] = 0;
    const int row = PreselectedGenericSystem(counts);
    QVERIFY(row > 0);
    {
        auto dialog = Open();
        const QStringList shown = ApplyRow(dialog->Page(), row, true);
        // Leaving the script is asked; the rebuilt leagues are sound (LeagueRebuildTest in
        // tests/editing), so no findings follow.
        QCOMPARE(shown.size(), 1);
        QCOMPARE(LeaguesPerLevel(World(), kDefaultCountry), counts);
        QCOMPARE(dialog->Page().Levels().topLevelItemCount(), lowest);
        QCOMPARE(dialog->Page().TeamCount().text(),
                 QString::number(TeamsInLeagueSystem(World(), kDefaultCountry)));
        QCOMPARE(World().Country(kDefaultCountry).LeagueScript(), 0);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }
    QCOMPARE(Edits(), std::size_t{1});
    QCOMPARE(m_document->UndoDescription(), std::optional<std::string>("Ligasystem"));
    const std::string after = Dump();
    QVERIFY(m_document->Undo());
    QVERIFY(Dump() == before);
    QVERIFY(m_document->Redo());
    QVERIFY(Dump() == after);
    // Last: the build writes back what it corrects.
    QCOMPARE(MasterBuildFault(m_document->WorldForOperations()), QString());
}

void LeagueSystemTest::aLeagueOpensItsDataAndANewSizeIsStored() {
    // Without a script, so the size can be changed.
    {
        auto dialog = Open();
        const int row = PreselectedGenericSystem(LeaguesPerLevel(World(), kDefaultCountry));
        // The question only: the rebuilt country is sound.
        QCOMPARE(ApplyRow(dialog->Page(), row, true).size(), 1);
        QCOMPARE(World().Country(kDefaultCountry).LeagueScript(), 0);
        QVERIFY(World().Country(kDefaultCountry).IsComplete());
        const int teams = TeamsInLeagueSystem(World(), kDefaultCountry);
        const int size = League(0).LeagueSize();
        const int newSize = size == 20 ? 22 : 20;

        bool shown = false;
        WhenModal<CDlgLeagueData>(*this, [&shown, newSize](CDlgLeagueData& data) {
            ShowActive(data);
            auto* spin = data.findChild<QSpinBox*>(QStringLiteral("size"));
            QVERIFY(spin->isEnabled());
            spin->setFocus();
            spin->selectAll();
            QTest::keyClicks(spin, QString::number(newSize));
            shown = true;
            QTest::mouseClick(data.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
        EnterOn(dialog->Page().Levels(), LeagueItem(dialog->Page().Levels(), LeagueId(0)));
        QVERIFY(shown);
        QCOMPARE(League(0).LeagueSize(), newSize);
        QCOMPARE(dialog->Page().TeamCount().text(), QString::number(teams - size + newSize));
        // The structure was not rebuilt by the data dialog.
        QCOMPARE(World().Country(kDefaultCountry).LeagueScript(), 0);
        dialog->accept();
    }
    QCOMPARE(Edits(), std::size_t{1});
}

void LeagueSystemTest::aLevelOpensItsNameAndTheButtonsReachTheirViews() {
    auto dialog = Open();
    CLeagueSystemPage& page = dialog->Page();
    WhenModal<CDlgLevelName>(*this, [](CDlgLevelName& name) {
        ShowActive(name);
        name.Field().selectAll();
        QTest::keyClicks(&name.Field(), QStringLiteral("Meisterklasse"));
        QTest::keyClick(&name.Field(), Qt::Key_Return);
    });
    EnterOn(page.Levels(), page.Levels().topLevelItem(0));
    QCOMPARE(page.Levels().topLevelItem(0)->text(0), QStringLiteral("Meisterklasse"));

    // Each view opens from its button; the live-edit views are left with OK, the fixture list
    // cancelled (by WhenModal).
    const auto opens = [this, &page](auto* type, const QString& button, bool accept) {
        using View = std::remove_pointer_t<decltype(type)>;
        bool shown = false;
        WhenModal<View>(*this, [&shown, accept](View& view) {
            shown = true;
            if (accept) {
                view.accept();
            }
        });
        Click(page, button);
        QVERIFY2(shown, qPrintable(button));
    };
    opens(static_cast<CDlgFixturelist*>(nullptr), QStringLiteral("fixtures"), false);
    opens(static_cast<CDlgCalendar*>(nullptr), QStringLiteral("calendar"), true);
    opens(static_cast<CDlgLeagueComposition*>(nullptr), QStringLiteral("composition"), true);
    dialog->accept();
    // The level name and nothing else, as one step.
    QCOMPARE(Edits(), std::size_t{1});
}

}  // namespace kw

KW_GUI_TEST(LeagueSystemTest);

#include "LeagueSystemTest.moc"
